#include "engine/gui/gui_scroll_bar12.h"

#include <algorithm>
#include <utility>

#include "engine/foundation/colour.h"
#include "engine/foundation/renderer.h"

namespace ORB {

namespace {

// The bar's own rounded constants.
constexpr float kPi = 3.14f;
constexpr float kQuarter = 1.57f;
constexpr uint32_t kMarkerColours[3] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};

}  // namespace

OC_GUI_SCROLL_BAR12::OC_GUI_SCROLL_BAR12(int32_t id, std::string textureName)
    : OC_GUI_OBJECT(id, kGuiKindPlain), texture_(std::move(textureName)) {
  for (size_t i = 0; i < transforms_.size(); ++i) {
    transforms_[i].parent = &GetTransform();
    hits_[i].Set(OC_HIT_SHAPE::kCircle, &transforms_[i], kRadius, 0.0f, 0.0f, 0);
  }
  TextureRecord* texture = texture_.Take();
  if (!texture_.IsHeld()) {
    LogMissingTexture(texture_.Name());
    return;
  }
  const float piece = 2.0f * hits_[0].GetRadius();
  const Vector2 start = transforms_[0].GetPositionV2();
  const Vector2 end = transforms_[1].GetPositionV2();
  SliderLayout layout;
  layout.start_cap = start;
  layout.end_cap = end;
  layout.track_centre = (start + end) * 0.5f;
  layout.track_length = std::max(Vector2::Distance(start, end) - 3.0f * piece, 0.0f);
  pieces_.Make(texture, &GetTransform(), &transforms_[0], &transforms_[1], &transforms_[2]);
  pieces_.Size(piece, piece, layout.track_length);
  pieces_.ShowStates(0, 0, 0);
  pieces_.ShowFixedFrames();
  pieces_.Place(layout);
  const bool end_below = end.y > start.y;
  pieces_.Turn(SliderAngle(direction_, end_below, kPi), kQuarter, &transforms_[0], &transforms_[1],
               &transforms_[2]);
}

OC_GUI_SCROLL_BAR12::~OC_GUI_SCROLL_BAR12() = default;

void OC_GUI_SCROLL_BAR12::Draw() {
  pieces_.Draw();
  Renderer* renderer = Renderer::Current();
  if (renderer == nullptr) return;
  for (size_t i = 0; i < hits_.size(); ++i) {
    const Vector3 centre = transforms_[i].GetWorld().position;
    const float r = hits_[i].GetRadius();
    renderer->DrawSquare(centre.x - r, centre.y - r, Colour(kMarkerColours[i]), kMarkerSide);
  }
}

}  // namespace ORB
