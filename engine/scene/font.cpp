#include "engine/scene/font.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "engine/foundation/format.h"
#include "engine/foundation/result_codes.h"
#include "engine/scene/bmfont_reader.h"

namespace ORB {

namespace {

float TextureSide(const TextureRecord* texture, bool width) {
  if (texture == nullptr) return 0.0f;
  return static_cast<float>(width ? texture->Width() : texture->Height());
}

}  // namespace

OC_FONT::OC_FONT() : page_(std::make_unique<OC_MESH>()) { page_->EnsureTransform(); }

OC_FONT::OC_FONT(pugi::xml_node description, TextureRecord* texture, int32_t capacity)
    : page_(std::make_unique<OC_MESH>()) {
  AllocateBuffers(capacity);
  // A description without glyphs leaves an empty font whose texts draw
  // nothing; owners that care look at GetGlyphs().
  static_cast<void>(LoadXml(description, texture));
  letter_spacing = 0;
  line_spacing = 0;
}

OC_FONT::~OC_FONT() = default;

void OC_FONT::AllocateBuffers(int32_t capacity) {
  capacity_ = std::max(capacity, kMinCapacity);
  const size_t size = static_cast<size_t>(capacity_);
  text_buffer_ = std::make_unique<char[]>(size);
  wide_buffer_ = std::make_unique<wchar_t[]>(size);
  text_buffer_[0] = '\0';
  wide_buffer_[0] = L'\0';
}

void OC_FONT::NewPage(TextureRecord* texture) {
  page_ = std::make_unique<OC_MESH>();
  page_->SetFromTexture(texture, nullptr);
  page_->EnsureTransform();  // also without a texture
}

int32_t OC_FONT::Init(pugi::xml_node description, TextureRecord* texture, int32_t capacity) {
  // The page keeps its transform (an owner may have parented it); without a
  // texture it stays as it is.
  if (texture != nullptr) {
    const OS_MESH_FRAME whole = OS_MESH_FRAME::Whole(texture);
    page_->SetFromFrame(&whole);
    page_->SetUV(0.0f, 0.0f, 1.0f, 1.0f);
    page_->SetVertexColor(0xFFFFFFFFu);
  }
  AllocateBuffers(capacity);
  letter_spacing = 0;
  glyphs_.Clear();
  const BmFontDescription read =
      ReadBmFont(description, BmFontPage::kDescribed, 0.0f, 0.0f, glyphs_);
  line_height_ = read.line_height;
  page_width_ = read.page_width;
  page_height_ = read.page_height;
  glyph_count_ += read.chars_read;
  if (!glyphs_.Empty()) {
    cell_width_ = glyphs_.First()->width;
    page_->SetAnchor(HS_MID, 0.0f, 0.0f);
  }
  return kResultOk;
}

int32_t OC_FONT::LoadXml(pugi::xml_node description, TextureRecord* texture) {
  letter_spacing = 0;
  NewPage(texture);
  page_width_ = TextureSide(texture, true);
  page_height_ = TextureSide(texture, false);
  glyphs_.Clear();
  glyph_count_ = 0;
  const BmFontDescription read =
      ReadBmFont(description, BmFontPage::kTexture, page_width_, page_height_, glyphs_);
  line_height_ = read.line_height;
  glyph_count_ = read.chars_read;
  if (glyphs_.Empty()) return kResultFailed;
  cell_width_ = 20;
  page_->SetAnchor(HS_MID, 0.0f, 0.0f);
  alignment = 0;
  return kResultOk;
}

TextMetrics OC_FONT::Metrics() const {
  TextMetrics metrics;
  metrics.glyphs = &glyphs_;
  metrics.letter_spacing = letter_spacing;
  metrics.line_spacing = line_spacing;
  metrics.line_height = line_height_;
  metrics.alignment = alignment;
  const OS_TRANSFORM3* transform = page_->GetTransform();
  metrics.scale_x = transform != nullptr ? transform->scale.x : 1.0f;
  metrics.scale_y = transform != nullptr ? transform->scale.y : 1.0f;
  return metrics;
}

int32_t OC_FONT::DrawChar(int32_t c, int32_t x, int32_t y) {
  const Glyph* glyph = glyphs_.FindForDrawing(c);
  if (glyph == nullptr) return 0;
  OS_TRANSFORM3& transform = page_->EnsureTransform();
  transform.position.x = static_cast<float>(glyph->xoffset) + static_cast<float>(x);
  transform.position.y =
      static_cast<float>(glyph->yoffset) * transform.scale.y + static_cast<float>(y);
  page_->SetVertexUVs(glyph->left, glyph->top, glyph->right, glyph->bottom);
  page_->SetSize(static_cast<float>(glyph->width), static_cast<float>(glyph->height));
  page_->SetAnchor(HS_UL, 0.0f, 0.0f);
  page_->Draw();
  return glyph->xadvance;
}

void OC_FONT::DrawText(int32_t x, int32_t y, const wchar_t* text) {
  LayOutWide(Metrics(), x, y, text,
             [this](int32_t c, int32_t gx, int32_t gy) { return DrawChar(c, gx, gy); });
}

void OC_FONT::DrawTextA(int32_t x, int32_t y, const char* text) {
  LayOutNarrow(Metrics(), x, y, text,
               [this](int32_t c, int32_t gx, int32_t gy) { return DrawChar(c, gx, gy); });
}

void OC_FONT::DrawFormat(int32_t x, int32_t y, const wchar_t* format, ...) {
  if (wide_buffer_ == nullptr) return;
  va_list args;
  va_start(args, format);
  const size_t written = FormatWV(wide_buffer_.get(), static_cast<size_t>(capacity_), format, args);
  va_end(args);
  if (written > 0) DrawText(x, y, wide_buffer_.get());
}

void OC_FONT::DrawFormatA(int32_t x, int32_t y, const char* format, ...) {
  if (text_buffer_ == nullptr || format == nullptr) return;
  va_list args;
  va_start(args, format);
  const int written =
      std::vsnprintf(text_buffer_.get(), static_cast<size_t>(capacity_ - 4), format, args);
  va_end(args);
  if (written < 0) text_buffer_[0] = '\0';
  DrawTextA(x, y, text_buffer_.get());
}

void OC_FONT::DrawTransformed(const OS_TRANSFORM3& transform, int32_t code, const wchar_t* text) {
  // The page hangs from a copy of the transform, which keeps the transform's
  // own parent, so the text is placed by the whole chain.
  DrawInFrame(transform, code, [&] { DrawText(0, 0, text); });
}

int32_t OC_FONT::GetAdvance(int32_t c) const { return ShownAdvance(glyphs_, c); }

int32_t OC_FONT::MeasureLine(const wchar_t* text) const { return MeasureWideLine(Metrics(), text); }

int32_t OC_FONT::MeasureFixed(const wchar_t* text) const {
  if (glyphs_.Empty() || text == nullptr) return 0;
  int64_t count = 0;
  for (const wchar_t* p = text; *p != L'\0' && *p != L'\n'; ++p) ++count;
  return ClampToInt(count * (static_cast<int64_t>(cell_width_) + letter_spacing));
}

int32_t OC_FONT::GetLineStart(const wchar_t* text) const {
  return WideHorizontalOffset(alignment, MeasureLine(text));
}

void OC_FONT::DrawPage() {
  TextureRecord* texture = page_->GetTexture();
  page_->SetVertexUVs(0.0f, 0.0f, 1.0f, 1.0f);
  page_->SetSize(TextureSide(texture, true), TextureSide(texture, false));
  page_->Draw();
}

}  // namespace ORB
