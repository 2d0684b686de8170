// A window's GUI read from its description: each sample description of
// tests/data/gui parsed and loaded into a root by LoadGuiXml, its resources
// loaded (every widget built, the fonts read from the shipped descriptions),
// then released and deleted. Textures are excluded: every name answers one
// blank texture. The font descriptions are parsed once and served from memory,
// as the repository serves them. Goal: under 2 ms for the largest sample.
// Reported: widgets built.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_xml_loader.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/texture_provider.h"
#include "tests/support/read_file.h"
#include "tests/support/recording_device.h"
#include "tests/support/source_path.h"

namespace {

class BlankTextures final : public ORB::TextureProvider {
 public:
  explicit BlankTextures(ORB::Renderer& renderer) : texture_(renderer.CreateBlank(256, 256)) {}
  ORB::TextureRecord* AcquireTexture(const std::string&) override { return texture_; }
  void ReleaseTexture(ORB::TextureRecord*) override {}

 private:
  ORB::TextureRecord* texture_;
};

// Shipped descriptions by resource name ("data/share/font x.xml"), each
// parsed on its first request and kept.
class ShippedDocuments final : public ORB::DocumentProvider {
 public:
  const pugi::xml_document* AcquireDocument(const std::string& name) override {
    std::unique_ptr<pugi::xml_document>& document = documents_[name];
    if (!document) {
      std::string path = name;
      path[path.find(' ')] = '/';
      const std::vector<unsigned char> bytes =
          test_support::ReadFile(test_support::SourcePath("Resources/" + path));
      document = std::make_unique<pugi::xml_document>();
      if (!document->load_buffer(bytes.data(), bytes.size())) return nullptr;
    }
    return document.get();
  }
  void ReleaseDocument(const pugi::xml_document*) override {}

 private:
  std::map<std::string, std::unique_ptr<pugi::xml_document>> documents_;
};

int CountWidgets(const ORB::OC_GUI_OBJECT& widget) {
  int count = 0;
  for (size_t i = 0; i < widget.GetChildCount(); ++i)
    count += 1 + CountWidgets(*widget.GetChild(i));
  return count;
}

void BM_LoadGuiSample(benchmark::State& state, const char* file, const char* name) {
  const std::unique_ptr<ORB::Renderer> renderer =
      test_support::MakeRecordingRenderer(nullptr, false);
  const std::vector<unsigned char> text =
      test_support::ReadFile(test_support::TestData(std::string("gui/") + file));
  if (!renderer || text.empty()) {
    state.SkipWithError("no renderer or no sample");
    return;
  }
  BlankTextures textures(*renderer);
  ShippedDocuments documents;
  ORB::SetTextureProvider(&textures);
  ORB::SetDocumentProvider(&documents);
  int widgets = 0;
  for (auto _ : state) {
    pugi::xml_document document;
    document.load_buffer(text.data(), text.size());
    ORB::OC_GUI_ROOT root;
    ORB::LoadGuiXml(root, document, name);
    root.LoadResources();
    widgets = CountWidgets(root.Widget());
    root.ReleaseResources();
  }
  ORB::SetTextureProvider(nullptr);
  ORB::SetDocumentProvider(nullptr);
  state.counters["widgets"] = widgets;
}
BENCHMARK_CAPTURE(BM_LoadGuiSample, dialog, "dialog.xml", "Dialog")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadGuiSample, settings, "settings.xml", "Settings")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadGuiSample, list, "list.xml", "Players")->Unit(benchmark::kMicrosecond);

}  // namespace
