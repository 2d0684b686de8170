#pragma once
// A texture provider for tests: hands out blank textures of the renderer by
// name (made with Add) and counts the uses held, failing the test when one
// is given back more often than it was fetched.
//
//   test_support::CountingProvider provider(*renderer_);
//   provider.Add("img face.png", 64, 32);
//   ORB::SetTextureProvider(&provider);
//   ...
//   EXPECT_EQ(provider.Uses("img face.png"), 0);
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/foundation/renderer.h"
#include "engine/scene/texture_provider.h"

namespace test_support {

class CountingProvider : public ORB::TextureProvider {
 public:
  explicit CountingProvider(ORB::Renderer& renderer) : renderer_(renderer) {}

  // A blank texture of that size under the name; null when the renderer
  // cannot make one.
  ORB::TextureRecord* Add(const std::string& name, int32_t w, int32_t h) {
    ORB::TextureRecord* texture = renderer_.CreateBlank(w, h);
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
  int Uses(const std::string& name) { return uses_[textures_[name]]; }
  int Acquires() const { return acquires_; }
  // Every use held, over all textures.
  int TotalUses() const {
    int total = 0;
    for (const auto& [texture, uses] : uses_) total += uses;
    return total;
  }

 private:
  ORB::Renderer& renderer_;
  std::map<std::string, ORB::TextureRecord*> textures_;
  std::map<ORB::TextureRecord*, int> uses_;
  int acquires_ = 0;
};

}  // namespace test_support
