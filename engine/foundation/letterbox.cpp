#include "engine/foundation/letterbox.h"

#include <algorithm>

namespace ORB {

Letterbox ComputeLetterbox(Point screen, Point game) {
  Letterbox box;
  if (screen == game || screen.x <= 0 || screen.y <= 0 || game.x <= 0 || game.y <= 0) return box;
  box.scale = std::min(static_cast<float>(screen.x) / static_cast<float>(game.x),
                       static_cast<float>(screen.y) / static_cast<float>(game.y));
  box.offset = Vector2((static_cast<float>(screen.x) - box.scale * static_cast<float>(game.x)) / 2.0f,
                       (static_cast<float>(screen.y) - box.scale * static_cast<float>(game.y)) / 2.0f);
  return box;
}

Point ScreenToGamePoint(const Letterbox& box, Point screen) {
  if (box.scale <= 0.0f) return screen;
  return Point(static_cast<int32_t>((static_cast<float>(screen.x) - box.offset.x) / box.scale),
               static_cast<int32_t>((static_cast<float>(screen.y) - box.offset.y) / box.scale));
}

}  // namespace ORB
