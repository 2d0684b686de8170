#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/foundation/format.h"
#include "engine/foundation/string_utils.h"

namespace ORB {
namespace {

std::wstring Format(size_t capacity, const wchar_t* format, ...) {
  std::wstring buffer(capacity + 4, L'#');
  va_list args;
  va_start(args, format);
  const size_t written = FormatWV(buffer.data(), capacity, format, args);
  va_end(args);
  EXPECT_EQ(buffer[written], 0) << "always terminated";
  EXPECT_EQ(buffer[capacity], L'#') << "nothing written past the capacity";
  return std::wstring(buffer.c_str());
}

TEST(FormatTest, PaddingAndTruncation) {
  EXPECT_EQ(Format(32, L"%3i", 7), L"  7");
  EXPECT_EQ(Format(32, L"%03i", 7), L"007");
  EXPECT_EQ(Format(32, L"%d:%02d", 3, 5), L"3:05");
  EXPECT_EQ(Format(32, L"[%6s]", L"ab"), L"[    ab]");
  EXPECT_EQ(Format(32, L"[%1s]", L"long"), L"[long]");
  wchar_t small[3];
  EXPECT_EQ(FormatW(small, 3, L"%i", 1234), 2u);
  EXPECT_EQ(std::wstring(small), L"12");
  EXPECT_EQ(Format(5, L"abcdefgh"), L"abcd");
}

TEST(FormatTest, SignedNumbers) {
  EXPECT_EQ(Format(32, L"%i", -42), L"-42");
  EXPECT_EQ(Format(32, L"%i", INT_MIN), L"-2147483648");
  EXPECT_EQ(Format(32, L"%5i", -42), L"  -42");
  EXPECT_EQ(Format(32, L"%05i", -42), L"-0042");
  EXPECT_EQ(Format(32, L"%u", 4000000000u), L"4000000000");
  EXPECT_EQ(Format(32, L"%li", LONG_MIN), std::to_wstring(LONG_MIN));
}

TEST(FormatTest, PercentAndUnknownLetters) {
  EXPECT_EQ(Format(32, L"100%%"), L"100%");
  EXPECT_EQ(Format(32, L"%x%i", 5), L"x5") << "%x takes no argument";
  EXPECT_EQ(Format(32, L"end %"), L"end ");
  EXPECT_EQ(Format(32, L"end %0"), L"end ");
}

TEST(FormatTest, FloatsAndNullStrings) {
  EXPECT_EQ(Format(32, L"%.2f", 3.14159), L"3.14");
  EXPECT_EQ(Format(32, L"%6.1f|", 2.25), L"   2.2|");
  EXPECT_EQ(Format(4, L"%.3f", 1.5), L"1.5");
  // A conversion too long to hand on is dropped, but still takes its number.
  EXPECT_EQ(Format(64, L"[%00000000000000000000000000000001.1f]%i", 2.5, 7), L"[]7");
  EXPECT_EQ(Format(32, L"a%sb", static_cast<const wchar_t*>(nullptr)), L"");
  wchar_t none[1];
  EXPECT_EQ(FormatW(none, 0, L"x"), 0u);
  EXPECT_EQ(FormatW(none, 1, nullptr), 0u);
}

TEST(StringUtilsTest, ReplaceAllEndsWhenTheReplacementHoldsThePattern) {
  const struct {
    const char* text;
    char pattern;
    const char* replacement;
    const char* expected;
  } cases[] = {{"a/b/c", '/', "//", "a//b//c"}, {"x", 'x', "yxy", "yxy"}, {"a b", ' ', "", "ab"}};
  for (const auto& c : cases) {
    std::string text = c.text;
    ReplaceAll(text, c.pattern, c.replacement);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(StringUtilsTest, PathsAndNames) {
  std::string path = "data\\share/main\\other";
  NormalizeSlashes(path);
  EXPECT_EQ(path, "data/share/main/other");
  EXPECT_EQ(CountBlanks("data/share/main/other sound.xml"), 1u);
  EXPECT_EQ(CountBlanks("sound.xml"), 0u);
}

TEST(StringUtilsTest, ParseHex) {
  EXPECT_EQ(ParseHex("ff"), 255u);
  EXPECT_EQ(ParseHex("  FF80ff00 tail"), 0xFF80FF00u);
  EXPECT_EQ(ParseHex("0x1A"), 26u);
  EXPECT_EQ(ParseHex("zz"), 0u);
  EXPECT_EQ(ParseHex(""), 0u);
  EXPECT_EQ(ParseHex("123456789"), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace ORB
