#pragma once
// A fixture for widgets in a root on the recording device: textures from a
// counting provider and descriptions from memory, both set as the
// process-wide providers, and the root's frame driver. At the end the root
// goes first; then every texture use and every document must have been given
// back.
//
//   class MyWidgetTest : public test_support::WidgetTest {
//     void SetUp() override {
//       ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
//       textures_->Add("button.png", 500, 60);
//       documents_.Set("font.xml", kFont);
//     }
//   };
//   TEST_F(MyWidgetTest, Clicks) {
//     auto* button = root_->Add(std::make_unique<ORB::OC_GUI_BUTTON5>(1, "button.png"));
//     root_->LoadResources();
//     test_support::ScriptedInput input([&] { frames_.Run(); });
//     input.Click(0, 0);
//   }
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>

#include "counting_textures.h"
#include "engine/gui/gui_root.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/texture_provider.h"
#include "gui_frames.h"
#include "memory_documents.h"
#include "recording_renderer.h"

namespace test_support {

class WidgetTest : public RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    textures_ = std::make_unique<CountingTextures>(*renderer_);
    ORB::SetTextureProvider(textures_.get());
    ORB::SetDocumentProvider(&documents_);
  }
  void TearDown() override {
    root_.reset();
    EXPECT_EQ(textures_->TotalUses(), 0) << "every texture use is given back";
    EXPECT_EQ(documents_.OpenDocuments(), 0u);
    ORB::SetTextureProvider(nullptr);
    ORB::SetDocumentProvider(nullptr);
  }

  // Quads (four vertices each) drawn by one draw of the tree.
  size_t QuadsDrawn() {
    EXPECT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    fake_->ClearLog();
    root_->Draw();
    const size_t quads = Drawn().size() / 4;
    renderer_->EndFrame();
    return quads;
  }

  std::unique_ptr<CountingTextures> textures_;
  MemoryDocuments documents_;
  std::unique_ptr<ORB::OC_GUI_ROOT> root_ = std::make_unique<ORB::OC_GUI_ROOT>();
  GuiFrames frames_{*root_};
};

}  // namespace test_support
