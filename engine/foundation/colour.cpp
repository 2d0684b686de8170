#include "engine/foundation/colour.h"

#include <array>
#include <charconv>
#include <vector>

#include "engine/foundation/number_text.h"
#include "engine/foundation/split_string.h"

namespace ORB {

bool Colour::Parse(std::string_view text) {
  const std::vector<std::string> parts = SplitString(text, " ");
  if (parts.size() < 4) return false;
  Set(static_cast<uint8_t>(ParseIntText(parts[0])), static_cast<uint8_t>(ParseIntText(parts[1])),
      static_cast<uint8_t>(ParseIntText(parts[2])), static_cast<uint8_t>(ParseIntText(parts[3])));
  return true;
}

std::string Colour::ToString() const {
  std::string out = std::to_string(a);
  out += ' ';
  out += std::to_string(r);
  out += ' ';
  out += std::to_string(g);
  out += ' ';
  out += std::to_string(b);
  return out;
}

std::string Colour::ToHexString() const {
  std::array<char, 8> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), ToUInt(), 16);
  return std::string(buffer.data(), result.ptr);
}

Colour ParseHexColour(std::string_view text) { return Colour(ParseHexWord(text)); }

}  // namespace ORB
