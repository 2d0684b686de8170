#pragma once
// OC_GUI_ROOT: the holder of one widget tree (gui_object.h). Each game window
// owns one, the GUI XML loader fills it, and the window hands it every input
// pass, the draw and the resource passes. Its own widget (id 0) is the top of
// the tree; everything added to the root hangs below it.
//
// The root remembers the answer of its latest input pass: the id and code of
// the widget that answered, kept as a copy in the root, so the record a pass
// answers stays readable whatever the widget's scripts did meanwhile. The
// answer is forgotten (EventId and EventCode read 0) after a pass in which
// nothing answered and whenever a widget leaves the tree (Remove, RemoveById,
// Clear, or a removal made on any widget of the tree).
//
// The root may be deleted by a script while one of its passes runs (a button
// that closes its window): the pass then answers null and touches nothing of
// the root on its way back.
#include <cstdint>
#include <memory>

#include "engine/foundation/dispatch_guard.h"
#include "engine/foundation/vector2.h"
#include "engine/gui/gui_object.h"

namespace ORB {

class OC_GUI_ROOT {
 public:
  OC_GUI_ROOT();
  // Deletes the whole tree (once a pass running into it has returned).
  ~OC_GUI_ROOT();
  OC_GUI_ROOT(const OC_GUI_ROOT&) = delete;
  OC_GUI_ROOT& operator=(const OC_GUI_ROOT&) = delete;

  // --- Input passes: the root widget's dispatch. The answer is the root's
  // copy of the answering record (valid while the root lives, overwritten by
  // the next pass), or null.
  GuiEvent* Process() { return Dispatch(GuiPass::kProcess); }
  GuiEvent* OnMouseUp() { return Dispatch(GuiPass::kMouseUp); }
  GuiEvent* OnMouseDown() { return Dispatch(GuiPass::kMouseDown); }
  GuiEvent* OnMouseMove() { return Dispatch(GuiPass::kMouseMove); }
  GuiEvent* Dispatch(GuiPass pass);

  void Draw() { root_->DrawTree(); }
  // The window calls these when it is shown and hidden.
  void LoadResources() { root_->LoadResourcesTree(); }
  void ReleaseResources() { root_->ReleaseResourcesTree(); }
  // Every widget forgets a press it holds (OC_GUI_OBJECT::DropPress): its
  // release will not come to the tree.
  void DropPresses() { root_->DropPressTree(); }

  // --- The tree.
  // Appends w to the root widget; the tree owns it from then on.
  void Add(OC_GUI_OBJECT* w) { root_->AddChild(w); }
  template <typename Widget>
  Widget* Add(std::unique_ptr<Widget> w) {
    return root_->AddChild(std::move(w));
  }
  // The root widget's RemoveChild / RemoveChildById / DeleteChildren.
  bool Remove(const OC_GUI_OBJECT* w) { return root_->RemoveChild(w); }
  bool RemoveById(int32_t id) { return root_->RemoveChildById(id); }
  void Clear() { root_->DeleteChildren(); }
  // The first widget with that id below the root widget (pre-order), never
  // the root widget itself.
  OC_GUI_OBJECT* FindById(int32_t id) const { return root_->FindById(id); }

  // --- The latest answer: its record, id and code; null or 0 when none.
  const GuiEvent* LastEvent() const { return has_last_ ? &last_ : nullptr; }
  int32_t EventId() const { return has_last_ ? last_.id : 0; }
  int32_t EventCode() const { return has_last_ ? last_.code : kGuiEventNone; }

  // --- Placement of the whole tree.
  void SetPosition(float x, float y, float z) { root_->SetPosition(x, y, z); }
  Vector2 GetPosition() const { return root_->GetTransform().GetPositionV2(); }
  // Adds (dx, dy) to the root transform's position.
  void Move(float dx, float dy);
  void SetVisible(bool visible) { root_->SetVisible(visible); }

  // The root widget: its transform is the parent of the whole tree (a window
  // links it to its own).
  OC_GUI_OBJECT& Widget() { return *root_; }
  const OC_GUI_OBJECT& Widget() const { return *root_; }

 private:
  friend class OC_GUI_OBJECT;
  void ForgetLastEvent() { has_last_ = false; }

  OC_GUI_OBJECT* root_;  // owned; freed through guard_
  DispatchGuard<OC_GUI_OBJECT> guard_;
  GuiEvent last_;
  bool has_last_ = false;
};

}  // namespace ORB
