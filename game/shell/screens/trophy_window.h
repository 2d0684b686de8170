#pragma once
// The trophy list, "Trophy" (GG_WINDOW_TROPHY): a paged grid (gPages_Trophy)
// of every trophy of the game (gItem_Trophy), each with its medal (open once
// the current player has it, closed before), its title, description and the
// coins it pays. The pack menu opens it with its title panel
// ("Trophy_Title") through the hub's OpenTrophies, which refreshes it first.
//
// Its description (the paging as GG_WINDOW_PAGED, paged_window.h):
//
//   <window _name="Trophy" _type="GG_WINDOW_TROPHY" ...>
//     <GUI> ...BUTTON5 1 the page before, 2 the next... </GUI>
//     <gPages file="data/share/main/other trophy_pages.xml" pos_x="0" pos_y="0"/>
//     <page_number file="data/share/image/gui page_markers.png">
//       <TRANSFORM>0 250 0 0 0 0 0 0 0 1 1 1</TRANSFORM>
//     </page_number>
//   </window>
//
// The grid file: one <item name_tr="tr_pack_1"/> per trophy, and the look
// every item shares in <gEXAMPLE> (each child optional; sprites as
// framework/sprite.h reads them, font styles as framework/font_style.h):
//
//   <gEXAMPLE size="450 112">          the item's size ("w h")
//     <background><FILE>...card.png</FILE></background>   drawn first, at the item's centre
//     <picture><POS>-168 0</POS><SIZE>88 88</SIZE></picture>
//                                      where the medal goes (its file is the trophy's)
//     <sunime><FILE>...coin.png</FILE><POS>150 30</POS></sunime>   the coin
//     <fontTitle fntName="sans_bold_20" fntColor="FF2E3440" fntHotSpot="HS_UL"/>
//     <fontDescr .../> <fontSunime .../>
//     <shift>-108 -40</shift>          the title's place from the item's centre
//     <shift_descr>-108 -12</shift_descr>   the description's (default: a title
//                                      line below the title)
//     <shift_sunime>136 30</shift_sunime>   the coin text's (default: the coin's)
//     <descr_width>300</descr_width>   the description is broken into lines this
//                                      wide (0 or missing: never)
//   </gEXAMPLE>
//
// A trophy the trophy list lacks draws only the item's background.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/vector2.h"
#include "framework/pages.h"
#include "framework/pages_item.h"
#include "framework/sprite.h"
#include "game/shell/screens/paged_window.h"
#include "game/shell/screens/styled_text.h"

namespace game {

class gItem_Trophy : public ORB_GF::G_PAGES_ITEM {
 public:
  gItem_Trophy(const pugi::xml_node& node, uint32_t item_id);

  // The look every item of the grid shares (the grid's gEXAMPLE).
  void ApplyExample(const pugi::xml_node& example);

  int32_t GetWidth() const override { return width_; }
  int32_t GetHeight() const override { return height_; }
  void LoadResources() override;
  void ReleaseResources() override;
  void Draw() override;
  // Looks the trophy up in the trophy list: the title and description in the
  // game's language, the open or closed medal, the bonus.
  int32_t Refresh() override;

  const std::string& GetTrophyName() const { return name_; }
  bool IsKnown() const { return known_; }
  bool IsGot() const { return got_; }
  const std::wstring& GetTitle() const { return title_.GetText(); }
  const std::wstring& GetDescription() const { return description_.GetText(); }
  const std::wstring& GetCoinText() const { return coins_.GetText(); }
  const ORB_GF::G_SPRITE& GetPicture() const { return picture_; }

 private:
  std::string name_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  bool known_ = false;
  bool got_ = false;
  bool has_background_ = false;
  ORB_GF::G_SPRITE background_;
  ORB_GF::G_SPRITE picture_;
  ORB_GF::G_SPRITE sunime_;
  gStyledText title_;
  gStyledText description_;
  gStyledText coins_;
};

class gPages_Trophy : public ORB_GF::gPages {
 public:
  ORB_GF::G_PAGES_ITEM* CreateItem(const pugi::xml_node& node, int32_t index) override;
  void LoadExample(const pugi::xml_node& node) override;
  // The list only shows.
  void OnItemClicked(ORB_GF::G_PAGES_ITEM* /*item*/) override {}
};

class GG_WINDOW_TROPHY : public GG_WINDOW_PAGED {
 public:
  static constexpr int32_t kPreviousId = 1;
  static constexpr int32_t kNextId = 2;
  static constexpr const char* kMarkers = "page_number";

  explicit GG_WINDOW_TROPHY(const pugi::xml_node& node);
};

}  // namespace game
