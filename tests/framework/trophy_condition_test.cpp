#include "framework/trophy_condition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <type_traits>

namespace {

using ORB_GF::TrophyCondition;
using ORB_GF::TrophyNumber;
using ORB_GF::TrophyOperator;
using ORB_GF::TrophyValue;
using ORB_GF::TrophyValueType;

// Only the four value types are taken; a double or a string literal must be
// cast by the caller rather than turn silently into a bool.
static_assert(std::is_constructible_v<TrophyValue, std::string, uint32_t>);
static_assert(!std::is_constructible_v<TrophyValue, std::string, double>);
static_assert(!std::is_constructible_v<TrophyValue, std::string, const char*>);
static_assert(!std::is_constructible_v<TrophyValue, std::string, uint64_t>);

constexpr TrophyOperator kGt = TrophyOperator::kGreater;
constexpr TrophyOperator kLt = TrophyOperator::kLess;
constexpr TrophyOperator kEq = TrophyOperator::kEqual;
constexpr TrophyOperator kNe = TrophyOperator::kNotEqual;
constexpr TrophyOperator kGe = TrophyOperator::kGreaterEqual;
constexpr TrophyOperator kLe = TrophyOperator::kLessEqual;

struct Case {
  const char* what;
  TrophyNumber target;
  TrophyOperator op;
  TrophyNumber value;
  float expected;
};

TEST(TrophyConditionTest, EveryOperatorOnEveryType) {
  const Case cases[] = {
      // bool: every operator compares (false < true); "==" and ">=" answer equality.
      {"bool >", true, kGt, false, 0.0f},
      {"bool > false", false, kGt, true, 1.0f},
      {"bool <", true, kLt, false, 1.0f},
      {"bool ==", true, kEq, true, 1.0f},
      {"bool == differs", true, kEq, false, 0.0f},
      {"bool == false", false, kEq, false, 1.0f},
      {"bool !=", true, kNe, false, 1.0f},
      {"bool >= is equality", false, kGe, true, 0.0f},
      {"bool >= same", true, kGe, true, 1.0f},
      {"bool <=", false, kLe, true, 0.0f},
      // float: "==" and ">=" answer the fraction.
      {"float >", 4.0f, kGt, 4.5f, 1.0f},
      {"float > equal", 4.0f, kGt, 4.0f, 0.0f},
      {"float <", 4.0f, kLt, 3.0f, 1.0f},
      {"float == fraction", 4.0f, kEq, 2.0f, 0.5f},
      {"float >= fraction", 4.0f, kGe, 2.0f, 0.5f},
      {"float >= past", 4.0f, kGe, 10.0f, 2.5f},
      {"float !=", 4.0f, kNe, 4.0f, 0.0f},
      {"float <=", 4.0f, kLe, 4.0f, 1.0f},
      // int: integer division.
      {"int == 10 by 10", int32_t{10}, kEq, int32_t{10}, 1.0f},
      {"int == 10 by 25", int32_t{10}, kEq, int32_t{25}, 2.0f},
      {"int == 10 by 9", int32_t{10}, kEq, int32_t{9}, 0.0f},
      {"int >=", int32_t{4}, kGe, int32_t{7}, 1.0f},
      {"int >", int32_t{4}, kGt, int32_t{-7}, 0.0f},
      {"int <", int32_t{4}, kLt, int32_t{-7}, 1.0f},
      {"int !=", int32_t{4}, kNe, int32_t{5}, 1.0f},
      {"int <=", int32_t{4}, kLe, int32_t{5}, 0.0f},
      // uint: unsigned division.
      {"uint ==", 3u, kEq, 7u, 2.0f},
      {"uint >= short", 3u, kGe, 2u, 0.0f},
      {"uint >", 3u, kGt, 4u, 1.0f},
      {"uint <", 3u, kLt, 4u, 0.0f},
      {"uint !=", 3u, kNe, 3u, 0.0f},
      {"uint <=", 3u, kLe, 3u, 1.0f},
      // A target of 0 never divides: 1 when value >= target.
      {"int >= 0", int32_t{0}, kGe, int32_t{0}, 1.0f},
      {"int == 0 below", int32_t{0}, kEq, int32_t{-1}, 0.0f},
      {"uint == 0", 0u, kEq, 0u, 1.0f},
      {"uint >= 0", 0u, kGe, 5u, 1.0f},
      {"float >= 0", 0.0f, kGe, 0.0f, 1.0f},
      {"float == 0 below", 0.0f, kEq, -0.5f, 0.0f},
      // A negative target compares directly, never as a fraction.
      {"int >= -4 by -2", int32_t{-4}, kGe, int32_t{-2}, 1.0f},
      {"int >= -4 by -8", int32_t{-4}, kGe, int32_t{-8}, 0.0f},
      {"int == -4 by -4", int32_t{-4}, kEq, int32_t{-4}, 1.0f},
      {"float >= -2 by 1", -2.0f, kGe, 1.0f, 1.0f},
      {"float >= -2 by -3", -2.0f, kGe, -3.0f, 0.0f},
  };
  for (const Case& c : cases) {
    const TrophyCondition condition("count", c.target, c.op);
    TrophyValue value("count", false);
    value.value = c.value;
    EXPECT_FLOAT_EQ(condition.Test(value), c.expected) << c.what;
  }
}

TEST(TrophyConditionTest, ValueIsConvertedByItsNumber) {
  // An int 3 tested as a float is 3.0 (its bits read as a float would be about 4e-45).
  EXPECT_FLOAT_EQ(TrophyCondition("n", 3.0f, kEq).Test({"n", int32_t{3}}), 1.0f);
  EXPECT_FLOAT_EQ(TrophyCondition("n", 6.0f, kGe).Test({"n", 3u}), 0.5f);
  // A float tested as an int drops its fraction; beyond the range it takes the nearest end.
  EXPECT_FLOAT_EQ(TrophyCondition("n", int32_t{2}, kEq).Test({"n", 4.9f}), 2.0f);
  EXPECT_FLOAT_EQ(TrophyCondition("n", int32_t{1}, kGe).Test({"n", 1e20f}),
                  static_cast<float>(std::numeric_limits<int32_t>::max()));
  // A negative number tested as a uint is 0, a NaN is 0.
  EXPECT_FLOAT_EQ(TrophyCondition("n", 1u, kGe).Test({"n", int32_t{-5}}), 0.0f);
  EXPECT_FLOAT_EQ(TrophyCondition("n", 0u, kLe).Test({"n", std::nanf("")}), 1.0f);
  // A uint past the int range tested as an int stays at the largest int.
  EXPECT_FLOAT_EQ(TrophyCondition("n", std::numeric_limits<int32_t>::max(), kEq).Test({"n", 4000000000u}),
                  1.0f);
  // Any number other than 0 is true; a true is 1.
  EXPECT_FLOAT_EQ(TrophyCondition("n", true, kEq).Test({"n", 7u}), 1.0f);
  EXPECT_FLOAT_EQ(TrophyCondition("n", true, kEq).Test({"n", 0.0f}), 0.0f);
  EXPECT_FLOAT_EQ(TrophyCondition("n", 2u, kEq).Test({"n", true}), 0.0f);

  EXPECT_EQ(TrophyCondition::Convert(int32_t{3}, TrophyValueType::kFloat), TrophyNumber(3.0f));
  EXPECT_EQ(TrophyCondition::Convert(-1.5f, TrophyValueType::kUint), TrophyNumber(0u));
  EXPECT_EQ(TrophyCondition::Convert(-1.5f, TrophyValueType::kInt), TrophyNumber(int32_t{-1}));
}

TEST(TrophyConditionTest, ANameMismatchAnswersZero) {
  const TrophyCondition condition("count", int32_t{1}, kGe);
  EXPECT_FLOAT_EQ(condition.Test({"count", int32_t{5}}), 5.0f);
  EXPECT_FLOAT_EQ(condition.Test({"Count", int32_t{5}}), 0.0f);
  EXPECT_FLOAT_EQ(condition.Test({"count ", int32_t{5}}), 0.0f);
}

struct ParseCase {
  const char* xml;
  bool loads;
  const char* name;
  TrophyNumber target;
  TrophyOperator op;
};

TEST(TrophyConditionTest, ReadsItsAttributesWithDefaults) {
  const ParseCase cases[] = {
      {R"(<c name="a" value_type="int" value="10" operator="=="/>)", true, "a", int32_t{10}, kEq},
      {R"(<c name="a" value_type="uint" value=" 7 " operator="&lt;="/>)", true, "a", 7u, kLe},
      {R"(<c name="a" value_type="float" value="0.25" operator="!="/>)", true, "a", 0.25f, kNe},
      {R"(<c name="a" value_type="bool" value="true" operator="&gt;"/>)", true, "a", true, kGt},
      // Unknown operator: ">="; unknown type: bool (read as the XML library reads booleans).
      {R"(<c name="a" value_type="int" value="3" operator="=&gt;"/>)", true, "a", int32_t{3}, kGe},
      {R"(<c name="a" value_type="INT" value="1" operator="&lt;"/>)", true, "a", true, kLt},
      {R"(<c name="a" value_type="double" value="0" operator="&lt;"/>)", true, "a", false, kLt},
      // No name: "".
      {R"(<c value_type="int" value="-2" operator="&gt;"/>)", true, "", int32_t{-2}, kGt},
      // A missing type, value or operator, or a value that is not a number of the type.
      {R"(<c name="a" value="3" operator="=="/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="int" operator="=="/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="int" value="3"/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="int" value="ten" operator="=="/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="int" value="3x" operator="=="/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="int" value="" operator="=="/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="int" value="2147483648" operator="=="/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="uint" value="-1" operator="=="/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="float" value="nan" operator="=="/>)", false, "", false, kGe},
      {R"(<c name="a" value_type="float" value="1e40" operator="=="/>)", false, "", false, kGe},
  };
  for (const ParseCase& c : cases) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(c.xml)) << c.xml;
    TrophyCondition condition;
    EXPECT_EQ(condition.Load(document.first_child()), c.loads) << c.xml;
    EXPECT_EQ(condition.GetName(), c.name) << c.xml;
    EXPECT_EQ(condition.GetTarget(), c.target) << c.xml;
    EXPECT_EQ(condition.GetOperator(), c.op) << c.xml;
  }
}

TEST(TrophyConditionTest, TypeAndOperatorNamesCompareExactly) {
  EXPECT_EQ(TrophyCondition::ParseType("float"), TrophyValueType::kFloat);
  EXPECT_EQ(TrophyCondition::ParseType("uint"), TrophyValueType::kUint);
  EXPECT_EQ(TrophyCondition::ParseType("Float"), TrophyValueType::kBool);
  EXPECT_EQ(TrophyCondition::ParseType(""), TrophyValueType::kBool);
  EXPECT_EQ(TrophyCondition::ParseOperator("<"), kLt);
  EXPECT_EQ(TrophyCondition::ParseOperator(">= "), kGe);
  EXPECT_EQ(TrophyCondition::ParseOperator("="), kGe);
  EXPECT_EQ(TrophyCondition::ParseOperator(""), kGe);
}

}  // namespace
