#include "engine/foundation/string_utils.h"

namespace ORB {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

uint32_t ParseHex(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
      HexDigit(text[i + 2]) >= 0) {
    i += 2;
  }
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) break;
    value = value * 16 + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
  }
  return static_cast<uint32_t>(value);
}

size_t CountBlanks(std::string_view text) {
  size_t count = 0;
  for (char c : text) {
    if (c == ' ') ++count;
  }
  return count;
}

void ReplaceAll(std::string& text, char pattern, std::string_view replacement) {
  size_t at = text.find(pattern);
  while (at != std::string::npos) {
    text.replace(at, 1, replacement);
    at = text.find(pattern, at + replacement.size());
  }
}

void NormalizeSlashes(std::string& text) {
  for (char& c : text) {
    if (c == '\\') c = '/';
  }
}

}  // namespace ORB
