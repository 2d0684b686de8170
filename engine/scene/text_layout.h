#pragma once
// Lays out the lines of a text in a bitmap font: the 3 x 3 alignment offsets,
// the width of a line, and the walk that puts each character at its place.
// The font draws through these; they touch no device, so the layout can be
// checked on its own.
//
// Alignment codes are the anchors (anchor.h) read row by row: 0 top left,
// 1 top centre, 2 top right, 3 middle left, 4 centre, 5 middle right,
// 6 bottom left, 7 bottom centre, 8 bottom right. The horizontal offset follows the width of each line, the
// vertical one the number of lines times the line height. The wide-text and
// the 8-bit paths have tables of their own, and screens are placed against
// both exactly as they stand:
//
//   code | wide: horizontal, vertical   | 8-bit: horizontal, vertical
//   0    | 0,      0                    | 0,          NH/2
//   1    | -W/2,   NH/2                 | -W/2,       NH/2
//   2    | -W,     0                    | 0,          0
//   3    | 0,      -NH/2                | 0,          -NH
//   4    | -W/2,   -NH/2                | -W/2,       -NH
//   5    | -W,     -NH/2                | -W,         -NH
//   6    | 0,      NH/2 - 1             | 0,          0
//   7    | -W/2,   NH/2 - 1             | -W/2,       0
//   8    | -W,     NH/2 - 1             | -W,         -NH
//
// Halves truncate toward zero; any other code gives 0 for both.
//
// A character without a glyph is shown as "?" (when the font has one) and is
// measured as what is shown, so a measured line is as wide as the drawn one.
#include <cstdint>

#include "engine/scene/glyph_map.h"
#include "engine/scene/truncate.h"

namespace ORB {

// What laying out needs to know about a font.
struct TextMetrics {
  const GlyphMap* glyphs = nullptr;
  int32_t letter_spacing = 0;  // added to every advance
  int32_t line_spacing = 0;    // extra pixels between lines
  int32_t line_height = 0;
  int32_t alignment = 0;
  float scale_x = 1.0f;  // the page's scale: advances of wide text grow with it
  float scale_y = 1.0f;
};

int32_t WideHorizontalOffset(int32_t alignment, int32_t width);
int32_t WideVerticalOffset(int32_t alignment, int32_t lines, int32_t line_height);
int32_t NarrowHorizontalOffset(int32_t alignment, int32_t width);
int32_t NarrowVerticalOffset(int32_t alignment, int32_t lines, int32_t line_height);

// The glyph id an 8-bit character looks up: the byte as a signed value, so
// bytes 128 to 255 find no glyph and show as "?".
inline int32_t NarrowCharId(char c) { return static_cast<int32_t>(static_cast<signed char>(c)); }

// The advance of the glyph shown for c (its own or "?"); 0 when none.
int32_t ShownAdvance(const GlyphMap& glyphs, int32_t c);

// 1 + the number of newlines.
int32_t CountLines(const wchar_t* text);
int32_t CountLines(const char* text);

// Width of the first line (up to a newline or the end) of wide text: for
// every character shown with a positive advance, total = trunc((advance +
// letter spacing) x scale x + total). 0 for a font without glyphs.
int32_t MeasureWideLine(const TextMetrics& metrics, const wchar_t* text);
// Width of the first line of 8-bit text as the 8-bit alignment measures it:
// the sum of (glyph width + letter spacing), unscaled, over the glyphs shown.
int32_t MeasureNarrowLine(const TextMetrics& metrics, const char* text);

// The top of line number `line` (from 0) of a text drawn at y.
inline int32_t LineY(const TextMetrics& metrics, int32_t line, int32_t y, int32_t v_offset) {
  return ClampToInt(static_cast<int64_t>(line) * metrics.line_height + y + v_offset +
                    static_cast<int64_t>(line) * metrics.line_spacing);
}

// Walks wide text: calls draw(c, x, y) for every character that is not a
// newline, at the place it goes, and moves the pen by what draw answers
// (the advance of what it drew, 0 for nothing) plus the letter spacing,
// times the page's x scale. An empty text calls nothing.
template <typename Draw>
void LayOutWide(const TextMetrics& metrics, int32_t x, int32_t y, const wchar_t* text,
                Draw&& draw) {
  if (text == nullptr || text[0] == L'\0') return;
  const int32_t lines = CountLines(text);
  const int32_t v_offset = WideVerticalOffset(metrics.alignment, lines, metrics.line_height);
  int32_t h_offset = WideHorizontalOffset(metrics.alignment, MeasureWideLine(metrics, text));
  float pen = 0.0f;
  int32_t line = 0;
  for (const wchar_t* p = text; *p != L'\0'; ++p) {
    if (*p == L'\n') {
      ++line;
      h_offset = WideHorizontalOffset(metrics.alignment, MeasureWideLine(metrics, p + 1));
      pen = 0.0f;
      continue;
    }
    const int32_t draw_x =
        TruncateToInt(pen + static_cast<float>(x) + static_cast<float>(h_offset));
    const int32_t draw_y = LineY(metrics, line, y, v_offset);
    const int32_t advance = draw(static_cast<int32_t>(*p), draw_x, draw_y);
    if (advance != 0) {
      pen = static_cast<float>(static_cast<int64_t>(advance) + metrics.letter_spacing) * metrics.scale_x +
            pen;
    }
  }
}

// Walks 8-bit text the same way with the 8-bit offsets and an integer pen
// that moves by the advance plus the letter spacing after every character,
// drawn or not, unscaled.
template <typename Draw>
void LayOutNarrow(const TextMetrics& metrics, int32_t x, int32_t y, const char* text,
                  Draw&& draw) {
  if (text == nullptr || text[0] == '\0') return;
  const int32_t lines = CountLines(text);
  const int32_t v_offset = NarrowVerticalOffset(metrics.alignment, lines, metrics.line_height);
  int32_t h_offset = NarrowHorizontalOffset(metrics.alignment, MeasureNarrowLine(metrics, text));
  int64_t pen = 0;
  int32_t line = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == '\n') {
      ++line;
      h_offset = NarrowHorizontalOffset(metrics.alignment, MeasureNarrowLine(metrics, p + 1));
      pen = 0;
      continue;
    }
    const int32_t draw_x = ClampToInt(pen + x + h_offset);
    const int32_t advance = draw(NarrowCharId(*p), draw_x, LineY(metrics, line, y, v_offset));
    pen += static_cast<int64_t>(advance) + metrics.letter_spacing;
  }
}

}  // namespace ORB
