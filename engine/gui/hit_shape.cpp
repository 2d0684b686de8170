#include "engine/gui/hit_shape.h"

#include <algorithm>
#include <cmath>

namespace ORB {

namespace {

// v lies between from and to, both included, whichever side to is on (a
// mirrored quad has a negative scale).
bool Within(float v, float from, float to) {
  return v >= std::min(from, to) && v <= std::max(from, to);
}

}  // namespace

void OC_HIT_SHAPE::Set(int32_t kind, OS_TRANSFORM3* transform, float width, float height,
                       float depth, int32_t tag) {
  kind_ = kind;
  transform_ = transform;
  width_ = width;
  height_ = height;
  depth_ = depth;
  tag_ = tag;
}

bool OC_HIT_SHAPE::Contains(float x, float y) const {
  if (transform_ == nullptr || (kind_ != kCircle && kind_ != kRectangle)) return false;
  // The world placement, combined up the parents once.
  OS_TRANSFORM3 world = transform_->GetWorld();
  world.parent = nullptr;
  switch (kind_) {
    case kCircle: {
      const Vector3 centre = world.position;
      const float r = width_;
      if (!(centre.x - r < x && x < centre.x + r && centre.y - r < y && y < centre.y + r)) {
        return false;
      }
      return std::hypot(x - centre.x, y - centre.y) <= r;
    }
    case kRectangle: {
      // No quick box around the position first: the pivot need not be the
      // centre, and a turned rectangle reaches beyond such a box.
      const Vector2 local = ToLocalPoint(x, y, world);
      const float sx = world.scale.x;
      const float sy = world.scale.y;
      return Within(local.x, inset_.left * sx, (width_ - inset_.right) * sx) &&
             Within(local.y, inset_.top * sy, (height_ - inset_.bottom) * sy);
    }
    default: return false;
  }
}

}  // namespace ORB
