#include "game/play/screen/base_control.h"

#include <algorithm>

#include "engine/foundation/input_state.h"
#include "engine/foundation/number_text.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/timer.h"

namespace game {

bool GG_BASE_CONTROL::Load(const pugi::xml_node& root) {
  if (!root) return false;
  transform_ = ORB::OS_TRANSFORM3();
  if (const pugi::xml_node node = root.child("TRANSFORM")) transform_.Parse(node.text().get());
  home_ = transform_.GetPositionV2();
  if (const pugi::xml_attribute a = root.attribute("speed"))
    speed_ = ORB::ParseFloatText(a.value());
  if (const pugi::xml_attribute a = root.attribute("delay"))
    delay_ = ORB::ParseFloatText(a.value());
  background_ = ReadPart(root.child("background"));
  share_ = target_ = 1.0f;
  shown_ = true;
  return LoadControl(root);
}

std::unique_ptr<ORB_GF::G_ANIMATION> GG_BASE_CONTROL::ReadPart(const pugi::xml_node& node) {
  if (!node) return nullptr;
  auto part = std::make_unique<ORB_GF::G_ANIMATION>(node);
  part->EnsureTransform().parent = &transform_;
  return part;
}

void GG_BASE_CONTROL::Draw() {
  if (background_) background_->Draw();
}

int32_t GG_BASE_CONTROL::OnButtonDown(int32_t /*button*/) { return ORB::kResultNone; }
int32_t GG_BASE_CONTROL::OnButtonUp(int32_t /*button*/) { return ORB::kResultNone; }
int32_t GG_BASE_CONTROL::OnPointerMove() { return ORB::kResultNone; }

void GG_BASE_CONTROL::ApplyPosition() {
  transform_.SetPosition(home_.x + (1.0f - share_) * kSlideDistance, home_.y, 0.0f);
}

void GG_BASE_CONTROL::Show() {
  if (!shown_ && background_) background_->Play(0.0f);
  shown_ = true;
  SlideIn(0.0f);
}

void GG_BASE_CONTROL::Hide() {
  shown_ = false;
  SlideOut(0.0f);
}

void GG_BASE_CONTROL::SlideIn(float delay) {
  if (!shown_ && background_) background_->Play(0.0f);
  shown_ = true;
  target_ = 1.0f;
  wait_ = std::max(delay, 0.0f);
  if (wait_ == 0.0f && speed_ <= 0.0f) share_ = target_;
  ApplyPosition();
}

void GG_BASE_CONTROL::SlideOut(float delay) {
  shown_ = false;
  target_ = 0.0f;
  wait_ = std::max(delay, 0.0f);
  if (wait_ == 0.0f && speed_ <= 0.0f) share_ = target_;
  ApplyPosition();
}

void GG_BASE_CONTROL::Snap() {
  share_ = target_;
  wait_ = 0.0f;
  ApplyPosition();
}

void GG_BASE_CONTROL::Update() {
  if (background_) background_->Update();
  if (share_ == target_) return;
  const float delta = ORB::GetFrameDelta();
  if (wait_ > 0.0f) {
    wait_ -= delta;
    if (wait_ > 0.0f) return;
  }
  // Without a speed a control jumps.
  const float step = speed_ > 0.0f ? delta * speed_ : 1.0f;
  share_ = target_ > share_ ? std::min(share_ + step, target_) : std::max(share_ - step, target_);
  ApplyPosition();
}

void GG_BASE_CONTROL::AcquireResources() {
  if (background_) background_->LoadTexture();
}

void GG_BASE_CONTROL::ReleaseResources() {
  if (background_) background_->ReleaseTexture();
}

void GG_BASE_CONTROL::Reset() {
  locked_ = false;
  Snap();
}

bool GG_BASE_CONTROL::Contains(const ORB_GF::G_SPRITE& sprite, const ORB::Point& point) {
  const ORB::OS_TRANSFORM3* transform = sprite.GetTransform();
  if (transform == nullptr) return false;
  const ORB::Vector2 local =
      ORB::ToLocalPoint(static_cast<float>(point.x), static_cast<float>(point.y), *transform);
  const ORB::OS_TRANSFORM3 world = transform->GetWorld();
  const float w = sprite.OC_MESH::GetWidth() * world.scale.x;
  const float h = sprite.OC_MESH::GetHeight() * world.scale.y;
  return local.x >= 0.0f && local.y >= 0.0f && local.x <= w && local.y <= h;
}

ORB::Point GG_BASE_CONTROL::Pointer() {
  const ORB::InputState* input = ORB::InputState::Current();
  return input != nullptr ? input->MousePosition() : ORB::Point();
}

}  // namespace game
