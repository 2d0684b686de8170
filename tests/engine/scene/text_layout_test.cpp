#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/scene/glyph_map.h"
#include "engine/scene/text_layout.h"

namespace ORB {
namespace {

struct Placed {
  int32_t c;
  int32_t x;
  int32_t y;
};

class TextLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Add(glyphs, 'A', 8, 10);
    Add(glyphs, 'B', 18, 20);
    Add(glyphs, ' ', 0, 5);
    Add(glyphs, '?', 6, 7);
    metrics.glyphs = &glyphs;
    metrics.line_height = 10;
  }

  static void Add(GlyphMap& map, int32_t id, int32_t width, int32_t advance) {
    Glyph glyph;
    glyph.id = id;
    glyph.width = width;
    glyph.xadvance = advance;
    map.Set(glyph);
  }

  // Lays out with a font of "A" alone: no "?" stands in for the others.
  void UseOnlyA() {
    Add(only_a, 'A', 8, 10);
    metrics.glyphs = &only_a;
  }

  // Draws from the metrics' font, keeping the pen's x for each glyph drawn.
  auto PenRecorder(std::vector<int32_t>& xs) {
    return [this, &xs](int32_t c, int32_t x, int32_t) {
      const Glyph* glyph = metrics.glyphs->FindForDrawing(c);
      if (glyph == nullptr) return 0;
      xs.push_back(x);
      return glyph->xadvance;
    };
  }

  // Draws as the font does: the glyph shown (its own or "?"), its advance.
  auto Recorder() {
    return [this](int32_t c, int32_t x, int32_t y) {
      const Glyph* glyph = glyphs.FindForDrawing(c);
      if (glyph == nullptr) return 0;
      placed.push_back({glyph->id, x, y});
      return glyph->xadvance;
    };
  }

  GlyphMap glyphs;
  GlyphMap only_a;
  TextMetrics metrics;
  std::vector<Placed> placed;
};

TEST(AlignmentTableTest, WideOffsetsForEveryCode) {
  // W = 101, N x H = 3 x 11 = 33: odd values show where halves truncate.
  const int32_t expected[9][2] = {{0, 0},    {-50, 16},  {-101, 0},  {0, -16},  {-50, -16},
                                  {-101, -16}, {0, 15}, {-50, 15}, {-101, 15}};
  for (int32_t code = 0; code < 9; ++code) {
    EXPECT_EQ(WideHorizontalOffset(code, 101), expected[code][0]) << "code " << code;
    EXPECT_EQ(WideVerticalOffset(code, 3, 11), expected[code][1]) << "code " << code;
  }
  for (const int32_t code : {-1, 9, 100}) {
    EXPECT_EQ(WideHorizontalOffset(code, 101), 0);
    EXPECT_EQ(WideVerticalOffset(code, 3, 11), 0);
  }
}

TEST(AlignmentTableTest, NarrowOffsetsForEveryCode) {
  const int32_t expected[9][2] = {{0, 16},     {-50, 16}, {0, 0},  {0, -33},    {-50, -33},
                                  {-101, -33}, {0, 0},    {-50, 0}, {-101, -33}};
  for (int32_t code = 0; code < 9; ++code) {
    EXPECT_EQ(NarrowHorizontalOffset(code, 101), expected[code][0]) << "code " << code;
    EXPECT_EQ(NarrowVerticalOffset(code, 3, 11), expected[code][1]) << "code " << code;
  }
  for (const int32_t code : {-1, 9}) {
    EXPECT_EQ(NarrowHorizontalOffset(code, 101), 0);
    EXPECT_EQ(NarrowVerticalOffset(code, 3, 11), 0);
  }
}

TEST(AlignmentTableTest, ExtremeValuesStayDefined) {
  EXPECT_EQ(WideHorizontalOffset(2, INT32_MIN), INT32_MAX);
  EXPECT_EQ(NarrowVerticalOffset(3, 2, INT32_MAX), -INT32_MAX);
  EXPECT_EQ(WideVerticalOffset(4, INT32_MAX, INT32_MAX), -1073741823);
}

TEST_F(TextLayoutTest, CentredLinesStartAtHalfTheirWidth) {
  // Two lines of widths 100 and 60, centred on (200, 100).
  metrics.alignment = 4;
  const std::wstring text = std::wstring(10, L'A') + L"\n" + std::wstring(6, L'A');
  LayOutWide(metrics, 200, 100, text.c_str(), Recorder());
  ASSERT_EQ(placed.size(), 16u);
  EXPECT_EQ(placed[0].x, 150);
  EXPECT_EQ(placed[9].x, 240);
  EXPECT_EQ(placed[10].x, 170) << "the second line is centred on its own width";
  EXPECT_EQ(placed[0].y, 100 - 10) << "both lines move up by N x H / 2";
  EXPECT_EQ(placed[10].y, 100);
}

TEST_F(TextLayoutTest, NarrowTopRightDoesNotMoveLeft) {
  metrics.alignment = 2;
  LayOutNarrow(metrics, 200, 100, "AAAA", Recorder());
  ASSERT_EQ(placed.size(), 4u);
  EXPECT_EQ(placed[0].x, 200);
  EXPECT_EQ(placed[0].y, 100);
  EXPECT_EQ(placed[3].x, 230);
}

TEST_F(TextLayoutTest, EveryAlignmentPlacesTheFirstGlyph) {
  // "AB" is 30 wide drawn, 26 wide by the 8-bit measure (glyph widths); one
  // line of height 10.
  const int32_t wide[9][2] = {{0, 0},    {-15, 5}, {-30, 0}, {0, -5}, {-15, -5},
                              {-30, -5}, {0, 4},   {-15, 4}, {-30, 4}};
  const int32_t narrow[9][2] = {{0, 5},    {-13, 5},  {0, 0},   {0, -10}, {-13, -10},
                                {-26, -10}, {0, 0},   {-13, 0}, {-26, -10}};
  for (int32_t code = 0; code < 9; ++code) {
    SCOPED_TRACE(code);
    metrics.alignment = code;
    placed.clear();
    LayOutWide(metrics, 50, 60, L"AB", Recorder());
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].x, 50 + wide[code][0]);
    EXPECT_EQ(placed[0].y, 60 + wide[code][1]);
    EXPECT_EQ(placed[1].x, placed[0].x + 10);
    placed.clear();
    LayOutNarrow(metrics, 50, 60, "AB", Recorder());
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].x, 50 + narrow[code][0]);
    EXPECT_EQ(placed[0].y, 60 + narrow[code][1]);
    EXPECT_EQ(placed[1].x, placed[0].x + 10);
  }
}

TEST_F(TextLayoutTest, MissingGlyphIsShownAndMeasuredAsQuestionMark) {
  EXPECT_EQ(ShownAdvance(glyphs, L'x'), 7);
  EXPECT_EQ(MeasureWideLine(metrics, L"AxA"), 27);
  LayOutWide(metrics, 0, 0, L"AxA", Recorder());
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[1].c, '?');
  EXPECT_EQ(placed[1].x, 10);
  EXPECT_EQ(placed[2].x, 17);

  // Centred, the line is split evenly about the point.
  metrics.alignment = 1;
  placed.clear();
  LayOutWide(metrics, 100, 0, L"AxA", Recorder());
  EXPECT_EQ(placed[0].x, 100 - 13);

  // The 8-bit measure counts what is shown too (glyph widths: 8 + 6 + 8).
  EXPECT_EQ(MeasureNarrowLine(metrics, "AxA"), 22);
  EXPECT_EQ(MeasureNarrowLine(metrics, "A\xE9"), 14) << "bytes above 127 show as ?";
  EXPECT_EQ(NarrowCharId('\xE9'), -23);
}

TEST_F(TextLayoutTest, WithoutQuestionMarkAMissingGlyphTakesNoRoom) {
  UseOnlyA();
  EXPECT_EQ(MeasureWideLine(metrics, L"AxA"), 20);
  std::vector<int32_t> xs;
  LayOutWide(metrics, 0, 0, L"AxA", PenRecorder(xs));
  EXPECT_EQ(xs, (std::vector<int32_t>{0, 10}));
}

TEST_F(TextLayoutTest, MeasureEqualsDrawnWidth) {
  metrics.letter_spacing = 3;
  const wchar_t* const texts[] = {L"AB AB", L"B?A\x00E9x", L"A", L"  "};
  for (const wchar_t* text : texts) {
    placed.clear();
    int32_t end = 0;
    LayOutWide(metrics, 0, 0, text, [&](int32_t c, int32_t x, int32_t) {
      const int32_t advance = Recorder()(c, x, 0);
      end = x + advance + metrics.letter_spacing;
      return advance;
    });
    EXPECT_EQ(MeasureWideLine(metrics, text), end) << "text of " << wcslen(text);
  }
}

TEST_F(TextLayoutTest, AdvancesAndSpacingNearTheLargestIntStayDefined) {
  // A font description may say anything; the sums are held, never wrapped.
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const struct {
    int32_t advance;
    int32_t spacing;
    int32_t measured;
  } cases[] = {{kMax, kMax, kMax}, {kMax, 1, kMax}, {kMin, kMin, 0}, {kMax, kMin, -3}};
  for (const auto& c : cases) {
    GlyphMap extreme;
    Add(extreme, 'A', 8, c.advance);
    metrics.glyphs = &extreme;
    metrics.letter_spacing = c.spacing;
    EXPECT_EQ(MeasureWideLine(metrics, L"AAA"), c.measured) << c.advance << " + " << c.spacing;
    std::vector<int32_t> xs;
    LayOutWide(metrics, 0, 0, L"AAA", PenRecorder(xs));
    EXPECT_EQ(xs.size(), 3u);
  }
}

TEST_F(TextLayoutTest, ScaleGrowsWideAdvancesOnly) {
  metrics.scale_x = 1.5f;
  metrics.letter_spacing = 1;
  // (10 + 1) x 1.5 = 16.5, then trunc(16.5 + 16) = 32 against a pen of 33.
  EXPECT_EQ(MeasureWideLine(metrics, L"AA"), 32);
  LayOutWide(metrics, 0, 0, L"AAA", Recorder());
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[1].x, 16);
  EXPECT_EQ(placed[2].x, 33);
  placed.clear();
  LayOutNarrow(metrics, 0, 0, "AAA", Recorder());
  EXPECT_EQ(placed[2].x, 22) << "the 8-bit pen is unscaled";
}

TEST_F(TextLayoutTest, NarrowPenMovesEvenForUndrawnCharacters) {
  UseOnlyA();
  metrics.letter_spacing = 2;
  std::vector<int32_t> xs;
  LayOutNarrow(metrics, 0, 0, "AxA", PenRecorder(xs));
  EXPECT_EQ(xs, (std::vector<int32_t>{0, 14}));
}

TEST_F(TextLayoutTest, MultiLineTextStepsByLineHeightAndSpacing) {
  metrics.line_spacing = 4;
  LayOutWide(metrics, 5, 7, L"A\nBB\n\nA", Recorder());
  ASSERT_EQ(placed.size(), 4u);
  EXPECT_EQ(placed[0].y, 7);
  EXPECT_EQ(placed[1].y, 7 + 14);
  EXPECT_EQ(placed[1].x, 5) << "each line starts at the pen's origin";
  EXPECT_EQ(placed[2].x, 25);
  EXPECT_EQ(placed[3].y, 7 + 3 * 14) << "an empty line still takes its place";
  EXPECT_EQ(CountLines(L"A\nBB\n\nA"), 4);
  EXPECT_EQ(CountLines("x"), 1);

  // Bottom alignment counts every line: N x H / 2 - 1 with N = 4.
  metrics.alignment = 6;
  placed.clear();
  LayOutWide(metrics, 0, 0, L"A\nBB\n\nA", Recorder());
  EXPECT_EQ(placed[0].y, 19);
}

TEST_F(TextLayoutTest, EmptyTextAndEmptyFontDrawNothing) {
  LayOutWide(metrics, 0, 0, L"", Recorder());
  LayOutWide(metrics, 0, 0, static_cast<const wchar_t*>(nullptr), Recorder());
  LayOutNarrow(metrics, 0, 0, "", Recorder());
  LayOutNarrow(metrics, 0, 0, static_cast<const char*>(nullptr), Recorder());
  EXPECT_TRUE(placed.empty());

  GlyphMap none;
  metrics.glyphs = &none;
  EXPECT_EQ(MeasureWideLine(metrics, L"AB"), 0);
  EXPECT_EQ(MeasureNarrowLine(metrics, "AB"), 0);
}

}  // namespace
}  // namespace ORB
