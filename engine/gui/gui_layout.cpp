#include "engine/gui/gui_layout.h"

#include <algorithm>
#include <cmath>

#include "engine/scene/anchor.h"

namespace ORB {

OC_GUI_LAYOUT::OC_GUI_LAYOUT(int32_t id, float width, float height, bool evenSpacing,
                             int32_t alignment)
    : OC_GUI_OBJECT(id, kGuiKindPlain),
      width_(width),
      height_(height),
      alignment_(alignment),
      even_spacing_(evenSpacing) {}

void OC_GUI_LAYOUT::InsertLayoutChild(OC_GUI_OBJECT* c, int32_t index, int32_t alignment,
                                      float spacing) {
  if (c == nullptr) return;
  InsertChild(c, index);
  const int32_t at = IndexOf(c);
  if (at < 0) return;  // refused: it is in a tree already
  slots_[static_cast<size_t>(at)] = Slot{alignment, spacing};
  Arrange();
}

void OC_GUI_LAYOUT::AddLayoutChild(OC_GUI_OBJECT* c, int32_t alignment, float spacing) {
  InsertLayoutChild(c, static_cast<int32_t>(std::min<size_t>(GetChildCount(), INT32_MAX)),
                    alignment, spacing);
}

bool OC_GUI_LAYOUT::RemoveLayoutChild(const OC_GUI_OBJECT* c) {
  if (c == nullptr || IndexOf(c) < 0) return false;
  RemoveChild(c);
  Arrange();
  return true;
}

bool OC_GUI_LAYOUT::RemoveLayoutChildAt(int32_t index) {
  if (index < 0) return false;
  return RemoveLayoutChild(GetChild(static_cast<size_t>(index)));
}

void OC_GUI_LAYOUT::OnChildInserted(size_t index) {
  slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(index), Slot{});
}

void OC_GUI_LAYOUT::OnChildErased(size_t index) {
  slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(index));
}

Vector2 OC_GUI_LAYOUT::Extent(const OC_GUI_OBJECT& child) {
  const float angle = child.GetTransform().rotation.z;
  const float c = std::fabs(std::cos(angle));
  const float s = std::fabs(std::sin(angle));
  const float w = child.GetWidth();
  const float h = child.GetHeight();
  return {w * c + h * s, h * c + w * s};
}

void OC_GUI_LAYOUT::Measure() {
  const size_t count = GetChildCount();
  measured_.resize(count);
  shown_.resize(count);
  total_width_ = 0.0f;
  total_height_ = 0.0f;
  for (size_t i = 0; i < count; ++i) {
    const OC_GUI_OBJECT& child = *GetChild(i);
    measured_[i] = Extent(child);
    shown_[i] = child.IsVisible();
    total_width_ += measured_[i].x;
    total_height_ += measured_[i].y;
  }
}

bool OC_GUI_LAYOUT::ChangedSinceMeasured() const {
  const size_t count = GetChildCount();
  if (measured_.size() != count) return true;
  for (size_t i = 0; i < count; ++i) {
    const OC_GUI_OBJECT& child = *GetChild(i);
    const Vector2 extent = Extent(child);
    if (extent.x != measured_[i].x || extent.y != measured_[i].y) return true;
    if (child.IsVisible() != shown_[i]) return true;
  }
  return false;
}

void OC_GUI_LAYOUT::Draw() {
  if (ChangedSinceMeasured()) Arrange();
}

void OC_GUI_LAYOUT::ArrangeAlong(bool horizontal, bool evenSpacing, int32_t alignment) {
  Measure();
  // A right (row) or bottom (column) alignment runs the other way.
  const bool reversed =
      IsAnchor(alignment) && (horizontal ? AnchorColumn(alignment) : AnchorRow(alignment)) == 2;
  const float sign = reversed ? -1.0f : 1.0f;
  const float length = horizontal ? width_ : height_;
  const float across = horizontal ? height_ : width_;
  const float total = horizontal ? total_width_ : total_height_;
  const size_t count = GetChildCount();
  const float gap = std::max(0.0f, (length - total) / static_cast<float>(count + 1));
  float pen = -length * 0.5f;
  for (size_t i = 0; i < count; ++i) {
    OC_GUI_OBJECT& child = *GetChild(i);
    if (!child.IsVisible()) continue;
    const float along_extent = horizontal ? measured_[i].x : measured_[i].y;
    const float across_extent = horizontal ? measured_[i].y : measured_[i].x;
    const Slot& slot = slots_[i];
    const float half = along_extent * 0.5f;
    pen += half + (evenSpacing ? gap : slot.spacing);
    // The cross position: the child's row in a row, its column in a column.
    const int32_t band = !IsAnchor(slot.alignment) ? 1
                         : horizontal              ? AnchorRow(slot.alignment)
                                                   : AnchorColumn(slot.alignment);
    const float cross = band == 0   ? across_extent * 0.5f - across * 0.5f
                        : band == 2 ? across * 0.5f - across_extent * 0.5f
                                    : 0.0f;
    if (horizontal) {
      child.SetPosition(sign * pen, cross, 0.0f);
    } else {
      child.SetPosition(cross, sign * pen, 0.0f);
    }
    pen += half;
  }
}

}  // namespace ORB
