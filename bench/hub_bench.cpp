// The game hub on the small resources folder of its tests
// (tests/data/game_hub), with the recording device, real sounds on an
// OpenAL loopback device and a temporary home:
//
// - BM_HubInit: gGame::Init alone (the players file, fonts, texts, template
//   and default player, tutorial, sounds, shop, trophies, packs, cursor and
//   the scene list's 17 windows), after CreateGame and the resource list.
//   Goal: well under half a second.
// - BM_HubFrame: one frame of the hub with the pack screens open ("Packs",
//   "Pack_Title", "Back", "Packs_Menu", "Sumie", "Stars", "Heart"): a pointer
//   move through the hub, its Update and its Draw (CPU work alone). The pack
//   screens themselves are not written yet, so stand-ins of their size take
//   their places: plain windows whose descriptions carry the widgets each
//   screen will show (eight pack tiles of a picture, two labels and a lock;
//   six labelled menu buttons; the counters' pictures and labels), 60
//   widgets in all, read by the GUI loader. Goal: under 1 ms a frame.
//   Reported: open windows and meshes per frame.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/sound_system.h"
#include "engine/foundation/timer.h"
#include "engine/foundation/window.h"
#include "engine/gui/gui_xml_loader.h"
#include "engine/platform/fake_display.h"
#include "engine/platform/log.h"
#include "framework/window.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/resource_list.h"
#include "tests/game/shell/game_engine_rig.h"
#include "tests/game/shell/hub_files.h"
#include "tests/support/recording_device.h"
#include "tests/support/scripted_input.h"
#include "tests/support/temp_folder.h"
#include "tests/support/temp_home.h"

namespace {

constexpr const char* kFont =
    "FONT=\"data/share/font clue20.xml\" FONT_TEXTURE=\"data/share/image/gui glyphs.png\"";
constexpr const char* kPicture = "TEXTURE=\"data/share/image/gui panel.png\"";

std::string Position(int x, int y) {
  return "<POSITION>" + std::to_string(x) + " " + std::to_string(y) + "</POSITION>";
}

std::string Label(int id, const char* text, int x, int y) {
  return "<WLABEL ID=\"" + std::to_string(id) + "\" " + kFont + " TEXT=\"" + text + "\">" +
         Position(x, y) + "</WLABEL>";
}

std::string Image(int id, int x, int y, int w, int h) {
  return "<IMAGE ID=\"" + std::to_string(id) + "\" " + kPicture + "><SIZE>" + std::to_string(w) +
         " " + std::to_string(h) + "</SIZE>" + Position(x, y) + "</IMAGE>";
}

std::string Button(int id, const char* text, int x, int y) {
  return "<BUTTON5 ID=\"" + std::to_string(id) + "\" " + kPicture + "><SIZE>120 40</SIZE>" +
         Position(x, y) + "<CONTEXT>" + Label(100 + id, text, -40, -6) + "</CONTEXT></BUTTON5>";
}

// A pack screen's stand-in, a plain window with these widgets.
std::string Window(const char* name, const std::string& widgets, const char* position) {
  return std::string("<window _name=\"") + name +
         "\" _type=\"G_WINDOW_SIMPLE\" _typeOpen=\"SH_MOMENTAL\" _typePos=\"POS_IN_PIX\" "
         "_position=\"" +
         position + "\" layer=\"2\"><GUI>" + widgets + "</GUI></window>";
}

void WritePackScreens(const std::string& base) {
  const std::string folder = base + "/Resources/data/share/main/windows/";
  std::string tiles;
  for (int i = 0; i < 8; ++i) {
    const int x = -300 + i % 4 * 200;
    const int y = -100 + i / 4 * 220;
    const int id = 10 + i * 4;
    tiles += Image(id, x, y, 160, 120) + Label(id + 1, "pack_1", x - 60, y + 70) +
             Label(id + 2, "7/48", x - 60, y + 90) + Image(id + 3, x + 60, y - 40, 24, 24);
  }
  tiles += Button(1, "title_play", -420, 0) + Button(2, "title_quit", 420, 0);
  test_support::WriteText(folder + "Packs.xml", Window("Packs", tiles, "512 400"));
  test_support::WriteText(folder + "Pack_Title.xml",
                          Window("Pack_Title", Label(1, "pack_2", -40, 0), "512 60"));
  test_support::WriteText(folder + "Back.xml",
                          Window("Back", Button(1, "title_quit", 0, 0), "80 40"));
  std::string menu;
  for (int i = 0; i < 6; ++i) menu += Button(2 + i, "title_play", -375 + i * 150, 0);
  test_support::WriteText(folder + "Packs_Menu.xml", Window("Packs_Menu", menu, "512 730"));
  test_support::WriteText(
      folder + "Sumie.xml",
      Window("Sumie", Image(3, 0, 0, 120, 40) + Label(1, "12", -30, -6) + Label(2, "340", 20, -6),
             "700 40"));
  test_support::WriteText(
      folder + "Stars.xml",
      Window("Stars", Image(3, 0, 0, 100, 40) + Label(1, "7", -10, -6), "840 40"));
  test_support::WriteText(
      folder + "Heart.xml",
      Window("Heart", Image(3, 0, 0, 120, 40) + Label(1, "3", -30, -6) + Label(2, "09:59", 0, -6),
             "960 40"));
}

// The game as the driver has it, over a copy of the hub's resources.
class HubRig {
 public:
  HubRig() : renderer_(test_support::MakeRecordingRenderer(nullptr, false)) {
    if (!renderer_ || sounds_.InitLoopback(44100) != ORB::kResultOk) return;
    game::CopyHubResources(base_.Path());
    ok_ = true;
  }
  ~HubRig() {
    rig_.Close();
    ORB::SetLogHook(std::move(previous_log_));
  }

  explicit operator bool() const { return ok_; }
  const std::string& Base() const { return base_.Path(); }
  ORB::Renderer& Renderer() { return *renderer_; }

  // CreateGame and the resource list (the game made before goes first).
  bool Create() {
    rig_.Close();
    rig_.Open(base_.Path(), *renderer_, &window_, &loader_);
    game::SetGameParts(game::DefaultGameParts());
    return game::CreateGame("game.xml") && game::LoadResourceList(game::kResourceListFile);
  }
  game::gGame& Hub() { return *game::gGame::Instance(); }

 private:
  test_support::TempHome home_;
  test_support::TempFolder base_;
  std::unique_ptr<ORB::Renderer> renderer_;
  ORB::OC_SOUND_SYSTEM sounds_;
  ORB::SoundSystemLoader loader_{sounds_};
  ORB::Window window_{
      std::make_unique<ORB::platform::FakeDisplay>(ORB::platform::ScreenSize{1920, 1080})};
  bool ok_ = false;
  // The windows the fixture names for screens not made yet are reported at
  // every start; the benchmark's output stays quiet.
  ORB::LogHook previous_log_ = ORB::SetLogHook([](const ORB::LogLine&) {});
  game::GameEngineRig rig_;  // closes first
};

void BM_HubInit(benchmark::State& state) {
  HubRig rig;
  if (!rig) {
    state.SkipWithError("no renderer or sound device");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    const bool created = rig.Create();
    state.ResumeTiming();
    if (!created || !rig.Hub().Init()) {
      state.SkipWithError("the hub did not start");
      return;
    }
  }
}
BENCHMARK(BM_HubInit)->Unit(benchmark::kMillisecond);

void BM_HubFrame(benchmark::State& state) {
  HubRig rig;
  if (!rig) {
    state.SkipWithError("no renderer or sound device");
    return;
  }
  WritePackScreens(rig.Base());
  const ORB_GF::G_WINDOW::GuiBuilder previous =
      ORB_GF::G_WINDOW::SetGuiBuilder([](ORB::OC_GUI_ROOT& root, const pugi::xml_node& gui) {
        ORB::LoadGuiXml(root, gui, nullptr);
      });
  ORB::FrameDelta().store(1.0f / 60.0f);
  if (!rig.Create() || !rig.Hub().Init()) {
    state.SkipWithError("the hub did not start");
    return;
  }
  game::gGame& hub = rig.Hub();
  hub.SetCurrentPlayer(hub.GetCurrentPlayer());
  hub.OpenPackList();
  ORB::Renderer& renderer = rig.Renderer();
  uint64_t meshes = 0;
  // Each step: the pointer's move reaches the hub as the driver's mouse hook
  // gives it, then the hub's frame.
  test_support::ScriptedInput input([&] {
    hub.OnMouseMove();
    hub.Update();
    renderer.BeginFrame();
    hub.Draw();
    meshes += static_cast<uint64_t>(renderer.GetCounters().meshes);
    renderer.EndFrame();
  });
  input.Idle(3);
  meshes = 0;
  int64_t frames = 0;
  for (auto _ : state) {
    // The pointer sweeps the screen.
    input.Move(static_cast<int32_t>(frames * 7 % 1024), static_cast<int32_t>(frames * 3 % 768));
    ++frames;
  }
  state.counters["open_windows"] =
      static_cast<double>(ORB_GF::GetWindowManager()->OpenWindows().size());
  if (frames > 0) state.counters["meshes_per_frame"] = static_cast<double>(meshes) / frames;
  ORB::FrameDelta().store(0.0f);
  ORB_GF::G_WINDOW::SetGuiBuilder(previous);
}
BENCHMARK(BM_HubFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
