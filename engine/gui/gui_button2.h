#pragma once
// OC_GUI_BUTTON2: a plain push button of two looks, up and down, side by side
// in one sheet. Unlike OC_GUI_BUTTON5 it has no hover look and does all its
// work in the per-frame pass: the left mouse button going down over it shows
// the down look and answers 7; the button going up, or the pointer leaving
// the picture while it is held, shows the up look again and answers 8, so
// leaving while held is a click too. The mouse passes answer nothing. The
// GUI XML element "BUTTON2" builds it.
//
// Resources: the sheet named in the constructor through a SheetQuad
// (sheet_quad.h); the picture is half the sheet wide, centred on the
// position.
#include <cstdint>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/sheet_quad.h"

namespace ORB {

class OC_GUI_BUTTON2 : public OC_GUI_OBJECT {
 public:
  enum State : int32_t { kUp = 0, kDown = 2 };
  static constexpr int32_t kFrames = 2;

  OC_GUI_BUTTON2(int32_t id, std::string textureName);
  // Built at once on the caller's sheet (never given back).
  OC_GUI_BUTTON2(int32_t id, TextureRecord* texture);

  int32_t GetState() const { return state_; }
  int32_t GetFrame() const { return sheet_.GetFrame(); }
  const SheetQuad& GetSheet() const { return sheet_; }
  // Margins of the picture that take no clicks (the GUI XML's HIT_INSET).
  void SetHitInset(const HitInset& inset) { sheet_.SetHitInset(inset); }

  GuiEvent* Process() override;
  void Draw() override;
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 private:
  int32_t state_ = kUp;
  SheetQuad sheet_;
};

}  // namespace ORB
