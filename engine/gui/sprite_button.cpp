#include "engine/gui/sprite_button.h"

#include <cmath>
#include <utility>

#include "engine/foundation/result_codes.h"
#include "engine/gui/gui_input.h"
#include "engine/platform/key_codes.h"

namespace ORB {

namespace {

constexpr int32_t kButton1 = platform::kMouseLeft;
constexpr int32_t kButton2 = platform::kMouseRight;

float TextureSide(const TextureRecord* texture, bool width) {
  if (texture == nullptr) return 0.0f;
  return static_cast<float>(width ? texture->Width() : texture->Height());
}

}  // namespace

// --- Parts.

SpriteButtonParts::SpriteButtonParts(TextureRecord* texture, OS_TRANSFORM3* transform)
    : own_transform_(transform == nullptr ? std::make_unique<OS_TRANSFORM3>() : nullptr),
      transform_(transform != nullptr ? transform : own_transform_.get()),
      quad_(texture, transform_) {
  // Also without a texture the quad follows the button's transform.
  quad_.SetTransform(transform_);
}

void SpriteButtonParts::ShapeQuad(float w, float h) {
  quad_.SetSize(std::trunc(w), std::trunc(h));
  quad_.SetAnchor(HS_MID, 0.0f, 0.0f);
  ShowState();
}

void SpriteButtonParts::SetScript(SpriteButtonScript which, std::unique_ptr<Callback> script) {
  scripts_[static_cast<size_t>(which)] = std::move(script);
}

void SpriteButtonParts::Run(SpriteButtonScript which) {
  // The copy outlives a script that replaces itself.
  const std::shared_ptr<Callback> script = scripts_[static_cast<size_t>(which)];
  InvokeCallback(script.get());
}

void SpriteButtonParts::Press(bool button1, bool button2) {
  if (button1) held1_ = true;
  if (button2) held2_ = true;
  if (!button1 && !button2) return;
  state_ = kSpritePressed;
  // One press script for each button that went down.
  if (button1) Run(SpriteButtonScript::kPress);
  if (button2) Run(SpriteButtonScript::kPress);
}

bool SpriteButtonParts::Release(bool button1, bool button2, int32_t to, bool while_other_held) {
  const std::pair<bool&, bool> releases[] = {{held1_, button1}, {held2_, button2}};
  for (size_t i = 0; i < 2; ++i) {
    auto& [held, released] = releases[i];
    if (!held || !released) continue;
    held = false;
    const bool other_held = i == 0 ? held2_ : held1_;
    if (!other_held || while_other_held) state_ = to;
    if (!other_held) Run(i == 0 ? SpriteButtonScript::kClick1 : SpriteButtonScript::kClick2);
    return true;
  }
  return false;
}

void SpriteButtonParts::Leave() {
  state_ = kSpriteNormal;
  held1_ = false;
  held2_ = false;
  Run(SpriteButtonScript::kLeave);
}

void SpriteButtonParts::SetEnabled(bool enabled) {
  if (enabled == (state_ != kSpriteDisabled)) return;
  state_ = enabled ? kSpriteNormal : kSpriteDisabled;
  held1_ = false;
  held2_ = false;
  ShowState();
}

// --- Button.

OC_SPRITE_BUTTON::OC_SPRITE_BUTTON(TextureRecord* texture, OS_TRANSFORM3* transform, int32_t kind,
                                   float width, float height)
    : SpriteButtonParts(texture, transform) {
  if (kind == OC_HIT_SHAPE::kCircle && height == 0.0f) height = width;
  const float w = width != 0.0f ? width : 0.2f * TextureSide(texture, true);
  const float h = height != 0.0f ? height : TextureSide(texture, false);
  shape_.Set(kind, transform_, w, h, 0.0f, 0);
  if (kind == OC_HIT_SHAPE::kCircle) shape_.SetRadius(w / 2.0f);
  ShapeQuad(w, h);
}

void OC_SPRITE_BUTTON::Reset() {
  state_ = kSpriteNormal;
  ShowState();
}

int32_t OC_SPRITE_BUTTON::Update() {
  const GuiInput input = GuiInput::Current();
  if (!input || state_ == kSpriteSelected || state_ == kSpriteDisabled) return kResultNone;
  const bool inside = shape_.Contains(input.X(), input.Y());
  switch (state_) {
    case kSpriteNormal:
      if (!inside) return kResultNone;
      state_ = kSpriteHover;
      Run(SpriteButtonScript::kEnter);
      if (!input.WentDown(kButton1)) return kSpriteHover;
      Press(true, false);
      return kSpritePressed;
    case kSpriteHover:
      if (!inside) {
        Leave();
      } else {
        // A button that went up is no longer held, even when its release
        // clicked nothing (the other button was held then): a stale flag
        // would keep the next click of the other button from its script.
        if (input.WentUp(kButton1)) held1_ = false;
        if (input.WentUp(kButton2)) held2_ = false;
        Press(input.WentDown(kButton1), input.WentDown(kButton2));
      }
      ShowState();
      return kResultNone;
    case kSpritePressed:
      if (!inside) Leave();
      if (Release(input.WentUp(kButton1), input.WentUp(kButton2), kSpriteHover, true)) {
        ShowState();
        return kResultClicked;
      }
      ShowState();
      return kResultNone;
    default: return kResultNone;
  }
}

// --- Toggle.

OC_SPRITE_TOGGLE::OC_SPRITE_TOGGLE(TextureRecord* texture) : SpriteButtonParts(texture, nullptr) {
  const float w = 0.2f * TextureSide(texture, true);
  const float h = TextureSide(texture, false);
  shape_.Set(OC_HIT_SHAPE::kRectangle, transform_, w, h, 0.0f, 0);
  ShapeQuad(w, h);
}

int32_t OC_SPRITE_TOGGLE::Update() {
  const GuiInput input = GuiInput::Current();
  if (!input || state_ == kSpriteDisabled) return kResultNone;
  const bool inside = shape_.Contains(input.X(), input.Y());
  const bool pressed1 = input.WentDown(kButton1);
  const bool pressed2 = input.WentDown(kButton2);
  const bool released1 = input.WentUp(kButton1);
  const bool released2 = input.WentUp(kButton2);
  int32_t result = kResultNone;
  switch (state_) {
    case kSpriteNormal:
      if (inside) {
        state_ = kSpriteHover;
        Run(SpriteButtonScript::kEnter);
        result = kSpriteHover;
      }
      break;
    case kSpriteHover:
      if (!inside) {
        Leave();
      } else {
        Press(pressed1, pressed2);
      }
      break;
    case kSpritePressed:
      if (!inside) {
        Leave();
        break;
      }
      if (Release(released1, released2, kSpriteSelected, true)) {
        hover_selected_ = true;
        result = kResultClicked;
      } else {
        Press(pressed1, pressed2);
      }
      break;
    case kSpriteSelected:
      if (Release(released1, released2, kSpriteHover, false)) {
        result = kResultClicked;
      } else if (!inside) {
        hover_selected_ = false;
        held1_ = false;
        held2_ = false;
      } else {
        hover_selected_ = true;
        if (pressed1) {
          held1_ = true;
          Run(SpriteButtonScript::kPress);
        }
        if (pressed2) {
          held2_ = true;
          Run(SpriteButtonScript::kPress);
        }
      }
      break;
    default: break;
  }
  ShowState();
  return result;
}

void OC_SPRITE_TOGGLE::Draw() {
  if (state_ != kSpriteSelected) {
    quad_.Draw();
    return;
  }
  const int32_t under = !hover_selected_     ? kSpriteNormal
                        : (held1_ || held2_) ? kSpritePressed
                                             : kSpriteHover;
  ShowFrame(under);
  quad_.Draw();
  ShowFrame(kSpriteSelected);
  quad_.Draw();
}

}  // namespace ORB
