#pragma once
// OC_GUI_CHECKBOX5: a tick box drawn from a sheet of five frames side by side:
// 0 the box, 1 the box under the pointer, 2 the box pressed, 3 the tick
// alone (drawn over a box frame), 4 unused. The GUI XML element "CHECKBOX"
// builds it.
//
// States: 0 unchecked, 1 unchecked under the pointer, 2 unchecked and
// pressed, 3 checked. Input, with the mouse buttons only (keys of the
// keyboard never press, tick or untick it):
//   - move: over an unchecked box, state 1 and answer 3 (focus taken); off it
//     again, state 0 and answer 4 (focus dropped). Over a checked box every
//     move pass answers 3 and remembers the hover; off it the hover and a
//     pending press are forgotten, silently. A pressed box (state 2) stays
//     pressed wherever the pointer goes.
//   - press: on a hovered unchecked box (focused), state 2 and answer 7; on
//     a hovered checked box, a pending press and answer 7.
//   - release: a pending press completes wherever the pointer is: an
//     unchecked box becomes checked, a checked one unchecked (state 1), and
//     the answer is 8. (Leaving a checked box forgets its press, so a release
//     off it unticks nothing; leaving a pressed unchecked box does not.)
//   - a dropped press (DropPress) ticks and unticks nothing: a pressed
//     unchecked box goes back to state 0, a checked one stays checked.
// A checked box draws the box frame for its hover and press, then the tick
// over it.
//
// Resources: the sheet through a SheetQuad (sheet_quad.h). SetSize may come
// before the build (the description's "SIZE") and is applied to it.
#include <cstdint>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/gui/gui_checkbox_interface.h"
#include "engine/gui/sheet_quad.h"

namespace ORB {

class OC_GUI_CHECKBOX5 : public OC_GUI_CHECKBOX_INTERFACE {
 public:
  enum State : int32_t { kUnchecked = 0, kHover = 1, kPressed = 2, kChecked = 3 };
  // The sheet's frames.
  static constexpr int32_t kFrameBox = 0;
  static constexpr int32_t kFrameHover = 1;
  static constexpr int32_t kFramePressed = 2;
  static constexpr int32_t kFrameTick = 3;
  static constexpr int32_t kFrames = 5;

  OC_GUI_CHECKBOX5(int32_t id, std::string textureName);
  // Built at once on the caller's sheet (never given back).
  OC_GUI_CHECKBOX5(int32_t id, TextureRecord* texture);

  bool IsChecked() const override { return state_ == kChecked; }
  // Checked (3) or unchecked (0); the box never animates.
  void SetChecked(bool checked, bool instant) override;
  int32_t GetState() const { return state_; }
  bool IsPressed() const { return pressed_; }
  bool IsHoverChecked() const { return hover_checked_; }
  const SheetQuad& GetSheet() const { return sheet_; }
  // Margins of the picture that take no clicks (the GUI XML's HIT_INSET).
  void SetHitInset(const HitInset& inset) { sheet_.SetHitInset(inset); }

  GuiEvent* OnMouseUp() override;
  GuiEvent* OnMouseDown() override;
  GuiEvent* OnMouseMove() override;
  void DropPress() override;
  void Draw() override;
  void SetSize(int32_t w, int32_t h) override;
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 private:
  bool hover_checked_ = false;
  bool pressed_ = false;
  int32_t state_ = kUnchecked;
  SheetQuad sheet_;
};

}  // namespace ORB
