#include "framework/nine_panel.h"

#include <algorithm>

#include "engine/foundation/render_state.h"

namespace ORB_GF {

namespace {

constexpr uint32_t kAddressBits = ORB::RenderState::kAddressMask;   // 0x18000
constexpr uint32_t kWrapU = 1u << ORB::RenderState::kAddressShift;  // 0x8000
constexpr uint32_t kWrapV = 2u << ORB::RenderState::kAddressShift;  // 0x10000

constexpr const char* kAttributes[NinePanel::kPieceCount] = {"ul", "up", "ur", "rt", "dr",
                                                             "dn", "dl", "lt", "mid"};

}  // namespace

NinePanel::NinePanel() {
  for (G_SPRITE& piece : pieces_) piece.EnsureTransform().parent = &transform_;
  auto address = [this](Piece piece, uint32_t bits) {
    pieces_[piece].SetState((pieces_[piece].GetState() & ~kAddressBits) | bits);
  };
  address(kUp, kWrapU);
  address(kDn, kWrapU);
  address(kLt, kWrapV);
  address(kRt, kWrapV);
  address(kMid, kWrapU | kWrapV);
}

void NinePanel::Load(const pugi::xml_node& node) {
  for (int32_t i = 0; i < kPieceCount; ++i) {
    const std::string file = node.attribute(kAttributes[i]).value();
    if (!file.empty()) pieces_[i].SetFile(file);
  }
}

void NinePanel::SetFiles(const std::string& ul, const std::string& up, const std::string& ur,
                         const std::string& lt, const std::string& mid, const std::string& rt,
                         const std::string& dl, const std::string& dn, const std::string& dr) {
  const std::pair<Piece, const std::string*> files[] = {{kUL, &ul}, {kUp, &up},   {kUR, &ur},
                                                        {kLt, &lt}, {kMid, &mid}, {kRt, &rt},
                                                        {kDL, &dl}, {kDn, &dn},   {kDR, &dr}};
  for (const auto& [piece, file] : files) {
    if (!file->empty()) pieces_[piece].SetFile(*file);
  }
}

void NinePanel::LoadTextures(ORB::TextureProvider* provider) {
  for (G_SPRITE& piece : pieces_) piece.LoadTexture(provider);
  min_width_ = LeftWidth() + RightWidth();
  min_height_ = TopHeight() + BottomHeight();
  // A panel never sized takes the corners' size.
  if (width_ <= 0.0f) width_ = min_width_;
  if (height_ <= 0.0f) height_ = min_height_;
  Resize();
}

void NinePanel::ReleaseTextures() {
  for (G_SPRITE& piece : pieces_) piece.ReleaseTexture();
}

void NinePanel::SetSize(int32_t w, int32_t h) {
  width_ = std::max(static_cast<float>(w), min_width_);
  height_ = std::max(static_cast<float>(h), min_height_);
  Resize();
}

float NinePanel::Loaded(Piece piece, bool width) const {
  const G_SPRITE& sprite = pieces_[piece];
  if (!sprite.IsLoaded()) return 0.0f;
  return width ? sprite.GetWidth() : sprite.GetHeight();
}

float NinePanel::LeftWidth() const {
  return pieces_[kUL].IsLoaded() ? Loaded(kUL, true) : Loaded(kDL, true);
}

float NinePanel::RightWidth() const {
  return pieces_[kUR].IsLoaded() ? Loaded(kUR, true) : Loaded(kDR, true);
}

float NinePanel::TopHeight() const {
  return pieces_[kUL].IsLoaded() ? Loaded(kUL, false) : Loaded(kUR, false);
}

float NinePanel::BottomHeight() const {
  return pieces_[kDL].IsLoaded() ? Loaded(kDL, false) : Loaded(kDR, false);
}

ORB::NineLayout NinePanel::Measure() const {
  return ORB::NineLayout(width_, height_, LeftWidth(), TopHeight(), RightWidth(), BottomHeight());
}

void NinePanel::Resize() {
  // Never smaller than the corners.
  width_ = std::max(width_, min_width_);
  height_ = std::max(height_, min_height_);
  const ORB::NineLayout layout = Measure();
  middle_width_ = layout.MiddleWidth();
  middle_height_ = layout.MiddleHeight();
  auto fit = [this](Piece piece, bool along_x, bool along_y) {
    G_SPRITE& sprite = pieces_[piece];
    if (!sprite.IsLoaded()) return;
    if (along_x) sprite.SetWidth(middle_width_);
    if (along_y) sprite.SetHeight(middle_height_);
    // One texel per pixel: the picture repeats instead of stretching.
    sprite.FitUVToSize();
  };
  fit(kMid, true, true);
  fit(kUp, true, false);
  fit(kDn, true, false);
  fit(kLt, false, true);
  fit(kRt, false, true);
  Layout(layout);
}

void NinePanel::Layout(const ORB::NineLayout& layout) {
  // Each piece's column and row in the frame.
  struct Cell {
    Piece piece;
    int32_t column;
    int32_t row;
  };
  static constexpr Cell kCells[] = {{kUL, 0, 0}, {kUp, 1, 0}, {kUR, 2, 0},
                                    {kLt, 0, 1}, {kMid, 1, 1}, {kRt, 2, 1},
                                    {kDL, 0, 2}, {kDn, 1, 2}, {kDR, 2, 2}};
  for (const Cell& cell : kCells) {
    G_SPRITE& sprite = pieces_[cell.piece];
    if (!sprite.IsLoaded()) continue;
    const ORB::NinePlace place = layout.Place(cell.column, cell.row);
    sprite.GetTransform()->SetPosition(0.0f, 0.0f, 0.0f);
    sprite.SetHotSpot(place.anchor, place.dx, place.dy);
  }
}

void NinePanel::Draw() {
  for (G_SPRITE& piece : pieces_) {
    if (!piece.IsLoaded()) continue;
    // Unturned and unscaled, texel for pixel; otherwise filtered.
    piece.UpdateFilter();
    piece.Draw();
  }
}

}  // namespace ORB_GF
