#pragma once
// OC_GUI_PROGRESS_BAR: a bar that fills from left to right. Its texture holds
// two halves side by side, the empty bar on the left and the full bar on the
// right; the empty half is drawn whole and the full half over it, cut (not
// stretched) at the fraction. The GUI XML element "PROGRESS_BAR" builds it.
//
// The value (OC_BASEPROGRESS) may be set before the bar is built: the build
// then shows it, and the filled script waits for the next change of a built
// bar. SetSize may come before the build too (the description's "SIZE") and
// is kept for it; without it the bar is half the texture wide.
//
// Resources: one texture for both quads, through a SheetQuad (sheet_quad.h):
// taken once, given back once.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"
#include "engine/gui/gui_base_progress.h"
#include "engine/gui/sheet_quad.h"
#include "engine/scene/mesh.h"

namespace ORB {

class OC_GUI_PROGRESS_BAR : public OC_BASEPROGRESS {
 public:
  OC_GUI_PROGRESS_BAR(int32_t id, std::string textureName);
  // Built at once on the caller's texture (never given back).
  OC_GUI_PROGRESS_BAR(int32_t id, TextureRecord* texture);

  bool IsBuilt() const { return fill_ != nullptr; }
  // The empty bar and the fill; null until built.
  const OC_MESH* GetBack() const { return back_.Quad(); }
  const OC_MESH* GetFill() const { return fill_.get(); }

  void Draw() override;
  void SetSize(int32_t w, int32_t h) override;
  // The bar as drawn; 0 until built.
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 protected:
  void UpdateView() override;

 private:
  void Build();
  // Size, texture part and place of the fill for the current fraction.
  void ShowFill();

  SheetQuad back_;
  OS_TRANSFORM3 fill_transform_;
  std::unique_ptr<OC_MESH> fill_;
};

}  // namespace ORB
