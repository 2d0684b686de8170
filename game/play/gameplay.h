#pragma once
// The screen on which a level is played. The game hub owns one for the whole
// run, forwards the frame, the drawing and the pointer to it and starts
// levels through Load. A press on a cell starts a selection, dragging keeps it
// a straight line in the start cell's row or column, and the release opens
// the line's closed cells with the current tool, one after another.
//
// The screen is the facade of a level: the pointer's drag lives in
// gDragState, the level's count (coins, errors, hints, time) in gLevelScore,
// what the end of a level writes into the player's records in
// level_progress.h, and what the player sees of the rules (hint count, coin
// counter, error panel, flights) in the cPlayPieces it is given. The rules
// that tie them together are in gameplay_rules.cpp: every opened cell pays
// or costs; a win writes the results, tests the trophies, saves, plays the
// sweep and then opens "GP_Finish"; a loss spends a heart and asks, through
// the loss dialogues, whether to buy a second chance, restart or leave.
//
// Everything the screen starts that may outlive a level (sleep bots,
// dialogue answers, the fade's and the finish window's callbacks, a hint in
// flight) belongs to one level: Stop and Restart clear it, and what still
// fires afterwards sees another level generation and does nothing.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/point.h"
#include "engine/foundation/vector2.h"
#include "engine/scene/bot_list.h"
#include "framework/animation.h"
#include "framework/gameplay_interface.h"
#include "framework/sprite.h"
#include "game/play/board_events.h"
#include "game/play/board_settings.h"
#include "game/play/drag_state.h"
#include "game/play/gameplay_host.h"
#include "game/play/level_result.h"
#include "game/play/level_score.h"
#include "game/play/play_pieces.h"
#include "game/play/process.h"

namespace game {

class GG_ELEMENT;

class GG_GAMEPLAY : public ORB_GF::G_GAMEPLAY, private cBoardEvents {
 public:
  // Tools of a drag.
  static constexpr int32_t kToolCross = gDragState::kToolCross;
  static constexpr int32_t kToolFill = gDragState::kToolFill;

  // Repository names of the files the screen reads.
  static constexpr const char* kSettingsFile = "data/share/main/GameProcess settings.xml";
  static constexpr const char* kEffectsFile = "data/share/main/GameProcess effects.xml";
  static constexpr const char* kNumbersFile = "data/share/main/GameProcess numbers.xml";
  // The folder of those files: a level that names its own numbers file
  // ("numbers" of its settings) finds it there.
  static constexpr const char* kGameProcessFolder = "data/share/main/GameProcess";

  // The windows the rules open.
  static constexpr const char* kFinishWindow = "GP_Finish";
  static constexpr const char* kFadeWindow = "Fade_Transition";
  static constexpr const char* kShopWindow = "Shop";
  static constexpr const char* kSecondChanceDialog = "Confirm_SecondChance";
  static constexpr const char* kSecondChanceBuyDialog = "Confirm_SecondChanceBuy";
  static constexpr const char* kRestartDialog = "Confirm_Restart_Finish";
  // "No hearts left. Visit the shop?", the question the game asks wherever
  // a level cannot start for want of a heart: yes leaves for the shop, no
  // for the level list.
  static constexpr const char* kNoHealthDialog = "Confirm_NoHealth";
  // The sounds of a won and a lost level.
  static constexpr const char* kWinSound = "levelwin";
  static constexpr const char* kLoseSound = "levelloose";
  // The player's rule values and the store products the rules know.
  static constexpr const char* kErrorsValue = "errors";
  static constexpr const char* kStartHintValue = "start_hint";
  static constexpr const char* kRefillHintProduct = "refill_hint";
  static constexpr const char* kSecondChanceProduct = "second_chance";
  // How often the end of the sweep looks again for bonus coins in flight.
  static constexpr float kFlyingEffectsWait = 0.12f;

  // Reads the rule values and the effect settings through the host (null:
  // no level can be loaded), and the host's in-app switch as the store flag.
  explicit GG_GAMEPLAY(cGameplayHost* host);
  ~GG_GAMEPLAY() override;
  GG_GAMEPLAY(const GG_GAMEPLAY&) = delete;
  GG_GAMEPLAY& operator=(const GG_GAMEPLAY&) = delete;

  // Loads the level file (a repository name) for the host's current player,
  // pack and level. False, with the reason in LastError(), when the player
  // or the pack record is missing or the file cannot be read or is refused;
  // the screen then stays inactive. The level starts with the player's
  // "errors" as allowed errors and, unless the store flag is set, the
  // player's "start_hint" hints.
  [[nodiscard]] bool Load(const std::string& levelFile) override;
  // Ends the level: the board, the selection, the drag and the hovered cell
  // are cleared, the counters go to 0, the pending sleep bots, dialogue
  // answers and window callbacks of the level are dropped (a lowered music
  // volume is put back at once) and the pieces are reset.
  void Stop() override;
  // The bot list every frame; while a level runs and is not paused, the
  // level's clock and the board.
  void Update() override;
  void Draw() override;
  // kEventSwallowed handled (a cell press), kResultNone not handled,
  // kResultNotFound no cell under the pointer.
  int32_t OnButtonUp(int32_t button) override;
  int32_t OnButtonDown(int32_t button) override;
  // Always kResultNotFound: a move is never taken.
  int32_t OnPointerMove() override;
  // The hub's report of a purchase, only while a level runs and only for
  // "buy": "refill_hint" adds the player's "start_hint" to the hints held
  // (not under the store flag), "errors" allows the player's "errors".
  void OnStoreEvent(const std::string& event, const std::string& productId) override;
  // The reserved slot pauses as well.
  void Reserved() override { Pause(); }
  void Pause() override;
  void Resume() override;
  // Stop, then the same level file again; nothing when no level is loaded.
  void Restart() override;
  void AcquireResources() override;
  void ReleaseResources() override;

  // --- The rules (gameplay_rules.cpp).

  // Once per level (and again after a second chance): the win or the loss.
  void EndLevel(bool won);
  // The hint button: a random closed, unlocked picture cell gets a hint,
  // which flies to it (the pieces' flight, or at once without one). Nothing
  // while the input is held or no such cell is left.
  void StartHint();
  // The hint arrives at its cell: the cell opens alone with the fill tool.
  // A cell other than the one the hint is flying to is ignored.
  void UseHint(GG_ELEMENT& cell);
  // Allowed errors = n, and the error panel shows n places.
  void SetAllowedErrors(int32_t errors);
  // No hint held while the player's "start_hint" is above 0 (the shop
  // offers a refill).
  bool IsOutOfHints() const;

  // After a loss: the dialogue "Confirm_SecondChance" (play again, buy a
  // second chance, leave) opens once the error panel has animated, when the
  // level has a record and the store can sell "second_chance". False
  // otherwise, and nothing opens (the caller offers the restart).
  bool OfferSecondChance();
  // The dialogues' answers: 1, -1 or 0 of "Confirm_SecondChance"; 1 or 0
  // of the others.
  void OnSecondChanceAnswer(int32_t answer);
  void OnSecondChanceBuyAnswer(int32_t answer);
  void OnRestartAnswer(int32_t answer);
  void OnNoHealthAnswer(int32_t answer);
  // The purchase went through: play goes on with the board as it is and no
  // error counted.
  void UseSecondChance();
  // Restart the level through the hub, or leave it through "Fade_Transition"
  // for the level list (with `toShop`, the shop over it: the shop sells for
  // coins where no in-app store runs, so it is offered in every edition).
  void Leave(bool restart, bool toShop);
  // The fade has covered the screen: the hub leaves the level for its level
  // list (then the shop opens over it), the fade goes.
  void OnFadeToLevels();
  void OnFadeToShop();

  // The results of the level so far (what "GP_Finish" is shown), with the
  // level's picture.
  LevelResult Result() const;

  // What shows the rules to the player; null gives back the stand-in.
  void SetPieces(cPlayPieces* pieces);
  cPlayPieces& Pieces() const { return *pieces_; }

  // Drops the selection and the drag without opening anything.
  void CancelSelection();
  // Presses and releases are ignored for `seconds` (busy), then taken
  // again; Stop and a new level end the hold at once.
  void HoldInput(float seconds);

  // The tool switch: on = fill (the state at every level start).
  void SetToolSwitch(bool fill) { tool_switch_fill_ = fill; }
  bool GetToolSwitch() const { return tool_switch_fill_; }

  bool IsActive() const { return active_; }
  bool IsPaused() const { return paused_; }
  bool IsBusy() const { return busy_; }
  void SetBusy(bool busy) { busy_ = busy; }
  bool IsEnded() const { return ended_; }
  bool IsDragging() const { return drag_.IsDragging(); }
  bool IsPointerOverBoard() const { return drag_.IsPointerOverBoard(); }
  int32_t HoveredRow() const { return drag_.HoveredRow(); }
  int32_t HoveredCol() const { return drag_.HoveredCol(); }
  int32_t StartRow() const { return drag_.StartRow(); }
  int32_t StartCol() const { return drag_.StartCol(); }
  int32_t DragTool() const { return drag_.Tool(); }
  const std::vector<GG_ELEMENT*>& Selection() const { return drag_.Selection(); }

  const std::string& LevelFileName() const { return level_file_; }
  const std::string& LastError() const { return last_error_; }
  int32_t PackId() const { return pack_id_; }
  int32_t LevelId() const { return level_id_; }
  float ElapsedTime() const { return score_.GetElapsedTime(); }
  int32_t Errors() const { return score_.GetErrors(); }
  int32_t AllowedErrors() const { return score_.GetAllowedErrors(); }
  int32_t LevelCoins() const { return score_.GetLevelCoins(); }
  int32_t CoinsPerCell() const { return score_.GetRules().coins_per_cell; }
  int32_t BonusCoins() const { return score_.GetRules().bonus_coins; }
  uint32_t MaxHints() const { return score_.GetRules().max_hints; }
  int32_t HintsHeld() const { return score_.GetHintsHeld(); }
  int32_t HintsAwarded() const { return score_.GetHintsAwarded(); }
  int32_t HintsUsed() const { return score_.GetHintsUsed(); }
  bool GetStoreFlag() const { return score_.GetStoreFlag(); }
  const gLevelScore& Score() const { return score_; }
  float EndSweepSpeed() const { return end_sweep_speed_; }
  // The sweep's duration x 0.95, set by a win.
  float FinishDelay() const { return finish_delay_; }
  // Grows with every Load and Stop.
  uint32_t Generation() const { return generation_; }
  // The music runs at half volume while "levelwin" plays.
  bool IsMusicLowered() const { return music_lowered_; }
  // Times "GP_Finish" told this screen it had opened.
  int32_t FinishOpenedCount() const { return finish_opened_; }
  // The sleep bots of the rules (the music's return, the dialogue delays,
  // the wait for flying coins).
  const ORB::OC_BOT_LIST& Bots() const { return bots_; }

  const BoardSettings& Settings() const { return settings_; }
  // The pack's board background of the running level, or null.
  const ORB_GF::G_SPRITE* Background() const { return background_sprite_.get(); }
  bool IsAcquired() const { return acquired_; }
  GG_PROCESS& Board() { return board_; }
  const GG_PROCESS& Board() const { return board_; }
  cGameplayHost* Host() const { return host_; }
  GG_PLAYER* Player() const { return player_; }
  gPackState* PackRecord() const { return pack_record_; }
  gLevelRecord* LevelRecord() const { return level_record_; }

 protected:
  // How a level ends; both stop the input. The win writes the results,
  // tests the trophies and starts the sweep; the loss offers the dialogues.
  virtual void OnLevelWin();
  virtual void OnLevelLose();

 private:
  // The loss dialogues.
  enum class Dialog { kNone, kSecondChance, kSecondChanceBuy, kRestart, kNoHealth };

  // What the board tells the screen (cBoardEvents): an opened cell's coins
  // and errors, the end of a line, the board's sounds, the end of the sweep.
  void OnRightCell(GG_ELEMENT& cell) override;
  void OnWrongCell(GG_ELEMENT& cell) override;
  void CheckFinished() override;
  void PlayCellSound(const std::string& name) override;
  void OnEndSweepFinished() override;

  void ReadSettingsFile();
  void DrawBlocks();
  void DrawSelection();
  ORB_GF::G_SPRITE* SelectionSprite(bool fill) const;
  void ReadEffectsFile();
  void CopyBackground(int32_t packId);
  // The level's own sprites (background, blocks, selection marks).
  std::vector<ORB_GF::G_SPRITE*> LevelSprites() const;
  bool FailLoad(const std::string& reason);
  // The pointer in game coordinates (the input state's mouse position).
  static ORB::Point Pointer();

  // --- The rules' helpers (gameplay_rules.cpp).
  // Runs `action` after `seconds` through the bot list, unless the level
  // has changed by then.
  void After(float seconds, std::function<void()> action);
  ORB_GF::G_WINDOW_MANAGER* Windows() const;
  // Tests the trophy and awards it when it became got now.
  void TestTrophy(const std::string& name, const ORB_GF::TrophyValue& value);
  void TestWinTrophies();
  void LowerMusicForWin();
  void RestoreMusic();
  void PrepareFinishWindow();
  void OpenFinishWhenEffectsLanded();
  void OpenFinish();
  // The restart or the no-health dialogue, by the hearts left.
  void OfferRestart();
  void ScheduleDialog(Dialog dialog);
  void OpenDialog(Dialog dialog);
  static const char* DialogName(Dialog dialog);
  void AnswerDialog(Dialog dialog, int32_t answer);
  // The open dialogue's answers no longer reach this screen.
  void ReleaseDialog();
  void OpenFade();
  void OnFadeOpened();
  void ReleaseFade();
  void ReleaseFinish();
  // Clears the opened callback this screen set on the window, when `pending`.
  void ReleaseOpened(bool& pending, const char* window);
  // A missing window: named in the error text, and the level is left for
  // the level list so that nothing waits for it.
  void LeaveForMissing(const std::string& what);
  // Everything of the level that may still fire goes (Stop).
  void DropPending();

  template <Dialog kDialog>
  static void DialogAnswered(void* self, int32_t answer) {
    static_cast<GG_GAMEPLAY*>(self)->AnswerDialog(kDialog, answer);
  }
  static void FadeOpened(void* self) { static_cast<GG_GAMEPLAY*>(self)->OnFadeOpened(); }
  static void FinishOpened(void* self);

  cGameplayHost* host_;

  // Level state.
  bool active_ = false;
  bool paused_ = false;
  bool busy_ = false;
  gPackState* pack_record_ = nullptr;
  gLevelRecord* level_record_ = nullptr;
  GG_PLAYER* player_ = nullptr;
  std::string level_file_;
  int32_t pack_id_ = 0;
  int32_t level_id_ = 0;
  gLevelScore score_;
  BoardSettings settings_;
  GG_PROCESS board_;
  gDragState drag_;
  bool ended_ = false;

  // The rules' pending work.
  ORB::OC_BOT_LIST bots_;
  uint32_t generation_ = 0;
  Dialog open_dialog_ = Dialog::kNone;  // the dialogue whose answers come here
  bool fade_pending_ = false;           // "Fade_Transition" will call OnFadeOpened
  bool fade_to_shop_ = false;
  bool finish_pending_ = false;  // "GP_Finish" will call FinishOpened
  int32_t finish_opened_ = 0;
  GG_ELEMENT* hint_target_ = nullptr;  // the cell a hint flies to
  bool music_lowered_ = false;
  float music_volume_ = 0.0f;  // the player's, put back after "levelwin"
  float finish_delay_ = 0.0f;

  gInstantPieces instant_pieces_;
  cPlayPieces* pieces_ = &instant_pieces_;

  // The cells' looks from the effects file, and the level's board sprites.
  std::unique_ptr<ORB_GF::G_ANIMATION> filled_template_;
  std::unique_ptr<ORB_GF::G_ANIMATION> cross_template_;
  std::unique_ptr<ORB_GF::G_SPRITE> locked_template_;
  std::unique_ptr<ORB_GF::G_ANIMATION> end_template_;
  CellTemplates cell_templates_;
  std::unique_ptr<ORB_GF::G_SPRITE> block_sprite_;
  std::unique_ptr<ORB_GF::G_SPRITE> selection_sprite_;
  std::unique_ptr<ORB_GF::G_SPRITE> selection_yes_sprite_;
  std::unique_ptr<ORB_GF::G_SPRITE> selection_no_sprite_;
  // The pack's board background, copied from its description at each load.
  std::unique_ptr<ORB_GF::G_SPRITE> background_sprite_;
  bool acquired_ = false;

  bool tool_switch_fill_ = true;
  float end_sweep_speed_ = 600.0f;
  std::string last_error_;
};

}  // namespace game
