#include "engine/gui/gui_root.h"

namespace ORB {

OC_GUI_ROOT::OC_GUI_ROOT() : root_(new OC_GUI_OBJECT(0)) { root_->SetOwnerTree(this); }

OC_GUI_ROOT::~OC_GUI_ROOT() {
  // The tree must not tell a root that is going about its removals.
  root_->SetOwnerTree(nullptr);
  root_->MarkRemoved();
  guard_.Dispose(root_);
}

GuiEvent* OC_GUI_ROOT::Dispatch(GuiPass pass) {
  OC_GUI_OBJECT* widget = root_;
  const auto call = guard_.Call(widget, [widget, pass] { return widget->DispatchTree(pass); });
  if (call.owner_gone) return nullptr;
  if (!call.result.answered) {
    has_last_ = false;
    return nullptr;
  }
  last_ = call.result.event;
  has_last_ = true;
  return &last_;
}

void OC_GUI_ROOT::Move(float dx, float dy) {
  Vector3& position = root_->GetTransform().position;
  position.x += dx;
  position.y += dy;
}

}  // namespace ORB
