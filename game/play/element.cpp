#include "game/play/element.h"

#include "engine/foundation/result_codes.h"

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
  for (ORB_GF::G_SPRITE* look :
       {static_cast<ORB_GF::G_SPRITE*>(filled_.get()), static_cast<ORB_GF::G_SPRITE*>(cross_.get()),
        overlay_.get(), static_cast<ORB_GF::G_SPRITE*>(end_.get())}) {
    if (look != nullptr) look->SetSize(size_.x, size_.y);
  }
}

void GG_ELEMENT::UpdateRect() {
  const ORB::Vector2 corner = Centre() - size_ / 2.0f;
  rect_corner_ = ORB::Point(static_cast<int32_t>(corner.x), static_cast<int32_t>(corner.y));
}

void GG_ELEMENT::StartEnd() {
  end_started_ = true;
  if (end_) end_->Play(0.0f);
}

void GG_ELEMENT::Attach(ORB_GF::G_SPRITE& look) {
  look.SetHotSpot(ORB::HS_MID, 0.0f, 0.0f);
  look.SetSize(size_.x, size_.y);
  ORB::OS_TRANSFORM3& placement = look.EnsureTransform();
  placement.SetPosition(0.0f, 0.0f, 0.0f);
  placement.parent = &transform_;
}

void GG_ELEMENT::SetVisuals(const CellTemplates& templates) {
  filled_ = templates.filled ? std::make_unique<ORB_GF::G_ANIMATION>(*templates.filled) : nullptr;
  cross_ = templates.cross ? std::make_unique<ORB_GF::G_ANIMATION>(*templates.cross) : nullptr;
  overlay_ = templates.overlay ? std::make_unique<ORB_GF::G_SPRITE>(*templates.overlay) : nullptr;
  end_ = templates.end ? std::make_unique<ORB_GF::G_ANIMATION>(*templates.end) : nullptr;
  if (filled_) Attach(*filled_);
  if (cross_) Attach(*cross_);
  if (overlay_) Attach(*overlay_);
  if (end_) {
    Attach(*end_);
    end_->SetLoop(false);
    end_->Stop();
  }
  // A cell opened before its looks came shows its state now.
  if (revealed_ && shown_ == kFilled && filled_) filled_->Play(0.0f);
  if (revealed_ && shown_ == kEmpty && cross_) cross_->Play(0.0f);
}

void GG_ELEMENT::AcquireTextures() {
  // Loading a sheet's texture sizes the sprite to one frame: back to the cell.
  for (ORB_GF::G_SPRITE* look :
       {static_cast<ORB_GF::G_SPRITE*>(filled_.get()), static_cast<ORB_GF::G_SPRITE*>(cross_.get()),
        overlay_.get(), static_cast<ORB_GF::G_SPRITE*>(end_.get())}) {
    if (look == nullptr) continue;
    look->LoadTexture();
    look->SetSize(size_.x, size_.y);
  }
}

void GG_ELEMENT::ReleaseTextures() {
  if (filled_) filled_->ReleaseTexture();
  if (cross_) cross_->ReleaseTexture();
  if (overlay_) overlay_->ReleaseTexture();
  if (end_) end_->ReleaseTexture();
}

void GG_ELEMENT::DrawFilled() const {
  if (filled_ && revealed_ && shown_ == kFilled) filled_->Draw();
}

void GG_ELEMENT::DrawCross() const {
  if (cross_ && revealed_ && shown_ == kEmpty) cross_->Draw();
}

void GG_ELEMENT::DrawOverlay() const {
  if (overlay_ && (type_ == kInert || locked_)) overlay_->Draw();
}

void GG_ELEMENT::DrawEnd() const {
  if (end_ && shown_ == kFilled && end_->IsPlaying()) end_->Draw();
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
  if (locked_ || (button != 1 && button != 2)) return ORB::kResultNone;
  const float x = static_cast<float>(pointer.x);
  const float y = static_cast<float>(pointer.y);
  const float left = static_cast<float>(rect_corner_.x);
  const float top = static_cast<float>(rect_corner_.y);
  if (x < left || y < top || x > left + size_.x || y > top + size_.y) return ORB::kResultNone;
  return ORB::kEventSwallowed;
}

void GG_ELEMENT::SetShown(uint32_t state) {
  shown_ = state;
  revealed_ = state != kClosed;
  if (state == kFilled && filled_) filled_->Play(0.0f);
  if (state == kEmpty && cross_) cross_->Play(0.0f);
}

void GG_ELEMENT::UpdateAnimations() {
  if (end_) end_->Update();
  if (filled_) filled_->Update();
  if (cross_) cross_->Update();
}

bool GG_ELEMENT::UpdateOpenDelay(float frameTime) {
  if (open_delay_ <= 0.0) {
    UpdateAnimations();
    return false;
  }
  open_delay_ -= frameTime;
  if (open_delay_ > 0.0) return false;
  SetShown(type_);
  return true;
}

}  // namespace game
