#pragma once
// gPlayScreen: everything of the play screen around the board, as the
// gameplay screen's pieces (cPlayPieces): the board's pieces from
// "ambient.xml" (frame, clue strips, highlight, error panel, coin counter),
// the control bar (hint button, pause, store button, reset target, tool
// switch) and the flights of "effects.xml" (the hint, the bonus coins).
//
// The game makes one beside its gameplay screen and keeps it for the run:
//
//   GG_GAMEPLAY gameplay(host);
//   gPlayScreen screen(gameplay);          // the gameplay's pieces from now on
//   if (!screen.Load()) report(screen.Error());
//   screen.Controls().AddDelegate(&tutorial);
//
// The screen goes before its gameplay screen (it gives the gameplay its
// stand-in back), and a tutorial attached to its controls is detached first.
// Loading reads the files through the gameplay's host; a screen that failed
// to load keeps the stand-in's behaviour for what it could not read (no
// flight: hints and coins at once).
#include <cstdint>
#include <string>

#include "game/play/play_pieces.h"
#include "game/play/screen/board_pieces.h"
#include "game/play/screen/control_bar.h"
#include "game/play/screen/play_effects.h"

namespace game {

class GG_GAMEPLAY;

class gPlayScreen : public cPlayPieces {
 public:
  static constexpr const char* kAmbientFile = gControlBar::kAmbientFile;

  // Becomes the gameplay's pieces; the destructor gives the stand-in back.
  explicit gPlayScreen(GG_GAMEPLAY& gameplay);
  ~gPlayScreen() override;
  gPlayScreen(const gPlayScreen&) = delete;
  gPlayScreen& operator=(const gPlayScreen&) = delete;

  // The board's pieces, the controls and the effects. False, with the file
  // and the reason in Error(), when the ambient file or a control file is
  // missing or incomplete (the effects may lack either template).
  [[nodiscard]] bool Load();
  const std::string& Error() const { return error_; }

  // --- cPlayPieces.
  void ShowHints(int32_t held) override;
  void AddCoins(int32_t coins) override;
  void ClearCoins() override;
  int32_t GetCoins() const override;
  void SetErrorPlaces(int32_t places) override;
  void MarkError() override;
  void ClearErrors() override;
  float GetErrorAnimationTime() const override;
  bool StartBonusEffect(const GG_ELEMENT& cell, int32_t coins) override;
  int32_t GetFlyingEffects() const override;
  bool StartHintFlight(GG_ELEMENT& target) override;
  void Reset() override;
  void StartLevel() override;
  void Update() override;
  void DrawUnderBlocks() override;
  void DrawOverBlocks() override;
  void DrawSelectionNumber(const ORB::Vector2& centre, int32_t number) override;
  void DrawOverBoard() override;
  bool OnButtonDown(int32_t button) override;
  bool OnButtonUp(int32_t button) override;
  void OnPointerMove() override;
  void AcquireResources() override;
  void ReleaseResources() override;

  gBoardPieces& Pieces() { return pieces_; }
  gControlBar& Controls() { return controls_; }
  gPlayEffects& Effects() { return effects_; }
  GG_GAMEPLAY& Gameplay() { return gameplay_; }

 private:
  // Fonts by name through the gameplay's host.
  ORB::OC_FONT* FindFont(const std::string& name) const;

  GG_GAMEPLAY& gameplay_;
  gBoardPieces pieces_;
  gControlBar controls_;
  gPlayEffects effects_;
  std::string error_;
};

}  // namespace game
