#include "engine/scene/text_layout.h"

#include "engine/scene/anchor.h"

namespace ORB {

namespace {

int32_t Negate(int32_t value) { return ClampToInt(-static_cast<int64_t>(value)); }

}  // namespace

// The offsets follow the anchor's column (horizontal) and row (vertical);
// the exceptions are the table in text_layout.h, kept as screens expect them.

int32_t WideHorizontalOffset(int32_t alignment, int32_t width) {
  if (!IsAnchor(alignment)) return 0;
  switch (AnchorColumn(alignment)) {
    case 1:
      return Negate(width) / 2;
    case 2:
      return Negate(width);
    default:
      return 0;
  }
}

int32_t WideVerticalOffset(int32_t alignment, int32_t lines, int32_t line_height) {
  if (!IsAnchor(alignment)) return 0;
  const int32_t block = ClampToInt(static_cast<int64_t>(lines) * line_height);
  switch (AnchorRow(alignment)) {
    case 1:
      return TruncateToInt(-0.5 * static_cast<double>(block));
    case 2:
      return block / 2 - 1;
    default:
      // Of the top row only the middle moves, and downwards.
      return alignment == HS_MU ? block / 2 : 0;
  }
}

int32_t NarrowHorizontalOffset(int32_t alignment, int32_t width) {
  if (!IsAnchor(alignment)) return 0;
  switch (AnchorColumn(alignment)) {
    case 1:
      return TruncateToInt(-0.5 * static_cast<double>(width));
    case 2:
      // The upper right stays left aligned on this path.
      return alignment == HS_UR ? 0 : Negate(width);
    default:
      return 0;
  }
}

int32_t NarrowVerticalOffset(int32_t alignment, int32_t lines, int32_t line_height) {
  if (!IsAnchor(alignment)) return 0;
  const int32_t block = ClampToInt(static_cast<int64_t>(lines) * line_height);
  switch (AnchorRow(alignment)) {
    case 0:
      return alignment == HS_UR ? 0 : block / 2;
    case 1:
      return Negate(block);
    default:
      return alignment == HS_DR ? Negate(block) : 0;
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
