// The bitmap font on a real OpenGL 3.3 context (SDL's offscreen driver): text
// drawn with a shipped font puts its ink inside the box its measure gives.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/renderer.h"
#include "engine/scene/font.h"
#include "support/offscreen_gl.h"
#include "support/pixel_box.h"
#include "support/source_path.h"

namespace ORB {
namespace {

using test_support::Box;

class FontGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Open("font test"));
    page_ = renderer_->LoadFromFile(test_support::SourcePath("Resources/data/share/font/dejavu_sans_20.png"));
    ASSERT_NE(page_, nullptr);
    ASSERT_NE(page_, renderer_->GetDefaultTexture());
    ASSERT_TRUE(doc_.load_file(test_support::SourcePath("Resources/data/share/font/dejavu_sans_20.xml").c_str()));
    font_ = std::make_unique<OC_FONT>(doc_.child("font"), page_, 600);
    ASSERT_GT(font_->GetGlyphCount(), 0);
  }

  void TearDown() override {
    font_.reset();
    renderer_.reset();
  }

  // The box of the pixels inside the area whose red exceeds half.
  Box Ink(int x0, int y0, int w, int h) {
    return test_support::BoxOf(Read(x0, y0, w, h), w, h, x0, y0,
                               [](uint32_t argb) { return ((argb >> 16) & 0xFF) >= 128; });
  }

  TextureRecord* page_ = nullptr;
  pugi::xml_document doc_;
  std::unique_ptr<OC_FONT> font_;
};

TEST_F(FontGlTest, HelloInkLandsInTheMeasuredBox) {
  const int32_t width = font_->MeasureLine(L"Hello");
  const int32_t height = font_->GetLineHeight();
  ASSERT_GT(width, 40);
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  font_->SetColor(0xFFFFFFFFu);
  font_->DrawText(100, 200, L"Hello");

  // Read well around the box: no ink may fall outside it.
  const Box ink = Ink(60, 160, width + 80, height + 80);
  EXPECT_GT(ink.count, 100);
  EXPECT_GE(ink.left, 100);
  EXPECT_LE(ink.right, 100 + width - 1);
  EXPECT_GE(ink.top, 200);
  EXPECT_LE(ink.bottom, 200 + height - 1);
  // And the text fills it: "H" starts near the left edge, "o" ends near the
  // right one, the capitals reach near the top and the baseline is low.
  EXPECT_LE(ink.left, 100 + 3);
  EXPECT_GE(ink.right, 100 + width - 4);
  EXPECT_LE(ink.top, 200 + 6);
  EXPECT_GE(ink.bottom, 200 + height - 7);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

TEST_F(FontGlTest, CentredColouredTextSitsAroundItsPoint) {
  const int32_t width = font_->MeasureLine(L"Hello");
  const int32_t height = font_->GetLineHeight();
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  font_->SetColor(0xFFFF0000u);
  font_->alignment = 4;
  font_->DrawText(512, 384, L"Hello");
  const int32_t left = 512 + (-width) / 2;
  const int32_t top = 384 - height / 2;
  const Box ink = Ink(400, 300, 224, 168);
  EXPECT_GT(ink.count, 100);
  EXPECT_GE(ink.left, left);
  EXPECT_LE(ink.left, left + 3);
  EXPECT_LE(ink.right, left + width - 1);
  EXPECT_GE(ink.right, left + width - 4);
  EXPECT_GE(ink.top, top);
  EXPECT_LE(ink.bottom, top + height - 1);

  // Tinted red: the ink has no green or blue.
  renderer_->Flush();
  uint32_t pixel = 0;
  ASSERT_TRUE(device_->ReadPixels(ink.left, (ink.top + ink.bottom) / 2, 1, 1, &pixel));
  EXPECT_EQ(pixel & 0x0000FFFFu, 0u);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

}  // namespace
}  // namespace ORB
