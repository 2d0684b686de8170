#pragma once
// Exact conversion between wide text (UTF-32 in wchar_t) and UTF-8, by our own
// encoder: the result never depends on the C locale. Invalid input becomes
// U+FFFD: a wide character that is a surrogate or lies above U+10FFFF, and in
// UTF-8 each maximal broken piece (a stray byte, a sequence cut short, an
// overlong form, an encoded surrogate or a code point above U+10FFFF), one
// replacement per piece as Unicode recommends.
#include <string>
#include <string_view>

namespace ORB {

std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);

}  // namespace ORB
