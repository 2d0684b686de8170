// A screenful of widgets per frame: about 500 widgets four levels deep (wide
// labels, images and sprite buttons under plain group widgets) spread over
// the screen, taken through the four input passes with the pointer moving
// and a click every few frames, then drawn once on the recording device (CPU
// work alone). Goal: under 0.3 ms a frame. Reported: widgets in the tree and
// meshes drawn per frame.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/input_state.h"
#include "engine/foundation/renderer.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/gui/sprite_button.h"
#include "engine/platform/key_codes.h"
#include "tests/support/blank_gui.h"

namespace {

// A sprite button in the tree: updated in the per-frame pass, drawn with it.
class SpriteButtonWidget final : public ORB::OC_GUI_OBJECT {
 public:
  SpriteButtonWidget(int32_t id, ORB::TextureRecord* strip)
      : OC_GUI_OBJECT(id), button_(strip, &GetTransform(), ORB::OC_HIT_SHAPE::kRectangle, 0, 0) {}
  ORB::GuiEvent* Process() override {
    return Answer(button_.Update() == ORB::kResultClicked ? ORB::kGuiEventClicked
                                                          : ORB::kGuiEventNone);
  }
  void Draw() override { button_.Draw(); }

 private:
  ORB::OC_SPRITE_BUTTON button_;
};

// 4 groups of 5 groups of 5 groups of 4 leaves: 124 groups, 400 leaves.
int Fill(ORB::OC_GUI_ROOT& root, ORB::TextureRecord* strip) {
  int widgets = 0;
  int id = 1;
  for (int a = 0; a < 4; ++a) {
    auto* top = root.Add(std::make_unique<ORB::OC_GUI_OBJECT>(id++));
    top->SetPosition(static_cast<float>(a % 2) * 512.0f, static_cast<float>(a / 2) * 384.0f, 0.0f);
    ++widgets;
    for (int b = 0; b < 5; ++b) {
      auto* middle = top->AddChild(std::make_unique<ORB::OC_GUI_OBJECT>(id++));
      middle->SetPosition(0.0f, static_cast<float>(b) * 76.0f, 0.0f);
      ++widgets;
      for (int c = 0; c < 5; ++c) {
        auto* low = middle->AddChild(std::make_unique<ORB::OC_GUI_OBJECT>(id++));
        low->SetPosition(static_cast<float>(c) * 100.0f + 10.0f, 0.0f, 0.0f);
        ++widgets;
        for (int d = 0; d < 4; ++d) {
          std::unique_ptr<ORB::OC_GUI_OBJECT> leaf;
          switch (d % 3) {
            case 0:
              leaf = std::make_unique<ORB::OC_GUI_WLABEL>(id, "font", "page", L"Score 1234");
              break;
            case 1: leaf = std::make_unique<ORB::OC_GUI_IMAGE>(id, "image"); break;
            default: leaf = std::make_unique<SpriteButtonWidget>(id, strip); break;
          }
          ++id;
          leaf->SetPosition(static_cast<float>(d % 2) * 50.0f, static_cast<float>(d / 2) * 38.0f,
                            0.0f);
          low->AddChild(leaf.release());
          ++widgets;
        }
      }
    }
  }
  return widgets;
}

void BM_GuiTreeFrame(benchmark::State& state) {
  test_support::BlankGui gui;
  if (!gui) {
    state.SkipWithError("no renderer");
    return;
  }
  ORB::Renderer* renderer = gui.renderer.get();
  ORB::InputState input;
  int widgets = 0;
  int64_t frames = 0;
  uint64_t meshes = 0;
  {
    ORB::OC_GUI_ROOT root;
    widgets = Fill(root, renderer->CreateBlank(160, 32));
    root.LoadResources();
    for (auto _ : state) {
      // The pointer sweeps the screen; every eighth frame is a press and the
      // next a release.
      const int32_t step = static_cast<int32_t>(frames % 400);
      input.OnMouseMove(step * 1024 / 400, (step * 7) % 768);
      if (frames % 8 == 0) input.OnKeyDown(ORB::platform::kMouseLeft);
      if (frames % 8 == 1) input.OnKeyUp(ORB::platform::kMouseLeft);
      root.OnMouseMove();
      root.OnMouseDown();
      root.OnMouseUp();
      root.Process();
      if (renderer->BeginFrame() != ORB::kResultOk) {
        state.SkipWithError("the frame could not begin");
        break;
      }
      root.Draw();
      meshes += static_cast<uint64_t>(renderer->GetCounters().meshes);
      renderer->EndFrame();
      input.Update();
      ++frames;
    }
    root.ReleaseResources();
  }
  state.counters["widgets"] = widgets;
  if (frames > 0) state.counters["meshes_per_frame"] = static_cast<double>(meshes) / frames;
}
BENCHMARK(BM_GuiTreeFrame)->Unit(benchmark::kMillisecond);

}  // namespace
