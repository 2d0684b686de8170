#pragma once
// A colour as one 32-bit ARGB word. The bytes lie blue, green, red, alpha in
// memory (blue in the low byte of the word), so a Colour can be copied
// straight into a vertex's colour word.
#include <cstdint>
#include <string>
#include <string_view>

namespace ORB {

struct Colour {
  uint8_t b = 0;
  uint8_t g = 0;
  uint8_t r = 0;
  uint8_t a = 0;

  constexpr Colour() = default;
  constexpr explicit Colour(uint32_t argb) { SetARGB(argb); }
  constexpr Colour(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue)
      : b(blue), g(green), r(red), a(alpha) {}

  constexpr void Set(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue) {
    a = alpha;
    r = red;
    g = green;
    b = blue;
  }
  constexpr void SetARGB(uint32_t argb) {
    a = static_cast<uint8_t>(argb >> 24);
    r = static_cast<uint8_t>(argb >> 16);
    g = static_cast<uint8_t>(argb >> 8);
    b = static_cast<uint8_t>(argb);
  }
  constexpr void FromUInt(uint32_t argb) { SetARGB(argb); }
  constexpr uint32_t ToUInt() const {
    return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 |
           static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
  }
  constexpr void SetWhite() { Set(255, 255, 255, 255); }
  constexpr void Zero() { Set(0, 0, 0, 0); }

  // Reads four decimal integers alpha, red, green, blue separated by single
  // blanks (each kept modulo 256). Fewer than four parts leave the colour
  // unchanged and answer false.
  bool Parse(std::string_view text);
  // The four bytes as "a r g b" in decimal: the form Parse reads.
  std::string ToString() const;
  // The word in lower-case hexadecimal without leading zeros ("%x").
  std::string ToHexString() const;

  // Byte by byte, each byte wrapping modulo 256.
  constexpr Colour operator+(const Colour& other) const {
    return Colour(static_cast<uint8_t>(a + other.a), static_cast<uint8_t>(r + other.r),
                  static_cast<uint8_t>(g + other.g), static_cast<uint8_t>(b + other.b));
  }
  constexpr Colour& operator+=(const Colour& other) { return *this = *this + other; }
  // Each byte divided by the divisor (integer division); a divisor of 0
  // leaves the colour unchanged.
  constexpr Colour operator/(uint8_t divisor) const {
    if (divisor == 0) return *this;
    return Colour(static_cast<uint8_t>(a / divisor), static_cast<uint8_t>(r / divisor),
                  static_cast<uint8_t>(g / divisor), static_cast<uint8_t>(b / divisor));
  }
  constexpr Colour& operator/=(uint8_t divisor) { return *this = *this / divisor; }

  constexpr bool operator==(const Colour& other) const { return ToUInt() == other.ToUInt(); }
};

static_assert(sizeof(Colour) == 4, "a Colour is one 32-bit word");

// A hexadecimal ARGB word ("FF808080", "0xff808080") as a colour; text that
// starts with no hexadecimal digit gives 0.
Colour ParseHexColour(std::string_view text);

}  // namespace ORB
