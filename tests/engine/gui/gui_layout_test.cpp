// Row and column layouts over widgets of chosen sizes and turns.
#include "engine/gui/gui_layout.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <vector>

#include "engine/gui/gui_root.h"

namespace ORB {
namespace {

constexpr float kHalfTurn = std::numbers::pi_v<float>;

class Box : public OC_GUI_OBJECT {
 public:
  Box(float w, float h, float angle = 0.0f) : OC_GUI_OBJECT(1), w_(w), h_(h) {
    GetTransform().SetAngle(angle);
  }
  float GetWidth() const override { return w_; }
  float GetHeight() const override { return h_; }
  void Resize(float w, float h) {
    w_ = w;
    h_ = h;
  }

 private:
  float w_;
  float h_;
};

struct Child {
  float w, h, angle;
  int32_t alignment;
  float spacing;
};

// The positions the layout gives its children.
template <typename Layout>
std::vector<Vector2> Arranged(float width, float height, bool even, int32_t alignment,
                              const std::vector<Child>& children) {
  Layout layout(0, width, height, even, alignment);
  for (const Child& c : children) {
    layout.AddLayoutChild(std::make_unique<Box>(c.w, c.h, c.angle), c.alignment, c.spacing);
  }
  std::vector<Vector2> positions;
  for (size_t i = 0; i < layout.GetChildCount(); ++i) {
    positions.push_back(layout.GetChild(i)->GetTransform().GetPositionV2());
  }
  return positions;
}

void ExpectPositions(const std::vector<Vector2>& actual, const std::vector<Vector2>& expected,
                     const char* name) {
  ASSERT_EQ(actual.size(), expected.size()) << name;
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i].x, expected[i].x, 0.05f) << name << ", child " << i;
    EXPECT_NEAR(actual[i].y, expected[i].y, 0.05f) << name << ", child " << i;
  }
}

TEST(GuiLayout, RowsPlaceTheirChildren) {
  ExpectPositions(
      Arranged<OC_GUI_HBOX_LAYOUT>(300, 100, true, 4, {{100, 20, 0, 4, 0}, {100, 20, 0, 4, 0}}),
      {{-66.67f, 0}, {66.67f, 0}}, "even spacing");
  ExpectPositions(
      Arranged<OC_GUI_HBOX_LAYOUT>(300, 100, true, 5, {{100, 20, 0, 4, 0}, {100, 20, 0, 4, 0}}),
      {{66.67f, 0}, {-66.67f, 0}}, "right alignment mirrors the row");
  ExpectPositions(
      Arranged<OC_GUI_HBOX_LAYOUT>(300, 100, true, 4,
                                   {{150, 20, 0, 4, 0}, {150, 20, 0, 4, 0}, {150, 20, 0, 4, 0}}),
      {{-75, 0}, {75, 0}, {225, 0}}, "wider than the box: no gap, overflowing to the right");
  ExpectPositions(
      Arranged<OC_GUI_HBOX_LAYOUT>(300, 100, false, 4,
                                   {{40, 100, kHalfTurn / 2, 0, 10}, {100, 40, kHalfTurn, 8, 10}}),
      {{-90, -30}, {20, 30}}, "turned by 90 and 180 degrees; top and bottom rows");
  ExpectPositions(
      Arranged<OC_GUI_HBOX_LAYOUT>(300, 100, false, 4, {{20, 20, 0, 42, 5}, {20, 20, 0, -1, 5}}),
      {{-135, 0}, {-110, 0}}, "alignments outside 0..8 are centred");
}

TEST(GuiLayout, ColumnsPlaceTheirChildren) {
  ExpectPositions(
      Arranged<OC_GUI_VBOX_LAYOUT>(100, 300, true, 4, {{20, 100, 0, 4, 0}, {20, 100, 0, 4, 0}}),
      {{0, -66.67f}, {0, 66.67f}}, "even spacing");
  ExpectPositions(
      Arranged<OC_GUI_VBOX_LAYOUT>(100, 300, true, 7, {{20, 100, 0, 4, 0}, {20, 100, 0, 4, 0}}),
      {{0, 66.67f}, {0, -66.67f}}, "bottom alignment mirrors the column");
  ExpectPositions(
      Arranged<OC_GUI_VBOX_LAYOUT>(100, 300, false, 4,
                                   {{100, 40, kHalfTurn / 2, 3, 0}, {40, 100, kHalfTurn, 5, 0}}),
      {{-30, -100}, {30, 0}}, "turned; left and right columns");
}

TEST(GuiLayout, HiddenChildrenKeepNoPlaceButCountForTheGap) {
  OC_GUI_HBOX_LAYOUT row(0, 400, 50, true, 4);
  Box* a = row.AddLayoutChild(std::make_unique<Box>(100, 10), 4, 0);
  Box* hidden = row.AddLayoutChild(std::make_unique<Box>(50, 10), 4, 0);
  Box* b = row.AddLayoutChild(std::make_unique<Box>(100, 10), 4, 0);
  hidden->SetVisible(false);
  row.Arrange();
  // gap = (400 - 250) / 4 = 37.5
  EXPECT_FLOAT_EQ(a->GetTransform().position.x, -200 + 37.5f + 50);
  EXPECT_FLOAT_EQ(b->GetTransform().position.x, -200 + 37.5f + 100 + 37.5f + 50);
  EXPECT_EQ(row.GetTotalWidth(), 250.0f);
  EXPECT_EQ(row.GetWidth(), 400.0f);
  EXPECT_EQ(row.GetKind(), kGuiKindPlain);
}

TEST(GuiLayout, ChildrenThatChangeAreArrangedAgainBeforeTheNextDraw) {
  OC_GUI_ROOT root;
  auto* row = root.Add(std::make_unique<OC_GUI_HBOX_LAYOUT>(0, 300, 100, true, 4));
  Box* a = row->AddLayoutChild(std::make_unique<Box>(0, 0), 4, 0);
  Box* b = row->AddLayoutChild(std::make_unique<Box>(0, 0), 4, 0);
  EXPECT_FLOAT_EQ(a->GetTransform().position.x, -50.0f);
  // Sizes known only once resources are loaded.
  a->Resize(100, 20);
  b->Resize(100, 20);
  root.Draw();
  EXPECT_NEAR(a->GetTransform().position.x, -66.67f, 0.05f);
  EXPECT_NEAR(b->GetTransform().position.x, 66.67f, 0.05f);
  EXPECT_EQ(row->GetTotalWidth(), 200.0f);
  // A child turned, hidden, added or removed another way.
  b->GetTransform().SetAngle(kHalfTurn / 2);
  root.Draw();
  EXPECT_EQ(row->GetTotalWidth(), 120.0f);
  a->SetVisible(false);
  root.Draw();
  EXPECT_NEAR(b->GetTransform().position.x, -150.0f + 60.0f + 10.0f, 0.05f);
  Box* c = new Box(30, 30);
  row->AddChild(c);
  root.Draw();
  EXPECT_EQ(row->GetTotalWidth(), 150.0f);
  root.Remove(c);
  root.Draw();
  EXPECT_EQ(row->GetTotalWidth(), 120.0f);
}

TEST(GuiLayout, RemovingChildren) {
  OC_GUI_HBOX_LAYOUT row(0, 300, 100, true, 4);
  Box* a = row.AddLayoutChild(std::make_unique<Box>(100, 20), 0, 0);
  Box* b = row.AddLayoutChild(std::make_unique<Box>(100, 20), 8, 0);
  row.InsertLayoutChild(new Box(50, 20), 1, 4, 0);
  row.InsertLayoutChild(nullptr, 0, 4, 0);
  EXPECT_EQ(row.GetChildCount(), 3u);
  EXPECT_FALSE(row.RemoveLayoutChild(nullptr));
  EXPECT_FALSE(row.RemoveLayoutChildAt(3));
  EXPECT_FALSE(row.RemoveLayoutChildAt(-1));
  Box outside(10, 10);
  EXPECT_FALSE(row.RemoveLayoutChild(&outside));
  EXPECT_TRUE(row.RemoveLayoutChildAt(1));
  EXPECT_EQ(row.GetTotalWidth(), 200.0f);
  // The entries stay with their children: a at the top, b at the bottom.
  EXPECT_FLOAT_EQ(a->GetTransform().position.y, -40.0f);
  EXPECT_FLOAT_EQ(b->GetTransform().position.y, 40.0f);
  EXPECT_TRUE(row.RemoveLayoutChild(a));
  EXPECT_FLOAT_EQ(b->GetTransform().position.x, 0.0f);
  EXPECT_FLOAT_EQ(b->GetTransform().position.y, 40.0f);
}

}  // namespace
}  // namespace ORB
