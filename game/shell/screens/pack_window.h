#pragma once
// The pack list ("Packs"): every pack of the game, a page at a time, each
// with its picture, its name and either the stars won in it or, while it is
// locked, the stars that open it. A click opens the pack's level list, or
// offers to buy a locked pack.
//
// The window (GG_WINDOW_PACK) is a paged list (paged_window.h) whose title
// window is "Pack_Title"; its GUI needs only the page buttons 1 and 2. Its
// grid file's items are pack items (gPackItem), each with a widget tree of
// its own (GUI XML, engine/gui/gui_xml_loader.h; labels localized as the
// windows' are), laid out about the item's centre:
//
//   <pages cols="2" rows="2" interval_x="32" interval_y="28">
//     <item id="1" size="300 220" hit="8 7 8 10">
//       <IMAGE ID="0" TEXTURE="..."/>          anything that only shows
//       <IMAGE ID="2" TEXTURE="...">           the locked look
//         <CONTEXT><WLABEL ID="3" .../></CONTEXT>   the stars that open the pack
//       </IMAGE>
//       <IMAGE ID="4" TEXTURE="...">           the open look
//         <CONTEXT><WLABEL ID="5" .../></CONTEXT>   "7/48": stars won, most stars
//       </IMAGE>
//       <IMAGE ID="7" .../>                    a lock mark (always hidden)
//     </item>
//   </pages>
//
// "size" ("w h") is the item's size (its place in the grid and, less the
// margins "hit" leaves out, "left top right bottom", its clickable
// rectangle). "id" names the item's pack; an item without one shows the
// pack at its place among the items in the pack descriptions' order (the
// first item the first pack of packs_description.xml). An item with no pack
// shows nothing but its fixed pictures and does nothing. Any widget may be
// missing.
//
// Refresh (every window refresh and every opening, with a current player),
// for each item: the lock mark is hidden; a pack the player has not opened
// (no open level) shows the locked look and the stars to pass, otherwise
// the open look and the stars won.
//
// A click on a pack (nothing while a fade runs):
// - Editions with the free flag (locked packs are bought in the store):
//   a pack whose record is locked behind a purchase asks
//   "Confirm_PackLockNeedBuy" (yes: the store buys the record's product,
//   no: the store restores earlier purchases, the third answer: nothing); a
//   pack without an open level tells so in "Confirm_PackLock"; otherwise
//   the pack opens.
// - Other editions: a locked pack asks "Confirm_Buy_Pack", whose message
//   template takes the pack's price ("%d"). Yes: when the player's coins
//   (the score statistic) reach the price, the price is taken off, the
//   pack's first level opens, every window refreshes and everything is
//   saved; otherwise "Confirm_NoMoney" says so. An open pack opens.
// - A pack opens: "Packs" closes, and the pack's level list comes
//   (cScreenHost::OpenLevels).
// A player without a record of the pack is sold nothing and shown nothing.
#include <cstdint>
#include <memory>
#include <optional>

#include <pugixml.hpp>

#include "engine/gui/gui_root.h"
#include "framework/pages.h"
#include "framework/pages_item.h"
#include "game/shell/screens/paged_window.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_PACK;

class gPackItem : public ORB_GF::G_PAGES_ITEM {
 public:
  // Widget ids of an item's tree.
  static constexpr int32_t kLockedLookId = 2;
  static constexpr int32_t kStarsToPassId = 3;
  static constexpr int32_t kOpenLookId = 4;
  static constexpr int32_t kStarsWonId = 5;
  static constexpr int32_t kLockMarkId = 7;

  // The item asks the pack list's host.
  gPackItem(const pugi::xml_node& node, int32_t index, const gHostedScreen& list);

  // The pack shown: the item's "id", or the pack description at its index;
  // none without either.
  std::optional<int32_t> GetPackId() const;
  bool IsUnlocked() const { return unlocked_; }
  ORB::OC_GUI_ROOT& GetGuiRoot() { return root_; }

  int32_t GetWidth() const override { return width_; }
  int32_t GetHeight() const override { return height_; }
  void LoadResources() override { root_.LoadResources(); }
  void ReleaseResources() override { root_.ReleaseResources(); }
  void Draw() override { root_.Draw(); }
  int32_t OnMouseDown(int32_t button) override;
  int32_t OnMouseUp(int32_t button) override;
  // The looks for the current player (nothing without one).
  int32_t Refresh() override;

 private:
  void ShowLook(bool unlocked);
  void SetLabel(int32_t id, const std::wstring& text);

  const gHostedScreen& list_;
  int32_t index_;
  std::optional<int32_t> pack_id_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  bool unlocked_ = false;
  ORB::OC_GUI_ROOT root_;
};

class gPages_Pack : public ORB_GF::gPages {
 public:
  static constexpr const char* kBuyDialog = "Confirm_Buy_Pack";
  static constexpr const char* kNoMoneyDialog = "Confirm_NoMoney";
  static constexpr const char* kLockedDialog = "Confirm_PackLock";
  static constexpr const char* kNeedBuyDialog = "Confirm_PackLockNeedBuy";

  explicit gPages_Pack(GG_WINDOW_PACK* window) : window_(window) {}

  ORB_GF::G_PAGES_ITEM* CreateItem(const pugi::xml_node& node, int32_t index) override;
  void OnItemClicked(ORB_GF::G_PAGES_ITEM* item) override;
  void OnPackClicked(gPackItem& item);
  gPackItem* PackItem(size_t index) const;

  // "Confirm_Buy_Pack"'s yes for that pack, the host's current player
  // paying: see the top of this file. Answers whether the pack was bought.
  static bool BuyPack(cScreenHost* host, int32_t pack_id);

 private:
  // The pack list's host.
  cScreenHost* Host() const;
  static void BuyAnswered(void* self, int32_t answer);
  static void NeedBuyChosen(void* self, int32_t choice);

  GG_WINDOW_PACK* window_;
  int32_t asked_pack_ = -1;
};

class GG_WINDOW_PACK : public gHostedScreen, public GG_WINDOW_PAGED {
 public:
  static constexpr const char* kTitleWindow = "Pack_Title";

  explicit GG_WINDOW_PACK(const pugi::xml_node& node, cScreenHost* host = nullptr);

  gPages_Pack& PackGrid() { return static_cast<gPages_Pack&>(Grid()); }
  // The pack's level list replaces the pack list.
  void OpenPack(int32_t pack_id);

 protected:
  void OnOpenBegin() override;
  void Refresh() override;
};

}  // namespace game
