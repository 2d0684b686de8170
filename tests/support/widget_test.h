#pragma once
// A fixture for widget tests: a recording renderer, a counting texture
// provider published as the process-wide one, a root and its frame driver.
// At the end the tree is deleted and every texture use must have been given
// back.
//
//   class MyWidgetTest : public test_support::WidgetTest {};
//   TEST_F(MyWidgetTest, Clicks) {
//     textures_->Add("button.png", 500, 60);
//     auto* button = root_->Add(std::make_unique<ORB::OC_GUI_BUTTON5>(1, "button.png"));
//     root_->LoadResources();
//     test_support::ScriptedInput input([&] { frames_.Run(); });
//     input.Click(0, 0);
//   }
#include <gtest/gtest.h>

#include <memory>

#include "counting_textures.h"
#include "engine/gui/gui_root.h"
#include "engine/scene/texture_provider.h"
#include "gui_frames.h"
#include "recording_renderer.h"

namespace test_support {

class WidgetTest : public RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    textures_ = std::make_unique<CountingTextures>(*renderer_);
    ORB::SetTextureProvider(textures_.get());
  }
  void TearDown() override {
    root_.reset();
    EXPECT_EQ(textures_->TotalUses(), 0) << "every texture use is given back";
    ORB::SetTextureProvider(nullptr);
  }

  std::unique_ptr<CountingTextures> textures_;
  std::unique_ptr<ORB::OC_GUI_ROOT> root_ = std::make_unique<ORB::OC_GUI_ROOT>();
  GuiFrames frames_{*root_};
};

}  // namespace test_support
