// Push buttons driven by scripted input, one frame a step: the five-look
// button's codes, states and frames through enter, press, release inside and
// outside, leaving while held, a lost focus, disabled and selected buttons;
// the two-look button's click on leaving; sizes and texture uses.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/gui/gui_button2.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_image.h"
#include "engine/platform/key_codes.h"
#include "support/scripted_input.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

// What one frame is expected to show: the codes of the move, press and
// release passes, then the button's state and the frame shown.
struct Expected {
  int32_t move, down, up, state, frame;
};

class GuiButtonTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add("button5.png", 500, 60);  // five frames of 100 x 60
    textures_->Add("button2.png", 160, 40);  // two frames of 80 x 40
  }

  // The button's frames, checked step by step against the table.
  static void Check(const std::vector<Expected>& expected,
                    const std::vector<test_support::GuiFrames::Answers>& answers,
                    const std::vector<std::pair<int32_t, int32_t>>& looks) {
    ASSERT_EQ(answers.size(), expected.size());
    ASSERT_EQ(looks.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      const Expected& e = expected[i];
      EXPECT_EQ(answers[i].move, e.move) << "step " << i;
      EXPECT_EQ(answers[i].down, e.down) << "step " << i;
      EXPECT_EQ(answers[i].up, e.up) << "step " << i;
      EXPECT_EQ(looks[i].first, e.state) << "step " << i;
      EXPECT_EQ(looks[i].second, e.frame) << "step " << i;
    }
  }
};

TEST_F(GuiButtonTest, Button5ThroughEnterPressReleaseAndLeave) {
  auto* button = root_->Add(std::make_unique<OC_GUI_BUTTON5>(4, "button5.png"));
  EXPECT_EQ(button->GetKind(), kGuiKindButton);
  button->SetPosition(200.0f, 100.0f, 0.0f);  // covers 150..250 x 70..130
  root_->LoadResources();
  ASSERT_EQ(button->GetWidth(), 100.0f);
  ASSERT_EQ(button->GetHeight(), 60.0f);

  std::vector<std::pair<int32_t, int32_t>> looks;
  test_support::ScriptedInput input([&] {
    frames_.Run();
    looks.emplace_back(button->GetState(), button->GetFrame());
  });
  input.Move(10, 10);
  input.Move(200, 100);
  input.Press();
  input.Release();       // a click inside
  input.Move(201, 100);  // the hover look comes back with the next move
  input.Press();
  input.Move(400, 400);  // dragged off: the press is cancelled
  input.Release();       // no click outside
  input.Press();         // pressed outside and brought in while held
  input.Move(249, 129);
  input.Release();
  input.Key(platform::kKeySpace);  // keys never press it
  input.Press(platform::kMouseRight);
  input.Release(platform::kMouseRight);
  input.Press();
  input.Move(260, 100);  // left while held: leaves, no click
  input.Move(200, 100);  // back in, still held: hovered only
  input.Release();
  // clang-format off
  const std::vector<Expected> expected = {
      {0, 0, 0, 0, 0},  // outside
      {3, 0, 0, 1, 1},  // entered
      {0, 7, 0, 2, 2},  // pressed
      {0, 0, 8, 1, 0},  // clicked: hovered, the normal look until the next move
      {0, 0, 0, 1, 1},
      {0, 7, 0, 2, 2},
      {4, 0, 0, 0, 0},  // left while held
      {0, 0, 0, 0, 0},  // released outside: nothing
      {0, 0, 0, 0, 0},  // pressed outside
      {3, 0, 0, 1, 1},  // entered while held
      {0, 0, 0, 1, 1},  // released: no click without a press on it
      {0, 0, 0, 1, 1},  // space down
      {0, 0, 0, 1, 1},  // space up
      {0, 0, 0, 1, 1},  // right button down
      {0, 0, 0, 1, 1},
      {0, 7, 0, 2, 2},
      {4, 0, 0, 0, 0},
      {3, 0, 0, 1, 1},
      {0, 0, 0, 1, 1},
  };
  // clang-format on
  Check(expected, frames_.All(), looks);
  EXPECT_EQ(root_->EventId(), 0) << "the last frame answered nothing";
}

TEST_F(GuiButtonTest, Button5ScriptsAndTheClickAnswerCarryItsId) {
  auto* button = root_->Add(std::make_unique<OC_GUI_BUTTON5>(12, "button5.png"));
  button->SetPosition(200.0f, 100.0f, 0.0f);
  std::vector<int> calls;
  for (GuiScript which : {GuiScript::kEnter, GuiScript::kLeave, GuiScript::kDown, GuiScript::kUp}) {
    button->SetScript(which, CreateCallback([&calls, which](intptr_t) {
                        calls.push_back(static_cast<int>(which));
                        return 0;
                      }));
  }
  root_->LoadResources();
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Click(200, 100);
  EXPECT_EQ(frames_.Last().up, kGuiEventClicked);
  EXPECT_EQ(frames_.Last().id, 12);
  input.Move(0, 0);
  EXPECT_EQ(calls, (std::vector<int>{0, 2, 3, 1}));
}

TEST_F(GuiButtonTest, Button5WhoseFocusASiblingTookWaitsForTheNextEnter) {
  // An image listed first lies over the button's right half; pressing it
  // takes the focus from the button the pointer rests on.
  auto* image = root_->Add(std::make_unique<OC_GUI_IMAGE>(1, "button2.png"));
  image->SetPosition(290.0f, 100.0f, 0.0f);  // 210..370
  auto* button = root_->Add(std::make_unique<OC_GUI_BUTTON5>(2, "button5.png"));
  button->SetPosition(200.0f, 100.0f, 0.0f);  // 150..250
  root_->LoadResources();
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(230, 100);  // over both: the button hovers
  EXPECT_EQ(frames_.Last().move, kGuiEventEntered);
  EXPECT_TRUE(button->IsFocused());
  input.Press();
  input.Release();
  EXPECT_EQ(frames_.Last().up, kGuiEventClicked);
  EXPECT_EQ(frames_.Last().id, 1) << "the image took the click";
  EXPECT_FALSE(button->IsFocused());
  EXPECT_EQ(button->GetState(), OC_GUI_BUTTON5::kHover);

  input.Move(170, 100);  // still over the button, off the image
  input.Press();
  EXPECT_EQ(frames_.Last().down, 0) << "not focused: no press";
  EXPECT_EQ(button->GetState(), OC_GUI_BUTTON5::kHover);
  input.Release();
  input.Move(100, 100);
  input.Move(170, 100);  // entered again
  input.Press();
  EXPECT_EQ(frames_.Last().down, kGuiEventPressed);
  input.Release();
  EXPECT_EQ(frames_.Last().up, kGuiEventClicked);
  EXPECT_EQ(frames_.Last().id, 2);
}

TEST_F(GuiButtonTest, Button5PressedRightAfterAFlickFromANeighbourClicks) {
  // Two buttons side by side; one move goes from the first to the second,
  // and the first's leaving answers that move pass.
  auto* first = root_->Add(std::make_unique<OC_GUI_BUTTON5>(1, "button5.png"));
  first->SetPosition(200.0f, 100.0f, 0.0f);  // 150..250
  auto* second = root_->Add(std::make_unique<OC_GUI_BUTTON5>(2, "button5.png"));
  second->SetPosition(400.0f, 100.0f, 0.0f);  // 350..450
  root_->LoadResources();
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(200, 100);
  input.Move(400, 100);
  EXPECT_EQ(frames_.Last().move, kGuiEventLeft);
  EXPECT_EQ(second->GetState(), OC_GUI_BUTTON5::kNormal) << "the pass ended at the first";
  input.Press();
  EXPECT_EQ(frames_.Last().down, kGuiEventPressed);
  input.Release();
  EXPECT_EQ(frames_.Last().up, kGuiEventClicked);
  EXPECT_EQ(frames_.Last().id, 2);
  EXPECT_EQ(first->GetState(), OC_GUI_BUTTON5::kNormal);
  // A press beside both presses nothing.
  input.Move(300, 100);
  input.Press();
  EXPECT_EQ(frames_.Last().down, 0);
  input.Release();
}

TEST_F(GuiButtonTest, DisabledAndSelectedButtonsIgnoreInput) {
  auto* button = root_->Add(std::make_unique<OC_GUI_BUTTON5>(3, "button5.png"));
  button->SetPosition(200.0f, 100.0f, 0.0f);
  button->Disable();  // before the build: the state alone
  EXPECT_EQ(button->GetState(), OC_GUI_BUTTON5::kDisabled);
  EXPECT_EQ(button->GetSheet().Quad(), nullptr);
  root_->LoadResources();
  EXPECT_EQ(button->GetFrame(), OC_GUI_BUTTON5::kDisabled);
  // The disabled look: the fifth of the sheet.
  EXPECT_FLOAT_EQ(button->GetSheet().Quad()->GetVertex(0)->u, 0.8f);
  EXPECT_FLOAT_EQ(button->GetSheet().Quad()->GetVertex(1)->u, 1.0f);

  test_support::ScriptedInput input([&] { frames_.Run(); });
  for (void (OC_GUI_BUTTON5::*look)() : {&OC_GUI_BUTTON5::Disable, &OC_GUI_BUTTON5::Select}) {
    (button->*look)();
    const int32_t state = button->GetState();
    frames_.Clear();
    input.Move(0, 0);
    input.Click(200, 100);
    input.Move(0, 0);
    for (const auto& a : frames_.All()) {
      EXPECT_EQ(a.move + a.down + a.up + a.process, 0);
    }
    EXPECT_EQ(button->GetState(), state);
    EXPECT_EQ(button->GetFrame(), state);
  }
  button->Enable();
  EXPECT_EQ(button->GetFrame(), OC_GUI_BUTTON5::kNormal);
  input.Click(200, 100);
  EXPECT_EQ(frames_.Last().up, kGuiEventClicked);
}

TEST_F(GuiButtonTest, SetUsableDisablesOrWakesADisabledButtonAndKeepsAnyOtherLook) {
  auto* button = root_->Add(std::make_unique<OC_GUI_BUTTON5>(3, "button5.png"));
  button->SetPosition(200.0f, 100.0f, 0.0f);
  root_->LoadResources();
  using Input = test_support::ScriptedInput;
  Input input([&] { frames_.Run(); });
  const struct {
    const char* name;
    void (*before)(OC_GUI_BUTTON5&, Input&);
    bool usable;
    int32_t state;
  } cases[] = {
      {"normal, usable", [](OC_GUI_BUTTON5& b, Input&) { b.Enable(); }, true,
       OC_GUI_BUTTON5::kNormal},
      {"hovered, usable", [](OC_GUI_BUTTON5&, Input& in) { in.Move(200, 100); }, true,
       OC_GUI_BUTTON5::kHover},
      {"selected, usable", [](OC_GUI_BUTTON5& b, Input&) { b.Select(); }, true,
       OC_GUI_BUTTON5::kSelected},
      {"disabled, usable", [](OC_GUI_BUTTON5& b, Input&) { b.Disable(); }, true,
       OC_GUI_BUTTON5::kNormal},
      {"hovered, not usable", [](OC_GUI_BUTTON5&, Input& in) { in.Move(200, 100); }, false,
       OC_GUI_BUTTON5::kDisabled},
      {"disabled, not usable", [](OC_GUI_BUTTON5& b, Input&) { b.Disable(); }, false,
       OC_GUI_BUTTON5::kDisabled},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    button->Enable();
    input.Move(0, 0);
    c.before(*button, input);
    button->SetUsable(c.usable);
    EXPECT_EQ(button->GetState(), c.state);
    EXPECT_EQ(button->GetFrame(), c.state);
  }
}

TEST_F(GuiButtonTest, Button2ClicksOnReleaseAndOnLeavingWhileHeld) {
  auto* button = root_->Add(std::make_unique<OC_GUI_BUTTON2>(5, "button2.png"));
  EXPECT_EQ(button->GetKind(), kGuiKindButton);
  button->SetPosition(100.0f, 100.0f, 0.0f);  // covers 60..140 x 80..120
  root_->LoadResources();
  EXPECT_EQ(button->GetWidth(), 80.0f);
  EXPECT_EQ(button->GetHeight(), 40.0f);
  std::vector<std::pair<int32_t, int32_t>> looks;
  test_support::ScriptedInput input([&] {
    frames_.Run();
    looks.emplace_back(button->GetState(), button->GetFrame());
  });
  input.Move(100, 100);  // no hover look
  input.Press();
  input.Move(139, 119);  // held, still inside
  input.Release();       // a click
  input.Press();
  input.Move(141, 100);  // left while held: a click too
  input.Release();
  input.Move(20, 20);
  input.Press();  // pressed outside, brought in held: nothing
  input.Move(100, 100);
  input.Release();
  input.Key(platform::kKeySpace);
  input.Press(platform::kMouseRight);
  input.Release(platform::kMouseRight);
  // clang-format off
  const std::vector<std::vector<int32_t>> expected = {
      // move, down, up, process, state, frame
      {0, 0, 0, 0, 0, 0}, {0, 0, 0, 7, 2, 1}, {0, 0, 0, 0, 2, 1}, {0, 0, 0, 8, 0, 0},
      {0, 0, 0, 7, 2, 1}, {0, 0, 0, 8, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
      {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
      {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
  };
  // clang-format on
  ASSERT_EQ(frames_.All().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const auto& a = frames_.All()[i];
    EXPECT_EQ(
        (std::vector<int32_t>{a.move, a.down, a.up, a.process, looks[i].first, looks[i].second}),
        expected[i])
        << "step " << i;
  }
}

TEST_F(GuiButtonTest, ButtonsOnTheCallersTextureAreBuiltAtOnce) {
  TextureRecord* mine = renderer_->CreateBlank(250, 30);
  OC_GUI_BUTTON5 five(1, mine);
  OC_GUI_BUTTON2 two(2, mine);
  EXPECT_EQ(five.GetWidth(), 50.0f);
  EXPECT_EQ(two.GetWidth(), 125.0f);
  EXPECT_EQ(two.GetHeight(), 30.0f);
  five.LoadResourcesTree();
  five.ReleaseResourcesTree();
  EXPECT_EQ(five.GetSheet().Quad()->GetTexture(), mine) << "the caller's: never given back";
  EXPECT_EQ(textures_->Acquires(), 0);
}

TEST_F(GuiButtonTest, AMissingSheetLeavesTheButtonUnbuiltAndDeaf) {
  auto* button = root_->Add(std::make_unique<OC_GUI_BUTTON5>(1, "missing.png"));
  root_->LoadResources();
  EXPECT_EQ(button->GetWidth(), 0.0f);
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Click(0, 0);
  EXPECT_EQ(root_->EventCode(), 0);
  root_->Draw();
  EXPECT_TRUE(Drawn().empty());
}

}  // namespace
}  // namespace ORB
