#pragma once
// game::gGame, the game hub: the one object that ties the game together. It
// owns the current player (one of the players list's), the template player
// every new player copies, the pack descriptions, the tutorial, the trophy
// queue, the cursor, the purchase overlay and the ad placements, and holds
// the gameplay screen the driver gives it. It answers the gameplay screen's
// questions (cGameplayHost) and the screens' (cScreenHost) with these, and
// it is the store's purchase listener (OC_IGP_DELEGATE).
//
// Who calls what:
// - CreateGame makes it (game_parts.h) after every other process-wide
//   object; DestroyGame runs Shutdown (giving back resources, saving) and
//   deletes it last. Instance() reaches it in between.
// - The driver, behind the loading screen: Init, SetGameplay, SetControls,
//   PreloadMenuWindows, the first screen (OpenTitle); once loaded,
//   SetCurrentPlayer with the players list's current player. Every frame
//   Update and Draw; its key and mouse hooks OnKeyDown, OnKeyUp,
//   OnMouseMove (mouse buttons are key codes 1, 2 and 4); on losing the
//   focus PauseLevel and SaveAll.
// - The screens, only through cScreenHost (screen_host.h): the screen
//   groups (OpenTitle ... OpenOptions), the levels (StartLevel, StopLevel,
//   ReleaseLevel, ...), the players (CreatePlayer, SetCurrentPlayer,
//   SpendHeart, SaveAll) and the shop (FindShopItem). The window factory
//   hands them the hub as their host when it makes them; a hub made after
//   some windows hands itself to those without a host, and the hub takes
//   itself back from the standing manager's windows when it goes.
//
// Input goes to the tutorial and the gameplay first, then to the windows;
// while a purchase is pending nothing takes input and the frame only moves
// the purchase overlay. The level (the board, the play screen's controls and
// the tutorial) takes no press while a modal window is open or closing over
// it, nor for a moment (kLevelShowSeconds) after a level started or started
// again while one was (every road from a window: the loss question, the
// finish window, the in-game menu, the level list behind its fade); it gets
// the release of a press only when it got that press, so a double click on a
// dialog's button never reaches the level that button started.
//
// No store or ad provider exists on this platform, so a purchase never
// starts by itself: the store answers buy and refresh with false and the
// purchase operations are reached only when a provider (or a test) calls
// them.
//
// The window names are those of the edition's scene list (cScreenHost's
// constants). The hub hands "Trophy_Get" and "Levels" what they show through
// the roles of screen_roles.h.
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/ad_placements.h"
#include "engine/foundation/localization.h"
#include "engine/foundation/store.h"
#include "framework/animation.h"
#include "framework/cursor.h"
#include "framework/font_list.h"
#include "framework/shop_catalogue.h"
#include "framework/sprite.h"
#include "framework/trophy_record.h"
#include "framework/window.h"
#include "framework/window_manager.h"
#include "game/play/gameplay.h"
#include "game/play/gameplay_host.h"
#include "game/play/screen/play_locks.h"
#include "game/records/game_player.h"
#include "game/records/pack_record.h"
#include "game/records/players_list.h"
#include "game/shell/hub/ad_delegate.h"
#include "game/shell/hub/hub_tutorial.h"
#include "game/shell/screens/screen_host.h"

namespace game {

// The locks of the gameplay's controls the hub applied last (BlockControls).
using ControlLocks = gPlayLocks;

class gGame : public ORB::OC_IGP_DELEGATE, public cGameplayHost, public cScreenHost {
 public:
  // --- Files and names.
  static constexpr const char* kFontsFile = "data/share/font fonts.xml";
  static constexpr const char* kStringsFile = "strings.xml";
  static constexpr const char* kSoundsFile = "data/share/main/other sound.xml";
  static constexpr const char* kPacksFile = "data/share/main/other packs_description.xml";
  static constexpr const char* kCursorFile = "data/share/main/other gCursor.xml";
  static constexpr const char* kOverlayFile = "data data.xml";
  // The store provider's key (40 lower-case hexadecimal characters).
  static constexpr const char* kStoreKey = "3c9e1a7705bd4f28e6a0c15d92b7f4e8a61d0c3b";
  // The name start-up gives the player it makes in editions with a default
  // player.
  static constexpr const wchar_t* kDefaultPlayerName = L"player";
  // The sound groups.
  static constexpr const char* kMusicGroup = "music";
  static constexpr const char* kSoundsGroup = "sounds";
  static constexpr float kMusicGroupValue = 2.5f;
  static constexpr const char* kLevelShowSound = "levelshow";
  // The windows' names (kTitle ... kShop, kNoHealthDialog, kLevelScreens,
  // kTopPanels) and the shop's kRefillHealth are cScreenHost's.
  // Trophies the hub itself tests.
  static constexpr const char* kAllTrophiesTrophy = "tr_all_trophy";
  static constexpr const char* kLivesTrophy = "m_tr_lifes";
  // The value "m_tr_lifes" is tested with: the player's count of "health".
  static constexpr const char* kHealthValue = "health";
  // Ad placements of the mobile free editions.
  static constexpr const char* kAdTop = "apple_top";
  static constexpr const char* kAdFlurryTop = "flurry_top";
  static constexpr const char* kAdFullScreen = "fernhall_fs";

  // Takes the process-wide objects CreateGame made before it (any may be
  // missing in tests: what needs it then does nothing), and is the host of
  // the manager's windows that have none.
  gGame();
  // Stops being the store's listener and the host of the standing manager's
  // windows; deletes the pack records.
  ~gGame() override;
  gGame(const gGame&) = delete;
  gGame& operator=(const gGame&) = delete;

  // The game's hub: null before CreateHub and after DestroyHub.
  static gGame* Instance();
  static gGame& CreateHub();
  static void DestroyHub();

  // --- Start-up and tear-down.
  // The start-up behind the loading screen: the players file, the fonts,
  // the texts, the template player, a default player, the store's products,
  // the ad placements (mobile free editions), the tutorial, the sounds, the
  // shop, the trophies, the leaderboards, the packs, the cursor, the windows
  // and the purchase overlay, in this order. False, with one error line
  // naming the file and what is missing, at the first that fails; what was
  // loaded stays (and is never saved).
  bool Init();
  // DestroyGame's first step: stops the level, gives back every texture and
  // sound the hub and its windows hold, and saves everything (after a
  // successful Init).
  void Shutdown();

  // --- The frame (the driver's hooks). Each answers 1.
  int32_t Update();
  void Draw();
  int32_t OnKeyDown(int32_t key);
  int32_t OnKeyUp(int32_t key);
  int32_t OnMouseMove();
  // How long a level started from a window takes no press (a double click's
  // second press comes well within it).
  static constexpr float kLevelShowSeconds = 0.3f;
  // Whether a press now reaches the tutorial and the gameplay screen: no
  // modal window is in the window manager's open list and no level is
  // showing (kLevelShowSeconds).
  bool LevelTakesPresses() const;

  // --- Screen groups.
  void OpenTitle() override;
  void CloseTitle() override;
  // The first screen on mobile platforms: the top panels, the pack title
  // and the pack list.
  void OpenPackList() override;
  // "Back" and "Packs_Menu", then "Sumie" and "Stars", then "Heart" in
  // editions with hearts, each at once and only when registered.
  void OpenTopPanels();
  // The top panels, the level title and the level list of that pack (with
  // the current player's progress in it); the pack becomes current.
  void OpenLevels(int32_t pack_id, bool instant) override;
  // Closes the level screens and the top panels at once. The callback runs
  // exactly once: when the first of "Sumie", "Stars", "Heart" and
  // "Packs_Menu" that was open has closed, or at once when none was.
  void CloseLevels(void* context, LifeCycleFunction callback) override;
  void CloseLevelsNow() override;
  void OpenTrophies() override;
  void CloseTrophies(bool instant) override;
  void OpenOptions() override;
  // Gives back every window's resources, then takes those of the menu
  // screens and the cursor's picture again; true.
  bool PreloadMenuWindows();
  void ReleaseMenuWindows();

  // --- Packs and levels.
  // The pack description with that id, or null.
  const gPackRecord* FindPack(int32_t pack_id) const override;
  // The pack becomes current; null (and no current pack) when there is none.
  const gPackRecord* SetCurrentPack(int32_t pack_id);
  const gPackRecord* GetCurrentPack() const override { return current_pack_; }
  gLevelRecord* GetCurrentLevel() const override { return current_level_; }
  // The one heart rule, which StartLevel and RestartLevel hold on every
  // road into a level: in editions with hearts, no level starts or starts
  // again while the current player has no heart left.
  bool CanPlayLevel() const;
  // CanPlayLevel; when it answers no, the screen the player acted on asks
  // "Confirm_NoHealth" (yes opens the shop) through this.
  bool CanPlayLevelOrAsk() override;
  // Loads the level file (the pack's path + "/" + the level record's file)
  // into the gameplay screen for the current player and starts the level.
  // False, with no current level, without a heart (CanPlayLevel), a gameplay
  // screen, a player, the pack, the player's record of the level or its
  // file, or when the file cannot be loaded.
  bool StartLevel(int32_t level_id, int32_t pack_id) override;
  void StopLevel() override;
  void PauseLevel() override;
  void ResumeLevel() override;
  // The gameplay's Restart, then the level's tutorial when needed; false,
  // restarting nothing, without a heart (CanPlayLevel) or a gameplay screen.
  bool RestartLevel() override;
  // The gameplay screen's textures; both true, also without a screen. The
  // release also deactivates the tutorial.
  bool AcquireLevelResources();
  bool ReleaseLevel() override;
  // Locks (false: unlocks) the board's cells and the four controls
  // (ApplyPlayLocks) and notes all five.
  void BlockControls(bool cells, bool hint, bool tool, bool store, bool reset);
  const ControlLocks& GetControlLocks() const { return control_locks_; }
  // With a gameplay screen and a current player who has not passed the
  // tutorial: the tutorial starts when it has steps for the current level.
  void StartTutorialIfNeeded();
  // "24": the stars that open the pack; empty without such a pack.
  std::wstring GetStarsToPassText(int32_t pack_id) const override;
  // "7/48": the current player's stars in the pack and the most it holds;
  // empty without a player or a record of the pack.
  std::wstring GetPackStarsText(int32_t pack_id) const override;
  const std::vector<std::unique_ptr<gPackRecord>>& PackRecords() const override { return packs_; }

  // --- The gameplay screen (the driver's; not owned). Its levels ask this
  // hub (cGameplayHost).
  void SetGameplay(GG_GAMEPLAY* gameplay) { gameplay_ = gameplay; }
  GG_GAMEPLAY* GetGameplay() const override { return gameplay_; }
  // The controls around it (the play screen's; not owned), which
  // BlockControls locks. Null: only the cells are locked.
  void SetControls(gControlBar* controls) { controls_ = controls; }
  // The tutorial the hub runs (not owned; null: the stand-in without steps).
  void SetTutorial(cHubTutorial* tutorial);
  cHubTutorial& GetTutorial() { return *tutorial_; }

  // --- Players.
  // Makes the player current (null: none): the cursor the player chose, the
  // display mode, the volumes (the template player's without a player), the
  // trophies as the player earned them, the players list's choice, and every
  // window refreshed.
  void SetCurrentPlayer(GG_PLAYER* player) override;
  GG_PLAYER* GetCurrentPlayer() override { return current_player_; }
  const GG_PLAYER& GetTemplatePlayer() const override { return template_; }
  // A copy of the template player with that name, added to the players list;
  // null (nothing added) when the list has a player of that name.
  GG_PLAYER* CreatePlayer(const std::wstring& name) override;
  // Deletes the listed player of that name. When it is the current player,
  // the first other player of the list (or none) becomes current first, so
  // nothing is left pointing at it; then every window refreshes and
  // everything is saved. False, changing nothing, without such a player.
  bool RemovePlayer(const std::wstring& name) override;
  // In editions with hearts, with a current player who has one: one heart
  // goes and everything is saved. Otherwise nothing.
  void SpendHeart() override;
  // Every heart of the current player back at once, no refill left queued
  // (a heart refill bought); the caller saves.
  void RefillHearts() override;
  // "players.save" and the user's "game.xml" into the save folder (nothing
  // without one; said once). Nothing either until Init has succeeded: a
  // start-up that failed must not write a list it has not (or not wholly)
  // read over the players saved.
  void SaveAll() override;
  // The sound groups' volumes: the current player's, or the template
  // player's while no player is current.
  void ApplyPlayerVolumes();

  // --- Trophies.
  // Pays the trophy's bonus to the current player, queues it for
  // "Trophy_Get", and awards "tr_all_trophy" when it is now earned. Null:
  // nothing.
  void AwardTrophy(const ORB_GF::TrophyRecord* trophy);
  // Whether every pack's trophy and every trophy of the platform is got.
  bool AllTrophiesGot() const;
  // Every trophy not got, then got again as the player's records earn it
  // (without queuing); null leaves them all not got.
  void SyncTrophies(const GG_PLAYER* player);
  // Shows the newest queued trophy in "Trophy_Get" when it is not open.
  void UpdateTrophyQueue();
  const std::vector<const ORB_GF::TrophyRecord*>& TrophyQueue() const { return trophy_queue_; }
  // The current player's score and stars for the leaderboards; no
  // leaderboard service exists on this platform, so nothing is sent.
  void ReportLeaderboards() override;

  // --- Purchases (the store's listener, OC_IGP_DELEGATE).
  void OnRefreshRequest() override;
  void OnPurchaseStarted() override;
  void OnPurchaseFinished(const ORB::StoreProduct* product, bool flag) override;
  void OnPurchaseDelivered(const ORB::StoreProduct* product) override;
  // The overlay shows and input stops until EndPurchase.
  void BeginPurchase();
  void EndPurchase();
  bool IsPurchasePending() const { return purchase_pending_; }
  const ORB_GF::G_ANIMATION& OverlayAnimation() const { return overlay_animation_; }
  // With a current player: the shop's first offer of that name that is
  // endless or gives more than the player has; otherwise null.
  const ORB_GF::ShopCatalogueItem* FindShopItem(const std::string& name) const override;

  // --- Sounds.
  void PlaySound(const std::string& name) override;
  void PlaySoundDelayed(const std::string& name, float seconds);
  void PlayMusic(const std::string& name);
  void StartMusic();

  ORB_GF::gCursor& Cursor() { return cursor_; }
  ORB::OC_AD_PLACEMENTS& AdPlacements() { return ad_placements_; }

  // --- cGameplayHost: what the gameplay screen asks.
  pugi::xml_document* GetDocument(const std::string& name) override;
  void ReleaseDocument(pugi::xml_document* document) override;
  int32_t GetCurrentPackId() override;
  int32_t GetCurrentLevelId() override;
  gPackState* FindPackState(int32_t pack_id) override;
  gLevelRecord* FindLevelRecord(int32_t pack_id, int32_t level_id) override;
  ORB::OC_FONT* FindFont(const std::string& name) override;
  ORB_GF::G_WINDOW_MANAGER* GetWindowManager() override { return windows_; }
  bool TestTrophy(const std::string& name, const ORB_GF::TrophyValue& value) override;
  void AwardTrophy(const std::string& name) override;
  bool CanBuy(const std::string& product) override;
  bool Buy(const std::string& product) override;
  bool IsPackLogicStars() override;
  bool HasInAppConfig() override;
  bool HasStoreButton() override;
  const gPackRecord* FindPackRecord(int32_t pack_id) override { return FindPack(pack_id); }
  int32_t GetHeartCount() override;
  float GetSoundLength(const std::string& name) override;
  void SetMusicVolume(float percent) override;
  // Stops the level, gives its textures back and opens the level list of
  // the current pack at once.
  void LeaveToLevels() override;

 private:
  // One window whose closing runs CloseLevels' callbacks.
  struct PendingClose {
    gGame* hub = nullptr;
    ORB_GF::G_WINDOW* window = nullptr;
    std::vector<std::pair<void*, LifeCycleFunction>> callbacks;
  };

  // Start-up steps (hub_startup.cpp).
  void LoadPlayersFile();
  bool LoadTemplatePlayer();
  // Players saved before a pack was added get the template's record of it.
  void AddMissingPacks();
  bool LoadStoreProducts();
  bool LoadAdPlacements();
  bool LoadPacks();
  bool LoadPurchaseOverlay();

  static void LevelsClosed(void* pending);
  static void NoHealthAnswered(void* hub, int32_t answer);
  void RunPendingClose(PendingClose* pending);
  static void PauseForTrophy(void* hub);
  static void ResumeAfterTrophy(void* hub);
  // A level (re)started while a modal window is open takes no press for
  // kLevelShowSeconds.
  void HoldLevelWhileItShows();
  // The mobile free editions' ad placement queries (nothing elsewhere).
  bool IsMobileFree() const;
  void QueryAd(const char* placement);
  void TestPlayerTrophy(const std::string& name, const ORB_GF::TrophyValue& value);

  ORB_GF::gCursor cursor_;
  GG_PLAYER template_;
  // Init has succeeded: what the hub holds may be saved.
  bool started_ = false;
  GG_PLAYER* current_player_ = nullptr;
  std::vector<const ORB_GF::TrophyRecord*> trophy_queue_;
  const gPackRecord* current_pack_ = nullptr;
  gLevelRecord* current_level_ = nullptr;
  std::vector<std::unique_ptr<gPackRecord>> packs_;
  gNoTutorial no_tutorial_;
  cHubTutorial* tutorial_ = &no_tutorial_;
  GG_GAMEPLAY* gameplay_ = nullptr;
  gControlBar* controls_ = nullptr;

  ORB_GF::G_WINDOW_MANAGER* windows_ = nullptr;
  PlayersList* players_ = nullptr;
  ORB_GF::FontList* fonts_ = nullptr;
  ORB::OC_LOCALIZATION* localization_ = nullptr;
  ORB_GF::ShopCatalogue* shop_ = nullptr;

  bool purchase_pending_ = false;
  ORB_GF::G_ANIMATION overlay_animation_;
  ORB_GF::G_SPRITE overlay_background_;
  bool overlay_loaded_ = false;

  ORB::OC_AD_PLACEMENTS ad_placements_;
  cAdDelegate ad_delegate_;

  ControlLocks control_locks_;
  // Seconds the level still takes no press (HoldLevelWhileItShows).
  float level_show_left_ = 0.0f;
  // The keys and buttons whose press went to the tutorial and the gameplay:
  // only their releases go there.
  std::vector<int32_t> level_presses_;
  // Stable addresses: each is the context of a window's closed callback.
  std::list<PendingClose> pending_closes_;
};

}  // namespace game
