// The template of a game screen reads the description its header shows:
// its settings, its font from the game's font list once loaded, and its
// close button.
#include "game/shell/screens/template_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/shell/hub_fixture.h"

namespace game {
namespace {

// The template with its widget hook in reach.
class OpenTemplate : public GG_WINDOW_TEMPLATE {
 public:
  using GG_WINDOW_TEMPLATE::GG_WINDOW_TEMPLATE;
  using GG_WINDOW_TEMPLATE::OnGuiEvent;
};

constexpr const char* kDescription =
    "<window _name=\"Template\" _type=\"GG_WINDOW_TEMPLATE\" _typeOpen=\"SH_MOMENTAL\" "
    "_typeClose=\"SH_MOMENTAL\"><GUI/><settings font=\"clue20\" shift=\"0 24\"/></window>";

TEST_F(HubTest, TheTemplateReadsItsSettingsAndClosesOnItsButton) {
  ASSERT_TRUE(Start());
  auto* window = static_cast<OpenTemplate*>(
      Windows().AddWindow(test_support::MakeWindow<OpenTemplate>(kDescription)));
  EXPECT_EQ(window->GetFontName(), "clue20");
  EXPECT_FLOAT_EQ(window->GetShift().y, 24.0f);
  EXPECT_EQ(window->GetFont(), nullptr) << "not before its resources";

  Windows().OpenWindow("Template", true);
  Frames(2);
  ASSERT_TRUE(IsOpen("Template"));
  EXPECT_NE(window->GetFont(), nullptr);
  window->OnGuiEvent(GG_WINDOW_TEMPLATE::kTitleId);
  Frames(2);
  EXPECT_TRUE(IsOpen("Template"));
  window->OnGuiEvent(GG_WINDOW_TEMPLATE::kCloseId);
  Frames(2);
  EXPECT_FALSE(IsOpen("Template"));

  // Without settings the defaults stand.
  const auto bare = test_support::MakeWindow<OpenTemplate>("<window _name=\"Bare\"/>");
  EXPECT_EQ(bare->GetFontName(), "");
  EXPECT_TRUE(bare->GetShift().IsZero());
}

}  // namespace
}  // namespace game
