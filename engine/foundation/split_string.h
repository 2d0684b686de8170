#pragma once
// Splitting narrow text at a separator: the text forms of the value types and
// the "folder file" resource names are read with it. SplitWords splits at
// runs of white space instead, for lists of numbers written by hand (the GUI
// descriptions' positions and sizes, a particle description's area).
#include <string>
#include <string_view>
#include <vector>

namespace ORB {

// Appends the parts of *text to parts and leaves *text empty. Each part is the
// text up to the next separator (the separator kept at its end unless
// dropSeparator); the rest after the last separator is the last part.
// Consecutive separators give empty parts, a leading separator an empty first
// part, and a trailing separator no empty last part. An empty separator makes
// the whole text one part.
void SplitString(std::string* text, std::string_view separator, std::vector<std::string>& parts,
                 bool dropSeparator = true);

// As above on a copy of text; parts is cleared first.
void SplitString(std::string_view text, std::string_view separator, std::vector<std::string>& parts,
                 bool dropSeparator = true);

std::vector<std::string> SplitString(std::string_view text, std::string_view separator,
                                     bool dropSeparator = true);

// The words of text: the parts between runs of white space (blanks, tabs,
// line breaks), none empty; no word for a text of white space alone. Views
// into text.
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace ORB
