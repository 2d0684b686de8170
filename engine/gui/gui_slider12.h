#pragma once
// OC_GUI_SLIDER12: the slider (gui_base_slider.h) drawn from a sheet of 12
// equal frames side by side (gui_slider_pieces.h: buttons and runner in three
// states, two caps and the track; no fill). It is complete when constructed:
// the sheet is taken at once by name and given back on deletion; the load and
// release passes leave it alone. Without the sheet it draws nothing and
// measures 0.
//
// The pieces are one frame wide (sheet width / 12). The minus and plus
// buttons stand on the points pulled in by half a piece; the caps and the
// track are laid out from the points pulled in by half of (sheet width / 13)
// instead, and the track is 2 pixels longer than the travel. Its frames
// follow the parts' states in the per-frame pass.
#include <cstdint>
#include <string>

#include "engine/gui/gui_base_slider.h"
#include "engine/gui/gui_slider_pieces.h"
#include "engine/scene/held_texture.h"

namespace ORB {

class OC_GUI_SLIDER12 : public OC_BASESLIDER {
 public:
  static constexpr int32_t kFrames = 12;

  OC_GUI_SLIDER12(int32_t id, std::string textureName, Vector2 start, Vector2 end, float radius,
                  float btnFactor, float min, float max, float step, float value);
  ~OC_GUI_SLIDER12() override;

  // The base poll, then the three parts' frames.
  GuiEvent* Process() override;
  void Draw() override;
  // The drawn extent: the points' distance plus a piece along the axis, the
  // piece height across it, turned with the axis; 0 without the sheet.
  float GetWidth() const override;
  float GetHeight() const override;

  bool IsBuilt() const { return pieces_.IsMade(); }
  const SliderPieces& GetPieces() const { return pieces_; }
  const SliderLayout& GetLayout() const { return layout_; }
  // The points the caps and the track are laid from (relative to the widget).
  Vector2 GetLayoutStart() const { return layout_start_; }
  Vector2 GetLayoutEnd() const { return layout_end_; }

 private:
  void Build(TextureRecord* texture);

  HeldTexture texture_;
  SliderPieces pieces_{kFrames};
  SliderLayout layout_;
  Vector2 layout_start_;
  Vector2 layout_end_;
  float piece_height_ = 0.0f;
};

}  // namespace ORB
