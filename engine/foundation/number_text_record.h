#pragma once
// A number kept with its text, as the game hub shows values.
#include <cstdint>
#include <string>

namespace ORB {

struct NumberTextRecord {
  double number = 0.0;
  int32_t integer = 0;
  std::string text;

  const std::string& Text() const { return text; }
};

}  // namespace ORB
