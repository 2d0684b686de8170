#include "framework/trophy_condition.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>
#include <type_traits>

#include "framework/whole_number.h"

namespace ORB_GF {

namespace {

template <typename T>
bool ReadTarget(const char* text, TrophyNumber& target) {
  const auto number = ParseWhole<T>(text);
  if (number) target = *number;
  return number.has_value();
}

// A double's value in T's range: the nearest end beyond it, 0 for NaN, the
// fraction dropped for integers.
template <typename T>
T Saturate(double value) {
  if (std::isnan(value)) return T{};
  constexpr double kLow = static_cast<double>(std::numeric_limits<T>::lowest());
  constexpr double kHigh = static_cast<double>(std::numeric_limits<T>::max());
  if (value <= kLow) return std::numeric_limits<T>::lowest();
  if (value >= kHigh) return std::numeric_limits<T>::max();
  return static_cast<T>(value);
}

// Every alternative as a double: exact for bool, int and uint, and for float.
double AsDouble(const TrophyNumber& value) {
  return std::visit([](auto v) { return static_cast<double>(v); }, value);
}

template <typename T>
float Compare(T v, T t, TrophyOperator op) {
  switch (op) {
    case TrophyOperator::kGreater:
      return v > t ? 1.0f : 0.0f;
    case TrophyOperator::kLess:
      return v < t ? 1.0f : 0.0f;
    case TrophyOperator::kNotEqual:
      return v != t ? 1.0f : 0.0f;
    case TrophyOperator::kLessEqual:
      return v <= t ? 1.0f : 0.0f;
    case TrophyOperator::kEqual:
    case TrophyOperator::kGreaterEqual:
      break;
  }
  if constexpr (std::is_same_v<T, bool>) {
    return v == t ? 1.0f : 0.0f;
  } else {
    // The progress fraction needs a target above 0: 0 would divide by zero
    // (0 / 0 for floats), and a negative one would turn the fraction around.
    if (!(t > T{})) return v >= t ? 1.0f : 0.0f;
    return static_cast<float>(v / t);
  }
}

}  // namespace

TrophyNumber TrophyCondition::Convert(const TrophyNumber& value, TrophyValueType type) {
  const double number = AsDouble(value);
  switch (type) {
    case TrophyValueType::kBool:
      return !std::isnan(number) && number != 0.0;
    case TrophyValueType::kFloat:
      return Saturate<float>(number);
    case TrophyValueType::kInt:
      return Saturate<int32_t>(number);
    case TrophyValueType::kUint:
      return Saturate<uint32_t>(number);
  }
  return false;
}

TrophyValueType TrophyCondition::ParseType(const char* text) {
  if (std::strcmp(text, "int") == 0) return TrophyValueType::kInt;
  if (std::strcmp(text, "float") == 0) return TrophyValueType::kFloat;
  if (std::strcmp(text, "uint") == 0) return TrophyValueType::kUint;
  return TrophyValueType::kBool;
}

TrophyOperator TrophyCondition::ParseOperator(const char* text) {
  static constexpr const char* kTexts[] = {">", "<", "==", "!=", ">=", "<="};
  for (int32_t code = 0; code < 6; ++code) {
    if (std::strcmp(text, kTexts[code]) == 0) return static_cast<TrophyOperator>(code);
  }
  return TrophyOperator::kGreaterEqual;
}

bool TrophyCondition::Load(const pugi::xml_node& node) {
  const pugi::xml_attribute type = node.attribute("value_type");
  const pugi::xml_attribute value = node.attribute("value");
  const pugi::xml_attribute op = node.attribute("operator");
  if (!type || !value || !op) return false;

  TrophyNumber target;
  bool read = true;
  switch (ParseType(type.value())) {
    case TrophyValueType::kBool:
      target = value.as_bool();
      break;
    case TrophyValueType::kFloat:
      read = ReadTarget<float>(value.value(), target);
      break;
    case TrophyValueType::kInt:
      read = ReadTarget<int32_t>(value.value(), target);
      break;
    case TrophyValueType::kUint:
      read = ReadTarget<uint32_t>(value.value(), target);
      break;
  }
  if (!read) return false;
  name_ = node.attribute("name").value();
  target_ = target;
  operator_ = ParseOperator(op.value());
  return true;
}

float TrophyCondition::Test(const TrophyValue& value) const {
  if (value.name != name_) return 0.0f;
  const TrophyNumber v = Convert(value.value, GetType());
  return std::visit(
      [&](auto t) {
        using T = decltype(t);
        return Compare<T>(std::get<T>(v), t, operator_);
      },
      target_);
}

}  // namespace ORB_GF
