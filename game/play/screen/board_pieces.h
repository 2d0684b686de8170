#pragma once
// gBoardPieces: what stands around the board of every level, read once from
// "ambient.xml": the frame ("border", a nine-part panel), the clue strips
// ("left_ear", "up_ear"), the row and column highlight ("highlight"), the
// error panel ("error_panel") and the coin counter ("sunime"). Each level
// lays them out around its board (LayOut): the frame around the board, the
// strips along it as deep as the level's clues reach.
//
// Screen order: the strips and the frame over them under the board's blocks
// (DrawUnderBlocks), the highlight over them (DrawOverBlocks), the error
// panel and the counter over everything on the board (DrawOverBoard).
//
//   <ambient>
//     <border margin="8" ul="..." up="..." ... dr="..."/>
//     <left_ear .../>  <up_ear .../>       (clue_strip.h)
//     <highlight .../>                      (highlight.h)
//     <error_panel .../>                    (error_panel.h)
//     <sunime .../>                         (coin_counter.h)
//     <check_mode>...</check_mode>          (the tool switch: control_bar.h)
//   </ambient>
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "framework/nine_panel.h"
#include "game/play/board_settings.h"
#include "game/play/screen/clue_strip.h"
#include "game/play/screen/coin_counter.h"
#include "game/play/screen/error_panel.h"
#include "game/play/screen/highlight.h"

namespace game {

class GG_PROCESS;

class gBoardPieces {
 public:
  using FontLookup = gCoinCounter::FontLookup;
  static constexpr int32_t kDefaultFrameMargin = 8;

  gBoardPieces();

  // Reads every piece from the ambient file's root. False, naming what is
  // missing in Error(), when a piece's element is missing; the pieces read
  // before it stay.
  bool Load(const pugi::xml_node& ambient, const FontLookup& fonts);
  const std::string& Error() const { return error_; }

  // The pieces of the level whose board this is: the frame around it, the
  // strips as deep as its clue numbers reach, the highlight's bars.
  void LayOut(const BoardSettings& settings, const GG_PROCESS& board);
  // How far the board's farthest clue number reaches from the board's left
  // (left strip) or top (strip above) edge, its ink included; 0 when the
  // numbers have no font.
  static int32_t ClueDepth(const GG_PROCESS& board, bool left);

  void Update();
  void DrawUnderBlocks();
  void DrawOverBlocks();
  void DrawOverBoard();
  void AcquireResources();
  void ReleaseResources();
  // The level stops: no highlight, no marks, no places, no coins.
  void Reset();

  ORB_GF::NinePanel& Frame() { return frame_; }
  gClueStrip& LeftStrip() { return left_strip_; }
  gClueStrip& UpStrip() { return up_strip_; }
  gHighlight& Highlight() { return highlight_; }
  gErrorPanel& ErrorPanel() { return error_panel_; }
  const gErrorPanel& ErrorPanel() const { return error_panel_; }
  gCoinCounter& Coins() { return coins_; }
  const gCoinCounter& Coins() const { return coins_; }
  int32_t FrameMargin() const { return frame_margin_; }
  bool IsLaidOut() const { return laid_out_; }

 private:
  ORB_GF::NinePanel frame_;
  int32_t frame_margin_ = kDefaultFrameMargin;
  gClueStrip left_strip_{true};
  gClueStrip up_strip_{false};
  gHighlight highlight_;
  gErrorPanel error_panel_;
  gCoinCounter coins_;
  BoardSettings settings_;
  bool laid_out_ = false;
  bool acquired_ = false;
  std::string error_;
};

}  // namespace game
