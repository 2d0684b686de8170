#include "engine/gui/sheet_quad.h"

#include <algorithm>
#include <utility>

#include "engine/gui/gui_object.h"
#include "engine/scene/anchor.h"
#include "engine/scene/truncate.h"

namespace ORB {

SheetQuad::SheetQuad(std::string textureName, int32_t columns, int32_t rows)
    : texture_(std::move(textureName)), columns_(std::max(columns, 1)), rows_(std::max(rows, 1)) {}

bool SheetQuad::Load(OS_TRANSFORM3* transform) {
  if (texture_.Name().empty()) return false;  // the caller's texture, or none
  TextureRecord* texture = texture_.Take();
  if (!texture_.IsHeld()) {
    LogMissingTexture(texture_.Name());
    return false;
  }
  if (quad_) {
    quad_->SetTexture(texture);
  } else {
    Build(texture, transform);
  }
  return true;
}

void SheetQuad::Release() {
  if (!texture_.IsHeld()) return;
  texture_.GiveBack();
  if (quad_) quad_->SetTexture(PlaceholderTexture());
}

void SheetQuad::Show(TextureRecord* texture, OS_TRANSFORM3* transform) {
  if (texture == nullptr) return;
  texture_.SetName(std::string());
  shown_ = texture;
  if (quad_) {
    quad_->SetTexture(texture);
  } else {
    Build(texture, transform);
  }
}

TextureRecord* SheetQuad::Texture() const {
  if (texture_.IsHeld()) return texture_.Get();
  return shown_ != nullptr ? shown_ : PlaceholderTexture();
}

void SheetQuad::Build(TextureRecord* texture, OS_TRANSFORM3* transform) {
  quad_ = std::make_unique<OC_MESH>(texture, transform);
  // One cell of the sheet, in whole pixels.
  if (!sized_) {
    width_ = TruncateToInt(quad_->GetWidth() / static_cast<float>(columns_));
    height_ = TruncateToInt(quad_->GetHeight() / static_cast<float>(rows_));
  }
  SetFrame(frame_);
  Fit();
}

void SheetQuad::Fit() {
  quad_->SetSize(width_, height_);
  quad_->SetAnchor(HS_MID, 0.0f, 0.0f);
  hit_.Set(OC_HIT_SHAPE::kRectangle, quad_->GetTransform(), quad_->GetWidth(), quad_->GetHeight(),
           0.0f, 0);
  hit_.SetInset(inset_);
}

void SheetQuad::SetHitInset(const HitInset& inset) {
  inset_ = inset;
  hit_.SetInset(inset);
}

void SheetQuad::SetSize(int32_t w, int32_t h) {
  sized_ = true;
  width_ = w;
  height_ = h;
  if (quad_) Fit();
}

void SheetQuad::SetFrame(int32_t index) {
  frame_ = index;
  if (!quad_) return;
  const int64_t last = static_cast<int64_t>(columns_) * rows_ - 1;
  quad_->SetFrame(columns_, rows_, static_cast<int32_t>(std::clamp<int64_t>(index, 0, last)),
                  false);
}

void SheetQuad::Draw() {
  if (!quad_) return;
  // Unturned and unscaled, texel for pixel (sharp, and no colour of the
  // transparent texels beside an edge bleeds in); otherwise filtered.
  quad_->UpdateFilter();
  quad_->Draw();
}

float SheetQuad::Width() const { return quad_ ? quad_->GetWidth() : 0.0f; }

float SheetQuad::Height() const { return quad_ ? quad_->GetHeight() : 0.0f; }

bool SheetQuad::Contains(float x, float y) const { return quad_ && hit_.Contains(x, y); }

}  // namespace ORB
