// The renderer's textures against the recording device.
#include <gtest/gtest.h>

#include "support/read_file.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/platform/fake_gpu_device.h"
#include "engine/platform/message_box.h"
#include "support/recording_renderer.h"
#include "support/source_path.h"

namespace ORB {
namespace {

using platform::FakeGpuDevice;

using test_support::ReadFile;

class RendererTexturesTest : public test_support::RecordingRendererTest {};

TEST_F(RendererTexturesTest, DefaultTextureIsABlank16By16) {
  TextureRecord* fallback = renderer_->GetDefaultTexture();
  ASSERT_NE(fallback, nullptr);
  EXPECT_EQ(fallback->Width(), 16);
  EXPECT_EQ(fallback->Height(), 16);
  EXPECT_EQ(fake_->TexturePixels(fallback->handle), std::vector<uint32_t>(256, 0u));
  EXPECT_EQ(renderer_->ReleaseTexture(fallback), kResultBadArgument);
  EXPECT_TRUE(renderer_->IsTexture(fallback));
  EXPECT_TRUE(fake_->HasTexture(fallback->handle));
}

TEST_F(RendererTexturesTest, BlankTexturesAreZeroFilledAndReleasedOnce) {
  TextureRecord* blank = renderer_->CreateBlank(16, 16);
  ASSERT_NE(blank, nullptr);
  EXPECT_NE(blank, renderer_->GetDefaultTexture());
  const platform::TextureHandle handle = blank->handle;
  EXPECT_EQ(fake_->TexturePixels(handle), std::vector<uint32_t>(256, 0u));
  EXPECT_EQ(renderer_->ReleaseTexture(blank), kResultOk);
  EXPECT_FALSE(fake_->HasTexture(handle));
  EXPECT_EQ(renderer_->ReleaseTexture(blank), kResultBadArgument);  // no longer held
  EXPECT_EQ(renderer_->ReleaseTexture(nullptr), kResultBadArgument);
  TextureRecord stranger;
  EXPECT_EQ(renderer_->ReleaseTexture(&stranger), kResultBadArgument);

  EXPECT_EQ(renderer_->CreateBlank(0, 16), nullptr);
  EXPECT_EQ(renderer_->CreateBlank(16, -1), nullptr);
  EXPECT_EQ(renderer_->CreateBlank(1 << 20, 1), nullptr);
  fake_->FailCreateTexture(true);
  EXPECT_EQ(renderer_->CreateBlank(4, 4), nullptr);
}

TEST_F(RendererTexturesTest, PngBytesMakeATextureOfTheImagesOwnSize) {
  const auto bytes = ReadFile(test_support::TestData("renderer/five_by_three.png"));
  ASSERT_FALSE(bytes.empty());
  const size_t before = renderer_->TextureCount();
  TextureRecord* texture = renderer_->LoadFromMemory(bytes.data(), bytes.size());
  ASSERT_NE(texture, nullptr);
  ASSERT_NE(texture, renderer_->GetDefaultTexture());
  EXPECT_EQ(texture->Width(), 5);
  EXPECT_EQ(texture->Height(), 3);
  EXPECT_EQ(texture->name, "unnamed");
  EXPECT_EQ(renderer_->TextureCount(), before + 1);
  const auto pixels = fake_->TexturePixels(texture->handle);
  ASSERT_EQ(pixels.size(), 15u);
  EXPECT_EQ(pixels[0], 0xFFFF0000u);
  EXPECT_EQ(pixels[4], 0x80000000u);
  EXPECT_EQ(renderer_->ReleaseTexture(texture), kResultOk);
  EXPECT_EQ(renderer_->TextureCount(), before);

  TextureRecord* from_file = renderer_->LoadFromFile(test_support::TestData("renderer/red_blue_32.png"));
  ASSERT_NE(from_file, renderer_->GetDefaultTexture());
  EXPECT_EQ(from_file->Width(), 32);
  EXPECT_EQ(from_file->name, test_support::TestData("renderer/red_blue_32.png"));
}

TEST_F(RendererTexturesTest, EveryImageThatCannotBeHadGivesTheDefaultTexture) {
  TextureRecord* fallback = renderer_->GetDefaultTexture();
  const auto corrupt = ReadFile(test_support::TestData("renderer/corrupt.png"));
  ASSERT_FALSE(corrupt.empty());
  EXPECT_EQ(renderer_->LoadFromMemory(corrupt.data(), corrupt.size()), fallback);
  EXPECT_EQ(renderer_->LoadFromMemory(nullptr, 0), fallback);
  EXPECT_EQ(renderer_->LoadFromFile(test_support::TestData("renderer/no_such_file.png")), fallback);
  const auto huge = ReadFile(test_support::TestData("renderer/huge_header.png"));
  EXPECT_EQ(renderer_->LoadFromMemory(huge.data(), huge.size()), fallback);
  // A decodable image the device refuses.
  const auto good = ReadFile(test_support::TestData("renderer/red_blue_32.png"));
  fake_->FailCreateTexture(true);
  EXPECT_EQ(renderer_->LoadFromMemory(good.data(), good.size()), fallback);
  // Releasing the default is refused and it stays alive.
  EXPECT_EQ(renderer_->ReleaseTexture(fallback), kResultBadArgument);
  EXPECT_TRUE(renderer_->IsTexture(fallback));
}

TEST(RendererTexturesNoDefault, WithoutADefaultTextureTheMissIsToldAndGivesAnEmptyRecord) {
  std::vector<std::string> messages;
  platform::SetMessageSink([&messages](const std::string& caption, const std::string& text) {
    messages.push_back(caption + "|" + text);
  });
  auto device = std::make_unique<FakeGpuDevice>();
  device->FailCreateTexture(true);  // the default texture cannot be made
  Renderer renderer(std::move(device));
  EXPECT_EQ(renderer.Init(nullptr, 0.1f, 0.0f), kResultFailed);
  ASSERT_EQ(renderer.GetDefaultTexture(), nullptr);
  const unsigned char junk[8] = {9, 9, 9, 9, 9, 9, 9, 9};
  TextureRecord* record = renderer.LoadFromMemory(junk, sizeof(junk));
  platform::SetMessageSink(nullptr);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->handle, 0u);
  EXPECT_EQ(record->Width(), 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "error|defaultTexture not exist!!!");
  EXPECT_EQ(renderer.LockTexture(record), nullptr);
  EXPECT_EQ(renderer.ReleaseTexture(record), kResultOk);
}

TEST_F(RendererTexturesTest, LockAndCopyWorkOnWholeRows) {
  TextureRecord* texture = renderer_->CreateBlank(3, 2);
  ASSERT_NE(texture, nullptr);
  EXPECT_FALSE(renderer_->UnlockTexture(texture));  // not locked
  uint8_t* bytes = renderer_->LockTexture(texture);
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(renderer_->LockTexture(texture), bytes);  // locked already: same pixels
  const uint32_t image[6] = {1, 2, 3, 4, 5, 6};
  std::memcpy(bytes, image, sizeof(image));
  EXPECT_EQ(fake_->TexturePixels(texture->handle), std::vector<uint32_t>(6, 0u));
  EXPECT_TRUE(renderer_->UnlockTexture(texture));
  EXPECT_EQ(fake_->TexturePixels(texture->handle), std::vector<uint32_t>(image, image + 6));
  EXPECT_FALSE(renderer_->UnlockTexture(texture));

  // A lock shows what the texture holds.
  bytes = renderer_->LockTexture(texture);
  ASSERT_NE(bytes, nullptr);
  uint32_t back[6] = {};
  std::memcpy(back, bytes, sizeof(back));
  EXPECT_EQ(std::vector<uint32_t>(back, back + 6), std::vector<uint32_t>(image, image + 6));
  EXPECT_TRUE(renderer_->UnlockTexture(texture));

  const uint32_t next[6] = {0xFFFFFFFFu, 0, 0xFF000000u, 7, 8, 9};
  EXPECT_TRUE(renderer_->CopyToTexture(texture, next));
  EXPECT_EQ(fake_->TexturePixels(texture->handle), std::vector<uint32_t>(next, next + 6));
  EXPECT_FALSE(renderer_->CopyToTexture(texture, nullptr));
  EXPECT_FALSE(renderer_->CopyToTexture(nullptr, next));
  EXPECT_EQ(renderer_->ReleaseTexture(texture), kResultOk);
  EXPECT_FALSE(renderer_->CopyToTexture(texture, next));  // released
}

}  // namespace
}  // namespace ORB
