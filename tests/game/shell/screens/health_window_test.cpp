// The heart panel on the shipped resources, on the test clock: the count and
// the countdown to the next heart, written afresh once a second, the idle
// text once the last heart is back, and its note, which a click opens and
// which closes again by itself.
#include "game/shell/screens/health_window.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gui/gui_wide_label.h"
#include "game/shell/shipped_hub_fixture.h"

namespace game {
namespace {

class HeartPanelTest : public ShippedHubTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShippedHubTest::SetUp());
    sound_.clock().SetCalendarSeconds(1'700'000'000);
    ASSERT_TRUE(Start());
    player_ = &AddPlayer(L"Anna");
    panel_ = Show<GG_WINDOW_HEALTH>("Heart");
    ASSERT_NE(panel_, nullptr);
  }
  std::wstring Label(int32_t id) {
    const auto* label = dynamic_cast<const ORB::OC_GUI_WLABEL*>(panel_->GetGuiRoot().FindById(id));
    return label != nullptr ? label->GetText() : L"(none)";
  }

  GG_PLAYER* player_ = nullptr;
  GG_WINDOW_HEALTH* panel_ = nullptr;
};

TEST_F(HeartPanelTest, TheCountAndTheCountdownGoOnToTheIdleTextOnceASecond) {
  EXPECT_EQ(panel_->GetIdleText(), L"Full");
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountId), L"5");
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountdownId), L"Full");

  // A heart spent: the panel shows it with the next window refresh.
  ASSERT_TRUE(player_->GetHealth().Spend());
  Windows().RefreshAll();
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountId), L"4");
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountdownId), L"20:00");

  // The countdown runs every frame (0.1 s); the panel writes it once a
  // second: in 20 frames it changes exactly twice.
  int changes = 0;
  std::wstring shown = Label(GG_WINDOW_HEALTH::kCountdownId);
  for (int i = 0; i < 20; ++i) {
    Frame();
    if (Label(GG_WINDOW_HEALTH::kCountdownId) != shown) {
      ++changes;
      shown = Label(GG_WINDOW_HEALTH::kCountdownId);
    }
  }
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(shown, L"19:58");

  // The clock moves on to a second before the heart is due; within a second
  // of its coming the panel shows five hearts and its idle text.
  sound_.clock().SetCalendarSeconds(1'700'000'000 + 1199);
  Hub().SetCurrentPlayer(player_);
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountdownId), L"00:01");
  Frames(12);
  EXPECT_EQ(player_->GetHealth().GetCount(), 5);
  Frames(10);
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountId), L"5");
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountdownId), L"Full");
}

TEST_F(HeartPanelTest, AClickShowsTheNoteWhichClosesAgainByItself) {
  input_.Click(468, 39);
  EXPECT_TRUE(IsOpen(GG_WINDOW_HEALTH::kFeedback));
  // It slides in, stays its hide delay (2.5 s) and slides out.
  Frames(20);
  EXPECT_TRUE(IsOpen(GG_WINDOW_HEALTH::kFeedback));
  Frames(30);
  EXPECT_FALSE(IsOpen(GG_WINDOW_HEALTH::kFeedback));
  // A second click shows it again.
  input_.Click(420, 39);
  EXPECT_TRUE(IsOpen(GG_WINDOW_HEALTH::kFeedback));
}

TEST_F(HeartPanelTest, WithoutAPlayerThePanelShowsNoCount) {
  Hub().SetCurrentPlayer(nullptr);
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountId), L"");
  EXPECT_EQ(Label(GG_WINDOW_HEALTH::kCountdownId), L"Full");
  Frames(12);
}

}  // namespace
}  // namespace game
