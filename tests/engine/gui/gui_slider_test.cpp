// Sliders: the base slider's geometry and values, the framed sliders' layout
// from their sheets, and the mouse driving them through the hooks' passes;
// the simple slider's runner and value. Sheets are blank textures of the
// sizes the layouts are worked out for.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/gui/gui_base_slider.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_scroll_bar12.h"
#include "engine/gui/gui_simple_slider.h"
#include "engine/gui/gui_slider12.h"
#include "engine/gui/gui_slider13.h"
#include "engine/platform/key_codes.h"
#include "support/gui_frames.h"
#include "support/scripted_input.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

using namespace platform;

bool Finite(Vector2 v) { return std::isfinite(v.x) && std::isfinite(v.y); }

class GuiSliderTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add("sheet13", 130, 12);
    textures_->Add("sheet12", 120, 12);
    textures_->Add("track", 200, 12);
    textures_->Add("runner", 20, 20);
    textures_->Add("wide runner", 100, 20);
    input_.SetFrame([this] { frames_.Run(); });
  }

  // A SLIDER13 from (300, 200) to (500, 200) on the 130-pixel sheet: pieces
  // 10 wide, buttons at 305 and 495, the runner's travel 320 to 480.
  OC_GUI_SLIDER13* AddSlider13(float min, float max, float step, float value, bool load = true) {
    auto* slider = root_->Add(std::make_unique<OC_GUI_SLIDER13>(
        9, "sheet13", Vector2(300.0f, 200.0f), Vector2(500.0f, 200.0f), 20.0f, 1.5f, min, max, step,
        value));
    slider->SetOnValueChanged(CreateCallback([this](intptr_t) { return ++changes_; }));
    if (load) root_->LoadResources();
    changes_ = 0;  // laying it out set its value once
    return slider;
  }

  test_support::ScriptedInput input_;
  int changes_ = 0;  // onValueChanged calls
};

TEST_F(GuiSliderTest, Slider13IsLaidOutFromItsSheetAtItsFirstLoad) {
  auto* slider = root_->Add(std::make_unique<OC_GUI_SLIDER13>(9, "sheet13", Vector2(0.0f, 0.0f),
                                                              Vector2(200.0f, 0.0f), 20.0f, 1.5f,
                                                              0.0f, 100.0f, 5.0f, 50.0f));
  EXPECT_EQ(slider->GetKind(), kGuiKindSlider);
  EXPECT_FALSE(slider->IsBuilt());
  EXPECT_EQ(slider->GetWidth(), 0.0f);
  root_->LoadResources();
  ASSERT_TRUE(slider->IsBuilt());
  EXPECT_EQ(slider->GetPieceSize(), 10.0f);
  EXPECT_EQ(slider->GetTransform().GetPositionV2(), Vector2(100.0f, 0.0f));
  EXPECT_EQ(slider->GetStart(), Vector2(-95.0f, 0.0f));
  EXPECT_EQ(slider->GetEnd(), Vector2(95.0f, 0.0f));
  EXPECT_EQ(slider->GetRunner(), Vector2(0.0f, 0.0f));
  EXPECT_EQ(slider->GetRunnerOffset(), Vector2(15.0f, 0.0f));
  const SliderLayout& layout = slider->GetLayout();
  EXPECT_FLOAT_EQ(layout.track_length, 160.0f);
  EXPECT_EQ(layout.track_centre, Vector2(0.0f, 0.0f));
  EXPECT_EQ(layout.start_cap, Vector2(-85.0f, 0.0f));
  EXPECT_EQ(layout.end_cap, Vector2(85.0f, 0.0f));
  EXPECT_EQ(slider->GetFillStart(), Vector2(-80.0f, 0.0f));
  EXPECT_FLOAT_EQ(slider->GetFillLength(), 80.0f);
  const SliderPieces& pieces = slider->GetPieces();
  EXPECT_EQ(pieces.Get(SliderPieces::kTrack)->GetHeight(), 160.0f);
  EXPECT_EQ(pieces.Get(SliderPieces::kTrack)->GetWidth(), 10.0f);
  EXPECT_EQ(pieces.Get(SliderPieces::kFill)->GetHeight(), 80.0f);
  EXPECT_EQ(slider->GetWidth(), 200.0f);
  EXPECT_EQ(slider->GetHeight(), 12.0f);

  // The runner travels -80 .. 80; the fill follows it.
  slider->SetValue(101.0f);
  EXPECT_EQ(slider->GetValue(), 100.0f);
  EXPECT_EQ(slider->GetRunner(), Vector2(80.0f, 0.0f));
  EXPECT_FLOAT_EQ(slider->GetFillLength(), 160.0f);
  slider->SetValue(-1.0f);
  EXPECT_EQ(slider->GetValue(), 0.0f);
  EXPECT_EQ(slider->GetRunner(), Vector2(-80.0f, 0.0f));

  // A second load keeps the layout and swaps the texture only.
  root_->ReleaseResources();
  EXPECT_EQ(pieces.Get(SliderPieces::kTrack)->GetTexture(), renderer_->GetDefaultTexture());
  root_->LoadResources();
  EXPECT_EQ(slider->GetStart(), Vector2(-95.0f, 0.0f));
  EXPECT_EQ(textures_->Uses("sheet13"), 1);
  EXPECT_NE(pieces.Get(SliderPieces::kFill)->GetTexture(), renderer_->GetDefaultTexture());
}

TEST_F(GuiSliderTest, Slider12LaysItsCapsAndTrackFromAThirteenthOfItsSheet) {
  auto* slider = root_->Add(std::make_unique<OC_GUI_SLIDER12>(3, "sheet12", Vector2(0.0f, 0.0f),
                                                              Vector2(200.0f, 0.0f), 20.0f, 1.5f,
                                                              0.0f, 100.0f, 5.0f, 0.0f));
  ASSERT_TRUE(slider->IsBuilt()) << "built at once";
  EXPECT_EQ(textures_->Uses("sheet12"), 1);
  EXPECT_EQ(slider->GetStart(), Vector2(-95.0f, 0.0f));
  EXPECT_EQ(slider->GetLayoutStart(), Vector2(-95.5f, 0.0f));
  EXPECT_EQ(slider->GetLayout().start_cap, Vector2(-85.5f, 0.0f));
  EXPECT_FLOAT_EQ(slider->GetLayout().track_length, 163.0f);
  EXPECT_EQ(slider->GetPieces().Get(SliderPieces::kTrack)->GetHeight(), 163.0f);
  EXPECT_EQ(slider->GetPieces().Get(SliderPieces::kFill), nullptr);
  root_->ReleaseResources();
  EXPECT_EQ(textures_->Uses("sheet12"), 1) << "kept until the slider goes";

  // Its frames follow the parts' states in the per-frame pass.
  input_.Move(195, 0);  // the plus button
  EXPECT_EQ(slider->GetState(OC_BASESLIDER::kPlus), OC_BASESLIDER::kUnderPointer);
  EXPECT_FLOAT_EQ(slider->GetPieces().Get(SliderPieces::kPlus)->GetVertex(0)->u, 4.0f / 12.0f);
  input_.Click(195, 0);
  EXPECT_EQ(slider->GetValue(), 5.0f);
}

TEST_F(GuiSliderTest, TheRunnerStandsOnItsTravelForRangesNotStartingAtZero) {
  OC_BASESLIDER slider(1, Vector2(0.0f, 0.0f), Vector2(200.0f, 0.0f), 10.0f, 20.0f, 1.5f, 10.0f,
                       100.0f, 5.0f, 10.0f);
  EXPECT_EQ(slider.GetRunner(), Vector2(-80.0f, 0.0f)) << "min at the start of the travel";
  slider.SetValue(100.0f);
  EXPECT_EQ(slider.GetRunner(), Vector2(80.0f, 0.0f)) << "max at its end";
  slider.SetValue(55.0f);
  EXPECT_EQ(slider.GetRunner(), Vector2(0.0f, 0.0f));
  slider.StepBy(-1);
  EXPECT_EQ(slider.GetValue(), 50.0f);
  slider.SetValue(std::nanf(""));
  EXPECT_EQ(slider.GetValue(), 50.0f);
}

TEST_F(GuiSliderTest, APlusClickPressesThenStepsOnce) {
  OC_GUI_SLIDER13* slider = AddSlider13(0.0f, 100.0f, 5.0f, 50.0f);
  int downs = 0;
  slider->SetScript(GuiScript::kDown, CreateCallback([&downs](intptr_t) { return ++downs; }));
  input_.Move(495, 200);
  EXPECT_EQ(frames_.move.back(), kGuiEventEntered);
  EXPECT_TRUE(slider->IsFocused());
  input_.Press();
  EXPECT_EQ(frames_.down.back(), kGuiEventPressed);
  EXPECT_EQ(slider->GetState(OC_BASESLIDER::kPlus), OC_BASESLIDER::kPressed);
  EXPECT_EQ(slider->GetValue(), 50.0f);
  EXPECT_EQ(changes_, 0);
  input_.Release();
  EXPECT_EQ(frames_.up.back(), kGuiEventValueChanged);
  EXPECT_EQ(slider->GetValue(), 55.0f);
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(slider->GetState(OC_BASESLIDER::kPlus), OC_BASESLIDER::kUnderPointer);
  EXPECT_FLOAT_EQ(slider->GetFillLength(), 88.0f) << "the fill followed";
  // Keys never press a part; the DOWN script runs at every press pass.
  input_.Key(kKeySpace);
  EXPECT_EQ(frames_.down.back(), kGuiEventNone);
  EXPECT_EQ(downs, 2);
  input_.Move(305, 200);
  input_.Click(305, 200);
  EXPECT_EQ(slider->GetValue(), 50.0f) << "minus";
}

TEST_F(GuiSliderTest, ADragPastTheEndGivesMaxAndCallsBackOnlyOnRelease) {
  OC_GUI_SLIDER13* slider = AddSlider13(0.0f, 100.0f, 5.0f, 50.0f);
  input_.Drag(400, 200, 512, 200, 4);
  EXPECT_EQ(frames_.down, (std::vector<int32_t>{kGuiEventPressed}));
  EXPECT_EQ(slider->GetValue(), 100.0f);
  EXPECT_EQ(slider->GetRunner(), Vector2(80.0f, 0.0f)) << "at the end of its travel";
  EXPECT_EQ(changes_, 1) << "once, at the release";
  EXPECT_EQ(frames_.up, (std::vector<int32_t>{kGuiEventValueChanged}));
  EXPECT_FLOAT_EQ(slider->GetFillLength(), 160.0f);

  // Dragged back towards the middle: whole multiples of the step.
  slider->SetValue(70.0f);  // the runner at 432, clear of the plus button
  input_.Move(400, 300);    // out of the area: nothing under the pointer
  changes_ = 0;
  input_.Drag(432, 200, 401, 200, 2);
  EXPECT_EQ(slider->GetValue(), 50.0f);
  EXPECT_EQ(slider->GetRunner(), Vector2(0.0f, 0.0f)) << "the release puts it at its value";
  EXPECT_EQ(changes_, 1);

  // Out of the area the drag ends where it is.
  input_.Move(400, 200);
  input_.Press();
  input_.Move(430, 200);
  EXPECT_EQ(slider->GetValue(), 65.0f);
  EXPECT_EQ(changes_, 1);
  input_.Move(430, 260);
  EXPECT_FALSE(slider->IsHeld());
  EXPECT_EQ(frames_.move.back(), kGuiEventValueChanged);
  EXPECT_EQ(changes_, 2);
  EXPECT_EQ(slider->GetValue(), 65.0f);
}

TEST_F(GuiSliderTest, ADragStartedRightAfterLeavingAnotherSliderMovesTheRunner) {
  // A second slider 60 px below the first and listed after it: one move
  // from the first's runner to the second's is answered by the first's
  // leaving, and the second hears of the pointer only at the press.
  OC_GUI_SLIDER13* first = AddSlider13(0.0f, 100.0f, 5.0f, 50.0f);
  auto* second = root_->Add(std::make_unique<OC_GUI_SLIDER13>(
      10, "sheet13", Vector2(300.0f, 260.0f), Vector2(500.0f, 260.0f), 20.0f, 1.5f, 0.0f, 100.0f,
      5.0f, 50.0f));
  root_->LoadResources();
  input_.Move(400, 200);
  input_.Move(400, 260);
  EXPECT_EQ(frames_.move.back(), kGuiEventLeft);
  EXPECT_EQ(second->GetState(OC_BASESLIDER::kRunner), OC_BASESLIDER::kNormal);
  input_.Press();
  EXPECT_EQ(frames_.down.back(), kGuiEventPressed);
  input_.Move(340, 260);
  input_.Release();
  EXPECT_LT(second->GetValue(), 50.0f);
  EXPECT_EQ(first->GetValue(), 50.0f);
  // A press outside both areas presses nothing.
  input_.Move(400, 400);
  input_.Press();
  EXPECT_EQ(frames_.down.back(), kGuiEventNone);
  input_.Release();
}

TEST_F(GuiSliderTest, DegenerateSlidersStayFinite) {
  struct Case {
    const char* what;
    Vector2 start, end;
    float min, max, step;
  };
  const Case cases[] = {
      {"min equal to max", {300, 200}, {500, 200}, 50, 50, 5},
      {"ends closer than twice the button distance", {300, 200}, {320, 200}, 0, 100, 5},
      {"start equal to end", {300, 200}, {300, 200}, 0, 100, 5},
      {"a step below 1", {300, 200}, {500, 200}, 0, 1, 0.25f},
      {"a range upside down", {300, 200}, {500, 200}, 100, 0, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    root_->Clear();
    auto* slider = root_->Add(std::make_unique<OC_GUI_SLIDER13>(9, "sheet13", c.start, c.end, 20.0f,
                                                                1.5f, c.min, c.max, c.step, 50.0f));
    root_->LoadResources();
    input_.Drag(static_cast<int32_t>(slider->GetTransform().position.x), 200,
                static_cast<int32_t>(slider->GetTransform().position.x) + 30, 200, 3);
    input_.Click(static_cast<int32_t>(c.end.x) - 5, 200);
    if (c.start == c.end) {
      EXPECT_EQ(slider->GetValue(), 50.0f) << "no axis, no input";
      EXPECT_EQ(frames_.down.back(), kGuiEventNone);
    }
    slider->StepBy(3);
    EXPECT_TRUE(std::isfinite(slider->GetValue()));
    EXPECT_TRUE(Finite(slider->GetRunner()));
    EXPECT_TRUE(Finite(slider->GetAxis()));
    EXPECT_TRUE(std::isfinite(slider->GetFillLength()));
    EXPECT_TRUE(std::isfinite(slider->GetLayout().track_length));
    EXPECT_TRUE(
        std::isfinite(slider->GetPieces().Get(SliderPieces::kTrack)->GetTransform()->rotation.z));
    EXPECT_GE(slider->GetValue(), std::min(c.min, c.max));
    EXPECT_LE(slider->GetValue(), std::max(c.min, c.max));
  }
  // Ends too close: the runner stands at their middle, whatever the value.
  root_->Clear();
  OC_BASESLIDER close(1, Vector2(0.0f, 0.0f), Vector2(20.0f, 0.0f), 10.0f, 20.0f, 1.5f, 0.0f,
                      100.0f, 5.0f, 0.0f);
  EXPECT_EQ(close.GetRunner(), Vector2(0.0f, 0.0f));
  close.SetValue(100.0f);
  EXPECT_EQ(close.GetRunner(), Vector2(0.0f, 0.0f));
}

TEST_F(GuiSliderTest, AnUnbuiltSlider13TakesInputWithoutItsQuads) {
  OC_GUI_SLIDER13* slider = AddSlider13(0.0f, 100.0f, 5.0f, 50.0f, false);
  input_.Drag(400, 200, 600, 200, 3);
  input_.Click(495, 200);
  root_->ReleaseResources();
  EXPECT_FALSE(slider->IsBuilt());
  EXPECT_TRUE(std::isfinite(slider->GetValue()));
  root_->LoadResources();
  EXPECT_TRUE(slider->IsBuilt());
}

TEST_F(GuiSliderTest, TheScrollBarDrawsItsPiecesAndMarkers) {
  auto* bar = root_->Add(std::make_unique<OC_GUI_SCROLL_BAR12>(2, "sheet12"));
  ASSERT_TRUE(bar->IsBuilt());
  EXPECT_EQ(bar->GetPieces().Get(SliderPieces::kTrack)->GetHeight(), 0.0f) << "no length";
  EXPECT_EQ(bar->GetPieces().Get(SliderPieces::kMinus)->GetWidth(), 30.0f);
  input_.Click(0, 0);
  EXPECT_EQ(frames_.down.back(), kGuiEventNone);
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  root_->Draw();
  renderer_->EndFrame();
}

// --- The simple slider.

TEST_F(GuiSliderTest, SimpleSliderRunnerAndValue) {
  auto* slider = root_->Add(std::make_unique<OC_GUI_SIMPLE_SLIDER>(6, "track", "runner"));
  slider->SetPosition(300.0f, 300.0f, 0.0f);
  slider->SetValue(0.4f);
  EXPECT_EQ(slider->GetKind(), kGuiKindPlain);
  root_->LoadResources();
  ASSERT_TRUE(slider->IsBuilt());
  EXPECT_EQ(slider->GetWidth(), 100.0f) << "half the track picture";
  EXPECT_EQ(slider->GetTravel(), 80.0f);
  EXPECT_FLOAT_EQ(slider->GetRunnerX(), -8.0f) << "0.4 of the travel from its left end";

  input_.Drag(292, 300, 500, 300, 3);
  EXPECT_EQ(frames_.down.back(), kGuiEventPressed);
  EXPECT_EQ(frames_.move.back(), kGuiEventDragged);
  EXPECT_EQ(frames_.up.back(), kGuiEventClicked);
  EXPECT_EQ(slider->GetValue(), 1.0f) << "beyond the right end";
  EXPECT_FLOAT_EQ(slider->GetRunnerX(), 40.0f);
  input_.Drag(340, 300, 280, 300, 1);
  EXPECT_FLOAT_EQ(slider->GetValue(), 0.25f);

  // Keys never drag it; a press on the bar beside the runner does nothing.
  input_.Move(280, 300);
  input_.KeyDown(kKeySpace);
  input_.Move(330, 300);
  EXPECT_FALSE(slider->IsDragging());
  EXPECT_FLOAT_EQ(slider->GetValue(), 0.25f);
  input_.Click(330, 300);
  EXPECT_FLOAT_EQ(slider->GetValue(), 0.25f);
}

TEST_F(GuiSliderTest, ASimpleSliderWithoutTravelStaysAtZero) {
  auto* slider = root_->Add(std::make_unique<OC_GUI_SIMPLE_SLIDER>(6, "track", "wide runner"));
  slider->SetPosition(300.0f, 300.0f, 0.0f);
  root_->LoadResources();
  EXPECT_EQ(slider->GetTravel(), 0.0f);
  slider->SetValue(0.7f);
  EXPECT_EQ(slider->GetValue(), 0.0f);
  input_.Drag(300, 300, 340, 300, 2);
  EXPECT_EQ(slider->GetValue(), 0.0f);
  EXPECT_TRUE(std::isfinite(slider->GetRunnerX()));
}

}  // namespace
}  // namespace ORB
