#pragma once
// OS_TRANSFORM3_AUTO: a transform whose position may be given as fractions of
// the game's screen (0.5, 0.5 is the centre), kept beside it as auto_x and
// auto_y. Windows place and move themselves with it; paged grids and the
// delayed setters use it too. A plain value: copied whole (the parent
// pointer included), nothing virtual.
//
// The screen size every fraction is multiplied by is set once, before any
// window is built: the game's creation gives it the engine's resolution
// (GameScreenSize, game_screen.h), the size paged grids step by. Until then
// it is the game's canvas, 1024 x 768.
#include <cstdint>

#include <pugixml.hpp>

#include "engine/foundation/point.h"
#include "engine/foundation/transform.h"

namespace ORB_GF {

struct OS_TRANSFORM3_AUTO : ORB::OS_TRANSFORM3 {
  float auto_x = 0.0f;
  float auto_y = 0.0f;

  // Identity transform, fractions 0, 0.
  OS_TRANSFORM3_AUTO() = default;
  // The default, then Load(node).
  explicit OS_TRANSFORM3_AUTO(const pugi::xml_node& node) { Load(node); }

  // Keeps the fractions and puts the position at fx x width, fy x height
  // of the screen; z stays.
  void SetAuto(float fx, float fy);
  // The node's text as transform text (OS_TRANSFORM3::Parse: a new
  // transform, then the twelve numbers); then each of the attributes
  // "auto_x" and "auto_y" that is present gives its fraction and puts that
  // coordinate at fraction x the screen's width (or height). An absent
  // attribute leaves its coordinate as the text set it.
  void Load(const pugi::xml_node& node);

  // The screen size, in pixels, that fractions are taken of.
  static void SetScreenSize(int32_t width, int32_t height);
  static ORB::Point ScreenSize();
};

}  // namespace ORB_GF
