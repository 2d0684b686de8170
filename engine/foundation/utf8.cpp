#include "engine/foundation/utf8.h"

#include <cstdint>

namespace ORB {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalar(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

void Append(std::string& out, char32_t c) {
  if (!IsScalar(c)) c = kReplacement;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::string WideToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t w : text) Append(out, static_cast<char32_t>(static_cast<uint32_t>(w)));
  return out;
}

std::wstring Utf8ToWide(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  const size_t n = text.size();
  auto byte = [&text](size_t at) { return static_cast<unsigned char>(text[at]); };
  size_t i = 0;
  while (i < n) {
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
      out.push_back(static_cast<wchar_t>(lead));
      ++i;
      continue;
    }
    // The allowed range of the second byte excludes overlong forms,
    // surrogates and code points above U+10FFFF from the start.
    int extra = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      // A stray continuation byte or a lead byte no valid text uses.
      out.push_back(static_cast<wchar_t>(kReplacement));
      ++i;
      continue;
    }
    char32_t c = lead & (0x3F >> extra);
    size_t j = i + 1;
    int taken = 0;
    while (taken < extra && j < n) {
      const unsigned char next = byte(j);
      const unsigned char min = taken == 0 ? low : 0x80;
      const unsigned char max = taken == 0 ? high : 0xBF;
      if (next < min || next > max) break;
      c = (c << 6) | (next & 0x3F);
      ++j;
      ++taken;
    }
    if (taken < extra) {
      // One replacement for the longest valid start of a sequence; decoding
      // resumes at the first byte that could not continue it.
      out.push_back(static_cast<wchar_t>(kReplacement));
      i = j;
      continue;
    }
    out.push_back(static_cast<wchar_t>(c));
    i = j;
  }
  return out;
}

}  // namespace ORB
