// A held texture takes at most one use and gives back exactly what it took,
// whatever order its owner calls it in.
#include "engine/scene/held_texture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/counting_textures.h"
#include "support/recording_renderer.h"

namespace ORB {
namespace {

class HeldTextureTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    textures_ = std::make_unique<test_support::CountingTextures>(*renderer_);
    face_ = textures_->Add("face.png", 8, 8);
    textures_->Add("back.png", 8, 8);
  }

  std::unique_ptr<test_support::CountingTextures> textures_;
  TextureRecord* face_ = nullptr;
};

TEST_F(HeldTextureTest, HoldsOneUseAtMost) {
  {
    HeldTexture held("face.png");
    EXPECT_EQ(held.Get(), renderer_->GetDefaultTexture()) << "nothing before the take";
    EXPECT_EQ(held.Take(textures_.get()), face_);
    EXPECT_EQ(held.Take(textures_.get()), face_);
    EXPECT_EQ(textures_->Uses("face.png"), 1);
    held.GiveBack();
    held.GiveBack();
    EXPECT_EQ(textures_->Uses("face.png"), 0);
    EXPECT_FALSE(held.IsHeld());
    held.Take(textures_.get());
    held.SetName("back.png");
    EXPECT_EQ(textures_->Uses("face.png"), 0) << "a new name gives the old texture back";
    EXPECT_EQ(textures_->Uses("back.png"), 0) << "and takes nothing";
    held.Take(textures_.get());
  }
  EXPECT_EQ(textures_->TotalUses(), 0) << "the destructor gives back what is held";
}

TEST_F(HeldTextureTest, WhatCannotBeHadIsNotHeld) {
  HeldTexture missing("missing.png");
  EXPECT_EQ(missing.Take(textures_.get()), renderer_->GetDefaultTexture());
  EXPECT_FALSE(missing.IsHeld());
  missing.GiveBack();  // gives nothing back: the counting provider would fail the test

  HeldTexture unnamed;
  EXPECT_EQ(unnamed.Take(textures_.get()), renderer_->GetDefaultTexture());
  EXPECT_EQ(textures_->Acquires(), 1) << "an empty name asks for nothing";

  HeldTexture no_provider("face.png");
  ASSERT_EQ(GetTextureProvider(), nullptr);
  EXPECT_FALSE((no_provider.Take(), no_provider.IsHeld()));
}

}  // namespace
}  // namespace ORB
