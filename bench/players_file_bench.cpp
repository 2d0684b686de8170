// Loading and saving "players.save" for 16 players with 20 packs of 50
// levels each; both happen between frames and must stay well inside one.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "game/records/players_list.h"
#include "tests/support/temp_folder.h"

namespace {

void FillList(game::PlayersList& list) {
  for (int p = 0; p < 16; ++p) {
    auto player = std::make_unique<game::GG_PLAYER>(L"Player " + std::to_wstring(p));
    player->SetItemCount("health", 5);
    player->SetItemCount("start_hint", 3);
    player->SetItemCount("errors", 3);
    player->GetHealth().SetRefillTime(600);
    player->GetHealth().SetCount(5);
    for (int k = 0; k < 20; ++k) {
      game::gPackState* pack = player->AddPack(k);
      for (int l = 0; l < 50; ++l) {
        game::gLevelRecord* level = pack->AddLevel();
        level->SetLock(l > 10);
        level->SetStars(l % 4);
        level->SetBestTime(30.0f + static_cast<float>(l));
      }
    }
    list.Add(std::move(player));
  }
}

void BM_PlayersFileSave(benchmark::State& state) {
  test_support::TempFolder folder;
  game::PlayersList list;
  FillList(list);
  for (auto _ : state) {
    if (!list.Save(folder.PathWithSlash(), false)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_PlayersFileSave)->Unit(benchmark::kMillisecond);

void BM_PlayersFileLoad(benchmark::State& state) {
  test_support::TempFolder folder;
  {
    game::PlayersList list;
    FillList(list);
    if (!list.Save(folder.PathWithSlash(), false)) {
      state.SkipWithError("save failed");
      return;
    }
  }
  const game::PlayersFileOptions options{.saved_version = game::kPlayersFileVersion,
                                         .in_app = false};
  for (auto _ : state) {
    game::PlayersList list;
    if (list.Load(folder.PathWithSlash(), options) != game::PlayersFileStatus::Loaded) {
      state.SkipWithError("load failed");
    }
    benchmark::DoNotOptimize(list.Count());
  }
}
BENCHMARK(BM_PlayersFileLoad)->Unit(benchmark::kMillisecond);

}  // namespace
