#include "engine/scene/held_texture.h"

#include <utility>

namespace ORB {

TextureRecord* HeldTexture::Take(TextureProvider* provider) {
  if (texture_ != nullptr || name_.empty() || provider == nullptr) return Get();
  TextureRecord* texture = provider->AcquireTexture(name_);
  // The placeholder stands in for a texture that cannot be had; no use was
  // counted for it.
  if (texture != nullptr && texture != PlaceholderTexture()) {
    texture_ = texture;
    provider_ = provider;
  }
  return Get();
}

void HeldTexture::GiveBack() {
  if (texture_ == nullptr) return;
  TextureRecord* texture = std::exchange(texture_, nullptr);
  std::exchange(provider_, nullptr)->ReleaseTexture(texture);
}

void HeldTexture::SetName(std::string name) {
  GiveBack();
  name_ = std::move(name);
}

TextureRecord* HeldTexture::Get() const {
  return texture_ != nullptr ? texture_ : PlaceholderTexture();
}

}  // namespace ORB
