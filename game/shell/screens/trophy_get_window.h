#pragma once
// The trophy-award window, "Trophy_Get" (GG_WINDOW_TROPHY_GET): shows one
// trophy just won, its medal, title, description and the coins it paid. The
// hub's trophy queue opens it for each trophy in turn and hands it the
// trophy (cTrophyAward, screen_roles.h); closing it lets the queue show the
// next.
//
// Its description:
//
//   <window _name="Trophy_Get" _type="GG_WINDOW_TROPHY_GET" _modal="1" ...>
//     <GUI>
//       BUTTON5 1       closes the window
//       IMAGE 3         the medal: the trophy's open picture
//       WLABEL 4        the coins the trophy pays ("%i" of its bonus)
//     </GUI>
//     <settings shift="0 40" shift_description="0 76" width="420" sound="trophy">
//       <fontTitle fntName="sans_bold_28" fntColor="FF2E3440" fntHotSpot="HS_MID"/>
//       <fontDescription fntName="sans_20" fntColor="FF2E3440" fntHotSpot="HS_MID"/>
//     </settings>
//   </window>
//
// "settings": "shift" where the title is drawn from the window's position,
// "shift_description" where the description is (default: a title line below
// the title), "width" the width the description is broken into lines to
// fit (0 or missing: never), "sound" a sound of the sound bank's "sounds"
// played when the window begins to open (none when missing). Both texts are
// drawn after the widgets, in the game's language. A widget that is
// missing, or of another class, is left out.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "framework/trophy_record.h"
#include "framework/window.h"
#include "game/shell/screens/screen_roles.h"
#include "game/shell/screens/styled_text.h"

namespace game {

class GG_WINDOW_TROPHY_GET : public ORB_GF::G_WINDOW, public cTrophyAward {
 public:
  static constexpr int32_t kCloseId = 1;
  static constexpr int32_t kPictureId = 3;
  static constexpr int32_t kBonusId = 4;

  explicit GG_WINDOW_TROPHY_GET(const pugi::xml_node& node);

  // The title and description in the game's language, the open medal, the
  // bonus.
  void SetTrophy(const ORB_GF::TrophyRecord& trophy) override;

  const std::wstring& GetTitle() const { return title_.GetText(); }
  const std::wstring& GetDescription() const { return description_.GetText(); }
  const gStyledText& TitleText() const { return title_; }
  const gStyledText& DescriptionText() const { return description_; }

 protected:
  void OnOpenBegin() override;
  void OnDraw() override;
  void OnGuiEvent(int32_t widget_id) override;

 private:
  gStyledText title_;
  gStyledText description_;
  std::string sound_;
};

}  // namespace game
