#pragma once
// cControlDelegate: told which gameplay control reacted, so that the tutorial
// can follow the player's actions. The control bar keeps a list of delegates
// and calls the matching operation of each; every operation does nothing
// here, and the tutorial overrides the ones its steps wait for.
//
// It lives in game/play, beside the control bar and the tutorial that use it,
// rather than in game/shell: the play layer must not depend on the shell.
namespace game {

class cControlDelegate {
 public:
  virtual ~cControlDelegate() = default;

  // The store button was pressed.
  virtual void OnStoreButton() {}
  // The hint button was pressed.
  virtual void OnHintButton() {}
  // The fill/cross tool switched.
  virtual void OnToolSwitch() {}
  // The pause button was pressed.
  virtual void OnPause() {}
  // The reset-selection target took a selection.
  virtual void OnResetSelection() {}
};

}  // namespace game
