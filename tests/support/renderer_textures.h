#pragma once
// The renderer as a repository's texture loader: image files are decoded into
// the renderer's textures, and a miss is its default texture.
#include <cstddef>
#include <cstdint>

#include "engine/foundation/renderer.h"
#include "engine/foundation/resource_loaders.h"

namespace test_support {

class RendererTextures : public ORB::TextureLoader {
 public:
  explicit RendererTextures(ORB::Renderer& renderer) : renderer_(renderer) {}
  ORB::TextureHandle CreateTexture(const uint8_t* bytes, size_t size) override {
    return renderer_.LoadFromMemory(bytes, size);
  }
  void ReleaseTexture(ORB::TextureHandle texture) override {
    renderer_.ReleaseTexture(static_cast<ORB::TextureRecord*>(texture));
  }
  ORB::TextureHandle DefaultTexture() override { return renderer_.GetDefaultTexture(); }

 private:
  ORB::Renderer& renderer_;
};

}  // namespace test_support
