#include "engine/foundation/vector2.h"

#include <cmath>
#include <vector>

#include "engine/foundation/number_text.h"
#include "engine/foundation/split_string.h"

namespace ORB {

namespace {
constexpr float kTwoPi = 6.2831855f;
}

bool Vector2::Parse(std::string_view text) {
  const std::vector<std::string> parts = SplitString(text, " ");
  if (parts.size() < 2) return false;
  Set(ParseFloatText(parts[0]), ParseFloatText(parts[1]));
  return true;
}

std::string Vector2::ToString() const { return FormatFixed(x, 3) + ' ' + FormatFixed(y, 3); }

float Vector2::Length() const { return std::sqrt(LengthSquared()); }

float Vector2::Normalize() {
  const float length = Length();
  if (length == 0.0f) return 0.0f;
  x /= length;
  y /= length;
  return length;
}

float Vector2::Distance(const Vector2& a, const Vector2& b) { return (a - b).Length(); }

float Vector2::AngleBetween(const Vector2& a, const Vector2& b) {
  if (a.Length() * b.Length() == 0.0f) return kTwoPi;
  // The signed angle from atan2 (exact for parallel vectors, where acos of a
  // rounded cosine is not), folded into [0, 2*pi).
  const float turn = a.x * b.y - a.y * b.x;
  const float angle = std::atan2(turn, Dot(a, b));
  if (angle >= 0.0f) return angle;
  const float result = kTwoPi + angle;
  return result >= kTwoPi ? 0.0f : result;
}

}  // namespace ORB
