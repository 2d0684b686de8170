#pragma once
// gHighlight: the bars over the hovered cell's row ("horisontal", as wide as
// the board and as tall as a cell) and column ("vertical", a cell wide and
// as tall as the board). Its font, colour and shift also draw the running
// number of every selected cell.
//
//   <highlight font="sans_bold_14" font_color="FF00798C" shift="0 0">
//     <horisontal>...</horisontal>
//     <vertical>...</vertical>
//   </highlight>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/foundation/point.h"
#include "engine/foundation/vector2.h"
#include "engine/scene/font.h"
#include "framework/sprite.h"
#include "game/play/board_settings.h"

namespace game {

class gHighlight {
 public:
  using FontLookup = std::function<ORB::OC_FONT*(const std::string& name)>;

  // False when the element is missing.
  bool Load(const pugi::xml_node& element, const FontLookup& fonts);
  // Sizes the bars for the level's board; none shows.
  void LayOut(const BoardSettings& settings);
  // The bars move over the cell (row, col); -1 in either hides them.
  void MoveTo(int32_t row, int32_t col);
  int32_t Row() const { return row_; }
  int32_t Col() const { return col_; }

  void Draw();
  // The number at the cell's centre plus "shift", in whole pixels.
  void DrawNumber(const ORB::Vector2& centre, int32_t number);
  void AcquireResources();
  void ReleaseResources();

  ORB::OC_FONT* Font() const { return font_; }
  ORB::Point Shift() const { return shift_; }

 private:
  std::unique_ptr<ORB_GF::G_SPRITE> horizontal_;
  std::unique_ptr<ORB_GF::G_SPRITE> vertical_;
  ORB::OC_FONT* font_ = nullptr;
  ORB::Colour colour_{0xFFFFFFFFu};
  ORB::Point shift_;
  BoardSettings settings_;
  bool laid_out_ = false;
  int32_t row_ = -1;
  int32_t col_ = -1;
};

}  // namespace game
