#pragma once
// OS_TRANSFORM3: the placement of every drawable and widget. A quad drawn
// with a transform T covers the points pos + R(angle) * S * (p - pivot) for
// p in its own rectangle (Matrix4::FromTransform); with a parent, the quad is
// drawn with the world placement that GetWorld combines up the chain.
#include <string>
#include <string_view>

#include "engine/foundation/vector2.h"
#include "engine/foundation/vector3.h"

namespace ORB {

struct OS_TRANSFORM3 {
  Vector3 pivot;                     // offset of the drawn origin
  Vector3 rotation;                  // radians; z is the 2-D angle
  Vector3 scale{1.0f, 1.0f, 1.0f};
  Vector3 position;
  OS_TRANSFORM3* parent = nullptr;   // not owned

  // Pivot, rotation, scale, position and parent.
  void Copy(const OS_TRANSFORM3& other) { *this = other; }

  void SetPosition(float x, float y, float z) { position.Set(x, y, z); }
  void SetPositionV3(const Vector3& p) { position = p; }
  // Leaves z as it is.
  void SetPositionV2(const Vector2& p) {
    position.x = p.x;
    position.y = p.y;
  }
  void SetScale(float x, float y, float z) { scale.Set(x, y, z); }
  void SetRotation(float x, float y, float z) { rotation.Set(x, y, z); }
  void SetAngle(float z) { rotation.z = z; }
  Vector3 GetPosition() const { return position; }
  Vector2 GetPositionV2() const { return {position.x, position.y}; }

  // Text form: twelve numbers separated by single blanks, position x y z,
  // pivot x y z, rotation x y z, scale x y z, each with three decimals.
  std::string ToString() const;
  // Resets to a new transform (no parent), then reads the text form. Fewer
  // than twelve parts leave the new state and answer false. An empty part
  // (two blanks in a row) reads as 0 and shifts the later values.
  bool Parse(std::string_view text);

  // The world placement: this transform combined with its parent's world
  // placement, recursively up the chain; the flags skip the scale, position
  // or rotation step of combining this transform with its parent (the
  // ancestors are always combined in full). The result keeps this
  // transform's own parent pointer. A chain that loops back on itself is
  // cut where it would repeat a transform.
  OS_TRANSFORM3 GetWorld(bool noPosition = false, bool noRotation = false,
                         bool noScale = false) const;

  // A world point in this transform's frame, scale not applied: turned by
  // minus the world angle about the world position, then moved so that the
  // world position sits at the pivot (or at 0 for the variant without it).
  Vector2 WorldToLocal(float x, float y) const;
  Vector2 WorldToLocalNoPivot(float x, float y) const;

  // Component-wise interpolation of the twelve components (Lerp of
  // interpolation.h) into result: t <= 0 copies a's, t >= 1 copies b's;
  // otherwise only components that differ between a and b are written, so
  // components equal in both keep the result's own value. The parent is
  // never touched.
  static void Lerp(OS_TRANSFORM3& result, const OS_TRANSFORM3& a, const OS_TRANSFORM3& b,
                   float t);
};

// Rotates (x, y) in place about (cx, cy) by angle radians; 0 changes nothing.
void RotatePoint(float cx, float cy, float& x, float& y, float angle);

// A screen point in the frame of a quad drawn with the transform (pass the
// transform itself: its parent chain is combined here, as drawing does).
// The answer is measured in screen units along the quad's own axes, from the
// quad's origin corner: a quad of size (w, h) covers exactly the points whose
// answer lies in [0, w * sx] x [0, h * sy], with (sx, sy) the world scale.
Vector2 ToLocalPoint(float x, float y, const OS_TRANSFORM3& transform);

}  // namespace ORB
