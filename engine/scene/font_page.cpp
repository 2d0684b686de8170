#include "engine/scene/font_page.h"

#include "engine/foundation/renderer.h"

namespace ORB {

namespace {

constexpr uint16_t kQuadIndices[6] = {0, 1, 2, 0, 2, 3};

}  // namespace

FontPage::FontPage() {
  SetColour(0xFFFFFFFFu);
  SetUV(0.0f, 0.0f, 1.0f, 1.0f);
}

void FontPage::SetFromTexture(TextureRecord* texture) {
  SetTexture(texture);
  const float width = texture != nullptr ? static_cast<float>(texture->Width()) : 0.0f;
  const float height = texture != nullptr ? static_cast<float>(texture->Height()) : 0.0f;
  SetSize(width, height);
  SetUV(0.0f, 0.0f, 1.0f, 1.0f);
  SetColour(0xFFFFFFFFu);
}

void FontPage::SetTexture(TextureRecord* texture) { texture_ = texture; }

void FontPage::SetSize(float width, float height) {
  vertices_[1].x = vertices_[0].x + width;
  vertices_[2].x = vertices_[0].x + width;
  vertices_[2].y = vertices_[0].y + height;
  vertices_[3].y = vertices_[0].y + height;
}

void FontPage::SetUV(float u0, float v0, float u1, float v1) {
  vertices_[0].SetUV(u0, v0);
  vertices_[1].SetUV(u1, v0);
  vertices_[2].SetUV(u1, v1);
  vertices_[3].SetUV(u0, v1);
}

void FontPage::SetColour(uint32_t argb) {
  for (MeshVertex& vertex : vertices_) vertex.SetColour(argb);
}

void FontPage::SetAnchor(int32_t anchor) {
  if (anchor < 0 || anchor > 8) return;
  static constexpr float kFractions[3] = {0.0f, 0.5f, 1.0f};
  transform_.pivot.x = kFractions[anchor % 3] * Width();
  transform_.pivot.y = kFractions[anchor / 3] * Height();
}

void FontPage::Draw() {
  Renderer* renderer = Renderer::Current();
  if (renderer == nullptr) return;
  renderer->SetWorld(transform_.GetWorld());
  renderer->DrawMesh(vertices_, texture_, state_, 4, kQuadIndices, 6);
}

}  // namespace ORB
