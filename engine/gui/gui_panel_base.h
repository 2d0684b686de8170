#pragma once
// GuiPanelBase: the input both panels share (OC_GUI_PANEL, OC_GUI_PANEL9):
// hover, press, click and, when movable, dragging with the left mouse button.
// Each panel says where it lies (Hits) and draws itself.
//
//   - move: the pointer coming onto the panel answers 3, going off it 4.
//     While a drag runs, the panel goes where the pointer is less the grab
//     offset (whole pixels), runs its grab script and answers 9 instead, on
//     every move pass, whether the pointer moved or not.
//   - press: the left button going down over the panel starts a drag (when
//     movable: the offset from the panel's position to the pointer is kept),
//     takes the focus and answers 7; going down elsewhere drops the focus.
//   - release: the left button going up ends a drag wherever the pointer is
//     (after a quick flick the panel may not be under it yet); over a
//     focused panel it also answers 8. A drag whose release went to another
//     widget ends on the next move pass that finds the button up.
//   - a dropped press (DropPress) ends a drag and drops the focus, so a
//     later release clicks nothing.
// Keys of the keyboard do nothing. The per-frame pass answers nothing.
#include <cstdint>
#include <memory>

#include "engine/foundation/callback.h"
#include "engine/gui/gui_object.h"

namespace ORB {

class GuiPanelBase : public OC_GUI_OBJECT {
 public:
  void SetMovable(bool movable) { movable_ = movable; }
  bool IsMovable() const { return movable_; }
  // The script run on every drag step (the description's "GRAB" event);
  // null empties it. It may replace itself while it runs.
  void SetGrabScript(std::unique_ptr<Callback> script) { on_grab_ = std::move(script); }
  const Callback* GetGrabScript() const { return on_grab_.get(); }
  bool IsHovered() const { return hover_; }
  bool IsDragging() const { return dragging_; }

  GuiEvent* OnMouseUp() override;
  GuiEvent* OnMouseDown() override;
  GuiEvent* OnMouseMove() override;
  void DropPress() override {
    dragging_ = false;
    SetFocused(false);
  }

 protected:
  GuiPanelBase(int32_t id, int32_t kind, bool movable)
      : OC_GUI_OBJECT(id, kind), movable_(movable) {}
  // The point lies on the panel as drawn (never before it is built).
  virtual bool Hits(float x, float y) const = 0;

 private:
  bool movable_;
  bool hover_ = false;
  bool dragging_ = false;
  int32_t grab_x_ = 0;
  int32_t grab_y_ = 0;
  std::shared_ptr<Callback> on_grab_;
};

}  // namespace ORB
