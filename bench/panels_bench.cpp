// A menu frame's cost in the framework: a 200-item paged grid sliding from
// page to page, 20 nine-part panels and 50 live three-step effects, updated
// and drawn on the recording device (CPU work alone). Goal: under 0.5 ms a
// frame. Reported: quads drawn per frame.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/foundation/timer.h"
#include "engine/scene/bot_factories.h"
#include "framework/effect.h"
#include "framework/nine_panel.h"
#include "framework/pages.h"
#include "framework/sprite.h"
#include "tests/support/recording_device.h"

namespace {

constexpr float kFrameTime = 1.0f / 60.0f;
constexpr int kItems = 200;
constexpr int kPanels = 20;
constexpr int kEffects = 50;

// Blank textures of the renderer by name.
class BlankTextures : public ORB::TextureProvider {
 public:
  BlankTextures(ORB::Renderer& renderer, int32_t side) : renderer_(renderer), side_(side) {}
  ORB::TextureRecord* AcquireTexture(const std::string& name) override {
    ORB::TextureRecord*& texture = textures_[name];
    if (texture == nullptr) texture = renderer_.CreateBlank(side_, side_);
    return texture;
  }
  void ReleaseTexture(ORB::TextureRecord*) override {}

 private:
  ORB::Renderer& renderer_;
  int32_t side_;
  std::map<std::string, ORB::TextureRecord*> textures_;
};

// A grid item drawn as one picture.
class CardItem : public ORB_GF::G_PAGES_ITEM {
 public:
  CardItem(uint32_t number, ORB::TextureProvider& textures)
      : G_PAGES_ITEM(number), picture_("bench card.png"), textures_(textures) {
    picture_.EnsureTransform().parent = &transform_;
  }
  int32_t GetWidth() const override { return 120; }
  int32_t GetHeight() const override { return 90; }
  void LoadResources() override {
    picture_.LoadTexture(&textures_);
    picture_.SetSize(120.0f, 90.0f);
  }
  void ReleaseResources() override { picture_.ReleaseTexture(); }
  void Draw() override { picture_.Draw(); }

 private:
  ORB_GF::G_SPRITE picture_;
  ORB::TextureProvider& textures_;
};

class CardPages : public ORB_GF::gPages {
 public:
  ORB_GF::G_PAGES_ITEM* CreateItem(const pugi::xml_node&, int32_t) override { return nullptr; }
  void OnItemClicked(ORB_GF::G_PAGES_ITEM*) override {}
};

// Three steps of one move each, as the bonus coin's flight.
void StartEffect(ORB_GF::G_EFFECT_T<ORB::OS_TRANSFORM3*>& effect, ORB::OS_TRANSFORM3* target) {
  for (float time : {0.2f, 0.4f, 0.3f}) {
    effect.PushStep(nullptr, nullptr, target);
    effect.AddBot(ORB::BotMoveOn(target, time, 0.0f, 40.0f, -30.0f, 0.0f, 0.0f));
  }
}

void BM_PanelsFrame(benchmark::State& state) {
  const std::unique_ptr<ORB::Renderer> owned = test_support::MakeRecordingRenderer(nullptr, false);
  if (!owned) {
    state.SkipWithError("no renderer");
    return;
  }
  ORB::Renderer& renderer = *owned;
  BlankTextures textures(renderer, 16);
  ORB::FrameDelta().store(kFrameTime);

  CardPages grid;
  grid.SetCols(5);
  grid.SetRows(4);
  grid.SetIntervals(12, 12);
  grid.SetTurn(ORB_GF::gPages::kSlideHorizontal, 0.25f, 0.0f);
  for (int i = 0; i < kItems; ++i) grid.AddItem(new CardItem(static_cast<uint32_t>(i), textures));
  grid.LoadResources();
  grid.SetPosition(512.0f, 384.0f);

  std::vector<std::unique_ptr<ORB_GF::NinePanel>> panels;
  for (int i = 0; i < kPanels; ++i) {
    auto panel = std::make_unique<ORB_GF::NinePanel>();
    panel->SetFiles("p ul", "p up", "p ur", "p lt", "p mid", "p rt", "p dl", "p dn", "p dr");
    panel->LoadTextures(&textures);
    panel->SetSize(100 + 10 * i, 80 + 5 * i);
    panel->SetPosition(50.0f * static_cast<float>(i % 5), 60.0f * static_cast<float>(i / 5));
    panels.push_back(std::move(panel));
  }

  std::vector<ORB::OS_TRANSFORM3> targets(kEffects);
  std::vector<std::unique_ptr<ORB_GF::G_EFFECT_T<ORB::OS_TRANSFORM3*>>> effects;
  for (int i = 0; i < kEffects; ++i) {
    effects.push_back(std::make_unique<ORB_GF::G_EFFECT_T<ORB::OS_TRANSFORM3*>>());
    StartEffect(*effects.back(), &targets[static_cast<size_t>(i)]);
  }

  int direction = 1;
  int64_t frames = 0;
  int64_t meshes = 0;
  for (auto _ : state) {
    if (renderer.BeginFrame() != ORB::kResultOk) {
      state.SkipWithError("the frame could not begin");
      break;
    }
    if (grid.IsSettled()) {
      if (direction > 0 ? !grid.HasNextPage() : !grid.HasPrevPage()) direction = -direction;
      direction > 0 ? grid.NextPage() : grid.PrevPage();
    }
    grid.Update();
    grid.Draw();
    for (auto& panel : panels) panel->Draw();
    for (size_t i = 0; i < effects.size(); ++i) {
      // An effect that ended starts again, so that 50 always run.
      if (effects[i]->Update()) StartEffect(*effects[i], &targets[i]);
    }
    meshes += renderer.GetCounters().meshes;
    renderer.EndFrame();
    ++frames;
  }
  ORB::FrameDelta().store(0.0f);
  if (frames > 0) {
    state.counters["quads_per_frame"] = static_cast<double>(meshes) / static_cast<double>(frames);
  }
}
BENCHMARK(BM_PanelsFrame)->Unit(benchmark::kMillisecond);

}  // namespace
