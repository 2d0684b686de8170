#include "engine/foundation/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace ORB {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Skips white space and one sign; answers whether the sign was a minus.
bool TakeSign(std::string_view& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  text.remove_prefix(i);
  return negative;
}

bool HasHexPrefix(std::string_view text) {
  return text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
         HexDigit(text[2]) >= 0;
}

bool HasHexFloatPrefix(std::string_view text) {
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return false;
  if (HexDigit(text[2]) >= 0) return true;
  return text[2] == '.' && text.size() >= 4 && HexDigit(text[3]) >= 0;
}

// For a number the parser found out of range: whether it was too large
// (rather than too small). The digits' position and the exponent give the
// magnitude roughly, which is plenty to tell 1e400 from 1e-400.
bool IsOverflow(std::string_view number, bool hex) {
  const char exponentMark = hex ? 'p' : 'e';
  int64_t position = 0;  // digits before the point, or minus zeros after it
  bool seenNonZero = false;
  bool afterPoint = false;
  size_t i = 0;
  for (; i < number.size(); ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    const int digit = hex ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
    if (digit < 0) break;
    if (!seenNonZero && digit == 0) {
      if (afterPoint) --position;
      continue;
    }
    seenNonZero = true;
    if (!afterPoint) ++position;
  }
  int64_t exponent = 0;
  if (i < number.size() && (number[i] == exponentMark || number[i] == exponentMark - 32)) {
    ++i;
    bool negative = false;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) negative = number[i++] == '-';
    for (; i < number.size() && IsDigit(number[i]); ++i) {
      exponent = std::min<int64_t>(exponent * 10 + (number[i] - '0'), int64_t{1} << 40);
    }
    if (negative) exponent = -exponent;
  }
  return (hex ? position * 4 : position) + exponent > 0;
}

}  // namespace

int32_t ParseIntText(std::string_view text) {
  const bool negative = TakeSign(text);
  int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) break;
    value = std::min<int64_t>(value * 10 + (c - '0'), int64_t{1} << 40);
  }
  if (negative) value = -value;
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

double ParseDoubleText(std::string_view text) {
  const bool negative = TakeSign(text);
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) return 0.0;
  const bool hex = HasHexFloatPrefix(text);
  const std::string_view number = hex ? text.substr(2) : text;
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      hex ? std::chars_format::hex : std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    const std::string_view matched(number.data(), static_cast<size_t>(result.ptr - number.data()));
    value = IsOverflow(matched, hex) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

float ToFloatSaturated(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) {
    // Round to nearest: up to half a unit above the largest float still
    // rounds down to it; from there on the result is infinite.
    const double limit = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    return value < limit ? std::numeric_limits<float>::max()
                         : std::numeric_limits<float>::infinity();
  }
  if (value < -kMax) return -ToFloatSaturated(-value);
  return static_cast<float>(value);
}

float ParseFloatText(std::string_view text) { return ToFloatSaturated(ParseDoubleText(text)); }

uint32_t ParseHexWord(std::string_view text) {
  const bool negative = TakeSign(text);
  if (HasHexPrefix(text)) text.remove_prefix(2);
  uint64_t value = 0;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) break;
    value = std::min<uint64_t>(value * 16 + static_cast<uint64_t>(digit), uint64_t{1} << 36);
  }
  if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
  const auto word = static_cast<uint32_t>(value);
  return negative ? 0u - word : word;
}

std::string FormatFixed(double value, int precision) {
  precision = std::clamp(precision, 0, 60);
  // The longest fixed form of a double: a sign, 309 integer digits, the
  // point and the decimals.
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, precision);
  if (result.ec != std::errc()) return {};
  return std::string(buffer.data(), result.ptr);
}

std::string FormatPaddedInt(int64_t value, int precision) {
  precision = std::clamp(precision, 0, 64);
  const bool negative = value < 0;
  // Magnitude as unsigned so that the smallest value negates safely.
  const uint64_t magnitude =
      negative ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::array<char, 24> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude);
  const std::string_view body(digits.data(), static_cast<size_t>(result.ptr - digits.data()));
  std::string out;
  if (negative) out.push_back('-');
  if (static_cast<int>(body.size()) < precision) {
    out.append(static_cast<size_t>(precision) - body.size(), '0');
  }
  out.append(body);
  return out;
}

std::wstring IntToWString(int64_t value) {
  const std::string narrow = FormatPaddedInt(value, 1);
  return std::wstring(narrow.begin(), narrow.end());
}

std::wstring FloatToWString(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 6);
  if (result.ec != std::errc()) return {};
  return std::wstring(buffer.data(), result.ptr);
}

}  // namespace ORB
