#include "engine/foundation/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include <locale.h>

namespace ORB {
namespace {

TEST(NumberText, ParseIntTable) {
  struct Case {
    const char* text;
    int32_t value;
  };
  const Case cases[] = {
      {"0", 0},          {"42", 42},          {"-17", -17},       {"+8", 8},
      {"  \t12", 12},    {"12abc", 12},       {"3.9", 3},         {"", 0},
      {"abc", 0},        {"-", 0},            {"+-3", 0},         {"- 3", 0},
      {"2147483647", 2147483647}, {"2147483648", 2147483647},
      {"-2147483648", -2147483647 - 1}, {"-99999999999999999999", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseIntText(c.text), c.value) << c.text;
}

TEST(NumberText, ParseDoubleTable) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"1.5", 1.5},      {"-2.25", -2.25},  {"+0.5", 0.5},     {" \n 7", 7.0},
      {".5", 0.5},       {"5.", 5.0},       {"1e3", 1000.0},   {"1E-2", 0.01},
      {"1e", 1.0},       {"1e+", 1.0},      {"2.5xyz", 2.5},   {"3,5", 3.0},
      {"", 0.0},         {".", 0.0},        {"x1", 0.0},       {"+-1", 0.0},
      {"0x10", 16.0},    {"0x1.8p1", 3.0},  {"-0x2", -2.0},    {"0xg", 0.0},
      {"1e-400", 0.0},   {"-1e-400", 0.0},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDoubleText(c.text), c.value) << c.text;

  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ParseDoubleText("1e400"), inf);
  EXPECT_EQ(ParseDoubleText("-1e400"), -inf);
  EXPECT_EQ(ParseDoubleText("12345678901234567890e300"), inf);
  EXPECT_EQ(ParseDoubleText("0.0000001e-320"), 0.0);
  EXPECT_EQ(ParseDoubleText("inf"), inf);
  EXPECT_EQ(ParseDoubleText("-Infinity"), -inf);
  EXPECT_TRUE(std::isnan(ParseDoubleText("nan")));
}

TEST(NumberText, ParseFloatStaysDefined) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(ParseFloatText("1e39"), inf);
  EXPECT_EQ(ParseFloatText("-1e39"), -inf);
  EXPECT_EQ(ParseFloatText("3.4028235e38"), std::numeric_limits<float>::max());
  EXPECT_EQ(ParseFloatText("0.25"), 0.25f);
  EXPECT_EQ(ToFloatSaturated(1e300), inf);
  EXPECT_TRUE(std::isnan(ToFloatSaturated(std::nan(""))));
}

TEST(NumberText, HexWordTable) {
  struct Case {
    const char* text;
    uint32_t value;
  };
  const Case cases[] = {
      {"ff", 0xFFu},     {"0xFF444444", 0xFF444444u}, {"  1a", 0x1Au}, {"1g", 1u},
      {"g", 0u},         {"0x", 0u},                  {"", 0u},        {"123456789", 0xFFFFFFFFu},
      {"-2", 0xFFFFFFFEu},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseHexWord(c.text), c.value) << c.text;
}

TEST(NumberText, FixedTable) {
  struct Case {
    double value;
    int precision;
    const char* text;
  };
  const Case cases[] = {
      {0.0, 3, "0.000"},       {1.5, 3, "1.500"},       {-2.25, 3, "-2.250"},
      {1024.0, 3, "1024.000"}, {0.0005, 3, "0.001"},    {0.1f, 3, "0.100"},
      {-0.0, 3, "-0.000"},     {2.5, 0, "2"},           {3.5, 0, "4"},
      {1e20, 1, "100000000000000000000.0"},             {123.456789, 5, "123.45679"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFixed(c.value, c.precision), c.text) << c.value;
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 3), "inf");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::max(), 3).size(), 314u);
}

TEST(NumberText, PaddedIntTable) {
  EXPECT_EQ(FormatPaddedInt(5, 3), "005");
  EXPECT_EQ(FormatPaddedInt(60, 3), "060");
  EXPECT_EQ(FormatPaddedInt(1024, 3), "1024");
  EXPECT_EQ(FormatPaddedInt(0, 3), "000");
  EXPECT_EQ(FormatPaddedInt(-5, 3), "-005");
  EXPECT_EQ(FormatPaddedInt(-1234, 3), "-1234");
  EXPECT_EQ(FormatPaddedInt(7, 0), "7");
  EXPECT_EQ(FormatPaddedInt(std::numeric_limits<int64_t>::min(), 3), "-9223372036854775808");
}

TEST(NumberText, WideNumbersAsAStreamWritesThem) {
  EXPECT_EQ(IntToWString(0), L"0");
  EXPECT_EQ(IntToWString(-42), L"-42");
  EXPECT_EQ(IntToWString(1234567), L"1234567");
  EXPECT_EQ(FloatToWString(0.5), L"0.5");
  EXPECT_EQ(FloatToWString(100.0), L"100");
  EXPECT_EQ(FloatToWString(0.1f), L"0.1");
  EXPECT_EQ(FloatToWString(3.14159265), L"3.14159");
  EXPECT_EQ(FloatToWString(123456789.0), L"1.23457e+08");
  EXPECT_EQ(FloatToWString(0.00001), L"1e-05");
  EXPECT_EQ(FloatToWString(-2.5), L"-2.5");
}

TEST(NumberText, RoundTripsThroughThreeDecimals) {
  for (float value : {0.0f, 1.0f, -1.0f, 0.333f, 1234.5f, -0.0004f, 3.14159f, 99999.999f}) {
    const float back = ParseFloatText(FormatFixed(value, 3));
    EXPECT_NEAR(back, value, 0.0005f + std::abs(value) * 1e-6f) << value;
  }
}

// Where a locale with a decimal comma is installed, switching this thread to
// it must change nothing.
TEST(NumberText, IndependentOfTheLocale) {
  locale_t comma = newlocale(LC_ALL_MASK, "de_DE.UTF-8", static_cast<locale_t>(nullptr));
  if (comma == static_cast<locale_t>(nullptr)) GTEST_SKIP() << "no de_DE.UTF-8 locale installed";
  const locale_t previous = uselocale(comma);
  EXPECT_EQ(FormatFixed(1.5, 3), "1.500");
  EXPECT_EQ(ParseDoubleText("1.5"), 1.5);
  EXPECT_EQ(FloatToWString(0.5), L"0.5");
  uselocale(previous);
  freelocale(comma);
}

}  // namespace
}  // namespace ORB
