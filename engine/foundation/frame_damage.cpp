#include "engine/foundation/frame_damage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine/platform/texture_footprint.h"

namespace ORB {

using platform::GpuPoint;
using platform::GpuVertex;
using platform::KeptPicture;
using platform::PixelRect;
using platform::Primitive;

namespace {

// Pixels added around every box: the rasterizer's rounding, and the reach of
// a smoothed line.
constexpr double kMargin = 2.0;
// Two rectangles become one when the one around both is at most this many
// pixels larger than the two together.
constexpr int64_t kMergeSlack = 1024;
// The most rectangles a frame is drawn in; and the most a single draw's
// changed triangles may give before its changes count as one box.
constexpr size_t kMostRects = 16;
constexpr size_t kMostPartsOfOneDraw = 64;
// Damage over more than this share of the image is drawn as a whole frame.
constexpr double kMostShare = 0.6;
// The longest runs of differing draws compared draw by draw for the longest
// common run (their product bounds the work).
constexpr size_t kMostCompared = 256 * 256;
// Draws of fewer vertices are sent whole to a rectangle they reach.
constexpr int32_t kLeastToCull = 16;

int64_t Area(const PixelRect& r) { return static_cast<int64_t>(r.width) * r.height; }
bool Empty(const PixelRect& r) { return r.width <= 0 || r.height <= 0; }

PixelRect Union(const PixelRect& a, const PixelRect& b) {
  const int32_t x0 = std::min(a.x, b.x);
  const int32_t y0 = std::min(a.y, b.y);
  const int32_t x1 = std::max(a.x + a.width, b.x + b.width);
  const int32_t y1 = std::max(a.y + a.height, b.y + b.height);
  return {x0, y0, x1 - x0, y1 - y0};
}

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
  const int32_t x0 = std::max(a.x, b.x);
  const int32_t y0 = std::max(a.y, b.y);
  const int32_t x1 = std::min(a.x + a.width, b.x + b.width);
  const int32_t y1 = std::min(a.y + a.height, b.y + b.height);
  if (x1 <= x0 || y1 <= y0) return {};
  return {x0, y0, x1 - x0, y1 - y0};
}

PixelRect Letterbox(const KeptPicture& picture) {
  return {picture.fit.left, picture.fit.top, picture.fit.width, picture.fit.height};
}

// Where a draw's pixels may land: the letterbox, or the whole drawable area.
PixelRect Reach(const FrameDraw& draw, const KeptPicture& picture) {
  if (draw.area == platform::DrawArea::Window) {
    return {0, 0, picture.drawable_width, picture.drawable_height};
  }
  return Letterbox(picture);
}

// A position times the row-vector matrix, divided by w; false at or behind
// the eye (or for values that are not numbers).
bool Project(const float* m, float x, float y, float z, float& out_x, float& out_y) {
  float row[16];
  std::memcpy(row, m, sizeof(row));
  const float cx = x * row[0] + y * row[4] + z * row[8] + row[12];
  const float cy = x * row[1] + y * row[5] + z * row[9] + row[13];
  const float cw = x * row[3] + y * row[7] + z * row[11] + row[15];
  if (!(cw > 1e-6f)) return false;
  out_x = cx / cw;
  out_y = cy / cw;
  return std::isfinite(out_x) && std::isfinite(out_y);
}

// The position (and size) of vertex i of a draw's data.
void Vertex(const FrameDraw& draw, int32_t i, float& x, float& y, float& z, float& size) {
  if (draw.points) {
    GpuPoint point;
    std::memcpy(&point, draw.vertices + static_cast<size_t>(i) * sizeof(GpuPoint), sizeof(point));
    x = point.x;
    y = point.y;
    z = point.z;
    size = point.size;
  } else {
    GpuVertex vertex;
    std::memcpy(&vertex, draw.vertices + static_cast<size_t>(i) * sizeof(GpuVertex),
                sizeof(vertex));
    x = vertex.x;
    y = vertex.y;
    z = vertex.z;
    size = 0.0f;
  }
}

// A box in clip coordinates, being grown vertex by vertex.
struct ClipBox {
  float left = std::numeric_limits<float>::max();
  float bottom = std::numeric_limits<float>::max();
  float right = std::numeric_limits<float>::lowest();
  float top = std::numeric_limits<float>::lowest();
  float point_size = 0.0f;
  bool everywhere = false;

  void Add(const FrameDraw& draw, int32_t i) {
    float x = 0;
    float y = 0;
    float z = 0;
    float size = 0;
    Vertex(draw, i, x, y, z, size);
    float px = 0;
    float py = 0;
    if (!Project(draw.transform, x, y, z, px, py)) {
      everywhere = true;
      return;
    }
    left = std::min(left, px);
    right = std::max(right, px);
    bottom = std::min(bottom, py);
    top = std::max(top, py);
    point_size = std::max(point_size, size);
  }
};

// The box in drawable pixels, cut to where the draw can reach; empty when it
// reaches nothing there.
PixelRect ToPixels(const ClipBox& box, const FrameDraw& draw, const KeptPicture& picture) {
  if (box.left > box.right || box.bottom > box.top) return {};
  const platform::LetterboxFit& fit = picture.fit;
  // Point sizes are in image pixels, drawn at least one pixel wide.
  const double pad = std::max(static_cast<double>(box.point_size) * fit.scale, 1.0) / 2.0 + kMargin;
  const double x0 = fit.left + (box.left + 1.0) * 0.5 * fit.width - pad;
  const double x1 = fit.left + (box.right + 1.0) * 0.5 * fit.width + pad;
  const double y0 = fit.top + (1.0 - box.top) * 0.5 * fit.height - pad;
  const double y1 = fit.top + (1.0 - box.bottom) * 0.5 * fit.height + pad;
  const PixelRect reach = Reach(draw, picture);
  // Clamped first: far-off vertices must not overflow the integers.
  auto clamp = [](double v, int32_t lo, int32_t hi) {
    return static_cast<int32_t>(std::clamp(v, static_cast<double>(lo), static_cast<double>(hi)));
  };
  const int32_t left = clamp(std::floor(x0), reach.x, reach.x + reach.width);
  const int32_t right = clamp(std::ceil(x1), reach.x, reach.x + reach.width);
  const int32_t top = clamp(std::floor(y0), reach.y, reach.y + reach.height);
  const int32_t bottom = clamp(std::ceil(y1), reach.y, reach.y + reach.height);
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

ClipBox WholeBox(const FrameDraw& draw) {
  ClipBox box;
  box.left = draw.left;
  box.right = draw.right;
  box.bottom = draw.bottom;
  box.top = draw.top;
  box.point_size = draw.point_size;
  box.everywhere = draw.everywhere;
  return box;
}

uint16_t IndexAt(const FrameDraw& draw, int32_t i) {
  uint16_t index = 0;
  std::memcpy(&index, draw.indices + static_cast<size_t>(i) * sizeof(uint16_t), sizeof(index));
  return index;
}

// Whether the device filters these triangles' texture anisotropically: it
// does for a whole draw call when some triangle of it minifies the texture,
// measured as the device measures it (over the letterbox, or over the whole
// drawable area with the widened transform).
bool Minifies(const FrameDraw& draw, const KeptPicture& picture, const GpuVertex* vertices,
              int32_t vertex_count, const uint16_t* indices, int32_t index_count) {
  float matrix[16];
  std::memcpy(matrix, draw.transform, sizeof(matrix));
  float half_width = 0.5f * static_cast<float>(picture.fit.width);
  float half_height = 0.5f * static_cast<float>(picture.fit.height);
  if (draw.area == platform::DrawArea::Window) {
    platform::WidenToArea(matrix, picture.fit, picture.drawable_width, picture.drawable_height,
                          matrix);
    half_width = 0.5f * static_cast<float>(picture.drawable_width);
    half_height = 0.5f * static_cast<float>(picture.drawable_height);
  }
  return platform::MeshMinifiesTexture(matrix, half_width, half_height, vertices, vertex_count,
                                       index_count > 0 ? indices : nullptr, index_count,
                                       draw.texture_width, draw.texture_height);
}

// The draw's vertices and indices in arrays of their own types.
void CopyMesh(const FrameDraw& draw, std::vector<GpuVertex>& vertices,
              std::vector<uint16_t>& indices) {
  vertices.resize(static_cast<size_t>(draw.vertex_count));
  std::memcpy(vertices.data(), draw.vertices, vertices.size() * sizeof(GpuVertex));
  indices.resize(static_cast<size_t>(draw.index_count));
  std::memcpy(indices.data(), draw.indices, indices.size() * sizeof(uint16_t));
}

// Whether the device's filtering of the draw's texture may depend on which
// of its triangles are drawn: an anisotropic filter, whose texture's size is
// known (`known`), or not.
bool FilteredByWholeDraw(const FrameDraw& draw, bool& known) {
  known = draw.texture_width > 0 && draw.texture_height > 0;
  return !draw.points && draw.texture != 0 && draw.filter == platform::Filter::Anisotropic;
}

// Collects damage; `whole` once a damaged draw reaches everywhere.
class DamageList {
 public:
  explicit DamageList(const KeptPicture& picture) : picture_(picture) {}

  void AddDraw(const FrameDraw& draw) { AddBox(WholeBox(draw), draw, rects_); }

  // Two draws of one pipeline, primitive and indices whose vertices differ:
  // the primitives that changed, as they were and as they are.
  void AddChanges(const FrameDraw& before, const FrameDraw& after) {
    const size_t stride = after.points ? sizeof(GpuPoint) : sizeof(GpuVertex);
    int32_t group = 1;
    if (!after.points) {
      if (after.primitive == Primitive::Triangles) group = 3;
      if (after.primitive == Primitive::Lines) group = 2;
    }
    const bool indexed = after.index_count > 0;
    const int32_t count = indexed ? after.index_count : after.vertex_count;
    std::vector<PixelRect> parts;
    for (int32_t first = 0; first < count; first += group) {
      const int32_t end = std::min(first + group, count);
      bool changed = false;
      for (int32_t k = first; k < end && !changed; ++k) {
        const int32_t v = indexed ? IndexAt(after, k) : k;
        if (v >= after.vertex_count) continue;  // drawn by neither
        changed =
            std::memcmp(before.vertices + v * stride, after.vertices + v * stride, stride) != 0;
      }
      if (!changed) continue;
      for (const FrameDraw* draw : {&before, &after}) {
        ClipBox box;
        for (int32_t k = first; k < end; ++k) {
          const int32_t v = indexed ? IndexAt(*draw, k) : k;
          if (v < draw->vertex_count) box.Add(*draw, v);
        }
        AddBox(box, *draw, parts);
      }
    }
    if (parts.size() > kMostPartsOfOneDraw) {
      PixelRect all = parts.front();
      for (const PixelRect& part : parts) all = Union(all, part);
      parts.assign(1, all);
    }
    rects_.insert(rects_.end(), parts.begin(), parts.end());
  }

  // Whether the device may filter the texture of one draw otherwise than
  // of the other.
  bool FilteringChanges(const FrameDraw& before, const FrameDraw& after) const {
    bool known = false;
    if (!FilteredByWholeDraw(after, known)) return false;
    if (!known) return true;
    std::vector<GpuVertex> vertices;
    std::vector<uint16_t> indices;
    CopyMesh(before, vertices, indices);
    const bool was = Minifies(before, picture_, vertices.data(), before.vertex_count,
                              indices.data(), before.index_count);
    CopyMesh(after, vertices, indices);
    return was != Minifies(after, picture_, vertices.data(), after.vertex_count, indices.data(),
                           after.index_count);
  }

  bool Whole() const { return whole_; }
  std::vector<PixelRect>& Rects() { return rects_; }

 private:
  void AddBox(const ClipBox& box, const FrameDraw& draw, std::vector<PixelRect>& into) {
    if (box.everywhere) {
      whole_ = true;
      return;
    }
    const PixelRect rect = ToPixels(box, draw, picture_);
    if (!Empty(rect)) into.push_back(rect);
  }

  const KeptPicture& picture_;
  std::vector<PixelRect> rects_;
  bool whole_ = false;
};

// Whether the second draw is the first with other vertices only.
bool SameButVertices(const FrameDraw& a, const FrameDraw& b) {
  return a.state == b.state && a.points == b.points && a.vertex_count == b.vertex_count &&
         a.index_count == b.index_count && !a.everywhere && !b.everywhere &&
         (a.index_count == 0 ||
          std::memcmp(a.indices, b.indices,
                      static_cast<size_t>(a.index_count) * sizeof(uint16_t)) == 0);
}

// Damage of the draws left over between two matched ones: a draw of the
// first run is paired, in order, with the next draw of the second that has
// its pipeline; the rest are damage whole.
void CompareRuns(const FrameDraw* before, size_t before_count, const FrameDraw* after,
                 size_t after_count, DamageList& damage) {
  size_t next = 0;  // the first draw of `after` not yet passed
  for (size_t i = 0; i < before_count; ++i) {
    size_t found = next;
    while (found < after_count && before[i].state != after[found].state) ++found;
    if (found == after_count) {
      damage.AddDraw(before[i]);
      continue;
    }
    for (size_t k = next; k < found; ++k) damage.AddDraw(after[k]);
    if (SameButVertices(before[i], after[found]) &&
        !damage.FilteringChanges(before[i], after[found])) {
      damage.AddChanges(before[i], after[found]);
    } else {
      damage.AddDraw(before[i]);
      damage.AddDraw(after[found]);
    }
    next = found + 1;
  }
  for (size_t k = next; k < after_count; ++k) damage.AddDraw(after[k]);
}

// The longest common run of equal draws of the two middles, and the
// damage around it.
void CompareMiddles(const FrameDraw* before, size_t n, const FrameDraw* after, size_t m,
                    DamageList& damage) {
  if (n == 0 || m == 0 || n * m > kMostCompared) {
    CompareRuns(before, n, after, m, damage);
    return;
  }
  // lengths[i][j]: the longest common run of before[i..] and after[j..].
  std::vector<uint16_t> lengths((n + 1) * (m + 1), 0);
  auto at = [&](size_t i, size_t j) -> uint16_t& { return lengths[i * (m + 1) + j]; };
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      at(i, j) = before[i].content == after[j].content ? static_cast<uint16_t>(at(i + 1, j + 1) + 1)
                                                       : std::max(at(i + 1, j), at(i, j + 1));
    }
  }
  size_t i = 0;
  size_t j = 0;
  size_t run_i = 0;
  size_t run_j = 0;
  while (i < n && j < m) {
    if (before[i].content == after[j].content) {
      CompareRuns(before + run_i, i - run_i, after + run_j, j - run_j, damage);
      run_i = ++i;
      run_j = ++j;
    } else if (at(i + 1, j) >= at(i, j + 1)) {
      ++i;
    } else {
      ++j;
    }
  }
  CompareRuns(before + run_i, n - run_i, after + run_j, m - run_j, damage);
}

}  // namespace

void MeasureDraw(FrameDraw& draw) {
  ClipBox box;
  if (!draw.everywhere) {
    for (int32_t i = 0; i < draw.vertex_count && !box.everywhere; ++i) box.Add(draw, i);
  }
  draw.everywhere = draw.everywhere || box.everywhere;
  draw.left = box.left;
  draw.right = box.right;
  draw.bottom = box.bottom;
  draw.top = box.top;
  draw.point_size = box.point_size;
}

bool DrawReaches(const FrameDraw& draw, const PixelRect& rect, const KeptPicture& picture) {
  if (draw.everywhere) return true;
  return !Empty(Intersection(ToPixels(WholeBox(draw), draw, picture), rect));
}

bool CullToRect(const FrameDraw& draw, const PixelRect& rect, const KeptPicture& picture,
                std::vector<GpuVertex>& vertices, std::vector<uint16_t>& indices) {
  if (draw.points || draw.everywhere || draw.primitive != Primitive::Triangles ||
      draw.vertex_count < kLeastToCull) {
    return false;
  }
  std::vector<GpuVertex> all;
  std::vector<uint16_t> all_indices;
  CopyMesh(draw, all, all_indices);
  const bool indexed = draw.index_count > 0;
  const int32_t corners = indexed ? draw.index_count : draw.vertex_count;
  std::vector<int32_t> kept(all.size(), -1);
  vertices.clear();
  indices.clear();
  for (int32_t first = 0; first + 2 < corners; first += 3) {
    ClipBox box;
    int32_t at[3];
    bool usable = true;
    for (int32_t k = 0; k < 3; ++k) {
      at[k] = indexed ? all_indices[static_cast<size_t>(first + k)] : first + k;
      usable = usable && at[k] < draw.vertex_count;
      if (usable) box.Add(draw, at[k]);
    }
    if (!usable) continue;  // drawn by nobody
    if (box.everywhere) return false;
    if (Empty(Intersection(ToPixels(box, draw, picture), rect))) continue;
    for (const int32_t v : at) {
      if (kept[static_cast<size_t>(v)] < 0) {
        kept[static_cast<size_t>(v)] = static_cast<int32_t>(vertices.size());
        vertices.push_back(all[static_cast<size_t>(v)]);
      }
      indices.push_back(static_cast<uint16_t>(kept[static_cast<size_t>(v)]));
    }
  }
  if (static_cast<int32_t>(indices.size()) == corners) return false;  // nothing left out
  // The device draws opaque colours unblended (texture_footprint.h), which
  // need not round as blending does: the part must be as opaque as the
  // whole.
  if (platform::VerticesOpaque(all.data(), draw.vertex_count) !=
      platform::VerticesOpaque(vertices.data(), static_cast<int32_t>(vertices.size()))) {
    return false;
  }
  bool known = false;
  if (FilteredByWholeDraw(draw, known)) {
    // Leaving triangles out must not change how the rest are filtered.
    if (!known) return false;
    const bool whole = Minifies(draw, picture, all.data(), draw.vertex_count, all_indices.data(),
                                draw.index_count);
    const bool part =
        Minifies(draw, picture, vertices.data(), static_cast<int32_t>(vertices.size()),
                 indices.data(), static_cast<int32_t>(indices.size()));
    if (whole != part) return false;
  }
  return true;
}

void MergeDamage(std::vector<PixelRect>& rects, size_t most) {
  rects.erase(std::remove_if(rects.begin(), rects.end(), Empty), rects.end());
  for (bool merged = true; merged;) {
    merged = false;
    for (size_t i = 0; i < rects.size(); ++i) {
      for (size_t j = i + 1; j < rects.size(); ++j) {
        // Overlapping rectangles are drawn apart where their surrounding
        // one would be much larger: a row's band and a column's band
        // crossing make two bands, not the square around them.
        const PixelRect both = Union(rects[i], rects[j]);
        if (Area(both) <= Area(rects[i]) + Area(rects[j]) + kMergeSlack) {
          rects[i] = both;
          rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
          merged = true;
          j = i;  // the grown rectangle may now reach ones passed before
        }
      }
    }
  }
  while (rects.size() > std::max<size_t>(most, 1)) {
    size_t best_i = 0;
    size_t best_j = 1;
    int64_t best_waste = std::numeric_limits<int64_t>::max();
    for (size_t i = 0; i < rects.size(); ++i) {
      for (size_t j = i + 1; j < rects.size(); ++j) {
        const int64_t waste = Area(Union(rects[i], rects[j])) - Area(rects[i]) - Area(rects[j]);
        if (waste < best_waste) {
          best_waste = waste;
          best_i = i;
          best_j = j;
        }
      }
    }
    rects[best_i] = Union(rects[best_i], rects[best_j]);
    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(best_j));
  }
}

bool FindDamage(const std::vector<FrameDraw>& before, const std::vector<FrameDraw>& after,
                const std::vector<platform::TextureHandle>& changed_textures,
                const KeptPicture& picture, std::vector<PixelRect>& damage) {
  damage.clear();
  DamageList list(picture);
  size_t head = 0;
  while (head < before.size() && head < after.size() && before[head].content == after[head].content)
    ++head;
  size_t tail = 0;
  while (tail < before.size() - head && tail < after.size() - head &&
         before[before.size() - 1 - tail].content == after[after.size() - 1 - tail].content)
    ++tail;
  CompareMiddles(before.data() + head, before.size() - head - tail, after.data() + head,
                 after.size() - head - tail, list);
  if (!changed_textures.empty()) {
    for (const auto* frame : {&before, &after}) {
      for (const FrameDraw& draw : *frame) {
        if (draw.texture != 0 && std::find(changed_textures.begin(), changed_textures.end(),
                                           draw.texture) != changed_textures.end()) {
          list.AddDraw(draw);
        }
      }
    }
  }
  if (list.Whole()) return false;
  std::vector<PixelRect>& rects = list.Rects();
  MergeDamage(rects, kMostRects);
  const PixelRect image = Letterbox(picture);
  int64_t area = 0;
  for (const PixelRect& rect : rects) {
    // The bars are cleared only by a whole frame.
    if (Area(Intersection(rect, image)) != Area(rect)) return false;
    area += Area(rect);
  }
  if (static_cast<double>(area) > kMostShare * static_cast<double>(Area(image))) return false;
  damage.swap(rects);
  return true;
}

}  // namespace ORB
