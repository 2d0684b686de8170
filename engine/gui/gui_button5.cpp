#include "engine/gui/gui_button5.h"

#include <utility>

#include "engine/gui/gui_input.h"

namespace ORB {

OC_GUI_BUTTON5::OC_GUI_BUTTON5(int32_t id, std::string textureName)
    : OC_GUI_OBJECT(id, kGuiKindButton), sheet_(std::move(textureName), kFrames, 1) {}

OC_GUI_BUTTON5::OC_GUI_BUTTON5(int32_t id, TextureRecord* texture)
    : OC_GUI_OBJECT(id, kGuiKindButton), sheet_(std::string(), kFrames, 1) {
  sheet_.Show(texture, &GetTransform());
}

void OC_GUI_BUTTON5::SetState(int32_t state) {
  state_ = state;
  sheet_.SetFrame(state);
}

// A press held when the state is set from outside is forgotten with it.
void OC_GUI_BUTTON5::Enable() {
  pressed_ = false;
  SetState(kNormal);
}

void OC_GUI_BUTTON5::Disable() {
  pressed_ = false;
  SetState(kDisabled);
}

void OC_GUI_BUTTON5::SetUsable(bool usable) {
  if (!usable) {
    Disable();
  } else if (state_ == kDisabled) {
    Enable();
  }
}

void OC_GUI_BUTTON5::Select() {
  pressed_ = false;
  SetState(kSelected);
}

GuiEvent* OC_GUI_BUTTON5::OnMouseMove() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input) return nullptr;
  const bool inside = sheet_.Contains(input.X(), input.Y());
  int32_t code = kGuiEventNone;
  if (inside && state_ == kNormal) {
    state_ = kHover;
    SetFocused(true);
    RunScript(GuiScript::kEnter);
    code = kGuiEventEntered;
  } else if (!inside && (state_ == kHover || state_ == kPressed)) {
    state_ = kNormal;
    pressed_ = false;
    SetFocused(false);
    RunScript(GuiScript::kLeave);
    code = kGuiEventLeft;
  }
  // Every move pass shows the state's look (after a click, the hover look).
  sheet_.SetFrame(state_);
  return Answer(code);
}

GuiEvent* OC_GUI_BUTTON5::OnMouseDown() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  int32_t code = kGuiEventNone;
  // The move pass that brought the pointer here may have been answered by a
  // neighbour it left (one answer a pass): a press on the button is then
  // its first news of the pointer, and it enters and takes the press.
  if (input && state_ == kNormal && input.LeftWentDown() && sheet_.Contains(input.X(), input.Y())) {
    state_ = kHover;
    SetFocused(true);
    RunScript(GuiScript::kEnter);
  }
  if (input && IsFocused() && state_ == kHover && input.LeftWentDown()) {
    pressed_ = true;
    state_ = kPressed;
    RunScript(GuiScript::kDown);
    code = kGuiEventPressed;
  }
  sheet_.SetFrame(state_);
  return Answer(code);
}

GuiEvent* OC_GUI_BUTTON5::OnMouseUp() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !IsFocused() || state_ != kPressed || !pressed_) return nullptr;
  if (!input.LeftWentUp()) return nullptr;
  pressed_ = false;
  SetState(kNormal);
  // Still over the button: hovered again, though the normal look stays until
  // the next move pass.
  if (sheet_.Contains(input.X(), input.Y())) state_ = kHover;
  RunScript(GuiScript::kUp);
  return Answer(kGuiEventClicked);
}

void OC_GUI_BUTTON5::DropPress() {
  if (!pressed_ && state_ != kPressed) return;
  pressed_ = false;
  SetFocused(false);
  SetState(kNormal);
}

void OC_GUI_BUTTON5::Draw() { sheet_.Draw(); }

float OC_GUI_BUTTON5::GetWidth() const { return sheet_.Width(); }

float OC_GUI_BUTTON5::GetHeight() const { return sheet_.Height(); }

void OC_GUI_BUTTON5::LoadResources() { sheet_.Load(&GetTransform()); }

void OC_GUI_BUTTON5::ReleaseResources() { sheet_.Release(); }

}  // namespace ORB
