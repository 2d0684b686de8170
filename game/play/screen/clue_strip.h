#pragma once
// gClueStrip: the paper strip beside the board that the clue numbers stand
// on, one band per row (the left strip) or per column (the strip above),
// every other band tinted, with a line between neighbouring cells ("stick")
// and a stronger line at every block boundary ("stickBlock"), so each clue
// lines up with its row or column whatever the cell size and block gaps.
//
//   <up_ear size="160" margin="8" tint="FFF1EADF">
//     <background><FILE>...</FILE><COLOR>FFFFFDF8</COLOR></background>
//     <stick><FILE>...</FILE><SIZE>2 8</SIZE></stick>
//     <stickBlock><FILE>...</FILE><SIZE>2 8</SIZE></stickBlock>
//   </up_ear>
//
// The pictures are drawn for the strip above the board (a band as wide as a
// cell, a line standing upright); the left strip turns them by -pi/2. How
// deep a strip reaches away from the board follows the level's clues (its
// farthest number plus "margin"), so boards of every size and clue length
// keep their strips clear of the controls; "size" serves a level whose
// clues cannot be measured (no font).
#include <cstdint>
#include <memory>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "framework/sprite.h"
#include "game/play/board_settings.h"

namespace game {

class gClueStrip {
 public:
  static constexpr int32_t kDefaultSize = 160;
  static constexpr int32_t kDefaultMargin = 8;

  // `left`: the strip left of the board (turned), else the one above.
  explicit gClueStrip(bool left) : left_(left) {}

  // Reads the strip's element; false when it is missing.
  bool Load(const pugi::xml_node& element);

  // Lays the strip out along the board; `clueDepth` is how far the level's
  // farthest clue number reaches from the board's edge (0 or less: unknown,
  // the strip takes "size").
  void LayOut(const BoardSettings& settings, int32_t clueDepth);
  // The depth laid out (0 before the first LayOut).
  int32_t Depth() const { return depth_; }
  int32_t Margin() const { return margin_; }
  int32_t Size() const { return size_; }

  void Draw();
  void AcquireResources();
  void ReleaseResources();

 private:
  // Places the sprite's centre at `along` on the board's axis and `away`
  // from its edge, sized `length` along the board and `depth` away from it.
  void Place(ORB_GF::G_SPRITE& sprite, float along, float away, float length, float depth) const;
  // The coordinate on the board's axis of line `i`'s centre.
  float LineCentre(int32_t i) const;

  bool left_;
  int32_t size_ = kDefaultSize;
  int32_t margin_ = kDefaultMargin;
  ORB::Colour tint_{0xFFFFFFFFu};
  ORB::Colour band_{0xFFFFFFFFu};
  std::unique_ptr<ORB_GF::G_SPRITE> background_;
  std::unique_ptr<ORB_GF::G_SPRITE> stick_;
  std::unique_ptr<ORB_GF::G_SPRITE> stick_block_;
  float stick_width_ = 2.0f;
  float stick_block_width_ = 2.0f;

  // The board as laid out.
  BoardSettings settings_;
  bool laid_out_ = false;
  int32_t depth_ = 0;
};

}  // namespace game
