#pragma once
// gControlBar: the controls around the board of the play screen: the hint
// button, pause, the store button, the reset-selection target and the
// fill/cross tool switch. It reads their files through the gameplay's host,
// hands them the pointer before the board sees it, runs what they do (a
// hint, the in-game menu, the shop, cancelling a line, the tool) and tells
// its control delegates (the tutorial) which control reacted.
//
// Order of the pointer's passes: a press reaches the hint button, pause,
// the store button and the tool switch; a release reaches pause, the store
// button, the reset target and the tool switch; the first control that
// takes it ends the pass. A move reaches every control.
//
//   gControlBar bar(gameplay);
//   if (!bar.Load()) report(bar.Error());     // names the file
//   bar.AddDelegate(&tutorial);               // no duplicates
//   bar.SetLocks(true, false, true, true);    // hint, tool, store, reset
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "game/play/screen/control_delegate.h"
#include "game/play/screen/hint_button.h"
#include "game/play/screen/pause_control.h"
#include "game/play/screen/reset_selection.h"
#include "game/play/screen/store_button.h"
#include "game/play/screen/tool_switch.h"

namespace game {

class GG_GAMEPLAY;

class gControlBar {
 public:
  static constexpr const char* kHintButtonFile = "data/share/main/GameProcess hint_button.xml";
  static constexpr const char* kPauseFile = "data/share/main/GameProcess pause.xml";
  static constexpr const char* kStoreButtonFile = "data/share/main/GameProcess store_button.xml";
  static constexpr const char* kStoreButtonEmptyFile =
      "data/share/main/GameProcess store_button_empty.xml";
  static constexpr const char* kResetSelectionFile =
      "data/share/main/GameProcess reset_selection.xml";
  static constexpr const char* kAmbientFile = "data/share/main/GameProcess ambient.xml";
  // The windows the controls open.
  static constexpr const char* kMenuWindow = "GP_Menu";
  static constexpr const char* kShopWindow = "Shop";
  static constexpr const char* kResetFeedbackWindow = "GP_FeedBack_Reset";
  // How long "GP_FeedBack_Reset" stays once it has opened.
  static constexpr float kFeedbackTime = 2.5f;

  explicit gControlBar(GG_GAMEPLAY& gameplay);
  ~gControlBar();
  gControlBar(const gControlBar&) = delete;
  gControlBar& operator=(const gControlBar&) = delete;

  // The hint button, pause, the store button of the edition and the reset
  // target read their files, then the tool switch is made from "check_mode"
  // of "ambient.xml". False, with the file and what is wrong in Error(),
  // when any of them fails.
  [[nodiscard]] bool Load();
  const std::string& Error() const { return error_; }

  // The tutorial's locks; pause is never locked.
  void SetLocks(bool hint, bool tool, bool store, bool reset);

  // Delegates are told which control reacted; each is kept once.
  void AddDelegate(cControlDelegate* delegate);
  void RemoveDelegate(cControlDelegate* delegate);
  size_t DelegateCount() const { return delegates_.size(); }

  // The hints held: the hint button's count, the store button in at 0.
  void ShowHints(int32_t held);
  // A level starts: the tool switch says fill, the reset target waits.
  void StartLevel();

  // The pointer: true when a control took the press or the release.
  bool OnButtonDown(int32_t button);
  bool OnButtonUp(int32_t button);
  void OnPointerMove();

  void Update();
  void Draw();
  void AcquireResources();
  void ReleaseResources();
  // The level stops: no locks, no drag, the feedback window's wait ends.
  void Reset();
  // The feedback window, while it opens, no longer calls back into the bar.
  // The bar does this as it goes; whoever takes the game (and its windows)
  // down before the bar calls it first, since the bar then cannot reach them.
  void ForgetFeedback();

  GG_HINT_BUTTON& HintButton() { return hint_; }
  GG_PAUSE& Pause() { return pause_; }
  GG_STORE_BUTTON& StoreButton() { return store_; }
  GG_RESET_SELECTION& ResetTarget() { return reset_; }
  gToolSwitch& ToolSwitch() { return tool_; }
  bool IsLoaded() const { return loaded_; }

 private:
  // Reads one control's file; false with Error() set.
  bool LoadControl(GG_BASE_CONTROL& control, const char* file);
  // The reset target follows the board's drag.
  void SyncDrag();
  // Runs `call` on a copy of the delegates (one may leave meanwhile).
  template <typename Call>
  void TellDelegates(Call call) {
    const std::vector<cControlDelegate*> delegates = delegates_;
    for (cControlDelegate* delegate : delegates) {
      if (std::find(delegates_.begin(), delegates_.end(), delegate) != delegates_.end()) {
        call(*delegate);
      }
    }
  }
  // Opens a window; false (logged) without a manager or such a window.
  bool OpenWindow(const char* name);

  void OnHint();
  void OnPause();
  void OnStore();
  void OnTool();
  void OnResetDrop();
  void OnResetClick();
  static void FeedbackOpened(void* self);

  GG_GAMEPLAY& gameplay_;
  GG_HINT_BUTTON hint_;
  GG_PAUSE pause_;
  GG_STORE_BUTTON store_;
  GG_RESET_SELECTION reset_;
  gToolSwitch tool_;
  std::vector<cControlDelegate*> delegates_;
  bool loaded_ = false;
  bool dragging_ = false;
  // "GP_FeedBack_Reset" will call back (the bar set its opened callback),
  // and how long it still stays once it has.
  bool feedback_pending_ = false;
  float feedback_left_ = 0.0f;
  std::string error_;
};

}  // namespace game
