#pragma once
// Where drawables get their textures from by name. Drawables only record a
// texture's name when they are built; their owner's load-resources pass asks
// a provider for the texture, and the release-resources pass gives it back.
// The game's provider is the resource repository; a process-wide slot holds
// the one passes use when they are not handed one.
#include <string>

#include "engine/foundation/texture_record.h"

namespace ORB {

class TextureProvider {
 public:
  virtual ~TextureProvider() = default;

  // The texture of that name, counting one use. A texture that cannot be
  // had gives the renderer's default texture (no use counted), or null when
  // there is no renderer.
  virtual TextureRecord* AcquireTexture(const std::string& name) = 0;

  // Gives back one use of a texture AcquireTexture answered. Never called
  // with the default texture or null.
  virtual void ReleaseTexture(TextureRecord* texture) = 0;
};

// The provider used by load and release passes that are given none (null
// until the game service sets it). The provider must outlive its use.
void SetTextureProvider(TextureProvider* provider);
TextureProvider* GetTextureProvider();

// The renderer's default texture, which stands in for every texture not
// (yet) had; null without a renderer.
TextureRecord* PlaceholderTexture();

}  // namespace ORB
