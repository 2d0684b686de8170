#pragma once
// OC_GUI_SCROLL_BAR12: a bar of the framed sliders' pieces (a 12-frame sheet,
// gui_slider_pieces.h) without input: minus and plus buttons, runner, caps
// and track, each a square piece twice the hit circles' radius (15) across.
// Its three places are never set, so everything stands at the widget's
// origin and the track has no length; it draws its pieces and, as markers of
// its hit areas, a small red, green and blue square at the upper left corner
// of the minus, plus and runner circles. No description or game code makes
// one. The sheet is taken by name at construction and given back on
// deletion; without it only the markers are drawn.
#include <array>
#include <cstdint>
#include <string>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/gui_slider_pieces.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/held_texture.h"

namespace ORB {

class OC_GUI_SCROLL_BAR12 : public OC_GUI_OBJECT {
 public:
  static constexpr float kRadius = 15.0f;
  static constexpr float kMarkerSide = 4.0f;

  OC_GUI_SCROLL_BAR12(int32_t id, std::string textureName);
  ~OC_GUI_SCROLL_BAR12() override;

  void Draw() override;

  bool IsBuilt() const { return pieces_.IsMade(); }
  const SliderPieces& GetPieces() const { return pieces_; }
  const OC_HIT_SHAPE& GetHitShape(int32_t part) const { return hits_[part]; }

 private:
  HeldTexture texture_;
  std::array<OS_TRANSFORM3, 3> transforms_;  // start, end, runner
  std::array<OC_HIT_SHAPE, 3> hits_;
  Vector2 direction_;  // never set
  SliderPieces pieces_{12};
};

}  // namespace ORB
