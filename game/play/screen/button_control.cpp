#include "game/play/screen/button_control.h"

#include "game/play/screen/control_widget.h"

namespace game {

bool gButtonControl::LoadButton(const pugi::xml_node& root) {
  button_.reset();
  const pugi::xml_node element = root.child("BUTTON5");
  if (!element) return false;
  button_ = CreateControlWidget(element);
  if (button_) AttachWidget(*button_, Transform());
  return button_ != nullptr;
}

namespace {

int32_t CodeOf(const ORB::GuiEvent* event) {
  return event != nullptr ? event->code : ORB::kGuiEventNone;
}

}  // namespace

int32_t gButtonControl::PassDown() { return button_ ? CodeOf(button_->DispatchMouseDown()) : 0; }
int32_t gButtonControl::PassUp() { return button_ ? CodeOf(button_->DispatchMouseUp()) : 0; }
int32_t gButtonControl::PassMove() { return button_ ? CodeOf(button_->DispatchMouseMove()) : 0; }

void gButtonControl::Draw() {
  GG_BASE_CONTROL::Draw();
  if (button_) button_->DrawTree();
}

void gButtonControl::AcquireResources() {
  GG_BASE_CONTROL::AcquireResources();
  if (button_) button_->LoadResourcesTree();
}

void gButtonControl::ReleaseResources() {
  GG_BASE_CONTROL::ReleaseResources();
  if (button_) button_->ReleaseResourcesTree();
}

}  // namespace game
