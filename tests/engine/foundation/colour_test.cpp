#include "engine/foundation/colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/foundation/colour_f.h"

namespace ORB {
namespace {

TEST(Colour, WordAndBytesAgree) {
  Colour c;
  EXPECT_EQ(c.ToUInt(), 0u);
  c.Set(0xFF, 0x80, 0x40, 0x20);
  EXPECT_EQ(c.ToUInt(), 0xFF804020u);
  // In memory: blue, green, red, alpha.
  unsigned char bytes[4];
  std::memcpy(bytes, &c, sizeof bytes);
  EXPECT_EQ(bytes[0], 0x20);
  EXPECT_EQ(bytes[1], 0x40);
  EXPECT_EQ(bytes[2], 0x80);
  EXPECT_EQ(bytes[3], 0xFF);

  Colour d;
  d.FromUInt(0x11223344u);
  EXPECT_EQ(d.a, 0x11);
  EXPECT_EQ(d.r, 0x22);
  EXPECT_EQ(d.g, 0x33);
  EXPECT_EQ(d.b, 0x44);
  d.SetWhite();
  EXPECT_EQ(d.ToUInt(), 0xFFFFFFFFu);
  d.Zero();
  EXPECT_EQ(d.ToUInt(), 0u);
}

TEST(Colour, ParseTable) {
  struct Case {
    const char* text;
    bool parsed;
    uint32_t word;
  };
  const Case cases[] = {
      {"255 128 64 32", true, 0xFF804020u},
      {"1 2 3 4 5", true, 0x01020304u},   // extra parts are ignored
      {"256 -1 511 7", true, 0x00FFFF07u},  // each value kept modulo 256
      {"255  128 64 32", true, 0xFF008040u},  // the empty part reads as 0
      {" 9 8 7 6", true, 0x00090807u},       // leading blank: empty first part
      {"12abc 3.9 x 4", true, 0x0C030004u},  // atoi stops at the first non-digit
      {"255 128 64", false, 0xDEADBEEFu},    // three numbers: unchanged
      {"", false, 0xDEADBEEFu},
      {"255 128 64 ", false, 0xDEADBEEFu},  // a trailing blank adds no part
  };
  for (const Case& c : cases) {
    Colour colour(0xDEADBEEFu);
    EXPECT_EQ(colour.Parse(c.text), c.parsed) << c.text;
    EXPECT_EQ(colour.ToUInt(), c.word) << c.text;
  }
}

TEST(Colour, TextFormsRoundTrip) {
  for (uint32_t word : {0u, 0xFF804020u, 0x0000000Fu, 0xFFFFFFFFu, 0x7F00FF01u}) {
    const Colour colour(word);
    Colour back;
    ASSERT_TRUE(back.Parse(colour.ToString()));
    EXPECT_EQ(back, colour);
    EXPECT_EQ(ParseHexColour(colour.ToHexString()), colour);
  }
  EXPECT_EQ(Colour(0xFF804020u).ToString(), "255 128 64 32");
  EXPECT_EQ(Colour(0xFF804020u).ToHexString(), "ff804020");
  EXPECT_EQ(Colour(0x0000000Fu).ToHexString(), "f");
}

TEST(Colour, ParseHexTable) {
  struct Case {
    const char* text;
    uint32_t word;
  };
  const Case cases[] = {
      {"FF804020", 0xFF804020u}, {"ff804020", 0xFF804020u}, {"0xFF444444", 0xFF444444u},
      {"  88fff700", 0x88FFF700u}, {"12zz", 0x12u},       {"zz", 0u},
      {"", 0u},                  {"0x", 0u},              {"1FFFFFFFF", 0xFFFFFFFFu},
      {"-1", 0xFFFFFFFFu},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseHexColour(c.text).ToUInt(), c.word) << c.text;
}

TEST(Colour, ArithmeticWrapsAndDividesSafely) {
  const Colour a(200, 100, 255, 0);
  const Colour b(100, 100, 1, 0);
  EXPECT_EQ((a + b).ToUInt(), Colour(44, 200, 0, 0).ToUInt());
  EXPECT_EQ((Colour(255, 101, 7, 0) / 2).ToUInt(), Colour(127, 50, 3, 0).ToUInt());
  // Division by zero leaves the colour as it was.
  EXPECT_EQ((a / 0).ToUInt(), a.ToUInt());
  Colour c = a;
  c /= 0;
  EXPECT_EQ(c, a);
}

TEST(ColourF, FloatToByteRule) {
  ColourF c(1.2f, 0.5f, -1.0f, 0.25f);
  // red 255, green 0.5 * 255 + 0.5 = 128, blue 0, alpha 0.25 * 255 + 0.5 = 64.25 -> 64.
  EXPECT_EQ(c.ToColour(), 0x40FF8000u);
  EXPECT_EQ(ColourF(1.0f, 0.0f, 0.999f, 0.002f).ToColour(), 0x01FF00FFu);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(ColourF(nan, nan, nan, nan).ToColour(), 0u);
  EXPECT_EQ(c.ToColourValue().r, 255);
}

TEST(ColourF, WordRoundTripsThroughFloats) {
  for (uint32_t word : {0u, 0xFFFFFFFFu, 0x88FFF700u, 0xFF00FF00u, 0x01020304u}) {
    ColourF c;
    c.SetUInt(word);
    EXPECT_EQ(c.ToColour(), word);
    EXPECT_EQ(ColourF(word), c);
  }
  ColourF c;
  c.SetUInt(0x80FF4000u);
  EXPECT_FLOAT_EQ(c.a, 128 / 255.0f);
  EXPECT_FLOAT_EQ(c.r, 1.0f);
  EXPECT_FLOAT_EQ(c.g, 64 / 255.0f);
  EXPECT_FLOAT_EQ(c.b, 0.0f);
}

TEST(ColourF, ArithmeticForFades) {
  const ColourF start(1.0f, 1.0f, 1.0f, 1.0f);
  const ColourF end(0.0f, 1.0f, 0.0f, 1.0f);
  // Halfway along a fade, as a particle computes it.
  const ColourF half = start + (end - start) * 0.5f;
  EXPECT_EQ(half, ColourF(0.5f, 1.0f, 0.5f, 1.0f));
  EXPECT_EQ(half.ToColour(), 0xFF80FF80u);
  EXPECT_EQ(start / 2.0f, ColourF(0.5f, 0.5f, 0.5f, 0.5f));
  EXPECT_EQ(start / 0.0f, start);
  ColourF c = start;
  c *= 0.25f;
  EXPECT_EQ(c, ColourF(0.25f, 0.25f, 0.25f, 0.25f));
  EXPECT_NE(c, start);
  c.Clear();
  EXPECT_EQ(c, ColourF());
}

}  // namespace
}  // namespace ORB
