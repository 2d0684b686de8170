// The players window on the shipped resources, driven as a player drives
// it: the list of names with the current one selected, a new player's name
// (fifteen characters at most, none taken), deleting a player (the current
// one too: the hub moves to another first, and the game runs on cleanly),
// choosing one, and the title after the window has closed.
#include "game/shell/screens/players_window.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

#include "engine/gui/gui_button5.h"
#include "framework/window_confirm.h"
#include "framework/window_editbox.h"
#include "game/records/players_list.h"
#include "game/shell/shipped_hub_fixture.h"
#include "support/window_kit.h"

namespace game {
namespace {

using Names = std::vector<std::wstring>;

class PlayersTest : public ShippedHubTest {
 protected:
  // Starts with these players, the one named `current` current.
  void StartWith(const Names& names, const std::wstring& current) {
    ASSERT_TRUE(Start());
    for (const std::wstring& name : names) ASSERT_NE(Hub().CreatePlayer(name), nullptr);
    Hub().SetCurrentPlayer(GetPlayersList()->FindByName(current));
    for (const char* title : {"Title", "Title_Top"}) {
      Windows().AddWindow(test_support::MakeWindow<test_support::StubWindow>(
          std::string("<window _name=\"") + title +
              "\" _typeOpen=\"SH_MOMENTAL\" _typeClose=\"SH_MOMENTAL\"><GUI/></window>",
          &journal_));
    }
    Windows().OpenWindow("Players", false);
    Frames(6);
    players_ = dynamic_cast<GG_WINDOW_PLAYERS*>(Windows().FindWindow("Players"));
    ASSERT_NE(players_, nullptr);
    std::filesystem::remove_all(SaveFolder());
  }

  Names Rows() const {
    Names rows;
    const ORB::OC_GUI_LISTBOX& list = *players_->GetList();
    for (size_t i = 0; i < list.GetItemCount(); ++i)
      rows.push_back(list.GetItem(static_cast<int32_t>(i)));
    return rows;
  }
  std::wstring Selected() const {
    const std::wstring* name = players_->GetList()->GetSelectedItem();
    return name != nullptr ? *name : L"(none)";
  }
  // Whether the button takes a click.
  bool Takes(int32_t id) const {
    const auto* button =
        dynamic_cast<const ORB::OC_GUI_BUTTON5*>(players_->GetGuiRoot().FindById(id));
    return button != nullptr && button->IsEnabled() &&
           button->GetState() != ORB::OC_GUI_BUTTON5::kDisabled;
  }
  void Click(int32_t id) {
    ClickOn(*players_->GetGuiRoot().FindById(id));
    Frames(6);
  }
  // A click on the list's row (0 the first).
  void ClickRow(int32_t row) {
    const ORB::OC_GUI_LISTBOX& list = *players_->GetList();
    const ORB::Point centre = CentreOf(list);
    const int32_t top = centre.y - static_cast<int32_t>(list.GetHeight()) / 2;
    ClickAt({centre.x, top + list.GetRowHeight() * row + list.GetRowHeight() / 2});
  }
  // The names in the saved players file.
  Names SavedNames() const {
    PlayersList saved;
    EXPECT_EQ(saved.Load(SaveFolder(), PlayersFileOptions{}), PlayersFileStatus::Loaded);
    return saved.GetNames();
  }
  void Type(const std::wstring& text) {
    for (const wchar_t c : text) input_.Type(std::towupper(c), c);
  }

  std::vector<std::string> journal_;
  GG_WINDOW_PLAYERS* players_ = nullptr;
};

TEST_F(PlayersTest, TheListShowsEveryNameWithTheCurrentOneSelected) {
  ASSERT_NO_FATAL_FAILURE(StartWith({L"Anna", L"Bob", L"Cleo"}, L"Bob"));
  EXPECT_EQ(Rows(), (Names{L"Anna", L"Bob", L"Cleo"}));
  EXPECT_EQ(Selected(), L"Bob");
  EXPECT_TRUE(Takes(GG_WINDOW_PLAYERS::kDeleteId));
  EXPECT_TRUE(Takes(GG_WINDOW_PLAYERS::kChooseId));

  // Without a current player nothing is selected until a row is clicked.
  Hub().SetCurrentPlayer(nullptr);
  EXPECT_EQ(Selected(), L"(none)");
  EXPECT_FALSE(Takes(GG_WINDOW_PLAYERS::kDeleteId));
  EXPECT_FALSE(Takes(GG_WINDOW_PLAYERS::kChooseId));
  ClickRow(2);
  EXPECT_EQ(Selected(), L"Cleo");
  EXPECT_TRUE(Takes(GG_WINDOW_PLAYERS::kDeleteId));
  EXPECT_TRUE(Takes(GG_WINDOW_PLAYERS::kChooseId));
}

TEST_F(PlayersTest, ANewPlayersNameHasAtMostFifteenCharactersNoPlayerHas) {
  ASSERT_NO_FATAL_FAILURE(StartWith({L"Anna"}, L"Anna"));
  Click(GG_WINDOW_PLAYERS::kNewId);
  auto* entry =
      dynamic_cast<ORB_GF::G_WINDOW_EDITBOX*>(Windows().FindOpenWindow("Players_EditBox"));
  ASSERT_NE(entry, nullptr);
  Type(L"Anna");
  EXPECT_EQ(entry->GetAcceptButton()->GetState(), ORB::OC_GUI_BUTTON5::kDisabled) << "taken";
  for (int i = 0; i < 4; ++i) input_.Key(ORB::platform::kKeyBackspace);
  EXPECT_EQ(entry->GetText(), L"");
  EXPECT_EQ(entry->GetAcceptButton()->GetState(), ORB::OC_GUI_BUTTON5::kDisabled) << "empty";
  Type(L"Anna");
  Type(L"belle.");  // the full stop is refused by the field
  EXPECT_EQ(entry->GetText(), L"Annabelle");
  EXPECT_NE(entry->GetAcceptButton()->GetState(), ORB::OC_GUI_BUTTON5::kDisabled);
  Type(L"Lovelace");  // no sixteenth character
  EXPECT_EQ(entry->GetText(), L"AnnabelleLovela");

  ClickOn(*entry->GetAcceptButton());
  Frames(6);
  EXPECT_FALSE(IsOpen("Players_EditBox"));
  ASSERT_NE(GetPlayersList()->FindByName(L"AnnabelleLovela"), nullptr);
  EXPECT_EQ(Rows(), (Names{L"Anna", L"AnnabelleLovela"}));
  EXPECT_EQ(Selected(), L"AnnabelleLovela") << "the new name is selected";
  EXPECT_EQ(Hub().GetCurrentPlayer()->GetName(), L"Anna") << "and not yet chosen";
  EXPECT_EQ(SavedNames(), (Names{L"Anna", L"AnnabelleLovela"}));
}

TEST_F(PlayersTest, DeletingTheCurrentPlayerMovesTheGameToAnotherFirst) {
  ASSERT_NO_FATAL_FAILURE(StartWith({L"Anna", L"Bob", L"Cleo"}, L"Bob"));
  // The heart panel reads the current player every second.
  Windows().OpenWindow("Heart", true);
  Click(GG_WINDOW_PLAYERS::kDeleteId);
  auto* question =
      dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(Windows().FindOpenWindow("Players_Confirm_Del"));
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(question->GetMessageLabel()->GetText(), L"Delete Bob?");
  // No keeps everyone.
  ClickOn(*question->GetGuiRoot().FindById(ORB_GF::G_WINDOW_CONFIRM::kNoId));
  Frames(6);
  EXPECT_EQ(Rows(), (Names{L"Anna", L"Bob", L"Cleo"}));

  Click(GG_WINDOW_PLAYERS::kDeleteId);
  ClickOn(*question->GetGuiRoot().FindById(ORB_GF::G_WINDOW_CONFIRM::kYesId));
  Frames(6);
  EXPECT_EQ(GetPlayersList()->FindByName(L"Bob"), nullptr);
  ASSERT_NE(Hub().GetCurrentPlayer(), nullptr);
  EXPECT_EQ(Hub().GetCurrentPlayer()->GetName(), L"Anna");
  EXPECT_EQ(GetPlayersList()->GetCurrent(), Hub().GetCurrentPlayer());
  EXPECT_EQ(Rows(), (Names{L"Anna", L"Cleo"}));
  EXPECT_EQ(Selected(), L"Anna");
  EXPECT_EQ(SavedNames(), (Names{L"Anna", L"Cleo"}));
  // The game runs on with the player it moved to.
  Frames(60);

  // The last players go: no one is current, and the list is empty.
  EXPECT_TRUE(Hub().RemovePlayer(L"Anna"));
  EXPECT_EQ(Hub().GetCurrentPlayer()->GetName(), L"Cleo");
  EXPECT_TRUE(Hub().RemovePlayer(L"Cleo"));
  EXPECT_EQ(Hub().GetCurrentPlayer(), nullptr);
  EXPECT_FALSE(Hub().RemovePlayer(L"Nobody"));
  EXPECT_EQ(Rows(), Names{});
  EXPECT_FALSE(Takes(GG_WINDOW_PLAYERS::kDeleteId));
  EXPECT_EQ(SavedNames(), Names{});
  Frames(60);
}

TEST_F(PlayersTest, ChoosingMakesCurrentAndTheTitleFollowsTheClosing) {
  ASSERT_NO_FATAL_FAILURE(StartWith({L"Anna", L"Bob"}, L"Anna"));
  ClickRow(1);
  ASSERT_EQ(Selected(), L"Bob");
  EXPECT_EQ(Hub().GetCurrentPlayer()->GetName(), L"Anna") << "a row alone chooses nothing";
  Click(GG_WINDOW_PLAYERS::kChooseId);
  EXPECT_FALSE(IsOpen("Players"));
  EXPECT_EQ(Hub().GetCurrentPlayer()->GetName(), L"Bob");
  EXPECT_TRUE(IsOpen("Title"));
  EXPECT_TRUE(IsOpen("Title_Top"));

  // Close leaves the current player as it is.
  Windows().CloseWindow("Title", true);
  Windows().OpenWindow("Players", true);
  Frames(3);
  ClickRow(0);
  Click(GG_WINDOW_PLAYERS::kCloseId);
  EXPECT_FALSE(IsOpen("Players"));
  EXPECT_EQ(Hub().GetCurrentPlayer()->GetName(), L"Bob");
  EXPECT_TRUE(IsOpen("Title"));
}

}  // namespace
}  // namespace game
