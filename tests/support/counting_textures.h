#pragma once
// A texture provider for tests: the renderer's textures by name, counting the
// uses each one has out. A name it does not know answers the renderer's
// default texture (no use counted), as the repository does; giving back more
// than was taken fails the test.
//
//   test_support::CountingTextures textures(*renderer_);
//   textures.Add("img face.png", 64, 32);
//   ORB::SetTextureProvider(&textures);
//   ...
//   EXPECT_EQ(textures.Uses("img face.png"), 0);
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "engine/foundation/renderer.h"
#include "engine/scene/texture_provider.h"

namespace test_support {

class CountingTextures : public ORB::TextureProvider {
 public:
  explicit CountingTextures(ORB::Renderer& renderer) : renderer_(renderer) {}

  // A new blank texture of that size under the name.
  ORB::TextureRecord* Add(const std::string& name, int32_t w, int32_t h) {
    return Add(name, renderer_.CreateBlank(w, h));
  }
  // A texture made elsewhere under the name.
  ORB::TextureRecord* Add(const std::string& name, ORB::TextureRecord* texture) {
    textures_[name] = texture;
    return texture;
  }
  ORB::TextureRecord* AcquireTexture(const std::string& name) override {
    ++acquires_;
    auto it = textures_.find(name);
    if (it == textures_.end()) return renderer_.GetDefaultTexture();
    ++uses_[it->second];
    return it->second;
  }
  void ReleaseTexture(ORB::TextureRecord* texture) override {
    EXPECT_NE(texture, renderer_.GetDefaultTexture());
    EXPECT_GT(uses_[texture], 0) << "released more often than acquired";
    --uses_[texture];
  }
  // Uses of the named texture out now.
  int Uses(const std::string& name) { return uses_[textures_[name]]; }
  // Uses of every texture out now.
  int TotalUses() const {
    int total = 0;
    for (const auto& entry : uses_) total += entry.second;
    return total;
  }
  // Requests so far, answered or not.
  int Acquires() const { return acquires_; }

 private:
  ORB::Renderer& renderer_;
  std::map<std::string, ORB::TextureRecord*> textures_;
  std::map<ORB::TextureRecord*, int> uses_;
  int acquires_ = 0;
};

}  // namespace test_support
