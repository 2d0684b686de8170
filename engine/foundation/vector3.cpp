#include "engine/foundation/vector3.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/foundation/number_text.h"
#include "engine/foundation/split_string.h"

namespace ORB {

namespace {
constexpr float kTwoPi = 6.2831855f;
}

bool Vector3::Parse(std::string_view text) {
  const std::vector<std::string> parts = SplitString(text, " ");
  if (parts.size() < 3) return false;
  Set(ParseFloatText(parts[0]), ParseFloatText(parts[1]), ParseFloatText(parts[2]));
  return true;
}

std::string Vector3::ToString() const {
  return FormatFixed(x, 3) + ' ' + FormatFixed(y, 3) + ' ' + FormatFixed(z, 3);
}

float Vector3::Length() const { return std::sqrt(LengthSquared()); }

float Vector3::Normalize() {
  const float length = Length();
  if (length == 0.0f) return 0.0f;
  x /= length;
  y /= length;
  z /= length;
  return length;
}

float Vector3::MaxComponent() const { return std::max({x, y, z}); }
float Vector3::MinComponent() const { return std::min({x, y, z}); }

float Vector3::AngleBetween(const Vector3& a, const Vector3& b) {
  if (a.Length() * b.Length() == 0.0f) return kTwoPi;
  // atan2 of the cross product's length and the dot product is the unsigned
  // angle, exact near 0 and pi where acos of a rounded cosine is not.
  const float angle = std::atan2(Cross(a, b).Length(), Dot(a, b));
  if (angle == 0.0f) return 0.0f;
  const float turn = a.x * b.y - a.y * b.x;
  if (turn > 0.0f) return angle;
  const float result = kTwoPi - angle;
  return result >= kTwoPi ? 0.0f : result;
}

Vector3 Vector3::Lerp(const Vector3& a, const Vector3& b, float t) {
  if (t <= 0.0f) return a;
  if (t >= 1.0f) return b;
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

}  // namespace ORB
