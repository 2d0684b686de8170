#include "game/play/screen/store_button.h"

#include "engine/foundation/result_codes.h"

namespace game {

bool GG_STORE_BUTTON::LoadControl(const pugi::xml_node& root) {
  LoadButton(root);
  SlideOut(0.0f);
  Reset();
  return true;
}

void GG_STORE_BUTTON::SetHints(int32_t held) {
  if (held <= 0) {
    if (!IsShown()) SlideIn(Delay());
  } else if (IsShown()) {
    SlideOut(0.0f);
  }
}

int32_t GG_STORE_BUTTON::OnButtonDown(int32_t /*button*/) {
  if (IsLocked() || !IsShown() || !HasButton()) return ORB::kResultNone;
  if (PassDown() != ORB::kGuiEventPressed) return ORB::kResultNone;
  RunAction();
  return ORB::kEventSwallowed;
}

int32_t GG_STORE_BUTTON::OnButtonUp(int32_t /*button*/) {
  if (IsLocked() || !HasButton()) return ORB::kResultNone;
  return PassUp() == ORB::kGuiEventClicked ? ORB::kEventSwallowed : ORB::kResultNone;
}

int32_t GG_STORE_BUTTON::OnPointerMove() {
  if (!IsLocked()) PassMove();
  return ORB::kResultNone;
}

void GG_STORE_BUTTON::Draw() {
  // Nothing of an edition without a store button; nothing once slid out.
  if (!HasButton() || SlideShare() <= 0.0f) return;
  gButtonControl::Draw();
}

void GG_STORE_BUTTON::Reset() {
  // Out until the level says no hint is held.
  SlideOut(0.0f);
  GG_BASE_CONTROL::Reset();
}

}  // namespace game
