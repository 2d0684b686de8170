#include "engine/foundation/matrix4.h"

#include <cmath>

#include "engine/foundation/transform.h"

namespace ORB {

Matrix4 Matrix4::TranslationX(float x) {
  Matrix4 result;
  result.m[12] = x;
  return result;
}

Matrix4 Matrix4::TranslationY(float y) {
  Matrix4 result;
  result.m[13] = y;
  return result;
}

Matrix4 Matrix4::TranslationZ(float z) {
  Matrix4 result;
  result.m[14] = z;
  return result;
}

Matrix4 Matrix4::Translation(float x, float y, float z) {
  Matrix4 result;
  result.m[12] = x;
  result.m[13] = y;
  result.m[14] = z;
  return result;
}

Matrix4 Matrix4::Scaling(float x, float y, float z) {
  Matrix4 result;
  result.m[0] = x;
  result.m[5] = y;
  result.m[10] = z;
  return result;
}

Matrix4 Matrix4::RotationX(float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  Matrix4 result;
  result.m[5] = c;
  result.m[6] = s;
  result.m[9] = -s;
  result.m[10] = c;
  return result;
}

Matrix4 Matrix4::RotationY(float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  Matrix4 result;
  result.m[0] = c;
  result.m[2] = -s;
  result.m[8] = s;
  result.m[10] = c;
  return result;
}

Matrix4 Matrix4::RotationZ(float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  Matrix4 result;
  result.m[0] = c;
  result.m[1] = s;
  result.m[4] = -s;
  result.m[5] = c;
  return result;
}

Matrix4 Matrix4::RotationXYZ(float x, float y, float z) {
  Matrix4 result;
  if (x != 0.0f) result = Multiply(result, RotationX(x));
  if (y != 0.0f) result = Multiply(result, RotationY(y));
  if (z != 0.0f) result = Multiply(result, RotationZ(z));
  return result;
}

Matrix4 Matrix4::RotationYawPitchRoll(float yaw, float pitch, float roll) {
  return Multiply(Multiply(RotationZ(roll), RotationX(pitch)), RotationY(yaw));
}

Matrix4 Matrix4::Multiply(const Matrix4& a, const Matrix4& b) {
  Matrix4 result;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += a.m[row * 4 + k] * b.m[k * 4 + column];
      result.m[row * 4 + column] = sum;
    }
  }
  return result;
}

Matrix4 Matrix4::LookAt(const Vector3& eye, const Vector3& at, const Vector3& up) {
  Vector3 zAxis = at - eye;
  zAxis.Normalize();
  Vector3 xAxis = Vector3::Cross(up, zAxis);
  xAxis.Normalize();
  const Vector3 yAxis = Vector3::Cross(zAxis, xAxis);
  Matrix4 result;
  result.m[0] = xAxis.x;
  result.m[1] = yAxis.x;
  result.m[2] = zAxis.x;
  result.m[3] = 0.0f;
  result.m[4] = xAxis.y;
  result.m[5] = yAxis.y;
  result.m[6] = zAxis.y;
  result.m[7] = 0.0f;
  result.m[8] = xAxis.z;
  result.m[9] = yAxis.z;
  result.m[10] = zAxis.z;
  result.m[11] = 0.0f;
  result.m[12] = -Vector3::Dot(xAxis, eye);
  result.m[13] = -Vector3::Dot(yAxis, eye);
  result.m[14] = -Vector3::Dot(zAxis, eye);
  result.m[15] = 1.0f;
  return result;
}

Matrix4 Matrix4::PerspectiveFov(float fieldOfViewY, float aspect, float zNear, float zFar) {
  const float yScale = 1.0f / std::tan(fieldOfViewY / 2.0f);
  const float xScale = aspect != 0.0f ? yScale / aspect : yScale;
  const float depth = zFar - zNear;
  Matrix4 result;
  result.m[0] = xScale;
  result.m[5] = yScale;
  result.m[10] = depth != 0.0f ? zFar / depth : 1.0f;
  result.m[11] = 1.0f;
  result.m[14] = depth != 0.0f ? -zNear * zFar / depth : -zNear;
  result.m[15] = 0.0f;
  return result;
}

Matrix4 Matrix4::FromTurnedTransform(const OS_TRANSFORM3& t) {
  Matrix4 result = Multiply(Translation(-t.pivot.x, -t.pivot.y, 0.0f),
                            Scaling(t.scale.x, t.scale.y, t.scale.z));
  if (t.rotation.z != 0.0f) result = Multiply(result, RotationZ(t.rotation.z));
  if (t.rotation.y != 0.0f) result = Multiply(result, RotationY(t.rotation.y));
  if (t.rotation.x != 0.0f) result = Multiply(result, RotationX(t.rotation.x));
  return Multiply(result, Translation(t.position.x, t.position.y, t.position.z));
}

Vector3 Matrix4::TransformVector(const Vector3& v) const {
  return {v.x * m[0] + v.y * m[4] + v.z * m[8], v.x * m[1] + v.y * m[5] + v.z * m[9],
          v.x * m[2] + v.y * m[6] + v.z * m[10]};
}

Matrix4 Matrix4::Transposed() const {
  Matrix4 result;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) result.m[column * 4 + row] = m[row * 4 + column];
  }
  return result;
}

Matrix4 Matrix4::operator+(const Matrix4& other) const {
  Matrix4 result;
  for (int i = 0; i < 16; ++i) result.m[i] = m[i] + other.m[i];
  return result;
}

Matrix4 Matrix4::operator-(const Matrix4& other) const {
  Matrix4 result;
  for (int i = 0; i < 16; ++i) result.m[i] = m[i] - other.m[i];
  return result;
}

Matrix4 Matrix4::operator*(float scalar) const {
  Matrix4 result;
  for (int i = 0; i < 16; ++i) result.m[i] = m[i] * scalar;
  return result;
}

bool Matrix4::operator==(const Matrix4& other) const {
  for (int i = 0; i < 16; ++i) {
    if (m[i] != other.m[i]) return false;
  }
  return true;
}

}  // namespace ORB
