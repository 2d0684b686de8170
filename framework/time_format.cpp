#include "framework/time_format.h"

#include <cmath>
#include <limits>

#include "engine/foundation/format.h"

namespace ORB_GF {

SplitTime SplitSeconds(float seconds) {
  SplitTime out;
  if (!(seconds > 0.0f)) return out;
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  const auto total = static_cast<int32_t>(std::min(std::trunc(static_cast<double>(seconds)), kMax));
  out.hours = total / 3600;
  out.minutes = total % 3600 / 60;
  out.seconds = total % 3600 % 60;
  return out;
}

std::wstring FormatTime(float seconds) {
  const SplitTime time = SplitSeconds(seconds);
  wchar_t buffer[32];
  if (time.hours != 0) {
    ORB::FormatW(buffer, std::size(buffer), L"%02i:%02i:%02i", time.hours, time.minutes,
                 time.seconds);
  } else {
    ORB::FormatW(buffer, std::size(buffer), L"%02i:%02i", time.minutes, time.seconds);
  }
  return buffer;
}

}  // namespace ORB_GF
