#pragma once
// A 4x4 float matrix in Direct3D's row order: element (row r, column c) is at
// index r * 4 + c, points are row vectors multiplied on the left (p' = p * M)
// and the translation sits in elements 12, 13 and 14. A * B is "A, then B".
#include <cmath>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"

namespace ORB {

struct Matrix4 {
  float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

  // The identity.
  constexpr Matrix4() = default;
  // Sixteen values given column by column: the first four fill column 0
  // (rows 0 to 3), the next four column 1, and so on.
  constexpr Matrix4(float c0r0, float c0r1, float c0r2, float c0r3, float c1r0, float c1r1,
                    float c1r2, float c1r3, float c2r0, float c2r1, float c2r2, float c2r3,
                    float c3r0, float c3r1, float c3r2, float c3r3)
      : m{c0r0, c1r0, c2r0, c3r0, c0r1, c1r1, c2r1, c3r1,
          c0r2, c1r2, c2r2, c3r2, c0r3, c1r3, c2r3, c3r3} {}

  // Element access by row and column (0 to 3).
  constexpr float& operator()(int row, int column) { return m[row * 4 + column]; }
  constexpr float operator()(int row, int column) const { return m[row * 4 + column]; }
  constexpr float At(int row, int column) const { return m[row * 4 + column]; }

  static constexpr Matrix4 Identity() { return Matrix4(); }
  // The identity with only element 12, 13 or 14 set: a move along one axis.
  static Matrix4 TranslationX(float x);
  static Matrix4 TranslationY(float y);
  static Matrix4 TranslationZ(float z);
  static Matrix4 Translation(float x, float y, float z);
  static Matrix4 Scaling(float x, float y, float z);
  // Rotations by an angle in radians, for row vectors (as Direct3D's):
  // RotationZ turns (x, y) to (x cos - y sin, x sin + y cos).
  static Matrix4 RotationX(float angle);
  static Matrix4 RotationY(float angle);
  static Matrix4 RotationZ(float angle);
  // Each non-zero angle applied in turn: x, then y, then z.
  static Matrix4 RotationXYZ(float x, float y, float z);
  // Roll about z, then pitch about x, then yaw about y (Direct3D's
  // yaw-pitch-roll rotation).
  static Matrix4 RotationYawPitchRoll(float yaw, float pitch, float roll);
  // The transform a followed by b (a * b).
  static Matrix4 Multiply(const Matrix4& a, const Matrix4& b);
  // Left-handed view from eye towards at, with up as the upward direction.
  static Matrix4 LookAt(const Vector3& eye, const Vector3& at, const Vector3& up);
  // Left-handed perspective projection: vertical field of view in radians,
  // width / height, near and far planes; depth maps to 0 (near) .. 1 (far).
  static Matrix4 PerspectiveFov(float fieldOfViewY, float aspect, float zNear, float zFar);
  // The model matrix of a transform on its own (its parent is not looked at):
  // a point is moved by minus the pivot (x, y), scaled, rotated about z, then
  // y, then x (zero angles skipped) and moved by the position. Inline: every
  // quad and glyph drawn comes here, and the caller's copy of the result
  // then needs no trip through memory.
  static Matrix4 FromTransform(const OS_TRANSFORM3& transform) {
    if (transform.rotation.x != 0.0f || transform.rotation.y != 0.0f) {
      return FromTurnedTransform(transform);
    }
    return FromFlatTransform(transform);
  }
  // The same for a transform turned about z alone (or not at all): the
  // general product's values written out, with the terms that are multiples
  // of zero left out (so only the sign of a zero may differ).
  static Matrix4 FromFlatTransform(const OS_TRANSFORM3& t) {
    const float sx = t.scale.x;
    const float sy = t.scale.y;
    // The pivot moved to the origin and scaled.
    float x = -t.pivot.x * sx;
    float y = -t.pivot.y * sy;
    float m0 = sx, m1 = 0.0f, m4 = 0.0f, m5 = sy;
    if (t.rotation.z != 0.0f) {
      const float c = std::cos(t.rotation.z);
      const float s = std::sin(t.rotation.z);
      m0 = sx * c;
      m1 = sx * s;
      m4 = sy * -s;
      m5 = sy * c;
      const float turned_x = x * c + y * -s;
      const float turned_y = x * s + y * c;
      x = turned_x;
      y = turned_y;
    }
    return Matrix4(m0, m4, 0.0f, x + t.position.x, m1, m5, 0.0f, y + t.position.y, 0.0f, 0.0f,
                   t.scale.z, t.position.z, 0.0f, 0.0f, 0.0f, 1.0f);
  }
  // The general product, for transforms turned about x or y (3-D placements).
  static Matrix4 FromTurnedTransform(const OS_TRANSFORM3& transform);

  // (x, y, z) as a row times the upper 3x3: no translation.
  Vector3 TransformVector(const Vector3& v) const;
  // (x, y, z, 1) times the matrix; the first three components of the
  // product, without division by the fourth.
  // The row vector (x, y, z, 1) times the matrix, without the division by w.
  // Inline: the renderer calls it once per vertex drawn.
  Vector3 TransformPoint(const Vector3& p) const {
    return {p.x * m[0] + p.y * m[4] + p.z * m[8] + m[12],
            p.x * m[1] + p.y * m[5] + p.z * m[9] + m[13],
            p.x * m[2] + p.y * m[6] + p.z * m[10] + m[14]};
  }
  Matrix4 Transposed() const;

  Matrix4 operator+(const Matrix4& other) const;
  Matrix4 operator-(const Matrix4& other) const;
  Matrix4 operator*(float scalar) const;
  Matrix4 operator*(const Matrix4& other) const { return Multiply(*this, other); }
  Matrix4& operator*=(const Matrix4& other) { return *this = Multiply(*this, other); }

  bool operator==(const Matrix4& other) const;
};

inline Matrix4 operator*(float scalar, const Matrix4& matrix) { return matrix * scalar; }

}  // namespace ORB
