#pragma once
// The game's screens in tests: the hub started on its test folder
// (hub_fixture.h) with the screens' own descriptions laid over it
// (tests/data/game_screens: the title, pack and level screens, the finish
// window, the in-game menu, their dialogs and the fade, all built by the
// game's window factory), a gameplay screen, and the player's input reaching
// the hub's hooks as the driver's do. Each scripted step runs one frame of
// 0.1 s.
//
//   TEST_F(ScreensTest, ...) {
//     ASSERT_NO_FATAL_FAILURE(StartScreens());
//     Hub().OpenTitle();
//     Settle();
//     ClickWidget("Title", GG_WINDOW_TITLE::kPlayId);
//   }
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/game_service.h"
#include "engine/gui/gui_object.h"
#include "framework/pages_item.h"
#include "game/play/gameplay.h"
#include "game/shell/startup/game_singletons.h"
#include "hub_fixture.h"
#include "hub_hooks.h"
#include "support/scripted_input.h"
#include "support/source_path.h"

namespace game {

// The gameplay screen, counting the levels it is asked to load.
class CountingGameplay : public GG_GAMEPLAY {
 public:
  using GG_GAMEPLAY::GG_GAMEPLAY;
  bool Load(const std::string& level_file) override {
    loads.push_back(level_file);
    return GG_GAMEPLAY::Load(level_file);
  }
  std::vector<std::string> loads;
};

class ScreensTest : public HubTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(HubTest::SetUp());
    std::filesystem::copy(test_support::TestData("game_screens"), base_.File("Resources"),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    hooks_ = std::make_unique<HubHooks>();
  }
  void TearDown() override {
    hooks_.reset();
    // The driver's order: the game goes first, then its gameplay screen.
    if (gGame* hub = gGame::Instance()) hub->SetGameplay(gameplay_.get());
    rig_.Close();
    gameplay_.reset();
    HubTest::TearDown();
  }

  // The hub's start-up, its gameplay screen and the players list's current
  // player made current, as the driver does once the game has loaded.
  void StartScreens() {
    ASSERT_TRUE(Start());
    gameplay_ = std::make_unique<CountingGameplay>(&Hub());
    Hub().SetGameplay(gameplay_.get());
    Hub().SetCurrentPlayer(GetPlayersList()->GetCurrent());
  }

  // A new player of that name, made current.
  GG_PLAYER& MakePlayer(const std::wstring& name) {
    GG_PLAYER* player = Hub().CreatePlayer(name);
    EXPECT_NE(player, nullptr);
    Hub().SetCurrentPlayer(player);
    return *player;
  }

  template <typename Window>
  Window* Find(const std::string& name) {
    return dynamic_cast<Window*>(Windows().FindWindow(name));
  }

  // Frames without input, enough for every movement of the fixture (0.2 s
  // at most) to end and for a dozen windows closed at once to leave the
  // manager's open list (one a frame).
  void Settle(int32_t frames = 12) { input_.Idle(frames); }

  // A click (move, press, release: three frames) on the widget's centre;
  // fails when the window has no such widget.
  void ClickWidget(const std::string& window, int32_t id) {
    ORB_GF::G_WINDOW* found = Windows().FindWindow(window);
    ASSERT_NE(found, nullptr) << window;
    ORB::OC_GUI_OBJECT* widget = found->GetGuiRoot().FindById(id);
    ASSERT_NE(widget, nullptr) << window << " " << id;
    const ORB::Vector2 at = widget->GetTransform().GetWorld().GetPositionV2();
    input_.Click(static_cast<int32_t>(at.x), static_cast<int32_t>(at.y));
  }
  // The same on a grid item of a paged window.
  void ClickItem(ORB_GF::G_PAGES_ITEM& item) {
    const ORB::Vector2 at = item.GetTransform().GetWorld().GetPositionV2();
    input_.Click(static_cast<int32_t>(at.x), static_cast<int32_t>(at.y));
  }
  // Answers the open confirm dialog: yes (3), no (4) or the third answer (5).
  void Answer(const std::string& dialog, int32_t id) {
    ASSERT_TRUE(IsOpen(dialog)) << dialog;
    ClickWidget(dialog, id);
    Settle(2);
  }

  // Edits the edition of the copied folder (before StartScreens).
  void SetEdition(const char* child, const char* attribute, const char* value) {
    EditResource("data/share/main/other/editions.xml", [&](pugi::xml_document& document) {
      document.child("editions").child("edition").child(child).attribute(attribute) = value;
    });
  }

  bool Saved() const { return std::filesystem::exists(SaveFolder() + "players.save"); }

  std::unique_ptr<HubHooks> hooks_;
  std::unique_ptr<CountingGameplay> gameplay_;
  test_support::ScriptedInput input_{[this] { Frames(1); }};
};

}  // namespace game
