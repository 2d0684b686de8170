#include "engine/gui/gui_slider12.h"

#include <utility>

#include "engine/foundation/texture_record.h"

namespace ORB {

OC_GUI_SLIDER12::OC_GUI_SLIDER12(int32_t id, std::string textureName, Vector2 start, Vector2 end,
                                 float radius, float btnFactor, float min, float max, float step,
                                 float value)
    : OC_BASESLIDER(Deferred{}, id, start, end, radius, btnFactor, min, max, step, value),
      texture_(std::move(textureName)) {
  TextureRecord* texture = texture_.Take();
  if (!texture_.IsHeld()) LogMissingTexture(texture_.Name());
  const int32_t width = texture_.IsHeld() ? texture->Width() : 0;
  Setup(static_cast<float>(width / kFrames));
  if (texture_.IsHeld()) Build(texture);
}

OC_GUI_SLIDER12::~OC_GUI_SLIDER12() = default;

void OC_GUI_SLIDER12::Build(TextureRecord* texture) {
  // The caps and the track are laid from the points pulled in by half of a
  // thirteenth of the sheet, not a twelfth.
  layout_start_ = GetStartPoint();
  layout_end_ = GetEndPoint();
  FitEnds(layout_start_, layout_end_, static_cast<float>(texture->Width() / 13));
  const float piece = GetPieceSize();
  piece_height_ = static_cast<float>(texture->Height());
  layout_ = LayOutSlider(layout_start_, layout_end_, GetDirection(), piece, GetButtonFactor());
  layout_.track_length += 2.0f;
  pieces_.Make(texture, &GetTransform(), &GetPartTransform(kMinus), &GetPartTransform(kPlus),
               &GetPartTransform(kRunner));
  pieces_.Size(piece, piece_height_, layout_.track_length);
  pieces_.ShowStates(GetState(kMinus), GetState(kPlus), GetState(kRunner));
  pieces_.ShowFixedFrames();
  pieces_.Place(layout_);
  const bool end_below = GetPartTransform(kPlus).position.y > GetPartTransform(kMinus).position.y;
  pieces_.Turn(SliderAngle(GetDirection(), end_below, kSliderPi), kSliderQuarter,
               &GetPartTransform(kMinus), &GetPartTransform(kPlus), &GetPartTransform(kRunner));
}

GuiEvent* OC_GUI_SLIDER12::Process() {
  GuiEvent* answer = OC_BASESLIDER::Process();
  pieces_.ShowStates(GetState(kMinus), GetState(kPlus), GetState(kRunner));
  return answer;
}

void OC_GUI_SLIDER12::Draw() { pieces_.Draw(); }

float OC_GUI_SLIDER12::GetWidth() const {
  return IsBuilt() ? FramedSliderExtent(*this, piece_height_).x : 0.0f;
}

float OC_GUI_SLIDER12::GetHeight() const {
  return IsBuilt() ? FramedSliderExtent(*this, piece_height_).y : 0.0f;
}

}  // namespace ORB
