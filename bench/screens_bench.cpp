// Opening the level list ("Levels") for a pack of 15 levels, as
// gGame::OpenLevels does it, from the shipped description, grid file,
// pictures and fonts read through a repository of the checkout's Resources/:
// the window's pictures and fonts taken (the PNGs decoded again each time,
// as after a level, when the list has given them back), the window opened,
// the pack's records shown (refresh), and the first frame drawn on the
// recording device. Afterwards (not timed) it closes and gives its pictures
// back. Goal: well within one 16 ms frame. Reported: items shown and
// meshes drawn.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/timer.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "framework/font_list.h"
#include "game/records/level_record.h"
#include "game/records/pack_state.h"
#include "game/shell/screens/level_window.h"
#include "tests/support/read_file.h"
#include "tests/support/recording_device.h"
#include "tests/support/renderer_textures.h"
#include "tests/support/source_path.h"

namespace {

constexpr int kLevels = 15;

void BM_OpenLevelList(benchmark::State& state) {
  const std::unique_ptr<ORB::Renderer> renderer =
      test_support::MakeRecordingRenderer(nullptr, false);
  if (!renderer) {
    state.SkipWithError("no renderer");
    return;
  }
  ORB::FileSystem files(test_support::SourcePath(""));
  test_support::RendererTextures loader(*renderer);
  ORB::OC_REPOSITORY repository(files, &loader, nullptr);
  for (const char* folder : {"data/share/font", "data/share/image/gui", "data/share/image/screens",
                             "data/share/main/windows"}) {
    if (repository.AddFolder(folder) != ORB::kResultOk) {
      state.SkipWithError("the shipped resources are not there");
      return;
    }
  }
  ORB::RepositoryTextureProvider textures(repository);
  ORB::RepositoryDocumentProvider documents(repository);
  ORB::SetTextureProvider(&textures);
  ORB::SetDocumentProvider(&documents);
  ORB::Engine().repository = &repository;
  ORB_GF::FontList& fonts = ORB_GF::CreateFontList();
  ORB::FrameDelta().store(1.0f / 60.0f);
  {
    // A pack of 15 levels: the first ten won with 1 to 3 stars, the
    // eleventh open.
    game::gPackState pack(1);
    for (int i = 0; i < kLevels; ++i) {
      game::gLevelRecord* level = pack.AddLevel();
      level->SetLock(i > 10);
      if (i < 10) level->SetStars(1 + i % 3);
    }
    pugi::xml_document description;
    const std::vector<unsigned char> text = test_support::ReadFile(
        test_support::SourcePath("Resources/data/share/main/windows/Levels.xml"));
    if (!fonts.Load(repository, "data/share/font fonts.xml") ||
        !description.load_buffer(text.data(), text.size())) {
      state.SkipWithError("no fonts or no description");
    } else {
      game::GG_WINDOW_LEVEL window(description.document_element());
      uint64_t meshes = 0;
      for (auto _ : state) {
        window.LoadResources();
        window.Open(true);
        window.SetPack(&pack);
        window.Update();
        if (renderer->BeginFrame() != ORB::kResultOk) {
          state.SkipWithError("the frame could not begin");
          break;
        }
        window.Draw();
        meshes += static_cast<uint64_t>(renderer->GetCounters().meshes);
        renderer->EndFrame();
        state.PauseTiming();
        window.Close(true);
        while (window.Update() != ORB_GF::kWindowClosed) {
        }
        window.ReleaseResources(true);
        state.ResumeTiming();
      }
      state.counters["items"] = static_cast<double>(window.Grid().ItemCount());
      if (state.iterations() > 0) {
        state.counters["meshes"] = static_cast<double>(meshes) / state.iterations();
      }
    }
  }
  ORB_GF::DestroyFontList();
  ORB::FrameDelta().store(0.0f);
  ORB::Engine().repository = nullptr;
  ORB::SetTextureProvider(nullptr);
  ORB::SetDocumentProvider(nullptr);
}
BENCHMARK(BM_OpenLevelList)->Unit(benchmark::kMillisecond);

}  // namespace
