// Sprite buttons and toggles driven by scripted input, one frame a step:
// their scripts, results, states and the frame of the strip they show.
#include "engine/gui/sprite_button.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/callback.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/key_codes.h"
#include "support/recording_renderer.h"
#include "support/scripted_input.h"

namespace ORB {
namespace {

using platform::kMouseLeft;
using platform::kMouseRight;
using Events = std::vector<std::string>;

class SpriteButtonTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    strip_ = renderer_->CreateBlank(100, 20);  // five frames of 20 x 20
    ASSERT_NE(strip_, nullptr);
  }

  // Every script of the button writes its name into events_.
  template <typename Button>
  void Watch(Button& button) {
    const std::pair<SpriteButtonScript, const char*> scripts[] = {
        {SpriteButtonScript::kEnter, "enter"},   {SpriteButtonScript::kLeave, "leave"},
        {SpriteButtonScript::kPress, "press"},   {SpriteButtonScript::kClick1, "click1"},
        {SpriteButtonScript::kClick2, "click2"},
    };
    for (const auto& [which, name] : scripts) {
      button.SetScript(which, CreateCallback([this, name = std::string(name)](intptr_t) {
                         events_.push_back(name);
                         return 0;
                       }));
    }
  }
  // The frame of the strip the quad shows.
  static int Frame(const SpriteButtonParts& button) {
    return static_cast<int>(std::lround(button.GetQuad().GetVertex(0)->u * 5.0f));
  }

  TextureRecord* strip_ = nullptr;
  Events events_;
  std::vector<int32_t> results_;
};

TEST_F(SpriteButtonTest, SizesComeFromTheStripOrTheCaller) {
  OC_SPRITE_BUTTON square(strip_, nullptr, OC_HIT_SHAPE::kRectangle, 0.0f, 0.0f);
  EXPECT_EQ(square.GetShape().GetWidth(), 20.0f);
  EXPECT_EQ(square.GetShape().GetHeight(), 20.0f);
  EXPECT_EQ(square.GetQuad().GetWidth(), 20.0f);
  EXPECT_EQ(square.GetTransform().pivot.x, 10.0f) << "anchored at the centre";
  EXPECT_EQ(square.GetTexture(), strip_);

  OS_TRANSFORM3 mine;
  OC_SPRITE_BUTTON round(strip_, &mine, OC_HIT_SHAPE::kCircle, 30.5f, 0.0f);
  EXPECT_EQ(&round.GetTransform(), &mine);
  EXPECT_EQ(round.GetShape().GetRadius(), 15.25f);
  EXPECT_EQ(round.GetShape().GetHeight(), 30.5f) << "a circle's height is its width";
  EXPECT_EQ(round.GetQuad().GetWidth(), 30.0f) << "the quad's size is truncated";
  EXPECT_EQ(round.GetQuad().GetHeight(), 30.0f);
}

TEST_F(SpriteButtonTest, ButtonScenarios) {
  OC_SPRITE_BUTTON button(strip_, nullptr, OC_HIT_SHAPE::kRectangle, 0.0f, 0.0f);
  button.GetTransform().SetPosition(100.0f, 100.0f, 0.0f);
  Watch(button);
  test_support::ScriptedInput input([&] { results_.push_back(button.Update()); });

  // Over it, pressed and released: a click.
  input.Move(105, 95);
  EXPECT_EQ(button.GetState(), kSpriteHover);
  EXPECT_EQ(Frame(button), 0) << "entering does not change the frame yet";
  input.Press();
  EXPECT_EQ(Frame(button), 2);
  input.Release();
  EXPECT_EQ(events_, (Events{"enter", "press", "click1"}));
  EXPECT_EQ(results_, (std::vector<int32_t>{kSpriteHover, kResultNone, kResultClicked}));
  EXPECT_EQ(button.GetState(), kSpriteHover);
  EXPECT_EQ(Frame(button), 1);

  // Pressed, moved out, released: it leaves, no click.
  events_.clear();
  results_.clear();
  input.Press();
  input.Move(200, 200);
  input.Release();
  EXPECT_EQ(events_, (Events{"press", "leave"}));
  EXPECT_EQ(results_, (std::vector<int32_t>{0, 0, 0}));
  EXPECT_EQ(button.GetState(), kSpriteNormal);

  // Pressed as the pointer arrives: entered and pressed in one frame.
  events_.clear();
  results_.clear();
  input.Input().OnMouseMove(100, 100);
  input.Press();
  EXPECT_EQ(results_, (std::vector<int32_t>{kSpritePressed}));
  input.Release();
  EXPECT_EQ(events_, (Events{"enter", "press", "click1"}));

  // Both buttons down in one frame: the first release answers a click but
  // runs no script while the other is held; the second release finds the
  // button hovered and does nothing.
  events_.clear();
  results_.clear();
  input.Input().OnKeyDown(kMouseRight);
  input.Press(kMouseLeft);
  input.Release(kMouseRight);
  input.Release(kMouseLeft);
  EXPECT_EQ(events_, (Events{"press", "press"}));
  EXPECT_EQ(results_, (std::vector<int32_t>{0, kResultClicked, 0}));

  // The right button alone clicks with its own script (the left one's
  // release above let go of it).
  events_.clear();
  input.Press(kMouseRight);
  input.Release(kMouseRight);
  EXPECT_EQ(events_, (Events{"press", "click2"}));

  // Disabled: nothing at all, the disabled frame.
  events_.clear();
  results_.clear();
  button.SetEnabled(false);
  input.Click(100, 100);
  EXPECT_EQ(events_, Events{});
  EXPECT_EQ(Frame(button), kSpriteDisabled);
  button.SetEnabled(true);
  button.Reset();
  EXPECT_EQ(Frame(button), 0);
}

TEST_F(SpriteButtonTest, ToggleScenarios) {
  OC_SPRITE_TOGGLE toggle(strip_);
  toggle.GetTransform().SetPosition(50.0f, 50.0f, 0.0f);
  Watch(toggle);
  test_support::ScriptedInput input([&] { results_.push_back(toggle.Update()); });

  // Entering only hovers, even with the button going down in that frame.
  input.Input().OnMouseMove(50, 50);
  input.Press();
  EXPECT_EQ(toggle.GetState(), kSpriteHover);
  input.Release();
  input.Press();
  input.Release();
  EXPECT_EQ(events_, (Events{"enter", "press", "click1"}));
  EXPECT_TRUE(toggle.IsSelected());
  EXPECT_EQ(Frame(toggle), kSpriteSelected);
  EXPECT_EQ(results_.back(), kResultClicked);

  // Selected and hovered: the hover frame under the selected one.
  fake_->ClearLog();
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  toggle.Draw();
  const auto drawn = Drawn();
  renderer_->EndFrame();
  ASSERT_EQ(drawn.size(), 8u);
  EXPECT_FLOAT_EQ(drawn[0].u, 0.2f);
  EXPECT_FLOAT_EQ(drawn[4].u, 0.6f);

  // Both buttons held while selected: the first release answers a click
  // without a script, the second unselects.
  events_.clear();
  results_.clear();
  input.Press(kMouseLeft);
  input.Press(kMouseRight);
  input.Release(kMouseLeft);
  EXPECT_TRUE(toggle.IsSelected());
  input.Release(kMouseRight);
  EXPECT_EQ(events_, (Events{"press", "press", "click2"}));
  EXPECT_EQ(results_, (std::vector<int32_t>{0, 0, kResultClicked, kResultClicked}));
  EXPECT_EQ(toggle.GetState(), kSpriteHover);

  // Pressed, moved out, released: no click.
  events_.clear();
  input.Press();
  input.Move(300, 300);
  input.Release();
  EXPECT_EQ(events_, (Events{"press", "leave"}));
  EXPECT_FALSE(toggle.IsSelected());
}

TEST_F(SpriteButtonTest, WithoutInputNothingHappens) {
  OC_SPRITE_BUTTON button(strip_, nullptr, OC_HIT_SHAPE::kRectangle, 0.0f, 0.0f);
  OC_SPRITE_TOGGLE toggle(strip_);
  Watch(button);
  ASSERT_EQ(InputState::Current(), nullptr);
  EXPECT_EQ(button.Update(), kResultNone);
  EXPECT_EQ(toggle.Update(), kResultNone);
  EXPECT_EQ(events_, Events{});
}

}  // namespace
}  // namespace ORB
