#include "engine/gui/gui_checkbox5.h"

#include <utility>

#include "engine/gui/gui_input.h"

namespace ORB {

OC_GUI_CHECKBOX5::OC_GUI_CHECKBOX5(int32_t id, std::string textureName)
    : OC_GUI_CHECKBOX_INTERFACE(id, kGuiKindCheckbox), sheet_(std::move(textureName), kFrames, 1) {}

OC_GUI_CHECKBOX5::OC_GUI_CHECKBOX5(int32_t id, TextureRecord* texture)
    : OC_GUI_CHECKBOX_INTERFACE(id, kGuiKindCheckbox), sheet_(std::string(), kFrames, 1) {
  sheet_.Show(texture, &GetTransform());
}

void OC_GUI_CHECKBOX5::SetChecked(bool checked, bool /*instant*/) {
  state_ = checked ? kChecked : kUnchecked;
  sheet_.SetFrame(state_);
}

GuiEvent* OC_GUI_CHECKBOX5::OnMouseMove() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input) return nullptr;
  const bool inside = sheet_.Contains(input.X(), input.Y());
  int32_t code = kGuiEventNone;
  if (!inside) {
    if (state_ == kChecked) {
      hover_checked_ = false;
      pressed_ = false;
    } else if (state_ == kHover) {
      state_ = kUnchecked;
      pressed_ = false;
      SetFocused(false);
      RunScript(GuiScript::kLeave);
      code = kGuiEventLeft;
    }
  } else if (state_ == kChecked) {
    hover_checked_ = true;
    SetFocused(true);
    RunScript(GuiScript::kEnter);
    code = kGuiEventEntered;
  } else if (state_ == kUnchecked) {
    state_ = kHover;
    SetFocused(true);
    RunScript(GuiScript::kEnter);
    code = kGuiEventEntered;
  }
  sheet_.SetFrame(state_);
  return Answer(code);
}

GuiEvent* OC_GUI_CHECKBOX5::OnMouseDown() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !input.AnyMouseWentDown()) return nullptr;
  if (state_ == kHover && IsFocused()) {
    pressed_ = true;
    state_ = kPressed;
  } else if (state_ == kChecked && hover_checked_) {
    pressed_ = true;
  } else {
    return nullptr;
  }
  RunScript(GuiScript::kDown);
  return Answer(kGuiEventPressed);
}

GuiEvent* OC_GUI_CHECKBOX5::OnMouseUp() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !pressed_ || !input.AnyMouseWentUp()) return nullptr;
  if (state_ == kPressed) {
    state_ = kChecked;
  } else if (state_ == kChecked) {
    state_ = kHover;
  } else {
    return nullptr;
  }
  pressed_ = false;
  sheet_.SetFrame(state_);
  RunScript(GuiScript::kUp);
  return Answer(kGuiEventClicked);
}

void OC_GUI_CHECKBOX5::DropPress() {
  if (!pressed_ && state_ != kPressed) return;
  pressed_ = false;
  if (state_ == kPressed) {
    state_ = kUnchecked;
    SetFocused(false);
  }
  sheet_.SetFrame(state_);
}

void OC_GUI_CHECKBOX5::Draw() {
  if (state_ != kChecked) {
    sheet_.Draw();
    return;
  }
  // The box as the pointer finds it, then the tick over it.
  int32_t box = kFrameBox;
  if (hover_checked_) box = pressed_ ? kFramePressed : kFrameHover;
  sheet_.SetFrame(box);
  sheet_.Draw();
  sheet_.SetFrame(kFrameTick);
  sheet_.Draw();
}

void OC_GUI_CHECKBOX5::SetSize(int32_t w, int32_t h) { sheet_.SetSize(w, h); }

float OC_GUI_CHECKBOX5::GetWidth() const { return sheet_.Width(); }

float OC_GUI_CHECKBOX5::GetHeight() const { return sheet_.Height(); }

void OC_GUI_CHECKBOX5::LoadResources() { sheet_.Load(&GetTransform()); }

void OC_GUI_CHECKBOX5::ReleaseResources() { sheet_.Release(); }

}  // namespace ORB
