#pragma once
// Exact conversion between wide text (UTF-32 in wchar_t) and UTF-8, by our own
// encoder: the result never depends on the C locale. Invalid input (a broken
// UTF-8 sequence, a surrogate, a code point above U+10FFFF) becomes U+FFFD.
#include <string>
#include <string_view>

namespace ORB {

std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);

}  // namespace ORB
