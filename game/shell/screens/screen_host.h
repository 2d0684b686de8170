#pragma once
// What the game's screens ask of the game around them, and how a screen
// holds the one it asks.
//
// cScreenHost is every operation a screen calls on the hub: the screen
// groups it opens and closes, the packs and levels (starting, stopping,
// leaving, the heart question), the players (making, choosing, deleting,
// hearts, saving), the shop's offers and the store, the window manager and
// the click sounds; and the names of the windows those operations open and
// close, which the screens use too. The game's hub (gGame, game/shell/hub)
// answers it; a screen test answers it with a fake that records the calls.
//
// Who hands it out: the window factory (window_factory.h) hands the host it
// is given to every screen it makes, through the screen's constructor, so a
// screen may ask it while it builds (a paged list refreshes its items as it
// loads them). The game's factory is given the hub that stands when a window
// is made; a hub made after some windows hands itself to those that have no
// host, and a hub that goes takes itself back from every window of the
// standing manager. A screen with no host (made by hand without one, or
// after the hub has gone) does what it does without a hub: shows no player,
// and a click that needs the hub does nothing.
//
// A screen that asks the host derives from gHostedScreen ahead of its window
// base and passes the host on:
//
//   class GG_WINDOW_X : public gHostedScreen, public ORB_GF::G_WINDOW {
//     explicit GG_WINDOW_X(const pugi::xml_node& node, cScreenHost* host = nullptr)
//         : gHostedScreen(host), G_WINDOW(node) {}
//     void OnGuiEvent(int32_t id) override {
//       if (cScreenHost* hub = GetScreenHost()) hub->OpenOptions();
//     }
//   };
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/window.h"

namespace ORB_GF {
class G_WINDOW_MANAGER;
struct ShopCatalogueItem;
}  // namespace ORB_GF

namespace game {

class GG_GAMEPLAY;
class GG_PLAYER;
class gLevelRecord;
class gPackRecord;

class cScreenHost {
 public:
  // --- The windows' names (the edition's scene list names them).
  static constexpr const char* kTitle = "Title";
  static constexpr const char* kTitleTop = "Title_Top";
  static constexpr const char* kOptions = "Options";
  static constexpr const char* kConfirmExit = "Confirm_Exit";
  static constexpr const char* kPlayers = "Players";
  static constexpr const char* kPackTitle = "Pack_Title";
  static constexpr const char* kPacks = "Packs";
  static constexpr const char* kPacksMenu = "Packs_Menu";
  static constexpr const char* kBack = "Back";
  static constexpr const char* kSumie = "Sumie";
  static constexpr const char* kStars = "Stars";
  static constexpr const char* kHeart = "Heart";
  static constexpr const char* kLevelTitle = "Level_Title";
  static constexpr const char* kLevels = "Levels";
  static constexpr const char* kTrophyTitle = "Trophy_Title";
  static constexpr const char* kTrophy = "Trophy";
  static constexpr const char* kTrophyGet = "Trophy_Get";
  static constexpr const char* kShop = "Shop";
  // "No hearts left. Visit the shop?": yes opens the shop.
  static constexpr const char* kNoHealthDialog = "Confirm_NoHealth";
  // The windows CloseLevels closes, and the top panels among them whose
  // closing runs its callback, in the order they are tried.
  static constexpr const char* kLevelScreens[] = {kBack,  kLevelTitle, kLevels,   kSumie,
                                                  kStars, kHeart,      kPacksMenu};
  static constexpr const char* kTopPanels[] = {kSumie, kStars, kHeart, kPacksMenu};
  // The shop's offer that fills the hearts up.
  static constexpr const char* kRefillHealth = "refill_health";

  using LifeCycleFunction = ORB_GF::G_WINDOW::LifeCycleFunction;

  virtual ~cScreenHost() = default;

  // --- Screen groups.
  virtual void OpenTitle() = 0;
  virtual void CloseTitle() = 0;
  // The top panels, the pack title and the pack list.
  virtual void OpenPackList() = 0;
  // The top panels, the level title and the level list of that pack; the
  // pack becomes current.
  virtual void OpenLevels(int32_t pack_id, bool instant) = 0;
  // Closes the level screens and the top panels; the callback runs exactly
  // once, when the first top panel that was open has closed (at once when
  // none was).
  virtual void CloseLevels(void* context, LifeCycleFunction callback) = 0;
  virtual void CloseLevelsNow() = 0;
  virtual void OpenTrophies() = 0;
  virtual void CloseTrophies(bool instant) = 0;
  virtual void OpenOptions() = 0;

  // --- Packs and levels.
  // The pack descriptions, in their file's order; one by id (null: none).
  virtual const std::vector<std::unique_ptr<gPackRecord>>& PackRecords() const = 0;
  virtual const gPackRecord* FindPack(int32_t pack_id) const = 0;
  // The current pack and level (null: none), and the current pack's id.
  virtual const gPackRecord* GetCurrentPack() const = 0;
  virtual gLevelRecord* GetCurrentLevel() const = 0;
  virtual int32_t GetCurrentPackId() = 0;
  // "24": the stars that open the pack; "7/48": the current player's stars
  // in it and the most it holds. Empty when there is nothing to say.
  virtual std::wstring GetStarsToPassText(int32_t pack_id) const = 0;
  virtual std::wstring GetPackStarsText(int32_t pack_id) const = 0;
  // Whether a level may start now (the heart rule); when not, the player is
  // asked "Confirm_NoHealth" (yes opens the shop).
  virtual bool CanPlayLevelOrAsk() = 0;
  // Starts the level of the pack for the current player; false, with no
  // level current, when it cannot start.
  virtual bool StartLevel(int32_t level_id, int32_t pack_id) = 0;
  virtual void StopLevel() = 0;
  virtual void PauseLevel() = 0;
  virtual void ResumeLevel() = 0;
  // The current level again; false, restarting nothing, without a heart.
  virtual bool RestartLevel() = 0;
  // Gives the level's textures back; true.
  virtual bool ReleaseLevel() = 0;
  // Stops the level, gives its textures back and opens the current pack's
  // level list at once.
  virtual void LeaveToLevels() = 0;
  // The gameplay screen (null without one).
  virtual GG_GAMEPLAY* GetGameplay() const = 0;

  // --- Players.
  // The current player, or null; the template every new player copies.
  virtual GG_PLAYER* GetCurrentPlayer() = 0;
  virtual const GG_PLAYER& GetTemplatePlayer() const = 0;
  // Makes the player current (null: none) and refreshes every window.
  virtual void SetCurrentPlayer(GG_PLAYER* player) = 0;
  // A new player of that name in the players list; null (nothing made) when
  // a player has the name.
  virtual GG_PLAYER* CreatePlayer(const std::wstring& name) = 0;
  // Deletes the listed player of that name (another becomes current first
  // when it is the current one) and saves; false without such a player.
  virtual bool RemovePlayer(const std::wstring& name) = 0;
  // One heart of the current player goes (editions with hearts), saved.
  virtual void SpendHeart() = 0;
  // Every heart of the current player back at once; the caller saves.
  virtual void RefillHearts() = 0;
  // The players file and the game's settings.
  virtual void SaveAll() = 0;

  // --- The shop and the store.
  // The current player's offer of that name (null: none to buy now).
  virtual const ORB_GF::ShopCatalogueItem* FindShopItem(const std::string& name) const = 0;
  // Starts the store's purchase of the product; true when it started.
  virtual bool Buy(const std::string& product) = 0;
  // The store restores earlier purchases.
  virtual void OnRefreshRequest() = 0;

  // --- The rest.
  // The game's window manager, or null.
  virtual ORB_GF::G_WINDOW_MANAGER* GetWindowManager() = 0;
  // A sound of the "sounds" group by name.
  virtual void PlaySound(const std::string& name) = 0;
};

// A screen's hold on its host. What a screen owns that asks the host (its
// grid's items, its name entry) asks it through the screen's hold, so it
// always sees the host the screen has now.
class gHostedScreen {
 public:
  explicit gHostedScreen(cScreenHost* host) : host_(host) {}
  virtual ~gHostedScreen() = default;
  gHostedScreen(const gHostedScreen&) = delete;
  gHostedScreen& operator=(const gHostedScreen&) = delete;

  // The host (null: none).
  cScreenHost* GetScreenHost() const { return host_; }
  void SetScreenHost(cScreenHost* host) { host_ = host; }

 private:
  cScreenHost* host_;
};

}  // namespace game
