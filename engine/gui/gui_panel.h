#pragma once
// OC_GUI_PANEL: a background picture that holds other widgets and can be
// dragged (GuiPanelBase: hover 3/4, press 7, click 8, drag 9 with the grab
// script). Panels are movable unless told otherwise; background panels in
// descriptions say "MOVABLE" false. The GUI XML element "PANEL" builds one;
// the list box uses one as its background.
//
// Resources: the texture through a SheetQuad (sheet_quad.h), centred on the
// position. SetSize stretches the picture to that size and may come before
// the build (the description's "SIZE"), which keeps it.
#include <cstdint>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/gui/gui_panel_base.h"
#include "engine/gui/sheet_quad.h"

namespace ORB {

class OC_GUI_PANEL : public GuiPanelBase {
 public:
  OC_GUI_PANEL(int32_t id, std::string textureName);
  // Built at once on the caller's texture (never given back).
  OC_GUI_PANEL(int32_t id, TextureRecord* texture);

  const SheetQuad& GetSheet() const { return sheet_; }

  void Draw() override;
  void SetSize(int32_t w, int32_t h) override;
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 protected:
  bool Hits(float x, float y) const override;

 private:
  SheetQuad sheet_;
};

}  // namespace ORB
