#pragma once
// Reads a bitmap font description in the AngelCode BMFont XML layout:
//
//   <font>
//     <common lineHeight="23" scaleW="256" scaleH="256" .../>
//     <pages><page id="0" file="name.png"/></pages>
//     <chars count="N">
//       <char id="65" x="10" y="4" width="12" height="15"
//             xoffset="0" yoffset="4" xadvance="13" .../>
//     </chars>
//   </font>
//
// The page file name and the char count are not used: the page is the
// texture the caller hands over, and every "char" element is read. Starting
// at the first child element of "chars", each following sibling named "char"
// is read; an absent attribute reads 0 (logged as a warning, as is a
// rectangle value that cannot be read). Kerning is not read.
#include <cstdint>

#include <pugixml.hpp>

#include "engine/scene/glyph_map.h"

namespace ORB {

enum class BmFontPage {
  // Page size given by the caller (the texture's); x, y, width and height
  // are read as integers.
  kTexture,
  // Page size from "scaleW" and "scaleH" of "common"; x, y, width and
  // height are read as numbers, the pixel size is their whole part.
  kDescribed,
};

struct BmFontDescription {
  int32_t line_height = 0;  // "lineHeight" of "common"
  float page_width = 0.0f;  // the page size the rectangles were computed for
  float page_height = 0.0f;
  int32_t chars_read = 0;  // "char" elements read (repeated ids included)
};

// Adds a glyph for every "char" to glyphs (a repeated id replaces the
// earlier glyph; the map is not cleared first). page_width and page_height
// are used only with BmFontPage::kTexture.
BmFontDescription ReadBmFont(pugi::xml_node description, BmFontPage page, float page_width,
                             float page_height, GlyphMap& glyphs);

}  // namespace ORB
