#include "engine/gui/gui_slider13.h"

#include <utility>

#include "engine/scene/anchor.h"
#include "engine/scene/texture_provider.h"
#include "engine/scene/truncate.h"

namespace ORB {

namespace {

constexpr uint32_t kWrapBoth = 3;

}  // namespace

OC_GUI_SLIDER13::OC_GUI_SLIDER13(int32_t id, std::string textureName, Vector2 start, Vector2 end,
                                 float radius, float btnFactor, float min, float max, float step,
                                 float value)
    : OC_BASESLIDER(Deferred{}, id, start, end, radius, btnFactor, min, max, step, value),
      texture_(std::move(textureName)) {
  // Laid out for the placeholder's size until the sheet comes.
  const TextureRecord* placeholder = PlaceholderTexture();
  Setup(static_cast<float>(placeholder != nullptr ? placeholder->Width() / kFrames : 0));
}

OC_GUI_SLIDER13::~OC_GUI_SLIDER13() = default;

void OC_GUI_SLIDER13::Build(TextureRecord* texture) {
  built_ = true;
  SetPieceSize(texture->Width() / kFrames);
  Vector2 start = GetStartPoint();
  Vector2 end = GetEndPoint();
  FitEnds(start, end, GetPieceSize());
  SetEnds(start.x, start.y, end.x, end.y);

  const float piece = GetPieceSize();
  piece_height_ = static_cast<float>(texture->Height());
  layout_ = LayOutSlider(GetStart(), GetEnd(), GetDirection(), piece, GetButtonFactor());
  pieces_.Make(texture, &GetTransform(), &GetPartTransform(kMinus), &GetPartTransform(kPlus),
               &GetPartTransform(kRunner));
  pieces_.Get(SliderPieces::kRunner)->SetAddressMode(kWrapBoth);
  pieces_.Get(SliderPieces::kTrack)->SetAddressMode(kWrapBoth);
  pieces_.Size(piece, piece_height_, layout_.track_length);
  ShowStates();
  pieces_.ShowFixedFrames();
  pieces_.Place(layout_);
  const bool end_below = GetPartTransform(kPlus).position.y > GetPartTransform(kMinus).position.y;
  pieces_.Turn(SliderAngle(GetDirection(), end_below, kSliderPi), kSliderQuarter,
               &GetPartTransform(kMinus), &GetPartTransform(kPlus), &GetPartTransform(kRunner));
  UpdateFill();
}

void OC_GUI_SLIDER13::UpdateFill() {
  OC_MESH* fill = built_ ? pieces_.Get(SliderPieces::kFill) : nullptr;
  if (fill == nullptr) return;
  fill_start_ = GetStart() + layout_.button_offset;
  fill_length_ = Vector2::Distance(GetRunner(), fill_start_);
  // Anchored at its top middle: turned a quarter less than the slider, the
  // fill's length runs from there along the axis to the runner.
  fill->SetSize(static_cast<float>(TruncateToInt(GetPieceSize())),
                static_cast<float>(TruncateToInt(fill_length_)));
  fill->SetAnchor(HS_MU, 0.0f, 0.0f);
  SliderPieces::MapAlong(*fill, SliderPieces::kFillFrame, kFrames);
  pieces_.TransformOf(SliderPieces::kFill).SetPositionV2(fill_start_);
}

void OC_GUI_SLIDER13::ShowStates() {
  if (built_) pieces_.ShowStates(GetState(kMinus), GetState(kPlus), GetState(kRunner));
}

GuiEvent* OC_GUI_SLIDER13::OnMouseUp() {
  GuiEvent* answer = OC_BASESLIDER::OnMouseUp();
  ShowStates();
  return answer;
}

GuiEvent* OC_GUI_SLIDER13::OnMouseDown() {
  GuiEvent* answer = OC_BASESLIDER::OnMouseDown();
  ShowStates();
  return answer;
}

GuiEvent* OC_GUI_SLIDER13::OnMouseMove() {
  GuiEvent* answer = OC_BASESLIDER::OnMouseMove();
  ShowStates();
  return answer;
}

void OC_GUI_SLIDER13::DropPress() {
  OC_BASESLIDER::DropPress();
  ShowStates();
}

void OC_GUI_SLIDER13::Draw() {
  if (built_) pieces_.Draw();
}

float OC_GUI_SLIDER13::GetWidth() const {
  return built_ ? FramedSliderExtent(*this, piece_height_).x : 0.0f;
}

float OC_GUI_SLIDER13::GetHeight() const {
  return built_ ? FramedSliderExtent(*this, piece_height_).y : 0.0f;
}

void OC_GUI_SLIDER13::LoadResources() {
  TextureRecord* texture = texture_.Take();
  if (!texture_.IsHeld()) {
    LogMissingTexture(texture_.Name());
    return;
  }
  if (built_) {
    pieces_.SetTexture(texture);
  } else {
    Build(texture);
  }
}

void OC_GUI_SLIDER13::ReleaseResources() {
  if (!texture_.IsHeld()) return;
  texture_.GiveBack();
  if (built_) pieces_.SetTexture(PlaceholderTexture());
}

}  // namespace ORB
