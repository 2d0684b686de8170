#include "engine/platform/texture_footprint.h"

#include <cmath>

namespace ORB::platform {

namespace {

struct ScreenPoint {
  double x = 0.0;
  double y = 0.0;
  bool ok = false;  // in front of the eye (w > 0)
};

ScreenPoint ToScreen(const float m[16], const GpuVertex& v, double half_width,
                     double half_height) {
  // Row vector times matrix: clip[j] = x m[0j] + y m[1j] + z m[2j] + m[3j].
  const double cx = v.x * m[0] + v.y * m[4] + v.z * m[8] + m[12];
  const double cy = v.x * m[1] + v.y * m[5] + v.z * m[9] + m[13];
  const double cw = v.x * m[3] + v.y * m[7] + v.z * m[11] + m[15];
  ScreenPoint p;
  if (!(cw > 1e-9)) return p;
  p.x = cx / cw * half_width;
  p.y = cy / cw * half_height;
  p.ok = true;
  return p;
}

// Whether the triangle a, b, c shows some texel direction at under one pixel
// per texel: the smaller singular value of the texel-to-screen map below 1.
bool TriangleMinifies(const ScreenPoint s[3], const GpuVertex* t[3], double tw, double th) {
  const double tu1 = (t[1]->u - t[0]->u) * tw;
  const double tv1 = (t[1]->v - t[0]->v) * th;
  const double tu2 = (t[2]->u - t[0]->u) * tw;
  const double tv2 = (t[2]->v - t[0]->v) * th;
  const double texel_det = tu1 * tv2 - tu2 * tv1;
  if (std::fabs(texel_det) < 1e-9) return false;
  const double sx1 = s[1].x - s[0].x;
  const double sy1 = s[1].y - s[0].y;
  const double sx2 = s[2].x - s[0].x;
  const double sy2 = s[2].y - s[0].y;
  // J = S T^-1 with S = [s1 s2], T = [t1 t2] as columns.
  const double a = (sx1 * tv2 - sx2 * tv1) / texel_det;
  const double b = (sx2 * tu1 - sx1 * tu2) / texel_det;
  const double c = (sy1 * tv2 - sy2 * tv1) / texel_det;
  const double d = (sy2 * tu1 - sy1 * tu2) / texel_det;
  const double frobenius = a * a + b * b + c * c + d * d;
  const double det = a * d - b * c;
  const double root = std::sqrt(std::fmax(frobenius * frobenius - 4.0 * det * det, 0.0));
  const double smallest = std::sqrt(std::fmax((frobenius - root) / 2.0, 0.0));
  // A hair under one pixel per texel still counts as one: rounding in the
  // transform must not switch filtering on for a picture drawn at its size.
  return smallest < 0.999;
}

}  // namespace

bool MeshMinifiesTexture(const float transform[16], float half_width, float half_height,
                         const GpuVertex* vertices, int32_t vertex_count, const uint16_t* indices,
                         int32_t index_count, int32_t texture_width, int32_t texture_height) {
  if (vertices == nullptr || vertex_count <= 0 || texture_width <= 0 || texture_height <= 0) {
    return false;
  }
  const int32_t corners = indices != nullptr && index_count > 0 ? index_count : vertex_count;
  for (int32_t first = 0; first + 2 < corners; first += 3) {
    ScreenPoint screen[3];
    const GpuVertex* texel[3];
    bool usable = true;
    for (int32_t k = 0; k < 3; ++k) {
      const int32_t at = indices != nullptr && index_count > 0 ? indices[first + k] : first + k;
      if (at >= vertex_count) {
        usable = false;
        break;
      }
      texel[k] = &vertices[at];
      screen[k] = ToScreen(transform, vertices[at], half_width, half_height);
      usable = usable && screen[k].ok;
    }
    // A vertex behind the eye: perspective makes the footprint unknown, so
    // the filter the caller asked for stays.
    if (!usable) return true;
    if (TriangleMinifies(screen, texel, texture_width, texture_height)) return true;
  }
  return false;
}

bool PixelsOpaque(const uint32_t* argb, size_t count) {
  if (argb == nullptr) return false;
  for (size_t i = 0; i < count; ++i) {
    if ((argb[i] >> 24) != 0xFFu) return false;
  }
  return true;
}

bool VerticesOpaque(const GpuVertex* vertices, int32_t vertex_count) {
  if (vertices == nullptr) return false;
  for (int32_t i = 0; i < vertex_count; ++i) {
    if ((vertices[i].colour >> 24) != 0xFFu) return false;
  }
  return true;
}

}  // namespace ORB::platform
