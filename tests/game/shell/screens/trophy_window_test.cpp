// The trophy list and the award window on the shipped resources: a trophy
// not got shows its closed medal, a got one its open medal; the page buttons
// show only where a page exists; an unknown trophy draws nothing and a
// missing grid file lists nothing; the award window shows each trophy won,
// the later of two first.
#include "game/shell/screens/trophy_window.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gui/gui_image.h"
#include "engine/gui/gui_wide_label.h"
#include "framework/trophy_list.h"
#include "framework/trophy_values.h"
#include "game/shell/screens/trophy_get_window.h"
#include "game/shell/shipped_hub_fixture.h"
#include "support/log_capture.h"
#include "support/window_kit.h"

namespace game {
namespace {

class TrophyScreensTest : public ShippedHubTest {
 protected:
  void StartWithPlayer() {
    ASSERT_TRUE(Start());
    AddPlayer(L"Anna");
  }
  GG_WINDOW_TROPHY& List() {
    return *dynamic_cast<GG_WINDOW_TROPHY*>(Windows().FindWindow("Trophy"));
  }
  gItem_Trophy& Item(const std::string& name) {
    ORB_GF::gPages& grid = List().Grid();
    for (size_t i = 0; i < grid.ItemCount(); ++i) {
      auto* item = static_cast<gItem_Trophy*>(grid.Item(i));
      if (item->GetTrophyName() == name) return *item;
    }
    ADD_FAILURE() << "no item " << name;
    return *static_cast<gItem_Trophy*>(grid.Item(0));
  }
  bool Shown(const ORB_GF::G_WINDOW& window, int32_t id) {
    const ORB::OC_GUI_OBJECT* widget = window.GetGuiRoot().FindById(id);
    return widget != nullptr && widget->IsVisible() && widget->IsEnabled();
  }
  ORB_GF::TrophyRecord& Trophy(const std::string& name) {
    return *ORB_GF::GetTrophyList()->Find(name);
  }
};

TEST_F(TrophyScreensTest, ATrophyShowsItsClosedMedalUntilItIsGot) {
  ASSERT_NO_FATAL_FAILURE(StartWithPlayer());
  Hub().OpenTrophies();
  Frames(5);
  ASSERT_TRUE(IsOpen("Trophy") && IsOpen("Trophy_Title"));
  gItem_Trophy& star = Item("tr_stars_1");
  EXPECT_TRUE(star.IsKnown());
  EXPECT_FALSE(star.IsGot());
  EXPECT_EQ(star.GetPicture().GetFile(), Trophy("tr_stars_1").GetImageClose());
  EXPECT_TRUE(star.GetPicture().IsLoaded());
  EXPECT_EQ(star.GetTitle(), L"First Star");
  EXPECT_EQ(star.GetDescription(), L"Win a level with three stars.");
  EXPECT_EQ(star.GetCoinText(), L"20");
  // A long description is broken into lines that fit the card.
  EXPECT_NE(Item("tr_all_trophy").GetDescription().find(L'\n'), std::wstring::npos);

  ASSERT_TRUE(ORB_GF::GetTrophyList()->TestValue(
      "tr_stars_1", ORB_GF::TrophyValue(ORB_GF::trophy_values::kThreeStarLevels, uint32_t{1})));
  Hub().CloseTrophies(true);
  Frames(2);
  Hub().OpenTrophies();
  Frames(5);
  EXPECT_TRUE(star.IsGot());
  EXPECT_EQ(star.GetPicture().GetFile(), Trophy("tr_stars_1").GetImageOpen());
  EXPECT_TRUE(star.GetPicture().IsLoaded());
}

TEST_F(TrophyScreensTest, ThePageButtonsShowOnlyWhereAPageExists) {
  ASSERT_NO_FATAL_FAILURE(StartWithPlayer());
  Hub().OpenTrophies();
  Frames(5);
  GG_WINDOW_TROPHY& list = List();
  // Fourteen trophies, eight a page.
  ASSERT_EQ(list.Grid().GetPageCount(), 2);
  ASSERT_NE(list.Markers(), nullptr);
  EXPECT_EQ(list.Markers()->GetCount(), 2u);
  EXPECT_FALSE(Shown(list, GG_WINDOW_TROPHY::kPreviousId));
  EXPECT_TRUE(Shown(list, GG_WINDOW_TROPHY::kNextId));

  // The player turns the page with the arrow.
  const ORB::Point next = CentreOf(*list.GetGuiRoot().FindById(GG_WINDOW_TROPHY::kNextId));
  ClickAt(next);
  EXPECT_EQ(list.Grid().GetCurrentPage(), 1);
  EXPECT_EQ(list.Markers()->GetCurrent(), 1u);
  EXPECT_TRUE(Shown(list, GG_WINDOW_TROPHY::kPreviousId));
  EXPECT_FALSE(Shown(list, GG_WINDOW_TROPHY::kNextId));
  // Nothing turns past the last page.
  EXPECT_TRUE(list.TurnPage(GG_WINDOW_TROPHY::kNextId));
  EXPECT_EQ(list.Grid().GetCurrentPage(), 1);

  const ORB::Point previous = CentreOf(*list.GetGuiRoot().FindById(GG_WINDOW_TROPHY::kPreviousId));
  ClickAt(previous);
  EXPECT_EQ(list.Grid().GetCurrentPage(), 0);
  EXPECT_EQ(list.Markers()->GetCurrent(), 0u);
  EXPECT_FALSE(Shown(list, GG_WINDOW_TROPHY::kPreviousId));
  EXPECT_TRUE(Shown(list, GG_WINDOW_TROPHY::kNextId));
}

TEST_F(TrophyScreensTest, AnUnknownTrophyDrawsNothingAndAMissingGridFileListsNothing) {
  WriteResource("data/share/main/other/odd_pages.xml",
                "<pages cols=\"2\"><gEXAMPLE size=\"420 104\"/>"
                "<item name_tr=\"tr_no_such\"/><item/><item name_tr=\"tr_stars_1\"/></pages>");
  ASSERT_NO_FATAL_FAILURE(StartWithPlayer());
  auto* odd =
      static_cast<GG_WINDOW_TROPHY*>(Windows().AddWindow(test_support::MakeWindow<GG_WINDOW_TROPHY>(
          "<window _name=\"Odd\" _typeOpen=\"SH_MOMENTAL\"><GUI/>"
          "<gPages file=\"data/share/main/other odd_pages.xml\"/></window>")));
  Windows().OpenWindow("Odd", true);
  Frames(3);
  ASSERT_EQ(odd->Grid().ItemCount(), 3u);
  for (size_t i = 0; i < 2; ++i) {
    const auto* unknown = static_cast<const gItem_Trophy*>(odd->Grid().Item(i));
    EXPECT_FALSE(unknown->IsKnown());
    EXPECT_EQ(unknown->GetTitle(), L"");
    EXPECT_EQ(unknown->GetCoinText(), L"");
  }
  EXPECT_TRUE(static_cast<const gItem_Trophy*>(odd->Grid().Item(2))->IsKnown());

  test_support::LogCapture log;
  const auto bare = test_support::MakeWindow<GG_WINDOW_TROPHY>(
      "<window _name=\"Bare\"><GUI/><gPages file=\"data/share/main/other "
      "no_pages.xml\"/></window>");
  EXPECT_EQ(bare->Grid().ItemCount(), 0u);
  EXPECT_EQ(bare->Grid().GetPageCount(), 0);
  EXPECT_TRUE(log.Has("no_pages.xml")) << ::testing::PrintToString(log.Lines());
}

TEST_F(TrophyScreensTest, TheAwardWindowShowsEachTrophyWonTheLaterFirst) {
  ASSERT_NO_FATAL_FAILURE(StartWithPlayer());
  auto* award = dynamic_cast<GG_WINDOW_TROPHY_GET*>(Windows().FindWindow("Trophy_Get"));
  ASSERT_NE(award, nullptr);
  Hub().AwardTrophy(std::string("tr_stars_1"));
  Hub().AwardTrophy(std::string("tr_bronze_coin"));
  Frames(6);
  ASSERT_TRUE(IsOpen("Trophy_Get"));
  EXPECT_EQ(award->GetTitle(), L"Bronze Purse");
  EXPECT_EQ(award->GetDescription(), L"Save up 100 coins.");
  const auto* picture = award->GetGuiRoot().FindById(GG_WINDOW_TROPHY_GET::kPictureId);
  EXPECT_EQ(dynamic_cast<const ORB::OC_GUI_IMAGE*>(picture)->GetTextureName(),
            Trophy("tr_bronze_coin").GetImageOpen());
  const auto* bonus = award->GetGuiRoot().FindById(GG_WINDOW_TROPHY_GET::kBonusId);
  EXPECT_EQ(dynamic_cast<const ORB::OC_GUI_WLABEL*>(bonus)->GetText(), L"20");
  // Both fonts of its settings are the font list's.
  EXPECT_NE(award->TitleText().GetStyle().GetFont(), nullptr);
  EXPECT_NE(award->DescriptionText().GetStyle().GetFont(), nullptr);

  // Continue: the next trophy of the queue follows.
  const ORB::Point go = CentreOf(*award->GetGuiRoot().FindById(GG_WINDOW_TROPHY_GET::kCloseId));
  ClickAt(go);
  Frames(8);
  ASSERT_TRUE(IsOpen("Trophy_Get"));
  EXPECT_EQ(award->GetTitle(), L"First Star");
  EXPECT_EQ(dynamic_cast<const ORB::OC_GUI_WLABEL*>(bonus)->GetText(), L"20");
  EXPECT_TRUE(Hub().TrophyQueue().empty());
}

}  // namespace
}  // namespace game
