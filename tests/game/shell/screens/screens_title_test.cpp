// The title screens on the fixture's tree: the first press of play asks for
// a name, refuses a taken one and makes nothing, and once a player is made
// the pack screens come behind the fade; the exit question; the greeting as
// a template that takes nothing but the name; the change-player link, which
// lights and answers only under the pointer.
#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "engine/foundation/SERVICE/game_service.h"
#include "engine/gui/gui_image.h"
#include "framework/window_editbox.h"
#include "game/shell/screens/title_top_window.h"
#include "game/shell/screens/title_window.h"
#include "game/shell/screens_fixture.h"

namespace game {
namespace {

class ScreensTitleTest : public ScreensTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ScreensTest::SetUp());
    ASSERT_NO_FATAL_FAILURE(StartScreens());
    ASSERT_EQ(Hub().GetCurrentPlayer(), nullptr) << "the fixture's edition makes no player";
    Hub().OpenTitle();
    Settle();
  }

  void Type(const std::wstring& text) {
    for (const wchar_t c : text) input_.Type(static_cast<int32_t>(std::towupper(c)), c);
  }
  ORB_GF::G_WINDOW_EDITBOX& Entry() {
    return *Find<ORB_GF::G_WINDOW_EDITBOX>(gPlayerNameEntry::kWindow);
  }
  GG_WINDOW_TITLE_TOP& Top() { return *Find<GG_WINDOW_TITLE_TOP>("Title_Top"); }
};

TEST_F(ScreensTitleTest, PlayAsksForANameMakesThePlayerAndOpensThePacksBehindTheFade) {
  ClickWidget("Title", GG_WINDOW_TITLE::kPlayId);
  Settle();
  ASSERT_TRUE(IsOpen("Players_EditBox"));
  EXPECT_TRUE(IsOpen("Title")) << "nothing leaves before there is a player";
  Type(L"Anna");
  ClickWidget("Players_EditBox", ORB_GF::G_WINDOW_EDITBOX::kAcceptId);
  GG_PLAYER* anna = Hub().GetCurrentPlayer();
  ASSERT_NE(anna, nullptr);
  EXPECT_EQ(anna->GetName(), L"Anna");
  EXPECT_EQ(GetPlayersList()->Count(), 1u);
  EXPECT_TRUE(Saved()) << "the new player is saved at once";
  EXPECT_TRUE(IsOpen("Fade_Transition"));
  Settle();
  for (const char* name : {"Pack_Title", "Packs", "Back", "Packs_Menu", "Heart"}) {
    EXPECT_TRUE(IsOpen(name)) << name;
  }
  for (const char* name : {"Title", "Title_Top", "Fade_Transition", "Players_EditBox"}) {
    EXPECT_FALSE(IsOpen(name)) << name;
  }
}

TEST_F(ScreensTitleTest, ATakenNameIsRefusedAndNothingIsMade) {
  ASSERT_NE(Hub().CreatePlayer(L"Anna"), nullptr);
  ClickWidget("Title", GG_WINDOW_TITLE::kOptionsId);
  Settle();
  ASSERT_TRUE(IsOpen("Players_EditBox")) << "options need a player too";
  Type(L"Anna");
  EXPECT_EQ(Entry().GetAcceptButton()->GetState(), ORB::OC_GUI_BUTTON5::kDisabled);
  EXPECT_TRUE(Entry().GetMessageLabel()->IsVisible());
  ClickWidget("Players_EditBox", ORB_GF::G_WINDOW_EDITBOX::kAcceptId);
  EXPECT_EQ(GetPlayersList()->Count(), 1u);
  EXPECT_EQ(Hub().GetCurrentPlayer(), nullptr);
  EXPECT_TRUE(IsOpen("Players_EditBox"));
  EXPECT_FALSE(IsOpen("Options"));

  // One more letter and the name is free: the options follow the new player.
  ClickWidget("Players_EditBox", ORB_GF::G_WINDOW_EDITBOX::kTextId);
  Type(L"e");
  ClickWidget("Players_EditBox", ORB_GF::G_WINDOW_EDITBOX::kAcceptId);
  Settle();
  ASSERT_NE(Hub().GetCurrentPlayer(), nullptr);
  EXPECT_EQ(Hub().GetCurrentPlayer()->GetName(), L"Annae");
  EXPECT_TRUE(IsOpen("Options"));
  EXPECT_TRUE(IsOpen("Title"));
}

TEST_F(ScreensTitleTest, CancellingTheNameMakesNothing) {
  ClickWidget("Title", GG_WINDOW_TITLE::kPlayId);
  Settle();
  Type(L"Bo");
  ClickWidget("Players_EditBox", ORB_GF::G_WINDOW_EDITBOX::kCancelId);
  Settle();
  EXPECT_EQ(GetPlayersList()->Count(), 0u);
  EXPECT_FALSE(Saved());
  EXPECT_TRUE(IsOpen("Title"));
  EXPECT_FALSE(IsOpen("Fade_Transition"));
}

TEST_F(ScreensTitleTest, WithAPlayerPlayFadesOnceHoweverOftenItIsClicked) {
  MakePlayer(L"Anna");
  ClickWidget("Title", GG_WINDOW_TITLE::kPlayId);
  ASSERT_TRUE(IsOpen("Fade_Transition"));
  ClickWidget("Title", GG_WINDOW_TITLE::kPlayId);  // the fade is modal and takes it
  Settle();
  EXPECT_TRUE(IsOpen("Packs"));
  EXPECT_FALSE(IsOpen("Title"));
  EXPECT_FALSE(IsOpen("Players_EditBox"));
}

TEST_F(ScreensTitleTest, NoToTheExitQuestionLeavesTheTitleYesEndsTheFrameLoop) {
  ORB::OC_GAME_SERVICE_ONE& service = ORB::OC_GAME_SERVICE_ONE::Get();
  service.SetRunning(true);
  ClickWidget("Title", GG_WINDOW_TITLE::kExitId);
  Settle(2);
  Answer("Confirm_Exit", 4);
  EXPECT_TRUE(service.IsRunning());
  EXPECT_FALSE(IsOpen("Confirm_Exit"));
  EXPECT_TRUE(IsOpen("Title"));
  EXPECT_TRUE(IsOpen("Title_Top"));

  ClickWidget("Title", GG_WINDOW_TITLE::kExitId);
  Settle(2);
  Answer("Confirm_Exit", 3);
  EXPECT_FALSE(service.IsRunning());
}

TEST_F(ScreensTitleTest, TheGreetingTakesTheNameAndNothingElse) {
  struct Case {
    const wchar_t* name;  // null: no player
    const wchar_t* greeting;
  };
  // The fixture's template: "Hi %s, 100% sure? %d".
  const Case cases[] = {
      {nullptr, L"Hello!"},
      {L"Anna", L"Hi Anna, 100% sure? %d"},
      {L"%s%n", L"Hi %s%n, 100% sure? %d"},
      {L"%d%%", L"Hi %d%%, 100% sure? %d"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name != nullptr ? std::string(c.name, c.name + std::wcslen(c.name)) : "none");
    if (c.name == nullptr) {
      Hub().SetCurrentPlayer(nullptr);
    } else {
      MakePlayer(c.name);  // a players file may hold any name
    }
    EXPECT_EQ(Top().GetGreeting(), c.greeting) << "refreshed with the player";
    EXPECT_EQ(Top().GetLinkText(), c.name != nullptr ? L"Not you?" : L"Join in");
    const std::wstring name = c.name != nullptr ? c.name : L"";
    EXPECT_EQ(GG_WINDOW_TITLE_TOP::Greeting(c.name != nullptr ? &name : nullptr), c.greeting);
  }
}

TEST_F(ScreensTitleTest, TheLinkLightsOnlyUnderThePointerAndOpensThePlayers) {
  MakePlayer(L"Anna");
  const GG_WINDOW_TITLE_TOP::Box box = Top().GetLinkBox();
  // The fixture's font: 8 pixels a letter, 12 a line; "Not you?".
  EXPECT_EQ(Top().GetLinkText(), L"Not you?");
  EXPECT_FLOAT_EQ(box.x, 212.0f);
  EXPECT_FLOAT_EQ(box.y, 84.0f + 12.0f) << "one greeting line below the greeting";
  EXPECT_FLOAT_EQ(box.w, 8.0f * 8.0f);
  EXPECT_FLOAT_EQ(box.h, 12.0f);
  // The clickable part lies over the box.
  auto* link =
      dynamic_cast<ORB::OC_GUI_IMAGE*>(Top().GetGuiRoot().FindById(GG_WINDOW_TITLE_TOP::kLinkId));
  ASSERT_NE(link, nullptr);
  EXPECT_FLOAT_EQ(link->GetWidth(), box.w);
  EXPECT_TRUE(link->GetHitShape().Contains(box.x + 1.0f, box.y + 1.0f));
  EXPECT_FALSE(link->GetHitShape().Contains(box.x + box.w + 2.0f, box.y + 1.0f));

  const uint32_t normal = 0xFF00798Cu;
  const uint32_t lit = 0xFFEDAE49u;
  EXPECT_EQ(Top().GetLinkColour().ToUInt(), normal);
  input_.Move(static_cast<int32_t>(box.x + 10), static_cast<int32_t>(box.y + 6));
  EXPECT_TRUE(Top().IsLinkHighlighted());
  EXPECT_EQ(Top().GetLinkColour().ToUInt(), lit);
  input_.Move(static_cast<int32_t>(box.x + box.w + 10), static_cast<int32_t>(box.y + 6));
  EXPECT_FALSE(Top().IsLinkHighlighted());
  EXPECT_EQ(Top().GetLinkColour().ToUInt(), normal);
  input_.Move(static_cast<int32_t>(box.x + 10), static_cast<int32_t>(box.y + box.h + 3));
  EXPECT_FALSE(Top().IsLinkHighlighted()) << "below the line";
  EXPECT_FALSE(IsOpen("Players"));

  ClickWidget("Title_Top", GG_WINDOW_TITLE_TOP::kLinkId);
  EXPECT_TRUE(IsOpen("Players"));
}

TEST_F(ScreensTitleTest, WithoutAPlayerTheLinkAsksForOneFirst) {
  ClickWidget("Title_Top", GG_WINDOW_TITLE_TOP::kLinkId);
  Settle();
  ASSERT_TRUE(IsOpen("Players_EditBox"));
  EXPECT_FALSE(IsOpen("Players"));
  Type(L"Cleo");
  ClickWidget("Players_EditBox", ORB_GF::G_WINDOW_EDITBOX::kAcceptId);
  Settle();
  EXPECT_TRUE(IsOpen("Players"));
  EXPECT_EQ(Top().GetGreeting(), L"Hi Cleo, 100% sure? %d");
}

}  // namespace
}  // namespace game
