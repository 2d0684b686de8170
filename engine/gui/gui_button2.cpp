#include "engine/gui/gui_button2.h"

#include <utility>

#include "engine/gui/gui_input.h"

namespace ORB {

OC_GUI_BUTTON2::OC_GUI_BUTTON2(int32_t id, std::string textureName)
    : OC_GUI_OBJECT(id, kGuiKindButton), sheet_(std::move(textureName), kFrames, 1) {}

OC_GUI_BUTTON2::OC_GUI_BUTTON2(int32_t id, TextureRecord* texture)
    : OC_GUI_OBJECT(id, kGuiKindButton), sheet_(std::string(), kFrames, 1) {
  sheet_.Show(texture, &GetTransform());
}

GuiEvent* OC_GUI_BUTTON2::Process() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input) return nullptr;
  const bool inside = sheet_.Contains(input.X(), input.Y());
  if (state_ == kUp) {
    if (!inside || !input.LeftWentDown()) return nullptr;
    state_ = kDown;
    RunScript(GuiScript::kDown);
    sheet_.SetFrame(1);
    return Answer(kGuiEventPressed);
  }
  if (inside && !input.LeftWentUp()) return nullptr;
  // Released, or the pointer left the button while it was held: a click.
  state_ = kUp;
  RunScript(GuiScript::kUp);
  sheet_.SetFrame(0);
  return Answer(kGuiEventClicked);
}

void OC_GUI_BUTTON2::Draw() { sheet_.Draw(); }

float OC_GUI_BUTTON2::GetWidth() const { return sheet_.Width(); }

float OC_GUI_BUTTON2::GetHeight() const { return sheet_.Height(); }

void OC_GUI_BUTTON2::LoadResources() { sheet_.Load(&GetTransform()); }

void OC_GUI_BUTTON2::ReleaseResources() { sheet_.Release(); }

}  // namespace ORB
