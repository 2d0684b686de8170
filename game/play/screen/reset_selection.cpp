#include "game/play/screen/reset_selection.h"

#include <algorithm>

#include "engine/foundation/colour_f.h"
#include "engine/foundation/number_text.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/timer.h"
#include "game/play/number_panel.h"

namespace game {

bool GG_RESET_SELECTION::LoadControl(const pugi::xml_node& root) {
  if (const pugi::xml_attribute a = root.attribute("time")) {
    time_ = std::max(ORB::ParseFloatText(a.value()), 0.0f);
  }
  const auto colour = [&root](const char* name, ORB::Colour& out) {
    if (const pugi::xml_attribute a = root.attribute(name)) ParseColourText(a.value(), out);
  };
  colour("begin_color", begin_);
  colour("mid_color", mid_);
  colour("end_color", end_);
  sprite_ = ReadPart(root.child("sprite"));
  Reset();
  return Background() != nullptr;
}

void GG_RESET_SELECTION::TurnTo(const ORB::Colour& colour) {
  from_ = colour_;
  to_ = colour;
  turned_ = time_ > 0.0f ? 0.0f : 1.0f;
  if (turned_ >= 1.0f) colour_ = to_;
}

bool GG_RESET_SELECTION::IsUnderPointer() const {
  return Background() != nullptr && IsShown() && Contains(*Background(), Pointer());
}

void GG_RESET_SELECTION::OnDragStarted() {
  dragging_ = true;
  hovered_ = false;
  TurnTo(mid_);
}

void GG_RESET_SELECTION::OnDragEnded() {
  dragging_ = false;
  hovered_ = false;
  if (sprite_) sprite_->Stop();
  TurnTo(begin_);
}

int32_t GG_RESET_SELECTION::OnPointerMove() {
  if (!dragging_ || IsLocked()) return ORB::kResultNone;
  const bool over = IsUnderPointer();
  if (over != hovered_) {
    hovered_ = over;
    TurnTo(over ? end_ : mid_);
    if (sprite_) {
      if (over) {
        sprite_->SetFrame(0);
        sprite_->Play(0.0f);
      } else {
        sprite_->Stop();
      }
    }
  }
  return ORB::kResultNone;
}

int32_t GG_RESET_SELECTION::OnButtonUp(int32_t /*button*/) {
  if (IsLocked() || !IsUnderPointer()) return ORB::kResultNone;
  if (dragging_) {
    if (drop_) drop_();
  } else {
    RunAction();
  }
  return ORB::kEventSwallowed;
}

void GG_RESET_SELECTION::Draw() {
  if (ORB_GF::G_ANIMATION* target = Background()) target->SetColor(colour_);
  GG_BASE_CONTROL::Draw();
  if (sprite_ && hovered_) sprite_->Draw();
}

void GG_RESET_SELECTION::Update() {
  GG_BASE_CONTROL::Update();
  if (sprite_) sprite_->Update();
  if (turned_ < 1.0f) {
    turned_ = std::min(1.0f, turned_ + ORB::GetFrameDelta() / time_);
    const ORB::ColourF from(from_.ToUInt());
    colour_ = (from + (ORB::ColourF(to_.ToUInt()) - from) * turned_).ToColourValue();
  }
}

void GG_RESET_SELECTION::AcquireResources() {
  GG_BASE_CONTROL::AcquireResources();
  if (sprite_) sprite_->LoadTexture();
}

void GG_RESET_SELECTION::ReleaseResources() {
  GG_BASE_CONTROL::ReleaseResources();
  if (sprite_) sprite_->ReleaseTexture();
}

void GG_RESET_SELECTION::Reset() {
  dragging_ = false;
  hovered_ = false;
  if (sprite_) sprite_->Stop();
  colour_ = from_ = to_ = begin_;
  turned_ = 1.0f;
  GG_BASE_CONTROL::Reset();
}

}  // namespace game
