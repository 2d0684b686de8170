#include "engine/foundation/interpolation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ORB {

namespace {

constexpr float kTwoPi = 6.2831855f;

std::array<float, 12> Values(const OS_TRANSFORM3& t) {
  return {t.position.x, t.position.y, t.position.z, t.pivot.x,    t.pivot.y,    t.pivot.z,
          t.rotation.x, t.rotation.y, t.rotation.z, t.scale.x,    t.scale.y,    t.scale.z};
}

void Store(OS_TRANSFORM3& t, const std::array<float, 12>& v) {
  t.position.Set(v[0], v[1], v[2]);
  t.pivot.Set(v[3], v[4], v[5]);
  t.rotation.Set(v[6], v[7], v[8]);
  t.scale.Set(v[9], v[10], v[11]);
}

}  // namespace

float Lerp(float a, float b, float t) {
  if (t == 0.0f) return a;
  if (t == 1.0f) return b;
  return a + t * (b - a);
}

float QuadBezier(float p0, float p1, float p2, float t) {
  if (t == 0.0f) return p0;
  if (t == 1.0f) return p2;
  const float u = 1.0f - t;
  return u * u * p0 + 2.0f * t * u * p1 + t * t * p2;
}

float CubicBezier(float p0, float p1, float p2, float p3, float t) {
  if (t == 0.0f) return p0;
  if (t == 1.0f) return p3;
  const float u = 1.0f - t;
  return u * u * u * p0 + 3.0f * t * u * u * p1 + 3.0f * t * t * u * p2 + t * t * t * p3;
}

Vector3 QuadBezier3(const Vector3& p0, const Vector3& p1, const Vector3& p2, float t) {
  if (t == 0.0f) return p0;
  if (t == 1.0f) return p2;
  const float u = 1.0f - t;
  return p0 * (u * u) + p1 * (2.0f * t * u) + p2 * (t * t);
}

Vector3 CubicBezier3(const Vector3& p0, const Vector3& p1, const Vector3& p2, const Vector3& p3,
                     float t) {
  if (t == 0.0f) return p0;
  if (t == 1.0f) return p3;
  const float u = 1.0f - t;
  return p0 * (u * u * u) + p1 * (3.0f * t * u * u) + p2 * (3.0f * t * t * u) + p3 * (t * t * t);
}

Vector3 BezierN(std::span<const Vector3> points, float t) {
  if (points.empty()) return {};
  if (t == 0.0f) return points.front();
  if (t == 1.0f) return points.back();
  const size_t last = points.size() - 1;
  const double u = 1.0 - static_cast<double>(t);
  double powerT = 1.0;
  double powerU = std::pow(u, static_cast<double>(last));
  double binomial = 1.0;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  for (size_t i = 0; i <= last; ++i) {
    const double weight = binomial * powerT * powerU;
    x += weight * points[i].x;
    y += weight * points[i].y;
    z += weight * points[i].z;
    powerT *= t;
    powerU /= u;
    binomial = binomial * static_cast<double>(last - i) / static_cast<double>(i + 1);
  }
  return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

void QuadBezier(OS_TRANSFORM3& result, const OS_TRANSFORM3& p0, const OS_TRANSFORM3& p1,
                const OS_TRANSFORM3& p2, float t) {
  const std::array<float, 12> a = Values(p0);
  const std::array<float, 12> b = Values(p1);
  const std::array<float, 12> c = Values(p2);
  if (t <= 0.0f) return Store(result, a);
  if (t >= 1.0f) return Store(result, c);
  std::array<float, 12> out{};
  for (size_t i = 0; i < out.size(); ++i) out[i] = QuadBezier(a[i], b[i], c[i], t);
  Store(result, out);
}

void CubicBezier(OS_TRANSFORM3& result, const OS_TRANSFORM3& p0, const OS_TRANSFORM3& p1,
                 const OS_TRANSFORM3& p2, const OS_TRANSFORM3& p3, float t) {
  const std::array<float, 12> a = Values(p0);
  const std::array<float, 12> b = Values(p1);
  const std::array<float, 12> c = Values(p2);
  const std::array<float, 12> d = Values(p3);
  if (t <= 0.0f) return Store(result, a);
  if (t >= 1.0f) return Store(result, d);
  std::array<float, 12> out{};
  for (size_t i = 0; i < out.size(); ++i) out[i] = CubicBezier(a[i], b[i], c[i], d[i], t);
  Store(result, out);
}

float DampedOscillation(float t, float frequency, float amplitude, float damping) {
  const float divisor = std::max(std::exp(kTwoPi * t * damping), 0.001f);
  return std::sin(kTwoPi * frequency * t) * amplitude / divisor;
}

}  // namespace ORB
