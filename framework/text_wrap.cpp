#include "framework/text_wrap.h"

#include <string_view>

namespace ORB_GF {

namespace {

// One paragraph (no line break inside) wrapped into `out`.
void WrapParagraph(const ORB::OC_FONT& font, std::wstring_view paragraph, int32_t width,
                   std::wstring& out) {
  std::wstring line;
  size_t at = 0;
  while (at < paragraph.size()) {
    const size_t blank = paragraph.find(L' ', at);
    const size_t end = blank == std::wstring_view::npos ? paragraph.size() : blank;
    const std::wstring_view word = paragraph.substr(at, end - at);
    at = end == paragraph.size() ? end : end + 1;
    if (word.empty()) continue;
    if (line.empty()) {
      line = word;
      continue;
    }
    std::wstring longer = line + L' ';
    longer += word;
    if (font.MeasureLine(longer.c_str()) <= width) {
      line = std::move(longer);
    } else {
      out += line;
      out += L'\n';
      line = word;
    }
  }
  out += line;
}

}  // namespace

std::wstring WrapText(const ORB::OC_FONT& font, const std::wstring& text, int32_t width) {
  if (width <= 0) return text;
  std::wstring out;
  size_t at = 0;
  for (;;) {
    const size_t end = text.find(L'\n', at);
    WrapParagraph(font,
                  std::wstring_view(text).substr(
                      at, end == std::wstring::npos ? std::wstring::npos : end - at),
                  width, out);
    if (end == std::wstring::npos) break;
    out += L'\n';
    at = end + 1;
  }
  return out;
}

}  // namespace ORB_GF
