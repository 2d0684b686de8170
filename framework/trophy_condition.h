#pragma once
// TrophyCondition: one test of a trophy, comparing a named value of the game
// (a counter or a flag the caller supplies as a TrophyValue) with a target.
// "==" and ">=" on numbers answer the progress fraction value / target, so the
// trophy screens can show how far a player is; every other test answers 1 or
// 0. TrophyRecord (trophy_record.h) turns an answer of 1 or more into "got".
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

#include <pugixml.hpp>

namespace ORB_GF {

// The four kinds of value; the codes are the variant's alternative indexes
// and the trophies file's "value_type" names ("bool", "float", "int", "uint").
enum class TrophyValueType : int32_t { kBool = 0, kFloat = 1, kInt = 2, kUint = 3 };
using TrophyNumber = std::variant<bool, float, int32_t, uint32_t>;

// The trophies file's "operator" texts: ">" "<" "==" "!=" ">=" "<=".
enum class TrophyOperator : int32_t {
  kGreater = 0,
  kLess = 1,
  kEqual = 2,
  kNotEqual = 3,
  kGreaterEqual = 4,
  kLessEqual = 5,
};

// The value a trophy is tested with: its name and a bool, float, int or uint.
// Only those four types are taken; anything else (a double, a size_t, a
// string literal that would turn into a bool) must be cast by the caller.
struct TrophyValue {
  TrophyValue(std::string valueName, bool v) : name(std::move(valueName)), value(v) {}
  TrophyValue(std::string valueName, float v) : name(std::move(valueName)), value(v) {}
  TrophyValue(std::string valueName, int32_t v) : name(std::move(valueName)), value(v) {}
  TrophyValue(std::string valueName, uint32_t v) : name(std::move(valueName)), value(v) {}
  template <typename T>
  TrophyValue(std::string, T) = delete;

  std::string name;
  TrophyNumber value;
};

class TrophyCondition {
 public:
  // Name "", a bool target false, operator ">=".
  TrophyCondition() = default;
  TrophyCondition(std::string name, TrophyNumber target, TrophyOperator op)
      : name_(std::move(name)), target_(target), operator_(op) {}

  // Reads "name", "value_type", "value" and "operator". False (and nothing
  // changes) when one of the last three is missing or "value" is not a
  // number of the type (a float that is not finite, an int out of range, a
  // uint with a sign); an absent "name" reads as "". An unknown type reads as
  // bool (whose value is read as the XML library reads booleans), an unknown
  // operator as ">=".
  [[nodiscard]] bool Load(const pugi::xml_node& node);

  // 0 when the value's name is not this condition's (compared exactly).
  // Otherwise the value, converted to the condition's type by its number (an
  // int 3 tested as a float is 3.0; a value beyond the type's range takes the
  // nearest end, a NaN becomes 0), against the target:
  // - ">" "<" "!=" "<=": 1 when the comparison holds, else 0 (bools compare
  //   as 0 and 1);
  // - "==" and ">=" on a bool: 1 when equal, else 0;
  // - "==" and ">=" on a number: value / target (integer division for int and
  //   uint) when the target is above 0; with a target of 0 or below, 1 when
  //   value >= target, else 0 (no division by zero, and a negative target
  //   does not turn the fraction around).
  float Test(const TrophyValue& value) const;

  const std::string& GetName() const { return name_; }
  TrophyValueType GetType() const { return static_cast<TrophyValueType>(target_.index()); }
  const TrophyNumber& GetTarget() const { return target_; }
  TrophyOperator GetOperator() const { return operator_; }

  // The value converted to the type, as Test does.
  static TrophyNumber Convert(const TrophyNumber& value, TrophyValueType type);
  // "int" "float" "bool" "uint", anything else bool; ">" ... "<=", anything
  // else ">=". Both compare exactly.
  static TrophyValueType ParseType(const char* text);
  static TrophyOperator ParseOperator(const char* text);

 private:
  std::string name_;
  TrophyNumber target_ = false;
  TrophyOperator operator_ = TrophyOperator::kGreaterEqual;
};

}  // namespace ORB_GF
