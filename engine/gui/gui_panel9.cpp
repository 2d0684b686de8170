#include "engine/gui/gui_panel9.h"

#include <algorithm>

#include "engine/foundation/render_state.h"
#include "engine/scene/nine_layout.h"
#include "engine/scene/truncate.h"

namespace ORB {

namespace {

// The pieces, row by row.
enum Piece : int32_t { kUL, kUp, kUR, kLt, kMid, kRt, kDL, kDn, kDR };

// Addressing of each piece: the edges repeat along their length, the middle
// both ways, the corners not at all (RenderState bits 15-16).
constexpr uint32_t kWrapU = 1;
constexpr uint32_t kWrapV = 2;
constexpr uint32_t kAddressing[OC_GUI_PANEL9::kPieces] = {
    0, kWrapU, 0, kWrapV, kWrapU | kWrapV, kWrapV, 0, kWrapU, 0};

}  // namespace

OC_GUI_PANEL9::OC_GUI_PANEL9(int32_t id, const Names& names)
    : GuiPanelBase(id, kGuiKindPanel9, false) {
  for (int32_t i = 0; i < kPieces; ++i) {
    textures_[i].SetName(names[i]);
    piece_transforms_[i].parent = &GetTransform();
  }
  hit_transform_.parent = &GetTransform();
}

OC_GUI_PANEL9::OC_GUI_PANEL9(int32_t id, const Textures& textures) : OC_GUI_PANEL9(id, Names{}) {
  Build(textures);
}

const OC_MESH* OC_GUI_PANEL9::GetPiece(int32_t index) const {
  if (index < 0 || index >= kPieces) return nullptr;
  return pieces_[index].get();
}

void OC_GUI_PANEL9::LoadResources() {
  Textures textures{};
  bool missing = false;
  bool any = false;
  for (int32_t i = 0; i < kPieces; ++i) {
    HeldTexture& held = textures_[i];
    if (held.Name().empty()) continue;
    held.Take();
    if (!held.IsHeld()) {
      LogMissingTexture(held.Name());
      missing = true;
      continue;
    }
    textures[i] = held.Get();
    any = true;
  }
  if (built_) {
    for (int32_t i = 0; i < kPieces; ++i) {
      if (pieces_[i] && textures[i] != nullptr) pieces_[i]->SetTexture(textures[i]);
    }
    return;
  }
  if (any && !missing) Build(textures);
}

void OC_GUI_PANEL9::ReleaseResources() {
  for (int32_t i = 0; i < kPieces; ++i) {
    if (!textures_[i].IsHeld()) continue;
    textures_[i].GiveBack();
    if (pieces_[i]) pieces_[i]->SetTexture(PlaceholderTexture());
  }
}

void OC_GUI_PANEL9::Build(const Textures& textures) {
  for (int32_t i = 0; i < kPieces; ++i) {
    if (textures[i] == nullptr) continue;
    pieces_[i] = std::make_unique<OC_MESH>(textures[i], &piece_transforms_[i]);
    pieces_[i]->SetAddressMode(kAddressing[i]);
    piece_widths_[i] = pieces_[i]->GetWidth();
    piece_heights_[i] = pieces_[i]->GetHeight();
  }
  built_ = true;
  min_width_ = TruncateToInt(piece_widths_[kUL] + piece_widths_[kUR]);
  min_height_ = TruncateToInt(piece_heights_[kLt] + piece_heights_[kRt]);
  width_ = std::max(width_, min_width_);
  height_ = std::max(height_, min_height_);
  Layout();
}

void OC_GUI_PANEL9::SetSize(int32_t w, int32_t h) {
  width_ = std::max(w, min_width_);
  height_ = std::max(h, min_height_);
  if (built_) Layout();
}

void OC_GUI_PANEL9::Layout() {
  const NineLayout layout(static_cast<float>(width_), static_cast<float>(height_),
                          piece_widths_[kUL], piece_heights_[kUL], piece_widths_[kUR],
                          piece_heights_[kDL]);
  const float mw = layout.MiddleWidth();
  const float mh = layout.MiddleHeight();
  for (int32_t i = 0; i < kPieces; ++i) {
    OC_MESH* piece = pieces_[i].get();
    if (piece == nullptr) continue;
    const int32_t column = i % 3;
    const int32_t row = i / 3;
    if (column == 1 || row == 1) {
      // Edges and middle: the room between the corners, one texel a pixel.
      piece->SetSize(column == 1 ? mw : piece_widths_[i], row == 1 ? mh : piece_heights_[i]);
      piece->FitUVToSize();
    }
    const NinePlace place = layout.Place(column, row);
    piece->SetAnchor(place.anchor, place.dx, place.dy);
  }
  drawn_width_ = layout.Width();
  drawn_height_ = layout.Height();
  hit_transform_.pivot.Set(-layout.Left(), -layout.Top(), 0.0f);
  hit_.Set(OC_HIT_SHAPE::kRectangle, &hit_transform_, drawn_width_, drawn_height_, 0.0f, 0);
}

bool OC_GUI_PANEL9::Hits(float x, float y) const { return built_ && hit_.Contains(x, y); }

void OC_GUI_PANEL9::Draw() {
  for (const std::unique_ptr<OC_MESH>& piece : pieces_) {
    if (!piece) continue;
    // Unturned and unscaled, texel for pixel; otherwise filtered.
    piece->UpdateFilter();
    piece->Draw();
  }
}

float OC_GUI_PANEL9::GetWidth() const { return built_ ? drawn_width_ : 0.0f; }

float OC_GUI_PANEL9::GetHeight() const { return built_ ? drawn_height_ : 0.0f; }

}  // namespace ORB
