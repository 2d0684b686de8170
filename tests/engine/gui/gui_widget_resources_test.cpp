// Every widget of the button, check box, panel and bar families takes and
// gives back exactly one use of each texture: a release before any load or a
// second release gives nothing back, a second load takes nothing more, the
// progress bar's two quads share one use, deletion gives back what is held,
// and a released widget shows the placeholder.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/gui/gui_animation_bar.h"
#include "engine/gui/gui_button2.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_checkbox5.h"
#include "engine/gui/gui_checkbox_ios.h"
#include "engine/gui/gui_panel.h"
#include "engine/gui/gui_panel9.h"
#include "engine/gui/gui_progress_bar.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

class GuiWidgetResourcesTest : public test_support::WidgetTest {};

TEST_F(GuiWidgetResourcesTest, OneUseTakenAndGivenBackPerTexture) {
  textures_->Add("a.png", 100, 20);
  textures_->Add("b.png", 20, 20);
  OC_GUI_PANEL9::Names nine;
  for (auto& name : nine) name = "b.png";
  struct Case {
    const char* what;
    std::function<std::unique_ptr<OC_GUI_OBJECT>()> make;
    int a_uses, b_uses;  // once loaded
  };
  const Case cases[] = {
      {"BUTTON5", [] { return std::make_unique<OC_GUI_BUTTON5>(1, "a.png"); }, 1, 0},
      {"BUTTON2", [] { return std::make_unique<OC_GUI_BUTTON2>(1, "a.png"); }, 1, 0},
      {"CHECKBOX", [] { return std::make_unique<OC_GUI_CHECKBOX5>(1, "a.png"); }, 1, 0},
      {"CHECKBOX_IOS", [] { return std::make_unique<OC_GUI_CHECKBOX_IOS>(1, "a.png", "b.png"); }, 1,
       1},
      {"PANEL", [] { return std::make_unique<OC_GUI_PANEL>(1, "a.png"); }, 1, 0},
      {"PANEL9", [&nine] { return std::make_unique<OC_GUI_PANEL9>(1, nine); }, 0, 9},
      {"PROGRESS_BAR", [] { return std::make_unique<OC_GUI_PROGRESS_BAR>(1, "a.png"); }, 1, 0},
      {"ANIMATION_BAR", [] { return std::make_unique<OC_GUI_ANIMATION_BAR>(1, "a.png", 2, 1, 2); },
       1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OC_GUI_OBJECT* widget = root_->Add(c.make());
    root_->ReleaseResources();  // before any load
    EXPECT_EQ(textures_->TotalUses(), 0);
    root_->LoadResources();
    root_->LoadResources();
    EXPECT_EQ(textures_->Uses("a.png"), c.a_uses);
    EXPECT_EQ(textures_->Uses("b.png"), c.b_uses);
    EXPECT_GT(widget->GetWidth(), 0.0f);
    root_->ReleaseResources();
    root_->ReleaseResources();
    EXPECT_EQ(textures_->TotalUses(), 0);
    // Released, it still draws its quads, on the placeholder.
    root_->Draw();
    EXPECT_FALSE(Drawn().empty());
    for (const auto& draw : fake_->Draws()) {
      EXPECT_EQ(draw.texture, renderer_->GetDefaultTexture()->handle);
    }
    // Deleted while loaded: the uses go back with it.
    root_->LoadResources();
    EXPECT_GT(textures_->TotalUses(), 0);
    root_->Clear();
    EXPECT_EQ(textures_->TotalUses(), 0);
  }
}

}  // namespace
}  // namespace ORB
