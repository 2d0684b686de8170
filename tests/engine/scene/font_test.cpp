// The bitmap font drawing through the renderer on the recording device: each
// glyph is one quad of the page, whose corners the device receives.
#include "engine/scene/font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/platform/fake_gpu_device.h"
#include "support/recording_renderer.h"
#include "support/source_path.h"

namespace ORB {
namespace {

// Page 128 x 64. "?" stands in for missing characters; digits are absent.
constexpr const char* kDescription = R"(
<font>
  <common lineHeight="10" scaleW="256" scaleH="128"/>
  <pages><page id="0" file="test.png"/></pages>
  <chars count="6">
    <char id="65" x="0" y="0" width="8" height="10" xoffset="1" yoffset="2" xadvance="10"/>
    <char id="66" x="16" y="0" width="18" height="10" xoffset="0" yoffset="0" xadvance="20"/>
    <char id="63" x="40" y="8" width="6" height="10" xoffset="0" yoffset="1" xadvance="7"/>
    <char id="32" x="0" y="0" width="0" height="0" xoffset="0" yoffset="0" xadvance="5"/>
    <char id="37" x="64" y="0" width="8" height="10" xoffset="0" yoffset="0" xadvance="9"/>
    <char id="115" x="80" y="16" width="5" height="7" xoffset="0" yoffset="3" xadvance="6"/>
  </chars>
</font>)";

// One drawn glyph: its corners and texture coordinates as the device got them.
struct DrawnQuad {
  float left, top, right, bottom;
  float u0, v0, u1, v1;
  uint32_t colour;
};

class FontTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    texture_ = renderer_->CreateBlank(128, 64);
    ASSERT_NE(texture_, nullptr);
    ASSERT_TRUE(doc_.load_string(kDescription));
    font_ = std::make_unique<OC_FONT>(doc_.child("font"), texture_, 0);
    ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
    fake_->ClearLog();
  }

  void TearDown() override {
    font_.reset();
    renderer_.reset();
  }

  // Every quad drawn so far (the batch is flushed first), on the page
  // texture (the renderer's default one when the font has none).
  std::vector<DrawnQuad> Drawn(const TextureRecord* page = nullptr) {
    if (page == nullptr) page = texture_;
    renderer_->Flush();
    std::vector<DrawnQuad> quads;
    for (const auto& draw : fake_->Draws()) {
      EXPECT_EQ(draw.texture, page->handle);
      for (size_t i = 0; i + 3 < draw.vertices.size(); i += 4) {
        const auto& v = draw.vertices;
        quads.push_back({v[i].x, v[i].y, v[i + 2].x, v[i + 2].y, v[i].u, v[i].v, v[i + 2].u,
                         v[i + 2].v, v[i].colour});
      }
    }
    fake_->ClearLog();
    return quads;
  }

  // Quads with ink (blanks draw an empty quad).
  std::vector<DrawnQuad> DrawnInk() {
    std::vector<DrawnQuad> ink;
    for (const DrawnQuad& q : Drawn()) {
      if (q.right > q.left) ink.push_back(q);
    }
    return ink;
  }

  TextureRecord* texture_ = nullptr;
  pugi::xml_document doc_;
  std::unique_ptr<OC_FONT> font_;
};

void ExpectQuad(const DrawnQuad& q, float x, float y, float w, float h) {
  EXPECT_FLOAT_EQ(q.left, x);
  EXPECT_FLOAT_EQ(q.top, y);
  EXPECT_FLOAT_EQ(q.right, x + w);
  EXPECT_FLOAT_EQ(q.bottom, y + h);
}

void ExpectUV(const DrawnQuad& q, float u0, float v0, float u1, float v1) {
  EXPECT_FLOAT_EQ(q.u0, u0);
  EXPECT_FLOAT_EQ(q.v0, v0);
  EXPECT_FLOAT_EQ(q.u1, u1);
  EXPECT_FLOAT_EQ(q.v1, v1);
}

TEST_F(FontTest, LoadReadsTheDescriptionAgainstTheTexture) {
  EXPECT_EQ(font_->GetLineHeight(), 10);
  EXPECT_EQ(font_->GetGlyphCount(), 6);
  EXPECT_EQ(font_->GetCellWidth(), 20);
  EXPECT_EQ(font_->GetCapacity(), 600);
  EXPECT_FLOAT_EQ(font_->GetPageWidth(), 128.0f) << "the texture's width, not scaleW";
  EXPECT_EQ(font_->GetTexture(), texture_);
  EXPECT_EQ(font_->alignment, 0);
  EXPECT_EQ(font_->GetColor(), 0xFFFFFFFFu);

  pugi::xml_document empty;
  ASSERT_TRUE(empty.load_string("<font><common lineHeight='12'/><chars/></font>"));
  font_->letter_spacing = 4;
  font_->line_spacing = 3;
  EXPECT_EQ(font_->LoadXml(empty.child("font"), texture_), -1);
  EXPECT_EQ(font_->GetGlyphCount(), 0);
  EXPECT_EQ(font_->letter_spacing, 0);
  EXPECT_EQ(font_->line_spacing, 3) << "line spacing survives a reload";
  EXPECT_EQ(font_->MeasureLine(L"AB"), 0);
  font_->DrawText(0, 0, L"AB");
  EXPECT_TRUE(Drawn().empty()) << "an empty font draws nothing";
}

TEST_F(FontTest, GlyphQuadsForEveryAlignmentCode) {
  // "AB": 30 wide as wide text, 26 by the 8-bit measure; one line of 10.
  const int wide[9][2] = {{0, 0},    {-15, 5}, {-30, 0}, {0, -5}, {-15, -5},
                          {-30, -5}, {0, 4},   {-15, 4}, {-30, 4}};
  const int narrow[9][2] = {{0, 5},     {-13, 5}, {0, 0},   {0, -10}, {-13, -10},
                            {-26, -10}, {0, 0},   {-13, 0}, {-26, -10}};
  for (int code = 0; code < 9; ++code) {
    SCOPED_TRACE(code);
    font_->alignment = code;
    font_->DrawText(100, 50, L"AB");
    std::vector<DrawnQuad> quads = Drawn();
    ASSERT_EQ(quads.size(), 2u);
    ExpectQuad(quads[0], 100.0f + wide[code][0] + 1, 50.0f + wide[code][1] + 2, 8, 10);
    ExpectUV(quads[0], 0.0f, 0.0f, 8.0f / 128, 10.0f / 64);
    ExpectQuad(quads[1], 100.0f + wide[code][0] + 10, 50.0f + wide[code][1], 18, 10);
    ExpectUV(quads[1], 16.0f / 128, 0.0f, 34.0f / 128, 10.0f / 64);

    font_->DrawTextA(100, 50, "AB");
    quads = Drawn();
    ASSERT_EQ(quads.size(), 2u);
    ExpectQuad(quads[0], 100.0f + narrow[code][0] + 1, 50.0f + narrow[code][1] + 2, 8, 10);
    ExpectQuad(quads[1], 100.0f + narrow[code][0] + 10, 50.0f + narrow[code][1], 18, 10);
  }
}

TEST_F(FontTest, MeasureEqualsTheDrawnWidth) {
  font_->letter_spacing = 2;
  const wchar_t* const texts[] = {L"AB", L"A B", L"B x A", L"%s"};
  for (const wchar_t* text : texts) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(text)));
    // Right-aligned at 300, the line ends exactly there.
    font_->alignment = 2;
    font_->DrawText(300, 0, text);
    const std::vector<DrawnQuad> quads = Drawn();
    ASSERT_FALSE(quads.empty());
    const DrawnQuad& last = quads.back();
    const int32_t last_char = text[wcslen(text) - 1];
    const Glyph* glyph = font_->GetGlyphs().FindForDrawing(last_char);
    const float pen_end = last.left - static_cast<float>(glyph->xoffset) +
                          static_cast<float>(glyph->xadvance + font_->letter_spacing);
    EXPECT_FLOAT_EQ(pen_end, 300.0f);
    EXPECT_FLOAT_EQ(quads.front().left - font_->GetGlyphs().FindForDrawing(text[0])->xoffset,
                    300.0f - static_cast<float>(font_->MeasureLine(text)));
  }
}

TEST_F(FontTest, MissingCharacterIsDrawnAsQuestionMark) {
  EXPECT_EQ(font_->GetAdvance('x'), 7) << "the advance of what is shown";
  EXPECT_EQ(font_->GetAdvance('A'), 10);
  EXPECT_EQ(font_->DrawChar('x', 20, 30), 7);
  std::vector<DrawnQuad> quads = Drawn();
  ASSERT_EQ(quads.size(), 1u);
  ExpectQuad(quads[0], 20, 31, 6, 10);
  ExpectUV(quads[0], 40.0f / 128, 8.0f / 64, 46.0f / 128, 18.0f / 64);

  font_->DrawText(0, 0, L"A\x263A" L"A");  // a smiling face the font lacks
  quads = Drawn();
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_FLOAT_EQ(quads[1].left, 10.0f);
  EXPECT_FLOAT_EQ(quads[1].u0, 40.0f / 128);
  EXPECT_FLOAT_EQ(quads[2].left, 18.0f) << "moved on by the advance of ?";

  font_->DrawTextA(0, 0, "A\xC3\xA9");  // UTF-8 bytes above 127
  quads = Drawn();
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_FLOAT_EQ(quads[1].u0, 40.0f / 128);
  EXPECT_FLOAT_EQ(quads[2].u0, 40.0f / 128);
}

TEST_F(FontTest, PercentSignsInTextAreDrawnAsTheyStand) {
  OS_TRANSFORM3 at;
  at.position.x = 40;
  at.position.y = 20;
  font_->DrawTransformed(at, 0, L"%s%");
  std::vector<DrawnQuad> quads = Drawn();
  ASSERT_EQ(quads.size(), 3u) << "no argument is read for %s";
  ExpectUV(quads[0], 64.0f / 128, 0.0f, 72.0f / 128, 10.0f / 64);
  ExpectUV(quads[1], 80.0f / 128, 16.0f / 64, 85.0f / 128, 23.0f / 64);
  ExpectQuad(quads[0], 40, 20, 8, 10);

  font_->DrawText(0, 0, L"%s");
  EXPECT_EQ(Drawn().size(), 2u);
  font_->DrawTextA(0, 0, "%s%%");
  EXPECT_EQ(Drawn().size(), 4u);
  // A text handed to a format as its argument is not formatted again.
  font_->DrawFormat(0, 0, L"%s", L"%s%i");
  EXPECT_EQ(Drawn().size(), 4u);
  font_->DrawFormatA(0, 0, "%s", "%s");
  EXPECT_EQ(Drawn().size(), 2u);
}

TEST_F(FontTest, FormattedDrawing) {
  font_->DrawFormat(0, 0, L"A%sB", L" ");
  std::vector<DrawnQuad> quads = Drawn();
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_FLOAT_EQ(quads[2].left, 15.0f);

  font_->DrawFormat(0, 0, L"%s", L"");
  EXPECT_TRUE(Drawn().empty()) << "an empty result draws nothing";
  font_->DrawFormatA(0, 0, "%s", "");
  EXPECT_TRUE(Drawn().empty());
  font_->DrawFormatA(0, 0, "%d%s", 7, "A");
  EXPECT_EQ(Drawn().size(), 2u) << "7 shows as ?, then A";

  // Output beyond the buffer is cut at its size.
  const std::wstring long_text(1000, L'A');
  font_->DrawFormat(0, 0, L"%s", long_text.c_str());
  EXPECT_EQ(Drawn().size(), 599u);
  const std::string long_narrow(1000, 'A');
  font_->DrawFormatA(0, 0, "%s", long_narrow.c_str());
  EXPECT_EQ(Drawn().size(), 595u);
}

TEST_F(FontTest, MultiLineText) {
  font_->line_spacing = 3;
  font_->alignment = 4;
  font_->DrawText(100, 100, L"AB\nA");
  const std::vector<DrawnQuad> quads = Drawn();
  ASSERT_EQ(quads.size(), 3u);
  // Two lines of 10: moved up by 10; the second line is 13 lower and
  // centred on its own width of 10.
  ExpectQuad(quads[0], 100 - 15 + 1, 100 - 10 + 2, 8, 10);
  ExpectQuad(quads[2], 100 - 5 + 1, 100 - 10 + 13 + 2, 8, 10);
}

TEST_F(FontTest, PageScaleGrowsGlyphsAndAdvances) {
  font_->GetPageTransform().SetScale(2.0f, 2.0f, 1.0f);
  EXPECT_EQ(font_->MeasureLine(L"AB"), 60);
  font_->DrawText(10, 10, L"AB");
  const std::vector<DrawnQuad> quads = Drawn();
  ASSERT_EQ(quads.size(), 2u);
  // The x offset is not scaled, the y offset is; the quad is drawn scaled.
  ExpectQuad(quads[0], 11, 14, 16, 20);
  ExpectQuad(quads[1], 30, 10, 36, 20);
}

TEST_F(FontTest, ColourAndTransformedDrawing) {
  font_->SetColor(0xFF2E3440u);
  OS_TRANSFORM3 parent;
  parent.position.x = 500;
  parent.position.y = 300;
  OS_TRANSFORM3 child;
  child.position.x = 20;
  child.parent = &parent;
  font_->alignment = 3;
  font_->DrawTransformed(child, 5, L"AB");
  std::vector<DrawnQuad> quads = Drawn();
  ASSERT_EQ(quads.size(), 2u);
  ExpectQuad(quads[0], 520 - 30 + 1, 300 - 5 + 2, 8, 10);
  EXPECT_EQ(quads[0].colour, 0xFF2E3440u);
  EXPECT_EQ(font_->alignment, 3) << "the font's alignment is restored";
  EXPECT_EQ(font_->GetPageTransform().parent, nullptr) << "and so is the page's parent";

  // Owners hang the page from their own transform.
  font_->GetPageTransform().parent = &parent;
  font_->alignment = 0;
  font_->DrawText(0, 0, L"A");
  quads = Drawn();
  ASSERT_EQ(quads.size(), 1u);
  ExpectQuad(quads[0], 501, 302, 8, 10);
}

TEST_F(FontTest, FixedMeasureAndLineStart) {
  EXPECT_EQ(font_->MeasureFixed(L"ABx\nAAAA"), 60);
  font_->letter_spacing = 1;
  EXPECT_EQ(font_->MeasureFixed(L"AB"), 42);
  font_->letter_spacing = 0;
  font_->alignment = 7;
  EXPECT_EQ(font_->GetLineStart(L"AB\nA"), -15);
  font_->alignment = 5;
  EXPECT_EQ(font_->GetLineStart(L"AB"), -30);
}

TEST_F(FontTest, InitKeepsThePageTransformAndReloadMakesANewOne) {
  OS_TRANSFORM3 widget;
  widget.position.x = 300;
  font_->GetPageTransform().parent = &widget;
  font_->SetColor(0xFF00FF00u);
  EXPECT_EQ(font_->Init(doc_.child("font"), texture_, 600), 1);
  EXPECT_EQ(font_->GetPageTransform().parent, &widget);
  EXPECT_EQ(font_->GetColor(), 0xFFFFFFFFu) << "the page shows the whole texture in white";
  EXPECT_EQ(font_->GetGlyphCount(), 12) << "Init adds to the count";

  EXPECT_EQ(font_->LoadXml(doc_.child("font"), texture_), 1);
  EXPECT_EQ(font_->GetPageTransform().parent, nullptr) << "a reload makes a new page";
  EXPECT_EQ(font_->GetGlyphCount(), 6);
}

TEST_F(FontTest, DrawPageShowsTheWholeTextureCentred) {
  font_->GetPageTransform().SetPosition(200, 100, 0);
  font_->DrawPage();
  const std::vector<DrawnQuad> quads = Drawn();
  ASSERT_EQ(quads.size(), 1u);
  ExpectQuad(quads[0], 200 - 64, 100 - 32, 128, 64);
  ExpectUV(quads[0], 0, 0, 1, 1);
}

TEST_F(FontTest, PagesWithoutSizeGiveFiniteCoordinates) {
  OC_FONT font(doc_.child("font"), nullptr, 600);
  EXPECT_EQ(font.GetGlyphCount(), 6);
  font.DrawText(0, 0, L"AB?");
  const std::vector<DrawnQuad> quads = Drawn(renderer_->GetDefaultTexture());
  ASSERT_EQ(quads.size(), 3u);
  for (const DrawnQuad& q : quads) {
    for (const float c : {q.u0, q.v0, q.u1, q.v1}) EXPECT_TRUE(std::isfinite(c));
  }
}

TEST(FontInitTest, EmptyFontCompletedByInit) {
  OC_FONT font;
  EXPECT_EQ(font.GetGlyphCount(), 0);
  EXPECT_EQ(font.GetCapacity(), 0);
  EXPECT_EQ(font.MeasureFixed(L"AB"), 0);
  EXPECT_EQ(font.MeasureLine(L"AB"), 0);
  font.DrawFormat(0, 0, L"%s", L"AB");  // no buffers: nothing happens
  font.DrawFormatA(0, 0, "%s", "AB");
  font.DrawText(0, 0, L"AB");  // no renderer, no glyphs: nothing happens

  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(kDescription));
  font.alignment = 6;
  EXPECT_EQ(font.Init(doc.child("font"), nullptr, 700), 1);
  EXPECT_EQ(font.GetCapacity(), 700);
  EXPECT_FLOAT_EQ(font.GetPageWidth(), 256.0f) << "Init reads the stated page size";
  EXPECT_FLOAT_EQ(font.GetPageHeight(), 128.0f);
  EXPECT_EQ(font.GetCellWidth(), 0) << "the width of the lowest id, the blank";
  EXPECT_EQ(font.alignment, 6) << "Init leaves the alignment";
  EXPECT_EQ(font.GetLineHeight(), 10);
  const Glyph* a = font.GetGlyphs().Find('A');
  ASSERT_NE(a, nullptr);
  EXPECT_FLOAT_EQ(a->right, 8.0f / 256);

  pugi::xml_document none;
  ASSERT_TRUE(none.load_string("<font/>"));
  EXPECT_EQ(font.Init(none.child("font"), nullptr, 10), 1) << "Init always answers 1";
  EXPECT_EQ(font.GetCapacity(), 600);
}

TEST_F(FontTest, ShippedFontMeasuresHelloByItsAdvances) {
  TextureRecord* page = renderer_->LoadFromFile(test_support::SourcePath("Resources/data/share/font/dejavu_sans_20.png"));
  ASSERT_NE(page, nullptr);
  ASSERT_NE(page, renderer_->GetDefaultTexture()) << "the page decodes";
  EXPECT_EQ(page->Width(), 256);
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_file(test_support::SourcePath("Resources/data/share/font/dejavu_sans_20.xml").c_str()));
  OC_FONT font(doc.child("font"), page, 600);
  EXPECT_GT(font.GetGlyphCount(), 200);
  int32_t sum = 0;
  for (const wchar_t c : std::wstring(L"Hello")) sum += font.GetAdvance(c);
  EXPECT_EQ(font.MeasureLine(L"Hello"), sum);
  EXPECT_GT(sum, 40);
  EXPECT_EQ(font.GetLineHeight(), 23);
}

}  // namespace
}  // namespace ORB
