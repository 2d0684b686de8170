// Textures by resource name from the repository, decoded by the renderer.
#include "engine/scene/repository_texture_provider.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/foundation/file_system.h"
#include "engine/foundation/renderer.h"
#include "engine/scene/mesh.h"
#include "support/recording_renderer.h"
#include "support/renderer_textures.h"
#include "support/source_path.h"
#include "support/temp_folder.h"

namespace ORB {
namespace {

using test_support::RendererTextures;

class RepositoryTextureProviderTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(base_.Path().empty());
    files_ = std::make_unique<FileSystem>(base_.Path());
    ASSERT_TRUE(files_->CreateResourcesFolder());
    std::filesystem::create_directories(files_->GetResourcesFolder() + "img");
    std::filesystem::copy_file(test_support::TestData("renderer/five_by_three.png"),
                               files_->GetResourcesFolder() + "img/small.png");
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    loader_ = std::make_unique<RendererTextures>(*renderer_);
    repository_ = std::make_unique<OC_REPOSITORY>(*files_, loader_.get(), nullptr);
    ASSERT_EQ(repository_->AddFolder("img"), kResultOk);
  }
  void TearDown() override { repository_.reset(); }

  test_support::TempFolder base_;
  std::unique_ptr<FileSystem> files_;
  std::unique_ptr<RendererTextures> loader_;
  std::unique_ptr<OC_REPOSITORY> repository_;
};

TEST_F(RepositoryTextureProviderTest, FetchesCountsAndGivesBack) {
  RepositoryTextureProvider provider(*repository_);
  TextureRecord* texture = provider.AcquireTexture("img small.png");
  ASSERT_NE(texture, nullptr);
  EXPECT_NE(texture, renderer_->GetDefaultTexture());
  EXPECT_EQ(texture->Width(), 5);
  EXPECT_EQ(texture->Height(), 3);
  EXPECT_EQ(provider.AcquireTexture("img small.png"), texture);
  EXPECT_EQ(repository_->Find("img small.png")->uses, 2);

  // A quad built from it takes the image's size.
  OC_MESH quad(texture, nullptr);
  EXPECT_EQ(quad.GetWidth(), 5.0f);

  provider.ReleaseTexture(texture);
  provider.ReleaseTexture(texture);
  EXPECT_EQ(repository_->Find("img small.png")->uses, 0);

  // Unknown names give the placeholder, which is never given back.
  TextureRecord* missing = provider.AcquireTexture("img nothing.png");
  EXPECT_EQ(missing, PlaceholderTexture());
  provider.ReleaseTexture(missing);
  provider.ReleaseTexture(nullptr);
}

}  // namespace
}  // namespace ORB
