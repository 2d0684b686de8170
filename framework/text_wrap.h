#pragma once
// Breaks a text into lines that fit a width in a bitmap font, for texts the
// screens draw into a box of their own (a trophy's description). The font
// draws the line breaks (text_layout.h).
#include <cstdint>
#include <string>

#include "engine/scene/font.h"

namespace ORB_GF {

// The text with line breaks put in place of blanks wherever the next word
// would make the line wider than `width` pixels as the font measures it.
// Line breaks already in the text stay; blanks next to a new break are
// dropped and a run of blanks becomes one; a word wider than the width stands
// alone on a line of its own. A width of 0 or less changes nothing.
std::wstring WrapText(const ORB::OC_FONT& font, const std::wstring& text, int32_t width);

}  // namespace ORB_GF
