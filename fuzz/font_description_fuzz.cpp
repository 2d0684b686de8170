// libFuzzer target for the bitmap font description: any description is read
// without a crash, and text measured and laid out with the glyphs it gives
// stays defined whatever its numbers (the first two input bytes choose the
// letter spacing's extremes and the alignment).
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/scene/bmfont_reader.h"
#include "engine/scene/glyph_map.h"
#include "engine/scene/text_layout.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t spacing_choice = data[0];
  const uint8_t alignment = data[1];
  pugi::xml_document document;
  if (!fuzz_support::ParseXml(data + 2, size - 2, document)) return 0;
  ORB::GlyphMap glyphs;
  const ORB::BmFontDescription described = ORB::ReadBmFont(
      document.child("font"),
      (spacing_choice & 1) ? ORB::BmFontPage::kDescribed : ORB::BmFontPage::kTexture, 256.0f,
      256.0f, glyphs);
  if (described.chars_read < 0) fuzz_support::Broken("a count is never negative");

  ORB::TextMetrics metrics;
  metrics.glyphs = &glyphs;
  const int32_t spacings[] = {0, 1, -1, INT_MAX, INT_MIN, 1 << 30};
  metrics.letter_spacing = spacings[(spacing_choice >> 1) % 6];
  metrics.line_height = described.line_height;
  metrics.line_spacing = metrics.letter_spacing;
  metrics.alignment = alignment % 9;
  metrics.scale_x = (spacing_choice & 0x80) ? 1.5f : 1.0f;
  const wchar_t* wide = L"Nonogram ?\x00E9\nA\nWW";
  const char* narrow = "Nonogram ?\nA\nWW";
  ORB::MeasureWideLine(metrics, wide);
  ORB::MeasureNarrowLine(metrics, narrow);
  int64_t drawn = 0;
  auto draw = [&glyphs, &drawn](int32_t c, int32_t, int32_t) {
    const ORB::Glyph* glyph = glyphs.FindForDrawing(c);
    drawn += glyph != nullptr;
    return glyph == nullptr ? 0 : glyph->xadvance;
  };
  ORB::LayOutWide(metrics, 7, 9, wide, draw);
  ORB::LayOutNarrow(metrics, 7, 9, narrow, draw);
  return 0;
}
