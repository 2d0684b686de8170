#pragma once
// OC_GUI_BUTTON5: the push button of the game's windows, drawn from a sheet
// of five looks side by side (normal, hover, pressed, selected, disabled;
// the state is also the frame shown). The GUI XML element "BUTTON5" builds
// it; its label, when it has one, is a separate label widget.
//
// Input, in the three mouse passes, with the left mouse button only:
//   - move: entering the picture from normal shows the hover look and
//     answers 3 (and takes the focus); leaving while hovered or pressed goes
//     back to normal and answers 4 (and drops it), so a press dragged off the
//     button is cancelled. Every move pass shows the state's frame.
//   - press: while focused and hovered, the left button going down presses
//     the button: pressed look, answer 7.
//   - release: while pressed, the left button going up is the click: answer
//     8. The normal frame shows until the next move pass, which shows the
//     hover look if the pointer is still there.
// A button that lost the focus to a sibling (a click elsewhere) does not take
// a press until the pointer enters it again. A press dropped (DropPress)
// leaves it normal and unfocused, as a press dragged off it does; the next
// move pass finds the pointer again. Selected and disabled buttons
// take no input at all until Enable(). The per-frame pass answers nothing.
//
// Resources: the sheet named in the constructor, through a SheetQuad
// (sheet_quad.h): taken by LoadResources, given back by ReleaseResources.
// The picture is one fifth of the sheet wide, centred on the position.
#include <cstdint>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/sheet_quad.h"

namespace ORB {

class OC_GUI_BUTTON5 : public OC_GUI_OBJECT {
 public:
  // The states, which are also the sheet's frames.
  enum State : int32_t { kNormal = 0, kHover = 1, kPressed = 2, kSelected = 3, kDisabled = 4 };
  static constexpr int32_t kFrames = 5;

  // Nothing built until a load finds the sheet.
  OC_GUI_BUTTON5(int32_t id, std::string textureName);
  // Built at once on the caller's sheet (never given back).
  OC_GUI_BUTTON5(int32_t id, TextureRecord* texture);

  // Normal, disabled or selected from any state (the frame follows once the
  // picture exists). The XML reader disables a button whose "ENABLE" is
  // false.
  void Enable();
  void Disable();
  void Select();
  // Disabled when `usable` is false; when true, a disabled button becomes
  // normal and any other state stays (enabling again would drop a hover or
  // a selection). Screens call it whenever whether a button applies may
  // have changed.
  void SetUsable(bool usable);
  int32_t GetState() const { return state_; }
  // A press on this button is held.
  bool IsPressed() const { return pressed_; }
  // The frame shown.
  int32_t GetFrame() const { return sheet_.GetFrame(); }
  const SheetQuad& GetSheet() const { return sheet_; }
  // Margins of the picture that take no clicks (the GUI XML's HIT_INSET).
  void SetHitInset(const HitInset& inset) { sheet_.SetHitInset(inset); }

  GuiEvent* OnMouseUp() override;
  GuiEvent* OnMouseDown() override;
  GuiEvent* OnMouseMove() override;
  void DropPress() override;
  void Draw() override;
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 private:
  void SetState(int32_t state);

  bool pressed_ = false;
  int32_t state_ = kNormal;
  SheetQuad sheet_;
};

}  // namespace ORB
