#pragma once
// GG_WINDOW_CONFIRM_EX: the confirm dialog (framework/window_confirm.h)
// with a line of its own drawn over it: the players screen asks "Delete
// this player?" and shows the player's name below the question.
//
// Its description is the confirm dialog's (GUI ids 2 message, 3 yes, 4 no,
// 5 the third answer), with the extra line's settings:
//
//   <window _name="Players_Confirm_Del" _type="GG_WINDOW_CONFIRM_EX" ...>
//     <GUI> ... </GUI>
//     <SETTINGS font_extra_text="sans_bold_20" pos="0 -6" text_color="FF00798C"
//               hot_spot="HS_MID"/>
//   </window>
//
// "SETTINGS" (each optional; a missing one keeps the default in brackets):
//   font_extra_text  a font of the font list, looked up when the dialog
//                    loads its resources [none: the line is not drawn]
//   pos              "x y": the line's point from the window's position [0 0]
//   text_color       the line's colour, hexadecimal ARGB [FFFFFFFF]
//   hot_spot         where the point lies on the line, "HS_UL" ... "HS_DR"
//                    [HS_MID: the line is centred on it]
// The line is drawn as it stands (a "%" in a name is a "%"), after the
// dialog's widgets.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/foundation/vector2.h"
#include "engine/scene/font.h"
#include "framework/window_confirm.h"

namespace game {

class GG_WINDOW_CONFIRM_EX : public ORB_GF::G_WINDOW_CONFIRM {
 public:
  explicit GG_WINDOW_CONFIRM_EX(const pugi::xml_node& node);

  void SetExtraText(std::wstring text) { extra_text_ = std::move(text); }
  const std::wstring& GetExtraText() const { return extra_text_; }
  const std::string& GetFontName() const { return font_name_; }
  const ORB::Vector2& GetTextPosition() const { return position_; }
  int32_t GetTextAnchor() const { return anchor_; }
  ORB::Colour GetTextColour() const { return colour_; }
  // Null until the resources are loaded, or for a font the list lacks.
  ORB::OC_FONT* GetFont() const { return font_; }

 protected:
  void OnLoadResources() override;
  void OnReleaseResources() override;
  void OnDraw() override;

 private:
  std::wstring extra_text_;
  std::string font_name_;
  ORB::Vector2 position_;
  int32_t anchor_;
  ORB::Colour colour_{0xFFFFFFFFu};
  ORB::OC_FONT* font_ = nullptr;
};

}  // namespace game
