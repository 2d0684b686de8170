// Images in a root, driven by scripted input: building on the first real
// texture, sizes kept for the build, texture changes, use counts, and presses
// and clicks of mouse buttons only.
#include "engine/gui/gui_image.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/gui/gui_root.h"
#include "engine/platform/key_codes.h"
#include "support/log_capture.h"
#include "support/scripted_input.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

// A widget that only holds the focus, as a line box being typed into does.
class FocusHolder : public OC_GUI_OBJECT {
 public:
  explicit FocusHolder(int32_t id) : OC_GUI_OBJECT(id) { SetFocused(true); }
};

class GuiImageTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add("wide.png", 64, 32);
    textures_->Add("tall.png", 16, 48);
  }
};

TEST_F(GuiImageTest, BuildsOnItsFirstTextureWithTheSizeSetBefore) {
  auto* image = root_->Add(std::make_unique<OC_GUI_IMAGE>(9, "wide.png"));
  EXPECT_EQ(image->GetKind(), kGuiKindImage);
  image->SetSize(50, 30);  // as the description's SIZE comes, before the load
  image->SetPosition(100.0f, 100.0f, 0.0f);
  EXPECT_FALSE(image->IsBuilt());
  EXPECT_EQ(image->GetWidth(), 0.0f);
  root_->LoadResources();
  ASSERT_TRUE(image->IsBuilt());
  EXPECT_EQ(image->GetWidth(), 50.0f);
  EXPECT_EQ(image->GetHeight(), 30.0f);
  EXPECT_EQ(image->GetTransform().pivot.x, 25.0f) << "anchored at the centre of the set size";
  EXPECT_TRUE(image->GetHitShape().Contains(124.0f, 114.0f));
  EXPECT_FALSE(image->GetHitShape().Contains(126.0f, 100.0f));

  // Resized after the build: the hit follows what is drawn.
  image->SetAnchor(HS_UL);
  image->SetSize(10, 10);
  EXPECT_TRUE(image->GetHitShape().Contains(109.0f, 109.0f));
  EXPECT_FALSE(image->GetHitShape().Contains(111.0f, 105.0f));
  image->SetAnchor(-1);
  EXPECT_EQ(image->GetAnchor(), HS_MID);
}

TEST_F(GuiImageTest, TextureNamesAndUseCounts) {
  auto* image = root_->Add(std::make_unique<OC_GUI_IMAGE>(9, "wide.png"));
  image->SetTextureName("tall.png");
  EXPECT_EQ(textures_->Acquires(), 0) << "a name set before a load loads nothing";
  root_->LoadResources();
  root_->LoadResources();
  EXPECT_EQ(textures_->Uses("tall.png"), 1);
  EXPECT_EQ(image->GetWidth(), 16.0f);

  // Between a load and a release, a new name is rebuilt on at once.
  image->SetTextureName("wide.png");
  EXPECT_EQ(textures_->Uses("tall.png"), 0);
  EXPECT_EQ(textures_->Uses("wide.png"), 1);
  EXPECT_EQ(image->GetWidth(), 64.0f);
  root_->ReleaseResources();
  root_->ReleaseResources();
  EXPECT_EQ(textures_->Uses("wide.png"), 0);
  EXPECT_EQ(image->GetQuad()->GetTexture(), renderer_->GetDefaultTexture());
  root_->LoadResources();
  EXPECT_EQ(image->GetWidth(), 64.0f) << "a later load only swaps the texture";
  root_->ReleaseResources();
  image->SetTextureName("tall.png");
  EXPECT_EQ(textures_->Uses("tall.png"), 0) << "released: nothing is taken";
  root_->LoadResources();
  EXPECT_EQ(image->GetWidth(), 16.0f) << "rebuilt on the new texture";
  EXPECT_EQ(textures_->Uses("tall.png"), 1);

  // A texture handed in is the caller's.
  TextureRecord* mine = renderer_->CreateBlank(8, 8);
  image->SetTexture(mine);
  EXPECT_EQ(textures_->Uses("tall.png"), 0);
  EXPECT_EQ(image->GetWidth(), 8.0f);
  root_->ReleaseResources();
  root_->LoadResources();
  EXPECT_EQ(image->GetQuad()->GetTexture(), mine);
  auto* ready = root_->Add(std::make_unique<OC_GUI_IMAGE>(10, mine));
  EXPECT_TRUE(ready->IsBuilt());
  EXPECT_EQ(ready->GetHeight(), 8.0f);
}

TEST_F(GuiImageTest, AMissingTextureLeavesItUnbuilt) {
  test_support::LogCapture log;
  auto* image = root_->Add(std::make_unique<OC_GUI_IMAGE>(9, "missing.png"));
  root_->LoadResources();
  EXPECT_FALSE(image->IsBuilt());
  EXPECT_TRUE(log.Has("gui: warning: texture 'missing.png' cannot be had"));
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Click(0, 0);
  EXPECT_EQ(root_->EventCode(), 0);
  root_->Draw();
}

TEST_F(GuiImageTest, AClickKeepsAnsweringUntilAButtonGoesDownOrUpOutside) {
  auto* image = root_->Add(std::make_unique<OC_GUI_IMAGE>(9, "wide.png"));
  image->SetPosition(200.0f, 200.0f, 0.0f);
  root_->LoadResources();
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(210, 205);
  input.Press();
  input.Release();
  input.Idle(2);
  input.Move(400, 400);
  input.Idle();
  input.Press(platform::kMouseRight);
  input.Idle();
  const std::vector<std::vector<int32_t>> expected = {
      {0, 0, 0},             // moved over it: no hover
      {7, 0, 7},             // pressed
      {0, 8, 8},             // released inside: a click
      {0, 0, 8}, {0, 0, 8},  // the click stays
      {0, 0, 8}, {0, 0, 8},  // also after the pointer left
      {0, 0, 0},             // a button went down outside
      {0, 0, 0},
  };
  const auto& answers = frames_.All();
  ASSERT_EQ(answers.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ((std::vector<int32_t>{answers[i].down, answers[i].up, answers[i].process}),
              expected[i])
        << "frame " << i;
  }
}

TEST_F(GuiImageTest, KeysDoNotReachImages) {
  auto* typing = root_->Add(std::make_unique<FocusHolder>(1));
  auto* image = root_->Add(std::make_unique<OC_GUI_IMAGE>(9, "wide.png"));
  image->SetPosition(200.0f, 200.0f, 0.0f);
  root_->LoadResources();
  test_support::ScriptedInput input([&] { frames_.Run(); });
  input.Move(200, 200);  // the pointer rests on the image
  input.Key('A');
  input.Key(platform::kKeyEnter);
  EXPECT_TRUE(typing->IsFocused()) << "typing goes on";
  EXPECT_EQ(root_->EventCode(), 0);
  input.Press(platform::kMouseMiddle);
  EXPECT_EQ(root_->EventCode(), kGuiEventPressed) << "any mouse button";
  EXPECT_FALSE(typing->IsFocused());
}

TEST_F(GuiImageTest, WithoutInputItReactsToNothing) {
  auto* image = root_->Add(std::make_unique<OC_GUI_IMAGE>(9, "wide.png"));
  root_->LoadResources();
  {
    test_support::ScriptedInput input([&] { frames_.Run(); });
    input.Click(0, 0);
    ASSERT_EQ(image->GetEventCode(), kGuiEventClicked);
  }
  ASSERT_EQ(InputState::Current(), nullptr);
  EXPECT_EQ(root_->OnMouseDown(), nullptr);
  EXPECT_EQ(root_->Process(), nullptr);
  EXPECT_EQ(image->GetEventCode(), 0);
}

}  // namespace
}  // namespace ORB
