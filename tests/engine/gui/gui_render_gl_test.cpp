// A widget tree drawn with real OpenGL (SDL's offscreen driver): a wide label
// in a shipped font, its description read from the shipped resources through
// the repository, and an image anchored at its corner, turned and scaled
// under a turned and scaled parent widget. The frame is written as
// gui_render.png beside the test program. The label's ink is centred on its
// position; the image draws exactly its hit shape.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/foundation/file_system.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "support/counting_textures.h"
#include "support/offscreen_gl.h"
#include "support/pixel_box.h"
#include "support/renderer_textures.h"
#include "support/source_path.h"

namespace ORB {
namespace {

constexpr const char* kFontFolder = "data/share/font";
constexpr const char* kFontDescription = "data/share/font dejavu_sans_20.xml";
constexpr const char* kFontPage = "data/share/font dejavu_sans_20.png";
constexpr uint32_t kRed = 0xFFFF0000u;

bool IsRed(uint32_t argb) {
  return ((argb >> 16) & 0xFF) >= 128 && ((argb >> 8) & 0xFF) < 64 && (argb & 0xFF) < 64;
}
bool IsWhite(uint32_t argb) { return ((argb >> 8) & 0xFF) >= 128 && (argb & 0xFF) >= 128; }

class GuiRenderGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open("gui render")); }
};

TEST_F(GuiRenderGlTest, LabelAndTurnedImageUnderAParent) {
  // Textures: the shipped font page through the repository, the image a
  // solid red texture of the test's own; documents from the repository.
  test_support::RendererTextures loader(*renderer_);
  FileSystem files(test_support::SourcePath(""));
  OC_REPOSITORY repository(files, &loader, nullptr);
  ASSERT_EQ(repository.AddFolder(kFontFolder), kResultOk);
  RepositoryTextureProvider shipped(repository);
  RepositoryDocumentProvider documents(repository);
  test_support::CountingTextures textures(*renderer_);
  TextureRecord* page = shipped.AcquireTexture(kFontPage);
  ASSERT_NE(page, renderer_->GetDefaultTexture());
  textures.Add(kFontPage, page);
  TextureRecord* red = textures.Add("red", 80, 50);
  ASSERT_NE(red, nullptr);
  ASSERT_TRUE(renderer_->CopyToTexture(red, std::vector<uint32_t>(80 * 50, kRed).data()));
  SetTextureProvider(&textures);
  SetDocumentProvider(&documents);

  {
    OC_GUI_ROOT root;
    auto* label =
        root.Add(std::make_unique<OC_GUI_WLABEL>(1, kFontDescription, kFontPage, L"NONOGRAM 100%"));
    label->SetPosition(250.0f, 200.0f, 0.0f);
    auto* parent = root.Add(std::make_unique<OC_GUI_OBJECT>(2));
    parent->SetPosition(620.0f, 380.0f, 0.0f);
    parent->GetTransform().SetAngle(0.45f);
    parent->GetTransform().SetScale(1.5f, 1.5f, 1.0f);
    auto* image = parent->AddChild(std::make_unique<OC_GUI_IMAGE>(3, "red"));
    image->SetAnchor(HS_UL);
    image->SetPosition(20.0f, -30.0f, 0.0f);
    image->GetTransform().SetAngle(0.2f);
    image->GetTransform().SetScale(1.2f, 0.8f, 1.0f);
    root.LoadResources();
    ASSERT_NE(label->GetFont(), nullptr);
    ASSERT_TRUE(image->IsBuilt());

    ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
    root.Draw();
    const test_support::Frame frame = Snapshot("gui_render.png");

    // The label's ink, centred on its position.
    const test_support::Box ink = test_support::BoxOf(frame.pixels, kWidth, kHeight, 0, 0,
                                                      [](uint32_t argb) { return IsWhite(argb); });
    ASSERT_GT(ink.count, 200);
    EXPECT_NEAR((ink.left + ink.right + 1) / 2.0, 250.0, 2.0);
    EXPECT_NEAR((ink.top + ink.bottom + 1) / 2.0, 200.0, 2.0);
    EXPECT_NEAR(ink.right + 1 - ink.left, label->GetWidth(), 4.0);

    // Every red pixel has its hit shape within a pixel, and every pixel
    // whose surroundings lie wholly inside the shape is red.
    const OC_HIT_SHAPE& hit = image->GetHitShape();
    int drawn = 0;
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) {
        const float cx = static_cast<float>(x) + 0.5f;
        const float cy = static_cast<float>(y) + 0.5f;
        int inside = 0;
        for (const float dy : {-1.0f, 0.0f, 1.0f}) {
          for (const float dx : {-1.0f, 0.0f, 1.0f}) inside += hit.Contains(cx + dx, cy + dy);
        }
        const bool is_red = IsRed(frame.At(x, y));
        drawn += is_red;
        if (is_red) {
          EXPECT_GT(inside, 0) << "drawn outside the hit shape at " << x << ", " << y;
        }
        if (inside == 9) {
          EXPECT_TRUE(is_red) << "not drawn inside the hit shape at " << x << ", " << y;
        }
      }
    }
    // 80 x 50 scaled by 1.8 x 1.2.
    EXPECT_NEAR(drawn, 80 * 1.8 * 50 * 1.2, 80 * 1.8 + 50 * 1.2);
    EXPECT_EQ(renderer_->EndFrame(), kResultNone);
    root.ReleaseResources();
  }
  EXPECT_EQ(textures.TotalUses(), 0);
  SetTextureProvider(nullptr);
  SetDocumentProvider(nullptr);
  shipped.ReleaseTexture(page);
}

}  // namespace
}  // namespace ORB
