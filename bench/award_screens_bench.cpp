// The shipped game's list screens on the recording device (CPU work alone),
// started as the driver starts it on a copy of the shipped resources:
//   - a trophy page of 30 trophies (the shipped cards, three columns of ten)
//     refreshed for the player (titles, descriptions broken into lines,
//     medals) and drawn;
//   - a page of the shop refreshed (each card's offer for the player) and
//     drawn;
//   - the players window's list filled again with 100 players and drawn.
// Goal: each under 1 ms. Reported: meshes drawn a frame.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/sound_system.h"
#include "engine/foundation/timer.h"
#include "framework/trophy_list.h"
#include "framework/window_manager.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/screens/players_window.h"
#include "game/shell/screens/trophy_window.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/resource_list.h"
#include "tests/game/shell/game_engine_rig.h"
#include "tests/game/shell/shipped_copy.h"
#include "tests/support/recording_device.h"
#include "tests/support/temp_folder.h"
#include "tests/support/temp_home.h"

namespace {

constexpr int kTrophies = 30;
constexpr int kPlayers = 100;

// The game started on the shipped resources, with a current player.
class ShippedGame {
 public:
  ShippedGame() : renderer_(test_support::MakeRecordingRenderer(nullptr, false)) {
    if (!renderer_ || base_.Path().empty()) return;
    // The sound bank's volumes reach real sounds: an OpenAL loopback device
    // that nothing mixes.
    if (sounds_.InitLoopback(44100, 0) != ORB::kResultOk) return;
    const std::string resources = base_.Path() + "/Resources";
    if (!game::CopyShippedResources(resources)) return;
    WriteBenchTrophyPage(resources);
    rig_.Open(base_.Path(), *renderer_, nullptr, &sound_loader_);
    game::SetGameParts(game::DefaultGameParts());
    ok_ = game::CreateGame("game.xml") && game::LoadResourceList(game::kResourceListFile) &&
          game::gGame::Instance()->Init();
    if (!ok_) return;
    game::gGame& hub = *game::gGame::Instance();
    hub.SetCurrentPlayer(hub.CreatePlayer(L"Bench"));
    AddBenchTrophies();
  }
  ~ShippedGame() { rig_.Close(); }
  ShippedGame(const ShippedGame&) = delete;
  ShippedGame& operator=(const ShippedGame&) = delete;

  explicit operator bool() const { return ok_; }
  ORB::Renderer& Renderer() { return *renderer_; }
  ORB_GF::G_WINDOW_MANAGER& Windows() { return *ORB_GF::GetWindowManager(); }

  // The window, opened at once and settled.
  ORB_GF::G_WINDOW* Open(const std::string& name) {
    ORB_GF::G_WINDOW* window = Windows().OpenWindow(name, true);
    for (int i = 0; i < 3; ++i) Windows().Update();
    return window;
  }

  // One frame's draw of the window; the meshes it took.
  int64_t Draw(ORB_GF::G_WINDOW& window) {
    if (renderer_->BeginFrame() != ORB::kResultOk) return -1;
    window.Draw();
    const int64_t meshes = renderer_->GetCounters().meshes;
    renderer_->EndFrame();
    return meshes;
  }

 private:
  // A grid of the shipped trophy cards, 30 on one page, and a window
  // showing it.
  static void WriteBenchTrophyPage(const std::string& resources) {
    pugi::xml_document shipped;
    shipped.load_file((resources + "/data/share/main/other/trophy_pages.xml").c_str());
    pugi::xml_document grid;
    pugi::xml_node pages = grid.append_child("pages");
    pages.append_attribute("cols") = 3;
    pages.append_attribute("rows") = 10;
    pages.append_copy(shipped.child("pages").child("gEXAMPLE"));
    for (int i = 0; i < kTrophies; ++i) {
      pages.append_child("item").append_attribute("name_tr") =
          ("bench_trophy_" + std::to_string(i)).c_str();
    }
    grid.save_file((resources + "/data/share/main/other/bench_trophy_pages.xml").c_str());
  }
  void AddBenchTrophies() {
    pugi::xml_document trophies;
    pugi::xml_node list = trophies.append_child("trophies");
    for (int i = 0; i < kTrophies; ++i) {
      pugi::xml_node trophy = list.append_child("trophy");
      trophy.append_attribute("name") = ("bench_trophy_" + std::to_string(i)).c_str();
      trophy.append_attribute("desc") = "tr_all_trophy_desc";
      trophy.append_attribute("bonus") = 100;
      trophy.append_attribute("image_open") = "data/share/image/trophies tr_stars_1_open.png";
      trophy.append_attribute("image_close") = "data/share/image/trophies tr_stars_1_closed.png";
    }
    (void)ORB_GF::GetTrophyList()->Load(trophies);
    pugi::xml_document window;
    window.load_string(
        "<window _name=\"Bench_Trophy\" _typeOpen=\"SH_MOMENTAL\"><GUI/>"
        "<gPages file=\"data/share/main/other bench_trophy_pages.xml\"/></window>");
    Windows().AddWindow(std::make_unique<game::GG_WINDOW_TROPHY>(window.document_element()));
  }

  std::unique_ptr<ORB::Renderer> renderer_;
  ORB::OC_SOUND_SYSTEM sounds_;
  ORB::SoundSystemLoader sound_loader_{sounds_};
  test_support::TempHome home_;
  test_support::TempFolder base_;
  game::GameEngineRig rig_;
  bool ok_ = false;
};

// Opens the window of that name in the started game; each iteration runs
// `update` on it, then draws it. Reports the meshes a frame.
template <typename Window, typename Update>
void Measure(benchmark::State& state, ShippedGame& game, const std::string& name, Update update) {
  auto* window = game ? dynamic_cast<Window*>(game.Open(name)) : nullptr;
  if (window == nullptr) {
    state.SkipWithError(("no window " + name).c_str());
    return;
  }
  int64_t meshes = 0;
  int64_t frames = 0;
  for (auto _ : state) {
    update(*window);
    const int64_t drawn = game.Draw(*window);
    if (drawn < 0) {
      state.SkipWithError("the frame could not begin");
      break;
    }
    meshes += drawn;
    ++frames;
  }
  if (frames > 0) state.counters["meshes_per_frame"] = static_cast<double>(meshes) / frames;
}

void BM_TrophyPageOf30(benchmark::State& state) {
  ShippedGame game;
  Measure<game::GG_WINDOW_TROPHY>(state, game, "Bench_Trophy",
                                  [](game::GG_WINDOW_TROPHY& list) { list.CallRefresh(); });
}
BENCHMARK(BM_TrophyPageOf30)->Unit(benchmark::kMillisecond);

void BM_ShopPage(benchmark::State& state) {
  ShippedGame game;
  Measure<ORB_GF::G_WINDOW>(state, game, "Shop",
                            [](ORB_GF::G_WINDOW& shop) { shop.CallRefresh(); });
}
BENCHMARK(BM_ShopPage)->Unit(benchmark::kMillisecond);

void BM_PlayersListOf100(benchmark::State& state) {
  ShippedGame game;
  if (game) {
    for (int i = 0; i < kPlayers; ++i) {
      game::gGame::Instance()->CreatePlayer(L"Player " + std::to_wstring(i));
    }
  }
  Measure<game::GG_WINDOW_PLAYERS>(state, game, "Players",
                                   [](game::GG_WINDOW_PLAYERS& players) { players.Fill(); });
}
BENCHMARK(BM_PlayersListOf100)->Unit(benchmark::kMillisecond);

}  // namespace
