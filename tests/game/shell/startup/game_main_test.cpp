// The game through its entry (GameMain) on the hub's resources folder: start
// and every way start-up fails, the loading screen's splashes on the manual
// clock, losing and getting back the focus, and the exit.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/register_application.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/sound_bank.h"
#include "engine/foundation/window.h"
#include "engine/platform/key_codes.h"
#include "framework/window_manager.h"
#include "game/instruments/driver_instruments.h"
#include "game/play/gameplay.h"
#include "game/records/game_player.h"
#include "game/records/players_list.h"
#include "game/shell/driver_fixture.h"
#include "game/shell/game_shell_fixture.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/installation.h"
#include "game/shell/startup/loading_screen.h"
#include "support/read_file.h"

namespace game {
namespace {

using Event = ORB::platform::PlatformEvent;

std::string ReadAll(const std::string& path) {
  const std::vector<unsigned char> bytes = test_support::ReadFile(path);
  return std::string(bytes.begin(), bytes.end());
}

float GroupVolume(const char* group) {
  ORB::BankGroup* found = GetSoundBank()->Find(group);
  return found != nullptr ? found->volume : -1.0f;
}

bool IsOpen(const char* window) {
  return ORB_GF::GetWindowManager() != nullptr && ORB_GF::GetWindowManager()->IsOpen(window);
}

// The hooks the driver leaves after its exit (or a failed start).
void ExpectHooksFreed() {
  for (ORB::Hook hook :
       {ORB::Hook::Update, ORB::Hook::Render, ORB::Hook::Init, ORB::Hook::KeyDown, ORB::Hook::KeyUp,
        ORB::Hook::MouseMove, ORB::Hook::Exit, ORB::Hook::Close, ORB::Hook::DisplayLost}) {
    EXPECT_EQ(ORB::GetHook(hook), nullptr) << static_cast<int>(hook);
  }
}

// --- Start-up.

TEST_F(GameDriverTest, TheGameLoadsShowsTheTitleInItsOwnNameAndEndsNormallyWhenClosed) {
  EditResource("data/en/strings.xml", [](pugi::xml_document& strings) {
    for (const pugi::xpath_node& found : strings.select_nodes("//Row")) {
      const pugi::xml_node row = found.node();
      if (std::string(row.first_child().first_child().text().get()) == "window_title") {
        row.last_child().first_child().text() = "Nonogramme \xE2\x80\x94 caf\xC3\xA9";
      }
    }
  });
  bool loading_first = false;
  bool title = false;
  std::string window_title;
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) loading_first = GetGameState() == GameState::kLoading && GetLoadingScreen();
    if (frame == 2) QueueKey(ORB::platform::kKeySpace);
    if (GetGameState() == GameState::kPlaying && !title) {
      title = IsOpen("Title") && IsOpen("Title_Top");
      window_title = display_->Title();
      Close();
    }
  });
  EXPECT_EQ(result, ORB::kExitNormal);
  EXPECT_EQ(ORB::ToProcessExitStatus(result), 0);
  EXPECT_TRUE(loading_first) << "the first frame shows the loading screen";
  EXPECT_TRUE(title);
  EXPECT_EQ(window_title, "Nonogramme \xE2\x80\x94 caf\xC3\xA9");
  EXPECT_TRUE(log_.Errors().empty()) << log_.Errors()[0];
  EXPECT_TRUE(messages_.empty());
  // Taken down and saved.
  EXPECT_EQ(gGame::Instance(), nullptr);
  EXPECT_EQ(ORB_GF::GetWindowManager(), nullptr);
  EXPECT_EQ(GetGameplay(), nullptr);
  EXPECT_FALSE(IsGameRunning());
  ExpectHooksFreed();
  EXPECT_TRUE(std::filesystem::exists(SaveFolder() + "players.save"));
}

struct FailedStart {
  const char* name;
  std::function<void(GameDriverTest&)> change;
  const char* error;     // what the one error line names; null: none
  bool corrupt_message;  // the installation's message box
};

class FailedStartTest : public GameDriverTest, public ::testing::WithParamInterface<FailedStart> {
 public:
  // (For the cases' access to the fixture's helpers.)
  using GameDriverTest::BaseFolder;
  using GameDriverTest::RemoveResource;
  using GameDriverTest::SetEdition;
  using GameDriverTest::WriteResource;
};

TEST_P(FailedStartTest, EndsWithAFailureBeforeAnyFrameSayingWhyAndSavingNothing) {
  const FailedStart& test = GetParam();
  // A player saved before: a start that fails must not touch the file.
  {
    PlayersList players;
    players.Add(std::make_unique<GG_PLAYER>(L"Anna"));
    std::filesystem::create_directories(SaveFolder());
    ASSERT_TRUE(players.Save(SaveFolder(), false));
  }
  const std::string saved = ReadAll(SaveFolder() + "players.save");
  test.change(*this);

  const int32_t result = Run();
  EXPECT_EQ(result, ORB::kExitFailed);
  EXPECT_NE(ORB::ToProcessExitStatus(result), 0);
  EXPECT_EQ(frames_, 0) << "no frame of the game was drawn";
  const std::vector<std::string> errors = log_.Errors();
  if (test.error != nullptr) {
    ASSERT_EQ(errors.size(), 1u) << ::testing::PrintToString(log_.Lines());
    EXPECT_NE(errors[0].find(test.error), std::string::npos) << errors[0];
  } else {
    EXPECT_TRUE(errors.empty()) << errors[0];
  }
  if (test.corrupt_message) {
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].first, "Error");
    EXPECT_EQ(messages_[0].second,
              "Some files are corrupt. The game may not run. Please reinstall the game");
  } else {
    EXPECT_TRUE(messages_.empty()) << messages_[0].second;
  }
  EXPECT_EQ(ReadAll(SaveFolder() + "players.save"), saved);
  EXPECT_FALSE(std::filesystem::exists(SaveFolder() + "game.xml"));
  EXPECT_EQ(gGame::Instance(), nullptr);
  EXPECT_EQ(ORB_GF::GetWindowManager(), nullptr);
  EXPECT_EQ(GetLoadingScreen(), nullptr);
  EXPECT_EQ(GetGameplay(), nullptr);
  ExpectHooksFreed();
}

INSTANTIATE_TEST_SUITE_P(
    Driver, FailedStartTest,
    ::testing::Values(FailedStart{"AnEditionChildRemoved",
                                  [](GameDriverTest& t) {
                                    static_cast<FailedStartTest&>(t).SetEdition("scenes", nullptr,
                                                                                nullptr);
                                  },
                                  "editions.xml", false},
                      FailedStart{"NoLanguageFolder",
                                  [](GameDriverTest& t) {
                                    static_cast<FailedStartTest&>(t).RemoveResource("data/en");
                                  },
                                  "data/en", false},
                      FailedStart{"AMissingInstallationFileNotAllowedToBeLost",
                                  [](GameDriverTest& t) {
                                    auto& test = static_cast<FailedStartTest&>(t);
                                    test.SetEdition("url_file", "param", "readme.html");
                                    test.SetEdition("run_if_url_lost", "param", "false");
                                  },
                                  nullptr, true},
                      FailedStart{"AnAbsoluteInstallationFileCountsAsMissing",
                                  [](GameDriverTest& t) {
                                    auto& test = static_cast<FailedStartTest&>(t);
                                    test.WriteResource("../setup.exe", "MZ");
                                    test.SetEdition("exe_file", "param",
                                                    (test.BaseFolder() + "setup.exe").c_str());
                                    test.SetEdition("run_if_exe_lost", "param", "false");
                                  },
                                  nullptr, true},
                      FailedStart{"AClimbingInstallationFileCountsAsMissing",
                                  [](GameDriverTest& t) {
                                    auto& test = static_cast<FailedStartTest&>(t);
                                    test.WriteResource("../setup.exe", "MZ");
                                    test.SetEdition("exe_file", "param", "Resources/../setup.exe");
                                    test.SetEdition("run_if_exe_lost", "param", "false");
                                  },
                                  nullptr, true},
                      FailedStart{"NoFontsFile",
                                  [](GameDriverTest& t) {
                                    static_cast<FailedStartTest&>(t).RemoveResource(
                                        "data/share/font/fonts.xml");
                                  },
                                  "fonts.xml", false}),
    [](const ::testing::TestParamInfo<FailedStart>& info) { return info.param.name; });

TEST_F(GameDriverTest, InstallationFilesThatAreThereLetTheGameStart) {
  WriteResource("../readme.html", "<html/>");
  std::filesystem::create_directories(BaseFolder() + "bin");
  SetEdition("url_file", "param", "readme.html");
  SetEdition("run_if_url_lost", "param", "false");
  SetEdition("exe_file", "param", "bin");
  SetEdition("run_if_exe_lost", "param", "false");
  bool playing = false;
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) {
      playing = GetLoadingScreen() != nullptr;
      Close();
    }
  });
  EXPECT_EQ(result, ORB::kExitNormal);
  EXPECT_TRUE(playing);
  EXPECT_TRUE(messages_.empty());
}

// --- The loading screen's splashes, on the manual clock (a frame is a
// sixtieth of a second of it).

struct SplashRun {
  const char* name;
  std::vector<const char*> splashes;  // each splash's file; "" drops the element "splashes"
  int32_t keys;                       // key presses (the second a click) on the second frame
  uint32_t from_ms, to_ms;            // when the game takes over, from the first frame
};

class SplashTest : public GameDriverTest, public ::testing::WithParamInterface<SplashRun> {};

TEST_P(SplashTest, TheGameTakesOverWhenTheSplashesAndTheFadeAreDone) {
  const SplashRun& test = GetParam();
  WriteResource("data/share/image/loading/broken.png", "not a picture");
  EditResource("data/share/main/other/screen_loading.xml", [&](pugi::xml_document& screen) {
    pugi::xml_node splashes = screen.document_element().child("splashes");
    pugi::xml_node model = splashes.child("splash");
    // The defaults: two seconds a splash, a fade of 0.2 s.
    splashes.remove_attribute("time_per_splash");
    splashes.remove_attribute("time_fade");
    for (const char* file : test.splashes) {
      pugi::xml_node splash = splashes.append_copy(model);
      splash.child("FILE").text() = file;
    }
    splashes.remove_child(model);
    if (test.splashes.empty()) screen.document_element().remove_child(splashes);
  });
  uint32_t first_ms = 0;
  uint32_t taken_over_ms = 0;
  bool fade_on_first_frame = false;
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) {
      first_ms = NowMs();
      fade_on_first_frame = IsOpen("Fade_Transition");
    }
    if (frame == 2) {
      // Keys, and a click among them.
      for (int32_t i = 0; i < test.keys; ++i) {
        if (i == 1) {
          QueueClick(512, 384);
        } else {
          QueueKey(ORB::platform::kKeySpace);
        }
      }
    }
    if (GetGameState() == GameState::kPlaying && taken_over_ms == 0) {
      taken_over_ms = NowMs();
      Close();
    }
  });
  ASSERT_EQ(result, ORB::kExitNormal);
  ASSERT_NE(taken_over_ms, 0u);
  const uint32_t elapsed = taken_over_ms - first_ms;
  EXPECT_GE(elapsed, test.from_ms);
  EXPECT_LE(elapsed, test.to_ms);
  EXPECT_EQ(fade_on_first_frame, test.splashes.empty());
}

constexpr const char* kSplash = "data/share/image/loading/splash.png";

// The fade window opens over 0.3 s; a few frames of slack on each side. A
// splash stands still, so the loop waits for input meanwhile, up to a tenth
// of a second at a time (game_service.h): each splash shown may end that much
// later.
INSTANTIATE_TEST_SUITE_P(
    Driver, SplashTest,
    ::testing::Values(
        SplashRun{
            "ThreeSplashesTakeSixSecondsAndTheFade", {kSplash, kSplash, kSplash}, 0, 6250, 6720},
        SplashRun{"ThreeKeyPressesSkipThem", {kSplash, kSplash, kSplash}, 3, 250, 450},
        SplashRun{"AMissingSplashTakesNoTime",
                  {kSplash, "data/share/image/loading/gone.png", kSplash},
                  0,
                  4250,
                  4620},
        SplashRun{"ASplashThatDoesNotDecodeTakesNoTime",
                  {"data/share/image/loading/broken.png", kSplash, "/etc/hostname"},
                  0,
                  2250,
                  2520},
        SplashRun{"WithoutSplashesTheFadeOpensOnTheFirstFrame", {}, 0, 250, 420}),
    [](const ::testing::TestParamInfo<SplashRun>& info) { return info.param.name; });

TEST_F(GameDriverTest, WithoutAScreenFileTheFadeOpensOnTheFirstFrame) {
  RemoveResource("data/share/main/other/screen_loading.xml");
  bool fade = false;
  bool title = false;
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) fade = IsOpen("Fade_Transition");
    if (GetGameState() == GameState::kPlaying) {
      title = IsOpen("Title");
      Close();
    }
  });
  EXPECT_EQ(result, ORB::kExitNormal);
  EXPECT_TRUE(fade);
  EXPECT_TRUE(title);
  EXPECT_TRUE(log_.Has("screen_loading.xml is missing"));
}

// --- The focus.

TEST_F(GameDriverTest, LosingTheFocusWhileLoadingChangesNoVolumeAndSavesNothing) {
  float music = -1.0f;
  float sounds = -1.0f;
  float music_after = -2.0f;
  float sounds_after = -2.0f;
  Run([&](int32_t frame) {
    if (frame == 1) {
      music = GroupVolume(gGame::kMusicGroup);
      sounds = GroupVolume(gGame::kSoundsGroup);
      Queue(Event{Event::Kind::FocusGained});
      Queue(Event{Event::Kind::FocusLost});
    }
    if (frame == 3) {
      music_after = GroupVolume(gGame::kMusicGroup);
      sounds_after = GroupVolume(gGame::kSoundsGroup);
      EXPECT_EQ(GetGameState(), GameState::kLoading);
      EXPECT_FALSE(std::filesystem::exists(SaveFolder() + "players.save"));
      Close();
    }
  });
  EXPECT_EQ(music_after, music);
  EXPECT_EQ(sounds_after, sounds);
}

class FocusTest : public GameDriverTest {
 protected:
  // The game past its loading screen, then `step` on each frame with the
  // frames counted from the first one the game drew.
  int32_t RunPlaying(const std::function<void(int32_t)>& step) {
    int32_t playing = 0;
    return Run([&](int32_t frame) {
      if (frame == 1) QueueKey(ORB::platform::kKeySpace);
      if (GetGameState() == GameState::kPlaying) step(++playing);
    });
  }
  void FocusAway() {
    Queue(Event{Event::Kind::FocusGained});
    Queue(Event{Event::Kind::FocusLost});
  }
};

TEST_F(FocusTest,
       DuringALevelLosingItPausesOpensTheMenuAndSavesAndGettingItBackRestoresTheVolumes) {
  int32_t level_frame = 0;
  bool paused = false;
  bool menu = false;
  bool saved = false;
  float silent_music = -1.0f;
  float music = -1.0f;
  float sounds = -1.0f;
  RunPlaying([&](int32_t frame) {
    gGame& hub = *gGame::Instance();
    if (frame == 1) {
      std::filesystem::remove(SaveFolder() + "players.save");
      hub.GetCurrentPlayer()->SetMusicVolume(70.0f);
      hub.GetCurrentPlayer()->SetSoundVolume(20.0f);
      ASSERT_TRUE(hub.StartLevel(1, 1));
      level_frame = frame;
    }
    if (frame == level_frame + 2) FocusAway();
    if (frame == level_frame + 3) {
      paused = GetGameplay()->IsPaused();
      menu = IsOpen(kGameMenuWindow);
      saved = std::filesystem::exists(SaveFolder() + "players.save");
      silent_music = GroupVolume(gGame::kMusicGroup);
      Queue(Event{Event::Kind::FocusGained});
    }
    if (frame == level_frame + 4) {
      music = GroupVolume(gGame::kMusicGroup);
      sounds = GroupVolume(gGame::kSoundsGroup);
      Close();
    }
  });
  EXPECT_TRUE(paused);
  EXPECT_TRUE(menu);
  EXPECT_TRUE(saved);
  EXPECT_EQ(silent_music, 0.0f);
  EXPECT_FLOAT_EQ(music, 0.7f);
  EXPECT_FLOAT_EQ(sounds, 0.2f);
}

TEST_F(FocusTest, WithTheBoardCompleteLosingItSavesWithoutTheMenu) {
  int32_t ended_frame = 0;
  bool menu = true;
  bool saved = false;
  RunPlaying([&](int32_t frame) {
    gGame& hub = *gGame::Instance();
    GG_GAMEPLAY& gameplay = *GetGameplay();
    if (frame == 1) {
      ASSERT_TRUE(hub.StartLevel(1, 1));
      gameplay.Board().OpenAll(gameplay.Board().CellsToFind());
    }
    if (ended_frame == 0 && gameplay.IsEnded()) {
      ended_frame = frame;
      // The win saved; what is written next is the deactivation's.
      std::filesystem::remove(SaveFolder() + "players.save");
      FocusAway();
    }
    if (ended_frame != 0 && frame == ended_frame + 1) {
      menu = IsOpen(kGameMenuWindow);
      saved = std::filesystem::exists(SaveFolder() + "players.save");
      Close();
    }
    if (frame > 600) Close();
  });
  ASSERT_NE(ended_frame, 0) << "the level was won";
  EXPECT_FALSE(menu);
  EXPECT_TRUE(saved);
}

TEST_F(FocusTest, GettingItBackWithoutAPlayerAppliesTheTemplatePlayersVolumes) {
  float music = -1.0f;
  float sounds = -1.0f;
  float template_music = 0.0f;
  float template_sounds = 0.0f;
  RunPlaying([&](int32_t frame) {
    gGame& hub = *gGame::Instance();
    if (frame == 1) {
      hub.SetCurrentPlayer(nullptr);
      template_music = hub.GetTemplatePlayer().GetMusicVolume() / 100.0f;
      template_sounds = hub.GetTemplatePlayer().GetSoundVolume() / 100.0f;
      FocusAway();
      Queue(Event{Event::Kind::FocusGained});
    }
    if (frame == 2) {
      music = GroupVolume(gGame::kMusicGroup);
      sounds = GroupVolume(gGame::kSoundsGroup);
      Close();
    }
  });
  EXPECT_GT(template_music, 0.0f);
  EXPECT_FLOAT_EQ(music, template_music);
  EXPECT_FLOAT_EQ(sounds, template_sounds);
}

// --- The exit.

TEST_F(GameDriverTest, TheExitTakesTheGameDownAndOpensTheInstallationsFileBeforeTheServiceGoes) {
  WriteResource("../readme.html", "<html/>");
  std::filesystem::create_directories(BaseFolder() + "bin");
  SetEdition("url_file", "param", "readme.html");
  SetEdition("exe_file", "param", "bin");
  std::vector<std::string> opened;
  bool game_gone = false;
  bool service_up = false;
  size_t folders_left = 99;
  bool hooks_freed = false;
  bool focus_hooks_left = false;
  SetShellOpener([&](const std::string& path) {
    opened.push_back(path);
    game_gone = gGame::Instance() == nullptr && ORB_GF::GetWindowManager() == nullptr &&
                GetGameplay() == nullptr && GetLoadingScreen() == nullptr;
    service_up = ORB::Engine().repository != nullptr && ORB::Engine().renderer != nullptr;
    if (ORB::Engine().repository != nullptr)
      folders_left = ORB::Engine().repository->Folders().size();
    hooks_freed = ORB::GetHook(ORB::Hook::Render) == nullptr &&
                  ORB::GetHook(ORB::Hook::Exit) == nullptr &&
                  ORB::GetHook(ORB::Hook::KeyDown) == nullptr;
    focus_hooks_left = ORB::GetHook(ORB::Hook::Activate) != nullptr &&
                       ORB::GetHook(ORB::Hook::Deactivate) != nullptr;
    return true;
  });
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) Close();
  });
  EXPECT_EQ(result, ORB::kExitNormal);
  // The page is opened; the folder named as the program is not.
  EXPECT_EQ(opened, std::vector<std::string>{BaseFolder() + "readme.html"});
  EXPECT_TRUE(game_gone);
  EXPECT_TRUE(service_up) << "the service shuts down after";
  EXPECT_EQ(folders_left, 0u) << "the search paths and the resource list are gone";
  EXPECT_TRUE(hooks_freed);
  EXPECT_TRUE(focus_hooks_left);

  // A focus change that arrives late reaches nothing that is gone.
  EXPECT_EQ(ORB::FireHook(ORB::Hook::Deactivate), ORB::kResultOk);
  EXPECT_EQ(ORB::FireHook(ORB::Hook::Activate), ORB::kResultOk);
}

TEST_F(GameDriverTest, ClosedWhileLoadingTheGameEndsNormallyWithItsPlayersSavedAndOpensNothing) {
  std::vector<std::string> opened;
  SetShellOpener([&](const std::string& path) {
    opened.push_back(path);
    return true;
  });
  EXPECT_EQ(Run([&](int32_t frame) {
              if (frame == 1) Close();
            }),
            ORB::kExitNormal);
  EXPECT_TRUE(opened.empty()) << "the installation's names are empty";
  EXPECT_TRUE(std::filesystem::exists(SaveFolder() + "players.save"));
}

class ShippedDriverTest : public GameDriverTest {
 protected:
  ShippedDriverTest() : GameDriverTest(false, Data::kShipped) {}
};

// Closed while the reset control's feedback window is still opening: the
// controls let go of that window before the game and its windows go (they
// used to reach for the gone game as the play screen went).
TEST_F(ShippedDriverTest, ClosedWhileTheResetFeedbackOpensTheGameEndsNormally) {
  int32_t started = 0;
  int32_t clicked = 0;
  bool opening = false;
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) QueueKey(ORB::platform::kKeySpace);
    if (GetGameState() != GameState::kPlaying) return;
    gGame& hub = *gGame::Instance();
    if (started == 0) {
      hub.SetCurrentPlayer(hub.CreatePlayer(L"Ada"));
      ASSERT_NE(hub.GetCurrentPlayer(), nullptr);
      hub.GetCurrentPlayer()->SetTutorialPassed(true);
      ASSERT_TRUE(hub.StartLevel(1, 1));
      started = frame;
    } else if (clicked == 0 && frame == started + 60) {
      QueueClick(964, 668);  // the reset control, bottom right
      clicked = frame;
    } else if (clicked != 0 && frame == clicked + 2) {
      opening = ORB_GF::GetWindowManager()->IsOpen("GP_FeedBack_Reset");
      Close();
    }
  });
  EXPECT_EQ(result, ORB::kExitNormal);
  EXPECT_TRUE(opening) << "the feedback window was on its way when the game closed";
}

TEST(InstallationFiles, OnlyNamesBelowTheBaseFolderCount) {
  test_support::TempFolder base;
  base.Write("readme.html", "<html/>");
  std::filesystem::create_directories(base.File("bin"));
  const std::string folder = base.PathWithSlash();
  struct Case {
    std::string name;
    bool exists;  // at start-up
    bool opened;  // at exit
  };
  const Case cases[] = {
      {"", true, false},                       // the base folder itself
      {"readme.html", true, true},             // a file
      {"bin", true, false},                    // a folder: never opened
      {"gone.html", false, false},             // missing
      {folder + "readme.html", false, false},  // absolute
      {"bin/../readme.html", false, false},    // climbing
      {"..\\readme.html", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(InstallationFileExists(folder, c.name), c.exists);
    EditionSettings edition;
    edition.url_file = c.name;
    EXPECT_EQ(InstallationFilesToOpen(edition, folder).size(), c.opened ? 1u : 0u);
    edition.run_if_url_lost = false;
    edition.run_if_exe_lost = true;
    EXPECT_EQ(IsInstallationComplete(edition, folder), c.exists);
    edition.run_if_url_lost = true;
    EXPECT_TRUE(IsInstallationComplete(edition, folder));
  }
}

}  // namespace
}  // namespace game
