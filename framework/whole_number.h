#pragma once
// Numbers in descriptions read strictly: the whole text (blanks around it
// aside) must be one number of the type, so that a typo ("3x", "", "1e99"
// for an int) is told from a value and the reader can keep its default.
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include <pugixml.hpp>

#include "engine/platform/log.h"

namespace ORB_GF {

inline std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The whole text as a number of type T; none when anything is left over, the
// number is out of T's range or (for float) not finite.
template <typename T>
std::optional<T> ParseWhole(std::string_view raw) {
  const std::string_view text = Trimmed(raw);
  T value{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return std::nullopt;
  }
  if constexpr (std::is_floating_point_v<T>) {
    if (!std::isfinite(value)) return std::nullopt;
  }
  return value;
}

// Reads the node's attribute of that name into value when it is present and
// a whole number; a malformed one is logged (under `subsystem`) and value
// keeps what it held. Answers whether value was set.
template <typename T>
bool ReadNumberAttribute(const pugi::xml_node& node, const char* name, T& value,
                         std::string_view subsystem) {
  const pugi::xml_attribute attribute = node.attribute(name);
  if (!attribute) return false;
  const std::optional<T> number = ParseWhole<T>(attribute.value());
  if (!number) {
    ORB::Log(ORB::LogLevel::kWarning, subsystem,
             std::string("<") + node.name() + ">: " + name + "=\"" + attribute.value() +
                 "\" is not a number; the default stays");
    return false;
  }
  value = *number;
  return true;
}

}  // namespace ORB_GF
