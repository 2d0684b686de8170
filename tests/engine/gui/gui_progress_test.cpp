// Bars: values, fractions and the filled script through the value cases; the
// progress bar's fill cut from its texture at the fraction; the animation
// bar's frame for the fraction and its guarded sheet counts; values and
// sizes set before the build; texture uses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "engine/gui/gui_animation_bar.h"
#include "engine/gui/gui_progress_bar.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

class GuiProgressTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add("bar.png", 640, 24);   // empty | full, 320 x 24 each
    textures_->Add("ring.png", 240, 96);  // 5 x 2 frames of 48 x 48
  }
  // Counts the bar's filled script's calls (and checks its argument).
  void Watch(OC_BASEPROGRESS& bar) {
    bar.SetFilledScript(CreateCallback([this, &bar](intptr_t argument) {
      EXPECT_EQ(argument, reinterpret_cast<intptr_t>(&bar));
      return ++filled_;
    }));
  }
  int filled_ = 0;
};

TEST_F(GuiProgressTest, ValuesFractionsAndTheFilledScript) {
  auto* bar = root_->Add(std::make_unique<OC_GUI_PROGRESS_BAR>(1, "bar.png"));
  EXPECT_EQ(bar->GetKind(), kGuiKindProgressBar);
  root_->LoadResources();
  Watch(*bar);
  // Each step: a value or a percent, then value, fraction, full, script calls.
  struct Step {
    bool percent;
    float in;
    float value, fraction;
    bool full;
    int filled;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Step steps[] = {
      {false, 150, 100, 1, true, 1},  // held to the maximum; fires once
      {false, 100, 100, 1, true, 1},  // still full: not again
      {false, 50, 50, 0.5f, false, 1}, {false, 100, 100, 1, true, 2},  // full again after dropping
                                                                       // below
      {true, -10, 0, 0, false, 2},                                     // held to 0
      {true, 37, 37, 0.37f, false, 2}, {true, 250, 100, 1, true, 3},  {false, -5, 0, 0, false, 3},
      {false, nan, 0, 0, false, 3},  // not a number: the minimum
      {true, nan, 0, 0, false, 3},
  };
  for (const Step& s : steps) {
    if (s.percent) {
      bar->SetPercent(s.in);
    } else {
      bar->SetValue(s.in);
    }
    EXPECT_FLOAT_EQ(bar->GetValue(), s.value) << s.in;
    EXPECT_FLOAT_EQ(bar->GetFraction(), s.fraction) << s.in;
    EXPECT_EQ(bar->IsFull(), s.full) << s.in;
    EXPECT_EQ(filled_, s.filled) << s.in;
  }
  bar->SetPercent(60);
  bar->AddPercent(30);
  EXPECT_FLOAT_EQ(bar->GetFraction(), 0.9f);
  bar->AddPercent(30);
  EXPECT_EQ(filled_, 4);
  EXPECT_EQ(bar->GetMin(), 0.0f);
  EXPECT_EQ(bar->GetMax(), 100.0f);
}

TEST_F(GuiProgressTest, TheFillIsCutFromTheFullHalfAtTheFraction) {
  auto* bar = root_->Add(std::make_unique<OC_GUI_PROGRESS_BAR>(1, "bar.png"));
  bar->SetPosition(400.0f, 300.0f, 0.0f);
  root_->LoadResources();
  EXPECT_EQ(bar->GetWidth(), 320.0f);
  EXPECT_EQ(bar->GetHeight(), 24.0f);
  bar->SetPercent(37);
  const OC_MESH& back = *bar->GetBack();
  const OC_MESH& fill = *bar->GetFill();
  EXPECT_EQ(back.GetWidth(), 320.0f);
  EXPECT_FLOAT_EQ(back.GetVertex(1)->u, 0.5f) << "the empty half";
  EXPECT_EQ(fill.GetWidth(), 118.0f) << "37 % of 320, whole pixels";
  EXPECT_EQ(fill.GetHeight(), 24.0f);
  EXPECT_FLOAT_EQ(fill.GetVertex(0)->u, 0.5f);
  EXPECT_FLOAT_EQ(fill.GetVertex(1)->u, 0.5f + 118.0f / 640.0f) << "cut, one texel a pixel";
  EXPECT_EQ(fill.GetTransform()->parent, &bar->GetTransform());
  root_->Draw();
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 8u);
  EXPECT_FLOAT_EQ(drawn[0].x, 240.0f);  // the empty bar, centred
  EXPECT_FLOAT_EQ(drawn[2].x, 560.0f);
  EXPECT_FLOAT_EQ(drawn[4].x, 240.0f);  // the fill from its left edge
  EXPECT_FLOAT_EQ(drawn[6].x, 358.0f);
  EXPECT_FLOAT_EQ(drawn[4].y, 288.0f);
  bar->SetPercent(0);
  EXPECT_EQ(bar->GetFill()->GetWidth(), 0.0f);
  EXPECT_FLOAT_EQ(bar->GetFill()->GetVertex(1)->u, 0.5f);
}

TEST_F(GuiProgressTest, AValueOrSizeSetBeforeLoadingShowsOnceBuilt) {
  auto* bar = root_->Add(std::make_unique<OC_GUI_PROGRESS_BAR>(1, "bar.png"));
  Watch(*bar);
  bar->SetSize(200, 20);
  bar->SetValue(100);
  EXPECT_FLOAT_EQ(bar->GetValue(), 100.0f) << "the value changes";
  EXPECT_EQ(bar->GetFill(), nullptr) << "no view";
  EXPECT_EQ(filled_, 0);
  bar->SetValue(40);
  root_->LoadResources();
  EXPECT_EQ(bar->GetWidth(), 200.0f);
  EXPECT_EQ(bar->GetHeight(), 20.0f);
  EXPECT_EQ(bar->GetFill()->GetWidth(), 80.0f) << "the value set before shows";
  EXPECT_EQ(bar->GetFill()->GetHeight(), 20.0f);
  EXPECT_EQ(filled_, 0);
  bar->SetValue(100);
  EXPECT_EQ(filled_, 1);
  bar->SetSize(100, 10);
  EXPECT_EQ(bar->GetFill()->GetWidth(), 100.0f);
}

TEST_F(GuiProgressTest, AnimationBarShowsTheFrameForTheFraction) {
  TextureRecord* ring = renderer_->CreateBlank(240, 96);
  auto* bar = root_->Add(std::make_unique<OC_GUI_ANIMATION_BAR>(2, ring, 5, 2, 10));
  EXPECT_EQ(bar->GetKind(), kGuiKindPlain);
  EXPECT_EQ(bar->GetSize(), Vector2(48.0f, 48.0f));
  EXPECT_EQ(bar->GetFrame(), 0);
  Watch(*bar);
  const struct {
    float fraction;
    int32_t frame;
  } cases[] = {{0, 0}, {0.1f, 0}, {0.12f, 1}, {0.5f, 4}, {0.95f, 8}, {0.999f, 8}, {1, 9}};
  for (const auto& c : cases) {
    bar->SetPercent(c.fraction * 100.0f);
    EXPECT_EQ(bar->GetFrame(), c.frame) << c.fraction;
  }
  EXPECT_EQ(filled_, 1);
  // Frame 9: the second row's last cell.
  const OC_MESH& quad = *bar->GetSheet().Quad();
  EXPECT_FLOAT_EQ(quad.GetVertex(0)->u, 0.8f);
  EXPECT_FLOAT_EQ(quad.GetVertex(0)->v, 0.5f);
  bar->SetSize(60, 30);
  EXPECT_EQ(bar->GetWidth(), 60.0f);
  EXPECT_EQ(bar->GetHeight(), 30.0f);
}

TEST_F(GuiProgressTest, AnimationBarCountsBelowOneAsOne) {
  TextureRecord* ring = renderer_->CreateBlank(240, 96);
  for (const int32_t bad : {0, -3, std::numeric_limits<int32_t>::min()}) {
    OC_GUI_ANIMATION_BAR bar(2, ring, bad, bad, bad);
    EXPECT_EQ(bar.GetColumns(), 1);
    EXPECT_EQ(bar.GetRows(), 1);
    EXPECT_EQ(bar.GetLastFrame(), 0);
    EXPECT_EQ(bar.GetSize(), Vector2(240.0f, 96.0f)) << "the whole sheet";
    bar.SetPercent(95);
    EXPECT_EQ(bar.GetFrame(), 0);
    bar.SetPercent(100);
    EXPECT_EQ(bar.GetFrame(), 0);
  }
  // More frames than cells: the last cell stands for the rest.
  OC_GUI_ANIMATION_BAR bar(2, ring, 5, 2, 40);
  bar.SetPercent(100);
  EXPECT_EQ(bar.GetFrame(), 39);
  EXPECT_FLOAT_EQ(bar.GetSheet().Quad()->GetVertex(0)->u, 0.8f);
  EXPECT_FLOAT_EQ(bar.GetSheet().Quad()->GetVertex(0)->v, 0.5f);
}

TEST_F(GuiProgressTest, AnimationBarByNameLoadsItsSheet) {
  auto* bar = root_->Add(std::make_unique<OC_GUI_ANIMATION_BAR>(3, "ring.png", 5, 2, 10));
  bar->SetPercent(50);
  EXPECT_EQ(bar->GetWidth(), 0.0f);
  root_->LoadResources();
  EXPECT_EQ(bar->GetWidth(), 48.0f);
  EXPECT_EQ(bar->GetFrame(), 4) << "the value set before shows";
  EXPECT_FLOAT_EQ(bar->GetSheet().Quad()->GetVertex(0)->u, 0.8f);
  EXPECT_FLOAT_EQ(bar->GetSheet().Quad()->GetVertex(0)->v, 0.0f);
}

}  // namespace
}  // namespace ORB
