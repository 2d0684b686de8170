// The pack and level lists on the fixture's tree: each pack's look and texts
// for the player's records; buying a pack with coins (exactly enough, too
// few, a pack the player has no record of); the free edition's two
// questions; the level list's stars, its heart check with and without the
// edition's hearts, and a level started behind the fade exactly once; the
// menu bar and the panel of stars and coins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/sound.h"
#include "engine/foundation/sound_bank.h"
#include "engine/gui/gui_wide_label.h"
#include "framework/window_confirm.h"
#include "game/records/level_record.h"
#include "game/records/pack_state.h"
#include "game/records/players_list.h"
#include "game/shell/screens/fade_transition.h"
#include "game/shell/screens/level_window.h"
#include "game/shell/screens/pack_menu_window.h"
#include "game/shell/screens/pack_window.h"
#include "game/shell/screens/sunime_window.h"
#include "game/shell/screens_fixture.h"
#include "support/log_capture.h"

namespace game {
namespace {

std::wstring LabelText(ORB::OC_GUI_OBJECT* widget) {
  auto* label = dynamic_cast<ORB::OC_GUI_WLABEL*>(widget);
  return label != nullptr ? label->GetText() : L"(no label)";
}

class ScreensListsTest : public ScreensTest {
 protected:
  // Anna, the template's copy: pack 1 with its first level open, pack 2
  // closed, no record of pack 3.
  void StartWithAnna() {
    ASSERT_NO_FATAL_FAILURE(StartScreens());
    anna_ = &MakePlayer(L"Anna");
  }
  void OpenPacks() {
    Hub().OpenPackList();
    Settle();
    packs_ = Find<GG_WINDOW_PACK>("Packs");
    ASSERT_NE(packs_, nullptr);
  }
  void OpenLevels(int32_t pack_id) {
    Hub().OpenLevels(pack_id, true);
    Settle();
    levels_ = Find<GG_WINDOW_LEVEL>("Levels");
    ASSERT_NE(levels_, nullptr);
  }
  gPackItem& PackItem(size_t i) { return *packs_->PackGrid().PackItem(i); }
  gLevel_Item& LevelItem(size_t i) { return *levels_->LevelGrid().LevelItem(i); }
  uint32_t& Coins() { return anna_->GetStatistics().score; }
  // The pack item's page brought up, then a click on it.
  void ClickPack(size_t i) {
    while (packs_->Grid().GetCurrentPage() * packs_->Grid().GetItemsPerPage() +
               packs_->Grid().GetItemsPerPage() <=
           static_cast<int32_t>(i)) {
      packs_->NextPage();
      Settle(1);
    }
    ClickItem(PackItem(i));
    Settle(2);
  }

  GG_PLAYER* anna_ = nullptr;
  GG_WINDOW_PACK* packs_ = nullptr;
  GG_WINDOW_LEVEL* levels_ = nullptr;
};

TEST_F(ScreensListsTest, EachPackShowsItsLookAndTextsForThePlayersRecords) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  ASSERT_NO_FATAL_FAILURE(OpenPacks());
  ASSERT_EQ(packs_->Grid().ItemCount(), 3u);
  EXPECT_EQ(packs_->Grid().GetPageCount(), 2);
  ASSERT_NE(packs_->Markers(), nullptr);
  EXPECT_EQ(packs_->Markers()->GetCount(), 2u);
  struct Case {
    int32_t pack;  // the item's pack: by place, then by "id"
    bool open;
    const wchar_t* label;  // widget 5 when open, 3 when locked
  };
  const Case cases[] = {{1, true, L"0/6"}, {2, false, L"4"}, {3, false, L"9"}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    gPackItem& item = PackItem(i);
    ASSERT_TRUE(item.GetPackId().has_value());
    EXPECT_EQ(*item.GetPackId(), cases[i].pack);
    EXPECT_EQ(item.IsUnlocked(), cases[i].open);
    ORB::OC_GUI_ROOT& tree = item.GetGuiRoot();
    EXPECT_EQ(tree.FindById(gPackItem::kOpenLookId)->IsVisible(), cases[i].open);
    EXPECT_EQ(tree.FindById(gPackItem::kLockedLookId)->IsVisible(), !cases[i].open);
    EXPECT_FALSE(tree.FindById(gPackItem::kLockMarkId)->IsVisible());
    const int32_t label = cases[i].open ? gPackItem::kStarsWonId : gPackItem::kStarsToPassId;
    EXPECT_EQ(LabelText(tree.FindById(label)), cases[i].label);
  }
  // The names are the string keys' texts.
  EXPECT_EQ(LabelText(PackItem(1).GetGuiRoot().FindById(8)), L"Harbour");

  // Stars won show as soon as the list opens again.
  Hub().CloseLevelsNow();
  Windows().CloseWindow("Packs", true);
  Settle();
  anna_->FindLevel(1, 1)->SetStars(2);
  Hub().OpenPackList();
  Settle();
  EXPECT_EQ(LabelText(PackItem(0).GetGuiRoot().FindById(gPackItem::kStarsWonId)), L"2/6");
}

TEST_F(ScreensListsTest, BuyingAPackWithExactlyItsPriceLeavesNothingAndOpensItsFirstLevel) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  Coins() = 300;
  ASSERT_NO_FATAL_FAILURE(OpenPacks());
  auto* sumie = Find<GG_WINDOW_SUNIME>("Sumie");
  ASSERT_NE(sumie, nullptr);
  EXPECT_EQ(LabelText(sumie->GetGuiRoot().FindById(GG_WINDOW_SUNIME::kCoinsId)), L"300");
  EXPECT_EQ(LabelText(sumie->GetGuiRoot().FindById(GG_WINDOW_SUNIME::kStarsId)), L"0");

  ClickPack(1);
  ASSERT_TRUE(IsOpen("Confirm_Buy_Pack"));
  auto* dialog = Find<ORB_GF::G_WINDOW_CONFIRM>("Confirm_Buy_Pack");
  EXPECT_EQ(dialog->GetMessageLabel()->GetText(), L"Buy it for 300 coins? 100%");
  EXPECT_FALSE(Saved());
  Answer("Confirm_Buy_Pack", 3);
  EXPECT_EQ(Coins(), 0u);
  EXPECT_EQ(anna_->GetStatistics().max_score, 0u) << "spending leaves the best score alone";
  EXPECT_TRUE(anna_->FindPack(2)->GetLevelAt(0)->IsUnlocked());
  EXPECT_FALSE(anna_->FindPack(2)->GetLevelAt(1)->IsUnlocked());
  EXPECT_TRUE(Saved());
  EXPECT_TRUE(PackItem(1).IsUnlocked()) << "every window refreshed";
  EXPECT_EQ(LabelText(sumie->GetGuiRoot().FindById(GG_WINDOW_SUNIME::kCoinsId)), L"0");
  EXPECT_FALSE(IsOpen("Confirm_NoMoney"));

  // The saved file holds the purchase.
  PlayersList reread;
  ASSERT_EQ(reread.Load(SaveFolder(), PlayersFileOptions{kPlayersFileVersion, false}),
            PlayersFileStatus::Loaded);
  GG_PLAYER* saved = reread.FindByName(L"Anna");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->GetStatistics().score, 0u);
  EXPECT_TRUE(saved->FindPack(2)->GetLevelAt(0)->IsUnlocked());

  // Now open, a click opens it.
  ClickPack(1);
  Settle();
  EXPECT_FALSE(IsOpen("Packs"));
  EXPECT_TRUE(IsOpen("Levels"));
  EXPECT_EQ(Find<GG_WINDOW_LEVEL>("Levels")->GetPackId(), 2);
}

TEST_F(ScreensListsTest, APackClickedWhileTheScreenFadesDoesNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  Coins() = 1000;
  ASSERT_NO_FATAL_FAILURE(OpenPacks());
  gFadeTransition fade;
  ASSERT_TRUE(fade.Run([] {}));
  ASSERT_FALSE(fade.Run([] {})) << "one change at a time";
  packs_->PackGrid().OnPackClicked(PackItem(0));
  packs_->PackGrid().OnPackClicked(PackItem(1));
  Settle();
  EXPECT_FALSE(IsOpen("Levels"));
  EXPECT_FALSE(IsOpen("Confirm_Buy_Pack"));
  EXPECT_TRUE(IsOpen("Packs"));
  EXPECT_FALSE(IsOpen("Fade_Transition")) << "the fade came and went";
  packs_->PackGrid().OnPackClicked(PackItem(0));
  Settle();
  EXPECT_TRUE(IsOpen("Levels"));
}

TEST_F(ScreensListsTest, TooFewCoinsSayNoMoneyAndChangeNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  Coins() = 299;
  ASSERT_NO_FATAL_FAILURE(OpenPacks());
  ClickPack(1);
  Answer("Confirm_Buy_Pack", 3);
  EXPECT_TRUE(IsOpen("Confirm_NoMoney"));
  EXPECT_EQ(Coins(), 299u);
  EXPECT_FALSE(anna_->IsPackUnlocked(2));
  EXPECT_FALSE(Saved());

  // No to the question buys nothing either.
  Answer("Confirm_NoMoney", 3);
  Coins() = 1000;
  ClickPack(1);
  Answer("Confirm_Buy_Pack", 4);
  EXPECT_EQ(Coins(), 1000u);
  EXPECT_FALSE(anna_->IsPackUnlocked(2));
}

TEST_F(ScreensListsTest, APackThePlayerHasNoRecordOfSellsNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  Coins() = 500;
  ASSERT_NO_FATAL_FAILURE(OpenPacks());
  test_support::LogCapture log;
  ClickPack(2);
  EXPECT_FALSE(IsOpen("Confirm_Buy_Pack"));
  EXPECT_TRUE(log.Has("pack 3: the player has no record of it"));
  EXPECT_FALSE(gPages_Pack::BuyPack(&Hub(), 3));
  EXPECT_EQ(Coins(), 500u);
  EXPECT_FALSE(Saved());
  EXPECT_TRUE(IsOpen("Packs"));
}

TEST_F(ScreensListsTest, TheFreeEditionAsksForTheStoreOrSaysThePackIsLocked) {
  SetEdition("free", "param", "true");
  SetEdition("inapp", "file", "data/share/main/other inapp.xml");
  EditResource("data/share/main/other/player.xml", [](pugi::xml_document& document) {
    pugi::xml_node pack =
        document.child("player").child("packs").find_child_by_attribute("id", "2");
    pack.append_attribute("lock") = "true";
    pack.append_attribute("InAppKey") = "pack_2";
  });
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  Coins() = 5000;
  ASSERT_NO_FATAL_FAILURE(OpenPacks());
  ASSERT_TRUE(anna_->FindPack(2)->IsLocked());
  ClickPack(1);
  ASSERT_TRUE(IsOpen("Confirm_PackLockNeedBuy"));
  Answer("Confirm_PackLockNeedBuy", 3);  // the store has no provider: nothing comes
  EXPECT_EQ(Coins(), 5000u) << "the free edition never sells for coins";
  EXPECT_TRUE(anna_->FindPack(2)->IsLocked());
  EXPECT_FALSE(IsOpen("Levels"));

  // Bought (the lock lifted), but no level open yet: only a word.
  anna_->FindPack(2)->Unlock();
  ClickPack(1);
  EXPECT_TRUE(IsOpen("Confirm_PackLock"));
  EXPECT_FALSE(IsOpen("Confirm_PackLockNeedBuy"));
  Answer("Confirm_PackLock", 3);
  EXPECT_TRUE(IsOpen("Packs"));
  EXPECT_FALSE(IsOpen("Levels"));

  // An open pack opens.
  ClickPack(0);
  Settle();
  EXPECT_TRUE(IsOpen("Levels"));
}

TEST_F(ScreensListsTest, ALevelWithTwoStarsDrawsWonWonEmpty) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  anna_->FindLevel(1, 1)->SetStars(2);
  ASSERT_NO_FATAL_FAILURE(OpenLevels(1));
  ASSERT_EQ(levels_->Grid().ItemCount(), 3u);
  EXPECT_EQ(levels_->Grid().GetPageCount(), 2);
  struct Case {
    bool record;
    bool open;
    int32_t stars;
    const wchar_t* number;
  };
  const Case cases[] = {{true, true, 2, L"1"}, {true, false, 0, L""}, {false, false, 0, L""}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(LevelItem(i).HasRecord(), cases[i].record);
    EXPECT_EQ(LevelItem(i).IsUnlocked(), cases[i].open);
    EXPECT_EQ(LevelItem(i).GetStars(), cases[i].stars);
    EXPECT_EQ(LevelItem(i).GetText(), cases[i].number);
    EXPECT_EQ(LevelItem(i).GetState(), cases[i].open ? 1 : 0);
  }

  // What the device is given: the fixture's star sheet is two 10 x 10
  // frames, so the left half of the texture is the empty star, the right
  // half the won one.
  fake_->ClearLog();
  ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
  Hub().Draw();
  const auto drawn = Drawn();
  renderer_->EndFrame();
  const float expected_u[] = {0.5f, 0.5f, 0.0f};
  for (int32_t star = 0; star < 3; ++star) {
    SCOPED_TRACE(star);
    const ORB::Vector2 centre = LevelItem(0).StarCentre(star);
    int32_t found = 0;
    for (size_t v = 0; v + 3 < drawn.size(); v += 4) {
      if (drawn[v].x == centre.x - 5.0f && drawn[v].y == centre.y - 5.0f &&
          drawn[v + 2].x == centre.x + 5.0f) {
        ++found;
        EXPECT_FLOAT_EQ(drawn[v].u, expected_u[star]);
        EXPECT_FLOAT_EQ(drawn[v + 2].u, expected_u[star] + 0.5f);
      }
    }
    EXPECT_EQ(found, 1);
  }
}

TEST_F(ScreensListsTest, AClickStartsTheLevelBehindTheFadeOnce) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  anna_->FindLevel(1, 2)->SetLock(false);
  ASSERT_NO_FATAL_FAILURE(OpenLevels(1));
  ClickItem(LevelItem(0));
  EXPECT_TRUE(IsOpen("Fade_Transition"));
  EXPECT_TRUE(gameplay_->loads.empty()) << "the level starts once the screen is covered";
  // A second click while the fade runs (whatever takes it), on this level or
  // another, starts nothing more and changes nothing.
  levels_->OnLevelClicked(LevelItem(0));
  levels_->OnLevelClicked(LevelItem(1));
  Settle(4);
  ASSERT_EQ(gameplay_->loads.size(), 1u);
  EXPECT_EQ(gameplay_->loads[0], "data/share/main/levels pack_1/one.xml");
  EXPECT_TRUE(gameplay_->IsActive());
  EXPECT_EQ(Hub().GetCurrentLevel(), anna_->FindLevel(1, 1));
  ORB::BankSound* levelshow = GetSoundBank()->Find("sounds")->sounds["levelshow"].get();
  ASSERT_NE(levelshow->sound, nullptr);
  EXPECT_TRUE(levelshow->sound->IsPlaying()) << "the hub's start plays \"levelshow\"";
  Settle();
  for (const char* name : {"Levels", "Level_Title", "Back", "Sumie", "Heart", "Packs_Menu"}) {
    EXPECT_FALSE(IsOpen(name)) << name;
  }
  EXPECT_FALSE(IsOpen("Fade_Transition"));
  EXPECT_EQ(gameplay_->loads.size(), 1u);
  EXPECT_FALSE(levels_->IsLoaded()) << "the list gave its pictures back";
}

TEST_F(ScreensListsTest, ALevelThatCannotStartBringsTheListBack) {
  // Pack 2's second level names no file.
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  anna_->FindLevel(2, 1)->SetLock(false);
  anna_->FindLevel(2, 2)->SetLock(false);
  ASSERT_NO_FATAL_FAILURE(OpenLevels(2));
  test_support::LogCapture log;
  ClickItem(LevelItem(1));
  Settle();
  EXPECT_TRUE(log.Has("its record names no level file"));
  EXPECT_FALSE(gameplay_->IsActive());
  for (const char* name : {"Levels", "Level_Title", "Back", "Sumie", "Heart", "Packs_Menu"}) {
    EXPECT_TRUE(IsOpen(name)) << name << ": every screen the start closed comes back";
  }
  EXPECT_FALSE(IsOpen("Fade_Transition"));
  EXPECT_EQ(levels_->GetPackId(), 2);
  // And the list works as before: the first level starts.
  ClickItem(LevelItem(0));
  Settle();
  ASSERT_EQ(gameplay_->loads.size(), 1u);
  EXPECT_EQ(gameplay_->loads[0], "data/share/main/levels pack_2/three.xml");
  EXPECT_TRUE(gameplay_->IsActive());
  EXPECT_FALSE(IsOpen("Levels"));
}

TEST_F(ScreensListsTest, LockedLevelsAndItemsWithoutARecordDoNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  ASSERT_NO_FATAL_FAILURE(OpenLevels(1));
  ClickItem(LevelItem(1));
  Settle(2);
  EXPECT_FALSE(IsOpen("Fade_Transition"));
  levels_->NextPage();
  Settle(2);
  ClickItem(LevelItem(2));
  Settle(2);
  EXPECT_FALSE(IsOpen("Fade_Transition"));
  EXPECT_TRUE(gameplay_->loads.empty());
  EXPECT_TRUE(IsOpen("Levels"));
}

TEST_F(ScreensListsTest, WithoutHeartsTheListOffersTheShopInEditionsWithHearts) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  anna_->GetHealth().SetCount(0);
  ASSERT_NO_FATAL_FAILURE(OpenLevels(1));
  ClickItem(LevelItem(0));
  Settle(2);
  EXPECT_TRUE(IsOpen("Confirm_NoHealth"));
  EXPECT_FALSE(IsOpen("Fade_Transition"));
  Answer("Confirm_NoHealth", 3);
  EXPECT_TRUE(IsOpen("Shop"));
  EXPECT_TRUE(gameplay_->loads.empty());
}

TEST_F(ScreensListsTest, WithoutTheHeartFlagNoHeartsAreNeeded) {
  SetEdition("heart", "param", "false");
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  anna_->GetHealth().SetCount(0);
  ASSERT_NO_FATAL_FAILURE(OpenLevels(1));
  ClickItem(LevelItem(0));
  Settle();
  EXPECT_FALSE(IsOpen("Confirm_NoHealth"));
  EXPECT_EQ(gameplay_->loads.size(), 1u);
}

TEST_F(ScreensListsTest, PagesTurnGridAndMarkersTogetherAndTheButtonsFollow) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  ASSERT_NO_FATAL_FAILURE(OpenLevels(1));
  ASSERT_NE(levels_->Markers(), nullptr);
  ORB::OC_GUI_OBJECT* prev = levels_->GetGuiRoot().FindById(GG_WINDOW_PAGED::kPrevPageId);
  ORB::OC_GUI_OBJECT* next = levels_->GetGuiRoot().FindById(GG_WINDOW_PAGED::kNextPageId);
  EXPECT_FALSE(prev->IsVisible());
  EXPECT_FALSE(prev->IsEnabled());
  EXPECT_TRUE(next->IsVisible());
  ClickWidget("Levels", GG_WINDOW_PAGED::kNextPageId);
  EXPECT_EQ(levels_->Grid().GetCurrentPage(), 1);
  EXPECT_EQ(levels_->Markers()->GetCurrent(), 1u);
  EXPECT_TRUE(prev->IsVisible());
  EXPECT_TRUE(prev->IsEnabled());
  EXPECT_FALSE(next->IsVisible());
  ClickWidget("Levels", GG_WINDOW_PAGED::kPrevPageId);
  EXPECT_EQ(levels_->Grid().GetCurrentPage(), 0);
  EXPECT_EQ(levels_->Markers()->GetCurrent(), 0u);

  // Another pack's list opens on its first page, whatever page was left.
  ClickWidget("Levels", GG_WINDOW_PAGED::kNextPageId);
  Hub().CloseLevelsNow();
  Settle();
  ASSERT_NO_FATAL_FAILURE(OpenLevels(2));
  EXPECT_EQ(levels_->Grid().GetCurrentPage(), 0);
  EXPECT_EQ(levels_->Markers()->GetCurrent(), 0u);
  EXPECT_FALSE(prev->IsVisible());
  EXPECT_TRUE(next->IsVisible());
}

TEST_F(ScreensListsTest, TheMenuBarMovesBetweenTheListsAndBackToTheTitle) {
  ASSERT_NO_FATAL_FAILURE(StartWithAnna());
  ASSERT_NO_FATAL_FAILURE(OpenPacks());
  // Back from the pack list: behind the fade, only the title is left.
  ClickWidget("Packs_Menu", GG_WINDOW_PACK_MENU::kBackId);
  Settle();
  EXPECT_TRUE(IsOpen("Title"));
  EXPECT_TRUE(IsOpen("Title_Top"));
  for (const char* name :
       {"Packs", "Pack_Title", "Packs_Menu", "Back", "Sumie", "Heart", "Fade_Transition"}) {
    EXPECT_FALSE(IsOpen(name)) << name;
  }

  // From the level list, back goes to the pack list.
  ASSERT_NO_FATAL_FAILURE(OpenLevels(1));
  ClickWidget("Packs_Menu", GG_WINDOW_PACK_MENU::kBackId);
  Settle();
  EXPECT_FALSE(IsOpen("Levels"));
  EXPECT_FALSE(IsOpen("Level_Title"));
  EXPECT_TRUE(IsOpen("Packs"));
  EXPECT_TRUE(IsOpen("Pack_Title"));

  // The trophies replace the lists; the pack list replaces the trophies.
  ClickWidget("Packs_Menu", GG_WINDOW_PACK_MENU::kTrophiesId);
  Settle();
  EXPECT_TRUE(IsOpen("Trophy"));
  EXPECT_FALSE(IsOpen("Packs"));
  ClickWidget("Packs_Menu", GG_WINDOW_PACK_MENU::kPacksId);
  Settle();
  EXPECT_TRUE(IsOpen("Packs"));
  EXPECT_FALSE(IsOpen("Trophy"));

  // A screen the edition lacks ("Training") leaves the lists as they are.
  test_support::LogCapture log;
  ClickWidget("Packs_Menu", GG_WINDOW_PACK_MENU::kTrainingId);
  Settle();
  EXPECT_TRUE(IsOpen("Packs"));
  EXPECT_TRUE(log.Has("no window \"Training\""));

  ClickWidget("Packs_Menu", GG_WINDOW_PACK_MENU::kShopId);
  Settle();
  EXPECT_TRUE(IsOpen("Shop"));
  Windows().CloseWindow("Shop", true);
  Settle(2);
  ClickWidget("Packs_Menu", GG_WINDOW_PACK_MENU::kOptionsId);
  Settle();
  EXPECT_TRUE(IsOpen("Options"));
}

}  // namespace
}  // namespace game
