#include "engine/gui/gui_object.h"

#include <algorithm>
#include <string>

#include "engine/gui/gui_root.h"
#include "engine/platform/log.h"

namespace ORB {

void GuiLog(std::string_view message) { Log(LogLevel::kWarning, "gui", message); }

void LogMissingTexture(std::string_view name) {
  GuiLog("texture '" + std::string(name) + "' cannot be had");
}

OC_GUI_OBJECT::OC_GUI_OBJECT(int32_t id) : OC_GUI_OBJECT(id, kGuiKindPlain) {}

OC_GUI_OBJECT::OC_GUI_OBJECT(int32_t id, int32_t kind)
    : kind_(kind), transform_(std::make_unique<OS_TRANSFORM3>()) {
  event_.id = id;
}

OC_GUI_OBJECT::~OC_GUI_OBJECT() {
  // Nothing inside a widget being deleted is running, so every child goes at
  // once. The list is taken out first: a child's destructor must not meet it.
  std::vector<OC_GUI_OBJECT*> children = std::move(children_);
  children_.clear();
  for (OC_GUI_OBJECT* child : children) guard_.Dispose(child);
}

GuiEvent* OC_GUI_OBJECT::Process() { return nullptr; }
GuiEvent* OC_GUI_OBJECT::OnMouseUp() { return nullptr; }
GuiEvent* OC_GUI_OBJECT::OnMouseDown() { return nullptr; }
GuiEvent* OC_GUI_OBJECT::OnMouseMove() { return nullptr; }
void OC_GUI_OBJECT::Draw() {}
void OC_GUI_OBJECT::SetPosition(float x, float y, float z) { transform_->SetPosition(x, y, z); }
void OC_GUI_OBJECT::SetSize(int32_t, int32_t) {}
float OC_GUI_OBJECT::GetWidth() const { return 0.0f; }
float OC_GUI_OBJECT::GetHeight() const { return 0.0f; }
void OC_GUI_OBJECT::LoadResources() {}
void OC_GUI_OBJECT::ReleaseResources() {}
void OC_GUI_OBJECT::DropPress() {}
void OC_GUI_OBJECT::OnChildInserted(size_t) {}
void OC_GUI_OBJECT::OnChildErased(size_t) {}

// --- The tree.

void OC_GUI_OBJECT::AddChild(OC_GUI_OBJECT* w) {
  InsertChild(w, static_cast<int32_t>(std::min<size_t>(children_.size(), INT32_MAX)));
}

void OC_GUI_OBJECT::InsertChild(OC_GUI_OBJECT* w, int32_t index) {
  // A widget already in a tree (a root's own widget included) stays where it
  // is; one above this widget would make a loop.
  if (w == nullptr || w->parent_ != nullptr || w->owner_ != nullptr) return;
  for (const OC_GUI_OBJECT* up = this; up != nullptr; up = up->parent_) {
    if (up == w) return;
  }
  const size_t at = std::min(static_cast<size_t>(std::max(index, 0)), children_.size());
  w->parent_ = this;
  w->transform_->parent = transform_.get();
  w->SetOwnerTree(owner_);
  children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(at), w);
  OnChildInserted(at);
}

void OC_GUI_OBJECT::SetOwnerTree(OC_GUI_ROOT* owner) {
  owner_ = owner;
  for (OC_GUI_OBJECT* child : children_) child->SetOwnerTree(owner);
}

void OC_GUI_OBJECT::MarkRemoved() {
  removed_ = true;
  for (OC_GUI_OBJECT* child : children_) child->MarkRemoved();
}

void OC_GUI_OBJECT::EraseChild(size_t index) {
  OC_GUI_OBJECT* child = children_[index];
  children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(index));
  child->parent_ = nullptr;
  child->transform_->parent = nullptr;
  child->SetOwnerTree(nullptr);
  child->MarkRemoved();
  OnChildErased(index);
  if (owner_ != nullptr) owner_->ForgetLastEvent();
  guard_.Dispose(child);
}

bool OC_GUI_OBJECT::RemoveChild(const OC_GUI_OBJECT* w) {
  if (w == nullptr) return false;
  for (size_t i = 0; i < children_.size(); ++i) {
    if (children_[i] == w) {
      EraseChild(i);
      return true;
    }
    if (children_[i]->RemoveChild(w)) return true;
  }
  return false;
}

bool OC_GUI_OBJECT::RemoveChildById(int32_t id) {
  for (size_t i = 0; i < children_.size(); ++i) {
    if (children_[i]->GetId() == id) {
      EraseChild(i);
      return true;
    }
    if (children_[i]->RemoveChildById(id)) return true;
  }
  return false;
}

void OC_GUI_OBJECT::DeleteChildren() {
  while (!children_.empty()) EraseChild(0);
}

OC_GUI_OBJECT* OC_GUI_OBJECT::FindById(int32_t id) const {
  for (OC_GUI_OBJECT* child : children_) {
    if (child->GetId() == id) return child;
    if (OC_GUI_OBJECT* found = child->FindById(id)) return found;
  }
  return nullptr;
}

int32_t OC_GUI_OBJECT::GetEventById(int32_t id) const {
  const OC_GUI_OBJECT* found = FindById(id);
  return found != nullptr ? found->GetEventCode() : kGuiEventNone;
}

OC_GUI_OBJECT* OC_GUI_OBJECT::GetChild(size_t index) const {
  return index < children_.size() ? children_[index] : nullptr;
}

int32_t OC_GUI_OBJECT::IndexOf(const OC_GUI_OBJECT* child) const {
  const auto it = std::find(children_.begin(), children_.end(), child);
  return it == children_.end() ? -1 : static_cast<int32_t>(it - children_.begin());
}

void OC_GUI_OBJECT::SetFocusTree(bool focused) {
  focused_ = focused;
  for (OC_GUI_OBJECT* child : children_) child->SetFocusTree(focused);
}

// --- Scripts.

void OC_GUI_OBJECT::SetScript(GuiScript which, std::unique_ptr<Callback> script) {
  scripts_[static_cast<size_t>(which)] = std::move(script);
}

const Callback* OC_GUI_OBJECT::GetScript(GuiScript which) const {
  return scripts_[static_cast<size_t>(which)].get();
}

int32_t OC_GUI_OBJECT::RunScript(GuiScript which) {
  // A copy keeps the script alive while it runs, even when it replaces
  // itself.
  const std::shared_ptr<Callback> script = scripts_[static_cast<size_t>(which)];
  return InvokeCallback(script.get());
}

// --- Passes over the subtree.

void OC_GUI_OBJECT::DrawTree() {
  if (!visible_) return;
  Draw();
  for (OC_GUI_OBJECT* child : children_) child->DrawTree();
}

void OC_GUI_OBJECT::LoadResourcesTree() {
  LoadResources();
  for (OC_GUI_OBJECT* child : children_) child->LoadResourcesTree();
}

void OC_GUI_OBJECT::ReleaseResourcesTree() {
  ReleaseResources();
  for (OC_GUI_OBJECT* child : children_) child->ReleaseResourcesTree();
}

void OC_GUI_OBJECT::DropPressTree() {
  DropPress();
  for (OC_GUI_OBJECT* child : children_) child->DropPressTree();
}

GuiEvent* OC_GUI_OBJECT::Handle(GuiPass pass) {
  switch (pass) {
    case GuiPass::kProcess: return Process();
    case GuiPass::kMouseUp: return OnMouseUp();
    case GuiPass::kMouseDown: return OnMouseDown();
    case GuiPass::kMouseMove: return OnMouseMove();
  }
  return nullptr;
}

GuiEvent* OC_GUI_OBJECT::Dispatch(GuiPass pass) {
  if (removed_) return nullptr;
  // A widget in a tree is called through its parent's guard, as the tree's
  // own walk calls it, so that its scripts may remove it safely.
  if (parent_ != nullptr) {
    OC_GUI_OBJECT* self = this;
    const auto call = parent_->guard_.Call(self, [self, pass] { return self->DispatchTree(pass); });
    return call.item_gone ? nullptr : call.result.record;
  }
  return DispatchTree(pass).record;
}

OC_GUI_OBJECT::Answered OC_GUI_OBJECT::DispatchTree(GuiPass pass) {
  if (!enabled_ || removed_) return {};
  for (size_t i = 0; i < children_.size();) {
    OC_GUI_OBJECT* child = children_[i];
    const OC_GUI_OBJECT* next = i + 1 < children_.size() ? children_[i + 1] : nullptr;
    // This widget is never freed while a call into its children runs (it is
    // busy in its own parent's guard), so only the child can be gone.
    const auto call = guard_.Call(child, [child, pass] { return child->DispatchTree(pass); });
    if (call.result.answered) {
      Answered answer = call.result;
      if (call.item_gone) answer.record = nullptr;
      if (GuiEventMovesFocus(answer.event.code)) TakeFocus(pass, i, child, call.item_gone);
      return answer;
    }
    if (removed_) return {};
    i = ResumeAfter(i, child, next, call.item_gone);
  }
  if (removed_) return {};
  GuiEvent* record = Handle(pass);
  if (record == nullptr) return {};
  return {true, *record, record};
}

size_t OC_GUI_OBJECT::ResumeAfter(size_t index, const OC_GUI_OBJECT* child,
                                  const OC_GUI_OBJECT* next, bool child_gone) const {
  if (!child_gone) {
    if (index < children_.size() && children_[index] == child) return index + 1;
    const int32_t at = IndexOf(child);
    if (at >= 0) return static_cast<size_t>(at) + 1;
  }
  // The child went: go on with the one that followed it, unless that one
  // went too (its address may belong to a new widget by now).
  if (next == nullptr || guard_.FreedInLastCall(next)) return children_.size();
  const int32_t at = IndexOf(next);
  return at >= 0 ? static_cast<size_t>(at) : children_.size();
}

void OC_GUI_OBJECT::TakeFocus(GuiPass pass, size_t index, const OC_GUI_OBJECT* answering,
                              bool answering_gone) {
  focused_ = true;
  size_t at = std::min(index, children_.size());
  if (!answering_gone) {
    const int32_t found = IndexOf(answering);
    if (found >= 0) at = static_cast<size_t>(found);
  }
  for (size_t i = 0; i < children_.size(); ++i) {
    if (children_[i] == answering && !answering_gone) continue;
    // The per-frame pass takes the focus only from the children listed
    // before the answering one.
    if (pass == GuiPass::kProcess && i >= at) break;
    children_[i]->SetFocusTree(false);
  }
}

}  // namespace ORB
