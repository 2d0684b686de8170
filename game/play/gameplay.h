#pragma once
// The screen on which a level is played. The game hub owns one for the whole
// run, forwards the frame, the drawing and the pointer to it and starts
// levels through Load. A press on a cell starts a selection, dragging keeps it
// a straight line in the start cell's row or column, and the release opens
// the line's closed cells with the current tool, one after another.
//
// What a rightly or wrongly opened cell earns or costs is counted here
// (coins, errors); how a level ends is decided in OnLevelWin and
// OnLevelLose, the place for the finish and loss sequences.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/point.h"
#include "engine/foundation/vector2.h"
#include "framework/animation.h"
#include "framework/gameplay_interface.h"
#include "framework/sprite.h"
#include "game/play/board_events.h"
#include "game/play/board_settings.h"
#include "game/play/gameplay_host.h"
#include "game/play/process.h"

namespace game {

class GG_ELEMENT;

class GG_GAMEPLAY : public ORB_GF::G_GAMEPLAY, private cBoardEvents {
 public:
  // Tools of a drag.
  static constexpr int32_t kToolCross = 0;
  static constexpr int32_t kToolFill = 1;

  // Repository names of the files the screen reads.
  static constexpr const char* kSettingsFile = "data/share/main/GameProcess settings.xml";
  static constexpr const char* kEffectsFile = "data/share/main/GameProcess effects.xml";
  static constexpr const char* kNumbersFile = "data/share/main/GameProcess numbers.xml";
  // The folder of those files: a level that names its own numbers file
  // ("numbers" of its settings) finds it there.
  static constexpr const char* kGameProcessFolder = "data/share/main/GameProcess";

  // Reads the rule values and the effect settings through the host (null:
  // no level can be loaded).
  explicit GG_GAMEPLAY(cGameplayHost* host);
  ~GG_GAMEPLAY() override;
  GG_GAMEPLAY(const GG_GAMEPLAY&) = delete;
  GG_GAMEPLAY& operator=(const GG_GAMEPLAY&) = delete;

  // Loads the level file (a repository name) for the host's current player,
  // pack and level. False, with the reason in LastError(), when the player
  // or the pack record is missing or the file cannot be read or is refused;
  // the screen then stays inactive.
  [[nodiscard]] bool Load(const std::string& levelFile) override;
  // Ends the level: the board, the selection, the drag and the hovered cell
  // are cleared, the counters go to 0.
  void Stop() override;
  void Update() override;
  void Draw() override;
  // kEventSwallowed handled (a cell press), kResultNone not handled,
  // kResultNotFound no cell under the pointer.
  int32_t OnButtonUp(int32_t button) override;
  int32_t OnButtonDown(int32_t button) override;
  // Always kResultNotFound: a move is never taken.
  int32_t OnPointerMove() override;
  void OnStoreEvent(const std::string& event, const std::string& productId) override;
  // The reserved slot pauses as well.
  void Reserved() override { Pause(); }
  void Pause() override;
  void Resume() override;
  // Stop, then the same level file again.
  void Restart() override;
  void AcquireResources() override;
  void ReleaseResources() override;

  // Once per level.
  void EndLevel(bool won);

  // Drops the selection and the drag without opening anything.
  void CancelSelection();

  // The tool switch: on = fill (the state at every level start).
  void SetToolSwitch(bool fill) { tool_switch_fill_ = fill; }
  bool GetToolSwitch() const { return tool_switch_fill_; }

  bool IsActive() const { return active_; }
  bool IsPaused() const { return paused_; }
  bool IsBusy() const { return busy_; }
  void SetBusy(bool busy) { busy_ = busy; }
  bool IsEnded() const { return ended_; }
  bool IsDragging() const { return dragging_; }
  bool IsPointerOverBoard() const { return pointer_over_board_; }
  int32_t HoveredRow() const { return hovered_row_; }
  int32_t HoveredCol() const { return hovered_col_; }
  int32_t StartRow() const { return start_row_; }
  int32_t StartCol() const { return start_col_; }
  int32_t DragTool() const { return tool_; }
  const std::vector<GG_ELEMENT*>& Selection() const { return selection_; }

  const std::string& LevelFileName() const { return level_file_; }
  const std::string& LastError() const { return last_error_; }
  int32_t PackId() const { return pack_id_; }
  int32_t LevelId() const { return level_id_; }
  float ElapsedTime() const { return elapsed_time_; }
  int32_t Errors() const { return errors_; }
  int32_t AllowedErrors() const { return allowed_errors_; }
  void SetAllowedErrors(int32_t errors) { allowed_errors_ = errors; }
  int32_t LevelCoins() const { return level_coins_; }
  int32_t CoinsPerCell() const { return coins_per_cell_; }
  int32_t BonusCoins() const { return bonus_coins_; }
  uint32_t MaxHints() const { return max_hints_; }
  float EndSweepSpeed() const { return end_sweep_speed_; }

  const BoardSettings& Settings() const { return settings_; }
  bool IsAcquired() const { return acquired_; }
  GG_PROCESS& Board() { return board_; }
  const GG_PROCESS& Board() const { return board_; }
  cGameplayHost* Host() const { return host_; }
  GG_PLAYER* Player() const { return player_; }
  gPackState* PackRecord() const { return pack_record_; }
  gLevelRecord* LevelRecord() const { return level_record_; }

 protected:
  // How a level ends; both stop the input. The win also starts the sweep.
  virtual void OnLevelWin();
  virtual void OnLevelLose();

 private:
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
  bool FailLoad(const std::string& reason);
  // The pointer in game coordinates (the input state's mouse position).
  static ORB::Point Pointer();
  void UpdateHover(const ORB::Point& pointer);
  void RebuildSelection();
  void ClearDrag();

  cGameplayHost* host_;

  // Level state.
  bool active_ = false;
  bool paused_ = false;
  int32_t allowed_errors_ = 6;
  uint32_t max_hints_ = 4;
  int32_t coins_per_cell_ = 0;
  int32_t bonus_coins_ = 0;
  int32_t tool_ = kToolFill;
  bool busy_ = false;
  gPackState* pack_record_ = nullptr;
  gLevelRecord* level_record_ = nullptr;
  GG_PLAYER* player_ = nullptr;
  std::string level_file_;
  int32_t pack_id_ = 0;
  int32_t level_id_ = 0;
  float elapsed_time_ = 0.0f;
  int32_t errors_ = 0;
  int32_t hints_awarded_ = 0;
  int32_t hints_held_ = 0;
  int32_t hints_used_ = 0;
  int32_t level_coins_ = 0;
  BoardSettings settings_;
  GG_PROCESS board_;
  int32_t hovered_row_ = -1;
  int32_t hovered_col_ = -1;
  int32_t start_row_ = -1;
  int32_t start_col_ = -1;
  bool pointer_over_board_ = false;
  bool dragging_ = false;
  bool ended_ = false;
  std::vector<GG_ELEMENT*> selection_;

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
  bool acquired_ = false;

  bool tool_switch_fill_ = true;
  float end_sweep_speed_ = 600.0f;
  std::string last_error_;
};

}  // namespace game
