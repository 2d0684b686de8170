#pragma once
// The texture provider of the game: textures by resource name from the
// resource repository, whose texture loader is the renderer's (its handles
// are the renderer's TextureRecords).
#include <string>

#include "engine/foundation/repository.h"
#include "engine/scene/texture_provider.h"

namespace ORB {

class RepositoryTextureProvider : public TextureProvider {
 public:
  // The repository must outlive the provider.
  explicit RepositoryTextureProvider(OC_REPOSITORY& repository) : repository_(repository) {}

  // The repository's texture; the placeholder when it has none to give.
  TextureRecord* AcquireTexture(const std::string& name) override;
  void ReleaseTexture(TextureRecord* texture) override;

 private:
  OC_REPOSITORY& repository_;
};

}  // namespace ORB
