// The help pages on the shipped resources: one page at a time with its
// title in the game's language, turned by the arrows with the dots
// following, closed by its button; page dots only where the description
// asks for them, and an empty list for a grid file that is missing.
#include "game/shell/screens/help_window.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gui/gui_wide_label.h"
#include "game/shell/shipped_hub_fixture.h"
#include "support/log_capture.h"
#include "support/window_kit.h"

namespace game {
namespace {

class HelpTest : public ShippedHubTest {
 protected:
  bool Shown(int32_t id) {
    const ORB::OC_GUI_OBJECT* widget = help_->GetGuiRoot().FindById(id);
    return widget != nullptr && widget->IsVisible() && widget->IsEnabled();
  }
  void Click(int32_t id) {
    ClickOn(*help_->GetGuiRoot().FindById(id));
    Frames(2);
  }
  GG_WINDOW_HELP* help_ = nullptr;
};

TEST_F(HelpTest, PagesTurnWithTheArrowsAndTheButtonCloses) {
  ASSERT_TRUE(Start());
  help_ = Show<GG_WINDOW_HELP>("Help");
  ASSERT_NE(help_, nullptr);
  ASSERT_EQ(help_->Grid().GetPageCount(), 4);
  ASSERT_NE(help_->Markers(), nullptr);
  EXPECT_EQ(help_->Markers()->GetCount(), 4u);
  // Each page's title, translated.
  const auto title = [&](size_t page) {
    auto* item = static_cast<gHelpItem*>(help_->Grid().Item(page));
    return item->FindWidget<ORB::OC_GUI_WLABEL>(1)->GetText();
  };
  EXPECT_EQ(title(0), L"How to Play");
  EXPECT_EQ(title(3), L"Hints and Coins");

  EXPECT_FALSE(Shown(GG_WINDOW_HELP::kPreviousId));
  for (int page = 1; page < 4; ++page) {
    ASSERT_TRUE(Shown(GG_WINDOW_HELP::kNextId)) << page;
    Click(GG_WINDOW_HELP::kNextId);
    EXPECT_EQ(help_->Grid().GetCurrentPage(), page);
    EXPECT_EQ(help_->Markers()->GetCurrent(), static_cast<uint32_t>(page));
    EXPECT_TRUE(Shown(GG_WINDOW_HELP::kPreviousId));
  }
  EXPECT_FALSE(Shown(GG_WINDOW_HELP::kNextId));
  Click(GG_WINDOW_HELP::kPreviousId);
  EXPECT_EQ(help_->Grid().GetCurrentPage(), 2);
  EXPECT_TRUE(Shown(GG_WINDOW_HELP::kNextId));

  Click(GG_WINDOW_HELP::kCloseId);
  Frames(5);
  EXPECT_FALSE(IsOpen("Help"));
}

TEST_F(HelpTest, DotsOnlyWhenAskedForAndNothingFromAMissingFile) {
  ASSERT_TRUE(Start());
  const auto plain = test_support::MakeWindow<GG_WINDOW_HELP>(
      "<window _name=\"Plain\"><GUI/>"
      "<gPages file=\"data/share/main/other help_pages.xml\"/>"
      "<page_number file=\"data/share/image/gui page_markers.png\"/></window>");
  EXPECT_EQ(plain->Grid().ItemCount(), 4u);
  EXPECT_EQ(plain->Markers(), nullptr) << "help reads its dots from IOS_PAGE_NUMBER alone";

  test_support::LogCapture log;
  const auto missing = test_support::MakeWindow<GG_WINDOW_HELP>(
      "<window _name=\"Missing\"><GUI/><gPages file=\"data/share/main/other no_help.xml\"/>"
      "<IOS_PAGE_NUMBER file=\"data/share/image/gui page_markers.png\"/></window>");
  EXPECT_EQ(missing->Grid().ItemCount(), 0u);
  EXPECT_EQ(missing->Markers()->GetCount(), 0u);
  EXPECT_TRUE(log.Has("no_help.xml")) << ::testing::PrintToString(log.Lines());
  EXPECT_FALSE(missing->TurnPage(GG_WINDOW_HELP::kCloseId));
  EXPECT_TRUE(missing->TurnPage(GG_WINDOW_HELP::kNextId));
  EXPECT_EQ(missing->Grid().GetCurrentPage(), 0);
}

}  // namespace
}  // namespace game
