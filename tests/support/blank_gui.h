#pragma once
// What benchmarks of widgets and windows draw with: a renderer on a
// recording device that keeps only its counters, one blank texture for every
// name (16 x 16 for "piece"), and a font description of printable ASCII in 8 x 12 cells of a
// 128 x 96 page under the name "font". While a BlankGui lives, its textures
// and documents are the process-wide providers.
//
//   test_support::BlankGui gui;
//   if (!gui) { state.SkipWithError("no renderer"); return; }
//   ...build widgets naming any texture and the font "font"...
//   gui.renderer->BeginFrame(); ...draw...; gui.renderer->EndFrame();
#include <memory>
#include <string>

#include "engine/foundation/renderer.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/texture_provider.h"
#include "memory_documents.h"
#include "recording_device.h"

namespace test_support {

// The frame pieces of nine-part panels ("piece") 16 x 16, every other name
// one shared 160 x 32 texture.
class BlankTextures final : public ORB::TextureProvider {
 public:
  explicit BlankTextures(ORB::Renderer& renderer)
      : texture_(renderer.CreateBlank(160, 32)), piece_(renderer.CreateBlank(16, 16)) {}
  ORB::TextureRecord* AcquireTexture(const std::string& name) override {
    return name == "piece" ? piece_ : texture_;
  }
  void ReleaseTexture(ORB::TextureRecord*) override {}

 private:
  ORB::TextureRecord* texture_;
  ORB::TextureRecord* piece_;
};

inline std::string PrintableFont() {
  std::string xml = "<font><common lineHeight=\"12\" scaleW=\"128\" scaleH=\"96\"/><chars>";
  for (int c = 32; c < 127; ++c) {
    const int cell = c - 32;
    xml += "<char id=\"" + std::to_string(c) + "\" x=\"" + std::to_string(cell % 16 * 8) +
           "\" y=\"" + std::to_string(cell / 16 * 12) +
           "\" width=\"7\" height=\"11\" xoffset=\"0\" yoffset=\"0\" xadvance=\"8\"/>";
  }
  return xml + "</chars></font>";
}

class BlankGui {
 public:
  BlankGui() : renderer(MakeRecordingRenderer(nullptr, false)) {
    if (!renderer) return;
    textures = std::make_unique<BlankTextures>(*renderer);
    documents.Set("font", PrintableFont());
    ORB::SetTextureProvider(textures.get());
    ORB::SetDocumentProvider(&documents);
  }
  ~BlankGui() {
    ORB::SetTextureProvider(nullptr);
    ORB::SetDocumentProvider(nullptr);
  }
  BlankGui(const BlankGui&) = delete;
  BlankGui& operator=(const BlankGui&) = delete;

  // False when the renderer could not start.
  explicit operator bool() const { return renderer != nullptr; }

  std::unique_ptr<ORB::Renderer> renderer;
  std::unique_ptr<BlankTextures> textures;
  MemoryDocuments documents;
};

}  // namespace test_support
