#pragma once
// The level list ("Levels"): the pictures of one pack, a page at a time,
// each with its number and the stars won. The hub opens it with
// cScreenHost::OpenLevels and hands it the current player's progress in the pack
// (cLevelList::SetPack, screen_roles.h).
//
// The window (GG_WINDOW_LEVEL) is a paged list (paged_window.h) whose title
// window is "Level_Title"; its GUI needs only the page buttons 1 and 2. Its
// grid file's items are level items (gLevel_Item): an item's index is its
// place among the items made (the first item shows the pack's first level
// record, and so on), so a grid must hold at least as many items as the
// largest pack has levels. An item beyond the pack's levels (no record at
// its index) shows locked and does nothing.
//
//   <pages cols="4" rows="2" interval_x="24" interval_y="24" turn_type="SLIDE_HORIZONTAL"
//          turn_time="0.35">
//     <item background="..." text_shift_x="0" text_shift_y="-14" ...>   (page_item.h)
//       <font fntName="sans_bold_28" fntColor="FF2E3440"/>
//       <star picture="data/share/image/screens star_small.png" shift_x="-30" shift_y="50"/>
//     </item>
//     ...
//   </pages>
//
// A level item draws its tile (page_item.h; locked: state 0, open: 1, under
// the pointer: 2), its number (index + 1) when it is open, and three stars
// side by side: the star sheet holds two frames side by side, 0 an empty
// star and 1 a won one; the first star's centre is the item's centre plus
// (shift_x, shift_y), each next one a star's width to the right, and the
// stars below the level's star count are won.
//
// A click on a level: in editions with hearts, a current player without a
// heart is offered the shop instead (cScreenHost::CanPlayLevelOrAsk:
// "Confirm_NoHealth", yes opens "Shop"); otherwise, on an open level, behind "Fade_Transition", the
// level screens close (cScreenHost::CloseLevels) and, once they have, the level starts
// (cScreenHost::StartLevel), the fade closes and the list gives back its
// pictures. The list of a pack other than the one shown before opens on its
// first page. A level that cannot start opens the level list again, once
// every level screen has finished closing (a window still closing cannot
// open), and the fade then closes. A click while a fade runs, on a locked
// level or on an item without a record does nothing.
#include <cstdint>
#include <memory>

#include <pugixml.hpp>

#include "framework/pages.h"
#include "framework/sprite.h"
#include "game/shell/screens/fade_transition.h"
#include "game/shell/screens/page_item.h"
#include "game/shell/screens/paged_window.h"
#include "game/shell/screens/screen_host.h"
#include "game/shell/screens/screen_roles.h"

namespace game {

class gLevelRecord;
class gPackState;
class GG_WINDOW_LEVEL;

class gLevel_Item : public GG_PAGE_ITEM {
 public:
  static constexpr int32_t kStarCount = 3;

  gLevel_Item(const pugi::xml_node& node, int32_t index);

  // The record at the item's index (null: none): open or locked, its stars
  // and its number.
  void Show(const gLevelRecord* record);

  int32_t GetIndex() const { return index_; }
  int32_t GetStars() const { return stars_; }
  bool HasRecord() const { return has_record_; }

  void LoadResources() override;
  void ReleaseResources() override;
  void Draw() override;
  // Takes presses and releases on the item (kEventSwallowed).
  int32_t OnMouseDown(int32_t button) override;
  int32_t OnMouseUp(int32_t button) override;

  // The star frame drawn at each of the three places (0 empty, 1 won), and
  // where (screen pixels) the i-th star's centre stands now.
  int32_t StarFrame(int32_t i) const { return i < stars_ ? 1 : 0; }
  ORB::Vector2 StarCentre(int32_t i) const;

 private:
  int32_t index_;
  int32_t stars_ = 0;
  bool has_record_ = false;
  ORB_GF::G_SPRITE star_;
  ORB::Vector2 star_shift_;
};

class gPages_Level : public ORB_GF::gPages {
 public:
  explicit gPages_Level(GG_WINDOW_LEVEL* window) : window_(window) {}

  ORB_GF::G_PAGES_ITEM* CreateItem(const pugi::xml_node& node, int32_t index) override;
  void OnItemClicked(ORB_GF::G_PAGES_ITEM* item) override;
  // Each item shows the record at its index of the pack's progress (null:
  // none).
  void Show(const gPackState* record);
  gLevel_Item* LevelItem(size_t index) const;

 private:
  GG_WINDOW_LEVEL* window_;
};

class GG_WINDOW_LEVEL : public gHostedScreen, public GG_WINDOW_PAGED, public cLevelList {
 public:
  static constexpr const char* kTitleWindow = "Level_Title";

  explicit GG_WINDOW_LEVEL(const pugi::xml_node& node, cScreenHost* host = nullptr);

  // cLevelList: the pack to show (the current player's record of it; null
  // shows every item locked).
  void SetPack(gPackState* record) override;
  int32_t GetPackId() const { return pack_id_; }
  int32_t GetChosenIndex() const { return chosen_index_; }
  gPages_Level& LevelGrid() { return static_cast<gPages_Level&>(Grid()); }

  // A click on the item (the grid's).
  void OnLevelClicked(gLevel_Item& item);

 protected:
  void OnOpenBegin() override;
  // The current player's record of the pack shown, again.
  void Refresh() override;

 private:
  static void LevelsClosed(void* self);
  void StartChosenLevel();
  // The level list again once each level screen still closing has closed.
  void ReopenWhenClosed();
  static void ScreenClosed(void* self);
  void Reopen();

  int32_t pack_id_ = -1;
  int32_t chosen_index_ = -1;
  int32_t closing_screens_ = 0;
  gFadeTransition fade_;
};

}  // namespace game
