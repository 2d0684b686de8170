#pragma once
// A colour as four floats from 0 to 1, for interpolating between colours.
#include <cstdint>

#include "engine/foundation/colour.h"

namespace ORB {

struct ColourF {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
  float a = 0.0f;

  constexpr ColourF() = default;
  constexpr ColourF(float red, float green, float blue, float alpha)
      : r(red), g(green), b(blue), a(alpha) {}
  // From an ARGB word (SetUInt).
  explicit ColourF(uint32_t argb) { SetUInt(argb); }

  constexpr void Set(float red, float green, float blue, float alpha) {
    r = red;
    g = green;
    b = blue;
    a = alpha;
  }
  // Each byte of the ARGB word / 255.
  void SetUInt(uint32_t argb);
  constexpr void Clear() { Set(0.0f, 0.0f, 0.0f, 0.0f); }
  // Per channel: 1 or more gives 255, 0 or less gives 0, otherwise
  // value * 255 + 0.5 truncated; answers the ARGB word.
  uint32_t ToColour() const;
  Colour ToColourValue() const { return Colour(ToColour()); }

  constexpr ColourF operator+(const ColourF& o) const {
    return {r + o.r, g + o.g, b + o.b, a + o.a};
  }
  constexpr ColourF operator-(const ColourF& o) const {
    return {r - o.r, g - o.g, b - o.b, a - o.a};
  }
  constexpr ColourF operator*(float s) const { return {r * s, g * s, b * s, a * s}; }
  // Division by 0 leaves the colour unchanged.
  constexpr ColourF operator/(float s) const {
    return s == 0.0f ? *this : ColourF{r / s, g / s, b / s, a / s};
  }
  constexpr ColourF& operator+=(const ColourF& o) { return *this = *this + o; }
  constexpr ColourF& operator-=(const ColourF& o) { return *this = *this - o; }
  constexpr ColourF& operator*=(float s) { return *this = *this * s; }
  constexpr ColourF& operator/=(float s) { return *this = *this / s; }

  constexpr bool operator==(const ColourF& o) const {
    return r == o.r && g == o.g && b == o.b && a == o.a;
  }
};

constexpr ColourF operator*(float s, const ColourF& c) { return c * s; }

}  // namespace ORB
