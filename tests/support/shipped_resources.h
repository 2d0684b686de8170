#pragma once
// The checkout's Resources/ through the real repository, as the game reads
// it: the named folders registered, images decoded into the renderer's
// textures, the textures watched (watched_textures.h) and the descriptions
// served by the repository; both set as the process-wide providers while the
// object lives.
//
//   test_support::ShippedResources shipped(*renderer_, {"data/share/image/gui",
//   "data/share/font"});
//   ...load and release widgets...
//   EXPECT_EQ(shipped.textures.missing, std::vector<std::string>());
//   EXPECT_EQ(shipped.textures.Out(), 0);
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "engine/foundation/file_system.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/texture_provider.h"
#include "renderer_textures.h"
#include "source_path.h"
#include "watched_textures.h"

namespace test_support {

class ShippedResources {
 public:
  ShippedResources(ORB::Renderer& renderer, std::initializer_list<const char*> folders)
      : loader_(renderer), repository(files_, &loader_, nullptr) {
    for (const char* folder : folders) {
      EXPECT_EQ(repository.AddFolder(folder), ORB::kResultOk) << folder;
    }
    ORB::SetTextureProvider(&textures);
    ORB::SetDocumentProvider(&documents);
  }
  ~ShippedResources() {
    ORB::SetTextureProvider(nullptr);
    ORB::SetDocumentProvider(nullptr);
  }
  ShippedResources(const ShippedResources&) = delete;
  ShippedResources& operator=(const ShippedResources&) = delete;

  // Nothing taken is still out: no texture use, no record in use.
  void ExpectNothingHeld() const {
    EXPECT_EQ(textures.Out(), 0);
    EXPECT_EQ(RecordsInUse(repository), std::vector<std::string>());
  }

 private:
  ORB::FileSystem files_{SourcePath("")};
  RendererTextures loader_;

 public:
  ORB::OC_REPOSITORY repository;
  WatchedTextures textures{repository};
  ORB::RepositoryDocumentProvider documents{repository};
};

}  // namespace test_support
