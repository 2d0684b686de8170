// Panels driven by scripted input: dragging with 9 on every move pass, the
// end of a drag on any release (also after a quick flick and when another
// widget took the release), movable and fixed panels; the nine-piece frame's
// piece sizes, places and texture rectangles at a size and at its minimum,
// its hit area over the frame as drawn, and a size set before the build.
#include "engine/gui/gui_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "engine/gui/gui_panel9.h"
#include "engine/platform/key_codes.h"
#include "support/scripted_input.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

class GuiPanelTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add("panel.png", 200, 100);
    // A frame whose pieces all differ in size: corners 20 or 24 wide, 16 or
    // 12 tall; side edges only 8 tall (less than the corners).
    const int sizes[9][2] = {{20, 16}, {8, 16},  {24, 16}, {20, 8}, {8, 8},
                             {24, 8},  {20, 12}, {8, 12},  {24, 12}};
    for (int i = 0; i < 9; ++i) textures_->Add(PieceName(i), sizes[i][0], sizes[i][1]);
  }

  static std::string PieceName(int i) { return "piece" + std::to_string(i) + ".png"; }
  static OC_GUI_PANEL9::Names PieceNames() {
    OC_GUI_PANEL9::Names names;
    for (int i = 0; i < 9; ++i) names[i] = PieceName(i);
    return names;
  }

  // The piece's rectangle as drawn, relative to the panel's position: left,
  // top, width, height.
  static std::array<float, 4> Rect(const OC_MESH& piece) {
    const OS_TRANSFORM3& t = *piece.GetTransform();
    return {t.position.x - t.pivot.x, t.position.y - t.pivot.y, piece.GetWidth(),
            piece.GetHeight()};
  }
};

TEST_F(GuiPanelTest, DraggingRaises9OnEveryMovePassAndEndsOnRelease) {
  auto* panel = root_->Add(std::make_unique<OC_GUI_PANEL>(8, "panel.png"));
  EXPECT_EQ(panel->GetKind(), kGuiKindPanel);
  EXPECT_TRUE(panel->IsMovable());
  panel->SetPosition(300.0f, 300.0f, 0.0f);  // covers 200..400 x 250..350
  int grabs = 0;
  panel->SetGrabScript(CreateCallback([&grabs](intptr_t) { return ++grabs; }));
  root_->LoadResources();
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(250, 260);
  EXPECT_EQ(frames_.Last().move, kGuiEventEntered);
  input.Press();
  EXPECT_EQ(frames_.Last().down, kGuiEventPressed);
  EXPECT_TRUE(panel->IsFocused());
  input.Move(260, 265);
  EXPECT_EQ(frames_.Last().move, kGuiEventDragged);
  EXPECT_EQ(panel->GetTransform().GetPositionV2(), Vector2(310.0f, 305.0f));
  // A move pass without a move (the window enabling its input) drags too.
  EXPECT_EQ(frames_.RunMove(), kGuiEventDragged);
  EXPECT_EQ(grabs, 2);
  input.Release();
  EXPECT_EQ(frames_.Last().up, kGuiEventClicked);
  EXPECT_FALSE(panel->IsDragging());
  input.Move(270, 270);
  EXPECT_EQ(frames_.Last().move, 0);
  EXPECT_EQ(panel->GetTransform().GetPositionV2(), Vector2(310.0f, 305.0f));
  EXPECT_EQ(grabs, 2);

  // Keys and other buttons never drag it.
  input.Key(platform::kKeySpace);
  input.Press(platform::kMouseRight);
  input.Move(280, 280);
  EXPECT_EQ(frames_.Last().move, 0);
  input.Release(platform::kMouseRight);
  // A press elsewhere drops the focus.
  input.Move(20, 20);
  input.Press();
  EXPECT_FALSE(panel->IsFocused());
}

TEST_F(GuiPanelTest, AFlickReleasedOffThePanelEndsTheDrag) {
  auto* panel = root_->Add(std::make_unique<OC_GUI_PANEL>(8, "panel.png"));
  panel->SetPosition(300.0f, 300.0f, 0.0f);
  root_->LoadResources();
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(300, 300);
  input.Press();
  // Far in one move: the hover test still sees the panel where it was.
  input.Move(700, 600);
  EXPECT_EQ(frames_.Last().move, kGuiEventDragged);
  EXPECT_FALSE(panel->IsHovered());
  EXPECT_EQ(panel->GetTransform().GetPositionV2(), Vector2(700.0f, 600.0f));
  input.Release();
  EXPECT_EQ(frames_.Last().up, 0) << "not hovered: no click";
  EXPECT_FALSE(panel->IsDragging());
  input.Move(720, 610);
  EXPECT_EQ(frames_.Last().move, kGuiEventEntered);
  input.Move(760, 640);
  EXPECT_EQ(panel->GetTransform().GetPositionV2(), Vector2(700.0f, 600.0f))
      << "the panel no longer follows a pointer whose button is up";

  // A release that went to another widget: the next move pass ends the drag.
  input.Press();
  frames_.Mute(true);
  input.SetFrame([&] { frames_.RunMove(); });
  input.Release();
  frames_.Mute(false);
  input.SetFrame([&] { frames_.Run(); });
  input.Move(500, 500);
  EXPECT_FALSE(panel->IsDragging());
  EXPECT_EQ(panel->GetTransform().GetPositionV2(), Vector2(700.0f, 600.0f));
}

TEST_F(GuiPanelTest, APanel9MovesOnlyWhenMadeMovable) {
  auto* frame = root_->Add(std::make_unique<OC_GUI_PANEL9>(9, PieceNames()));
  EXPECT_EQ(frame->GetKind(), kGuiKindPanel9);
  EXPECT_FALSE(frame->IsMovable());
  frame->SetPosition(400.0f, 300.0f, 0.0f);
  root_->LoadResources();
  frame->SetSize(200, 100);
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(400, 300);
  EXPECT_EQ(frames_.Last().move, kGuiEventEntered);
  input.Press();
  EXPECT_EQ(frames_.Last().down, kGuiEventPressed);
  input.Move(420, 310);
  EXPECT_EQ(frames_.Last().move, 0);
  input.Release();
  EXPECT_EQ(frames_.Last().up, kGuiEventClicked);
  EXPECT_EQ(frame->GetTransform().GetPositionV2(), Vector2(400.0f, 300.0f));
  frame->SetMovable(true);
  input.Press();
  input.Move(430, 320);
  EXPECT_EQ(frames_.Last().move, kGuiEventDragged);
  EXPECT_EQ(frame->GetTransform().GetPositionV2(), Vector2(410.0f, 310.0f));
  input.Release();
}

TEST_F(GuiPanelTest, Panel9PiecesAtASizeAndAtItsMinimum) {
  auto* frame = root_->Add(std::make_unique<OC_GUI_PANEL9>(9, PieceNames()));
  frame->SetPosition(500.0f, 400.0f, 0.0f);
  EXPECT_EQ(frame->GetWidth(), 0.0f);
  root_->LoadResources();
  ASSERT_TRUE(frame->IsBuilt());
  EXPECT_EQ(frame->GetMinWidth(), 44) << "the two upper corners";
  EXPECT_EQ(frame->GetMinHeight(), 16) << "the two side edges";

  struct Case {
    int32_t w, h;
    float width, height;  // as drawn
    // Each piece's rectangle from the position, and the texture rectangle's
    // far corner (u, v) of the edges and the middle.
    std::array<std::array<float, 4>, 9> rects;
    std::array<std::array<float, 2>, 9> uv;
  };
  // clang-format off
  const Case cases[] = {
      // 300 x 201: a middle of 256 x 173, split 128 | 128 and 86 | 87.
      {300, 201, 300, 201,
       {{{-148, -102, 20, 16}, {-128, -102, 256, 16}, {128, -102, 24, 16},
         {-148, -86, 20, 173}, {-128, -86, 256, 173}, {128, -86, 24, 173},
         {-148, 87, 20, 12}, {-128, 87, 256, 12}, {128, 87, 24, 12}}},
       {{{1, 1}, {32, 1}, {1, 1}, {1, 21.625f}, {32, 21.625f}, {1, 21.625f}, {1, 1}, {32, 1},
         {1, 1}}}},
      // At (0, 0): the minimum 44 x 16, less than the corners' 28: the middle
      // and the edges get nothing, never less.
      {0, 0, 44, 28,
       {{{-20, -16, 20, 16}, {0, -16, 0, 16}, {0, -16, 24, 16},
         {-20, 0, 20, 0}, {0, 0, 0, 0}, {0, 0, 24, 0},
         {-20, 0, 20, 12}, {0, 0, 0, 12}, {0, 0, 24, 12}}},
       {{{1, 1}, {0, 1}, {1, 1}, {1, 0}, {0, 0}, {1, 0}, {1, 1}, {0, 1}, {1, 1}}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    frame->SetSize(c.w, c.h);
    EXPECT_EQ(frame->GetWidth(), c.width) << c.w;
    EXPECT_EQ(frame->GetHeight(), c.height) << c.w;
    for (int i = 0; i < 9; ++i) {
      const OC_MESH* piece = frame->GetPiece(i);
      ASSERT_NE(piece, nullptr);
      EXPECT_EQ(Rect(*piece), c.rects[i]) << "piece " << i << " at " << c.w;
      EXPECT_FLOAT_EQ(piece->GetVertex(2)->u, c.uv[i][0]) << "piece " << i << " at " << c.w;
      EXPECT_FLOAT_EQ(piece->GetVertex(2)->v, c.uv[i][1]) << "piece " << i << " at " << c.w;
      EXPECT_EQ(piece->GetTransform()->parent, &frame->GetTransform());
    }
    // The hit area is the frame as drawn, around the position.
    const float left = c.rects[0][0];
    const float top = c.rects[0][1];
    const float right = left + c.width;
    const float bottom = top + c.height;
    const OC_HIT_SHAPE& hit = frame->GetHitShape();
    EXPECT_TRUE(hit.Contains(500 + left, 400 + top)) << c.w;
    EXPECT_TRUE(hit.Contains(500 + right, 400 + bottom)) << c.w;
    EXPECT_FALSE(hit.Contains(500 + left - 1, 400 + top)) << c.w;
    EXPECT_FALSE(hit.Contains(500 + right, 400 + bottom + 1)) << c.w;
  }
  // The wrap bits: the edges repeat along their length, the middle both ways.
  const uint32_t wraps[9] = {0, 1, 0, 2, 3, 2, 0, 1, 0};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(RenderState(frame->GetPiece(i)->GetState()).Addressing(), wraps[i]) << i;
  }
}

TEST_F(GuiPanelTest, SizesSetBeforeTheBuildAreKept) {
  auto* panel = root_->Add(std::make_unique<OC_GUI_PANEL>(1, "panel.png"));
  auto* frame = root_->Add(std::make_unique<OC_GUI_PANEL9>(2, PieceNames()));
  auto* unsized = root_->Add(std::make_unique<OC_GUI_PANEL9>(3, PieceNames()));
  panel->SetSize(120, 80);
  frame->SetSize(300, 200);
  root_->LoadResources();
  EXPECT_EQ(panel->GetWidth(), 120.0f);
  EXPECT_EQ(panel->GetHeight(), 80.0f);
  EXPECT_TRUE(panel->GetSheet().Hit().Contains(59.0f, 39.0f));
  EXPECT_FALSE(panel->GetSheet().Hit().Contains(61.0f, 0.0f));
  EXPECT_EQ(frame->GetWidth(), 300.0f);
  EXPECT_EQ(frame->GetHeight(), 200.0f);
  EXPECT_EQ(unsized->GetWidth(), 44.0f) << "no size: the minimum";
}

TEST_F(GuiPanelTest, Panel9WithAPieceLeftOutAndOneMissing) {
  OC_GUI_PANEL9::Names names = PieceNames();
  names[4] = "";  // no middle: left out
  auto* open = root_->Add(std::make_unique<OC_GUI_PANEL9>(1, names));
  names[8] = "missing.png";
  auto* broken = root_->Add(std::make_unique<OC_GUI_PANEL9>(2, names));
  root_->LoadResources();
  EXPECT_TRUE(open->IsBuilt());
  EXPECT_EQ(open->GetPiece(4), nullptr);
  EXPECT_FALSE(broken->IsBuilt()) << "a named piece that cannot be had";
  EXPECT_EQ(broken->GetWidth(), 0.0f);
  root_->Draw();
  EXPECT_EQ(Drawn().size(), 8u * 4u) << "the open frame's eight pieces only";
  EXPECT_EQ(textures_->Uses(PieceName(0)), 2);
  root_->ReleaseResources();
  EXPECT_EQ(textures_->TotalUses(), 0);
}

}  // namespace
}  // namespace ORB
