#pragma once
// What the board (GG_PROCESS) tells the screen that owns it. The board opens
// cells and runs the end sweep; what an opened cell earns or costs, when the
// level ends and which sounds play are the owner's business. The gameplay
// screen is the owner in the game; tests record the calls.
#include <string>

namespace game {

class GG_ELEMENT;

class cBoardEvents {
 public:
  virtual ~cBoardEvents() = default;

  // A cell opened the right way (a picture cell filled, an empty cell
  // crossed), or the wrong way; called once per cell as it is opened.
  virtual void OnRightCell(GG_ELEMENT& cell) = 0;
  virtual void OnWrongCell(GG_ELEMENT& cell) = 0;
  // After every line of cells: the owner checks whether the level is done.
  virtual void CheckFinished() = 0;
  // A sound of the board by name, when it should sound (an opened cell's at
  // once or after its open delay).
  virtual void PlayCellSound(const std::string& name) = 0;
  // The end-of-level sweep has run its course.
  virtual void OnEndSweepFinished() = 0;
};

}  // namespace game
