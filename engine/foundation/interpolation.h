#pragma once
// Interpolations and curves evaluated by the motion behaviours.
#include <span>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"

namespace ORB {

// t = 0 gives a and t = 1 gives b exactly, otherwise a + t * (b - a); t is
// not clamped, so t = 2 gives 2b - a.
float Lerp(float a, float b, float t);

// Quadratic and cubic Bezier curves: t = 0 gives the first control value and
// t = 1 the last exactly, otherwise the Bernstein form (t is not clamped).
float QuadBezier(float p0, float p1, float p2, float t);
float CubicBezier(float p0, float p1, float p2, float p3, float t);
Vector3 QuadBezier3(const Vector3& p0, const Vector3& p1, const Vector3& p2, float t);
Vector3 CubicBezier3(const Vector3& p0, const Vector3& p1, const Vector3& p2, const Vector3& p3,
                     float t);

// The Bezier curve of any number of control points: t = 0 gives the first,
// t = 1 the last, otherwise the Bernstein sum over all of them. No points give
// (0, 0, 0), one point gives that point.
Vector3 BezierN(std::span<const Vector3> points, float t);

// The curves applied to each of the twelve components of whole transforms
// (the parent of result is not touched); t <= 0 gives the first control
// transform's values and t >= 1 the last's.
void QuadBezier(OS_TRANSFORM3& result, const OS_TRANSFORM3& p0, const OS_TRANSFORM3& p1,
                const OS_TRANSFORM3& p2, float t);
void CubicBezier(OS_TRANSFORM3& result, const OS_TRANSFORM3& p0, const OS_TRANSFORM3& p1,
                 const OS_TRANSFORM3& p2, const OS_TRANSFORM3& p3, float t);

// sin(2*pi * frequency * t) * amplitude / exp(2*pi * t * damping). The
// divisor is kept at 0.001 or more, so a negative damping cannot blow the
// result up without bound.
float DampedOscillation(float t, float frequency, float amplitude, float damping);

}  // namespace ORB
