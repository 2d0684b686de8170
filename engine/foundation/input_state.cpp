#include "engine/foundation/input_state.h"

#include "engine/foundation/hooks.h"
#include "engine/foundation/key_text.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/key_codes.h"

namespace ORB {

namespace {

InputState* g_current = nullptr;

// Shift also marks state 20, whose lowest bit the key translation reads, so
// letters typed while it is held come out as capitals.
constexpr int32_t kShift = platform::kKeyShift;
constexpr int32_t kShiftMark = platform::kKeyCapsLock;

}  // namespace

InputState::InputState() { g_current = this; }

InputState::~InputState() {
  if (g_current == this) g_current = nullptr;
}

InputState* InputState::Current() { return g_current; }

void InputState::OnKeyDown(int32_t code) {
  if (!platform::IsValidKeyCode(code)) return;
  PressKey(code);
  if (!IsControlKey(code)) KeyToText(code, keys_.data(), text_.data(), text_.size());
  FireHook(Hook::KeyDown, code);
}

void InputState::OnKeyDownTyped(int32_t code, wchar_t typed) {
  if (!platform::IsValidKeyCode(code)) {
    OnTypedText(typed);
    return;
  }
  PressKey(code);
  const bool control = IsControlKey(code);
  SetText(control ? 0 : typed);
  FireHook(Hook::KeyDown, code);
  if (control) OnTypedText(typed);
}

void InputState::OnTypedText(wchar_t typed) {
  if (typed == 0) return;
  last_key_ = 0;
  SetText(typed);
  FireHook(Hook::KeyDown, 0);
}

void InputState::SetText(wchar_t typed) {
  text_.fill(0);
  text_[0] = typed;
}

void InputState::PressKey(int32_t code) {
  last_key_ = code;
  if (code == kShift) {
    keys_[kShift] = kStatePressed;
    keys_[kShiftMark] = kStatePressed;
  } else {
    const auto signed_state = static_cast<int8_t>(keys_[code]);
    if (signed_state <= 120) {
      keys_[code] = static_cast<uint8_t>(keys_[code] + 1);  // 0 -> 1, 1 -> 2, 255 -> 0
    } else {
      keys_[code] = 2;
    }
  }
}

void InputState::OnKeyUp(int32_t code) {
  if (!platform::IsValidKeyCode(code)) return;
  if (code == kShift) {
    keys_[kShift] = kStateReleased;
    keys_[kShiftMark] = kStateReleased;
  } else {
    keys_[code] = kStateReleased;
  }
  FireHook(Hook::KeyUp, code);
}

void InputState::OnMouseMove(int32_t x, int32_t y) {
  previous_mouse_ = mouse_;
  mouse_ = Point(x, y);
  FireHook(Hook::MouseMove);
}

void InputState::ReleaseAll() {
  for (int32_t code = 1; code < platform::kKeyCount; ++code) {
    if (code == kShiftMark) continue;  // follows Shift
    if (keys_[code] >= kStatePressed && keys_[code] <= kStateHeldMax) OnKeyUp(code);
  }
}

void InputState::Update() {
  last_key_ = 0;
  text_[0] = 0;
  for (int32_t code = 0; code < platform::kKeyCount; ++code) {
    uint8_t& state = keys_[code];
    if (state == kStateReleased) {
      state = kStateUp;
    } else if (code != kShiftMark && state != kStateUp) {
      const int next = state + 1;
      state = static_cast<uint8_t>(next > kStateHeldMax ? 2 : next);
    }
  }
}

uint8_t InputState::GetKey(int32_t code) const {
  if (code < 0 || code >= platform::kKeyCount) return kStateUp;
  return keys_[code];
}

bool InputState::IsControlKey(int32_t code) {
  switch (code) {
    case 8:
    case 13:
    case 16:
    case 17:
    case 27:
    case 35:
    case 36:
    case 37:
    case 38:
    case 39:
    case 40:
    case 45:
    case 46: return true;
    default: return false;
  }
}

int32_t InputState::GetMousePos(float* x, float* y, int32_t index) const {
  if (index != 0) return kResultNotFound;
  if (x != nullptr) *x = static_cast<float>(mouse_.x);
  if (y != nullptr) *y = static_cast<float>(mouse_.y);
  return kResultOk;
}

}  // namespace ORB
