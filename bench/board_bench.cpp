// A 50 x 50 level: reading and laying out the board, and opening every cell
// one by one with the clues of its row and column re-tested each time. Both
// must stay well within a frame (16 ms). Then the same 2,500 cells opened on
// the gameplay screen, under the level's rules (coins, hint awards, the win
// with its records, trophy tests and save, for a recording host): under
// 2 ms.
#include <benchmark/benchmark.h>

#include <string>

#include <pugixml.hpp>

#include "engine/foundation/random.h"
#include "game/play/gameplay.h"
#include "game/play/level_file.h"
#include "game/play/process.h"
#include "tests/support/fake_host.h"

namespace {

constexpr int kSide = 50;

std::string BigLevel() {
  ORB::Random random(12345);
  std::string xml =
      "<level><settings elSize=\"12 12\" grid=\"50 50\" block=\"5 5\" shiftBlock=\"-2 -2\" "
      "position=\"592 464\" bonuses=\"20\"><block/><selection/><selection_yes/><selection_no/>"
      "</settings><gElements>";
  for (int i = 0; i < kSide * kSide; ++i) {
    xml += random.Range(0, 100) < 55 ? "<element type=\"100\"/>" : "<element type=\"101\"/>";
  }
  return xml + "</gElements></level>";
}

const char* kNumbers = "<numbers><numbersLeft/><numbersUp/></numbers>";

void BM_LoadBoard50(benchmark::State& state) {
  const std::string text = BigLevel();
  pugi::xml_document numbers;
  numbers.load_string(kNumbers);
  for (auto _ : state) {
    pugi::xml_document document;
    document.load_string(text.c_str());
    game::LevelFile level;
    if (!level.Read(document, "big.xml")) {
      state.SkipWithError("the level is refused");
      break;
    }
    game::BoardSettings settings = level.Settings();
    game::GG_PROCESS board;
    benchmark::DoNotOptimize(board.Load(level, &settings, numbers.document_element()));
  }
}
BENCHMARK(BM_LoadBoard50)->Unit(benchmark::kMillisecond);

void BM_OpenEveryCell50(benchmark::State& state) {
  pugi::xml_document document;
  document.load_string(BigLevel().c_str());
  pugi::xml_document numbers;
  numbers.load_string(kNumbers);
  game::LevelFile level;
  if (!level.Read(document, "big.xml")) {
    state.SkipWithError("the level is refused");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    game::BoardSettings settings = level.Settings();
    game::GG_PROCESS board;
    const bool loaded = board.Load(level, &settings, numbers.document_element());
    state.ResumeTiming();
    if (!loaded) {
      state.SkipWithError("the board is refused");
      break;
    }
    for (int row = 0; row < kSide; ++row) {
      for (int col = 0; col < kSide; ++col) {
        const bool fill = board.CellAt(row, col)->IsFilled();
        board.ApplyClick(row, col, row, col, fill);
      }
    }
    benchmark::DoNotOptimize(board.Numbers().AllCrossed());
  }
}
BENCHMARK(BM_OpenEveryCell50)->Unit(benchmark::kMillisecond);

void BM_WinEveryCell50UnderTheRules(benchmark::State& state) {
  test_support::FakeHost host;
  host.recording = false;
  host.SetFile("big.xml", BigLevel());
  host.Player().SetItemCount("errors", 5);
  host.Player().SetItemCount("start_hint", 2);
  game::GG_GAMEPLAY gameplay(&host);
  int64_t wins = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const bool loaded = gameplay.Load("big.xml");
    state.ResumeTiming();
    if (!loaded) {
      state.SkipWithError("the level is refused");
      break;
    }
    game::GG_PROCESS& board = gameplay.Board();
    for (int row = 0; row < kSide; ++row) {
      for (int col = 0; col < kSide; ++col) {
        const bool fill = board.CellAt(row, col)->IsFilled();
        board.ApplyClick(row, col, row, col, fill);
      }
    }
    wins += gameplay.IsEnded() && gameplay.Errors() == 0 ? 1 : 0;
  }
  state.counters["wins"] = static_cast<double>(wins);
}
BENCHMARK(BM_WinEveryCell50UnderTheRules)->Unit(benchmark::kMillisecond);

}  // namespace
