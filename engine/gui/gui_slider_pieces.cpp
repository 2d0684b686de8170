#include "engine/gui/gui_slider_pieces.h"

#include <algorithm>
#include <cmath>

#include "engine/scene/anchor.h"
#include "engine/scene/truncate.h"

namespace ORB {

SliderLayout LayOutSlider(Vector2 start, Vector2 end, Vector2 direction, float piece,
                          float btnFactor) {
  SliderLayout layout;
  layout.button_offset = direction * (piece * btnFactor);
  const Vector2 half_piece = direction * (piece * 0.5f);
  layout.start_cap = start + layout.button_offset - half_piece;
  layout.track_centre = (start + end) * 0.5f;
  layout.end_cap = end - (layout.button_offset - half_piece);
  layout.track_length = Vector2::Distance(end - layout.button_offset, start + layout.button_offset);
  return layout;
}

float SliderAngle(Vector2 direction, bool end_below, float pi) {
  // Rounding may take a unit component a hair past 1.
  const float x = std::clamp(direction.x, -1.0f, 1.0f);
  return end_below ? std::acos(x) : std::acos(-x) + pi;
}

Vector2 FramedSliderExtent(const OC_BASESLIDER& slider, float pieceHeight) {
  const float along = Vector2::Distance(slider.GetStart(), slider.GetEnd()) + slider.GetPieceSize();
  const float dx = std::fabs(slider.GetDirection().x);
  const float dy = std::fabs(slider.GetDirection().y);
  return {dx * along + dy * pieceHeight, dy * along + dx * pieceHeight};
}

void SliderPieces::MapAlong(OC_MESH& quad, int32_t frame, int32_t frames) {
  quad.FitUVToSize();
  quad.OffsetUV(static_cast<float>(frame) / static_cast<float>(std::max(frames, 1)), 0.0f);
  InsetEdges(quad);
}

void SliderPieces::InsetEdges(OC_MESH& quad) {
  const TextureRecord* texture = quad.GetTexture();
  if (texture != nullptr && texture->Width() > 0) {
    quad.InsetUV(1.0f / static_cast<float>(texture->Width()));
  }
}

void SliderPieces::Make(TextureRecord* texture, OS_TRANSFORM3* parent, OS_TRANSFORM3* start,
                        OS_TRANSFORM3* end, OS_TRANSFORM3* runner) {
  quads_[kMinus] = std::make_unique<OC_MESH>(texture, start);
  quads_[kPlus] = std::make_unique<OC_MESH>(texture, end);
  quads_[kRunner] = std::make_unique<OC_MESH>(texture, runner);
  for (const Piece piece : {kStartCap, kEndCap, kTrack, kFill}) {
    if (piece == kFill && frames_ <= kFillFrame) continue;
    transforms_[piece] = OS_TRANSFORM3();
    transforms_[piece].parent = parent;
    quads_[piece] = std::make_unique<OC_MESH>(texture, &transforms_[piece]);
  }
}

void SliderPieces::Size(float piece, float pieceHeight, float trackLength) {
  const auto w = static_cast<float>(std::max(TruncateToInt(piece), 0));
  const auto h = static_cast<float>(std::max(TruncateToInt(pieceHeight), 0));
  for (const Piece small : {kMinus, kPlus, kRunner, kStartCap, kEndCap}) {
    quads_[small]->SetSize(w, h);
    quads_[small]->SetAnchor(HS_MID, 0.0f, 0.0f);
  }
  OC_MESH& track = *quads_[kTrack];
  track.SetSize(w, static_cast<float>(std::max(TruncateToInt(trackLength), 0)));
  MapAlong(track, kTrackFrame, frames_);
  track.SetAnchor(HS_MID, 0.0f, 0.0f);
}

void SliderPieces::ShowStates(int32_t minus, int32_t plus, int32_t runner) {
  if (!IsMade()) return;
  quads_[kMinus]->SetFrame(frames_, 1, minus, false);
  quads_[kPlus]->SetFrame(frames_, 1, plus + 3, false);
  quads_[kRunner]->SetFrame(frames_, 1, runner + 6, false);
}

void SliderPieces::ShowFixedFrames() {
  quads_[kStartCap]->SetFrame(frames_, 1, kStartCapFrame, false);
  quads_[kEndCap]->SetFrame(frames_, 1, kEndCapFrame, false);
  InsetEdges(*quads_[kStartCap]);
  InsetEdges(*quads_[kEndCap]);
}

void SliderPieces::Place(const SliderLayout& layout) {
  transforms_[kStartCap].SetPositionV2(layout.start_cap);
  transforms_[kEndCap].SetPositionV2(layout.end_cap);
  transforms_[kTrack].SetPositionV2(layout.track_centre);
}

void SliderPieces::Turn(float angle, float quarter, OS_TRANSFORM3* start, OS_TRANSFORM3* end,
                        OS_TRANSFORM3* runner) {
  for (OS_TRANSFORM3* transform : {start, end, runner}) transform->SetAngle(angle);
  for (const Piece piece : {kStartCap, kEndCap, kTrack, kFill}) {
    transforms_[piece].SetAngle(angle);
  }
  transforms_[kTrack].rotation.z -= quarter;
  transforms_[kFill].rotation.z -= quarter;
}

void SliderPieces::SetTexture(TextureRecord* texture) {
  for (const auto& quad : quads_) {
    if (quad) quad->SetTexture(texture);
  }
}

void SliderPieces::Draw() const {
  for (const Piece piece : {kStartCap, kEndCap, kTrack, kFill, kMinus, kPlus, kRunner}) {
    if (quads_[piece]) quads_[piece]->Draw();
  }
}

}  // namespace ORB
