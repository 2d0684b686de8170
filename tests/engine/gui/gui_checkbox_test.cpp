// Check boxes and the slide switch driven by scripted input: the box's states
// and codes with releases inside and outside, keys that never tick it, the
// tick drawn over the box, a size set before the build; the switch's slide
// in frame-time steps, two quick presses, and its instant and early sets.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/foundation/timer.h"
#include "engine/gui/gui_checkbox5.h"
#include "engine/gui/gui_checkbox_ios.h"
#include "engine/platform/key_codes.h"
#include "support/scripted_input.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

class GuiCheckboxTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add("box.png", 200, 40);  // five frames of 40 x 40
    textures_->Add("track.png", 64, 32);
    textures_->Add("knob.png", 32, 32);
    FrameDelta().store(0.125f);  // binary fractions keep the slide's sums exact
  }
  void TearDown() override {
    FrameDelta().store(0.0f);
    WidgetTest::TearDown();
  }

  // The u range of each quad drawn since the last call, as frame numbers of
  // a five-frame sheet.
  std::vector<int> FramesDrawn() {
    std::vector<int> frames;
    const auto drawn = Drawn();
    for (size_t i = drawn_seen_; i + 3 < drawn.size(); i += 4) {
      frames.push_back(static_cast<int>(drawn[i].u * 5.0f + 0.5f));
    }
    drawn_seen_ = drawn.size();
    return frames;
  }

  size_t drawn_seen_ = 0;
};

TEST_F(GuiCheckboxTest, BoxStatesThroughPressesAndReleasesInsideAndOutside) {
  auto* box = root_->Add(std::make_unique<OC_GUI_CHECKBOX5>(6, "box.png"));
  EXPECT_EQ(box->GetKind(), kGuiKindCheckbox);
  box->SetPosition(100.0f, 100.0f, 0.0f);  // covers 80..120
  root_->LoadResources();
  std::vector<std::vector<int32_t>> seen;
  test_support::ScriptedInput input([&] {
    frames_.Run();
    const auto& a = frames_.Last();
    seen.push_back({a.move, a.down, a.up, box->GetState(), box->IsChecked() ? 1 : 0});
  });
  input.Move(100, 100);
  input.Press();
  input.Move(200, 200);  // pressed, then off the box
  input.Release();       // released outside: still ticks
  input.Move(110, 100);
  input.Move(111, 100);  // every move over a checked box answers 3
  input.Press();
  input.Move(200, 200);  // leaving forgets the press
  input.Release();       // so nothing unticks
  input.Move(100, 100);
  input.Press();
  input.Release();  // unticked, hovered
  input.Move(300, 300);
  // clang-format off
  const std::vector<std::vector<int32_t>> expected = {
      // move, down, up, state, checked
      {3, 0, 0, 1, 0}, {0, 7, 0, 2, 0}, {0, 0, 0, 2, 0}, {0, 0, 8, 3, 1},
      {3, 0, 0, 3, 1}, {3, 0, 0, 3, 1}, {0, 7, 0, 3, 1}, {0, 0, 0, 3, 1},
      {0, 0, 0, 3, 1}, {3, 0, 0, 3, 1}, {0, 7, 0, 3, 1}, {0, 0, 8, 1, 0},
      {4, 0, 0, 0, 0},
  };
  // clang-format on
  EXPECT_EQ(seen, expected);
}

TEST_F(GuiCheckboxTest, KeysNeverPressTickOrUntickTheBox) {
  auto* box = root_->Add(std::make_unique<OC_GUI_CHECKBOX5>(6, "box.png"));
  box->SetPosition(100.0f, 100.0f, 0.0f);
  root_->LoadResources();
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(100, 100);
  input.Key(platform::kKeySpace);
  input.Key(platform::kKeyEnter);
  EXPECT_EQ(box->GetState(), OC_GUI_CHECKBOX5::kHover);
  // A key going up while the box is pressed does not complete the press.
  input.Press();
  input.Key('A');
  EXPECT_EQ(box->GetState(), OC_GUI_CHECKBOX5::kPressed);
  input.Release();
  EXPECT_TRUE(box->IsChecked());
  input.Key(platform::kKeySpace);
  EXPECT_TRUE(box->IsChecked());
  // Any mouse button unticks (once a move found the pointer on the box).
  input.Move(101, 100);
  input.Press(platform::kMouseRight);
  input.Release(platform::kMouseRight);
  EXPECT_FALSE(box->IsChecked());
}

TEST_F(GuiCheckboxTest, ACheckedBoxDrawsItsBoxThenTheTick) {
  auto* box = root_->Add(std::make_unique<OC_GUI_CHECKBOX5>(6, "box.png"));
  box->SetPosition(100.0f, 100.0f, 0.0f);
  root_->LoadResources();
  root_->Draw();
  EXPECT_EQ(FramesDrawn(), (std::vector<int>{0}));
  box->SetChecked(true, false);
  root_->Draw();
  EXPECT_EQ(FramesDrawn(), (std::vector<int>{0, 3}));
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(100, 100);
  root_->Draw();
  EXPECT_EQ(FramesDrawn(), (std::vector<int>{1, 3})) << "hovered";
  input.Press();
  root_->Draw();
  EXPECT_EQ(FramesDrawn(), (std::vector<int>{2, 3})) << "pressed";
  box->SetChecked(false, true);
  root_->Draw();
  EXPECT_EQ(FramesDrawn(), (std::vector<int>{0}));
}

TEST_F(GuiCheckboxTest, ASizeSetBeforeTheBuildIsKept) {
  auto* box = root_->Add(std::make_unique<OC_GUI_CHECKBOX5>(6, "box.png"));
  box->SetSize(60, 50);  // as the description's SIZE comes, before the load
  box->SetPosition(100.0f, 100.0f, 0.0f);
  EXPECT_EQ(box->GetWidth(), 0.0f);
  root_->LoadResources();
  EXPECT_EQ(box->GetWidth(), 60.0f);
  EXPECT_EQ(box->GetHeight(), 50.0f);
  const OC_HIT_SHAPE& hit = box->GetSheet().Hit();
  EXPECT_TRUE(hit.Contains(71.0f, 76.0f));
  EXPECT_TRUE(hit.Contains(129.0f, 124.0f));
  EXPECT_FALSE(hit.Contains(131.0f, 100.0f));
  box->SetSize(20, 20);
  EXPECT_FALSE(hit.Contains(111.0f, 100.0f));
}

TEST_F(GuiCheckboxTest, SwitchSlidesToTheOtherEndInThreeTenthsOfASecond) {
  auto* toggle = root_->Add(std::make_unique<OC_GUI_CHECKBOX_IOS>(7, "track.png", "knob.png"));
  EXPECT_EQ(toggle->GetKind(), kGuiKindCheckboxIos);
  toggle->SetPosition(300.0f, 200.0f, 0.0f);  // the track covers 268..332 x 184..216
  EXPECT_TRUE(toggle->IsChecked()) << "a new switch is on";
  toggle->SetChecked(false, true);
  EXPECT_TRUE(toggle->IsChecked()) << "no knob yet: nothing changes";
  root_->LoadResources();
  ASSERT_TRUE(toggle->IsBuilt());
  EXPECT_EQ(toggle->GetWidth(), 64.0f);
  EXPECT_EQ(toggle->GetHeight(), 32.0f);
  EXPECT_EQ(toggle->GetOnX(), -16.0f);
  EXPECT_EQ(toggle->GetOffX(), 16.0f);
  EXPECT_EQ(toggle->GetKnobX(), -16.0f) << "on: the knob at the left end";

  std::vector<float> knob;
  test_support::ScriptedInput input([&] {
    frames_.Run();
    knob.push_back(toggle->GetKnobX());
  });
  input.Move(330, 214);
  EXPECT_EQ(frames_.Last().move, 0) << "no hover";
  input.Press();
  EXPECT_EQ(frames_.Last().down, kGuiEventClicked) << "the press is the click";
  EXPECT_EQ(frames_.Last().id, 7);
  EXPECT_FALSE(toggle->IsChecked());
  input.Release();
  EXPECT_EQ(frames_.Last().up, 0);
  input.Idle(3);
  // Frame-time steps of 1/8 s: the slide starts in the press's frame and ends
  // after 0.3 s, at +d.
  const std::vector<float> expected = {-16.0f,  // the move
                                       -16.0f,  // the press: the slide's first step
                                       -16.0f + 32.0f * 0.125f / 0.3f,
                                       -16.0f + 32.0f * 0.25f / 0.3f,
                                       16.0f,  // past 0.3 s: at the other end
                                       16.0f};
  ASSERT_EQ(knob.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(knob[i], expected[i], 1e-4f) << i;
  EXPECT_TRUE(toggle->IsIdle());

  // Two quick presses: the second answers 8 but does not toggle.
  input.Press();
  input.Release();
  input.Press();
  EXPECT_EQ(frames_.Last().down, kGuiEventClicked);
  EXPECT_TRUE(toggle->IsChecked());
  input.Release();
  input.Idle(4);
  EXPECT_TRUE(toggle->IsChecked());
  EXPECT_EQ(toggle->GetKnobX(), -16.0f);

  // Keys and presses off the track do nothing.
  input.Key(platform::kKeySpace);
  input.Move(200, 200);
  input.Press();
  EXPECT_EQ(frames_.Last().down, 0);
  EXPECT_TRUE(toggle->IsChecked());

  // Set from code: nothing when already so; instant jumps.
  toggle->SetChecked(true, false);
  EXPECT_TRUE(toggle->IsIdle());
  toggle->SetChecked(false, true);
  EXPECT_FALSE(toggle->IsChecked());
  EXPECT_EQ(toggle->GetKnobX(), 16.0f);
  EXPECT_TRUE(toggle->IsIdle());
}

TEST_F(GuiCheckboxTest, SwitchDrawsTheTrackThenTheKnobAtItsEnd) {
  auto* toggle = root_->Add(std::make_unique<OC_GUI_CHECKBOX_IOS>(7, "track.png", "knob.png"));
  toggle->SetPosition(300.0f, 200.0f, 0.0f);
  root_->Draw();
  EXPECT_TRUE(Drawn().empty()) << "nothing before the build";
  root_->LoadResources();
  root_->Draw();
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 8u);
  EXPECT_FLOAT_EQ(drawn[0].x, 268.0f);  // the track
  EXPECT_FLOAT_EQ(drawn[2].x, 332.0f);
  EXPECT_FLOAT_EQ(drawn[4].x, 268.0f);  // the knob at the left end
  EXPECT_FLOAT_EQ(drawn[4].y, 184.0f);
  EXPECT_FLOAT_EQ(drawn[6].x, 300.0f);
}

}  // namespace
}  // namespace ORB
