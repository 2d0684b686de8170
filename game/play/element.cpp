#include "game/play/element.h"

namespace game {

GG_ELEMENT::GG_ELEMENT(uint32_t type, uint32_t row, uint32_t col)
    : row_(row),
      col_(col),
      type_(type),
      shown_(type == kInert ? kInert : kClosed),
      revealed_(type == kInert) {}

void GG_ELEMENT::SetPosition(const ORB::Vector2& centre) {
  transform_.SetPositionV2(centre);
  UpdateRect();
}

void GG_ELEMENT::SetSize(const ORB::Vector2& size) {
  size_ = size;
  UpdateRect();
}

void GG_ELEMENT::UpdateRect() {
  const ORB::Vector2 corner = Centre() - size_ / 2.0f;
  rect_corner_ = ORB::Point(static_cast<int32_t>(corner.x), static_cast<int32_t>(corner.y));
}

int32_t GG_ELEMENT::Open(double delay, uint32_t toolType) {
  if (IsOpen() || type_ == kInert) return kOpenNothing;
  open_delay_ = delay;
  shown_ = type_;
  revealed_ = false;
  if (delay == 0.0) SetShown(type_);
  return type_ == toolType ? kOpenRight : kOpenWrong;
}

int32_t GG_ELEMENT::OpenAsFilled(double delay) { return Open(delay, kFilled); }

int32_t GG_ELEMENT::OpenAsEmpty(double delay) { return Open(delay, kEmpty); }

int32_t GG_ELEMENT::HitTest(int32_t button, const ORB::Point& pointer) const {
  if (locked_ || (button != 1 && button != 2)) return 0;
  const float x = static_cast<float>(pointer.x);
  const float y = static_cast<float>(pointer.y);
  const float left = static_cast<float>(rect_corner_.x);
  const float top = static_cast<float>(rect_corner_.y);
  if (x < left || y < top || x > left + size_.x || y > top + size_.y) return 0;
  return -109;
}

void GG_ELEMENT::SetShown(uint32_t state) {
  shown_ = state;
  revealed_ = state != kClosed;
}

bool GG_ELEMENT::UpdateOpenDelay(float frameTime) {
  if (open_delay_ <= 0.0) return false;
  open_delay_ -= frameTime;
  if (open_delay_ > 0.0) return false;
  SetShown(type_);
  return true;
}

}  // namespace game
