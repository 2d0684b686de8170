#include "engine/foundation/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace ORB {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

TEST(Utf8, NamesRoundTrip) {
  const wchar_t* names[] = {
      L"Player",  L"Zoë",       L"Łukasz",  L"Ζωή",       L"Андрей", L"李小龍",
      L"عائشة",   L"Ｆｕｌｌ",   L"\U0001F600 smile", L"",  L"日本語のテキスト",
  };
  for (const wchar_t* name : names) {
    const std::string utf8 = WideToUtf8(name);
    EXPECT_EQ(Utf8ToWide(utf8), name);
  }
  EXPECT_EQ(WideToUtf8(L"Zoë"), "Zo\xC3\xAB");
  EXPECT_EQ(WideToUtf8(L"李"), "\xE6\x9D\x8E");
  EXPECT_EQ(WideToUtf8(L"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Utf8, EveryCodePointRoundTrips) {
  std::wstring all;
  for (char32_t c = 1; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    all.push_back(static_cast<wchar_t>(c));
  }
  const std::string utf8 = WideToUtf8(all);
  EXPECT_EQ(Utf8ToWide(utf8), all);
  // The encoded lengths at each boundary.
  EXPECT_EQ(WideToUtf8(std::wstring(1, 0x7F)).size(), 1u);
  EXPECT_EQ(WideToUtf8(std::wstring(1, 0x80)).size(), 2u);
  EXPECT_EQ(WideToUtf8(std::wstring(1, 0x7FF)).size(), 2u);
  EXPECT_EQ(WideToUtf8(std::wstring(1, 0x800)).size(), 3u);
  EXPECT_EQ(WideToUtf8(std::wstring(1, 0xFFFF)).size(), 3u);
  EXPECT_EQ(WideToUtf8(std::wstring(1, 0x10000)).size(), 4u);
  EXPECT_EQ(WideToUtf8(std::wstring(1, 0x10FFFF)).size(), 4u);
  // A zero character is kept, not taken as the end.
  EXPECT_EQ(Utf8ToWide(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(Utf8, InvalidWideCharactersBecomeReplacement) {
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), replacement);
  EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xDFFF))), replacement);
  EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), replacement);
  EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(-1))), replacement);
}

TEST(Utf8, InvalidBytesBecomeReplacement) {
  const wchar_t R = kReplacement;
  struct Case {
    std::string bytes;
    std::wstring text;
  };
  const Case cases[] = {
      {"\x80", {R}},                                  // stray continuation
      {"a\xBF" "b", {L'a', R, L'b'}},
      {"\xC3", {R}},                                  // cut short at the end
      {"\xE4\xB8" "A", {R, L'A'}},                    // cut short before a letter
      {"\xF0\x9F\x98", {R}},
      {"\xC0\xAF", {R, R}},                           // overlong '/'
      {"\xE0\x80\xAF", {R, R, R}},
      {"\xF0\x80\x80\xAF", {R, R, R, R}},
      {"\xED\xA0\x80", {R, R, R}},                    // encoded surrogate
      {"\xF4\x90\x80\x80", {R, R, R, R}},             // above U+10FFFF
      {"\xF5\x80", {R, R}},
      {"\xFF\xFE", {R, R}},
      {"\xC3\xA9\xC3", {L'\u00E9', R}},
      {"\xE2\x82\xAC\x80\xE2\x82\xAC", {L'\u20AC', R, L'\u20AC'}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToWide(c.bytes), c.text) << testing::PrintToString(c.bytes);
  }
}

}  // namespace
}  // namespace ORB
