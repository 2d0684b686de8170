// A screenful of widgets per frame: about 650 widgets four levels deep (wide
// labels, images and sprite buttons, and one of each button, check box,
// switch, panel and bar under every low group, all under plain group
// widgets, and in each quarter a line box, a list box and the three kinds of
// slider) spread over the screen, taken through the four input passes with
// the pointer moving and a click every few frames, the bars' values changing,
// then drawn once on the recording device (CPU work alone). Goal: under
// 0.3 ms a frame. Reported: widgets in the tree and meshes drawn per frame.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/input_state.h"
#include "engine/foundation/renderer.h"
#include "engine/gui/gui_animation_bar.h"
#include "engine/gui/gui_button2.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_checkbox5.h"
#include "engine/gui/gui_checkbox_ios.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_line_box.h"
#include "engine/gui/gui_list_box.h"
#include "engine/gui/gui_panel.h"
#include "engine/gui/gui_panel9.h"
#include "engine/gui/gui_progress_bar.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_simple_slider.h"
#include "engine/gui/gui_slider12.h"
#include "engine/gui/gui_slider13.h"
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

// The input widgets of one quarter of the screen, under its group.
int AddInputs(ORB::OC_GUI_OBJECT& top, int& id) {
  using ORB::Vector2;
  auto* line = top.AddChild(std::make_unique<ORB::OC_GUI_LINEBOX>(id++, "image", "page", "font"));
  line->SetPosition(420.0f, 40.0f, 0.0f);
  line->SetText(L"Player 1");
  auto* list = top.AddChild(
      std::make_unique<ORB::OC_GUI_LISTBOX>(id++, "image", "image", "image", "page", "font", 1.5f));
  list->SetPosition(420.0f, 120.0f, 0.0f);
  for (const char* row : {"Ann", "Bob", "Cy"}) list->AddItemUtf8(row);
  top.AddChild(std::make_unique<ORB::OC_GUI_SLIDER13>(id++, "image", Vector2(340.0f, 200.0f),
                                                      Vector2(500.0f, 200.0f), 20.0f, 1.5f, 0.0f,
                                                      100.0f, 5.0f, 40.0f));
  top.AddChild(std::make_unique<ORB::OC_GUI_SLIDER12>(id++, "image", Vector2(340.0f, 260.0f),
                                                      Vector2(500.0f, 260.0f), 20.0f, 1.5f, 0.0f,
                                                      100.0f, 5.0f, 60.0f));
  auto* simple = top.AddChild(std::make_unique<ORB::OC_GUI_SIMPLE_SLIDER>(id++, "image", "image"));
  simple->SetPosition(420.0f, 320.0f, 0.0f);
  simple->SetValue(0.4f);
  return 5;
}

// One of the buttons, check boxes, the switch, panels and bars, by turn.
std::unique_ptr<ORB::OC_GUI_OBJECT> Control(int id, int turn,
                                            std::vector<ORB::OC_BASEPROGRESS*>& bars) {
  switch (turn % 8) {
    case 0: return std::make_unique<ORB::OC_GUI_BUTTON5>(id, "button");
    case 1: return std::make_unique<ORB::OC_GUI_BUTTON2>(id, "button");
    case 2: return std::make_unique<ORB::OC_GUI_CHECKBOX5>(id, "box");
    case 3: return std::make_unique<ORB::OC_GUI_CHECKBOX_IOS>(id, "track", "knob");
    case 4: {
      auto panel = std::make_unique<ORB::OC_GUI_PANEL>(id, "panel");
      panel->SetMovable(false);
      return panel;
    }
    case 5: {
      ORB::OC_GUI_PANEL9::Names names;
      for (std::string& name : names) name = "piece";
      auto frame = std::make_unique<ORB::OC_GUI_PANEL9>(id, names);
      frame->SetSize(90, 60);
      return frame;
    }
    case 6: {
      auto bar = std::make_unique<ORB::OC_GUI_PROGRESS_BAR>(id, "bar");
      bars.push_back(bar.get());
      return bar;
    }
    default: {
      auto bar = std::make_unique<ORB::OC_GUI_ANIMATION_BAR>(id, "ring", 5, 2, 10);
      bars.push_back(bar.get());
      return bar;
    }
  }
}

// 4 groups of 5 groups of 5 groups of 4 leaves and a control: 124 groups,
// 400 leaves, 100 controls; and 5 input widgets in each of the 4 groups.
int Fill(ORB::OC_GUI_ROOT& root, ORB::TextureRecord* strip,
         std::vector<ORB::OC_BASEPROGRESS*>& bars) {
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
        auto control = Control(id, id, bars);
        ++id;
        control->SetPosition(75.0f, 19.0f, 0.0f);
        low->AddChild(control.release());
        ++widgets;
      }
    }
    widgets += AddInputs(*top, id);
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
    std::vector<ORB::OC_BASEPROGRESS*> bars;
    widgets = Fill(root, renderer->CreateBlank(160, 32), bars);
    root.LoadResources();
    for (auto _ : state) {
      // The pointer sweeps the screen; every eighth frame is a press and the
      // next a release.
      const int32_t step = static_cast<int32_t>(frames % 400);
      input.OnMouseMove(step * 1024 / 400, (step * 7) % 768);
      if (frames % 8 == 0) input.OnKeyDown(ORB::platform::kMouseLeft);
      if (frames % 8 == 1) input.OnKeyUp(ORB::platform::kMouseLeft);
      for (ORB::OC_BASEPROGRESS* bar : bars) bar->SetPercent(static_cast<float>(frames % 101));
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
