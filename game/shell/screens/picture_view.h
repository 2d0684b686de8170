#pragma once
// gPictureView: a won level's picture drawn small, so that it is seen whole
// whatever covers the board (the finish window shows it on its card). Each
// picture cell is one square of the cell sprite; the picture takes the
// largest whole cell size with which it fits a square box, and is centred
// on the box's centre.
//
// Its description (an element of the owner's, each item optional):
//
//   <picture at="0 -188" size="128">
//     <cell><FILE>data/share/image/screens picture_cell.png</FILE></cell>
//   </picture>
//
//   at     "x y": the box's centre from the owner's position [0 0]
//   size   the box's side in pixels [0: nothing is drawn]
//   cell   a sprite description (framework/sprite.h) drawn stretched over
//          each picture cell; loaded and given back with the owner's
//          resources
#include <cstdint>

#include <pugixml.hpp>

#include "engine/foundation/vector2.h"
#include "framework/sprite.h"
#include "game/play/level_result.h"

namespace game {

class gPictureView {
 public:
  // Where one picture cell lies from the box's centre, in whole pixels.
  struct Cell {
    int32_t x = 0;
    int32_t y = 0;
    int32_t side = 0;
  };

  void Load(const pugi::xml_node& node);
  void LoadTexture() { cell_.LoadTexture(); }
  void ReleaseTexture() { cell_.ReleaseTexture(); }

  // The picture drawn from now on (a copy is kept).
  void Show(const SolvedPicture& picture) { picture_ = picture; }
  // The side of one cell (0 without a picture or a box).
  int32_t CellSide() const;
  // Picture cell (col, row)'s square, its upper-left corner from the box's
  // centre.
  Cell CellAt(int32_t col, int32_t row) const;
  const ORB::Vector2& GetCentre() const { return at_; }
  int32_t GetBoxSide() const { return size_; }

  // Every picture cell, around `origin` (the owner's position) plus "at".
  void Draw(const ORB::Vector2& origin);

 private:
  ORB::Vector2 at_;
  int32_t size_ = 0;
  ORB_GF::G_SPRITE cell_;
  SolvedPicture picture_;
};

}  // namespace game
