#pragma once
// GG_TUTORIAL: the guided first level. Its file (the edition's tutorial
// file, root element "tutorial") lists steps per level id; each step shows
// its pictures and text, sets the play screen's five locks and waits for one
// action of the player (tutorial_step.h lists the kinds). It follows the
// controls as a control delegate of the control bar and the pointer as the
// game hands it on: a press before the gameplay sees it, a release and a
// move after.
//
//   GG_TUTORIAL tutorial;
//   tutorial.Attach(&gameplay, &screen.Controls());   // also its delegate
//   tutorial.Load(document.child("tutorial"), file);
//   ... a level starts, the player has not passed the tutorial:
//   if (tutorial.SelectLevel(levelId)) tutorial.Activate();
//   ... each frame: gameplay.Update(); tutorial.Update();
//   ... press: tutorial.OnButtonDown(b); gameplay.OnButtonDown(b);
//   ... release: gameplay.OnButtonUp(b); tutorial.OnButtonUp(b);
//   ... move: gameplay.OnPointerMove(); tutorial.OnPointerMove();
//   ... draw: gameplay.Draw(); tutorial.Draw();
//
// The last step done, or a skip the player confirms ("Confirm_Skip_Tutorial"
// after a click on a step's skip button), ends it: the locks come off and
// the current player's passed_tutorial is set and saved through the host.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "game/play/screen/control_delegate.h"
#include "game/play/screen/tutorial_step.h"

namespace game {

class GG_GAMEPLAY;
class gControlBar;

class GG_TUTORIAL : public cControlDelegate {
 public:
  static constexpr int32_t kSkipButton = 200;
  static constexpr const char* kSkipDialog = "Confirm_Skip_Tutorial";

  GG_TUTORIAL();
  ~GG_TUTORIAL() override;
  GG_TUTORIAL(const GG_TUTORIAL&) = delete;
  GG_TUTORIAL& operator=(const GG_TUTORIAL&) = delete;

  // The play screen it guides; it becomes a delegate of the controls (and
  // leaves the ones it followed before). Attach(nullptr, nullptr) before
  // the play screen or the gameplay screen goes, when the tutorial outlives
  // them.
  void Attach(GG_GAMEPLAY* gameplay, gControlBar* controls);

  // Reads the "level" elements of the "tutorial" element; `file` names the
  // file in error texts. False (nothing kept) for a missing element or a
  // step that cannot be read; Error() says why.
  bool Load(const pugi::xml_node& tutorial, const std::string& file);
  const std::string& Error() const { return error_; }

  // The first step of the level becomes current and starts: true. No step
  // of that level: the tutorial stays inactive, the locks come off, false.
  bool SelectLevel(int32_t levelId);
  // Takes (once) every step's pictures and enables the GUIs; Deactivate
  // gives them back and disables the GUIs.
  void Activate();
  void Deactivate();

  // While active: the current step's markers (on CELL and CELL_EMPTY
  // steps), its arrow and its GUI.
  void Draw();
  // While active: the current step's pictures and its GUI's frame pass.
  void Update();
  // Before the gameplay: the GUI sees the press; during a HINT step a press
  // on a listed cell locks that cell (the gameplay ignores it).
  int32_t OnButtonDown(int32_t button);
  // After the gameplay: the GUI sees the release, then StepDone decides;
  // kResultFinished when the step ended (the next one has started).
  int32_t OnButtonUp(int32_t button);
  // After the gameplay: the GUI sees the move.
  int32_t OnPointerMove();

  // At a release: the skip button opens "Confirm_Skip_Tutorial" and pauses
  // the level; a CELL or CELL_EMPTY step whose cells are all open, a
  // MAKERROR or an ENDLESS step is done (kResultFinished, and the next step
  // starts); a HINT step unlocks its cells again. A step that began with
  // this very click (its control reacted to the press or the release) waits
  // for the next one.
  int32_t StepDone();
  // The tutorial ends: inactive, no locks, its pictures given back, the
  // tool switch on fill, and the current player (when there is one) passed
  // it, saved.
  void Skip();
  // The skip dialogue's answer (1 yes): it closes, the level resumes, and a
  // yes skips.
  void OnSkipAnswer(int32_t answer);

  // cControlDelegate: the steps that wait for a control.
  void OnStoreButton() override;
  void OnHintButton() override;
  void OnToolSwitch() override;
  void OnPause() override {}
  void OnResetSelection() override;

  bool IsActive() const { return active_; }
  bool IsActivated() const { return activated_; }
  int32_t CurrentIndex() const { return current_; }
  int32_t LevelId() const { return level_id_; }
  const gTutorialStep* CurrentStep() const;
  const std::vector<std::unique_ptr<gTutorialStep>>& Steps() const { return steps_; }
  const std::string& FileName() const { return file_; }

 private:
  void StartStep();
  void NextStep();
  // Ends the current step when it is of that kind.
  void EndStepOf(eTutorialStep kind);
  void ApplyLocks(const gPlayLocks& locks);
  void UnlockListedCells();
  bool AllListedOpen() const;
  void OpenSkipDialog();
  void ReleaseSkipDialog();
  static void SkipAnswered(void* self, int32_t answer);

  GG_GAMEPLAY* gameplay_ = nullptr;
  gControlBar* controls_ = nullptr;
  bool activated_ = false;
  bool active_ = false;
  int32_t current_ = -1;
  int32_t level_id_ = -1;
  std::vector<std::unique_ptr<gTutorialStep>> steps_;
  std::string file_;
  std::string error_;
  bool skip_pending_ = false;  // the skip dialogue answers here
  // The current step began when a control reacted (during a press or a
  // release): the release of that same click does not judge it.
  bool fresh_step_ = false;
};

}  // namespace game
