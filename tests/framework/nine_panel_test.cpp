// The nine-part panel on the recording device: where each piece lands at
// various sizes, with unequal corners, below the minimum and with pieces
// missing.
#include "framework/nine_panel.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/foundation/render_state.h"
#include "support/counting_textures.h"
#include "support/recording_renderer.h"

namespace ORB_GF {
namespace {

using test_support::CountingTextures;

// A drawn quad's rectangle on screen and its texture coordinates' reach.
struct Rect {
  float left, top, right, bottom;
  float u_max, v_max;
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

class NinePanelTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    provider_ = std::make_unique<CountingTextures>(*renderer_);
    // Unequal corners: the left column 10 wide, the right 6; the top row 8
    // high, the bottom 4. Edges and middle are 4 x 4.
    provider_->Add("p ul", 10, 8);
    provider_->Add("p ur", 6, 8);
    provider_->Add("p dl", 10, 4);
    provider_->Add("p dr", 6, 4);
    for (const char* name : {"p up", "p dn", "p lt", "p rt", "p mid"}) provider_->Add(name, 4, 4);
  }

  // The quads drawn so far, in drawing order.
  std::vector<Rect> Quads() {
    const auto vertices = Drawn();
    std::vector<Rect> quads;
    for (size_t i = 0; i + 3 < vertices.size(); i += 4) {
      quads.push_back({vertices[i].x, vertices[i].y, vertices[i + 2].x, vertices[i + 2].y,
                       vertices[i + 2].u, vertices[i + 2].v});
    }
    return quads;
  }

  static void SetAll(NinePanel& panel) {
    panel.SetFiles("p ul", "p up", "p ur", "p lt", "p mid", "p rt", "p dl", "p dn", "p dr");
  }

  std::unique_ptr<CountingTextures> provider_;
};

TEST_F(NinePanelTest, PiecesFrameTheMiddle) {
  NinePanel panel;
  SetAll(panel);
  panel.LoadTextures(provider_.get());
  EXPECT_EQ(panel.GetMinWidth(), 16.0f);
  EXPECT_EQ(panel.GetMinHeight(), 12.0f);
  EXPECT_EQ(panel.GetWidth(), 16.0f) << "a panel never sized takes the minimum";
  EXPECT_EQ(provider_->TotalUses(), 9);

  panel.SetPosition(100.0f, 50.0f);
  panel.SetSize(56, 32);  // middle 40 x 20, centred on (100, 50)
  EXPECT_EQ(panel.GetMiddleWidth(), 40.0f);
  EXPECT_EQ(panel.GetMiddleHeight(), 20.0f);
  panel.Draw();
  const std::vector<Rect> quads = Quads();
  ASSERT_EQ(quads.size(), 9u);
  // Drawing order: ul, up, ur, rt, dr, dn, dl, lt, mid. The 4-pixel edges
  // lie against the middle, inside the wider corners' column and row.
  const std::vector<Rect> expected = {
      {70, 32, 80, 40, 0, 0},   {80, 36, 120, 40, 0, 0},  {120, 32, 126, 40, 0, 0},
      {120, 40, 124, 60, 0, 0}, {120, 60, 126, 64, 0, 0}, {80, 60, 120, 64, 0, 0},
      {70, 60, 80, 64, 0, 0},   {76, 40, 80, 60, 0, 0},   {80, 40, 120, 60, 0, 0}};
  EXPECT_EQ(quads, expected);
  // Edges repeat their picture along their axis, the middle both ways; the
  // corners show theirs once.
  EXPECT_FLOAT_EQ(quads[1].u_max, 10.0f);  // up: 40 wide over a 4-pixel picture
  EXPECT_FLOAT_EQ(quads[1].v_max, 1.0f);
  EXPECT_FLOAT_EQ(quads[3].v_max, 5.0f);  // rt: 20 high
  EXPECT_FLOAT_EQ(quads[8].u_max, 10.0f);
  EXPECT_FLOAT_EQ(quads[8].v_max, 5.0f);
  EXPECT_FLOAT_EQ(quads[0].u_max, 1.0f);
  EXPECT_EQ(ORB::RenderState(panel.GetPiece(NinePanel::kUp).GetState()).Addressing(), 1u);
  EXPECT_EQ(ORB::RenderState(panel.GetPiece(NinePanel::kLt).GetState()).Addressing(), 2u);
  EXPECT_EQ(ORB::RenderState(panel.GetPiece(NinePanel::kMid).GetState()).Addressing(), 3u);
  EXPECT_EQ(ORB::RenderState(panel.GetPiece(NinePanel::kUL).GetState()).Addressing(), 0u);

  panel.ReleaseTextures();
  EXPECT_EQ(provider_->TotalUses(), 0);
}

TEST_F(NinePanelTest, SizesBelowTheCornersKeepTheMinimum) {
  NinePanel panel;
  SetAll(panel);
  panel.LoadTextures(provider_.get());
  for (const auto& [w, h] : std::vector<std::pair<int, int>>{{3, 5}, {0, 0}, {-20, -1}, {16, 12}}) {
    panel.SetSize(w, h);
    EXPECT_EQ(panel.GetWidth(), 16.0f) << w;
    EXPECT_EQ(panel.GetHeight(), 12.0f) << h;
    EXPECT_EQ(panel.GetMiddleWidth(), 0.0f);
    EXPECT_EQ(panel.GetMiddleHeight(), 0.0f);
  }
  panel.Draw();
  const std::vector<Rect> quads = Quads();
  ASSERT_EQ(quads.size(), 9u);
  // The corners meet at the centre; no quad is turned inside out.
  EXPECT_EQ(quads[0], (Rect{-10, -8, 0, 0, 0, 0}));
  EXPECT_EQ(quads[4], (Rect{0, 0, 6, 4, 0, 0}));
  for (const Rect& quad : quads) {
    EXPECT_GE(quad.right, quad.left) << quad;
    EXPECT_GE(quad.bottom, quad.top) << quad;
  }
}

TEST_F(NinePanelTest, OddMiddlesStayOnWholePixels) {
  NinePanel panel;
  SetAll(panel);
  panel.LoadTextures(provider_.get());
  panel.SetSize(16 + 7, 12 + 5);  // middle 7 x 5
  panel.Draw();
  for (const Rect& quad : Quads()) {
    for (float edge : {quad.left, quad.top, quad.right, quad.bottom}) {
      EXPECT_EQ(edge, static_cast<float>(static_cast<int>(edge))) << quad;
    }
  }
  const std::vector<Rect> quads = Quads();
  EXPECT_EQ(quads[8], (Rect{-3, -2, 4, 3, 0, 0}));  // the odd pixel goes right and down
  EXPECT_EQ(quads[0].right, quads[8].left);
  EXPECT_EQ(quads[4].left, quads[8].right);
}

TEST_F(NinePanelTest, CornersOnlyKeepTheirSize) {
  NinePanel panel;
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string("<border ul='p ul' ur='p ur' dl='p dl' dr='p dr' mid=''/>"));
  panel.Load(doc.first_child());
  panel.LoadTextures(provider_.get());
  panel.SetSize(40, 30);
  EXPECT_EQ(panel.GetMiddleWidth(), 24.0f);
  EXPECT_EQ(panel.GetMiddleHeight(), 18.0f);
  panel.Draw();
  const std::vector<Rect> quads = Quads();
  ASSERT_EQ(quads.size(), 4u) << "pieces without a picture are skipped";
  // ul, ur, dr, dl around an empty 24 x 18 middle: the frame keeps 40 x 30.
  EXPECT_EQ(quads[0], (Rect{-22, -17, -12, -9, 0, 0}));
  EXPECT_EQ(quads[1], (Rect{12, -17, 18, -9, 0, 0}));
  EXPECT_EQ(quads[2], (Rect{12, 9, 18, 13, 0, 0}));
  EXPECT_EQ(quads[3], (Rect{-22, 9, -12, 13, 0, 0}));
}

TEST_F(NinePanelTest, MissingCornersFallBackAlongTheirColumnAndRow) {
  NinePanel panel;
  // Without ul the left column is dl's width and the top row ur's height.
  panel.SetFiles("", "p up", "p ur", "p lt", "p mid", "p rt", "p dl", "p dn", "p dr");
  panel.LoadTextures(provider_.get());
  EXPECT_EQ(panel.GetMinWidth(), 16.0f);
  EXPECT_EQ(panel.GetMinHeight(), 12.0f);
  NinePanel empty;
  empty.LoadTextures(provider_.get());
  EXPECT_EQ(empty.GetMinWidth(), 0.0f);
  empty.SetSize(-5, -5);
  EXPECT_EQ(empty.GetWidth(), 0.0f);
  empty.Draw();
  EXPECT_TRUE(Quads().empty());
}

}  // namespace
}  // namespace ORB_GF
