#include "engine/foundation/letterbox.h"

#include <cmath>

#include "engine/platform/letterbox_fit.h"

namespace ORB {

Letterbox ComputeLetterbox(Point screen, Point game) {
  // The same fit the drawing device places its viewport with.
  const platform::LetterboxFit fit = platform::FitLetterbox(screen.x, screen.y, game.x, game.y);
  Letterbox box;
  box.scale = static_cast<float>(fit.scale);
  box.offset = Vector2(static_cast<float>(fit.left), static_cast<float>(fit.top));
  return box;
}

Point ScreenToGamePoint(const Letterbox& box, Point screen) {
  if (box.scale <= 0.0f) return screen;
  // Rounded down, not toward zero: a pixel of the bar just left of or above
  // the picture lands at -1, outside the game, never on its first column.
  return Point(static_cast<int32_t>(std::floor((static_cast<float>(screen.x) - box.offset.x) / box.scale)),
               static_cast<int32_t>(std::floor((static_cast<float>(screen.y) - box.offset.y) / box.scale)));
}

}  // namespace ORB
