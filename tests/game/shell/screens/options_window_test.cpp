// The options window on the shipped resources, driven as a player drives
// it: a slider dragged is heard at once, a box ticked applies at once, Cancel
// puts back the volumes and the cursor (not the fullscreen switch, which has
// taken effect), OK saves; on a desktop smaller than the game's screen the
// fullscreen box is off; Help opens, and Credits closes on any click.
#include "game/shell/screens/options_window.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gui/gui_base_slider.h"
#include "engine/gui/gui_checkbox_interface.h"
#include "game/shell/shipped_hub_fixture.h"
#include "game/shell/startup/game_settings.h"

namespace game {
namespace {

class OptionsTest : public ShippedHubTest {
 protected:
  void StartAndShow(ORB::platform::ScreenSize desktop = {1920, 1080}) {
    ASSERT_TRUE(Start(desktop));
    player_ = &AddPlayer(L"Anna");
    player_->SetSoundVolume(40.0f);
    player_->SetMusicVolume(30.0f);
    Hub().SetCurrentPlayer(player_);
    Hub().OpenOptions();
    Frames(6);
    options_ = dynamic_cast<GG_WINDOW_OPTIONS*>(Windows().FindWindow("Options"));
    ASSERT_NE(options_, nullptr);
    ASSERT_TRUE(IsOpen("Options"));
    std::filesystem::remove_all(SaveFolder());
  }
  ORB::OC_GUI_OBJECT& Widget(int32_t id) { return *options_->GetGuiRoot().FindById(id); }
  ORB::OC_BASESLIDER& Slider(int32_t id) { return dynamic_cast<ORB::OC_BASESLIDER&>(Widget(id)); }
  ORB::OC_GUI_CHECKBOX_INTERFACE& Box(int32_t id) {
    return dynamic_cast<ORB::OC_GUI_CHECKBOX_INTERFACE&>(Widget(id));
  }
  void Click(int32_t id) { ClickOn(Widget(id)); }
  ORB::Point RunnerOf(int32_t id) {
    const ORB::Vector3 at =
        Slider(id).GetPartTransform(ORB::OC_BASESLIDER::kRunner).GetWorld().position;
    return {static_cast<int32_t>(at.x), static_cast<int32_t>(at.y)};
  }
  float Volume(const char* group) { return GetSoundBank()->Find(group)->volume; }

  GG_PLAYER* player_ = nullptr;
  GG_WINDOW_OPTIONS* options_ = nullptr;
};

TEST_F(OptionsTest, ADraggedSliderIsHeardAtOnceAndCancelPutsEverythingBack) {
  ASSERT_NO_FATAL_FAILURE(StartAndShow());
  EXPECT_FLOAT_EQ(Slider(GG_WINDOW_OPTIONS::kSoundId).GetValue(), 40.0f);
  EXPECT_FLOAT_EQ(Slider(GG_WINDOW_OPTIONS::kMusicId).GetValue(), 30.0f);
  EXPECT_TRUE(Box(GG_WINDOW_OPTIONS::kCursorId).IsChecked());
  ASSERT_NE(options_->GetKept(), nullptr);

  // The sound runner held and moved right: the sound bank's volume follows
  // while the button is still down.
  const ORB::Point runner = RunnerOf(GG_WINDOW_OPTIONS::kSoundId);
  input_.Move(runner.x, runner.y);
  input_.Press();
  input_.Move(runner.x + 30, runner.y);
  input_.Move(runner.x + 60, runner.y);
  const float dragged = Slider(GG_WINDOW_OPTIONS::kSoundId).GetValue();
  EXPECT_GT(dragged, 50.0f);
  EXPECT_FLOAT_EQ(Volume("sounds"), dragged / 100.0f) << "heard before the release";
  EXPECT_FLOAT_EQ(player_->GetSoundVolume(), dragged);
  input_.Release();

  // The music's plus button: one step of 10.
  Click(GG_WINDOW_OPTIONS::kMusicId);  // the slider's middle is its travel: no step
  const ORB::Vector3 plus = Slider(GG_WINDOW_OPTIONS::kMusicId)
                                .GetPartTransform(ORB::OC_BASESLIDER::kPlus)
                                .GetWorld()
                                .position;
  ClickAt({static_cast<int32_t>(plus.x), static_cast<int32_t>(plus.y)});
  EXPECT_FLOAT_EQ(Slider(GG_WINDOW_OPTIONS::kMusicId).GetValue(), 40.0f);
  EXPECT_FLOAT_EQ(Volume("music"), 0.4f);

  // The game's cursor off: the system's shows at once.
  Click(GG_WINDOW_OPTIONS::kCursorId);
  EXPECT_FALSE(player_->GetGameCursor());
  EXPECT_FALSE(Hub().Cursor().IsEnabled());
  EXPECT_TRUE(window_->IsCursorShown());

  Click(GG_WINDOW_OPTIONS::kCancelId);
  Frames(5);
  EXPECT_FALSE(IsOpen("Options"));
  EXPECT_FLOAT_EQ(player_->GetSoundVolume(), 40.0f);
  EXPECT_FLOAT_EQ(player_->GetMusicVolume(), 30.0f);
  EXPECT_FLOAT_EQ(Volume("sounds"), 0.4f);
  EXPECT_FLOAT_EQ(Volume("music"), 0.3f);
  EXPECT_TRUE(player_->GetGameCursor());
  EXPECT_TRUE(Hub().Cursor().IsEnabled());
  EXPECT_FALSE(window_->IsCursorShown());
  EXPECT_FALSE(Saved()) << "Cancel saves nothing";
}

TEST_F(OptionsTest, CancelLeavesTheFullscreenBoxAsTheClickSetItAndOkSaves) {
  ASSERT_NO_FATAL_FAILURE(StartAndShow());
  ASSERT_TRUE(Widget(GG_WINDOW_OPTIONS::kFullscreenId).IsVisible());
  ASSERT_FALSE(GetFullscreen());
  EXPECT_FALSE(Box(GG_WINDOW_OPTIONS::kFullscreenId).IsChecked());
  Click(GG_WINDOW_OPTIONS::kFullscreenId);
  EXPECT_TRUE(GetFullscreen()) << "applied at once";
  Click(GG_WINDOW_OPTIONS::kCancelId);
  Frames(5);
  EXPECT_TRUE(GetFullscreen()) << "Cancel does not undo it";

  // Opened again, the box shows the switch; OK saves and closes.
  Hub().OpenOptions();
  Frames(6);
  EXPECT_TRUE(Box(GG_WINDOW_OPTIONS::kFullscreenId).IsChecked());
  Click(GG_WINDOW_OPTIONS::kOkId);
  Frames(5);
  EXPECT_FALSE(IsOpen("Options"));
  EXPECT_TRUE(Saved());
}

TEST_F(OptionsTest, OnADesktopSmallerThanTheScreenTheFullscreenBoxIsOff) {
  ASSERT_NO_FATAL_FAILURE(StartAndShow({800, 600}));
  for (const int32_t id :
       {GG_WINDOW_OPTIONS::kFullscreenId, GG_WINDOW_OPTIONS::kFullscreenLabelId}) {
    EXPECT_FALSE(Widget(id).IsVisible()) << id;
    EXPECT_FALSE(Widget(id).IsEnabled()) << id;
  }
  EXPECT_TRUE(GetFullscreen()) << "the game runs fullscreen there";
  // A click where the box would be changes nothing.
  Click(GG_WINDOW_OPTIONS::kFullscreenId);
  EXPECT_TRUE(GetFullscreen());
  EXPECT_TRUE(Widget(GG_WINDOW_OPTIONS::kCursorId).IsVisible());
}

TEST_F(OptionsTest, HelpOpensAndCreditsCloseOnAnyClick) {
  ASSERT_NO_FATAL_FAILURE(StartAndShow());
  Click(GG_WINDOW_OPTIONS::kHelpId);
  Frames(6);
  EXPECT_TRUE(IsOpen("Help"));
  Windows().CloseWindow("Help", true);
  Frames(2);

  Click(GG_WINDOW_OPTIONS::kCreditsId);
  Frames(6);
  ASSERT_TRUE(IsOpen("Credits"));
  input_.Click(512, 300);  // on its frame, off its button
  Frames(6);
  EXPECT_FALSE(IsOpen("Credits"));
  EXPECT_TRUE(IsOpen("Options"));
}

}  // namespace
}  // namespace game
