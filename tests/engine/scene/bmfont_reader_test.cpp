#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/scene/bmfont_reader.h"
#include "engine/scene/glyph_map.h"
#include "support/source_path.h"

namespace ORB {
namespace {

pugi::xml_node Load(pugi::xml_document& doc, const char* text) {
  const pugi::xml_parse_result parsed = doc.load_string(text);
  EXPECT_TRUE(parsed) << parsed.description();
  return doc.child("font");
}

constexpr const char* kDescription = R"(
<font>
  <common lineHeight="23" base="19" scaleW="128" scaleH="64"/>
  <pages><page id="0" file="ignored.png"/></pages>
  <chars count="999">
    <char id="65" x="32" y="16" width="16" height="8" xoffset="1" yoffset="4" xadvance="17"/>
    <char id="66" x="0" y="0" width="10" height="12" xoffset="-1" yoffset="2" xadvance="11"/>
    <char id="65" x="64" y="32" width="8" height="4" xoffset="2" yoffset="3" xadvance="9"/>
    <char id="-5"/>
  </chars>
</font>)";

TEST(BmFontReaderTest, ReadsGlyphsAgainstTheTexturePage) {
  pugi::xml_document doc;
  GlyphMap glyphs;
  const BmFontDescription read = ReadBmFont(Load(doc, kDescription), BmFontPage::kTexture,
                                            256.0f, 128.0f, glyphs);
  EXPECT_EQ(read.line_height, 23);
  EXPECT_EQ(read.chars_read, 4) << "every char element counts, repeated ids too";
  EXPECT_EQ(glyphs.Size(), 3u);
  EXPECT_FLOAT_EQ(read.page_width, 256.0f) << "the texture's size, not scaleW";

  const Glyph* b = glyphs.Find(66);
  ASSERT_NE(b, nullptr);
  EXPECT_FLOAT_EQ(b->left, 0.0f);
  EXPECT_FLOAT_EQ(b->top, 0.0f);
  EXPECT_FLOAT_EQ(b->right, 10.0f / 256.0f);
  EXPECT_FLOAT_EQ(b->bottom, 12.0f / 128.0f);
  EXPECT_EQ(b->width, 10);
  EXPECT_EQ(b->height, 12);
  EXPECT_EQ(b->xoffset, -1);
  EXPECT_EQ(b->yoffset, 2);
  EXPECT_EQ(b->xadvance, 11);

  const Glyph* a = glyphs.Find(65);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->xadvance, 9) << "a later char with the same id replaces the earlier";
  EXPECT_FLOAT_EQ(a->left, 64.0f / 256.0f);
  EXPECT_FLOAT_EQ(a->bottom, 36.0f / 128.0f);

  const Glyph* empty = glyphs.Find(-5);
  ASSERT_NE(empty, nullptr) << "absent attributes read 0";
  EXPECT_EQ(empty->width, 0);
  EXPECT_EQ(empty->xadvance, 0);
  EXPECT_EQ(glyphs.First(), empty) << "ids are ordered, negative ones first";
}

TEST(BmFontReaderTest, DescribedPageReadsScaleAndNumbers) {
  pugi::xml_document doc;
  GlyphMap glyphs;
  const BmFontDescription read = ReadBmFont(Load(doc, R"(
<font>
  <common lineHeight="16" scaleW="100" scaleH="50"/>
  <chars>
    <char id="48" x="10.5" y="5" width="7.9" height="9.2" xadvance="8"/>
  </chars>
</font>)"),
                                            BmFontPage::kDescribed, 999.0f, 999.0f, glyphs);
  EXPECT_FLOAT_EQ(read.page_width, 100.0f);
  EXPECT_FLOAT_EQ(read.page_height, 50.0f);
  const Glyph* zero = glyphs.Find(48);
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->width, 7) << "the pixel size is the whole part";
  EXPECT_EQ(zero->height, 9);
  EXPECT_FLOAT_EQ(zero->left, 0.105f);
  EXPECT_FLOAT_EQ(zero->right, (10.5f + 7.9f) / 100.0f);
  EXPECT_FLOAT_EQ(zero->bottom, (5.0f + 9.2f) / 50.0f);
}

TEST(BmFontReaderTest, ReadingStartsAtTheFirstElementOfChars) {
  // The first child element is read whatever its name; after it only
  // siblings named "char" are.
  pugi::xml_document doc;
  GlyphMap glyphs;
  const BmFontDescription read = ReadBmFont(Load(doc, R"(
<font><chars>
  <!-- a comment is not an element -->
  <glyph id="1" xadvance="3"/>
  <kerning first="1" second="2" amount="-1"/>
  <char id="2" xadvance="4"/>
</chars></font>)"),
                                            BmFontPage::kTexture, 64.0f, 64.0f, glyphs);
  EXPECT_EQ(read.chars_read, 2);
  EXPECT_NE(glyphs.Find(1), nullptr);
  EXPECT_NE(glyphs.Find(2), nullptr);
  EXPECT_EQ(glyphs.Find(0), nullptr) << "the kerning element is skipped";
}

TEST(BmFontReaderTest, EmptyOrZeroSizedPagesGiveFiniteCoordinates) {
  pugi::xml_document doc;
  const pugi::xml_node font = Load(doc, R"(
<font><common lineHeight="10"/><chars>
  <char id="63" x="4" y="4" width="8" height="8" xadvance="9"/>
</chars></font>)");
  for (const BmFontPage page : {BmFontPage::kTexture, BmFontPage::kDescribed}) {
    GlyphMap glyphs;
    ReadBmFont(font, page, 0.0f, 0.0f, glyphs);  // no texture / no scaleW, scaleH
    const Glyph* glyph = glyphs.Find(63);
    ASSERT_NE(glyph, nullptr);
    for (const float coordinate : {glyph->left, glyph->top, glyph->right, glyph->bottom}) {
      EXPECT_TRUE(std::isfinite(coordinate));
      EXPECT_EQ(coordinate, 0.0f);
    }
    EXPECT_EQ(glyph->width, 8) << "the glyph keeps its size and metrics";
  }

  GlyphMap glyphs;
  ReadBmFont(font, BmFontPage::kTexture, 16.0f, 0.0f, glyphs);
  EXPECT_FLOAT_EQ(glyphs.Find(63)->right, 0.75f) << "a usable side is still divided";
  EXPECT_EQ(glyphs.Find(63)->bottom, 0.0f);
}

TEST(BmFontReaderTest, HostileNumbersStayDefined) {
  pugi::xml_document doc;
  GlyphMap glyphs;
  ReadBmFont(Load(doc, R"(
<font><common scaleW="inf" scaleH="nan"/><chars>
  <char id="1" x="1e30" y="-1e30" width="1e30" height="nan" xadvance="5"/>
</chars></font>)"),
             BmFontPage::kDescribed, 0.0f, 0.0f, glyphs);
  const Glyph* glyph = glyphs.Find(1);
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(glyph->width, INT32_MAX);
  EXPECT_EQ(glyph->height, 0);
  EXPECT_EQ(glyph->left, 0.0f);
}

TEST(GlyphMapTest, DrawingFallsBackToQuestionMark) {
  GlyphMap glyphs;
  EXPECT_EQ(glyphs.FindForDrawing('A'), nullptr);
  EXPECT_EQ(glyphs.First(), nullptr);
  Glyph a;
  a.id = 'A';
  a.xadvance = 7;
  glyphs.Set(a);
  EXPECT_EQ(glyphs.FindForDrawing('B'), nullptr) << "no glyph and no question mark";
  Glyph question;
  question.id = '?';
  question.xadvance = 5;
  glyphs.Set(question);
  EXPECT_EQ(glyphs.FindForDrawing('A')->xadvance, 7);
  EXPECT_EQ(glyphs.FindForDrawing('B')->id, '?');
  EXPECT_EQ(glyphs.Find('B'), nullptr);
  glyphs.Clear();
  EXPECT_TRUE(glyphs.Empty());
}

// --- The fonts the game ships.

std::vector<unsigned char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t BigEndian(const std::vector<unsigned char>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) << 24 | static_cast<uint32_t>(bytes[at + 1]) << 16 |
         static_cast<uint32_t>(bytes[at + 2]) << 8 | static_cast<uint32_t>(bytes[at + 3]);
}

// "folder file" resource names of the list, as paths under Resources/.
std::string ResourcePath(const std::string& name) {
  std::string path = name;
  const size_t blank = path.find(' ');
  if (blank != std::string::npos) path[blank] = '/';
  return test_support::SourcePath("Resources/") + path;
}

TEST(ShippedFontsTest, EveryListedFontReadsWithTheCharactersTheGameShows) {
  pugi::xml_document list;
  ASSERT_TRUE(list.load_file(test_support::SourcePath("Resources/data/share/font/fonts.xml").c_str()));
  const pugi::xml_node fonts = list.child("fonts");
  ASSERT_TRUE(fonts.first_child());
  int listed = 0;
  for (pugi::xml_node entry = fonts.first_child(); entry; entry = entry.next_sibling()) {
    ++listed;
    const std::string name = entry.attribute("name").as_string();
    SCOPED_TRACE(name);
    ASSERT_FALSE(name.empty());
    const std::string texture = entry.attribute("texture").as_string();
    const std::string xml = entry.attribute("xml").as_string();
    ASSERT_EQ(texture.rfind("data/share/font ", 0), 0u) << "named as folder, blank, file";
    ASSERT_EQ(xml.rfind("data/share/font ", 0), 0u);

    // The page: a PNG whose size the description states.
    const std::vector<unsigned char> png = ReadBytes(ResourcePath(texture));
    ASSERT_GT(png.size(), 24u);
    ASSERT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    const float page_width = static_cast<float>(BigEndian(png, 16));
    const float page_height = static_cast<float>(BigEndian(png, 20));

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(ResourcePath(xml).c_str()));
    const pugi::xml_node font = doc.child("font");
    ASSERT_TRUE(font);
    EXPECT_EQ(font.child("common").attribute("scaleW").as_float(), page_width);
    EXPECT_EQ(font.child("common").attribute("scaleH").as_float(), page_height);

    GlyphMap glyphs;
    const BmFontDescription read =
        ReadBmFont(font, BmFontPage::kTexture, page_width, page_height, glyphs);
    EXPECT_GT(read.line_height, 10);
    EXPECT_EQ(static_cast<size_t>(read.chars_read), glyphs.Size()) << "no repeated ids";
    for (int32_t c = 32; c <= 255; ++c) {
      if (c > 126 && c < 160) continue;
      const Glyph* glyph = glyphs.Find(c);
      ASSERT_NE(glyph, nullptr) << "character " << c;
      EXPECT_GT(glyph->xadvance, 0) << "character " << c;
      EXPECT_GE(glyph->left, 0.0f);
      EXPECT_GE(glyph->top, 0.0f);
      EXPECT_LE(glyph->right, 1.0f);
      EXPECT_LE(glyph->bottom, 1.0f);
    }
    EXPECT_GT(glyphs.Find('?')->width, 0);
    EXPECT_EQ(glyphs.Find(' ')->width, 0) << "a blank has no ink to place";
  }
  EXPECT_GE(listed, 3) << "a small, a medium and a large face at least";
}

}  // namespace
}  // namespace ORB
