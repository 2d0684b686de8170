#include "game/play/screen/error_panel.h"

#include <algorithm>

#include "engine/foundation/number_text.h"
#include "engine/foundation/timer.h"

namespace game {

bool gErrorPanel::Load(const pugi::xml_node& element) {
  mark_template_.reset();
  lock_.reset();
  background_.reset();
  if (!element) return false;
  if (const pugi::xml_attribute a = element.attribute("pos")) pos_.Parse(a.value());
  if (const pugi::xml_attribute a = element.attribute("grid")) grid_.Parse(a.value());
  grid_.x = std::max(grid_.x, 0);
  grid_.y = std::max(grid_.y, 0);
  if (const pugi::xml_attribute a = element.attribute("interval")) interval_.Parse(a.value());
  if (const pugi::xml_attribute a = element.attribute("ping")) {
    ping_ = std::max(ORB::ParseFloatText(a.value()), 0.0f);
  }
  if (const pugi::xml_node node = element.child("sprite_lock")) {
    lock_ = std::make_unique<ORB_GF::G_SPRITE>(node);
  }
  if (const pugi::xml_node node = element.child("background")) {
    background_ = std::make_unique<ORB_GF::G_SPRITE>(node);
  }
  if (const pugi::xml_node node = element.child("sprite")) {
    mark_template_ = std::make_unique<ORB_GF::G_ANIMATION>(node);
    mark_template_->SetLoop(false);
  }
  return mark_template_ != nullptr;
}

ORB::Vector2 gErrorPanel::PlaceCentre(int32_t i) const {
  const int32_t columns = std::max(grid_.x, 1);
  return {pos_.x + static_cast<float>(i % columns * interval_.x),
          pos_.y + static_cast<float>(i / columns * interval_.y)};
}

void gErrorPanel::SetPlaces(int32_t places) { places_ = std::clamp(places, 0, Capacity()); }

float gErrorPanel::MarkTime() const {
  if (!mark_template_ || mark_template_->Fps() <= 0.0f) return 0.0f;
  return static_cast<float>(mark_template_->FrameCount()) / mark_template_->Fps();
}

void gErrorPanel::MarkError() {
  // Past the grid's last place a mark has nowhere to stand.
  if (!mark_template_ || Marks() >= Capacity()) return;
  auto mark = std::make_unique<ORB_GF::G_ANIMATION>(*mark_template_);
  if (acquired_) mark->LoadTexture();
  const ORB::Vector2 at = PlaceCentre(Marks());
  mark->SetPosition(at.x, at.y, 0.0f);
  // After the mark before it has played and the ping.
  const float start = std::max(clock_, last_start_ + MarkTime() + ping_);
  mark->SetFrame(0);
  mark->Play(start - clock_);
  last_start_ = start;
  marks_.push_back(std::move(mark));
}

void gErrorPanel::Clear() {
  marks_.clear();
  last_start_ = -1.0e9f;
}

void gErrorPanel::Reset() {
  Clear();
  places_ = 0;
  clock_ = 0.0f;
}

float gErrorPanel::GetAnimationTime() const {
  return static_cast<float>(Marks()) * (MarkTime() + ping_);
}

const ORB_GF::G_ANIMATION* gErrorPanel::Mark(int32_t i) const {
  return i >= 0 && i < Marks() ? marks_[static_cast<size_t>(i)].get() : nullptr;
}

void gErrorPanel::Update() {
  clock_ += ORB::GetFrameDelta();
  for (const auto& mark : marks_) mark->Update();
}

void gErrorPanel::Draw() {
  if (background_) background_->Draw();
  if (lock_) {
    for (int32_t i = places_; i < Capacity(); ++i) {
      const ORB::Vector2 at = PlaceCentre(i);
      lock_->SetPosition(at.x, at.y, 0.0f);
      lock_->Draw();
    }
  }
  for (const auto& mark : marks_) mark->Draw();
}

void gErrorPanel::AcquireResources() {
  acquired_ = true;
  for (ORB_GF::G_SPRITE* sprite :
       {static_cast<ORB_GF::G_SPRITE*>(lock_.get()), background_.get()}) {
    if (sprite != nullptr) sprite->LoadTexture();
  }
  for (const auto& mark : marks_) mark->LoadTexture();
}

void gErrorPanel::ReleaseResources() {
  acquired_ = false;
  for (ORB_GF::G_SPRITE* sprite :
       {static_cast<ORB_GF::G_SPRITE*>(lock_.get()), background_.get()}) {
    if (sprite != nullptr) sprite->ReleaseTexture();
  }
  for (const auto& mark : marks_) mark->ReleaseTexture();
}

}  // namespace game
