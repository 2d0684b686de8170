#include "engine/foundation/transform.h"

#include <array>
#include <cmath>
#include <vector>

#include "engine/foundation/interpolation.h"
#include "engine/foundation/number_text.h"
#include "engine/foundation/split_string.h"

namespace ORB {

namespace {

// Deeper chains than this are cut; real ones are a handful of levels.
constexpr size_t kMaxParentDepth = 64;

// The parts of a placement that combining reads and writes (an ancestor's
// pivot and parent play no part).
struct Placement {
  Vector3 rotation;
  Vector3 scale;
  Vector3 position;
};

// Combines t with its parent's world placement p (t and p are transforms or
// placements).
template <typename T, typename P>
inline void Combine(T& t, const P& p, bool noPosition, bool noRotation, bool noScale) {
  if (!noScale) {
    t.scale.x *= p.scale.x;
    t.scale.y *= p.scale.y;
    t.scale.z *= p.scale.z;
    t.position.x *= p.scale.x;
    t.position.y *= p.scale.y;
  }
  if (!noPosition) {
    t.position.x += p.position.x;
    t.position.y += p.position.y;
  }
  if (!noRotation) {
    RotatePoint(p.position.x, p.position.y, t.position.x, t.position.y, p.rotation.z);
    t.rotation += p.rotation;
  }
}

Placement PlacementOf(const OS_TRANSFORM3& t) { return {t.rotation, t.scale, t.position}; }

// The twelve components in text-form order.
std::array<float*, 12> Components(OS_TRANSFORM3& t) {
  return {&t.position.x, &t.position.y, &t.position.z, &t.pivot.x,    &t.pivot.y,    &t.pivot.z,
          &t.rotation.x, &t.rotation.y, &t.rotation.z, &t.scale.x,    &t.scale.y,    &t.scale.z};
}

std::array<float, 12> Values(const OS_TRANSFORM3& t) {
  return {t.position.x, t.position.y, t.position.z, t.pivot.x,    t.pivot.y,    t.pivot.z,
          t.rotation.x, t.rotation.y, t.rotation.z, t.scale.x,    t.scale.y,    t.scale.z};
}

}  // namespace

std::string OS_TRANSFORM3::ToString() const {
  std::string out;
  for (float value : Values(*this)) {
    if (!out.empty()) out += ' ';
    out += FormatFixed(value, 3);
  }
  return out;
}

bool OS_TRANSFORM3::Parse(std::string_view text) {
  *this = OS_TRANSFORM3();
  const std::vector<std::string> parts = SplitString(text, " ");
  if (parts.size() < 12) return false;
  const std::array<float*, 12> components = Components(*this);
  for (size_t i = 0; i < components.size(); ++i) *components[i] = ParseFloatText(parts[i]);
  return true;
}

OS_TRANSFORM3 OS_TRANSFORM3::GetWorld(bool noPosition, bool noRotation, bool noScale) const {
  if (parent == nullptr) return *this;

  // The ancestors nearest first, stopping before any transform seen already.
  // Every quad and glyph drawn comes here, so nothing is filled or copied
  // that the walk does not use: only the entries written are read, and the
  // ancestors are combined as bare placements.
  std::array<const OS_TRANSFORM3*, kMaxParentDepth> chain;  // NOLINT: written before read
  size_t count = 0;
  for (const OS_TRANSFORM3* p = parent; p != nullptr && count < kMaxParentDepth; p = p->parent) {
    bool seen = p == this;
    for (size_t i = 0; i < count && !seen; ++i) seen = chain[i] == p;
    if (seen) break;
    chain[count++] = p;
  }
  if (count == 0) return *this;  // its own parent: nothing to combine

  // The farthest ancestor is its own world placement; walk down from it.
  Placement world = PlacementOf(*chain[count - 1]);
  for (size_t i = count - 1; i-- > 0;) {
    Placement next = PlacementOf(*chain[i]);
    Combine(next, world, false, false, false);
    world = next;
  }
  // The result is put together from its parts, not copied and then changed:
  // that would read back values just written in wider pieces.
  Placement own = PlacementOf(*this);
  Combine(own, world, noPosition, noRotation, noScale);
  OS_TRANSFORM3 result;
  result.pivot = pivot;
  result.rotation = own.rotation;
  result.scale = own.scale;
  result.position = own.position;
  result.parent = parent;
  return result;
}

Vector2 OS_TRANSFORM3::WorldToLocal(float x, float y) const {
  const OS_TRANSFORM3 world = GetWorld();
  if (world.rotation.z != 0.0f) RotatePoint(world.position.x, world.position.y, x, y, -world.rotation.z);
  return {x - world.position.x + world.pivot.x, y - world.position.y + world.pivot.y};
}

Vector2 OS_TRANSFORM3::WorldToLocalNoPivot(float x, float y) const {
  const OS_TRANSFORM3 world = GetWorld();
  if (world.rotation.z != 0.0f) RotatePoint(world.position.x, world.position.y, x, y, -world.rotation.z);
  return {x - world.position.x, y - world.position.y};
}

void OS_TRANSFORM3::Lerp(OS_TRANSFORM3& result, const OS_TRANSFORM3& a, const OS_TRANSFORM3& b,
                         float t) {
  const std::array<float*, 12> out = Components(result);
  // Read both ends before writing: result may be a or b itself.
  const std::array<float, 12> from = Values(a);
  const std::array<float, 12> to = Values(b);
  for (size_t i = 0; i < out.size(); ++i) {
    if (t <= 0.0f) {
      *out[i] = from[i];
    } else if (t >= 1.0f) {
      *out[i] = to[i];
    } else if (from[i] != to[i]) {
      *out[i] = ORB::Lerp(from[i], to[i], t);
    }
  }
}

void RotatePoint(float cx, float cy, float& x, float& y, float angle) {
  if (angle == 0.0f) return;
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  const float dx = x - cx;
  const float dy = y - cy;
  x = dx * c - dy * s + cx;
  y = dx * s + dy * c + cy;
}

Vector2 ToLocalPoint(float x, float y, const OS_TRANSFORM3& transform) {
  // Drawing maps a quad point p to pos + R * S * (p - pivot); undoing the
  // turn leaves pos + S * (p - pivot), and S * p is the answer.
  const OS_TRANSFORM3 world = transform.GetWorld();
  RotatePoint(world.position.x, world.position.y, x, y, -world.rotation.z);
  return {x - world.position.x + world.pivot.x * world.scale.x,
          y - world.position.y + world.pivot.y * world.scale.y};
}

}  // namespace ORB
