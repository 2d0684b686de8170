#include "framework/pages_item.h"

#include <sstream>

#include "engine/foundation/input_state.h"
#include "engine/gui/hit_shape.h"

namespace ORB_GF {

G_PAGES_ITEM::G_PAGES_ITEM(uint32_t item_id) { id = item_id; }

int32_t G_PAGES_ITEM::Handle(int32_t msg, float a, float b, float, void* data) {
  namespace m = page_message;
  const auto button = static_cast<int32_t>(a);
  switch (msg) {
    case m::kUpdate: Update(); return 0;
    case m::kDraw: Draw(); return 0;
    case m::kSetPosition:
      transform_.position.x = a;
      transform_.position.y = b;
      return 1;
    case m::kGetWidth: return GetWidth();
    case m::kGetHeight: return GetHeight();
    case m::kSetParent:
      if (data != nullptr) transform_.parent = static_cast<ORB::OS_TRANSFORM3*>(data);
      return 0;
    case m::kMouseDown: return OnMouseDown(button);
    case m::kMouseUp: return OnMouseUp(button);
    case m::kMouseMove: return OnMouseMove();
    case m::kLoadResources: LoadResources(); return 1;
    case m::kReleaseResources: ReleaseResources(); return 1;
    case m::kRefresh: Refresh(); return 1;
    default: return 0;
  }
}

bool G_PAGES_ITEM::Contains(float x, float y) const {
  // The item's rectangle is centred on its position: a transform under the
  // item's with the pivot at the rectangle's middle.
  const float w = static_cast<float>(GetWidth());
  const float h = static_cast<float>(GetHeight());
  ORB::OS_TRANSFORM3 centred;
  centred.pivot.Set(w / 2.0f, h / 2.0f, 0.0f);
  centred.parent = const_cast<ORB::OS_TRANSFORM3*>(&transform_);
  ORB::OC_HIT_SHAPE shape;
  shape.Set(ORB::OC_HIT_SHAPE::kRectangle, &centred, w, h, 0.0f, 0);
  shape.SetInset(hit_inset_);
  return shape.Contains(x, y);
}

void G_PAGES_ITEM::ReadHitInset(const char* text) {
  std::istringstream numbers(text != nullptr ? text : "");
  ORB::HitInset inset;
  if (numbers >> inset.left >> inset.top >> inset.right >> inset.bottom) hit_inset_ = inset;
}

bool G_PAGES_ITEM::UnderPointer() const {
  const ORB::InputState* input = ORB::InputState::Current();
  if (input == nullptr) return false;
  const ORB::Point at = input->MousePosition();
  return Contains(static_cast<float>(at.x), static_cast<float>(at.y));
}

}  // namespace ORB_GF
