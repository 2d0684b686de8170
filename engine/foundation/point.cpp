#include "engine/foundation/point.h"

#include <cmath>
#include <vector>

#include "engine/foundation/number_text.h"
#include "engine/foundation/split_string.h"

namespace ORB {

bool Point::Parse(std::string_view text) {
  const std::vector<std::string> parts = SplitString(text, " ");
  if (parts.size() < 2) return false;
  Set(ParseIntText(parts[0]), ParseIntText(parts[1]));
  return true;
}

std::string Point::ToString() const { return FormatPaddedInt(x, 3) + ' ' + FormatPaddedInt(y, 3); }

float Point::Distance(int32_t px, int32_t py) const { return PointDistance(x, y, px, py); }

float PointDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  // In double so that far-apart points neither overflow nor lose precision.
  const double dx = static_cast<double>(x1) - x2;
  const double dy = static_cast<double>(y1) - y2;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

}  // namespace ORB
