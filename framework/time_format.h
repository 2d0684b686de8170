#pragma once
// Seconds as hours, minutes and seconds, and as the clock text shown on
// screen ("mm:ss", or "h:mm:ss" once an hour is reached, at least two digits
// each).
#include <cstdint>
#include <string>

namespace ORB_GF {

struct SplitTime {
  int32_t hours = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
};

// Whole seconds (truncated toward zero) split into hours, minutes and
// seconds. Negative or non-numeric times count as 0; very large ones stop at
// the largest whole number of seconds an int holds.
SplitTime SplitSeconds(float seconds);

// "%02i:%02i" of minutes and seconds, or "%02i:%02i:%02i" with the hours.
std::wstring FormatTime(float seconds);

}  // namespace ORB_GF
