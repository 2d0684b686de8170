#pragma once
// OC_FONT: text drawn with a bitmap font described in the AngelCode BMFont
// XML layout (bmfont_reader.h): one texture page holding every glyph, and per
// character its rectangle in the page, its drawing offset and its advance.
// It draws 8-bit and wide text with line breaks and a 3 x 3 alignment code
// (text_layout.h), formats into buffers of its own, and measures lines.
//
// Text is drawn as it stands: only DrawFormat and DrawFormatA read a format,
// so a name or a label containing "%" is never taken for one. A character
// the font lacks is drawn, and measured, as "?".
//
// Every glyph is drawn with the one page quad (OC_MESH), re-positioned,
// re-sized and re-mapped per glyph. Owners reach its transform through
// GetPageTransform: labels give it their transform as parent so the text
// follows the widget, and a scale that grows the glyphs.
#include <cstdint>
#include <memory>

#include <pugixml.hpp>

#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"
#include "engine/scene/glyph_map.h"
#include "engine/scene/mesh.h"
#include "engine/scene/text_layout.h"

namespace ORB {

class OC_FONT {
 public:
  static constexpr int32_t kMinCapacity = 600;

  // An empty font: a page quad, no glyphs, every number 0, no buffers.
  // Init completes it.
  OC_FONT();
  // Reads the description (the font's root element) against the texture,
  // whose size is the page size. capacity sizes the formatting buffers (at
  // least 600 characters).
  OC_FONT(pugi::xml_node description, TextureRecord* texture, int32_t capacity);
  ~OC_FONT();
  OC_FONT(const OC_FONT&) = delete;
  OC_FONT& operator=(const OC_FONT&) = delete;

  // Completes a font made empty: the page shows the texture at its full
  // size, the buffers are (re)made, and the description is read with the
  // page size it states ("scaleW", "scaleH" of "common"), the cell width
  // from the glyph with the lowest id. Answers kResultOk.
  int32_t Init(pugi::xml_node description, TextureRecord* texture, int32_t capacity);
  // (Re)reads the description against the texture: a new page quad (with a
  // new transform: no parent, scale 1) on the texture, the glyph map emptied
  // and refilled, letter spacing 0. kResultOk when at least one glyph was
  // read (then cell width 20, page anchor HS_MID, alignment 0), else
  // kResultFailed.
  [[nodiscard]] int32_t LoadXml(pugi::xml_node description, TextureRecord* texture);

  // Wide text at (x, y) with the font's alignment.
  void DrawText(int32_t x, int32_t y, const wchar_t* text);
  // Formats with the engine's wide formatter into the wide buffer and draws
  // the result when it has at least one character.
  void DrawFormat(int32_t x, int32_t y, const wchar_t* format, ...);
  // Draws the text at (0, 0) in the frame of the transform (its parents
  // included) with the given alignment; the page's parent and the font's
  // alignment are as before afterwards.
  void DrawTransformed(const OS_TRANSFORM3& transform, int32_t alignment, const wchar_t* text);
  // Runs draw() with the page hung from a copy of the transform (its parents
  // included) and the font's alignment set to `alignment`, as DrawTransformed
  // does for a whole text; for owners that draw glyph by glyph (DrawChar).
  template <typename Draw>
  void DrawInFrame(const OS_TRANSFORM3& transform, int32_t code, Draw&& draw) {
    OS_TRANSFORM3 frame = transform;
    OS_TRANSFORM3& page = page_->EnsureTransform();
    OS_TRANSFORM3* const saved_parent = page.parent;
    const int32_t saved_alignment = alignment;
    page.parent = &frame;
    alignment = code;
    draw();
    page.parent = saved_parent;
    alignment = saved_alignment;
  }
  // 8-bit text at (x, y) with the font's alignment (the 8-bit table).
  void DrawTextA(int32_t x, int32_t y, const char* text);
  // Formats with vsnprintf into the 8-bit buffer (at most capacity - 4
  // bytes) and draws the buffer.
  void DrawFormatA(int32_t x, int32_t y, const char* format, ...)
      __attribute__((format(printf, 4, 5)));
  // Draws the glyph shown for c (its own or "?") with its top-left corner
  // offset from (x, y); answers its advance, 0 when nothing was drawn.
  int32_t DrawChar(int32_t c, int32_t x, int32_t y);

  // The advance of the glyph shown for c (its own or "?"); 0 when none.
  int32_t GetAdvance(int32_t c) const;
  // Width of the first line of wide text, as drawn.
  int32_t MeasureLine(const wchar_t* text) const;
  // Characters of the first line times (cell width + letter spacing); 0 for a
  // font without glyphs.
  int32_t MeasureFixed(const wchar_t* text) const;
  // Where the first line of the text starts from the pen's origin under the
  // font's alignment (0, minus half its width, or minus its width).
  int32_t GetLineStart(const wchar_t* text) const;

  void SetPageAnchor(int32_t anchor) { page_->SetAnchor(anchor, 0.0f, 0.0f); }
  void SetTexture(TextureRecord* texture) { page_->SetTexture(texture); }
  TextureRecord* GetTexture() const { return page_->GetTexture(); }
  // The colour of every corner of the page quad (ARGB), which multiplies the
  // page's texels: the colour of the text.
  void SetColor(uint32_t argb) { page_->SetVertexColor(argb); }
  uint32_t GetColor() const { return page_->GetVertexColor(0); }
  // Draws the whole page once (a diagnostic).
  void DrawPage();

  OS_TRANSFORM3& GetPageTransform() { return page_->EnsureTransform(); }
  OC_MESH& GetPage() { return *page_; }
  const OC_MESH& GetPage() const { return *page_; }
  int32_t GetLineHeight() const { return line_height_; }
  int32_t GetGlyphCount() const { return glyph_count_; }
  int32_t GetCellWidth() const { return cell_width_; }
  int32_t GetCapacity() const { return capacity_; }
  float GetPageWidth() const { return page_width_; }
  float GetPageHeight() const { return page_height_; }
  const GlyphMap& GetGlyphs() const { return glyphs_; }

  // Set directly by users.
  int32_t letter_spacing = 0;  // added to every advance
  int32_t line_spacing = 0;    // extra pixels between lines
  int32_t alignment = 0;       // 0..8, see text_layout.h

 private:
  void AllocateBuffers(int32_t capacity);
  // Replaces the page quad with a new one (and a new transform) showing the
  // whole texture.
  void NewPage(TextureRecord* texture);
  TextMetrics Metrics() const;

  std::unique_ptr<OC_MESH> page_;
  int32_t glyph_count_ = 0;
  int32_t line_height_ = 0;
  int32_t cell_width_ = 0;
  GlyphMap glyphs_;
  std::unique_ptr<char[]> text_buffer_;
  std::unique_ptr<wchar_t[]> wide_buffer_;
  float page_width_ = 0.0f;
  float page_height_ = 0.0f;
  int32_t capacity_ = 0;
};

}  // namespace ORB
