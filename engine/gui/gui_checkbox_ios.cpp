#include "engine/gui/gui_checkbox_ios.h"

#include <utility>

#include "engine/gui/gui_input.h"
#include "engine/scene/bot_factories.h"
#include "engine/scene/truncate.h"

namespace ORB {

OC_GUI_CHECKBOX_IOS::OC_GUI_CHECKBOX_IOS(int32_t id, std::string panelTexture,
                                         std::string knobTexture)
    : OC_GUI_CHECKBOX_INTERFACE(id, kGuiKindCheckboxIos),
      panel_(std::move(panelTexture), 1, 1),
      knob_(std::move(knobTexture), 1, 1) {
  knob_transform_.parent = &GetTransform();
  slide_done_.argument = reinterpret_cast<intptr_t>(this);
  slide_done_.name = "slide done";
  slide_done_.function = [this](intptr_t) {
    idle_ = true;
    return kResultNone;
  };
}

void OC_GUI_CHECKBOX_IOS::SetChecked(bool checked, bool instant) {
  if (checked == checked_ || !idle_ || !built_) return;
  checked_ = checked;
  const float x = checked ? on_x_ : off_x_;
  if (instant) {
    idle_ = true;
    knob_transform_.SetPosition(x, 0.0f, 0.0f);
    return;
  }
  idle_ = false;
  OC_BOT_MOVE* slide = BotMove(&knob_transform_, kSlideSeconds, 0.0f, x, 0.0f, 0.0f, 0.0f);
  slide->Handle(kBotTakeCallback, 0.0f, 0.0f, 0.0f, &slide_done_);
  bots_.Add(slide);
}

GuiEvent* OC_GUI_CHECKBOX_IOS::Process() {
  bots_.Update();
  return nullptr;
}

GuiEvent* OC_GUI_CHECKBOX_IOS::OnMouseDown() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!built_ || !input || !input.AnyMouseWentDown() || !panel_.Contains(input.X(), input.Y())) {
    return nullptr;
  }
  // The press is the click; during a slide it changes nothing.
  SetChecked(!checked_, false);
  return Answer(kGuiEventClicked);
}

void OC_GUI_CHECKBOX_IOS::Draw() {
  if (!built_) return;
  panel_.Draw();
  knob_.Draw();
}

float OC_GUI_CHECKBOX_IOS::GetWidth() const { return built_ ? panel_.Width() : 0.0f; }

float OC_GUI_CHECKBOX_IOS::GetHeight() const { return built_ ? panel_.Height() : 0.0f; }

void OC_GUI_CHECKBOX_IOS::LoadResources() {
  const bool panel = panel_.Load(&GetTransform());
  const bool knob = knob_.Load(&knob_transform_);
  if (panel && knob && !built_) Build();
}

void OC_GUI_CHECKBOX_IOS::Build() {
  built_ = true;
  const auto d = static_cast<float>(TruncateToInt(panel_.Width() * 0.5f - knob_.Width() * 0.5f));
  off_x_ = d;
  on_x_ = -d;
  knob_transform_.SetPosition(checked_ ? on_x_ : off_x_, 0.0f, 0.0f);
}

void OC_GUI_CHECKBOX_IOS::ReleaseResources() {
  panel_.Release();
  knob_.Release();
}

}  // namespace ORB
