// The screens on a fake host, without the hub: the factory hands every
// screen that asks the hub the host it is given; the in-game menu and the
// options window, clicked as a player clicks them, ask the host what each
// button means and nothing else; and a hub made after the windows hosts
// those without a host until it goes, after which they do nothing.
#include "game/shell/screens/screen_host.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/timer.h"
#include "engine/gui/gui_button5.h"
#include "fake_screen_host.h"
#include "framework/window_manager.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/screens/game_menu_window.h"
#include "game/shell/screens/options_window.h"
#include "game/shell/screens/window_factory.h"
#include "support/counting_textures.h"
#include "support/log_capture.h"
#include "support/memory_documents.h"
#include "support/recording_renderer.h"
#include "support/scripted_input.h"
#include "support/window_kit.h"

namespace game {
namespace {

// Every window's tree: buttons 1 to 5 (100 x 40) in a row, 100 apart, below
// the window's centre; the confirm dialogs' yes is 3 and no 4.
void ButtonRow(ORB::OC_GUI_ROOT& root, const pugi::xml_node&) {
  for (int32_t id = 1; id <= 5; ++id) {
    root.Add(std::make_unique<ORB::OC_GUI_BUTTON5>(id, "button.png"))
        ->SetPosition(static_cast<float>(100 * (id - 3)), 40.0f, 0.0f);
  }
}
// Where button `id` stands on the 1024 x 768 screen.
constexpr int32_t ButtonX(int32_t id) { return 512 + 100 * (id - 3); }
constexpr int32_t kButtonY = 424;

std::string Window(const char* type, const char* name) {
  return std::string("<window _type='") + type + "' _name='" + name +
         "' _modal='1' _typeOpen='SH_MOMENTAL' _typeClose='SH_MOMENTAL'><GUI/></window>";
}

using Calls = std::vector<std::string>;

class ScreenHostTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    textures_ = std::make_unique<test_support::CountingTextures>(*renderer_);
    textures_->Add("button.png", 500, 40);
    ORB::SetTextureProvider(textures_.get());
    ORB::SetDocumentProvider(&documents_);
    ORB::FrameDelta().store(0.125f);
    documents_.Set("scenes.xml",
                   "<scenes><scene file='menu'/><scene file='restart'/><scene file='leave'/>"
                   "<scene file='shop'/><scene file='options'/></scenes>");
    documents_.Set("menu", Window("GG_WINDOW_GAME_MENU", "GP_Menu"));
    documents_.Set("restart", Window("G_WINDOW_CONFIRM", "Confirm_Restart_Level"));
    documents_.Set("leave", Window("G_WINDOW_CONFIRM", "Confirm_Close_Lvl"));
    documents_.Set("shop", Window("G_WINDOW_SIMPLE", "Shop"));
    documents_.Set("options", Window("GG_WINDOW_OPTIONS", "Options"));
    windows_ = &ORB_GF::CreateWindowManager(
        [this](const pugi::xml_node& element) { return CreateHostedGameWindow(element, given_); });
    host_.windows = windows_;
    input_hub_ = std::make_unique<test_support::WindowHub>(*windows_);
  }
  void TearDown() override {
    input_hub_.reset();
    windows_->ReleaseAllResources(true);
    ORB_GF::DestroyWindowManager();
    ORB::SetTextureProvider(nullptr);
    ORB::SetDocumentProvider(nullptr);
    ORB::FrameDelta().store(0.0f);
  }

  // The scene list's windows, each handed `given_`.
  void LoadWindows() {
    test_support::ScopedGuiBuilder gui(ButtonRow);
    ASSERT_TRUE(windows_->LoadWindows("scenes.xml"));
  }
  void Open(const std::string& name) {
    ASSERT_NE(windows_->OpenWindow(name, false), nullptr) << name;
    input_.Idle(2);
  }
  void Click(int32_t id) {
    input_.Click(ButtonX(id), kButtonY);
    input_.Idle(2);
  }
  bool IsOpen(const std::string& name) const { return windows_->IsOpen(name); }
  gHostedScreen& Screen(const std::string& name) {
    return dynamic_cast<gHostedScreen&>(*windows_->FindWindow(name));
  }

  FakeScreenHost host_;
  // The host the factory hands out.
  cScreenHost* given_ = &host_;
  std::unique_ptr<test_support::CountingTextures> textures_;
  test_support::MemoryDocuments documents_;
  ORB_GF::G_WINDOW_MANAGER* windows_ = nullptr;
  std::unique_ptr<test_support::WindowHub> input_hub_;
  test_support::ScriptedInput input_{[this] { windows_->Update(); }};
};

TEST_F(ScreenHostTest, TheFactoryHandsEveryScreenThatAsksTheHubTheHostItIsGiven) {
  test_support::LogCapture log;  // the lists find no grid file here
  int hosted = 0;
  for (const GameWindowType& row : GameWindowTypes()) {
    SCOPED_TRACE(row.type);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(Window(row.type, "Made").c_str()));
    const std::unique_ptr<ORB_GF::G_WINDOW> made(
        CreateHostedGameWindow(document.document_element(), &host_));
    ASSERT_NE(made, nullptr);
    const std::unique_ptr<ORB_GF::G_WINDOW> bare(CreateGameWindow(document.document_element()));
    if (const auto* screen = dynamic_cast<const gHostedScreen*>(made.get())) {
      ++hosted;
      EXPECT_EQ(screen->GetScreenHost(), &host_);
      EXPECT_EQ(dynamic_cast<const gHostedScreen&>(*bare).GetScreenHost(), nullptr);
    }
  }
  // The title and its greeting, the pack and level lists, the menu bar, the
  // stars panel, the finish window, the in-game menu, the options, the
  // players, the shop and the heart panel.
  EXPECT_EQ(hosted, 12);
  EXPECT_EQ(host_.calls, Calls()) << "making a screen does nothing through the host";
}

TEST_F(ScreenHostTest, EachButtonOfTheInGameMenuAsksTheHostWhatItMeans) {
  const struct {
    const char* what;
    int32_t button;
    bool can_play;
    // The dialog's answer (3 yes, 4 no), or 0 when none opens.
    int32_t answer;
    Calls calls;
    bool menu_stays;
    const char* opened;
  } cases[] = {
      {"resume", GG_WINDOW_GAME_MENU::kResumeId, true, 0, {"ResumeLevel"}, false, nullptr},
      {"options", GG_WINDOW_GAME_MENU::kOptionsId, true, 0, {"OpenOptions"}, true, nullptr},
      {"shop", GG_WINDOW_GAME_MENU::kShopId, true, 0, {}, true, "Shop"},
      // The heart rule says no: the host asks about the shop, nothing restarts.
      {"restart, no heart",
       GG_WINDOW_GAME_MENU::kRestartId,
       false,
       0,
       {"CanPlayLevelOrAsk"},
       true,
       nullptr},
      {"restart, no",
       GG_WINDOW_GAME_MENU::kRestartId,
       true,
       4,
       {"CanPlayLevelOrAsk"},
       true,
       nullptr},
      // No level is loaded: nothing restarts and no heart is spent.
      {"restart, yes",
       GG_WINDOW_GAME_MENU::kRestartId,
       true,
       3,
       {"CanPlayLevelOrAsk"},
       false,
       nullptr},
      {"leave, no", GG_WINDOW_GAME_MENU::kLeaveId, true, 4, {}, true, nullptr},
      // Without "Fade_Transition" the level list comes at once.
      {"leave, yes",
       GG_WINDOW_GAME_MENU::kLeaveId,
       true,
       3,
       {"SpendHeart", "LeaveToLevels"},
       false,
       nullptr},
  };
  ASSERT_NO_FATAL_FAILURE(LoadWindows());
  test_support::LogCapture log;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    windows_->CloseAll();
    input_.Idle(2);
    host_.calls.clear();
    host_.can_play = c.can_play;
    ASSERT_NO_FATAL_FAILURE(Open("GP_Menu"));
    Click(c.button);
    const char* dialog =
        c.button == GG_WINDOW_GAME_MENU::kRestartId ? "Confirm_Restart_Level" : "Confirm_Close_Lvl";
    EXPECT_EQ(IsOpen(dialog), c.answer != 0);
    if (c.answer != 0) {
      Click(c.answer);
      EXPECT_FALSE(IsOpen(dialog));
    }
    EXPECT_EQ(host_.calls, c.calls);
    EXPECT_EQ(IsOpen("GP_Menu"), c.menu_stays);
    if (c.opened != nullptr) {
      EXPECT_TRUE(IsOpen(c.opened));
    }
  }
}

TEST_F(ScreenHostTest, OptionsSaveOnOkAndPutTheOpeningVolumesBackOnCancel) {
  ASSERT_NO_FATAL_FAILURE(LoadWindows());
  GG_PLAYER anna(L"Anna");
  host_.current = &anna;
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    anna.SetSoundVolume(40.0f);
    anna.SetMusicVolume(30.0f);
    ASSERT_NO_FATAL_FAILURE(Open("Options"));
    const GG_PLAYER* kept =
        dynamic_cast<GG_WINDOW_OPTIONS&>(*windows_->FindWindow("Options")).GetKept();
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->GetName(), L"Anna");
    host_.calls.clear();
    anna.SetSoundVolume(90.0f);
    anna.SetMusicVolume(10.0f);
    Click(ok ? GG_WINDOW_OPTIONS::kOkId : GG_WINDOW_OPTIONS::kCancelId);
    EXPECT_FALSE(IsOpen("Options"));
    EXPECT_EQ(host_.calls, ok ? Calls{"SaveAll"} : Calls{"SetCurrentPlayer Anna"});
    EXPECT_FLOAT_EQ(anna.GetSoundVolume(), ok ? 90.0f : 40.0f);
    EXPECT_FLOAT_EQ(anna.GetMusicVolume(), ok ? 10.0f : 30.0f);
  }
}

TEST_F(ScreenHostTest, AHubMadeAfterTheWindowsHostsThoseWithoutOneUntilItGoes) {
  given_ = nullptr;
  ASSERT_NO_FATAL_FAILURE(LoadWindows());
  Screen("Options").SetScreenHost(&host_);
  gGame& hub = gGame::CreateHub();
  EXPECT_EQ(Screen("GP_Menu").GetScreenHost(), static_cast<cScreenHost*>(&hub));
  EXPECT_EQ(Screen("Options").GetScreenHost(), &host_) << "a window's own host stays";
  gGame::DestroyHub();
  EXPECT_EQ(Screen("GP_Menu").GetScreenHost(), nullptr);
  EXPECT_EQ(Screen("Options").GetScreenHost(), &host_);
  // The menu acts as without a hub: no button does anything.
  ASSERT_NO_FATAL_FAILURE(Open("GP_Menu"));
  for (const int32_t button : {GG_WINDOW_GAME_MENU::kResumeId, GG_WINDOW_GAME_MENU::kLeaveId,
                               GG_WINDOW_GAME_MENU::kShopId}) {
    Click(button);
  }
  EXPECT_TRUE(IsOpen("GP_Menu"));
  EXPECT_FALSE(IsOpen("Confirm_Close_Lvl"));
  EXPECT_FALSE(IsOpen("Shop"));
  EXPECT_EQ(host_.calls, Calls());
}

}  // namespace
}  // namespace game
