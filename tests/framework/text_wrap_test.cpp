// Lines broken to fit a width, measured by a font whose every letter and
// blank is 10 pixels wide.
#include "framework/text_wrap.h"

#include <gtest/gtest.h>

#include <string>

#include <pugixml.hpp>

namespace ORB_GF {
namespace {

// Letters a..z, A..Z and the blank, each advancing 10 pixels.
std::string Description() {
  std::string chars;
  for (int c : {32})
    chars += "<char id=\"" + std::to_string(c) + "\" width=\"0\" height=\"0\" xadvance=\"10\"/>";
  for (int c = 'a'; c <= 'z'; ++c) {
    chars += "<char id=\"" + std::to_string(c) + "\" width=\"8\" height=\"10\" xadvance=\"10\"/>";
  }
  for (int c = 'A'; c <= 'Z'; ++c) {
    chars += "<char id=\"" + std::to_string(c) + "\" width=\"8\" height=\"10\" xadvance=\"10\"/>";
  }
  return "<font><common lineHeight=\"12\" scaleW=\"256\" scaleH=\"256\"/><chars>" + chars +
         "</chars></font>";
}

TEST(TextWrap, BreaksAtBlanksToFitTheWidth) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(Description().c_str()));
  const ORB::OC_FONT font(document.child("font"), nullptr, 600);
  ASSERT_EQ(font.MeasureLine(L"abc"), 30);
  const struct {
    const wchar_t* text;
    int32_t width;
    const wchar_t* wrapped;
  } cases[] = {
      {L"one two three", 200, L"one two three"},  // fits
      {L"one two three", 130, L"one two three"},  // exactly
      {L"one two three", 129, L"one two\nthree"},
      {L"one two three", 70, L"one two\nthree"},
      {L"one two three", 69, L"one\ntwo\nthree"},
      {L"one two three", 20, L"one\ntwo\nthree"},  // a word wider stands alone
      {L"abcdefghij klm", 50, L"abcdefghij\nklm"},
      {L"one  two", 70, L"one two"},  // blanks in a row are one
      {L"first line\nsecond line here", 110, L"first line\nsecond line\nhere"},
      {L"", 50, L""},
      {L"one two three", 0, L"one two three"},  // no width: as it is
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "\"" << std::string(c.text, c.text + std::wcslen(c.text))
                                    << "\" in " << c.width);
    EXPECT_EQ(WrapText(font, c.text, c.width), c.wrapped);
  }
}

}  // namespace
}  // namespace ORB_GF
