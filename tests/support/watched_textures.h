#pragma once
// The repository's textures as the game hands them to widgets, watched: the
// uses each texture has out, and every request answered with the default
// texture (a picture the player would see as a blank stand-in). Beside it,
// the repository's records still in use, for checks that everything taken
// was given back.
//
//   test_support::WatchedTextures textures(repository);
//   ORB::SetTextureProvider(&textures);
//   ...
//   EXPECT_EQ(textures.missing, std::vector<std::string>());
//   EXPECT_EQ(textures.Out(), 0);
//   EXPECT_EQ(test_support::RecordsInUse(repository), std::vector<std::string>());
#include <map>
#include <string>
#include <vector>

#include "engine/foundation/repository.h"
#include "engine/scene/repository_texture_provider.h"
#include "engine/scene/texture_provider.h"

namespace test_support {

class WatchedTextures : public ORB::TextureProvider {
 public:
  explicit WatchedTextures(ORB::OC_REPOSITORY& repository) : inner_(repository) {}

  ORB::TextureRecord* AcquireTexture(const std::string& name) override {
    ORB::TextureRecord* texture = inner_.AcquireTexture(name);
    if (texture == ORB::PlaceholderTexture()) {
      missing.push_back(name);
    } else {
      ++uses_[texture];
    }
    return texture;
  }
  void ReleaseTexture(ORB::TextureRecord* texture) override {
    --uses_[texture];
    inner_.ReleaseTexture(texture);
  }
  // Uses out now, over every texture.
  int Out() const {
    int out = 0;
    for (const auto& entry : uses_) out += entry.second;
    return out;
  }

  // The names asked for that were answered with the default texture.
  std::vector<std::string> missing;

 private:
  ORB::RepositoryTextureProvider inner_;
  std::map<ORB::TextureRecord*, int> uses_;
};

// "folder name" of every record with uses left.
inline std::vector<std::string> RecordsInUse(const ORB::OC_REPOSITORY& repository) {
  std::vector<std::string> used;
  for (const auto& [name, record] : repository.TopLevel()) {
    if (record->uses != 0) used.push_back(name);
  }
  for (const auto& folder : repository.Folders()) {
    for (const auto& [name, record] : folder->records) {
      if (record->uses != 0) used.push_back(folder->name + " " + name);
    }
  }
  return used;
}

}  // namespace test_support
