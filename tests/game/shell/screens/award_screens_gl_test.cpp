// The options and shop screens drawn by OpenGL from the shipped resources,
// through the hub as the game draws them: "Options" for a player with sound
// at 30 and music at 80 (options.png beside the test program), with each
// slider's runner drawn where its volume puts it; a page of the shop
// (shop.png) with every card's price in ink beside its coin. The other
// screens of the same family are drawn too (trophies.png, trophy_get.png,
// help.png, players.png, credits.png, heart.png) and checked for their
// frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_base_slider.h"
#include "framework/trophy_list.h"
#include "game/shell/game_shell_fixture.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/screens/help_window.h"
#include "game/shell/screens/options_window.h"
#include "game/shell/screens/paged_window.h"
#include "game/shell/screens/shop_window.h"
#include "game/shell/shipped_gl_fixture.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/resource_list.h"
#include "support/argb.h"
#include "support/offscreen_gl.h"
#include "support/pixel_box.h"
#include "support/sound_rig.h"
#include "support/temp_folder.h"
#include "support/temp_home.h"

namespace game {
namespace {

constexpr uint32_t kClear = 0xFF444444u;
constexpr uint32_t kInk = 0xFF2E3440u;
constexpr uint32_t kPanel = 0xFFFFFDF8u;
constexpr uint32_t kAccent = 0xFFEDAE49u;

class AwardScreensGlTest : public ShippedGlTest {
 protected:
  AwardScreensGlTest() : ShippedGlTest(kClear) {}

  // The box of the pixels near the colour in a rectangle of the frame.
  static test_support::Box InkIn(const test_support::Frame& frame, int x, int y, int w, int h,
                                 uint32_t colour = kInk, int tolerance = 60) {
    test_support::Box box;
    for (int row = y; row < y + h; ++row) {
      for (int column = x; column < x + w; ++column) {
        if (!test_support::Near(frame.At(column, row), colour, tolerance)) continue;
        ++box.count;
        box.left = std::min(box.left, column);
        box.top = std::min(box.top, row);
        box.right = std::max(box.right, column);
        box.bottom = std::max(box.bottom, row);
      }
    }
    return box;
  }
  // The frame's near-white at a point.
  static bool PanelAt(const test_support::Frame& frame, int x, int y) {
    return test_support::Near(frame.At(x, y), kPanel, 3);
  }
};

TEST_F(AwardScreensGlTest, OptionsShowTheVolumesWhereTheSlidersRunnersStand) {
  player_->SetSoundVolume(30.0f);
  player_->SetMusicVolume(80.0f);
  Hub().SetCurrentPlayer(player_);
  const test_support::Frame frame = Draw("Options", "options.png");
  auto* options = Windows().FindWindow("Options");
  ASSERT_NE(options, nullptr);

  // The 560 x 500 frame at the centre over the dimmed screen.
  EXPECT_TRUE(PanelAt(frame, 512, 150));
  EXPECT_TRUE(PanelAt(frame, 240, 400));
  EXPECT_FALSE(PanelAt(frame, 225, 400));
  for (const auto& [id, volume] : {std::pair{GG_WINDOW_OPTIONS::kSoundId, 30.0f},
                                   std::pair{GG_WINDOW_OPTIONS::kMusicId, 80.0f}}) {
    SCOPED_TRACE(id);
    const auto* slider =
        dynamic_cast<const ORB::OC_BASESLIDER*>(options->GetGuiRoot().FindById(id));
    ASSERT_NE(slider, nullptr);
    EXPECT_FLOAT_EQ(slider->GetValue(), volume);
    // Where the volume puts the runner: the travel's start plus the axis
    // times the value, from the slider's place on the screen.
    const ORB::Vector3 at = slider->GetTransform().GetWorld().position;
    const float travel_start = slider->GetStart().x + slider->GetRunnerOffset().x;
    const float expected_x = at.x + travel_start + slider->GetAxis().x * volume;
    const float travel = slider->GetAxis().x * 100.0f;
    ASSERT_GT(travel, 100.0f);
    // The runner is the one accent-coloured thing 7 pixels above the
    // groove's middle (the fill is narrower than that).
    const int row = static_cast<int>(at.y) - 7;
    const test_support::Box knob =
        InkIn(frame, static_cast<int>(at.x) - 200, row, 400, 1, kAccent, 40);
    ASSERT_GT(knob.count, 6);
    EXPECT_NEAR((knob.left + knob.right) / 2.0, expected_x, 1.5);
    EXPECT_NEAR(((knob.left + knob.right) / 2.0 - (at.x + travel_start)) / travel, volume / 100.0f,
                0.01f);
  }
  // The labels' ink on the left: "Sound", "Music", "Fullscreen", "Game cursor".
  for (const int y : {254, 310, 366, 422}) {
    EXPECT_GT(InkIn(frame, 270, y - 12, 160, 24).count, 40) << y;
  }
}

TEST_F(AwardScreensGlTest, AShopPageShowsEveryOfferWithItsPriceInInk) {
  player_->GetStatistics().score = 1250;
  const test_support::Frame frame = Draw("Shop", "shop.png");
  auto* shop = dynamic_cast<GG_WINDOW_SHOP*>(Windows().FindWindow("Shop"));
  ASSERT_NE(shop, nullptr);
  ASSERT_EQ(shop->Grid().ItemCount(), 4u);
  EXPECT_TRUE(PanelAt(frame, 512, 90));
  for (size_t i = 0; i < shop->Grid().ItemCount(); ++i) {
    auto* card = static_cast<gPages_Shop_Item*>(shop->Grid().Item(i));
    SCOPED_TRACE(card->GetName());
    // The price label: ink right of its coin, on the card's middle line.
    const ORB::Vector3 price =
        card->GetGuiRoot().FindById(gPages_Shop_Item::kPriceId)->GetTransform().GetWorld().position;
    const test_support::Box ink =
        InkIn(frame, static_cast<int>(price.x), static_cast<int>(price.y) - 14, 80, 28);
    EXPECT_GT(ink.count, 25);
    EXPECT_LT(ink.left, static_cast<int>(price.x) + 6);
    const ORB::Vector3 coin =
        card->GetGuiRoot().FindById(gPages_Shop_Item::kCoinId)->GetTransform().GetWorld().position;
    EXPECT_GT(InkIn(frame, static_cast<int>(coin.x) - 10, static_cast<int>(coin.y) - 10, 20, 20,
                    kAccent, 40)
                  .count,
              60);
    // The title's ink at the card's left, above its description.
    const ORB::Vector3 title =
        card->GetGuiRoot().FindById(gPages_Shop_Item::kTitleId)->GetTransform().GetWorld().position;
    EXPECT_GT(
        InkIn(frame, static_cast<int>(title.x), static_cast<int>(title.y) - 12, 200, 24).count, 60);
  }
}

TEST_F(AwardScreensGlTest, TheOtherScreensDrawOnTheirFrames) {
  // The trophy list with its heading, one trophy got.
  ASSERT_TRUE(ORB_GF::GetTrophyList()->TestValue(
      "tr_stars_1", ORB_GF::TrophyValue("three_star_levels", uint32_t{1})));
  Hub().OpenTrophies();
  for (int i = 0; i < 10; ++i) Frame(false);
  const test_support::Frame trophies = Frame(true, "trophies.png");
  EXPECT_GT(InkIn(trophies, 400, 100, 224, 48).count, 200) << "the heading";
  EXPECT_TRUE(PanelAt(trophies, 512, 190));
  CloseAll();

  // A trophy won.
  Hub().AwardTrophy(std::string("tr_stars_1"));
  for (int i = 0; i < 10; ++i) Frame(false);
  const test_support::Frame award = Frame(true, "trophy_get.png");
  EXPECT_TRUE(PanelAt(award, 512, 190));
  EXPECT_GT(InkIn(award, 312, 380, 400, 30).count, 100) << "the title";
  CloseAll();

  const test_support::Frame help = Draw("Help", "help.png");
  EXPECT_TRUE(PanelAt(help, 512, 120));
  auto* pages = dynamic_cast<GG_WINDOW_PAGED*>(Windows().FindWindow("Help"));
  ASSERT_NE(pages, nullptr);
  for (int page = 2; page <= pages->Grid().GetPageCount(); ++page) {
    ASSERT_TRUE(pages->TurnPage(GG_WINDOW_HELP::kNextId));
    const test_support::Frame turned = Settle("help_" + std::to_string(page) + ".png");
    EXPECT_GT(InkIn(turned, 312, 160, 400, 36).count, 200) << "the title of page " << page;
  }
  CloseAll();

  ASSERT_NE(Hub().CreatePlayer(L"Maximilianeeeee"), nullptr);
  ASSERT_NE(Hub().CreatePlayer(L"WWWWWWWWWWWWWWW"), nullptr);
  const test_support::Frame players = Draw("Players", "players.png");
  EXPECT_TRUE(PanelAt(players, 512, 160));
  CloseAll();

  const test_support::Frame credits = Draw("Credits", "credits.png");
  EXPECT_TRUE(PanelAt(credits, 512, 200));
  CloseAll();

  player_->GetHealth().Spend();
  Windows().OpenWindow("Heart", true);
  const test_support::Frame heart = Draw("FeedBack_Heart", "heart.png");
  EXPECT_GT(InkIn(heart, 420, 25, 100, 30).count, 20) << "the count and the countdown";
}

}  // namespace
}  // namespace game
