#include "game/play/screen/tool_switch.h"

#include "game/play/screen/control_widget.h"

namespace game {

bool gToolSwitch::Load(const pugi::xml_node& checkMode) {
  box_ = nullptr;
  widget_.reset();
  const pugi::xml_node element = checkMode.first_child();
  if (!element || element.type() != pugi::node_element) return false;
  widget_ = CreateControlWidget(element);
  box_ = dynamic_cast<ORB::OC_GUI_CHECKBOX_INTERFACE*>(widget_.get());
  if (box_ == nullptr) {
    widget_.reset();
    return false;
  }
  AttachWidget(*widget_, transform_);
  box_->SetChecked(true, true);
  return true;
}

bool gToolSwitch::IsFill() const { return box_ == nullptr || box_->IsChecked(); }

void gToolSwitch::SetFill(bool fill) {
  if (box_ != nullptr) box_->SetChecked(fill, true);
}

bool gToolSwitch::OnButtonDown() {
  if (box_ == nullptr || locked_) return false;
  const ORB::GuiEvent* event = box_->DispatchMouseDown();
  return event != nullptr && event->code == ORB::kGuiEventPressed;
}

bool gToolSwitch::OnButtonUp() {
  if (box_ == nullptr || locked_) return false;
  const ORB::GuiEvent* event = box_->DispatchMouseUp();
  return event != nullptr && event->code == ORB::kGuiEventClicked;
}

void gToolSwitch::OnPointerMove() {
  if (box_ != nullptr && !locked_) box_->DispatchMouseMove();
}

void gToolSwitch::Draw() {
  if (widget_) widget_->DrawTree();
}

void gToolSwitch::AcquireResources() {
  if (widget_) widget_->LoadResourcesTree();
}

void gToolSwitch::ReleaseResources() {
  if (widget_) widget_->ReleaseResourcesTree();
}

}  // namespace game
