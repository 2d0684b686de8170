#include "engine/scene/texture_provider.h"

#include "engine/foundation/renderer.h"

namespace ORB {

namespace {

TextureProvider* g_provider = nullptr;

}  // namespace

void SetTextureProvider(TextureProvider* provider) { g_provider = provider; }

TextureProvider* GetTextureProvider() { return g_provider; }

TextureRecord* PlaceholderTexture() {
  const Renderer* renderer = Renderer::Current();
  return renderer != nullptr ? renderer->GetDefaultTexture() : nullptr;
}

}  // namespace ORB
