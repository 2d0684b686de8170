#include "engine/scene/repository_texture_provider.h"

namespace ORB {

TextureRecord* RepositoryTextureProvider::AcquireTexture(const std::string& name) {
  auto* texture = static_cast<TextureRecord*>(repository_.GetTexture(name));
  return texture != nullptr ? texture : PlaceholderTexture();
}

void RepositoryTextureProvider::ReleaseTexture(TextureRecord* texture) {
  if (texture != nullptr && texture != PlaceholderTexture()) repository_.ReleaseTexture(texture);
}

}  // namespace ORB
