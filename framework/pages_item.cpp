#include "framework/pages_item.h"

#include "engine/foundation/input_state.h"

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
  // A plain rectangle, unturned and unscaled.
  const ORB::OS_TRANSFORM3 world = transform_.GetWorld();
  const float half_w = static_cast<float>(GetWidth()) / 2.0f;
  const float half_h = static_cast<float>(GetHeight()) / 2.0f;
  return x >= world.position.x - half_w && x < world.position.x + half_w &&
         y >= world.position.y - half_h && y < world.position.y + half_h;
}

bool G_PAGES_ITEM::UnderPointer() const {
  const ORB::InputState* input = ORB::InputState::Current();
  if (input == nullptr) return false;
  const ORB::Point at = input->MousePosition();
  return Contains(static_cast<float>(at.x), static_cast<float>(at.y));
}

}  // namespace ORB_GF
