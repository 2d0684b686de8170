#include "engine/foundation/wide_string.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace ORB {
namespace {

TEST(WString, CapacityGrowth) {
  WString s;
  EXPECT_EQ(s.Length(), 0u);
  EXPECT_STREQ(s.CStr(), L"");
  s.Reserve(0);
  EXPECT_EQ(s.Capacity(), 31u);
  s.Assign(std::wstring(40, L'x').c_str());
  EXPECT_EQ(s.Capacity(), 93u);  // floor(1.25 * 50 + 30) + 1
  EXPECT_EQ(s.Length(), 40u);
  s.Assign(L"short");  // fits: no new buffer
  EXPECT_EQ(s.Capacity(), 93u);
  EXPECT_EQ(s, std::wstring_view(L"short"));
  s.Reserve(4);
  EXPECT_EQ(s.Capacity(), 36u);
  EXPECT_EQ(s.Length(), 0u);  // Reserve discards the content
  EXPECT_STREQ(s.CStr(), L"");
}

TEST(WString, AppendKeepsContent) {
  WString s(L"Level ");
  s.Append(L"12");
  s.Append(WString(L" of "));
  s.Append(std::wstring(100, L'9').c_str());
  EXPECT_EQ(s.Length(), 112u);
  EXPECT_EQ(s.View().substr(0, 12), L"Level 12 of ");
  EXPECT_EQ(s.CStr()[112], L'\0');
  s.Append(static_cast<const wchar_t*>(nullptr));
  s.Append(L"");
  EXPECT_EQ(s.Length(), 112u);
}

TEST(WString, AssignAndAppendFromItself) {
  WString s(L"abc");
  s.Assign(s);
  EXPECT_EQ(s, std::wstring_view(L"abc"));
  s.Append(s);
  EXPECT_EQ(s, std::wstring_view(L"abcabc"));
  // Again, until the buffer has to grow while reading from itself.
  for (int i = 0; i < 5; ++i) s.Append(s);
  EXPECT_EQ(s.Length(), 6u * 32u);
  EXPECT_EQ(s.View().substr(186), L"abcabc");
  // A tail of its own text.
  WString t(L"hello world");
  t.Assign(t.CStr() + 6);
  EXPECT_EQ(t, std::wstring_view(L"world"));
  t.Append(t.CStr() + 3);
  EXPECT_EQ(t, std::wstring_view(L"worldld"));
  t = t;  // self-assignment through the operator
  EXPECT_EQ(t, std::wstring_view(L"worldld"));
}

TEST(WString, CopyAndMove) {
  WString a(L"Zoë");
  WString b = a;
  b.Append(L"!");
  EXPECT_EQ(a, std::wstring_view(L"Zoë"));
  EXPECT_EQ(b, std::wstring_view(L"Zoë!"));
  WString c = std::move(b);
  EXPECT_EQ(c, std::wstring_view(L"Zoë!"));
  EXPECT_EQ(b.Length(), 0u);  // NOLINT: a moved-from string is empty
  EXPECT_STREQ(b.CStr(), L"");
  a = std::move(c);
  EXPECT_EQ(a, std::wstring_view(L"Zoë!"));
  a.Assign(static_cast<const wchar_t*>(nullptr));
  EXPECT_EQ(a.Length(), 0u);
}

TEST(WString, Find) {
  const WString s(L"one two one");
  EXPECT_EQ(s.Find(L"one"), 0);
  EXPECT_EQ(s.Find(L"one", 1), 8);
  EXPECT_EQ(s.Find(WString(L"two")), 4);
  EXPECT_EQ(s.Find(L"three"), -1);
  EXPECT_EQ(s.Find(L"one", -5), 0);
  EXPECT_EQ(s.Find(L"", 11), 11);
  // A start past the end finds nothing.
  EXPECT_EQ(s.Find(L"one", 12), -1);
  EXPECT_EQ(s.Find(L"", 12), -1);
  EXPECT_EQ(s.Find(L"one", 1000000), -1);
  EXPECT_EQ(s.FindChar(L't'), 4);
  EXPECT_EQ(s.FindChar(L'o', 1), 6);
  EXPECT_EQ(s.FindChar(L'x'), -1);
  EXPECT_EQ(s.FindChar(L'e', 11), -1);
  EXPECT_EQ(WString().Find(L"a"), -1);
}

TEST(WString, IgnoringCase) {
  struct Case {
    const wchar_t* a;
    const wchar_t* b;
    bool equal;
  };
  const Case cases[] = {
      {L"Player", L"pLAYER", true},
      {L"ÄÖÜ Ñ", L"äöü ñ", true},
      {L"ŁUKASZ", L"łukasz", true},
      {L"ΖΩΉ", L"ζωή", true},
      {L"АНДРЕЙ Ёж", L"андрей ёж", true},
      {L"ＡＢＣ", L"ａｂｃ", true},
      {L"abc", L"abd", false},
      {L"abc", L"abcd", false},
      {L"×", L"÷", false},  // not letters
      {L"", L"", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WString(c.a).EqualsIgnoreCase(c.b), c.equal);
    EXPECT_EQ(WString(c.a).NotEqualsIgnoreCase(c.b), !c.equal);
  }
}

TEST(WString, ToMultiByteIsUtf8) {
  EXPECT_EQ(WString(L"abc").ToMultiByte(), "abc");
  EXPECT_EQ(WString(L"Zoë 李").ToMultiByte(), "Zo\xC3\xAB \xE6\x9D\x8E");
  EXPECT_EQ(WString().ToMultiByte(), "");
}

}  // namespace
}  // namespace ORB
