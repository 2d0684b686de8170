#include "engine/scene/text_layout.h"

namespace ORB {

namespace {

int32_t Negate(int32_t value) { return ClampToInt(-static_cast<int64_t>(value)); }

}  // namespace

int32_t WideHorizontalOffset(int32_t alignment, int32_t width) {
  switch (alignment) {
    case 1:
    case 4:
    case 7:
      return Negate(width) / 2;
    case 2:
    case 5:
    case 8:
      return Negate(width);
    default:
      return 0;
  }
}

int32_t WideVerticalOffset(int32_t alignment, int32_t lines, int32_t line_height) {
  const int32_t block = ClampToInt(static_cast<int64_t>(lines) * line_height);
  switch (alignment) {
    case 1:
      return block / 2;
    case 3:
    case 4:
    case 5:
      return TruncateToInt(-0.5 * static_cast<double>(block));
    case 6:
    case 7:
    case 8:
      return block / 2 - 1;
    default:
      return 0;
  }
}

int32_t NarrowHorizontalOffset(int32_t alignment, int32_t width) {
  switch (alignment) {
    case 1:
    case 4:
    case 7:
      return TruncateToInt(-0.5 * static_cast<double>(width));
    case 5:
    case 8:
      return Negate(width);
    default:
      return 0;
  }
}

int32_t NarrowVerticalOffset(int32_t alignment, int32_t lines, int32_t line_height) {
  const int32_t block = ClampToInt(static_cast<int64_t>(lines) * line_height);
  switch (alignment) {
    case 0:
    case 1:
      return block / 2;
    case 3:
    case 4:
    case 5:
    case 8:
      return Negate(block);
    default:
      return 0;
  }
}

int32_t ShownAdvance(const GlyphMap& glyphs, int32_t c) {
  const Glyph* glyph = glyphs.FindForDrawing(c);
  return glyph == nullptr ? 0 : glyph->xadvance;
}

int32_t CountLines(const wchar_t* text) {
  int32_t lines = 1;
  for (const wchar_t* p = text; p != nullptr && *p != L'\0'; ++p) {
    if (*p == L'\n') ++lines;
  }
  return lines;
}

int32_t CountLines(const char* text) {
  int32_t lines = 1;
  for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
    if (*p == '\n') ++lines;
  }
  return lines;
}

int32_t MeasureWideLine(const TextMetrics& metrics, const wchar_t* text) {
  if (metrics.glyphs == nullptr || metrics.glyphs->Empty() || text == nullptr) return 0;
  int32_t total = 0;
  for (const wchar_t* p = text; *p != L'\0' && *p != L'\n'; ++p) {
    const int32_t advance = ShownAdvance(*metrics.glyphs, static_cast<int32_t>(*p));
    if (advance > 0) {
      // Advance and spacing are summed in 64 bits: either may be near the
      // largest int in a font description.
      total = TruncateToInt(
          static_cast<float>(static_cast<int64_t>(advance) + metrics.letter_spacing) * metrics.scale_x +
          static_cast<float>(total));
    }
  }
  return total;
}

int32_t MeasureNarrowLine(const TextMetrics& metrics, const char* text) {
  if (metrics.glyphs == nullptr || text == nullptr) return 0;
  int64_t total = 0;
  for (const char* p = text; *p != '\0' && *p != '\n'; ++p) {
    const Glyph* glyph = metrics.glyphs->FindForDrawing(NarrowCharId(*p));
    total += static_cast<int64_t>(glyph == nullptr ? 0 : glyph->width) + metrics.letter_spacing;
  }
  return ClampToInt(total);
}

}  // namespace ORB
