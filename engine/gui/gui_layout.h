#pragma once
// Layouts: widgets that place their children in a row (OC_GUI_HBOX_LAYOUT)
// or a column (OC_GUI_VBOX_LAYOUT) inside a fixed box centred on the layout's
// position. They draw nothing themselves and take no input (their children
// do, as anywhere in the tree); no GUI description builds them.
//
// Each child added through AddLayoutChild / InsertLayoutChild has an
// alignment (0..8: the anchor of its cross position, other values the
// centre) and a spacing (the gap before it, unless the layout spreads the
// free space evenly). Children are laid out centred on their positions, by
// their extents: a child of size W x H turned by a takes
// W |cos a| + H |sin a| along x and H |cos a| + W |sin a| along y. Hidden
// children keep no place in the row but count for the even gap.
//
// The layout arranges its children when they are added or removed, and again
// before it is drawn when a child's size, turn or visibility changed since
// (a label or an image has its size only once its resources are loaded).
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/foundation/vector2.h"
#include "engine/gui/gui_object.h"

namespace ORB {

class OC_GUI_LAYOUT : public OC_GUI_OBJECT {
 public:
  // The box is width x height; alignment is the layout's own anchor (a
  // right or bottom one runs the row or column the other way).
  OC_GUI_LAYOUT(int32_t id, float width, float height, bool evenSpacing, int32_t alignment);

  // Inserts c (null: nothing) before position index with its alignment and
  // spacing, and arranges.
  void InsertLayoutChild(OC_GUI_OBJECT* c, int32_t index, int32_t alignment, float spacing);
  // The same at the end.
  void AddLayoutChild(OC_GUI_OBJECT* c, int32_t alignment, float spacing);
  template <typename Widget>
  Widget* AddLayoutChild(std::unique_ptr<Widget> c, int32_t alignment, float spacing) {
    Widget* raw = c.release();
    AddLayoutChild(static_cast<OC_GUI_OBJECT*>(raw), alignment, spacing);
    return raw;
  }
  // Removes and deletes a direct child (by pointer or position), and
  // arranges; anything else changes nothing. Answers whether one went.
  bool RemoveLayoutChild(const OC_GUI_OBJECT* c);
  bool RemoveLayoutChildAt(int32_t index);

  // Places the children. Implementations start with Measure().
  virtual void Arrange(bool evenSpacing, int32_t alignment) = 0;
  // Arranges with the layout's own spacing mode and alignment.
  void Arrange() { Arrange(even_spacing_, alignment_); }

  // The box.
  float GetWidth() const override { return width_; }
  float GetHeight() const override { return height_; }
  // The children's summed extents as of the last arrangement.
  float GetTotalWidth() const { return total_width_; }
  float GetTotalHeight() const { return total_height_; }
  int32_t GetAlignment() const { return alignment_; }
  bool HasEvenSpacing() const { return even_spacing_; }

  // Arranges again when a child changed (see the top of this file).
  void Draw() override;

  // A child's extent along x and y.
  static Vector2 Extent(const OC_GUI_OBJECT& child);

 protected:
  struct Slot {
    int32_t alignment = 4;
    float spacing = 0.0f;
  };

  // Records every child's extent and visibility and sums the totals.
  void Measure();
  // The row (horizontal) or column arrangement both boxes share.
  void ArrangeAlong(bool horizontal, bool evenSpacing, int32_t alignment);

  void OnChildInserted(size_t index) override;
  void OnChildErased(size_t index) override;

 private:
  bool ChangedSinceMeasured() const;

  float width_;
  float height_;
  std::vector<Slot> slots_;  // one per child, in step with the child list
  std::vector<Vector2> measured_;
  std::vector<bool> shown_;
  float total_width_ = 0.0f;
  float total_height_ = 0.0f;
  int32_t alignment_;
  bool even_spacing_;
};

// Left to right; right to left for a right-column alignment (2, 5, 8).
class OC_GUI_HBOX_LAYOUT : public OC_GUI_LAYOUT {
 public:
  using OC_GUI_LAYOUT::Arrange;
  using OC_GUI_LAYOUT::OC_GUI_LAYOUT;
  void Arrange(bool evenSpacing, int32_t alignment) override {
    ArrangeAlong(true, evenSpacing, alignment);
  }
};

// Top to bottom; bottom to top for a bottom-row alignment (6, 7, 8).
class OC_GUI_VBOX_LAYOUT : public OC_GUI_LAYOUT {
 public:
  using OC_GUI_LAYOUT::Arrange;
  using OC_GUI_LAYOUT::OC_GUI_LAYOUT;
  void Arrange(bool evenSpacing, int32_t alignment) override {
    ArrangeAlong(false, evenSpacing, alignment);
  }
};

}  // namespace ORB
