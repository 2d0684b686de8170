#include "game/play/screen/hint_button.h"

#include <algorithm>

#include "engine/foundation/result_codes.h"

namespace game {

bool GG_HINT_BUTTON::LoadControl(const pugi::xml_node& root) {
  button_ = ReadPart(root.child("button_sprite"));
  hint_ = ReadPart(root.child("hint"));
  if (hint_) hint_->SetLoop(false);
  if (!button_) return false;
  button_->Stop();
  button_->SetGrid(kFrames, 1);
  button_->SetFrameCount(kFrames);
  SetCount(count_);
  return true;
}

void GG_HINT_BUTTON::SetCount(int32_t count) {
  const int32_t before = count_;
  count_ = std::max(count, 0);
  frame_ = std::min(count_, kFrames - 1);
  if (button_) button_->SetFrame(frame_);
  if (count_ > 0) {
    SlideIn(0.0f);
    Snap();
    if (count_ > before && hint_) {
      hint_->SetFrame(0);
      hint_->Play(0.0f);
    }
  } else if (IsShown()) {
    SlideOut(Delay());
  }
}

int32_t GG_HINT_BUTTON::OnButtonDown(int32_t button) {
  if (IsLocked() || button != 1 || count_ <= 0 || !IsShown() || !button_) {
    return ORB::kResultNone;
  }
  if (!button_->IsOnScreen() || !Contains(*button_, Pointer())) return ORB::kResultNone;
  RunAction();
  return ORB::kEventSwallowed;
}

void GG_HINT_BUTTON::Draw() {
  GG_BASE_CONTROL::Draw();
  if (button_) button_->Draw();
  if (hint_ && hint_->IsPlaying()) hint_->Draw();
}

void GG_HINT_BUTTON::Update() {
  GG_BASE_CONTROL::Update();
  if (hint_) hint_->Update();
}

void GG_HINT_BUTTON::AcquireResources() {
  GG_BASE_CONTROL::AcquireResources();
  if (button_) {
    button_->LoadTexture();
    button_->SetFrame(frame_);
  }
  if (hint_) hint_->LoadTexture();
}

void GG_HINT_BUTTON::ReleaseResources() {
  GG_BASE_CONTROL::ReleaseResources();
  if (button_) button_->ReleaseTexture();
  if (hint_) hint_->ReleaseTexture();
}

void GG_HINT_BUTTON::Reset() {
  count_ = 0;
  frame_ = 0;
  if (button_) button_->SetFrame(0);
  if (hint_) hint_->Stop();
  SlideOut(0.0f);
  GG_BASE_CONTROL::Reset();
}

ORB::Vector2 GG_HINT_BUTTON::ScreenPoint() const {
  const ORB::OS_TRANSFORM3 world = Transform().GetWorld();
  return world.GetPositionV2();
}

}  // namespace game
