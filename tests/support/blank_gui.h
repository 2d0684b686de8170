#pragma once
// What benchmarks of widgets draw with: one blank 160 x 32 texture for every
// name but the nine-part pieces ("piece", 16 x 16), and a font description of printable ASCII in 8 x 12 cells of a 128 x 96
// page (set it in a test_support::MemoryDocuments under the font's name).
#include <string>

#include "engine/foundation/renderer.h"
#include "engine/scene/texture_provider.h"

namespace test_support {

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

}  // namespace test_support
