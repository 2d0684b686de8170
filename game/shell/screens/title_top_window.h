#pragma once
// GG_WINDOW_TITLE_TOP: the greeting above the title screen ("Title_Top"):
// "Hello, Anna!" and, one line below it, the link that changes the player.
//
// Its description:
//
//   <window _name="Title_Top" _type="GG_WINDOW_TITLE_TOP" ...>
//     <GUI>
//       <IMAGE ID="2" TEXTURE="..." HOT_SPOT="HS_UL"/>   the link (see below)
//     </GUI>
//     <settings font_big="title_44" font_med="sans_20" shift="-300 -40"
//               text_color="FF2E3440" link_color="FF00798C"
//               text_color_highlight="FFEDAE49"/>
//   </window>
//
// "settings" (each value optional; a missing one keeps the default in
// brackets, a font the font list lacks draws nothing):
//   font_big               the greeting's font, a name of the font list [none]
//   font_med               the link's font [none]
//   shift                  "x y": where the greeting's upper-left corner
//                          stands from the window's position [0 0]
//   text_color             the greeting's colour, hexadecimal ARGB [FFFFFFFF]
//   link_color             the link's colour away from the pointer
//                          [text_color]
//   text_color_highlight   the link's colour under the pointer [link_color]
//
// The greeting is the localized "label_hello_player_with_name" with the
// current player's name, or "label_hello_player" without one (a welcome that
// asks who plays, never a greeting without a name). The text is a template:
// its first conversion ("%s") takes the name and nothing else is read from
// it; a name holding "%" shows as it is (message_template.h). The link is
// the localized "label_change_player", or "label_new_player" (an invitation
// to make one) while there is no player, drawn with font_med one greeting
// line (font_big's line height) below the greeting, both aligned at their
// upper-left corners.
//
// The link's box is its position, its measured width and font_med's line
// height. Widget 2 is the link's clickable part: when the resources load
// the window lays it over the link's box (upper-left anchor, the box's
// size), so its picture (the shipped one is a thin underline along its
// bottom edge) follows the text whatever the language. A click on widget 2
// counts only while the link is highlighted (the pointer inside the box):
// with a current player "Players" opens; without one the name entry asks
// for a player first and then "Players" opens. Without widget 2 the link is
// drawn and highlighted but cannot be clicked.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/foundation/vector2.h"
#include "engine/scene/font.h"
#include "framework/window.h"
#include "game/shell/screens/player_name_entry.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_TITLE_TOP : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kLinkId = 2;
  static constexpr const char* kGreetingKey = "label_hello_player";
  static constexpr const char* kGreetingWithNameKey = "label_hello_player_with_name";
  static constexpr const char* kLinkKey = "label_change_player";
  static constexpr const char* kNewPlayerLinkKey = "label_new_player";
  static constexpr const char* kPlayersWindow = "Players";

  explicit GG_WINDOW_TITLE_TOP(const pugi::xml_node& node, cScreenHost* host = nullptr);

  const std::wstring& GetGreeting() const { return greeting_; }
  const std::wstring& GetLinkText() const { return link_text_; }
  bool IsLinkHighlighted() const { return highlighted_; }
  ORB::Colour GetLinkColour() const { return highlighted_ ? highlight_colour_ : link_colour_; }
  // The link's box in screen pixels: left, top, width, height (0 x 0 until
  // the resources are loaded).
  struct Box {
    float x = 0.0f;
    float y = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
  };
  Box GetLinkBox() const;
  const ORB::Vector2& GetShift() const { return shift_; }

  // The greeting for a player's name (null: none), from the localization
  // table's templates.
  static std::wstring Greeting(const std::wstring* name);

  int32_t HandleMouseMove() override;

 protected:
  void OnOpenBegin() override;
  void Refresh() override;
  void OnLoadResources() override;
  void OnReleaseResources() override;
  void OnDraw() override;
  void OnGuiEvent(int32_t widget_id) override;

 private:
  // The greeting's and the link's upper-left corners on the screen now.
  ORB::Vector2 GreetingPosition() const;
  ORB::Vector2 LinkPosition() const;
  void UpdateHighlight();
  // The link's text, its measured width and widget 2 laid over its box.
  void PlaceLink(std::wstring text);

  std::string font_big_name_;
  std::string font_med_name_;
  ORB::OC_FONT* font_big_ = nullptr;
  ORB::OC_FONT* font_med_ = nullptr;
  ORB::Vector2 shift_;
  ORB::Colour text_colour_{0xFFFFFFFFu};
  ORB::Colour link_colour_{0xFFFFFFFFu};
  ORB::Colour highlight_colour_{0xFFFFFFFFu};
  std::wstring greeting_;
  std::wstring link_text_;
  float link_width_ = 0.0f;
  bool highlighted_ = false;
  gPlayerNameEntry name_entry_{*this};
};

}  // namespace game
