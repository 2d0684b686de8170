#pragma once
// Fitting the game's fixed resolution into a larger screen: the largest
// uniform scale that fits, centred, with bars on the sides that are left.
#include <cstdint>

#include "engine/foundation/point.h"
#include "engine/foundation/vector2.h"

namespace ORB {

struct Letterbox {
  float scale = 1.0f;
  Vector2 offset;  // top-left corner of the game's area on the screen, in pixels
};

// Scale 1 and no offset when the sizes are equal or either is empty. The
// offset is in whole pixels, where the drawing device puts the picture.
Letterbox ComputeLetterbox(Point screen, Point game);

// A screen pixel in game coordinates: (screen - offset) / scale, rounded
// down (a pixel in a bar maps outside the game's area).
Point ScreenToGamePoint(const Letterbox& box, Point screen);

}  // namespace ORB
