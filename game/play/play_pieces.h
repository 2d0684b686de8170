#pragma once
// cPlayPieces: what the level's rules show around the board and fly over
// it. The gameplay screen tells its pieces of every change the player must
// see (hints held, coins, errors) and lets them play the two flights of the
// rules: a bonus coin from its cell to the coin counter and a hint from the
// hint button to its cell. The screen asks back only how long the error
// panel still animates (the loss dialogues wait for it) and how many bonus
// coins are still flying (the finish window waits for them).
//
// The pieces also make up the rest of the screen around the board: the
// screen hands them its frame, its drawing in layers (under the board's
// blocks, over them, the selection's running numbers, over the board) and
// the pointer before the board sees it. Those hooks do nothing here.
//
// gInstantPieces is the stand-in the screen uses until the controls, the
// board pieces and the effects set pieces of their own (SetPieces): it keeps
// the numbers without showing them, flies nothing and animates for no time,
// so a hint and a bonus coin arrive at once. gPlayScreen (play_screen.h) is
// the real one.
#include <cstdint>

#include "engine/foundation/vector2.h"

namespace game {

class GG_ELEMENT;

class cPlayPieces {
 public:
  virtual ~cPlayPieces() = default;

  // The hint button shows `held` (the store button slides in at 0 and out
  // otherwise).
  virtual void ShowHints(int32_t held) = 0;

  // The coin counter: raised by `coins`, or back to 0.
  virtual void AddCoins(int32_t coins) = 0;
  virtual void ClearCoins() = 0;
  virtual int32_t GetCoins() const = 0;

  // The error panel: `places` places for errors (the allowed errors), one
  // more error mark, every mark cleared (a second chance), and the seconds
  // the marks still animate.
  virtual void SetErrorPlaces(int32_t places) = 0;
  virtual void MarkError() = 0;
  virtual void ClearErrors() = 0;
  virtual float GetErrorAnimationTime() const = 0;

  // A bonus cell was found: its coin flies from the cell to the counter and,
  // on landing, shows `coins` and adds them to the counter. False when no
  // coin can fly (the caller adds the coins at once).
  virtual bool StartBonusEffect(const GG_ELEMENT& cell, int32_t coins) = 0;
  // Bonus coins still flying.
  virtual int32_t GetFlyingEffects() const = 0;

  // A hint flies from the hint button to the target cell's centre and, on
  // arrival, calls the gameplay's UseHint(target). False when it cannot fly
  // (no template, no speed): the caller applies the hint at once.
  virtual bool StartHintFlight(GG_ELEMENT& target) = 0;

  // The level stops: every flight and effect goes (none may reach a cell
  // afterwards), the counter and the panel go back to nothing.
  virtual void Reset() = 0;

  // --- The screen around the board (nothing by default).

  // A level has loaded (its board is built, the counters are set): the
  // pieces lay themselves out around the board and the tool switch says
  // fill.
  virtual void StartLevel() {}
  // Once a frame while the level runs and is not paused.
  virtual void Update() {}
  // Drawing, in the screen's order: under the board's blocks (the frame and
  // the clue strips), over the blocks (the row and column highlight), the
  // running number of a selected cell, and over the board and the selection
  // (the controls, the error panel, the coin counter, the flights).
  virtual void DrawUnderBlocks() {}
  virtual void DrawOverBlocks() {}
  virtual void DrawSelectionNumber(const ORB::Vector2& /*centre*/, int32_t /*number*/) {}
  virtual void DrawOverBoard() {}
  // The pointer, before the board sees it: true when a control took the
  // press or the release (the board then ignores it).
  virtual bool OnButtonDown(int32_t /*button*/) { return false; }
  virtual bool OnButtonUp(int32_t /*button*/) { return false; }
  virtual void OnPointerMove() {}
  // Textures of everything above.
  virtual void AcquireResources() {}
  virtual void ReleaseResources() {}
};

class gInstantPieces : public cPlayPieces {
 public:
  void ShowHints(int32_t held) override { hints_shown_ = held; }
  void AddCoins(int32_t coins) override { coins_ += coins; }
  void ClearCoins() override { coins_ = 0; }
  int32_t GetCoins() const override { return coins_; }
  void SetErrorPlaces(int32_t places) override { error_places_ = places; }
  void MarkError() override { ++error_marks_; }
  void ClearErrors() override { error_marks_ = 0; }
  float GetErrorAnimationTime() const override { return 0.0f; }
  bool StartBonusEffect(const GG_ELEMENT& /*cell*/, int32_t /*coins*/) override { return false; }
  int32_t GetFlyingEffects() const override { return 0; }
  bool StartHintFlight(GG_ELEMENT& /*target*/) override { return false; }
  void Reset() override {
    hints_shown_ = 0;
    coins_ = 0;
    error_places_ = 0;
    error_marks_ = 0;
  }

  int32_t HintsShown() const { return hints_shown_; }
  int32_t ErrorPlaces() const { return error_places_; }
  int32_t ErrorMarks() const { return error_marks_; }

 private:
  int32_t hints_shown_ = 0;
  int32_t coins_ = 0;
  int32_t error_places_ = 0;
  int32_t error_marks_ = 0;
};

}  // namespace game
