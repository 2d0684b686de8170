#pragma once
// FontStyle: how a piece of text is drawn, as game descriptions give it: a
// font of the font list by name, a colour and an alignment (a hot-spot kind,
// 0 to 8).
//
//   <fontTitle fntName="sans_bold_20" fntColor="FF2E3440" fntHotSpot="HS_ML"/>
//
// "fntName" is required; "fntColor" is a hexadecimal ARGB word and
// "fntHotSpot" a hot-spot name, each optional (white and the centre).
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/scene/font.h"
#include "framework/font_list.h"

namespace ORB_GF {

class FontStyle {
 public:
  // No font, white, centred.
  FontStyle() = default;

  // Reads the style and looks its font up in the list. False without
  // "fntName" (nothing read) or when the list has no such font (the font
  // stays null; colour and alignment are read all the same).
  bool Load(const pugi::xml_node& node, const FontList& fonts);

  ORB::OC_FONT* GetFont() const { return font_; }
  const std::string& GetFontName() const { return font_name_; }
  ORB::Colour GetColor() const { return colour_; }
  int32_t GetAlignment() const { return alignment_; }

  // Gives the font this style's colour and alignment and answers it (null
  // without a font), ready to draw.
  ORB::OC_FONT* Apply() const;

 private:
  ORB::OC_FONT* font_ = nullptr;  // the font list's
  std::string font_name_;
  ORB::Colour colour_{0xFFFFFFFFu};
  int32_t alignment_ = ORB::HS_MID;
};

}  // namespace ORB_GF
