#pragma once
// Small helpers on 8-bit strings: paths, numbers, resource names.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ORB {

// The leading hexadecimal number of the text (after blanks, an optional 0x);
// 0 when there is none; values beyond 32 bits saturate.
uint32_t ParseHex(std::string_view text);

// Blanks (spaces) in the text: a resource name with one is
// "folder file".
size_t CountBlanks(std::string_view text);

// Replaces every occurrence of the character by the replacement. The search
// goes on after each inserted replacement, so a replacement that contains
// the character cannot loop.
void ReplaceAll(std::string& text, char pattern, std::string_view replacement);

// Every backslash becomes a slash.
void NormalizeSlashes(std::string& text);

}  // namespace ORB
