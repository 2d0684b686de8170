#include "engine/gui/gui_panel_base.h"

#include "engine/gui/gui_input.h"
#include "engine/scene/truncate.h"

namespace ORB {

GuiEvent* GuiPanelBase::OnMouseMove() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input) return nullptr;
  int32_t code = kGuiEventNone;
  const bool inside = Hits(input.X(), input.Y());
  if (inside && !hover_) {
    hover_ = true;
    RunScript(GuiScript::kEnter);
    code = kGuiEventEntered;
  } else if (!inside && hover_) {
    hover_ = false;
    RunScript(GuiScript::kLeave);
    code = kGuiEventLeft;
  }
  // The button went up while another widget answered the release.
  if (dragging_ && !input.LeftDown()) dragging_ = false;
  if (dragging_ && movable_) {
    const Point cursor = input.Cursor();
    SetPosition(static_cast<float>(int64_t{cursor.x} - grab_x_),
                static_cast<float>(int64_t{cursor.y} - grab_y_), 0.0f);
    // A copy keeps the script alive while it runs, even when it replaces
    // itself.
    const std::shared_ptr<Callback> grab = on_grab_;
    InvokeCallback(grab.get());
    code = kGuiEventDragged;
  }
  return Answer(code);
}

GuiEvent* GuiPanelBase::OnMouseDown() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !input.LeftWentDown()) return nullptr;
  if (!hover_) {
    SetFocused(false);
    return nullptr;
  }
  dragging_ = true;
  SetFocused(true);
  const Point cursor = input.Cursor();
  const Vector3 position = GetTransform().GetPosition();
  grab_x_ = ClampToInt(int64_t{cursor.x} - TruncateToInt(position.x));
  grab_y_ = ClampToInt(int64_t{cursor.y} - TruncateToInt(position.y));
  RunScript(GuiScript::kDown);
  return Answer(kGuiEventPressed);
}

GuiEvent* GuiPanelBase::OnMouseUp() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !input.LeftWentUp()) return nullptr;
  dragging_ = false;
  if (!hover_ || !IsFocused()) return nullptr;
  RunScript(GuiScript::kUp);
  return Answer(kGuiEventClicked);
}

}  // namespace ORB
