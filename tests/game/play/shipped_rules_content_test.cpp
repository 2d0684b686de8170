// What the level's rules open is shipped (tools/make_windows.py): the loss
// dialogues with the answers the rules read, and the fade above every other
// window. Their sounds are checked with the sound bank
// (tests/framework/shipped_sounds_test.cpp).
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "framework/stock_windows.h"
#include "framework/window_confirm.h"
#include "framework/window_simple.h"
#include "game/play/gameplay.h"
#include "support/source_path.h"
#include "support/window_kit.h"

namespace game {
namespace {

class ShippedRulesContentTest : public ::testing::Test {
 protected:
  ShippedRulesContentTest()
      : files_(test_support::SourcePath("")), repository_(files_, nullptr, nullptr) {}
  void SetUp() override {
    for (const char* folder : {"data/share/main/other", "data/share/main/windows"}) {
      ASSERT_EQ(repository_.AddFolder(folder), ORB::kResultOk) << folder;
    }
  }

  // The window made from its shipped description (its widgets left out). A
  // game screen, which only the game's factory makes, comes as a plain
  // window with the same common settings (its layer, its kinds).
  std::unique_ptr<ORB_GF::G_WINDOW> Window(const std::string& name) {
    pugi::xml_document* document = repository_.GetXml("data/share/main/windows " + name + ".xml");
    if (document == nullptr) return nullptr;
    test_support::ScopedGuiBuilder noWidgets([](ORB::OC_GUI_ROOT&, const pugi::xml_node&) {});
    std::unique_ptr<ORB_GF::G_WINDOW> window(
        ORB_GF::CreateStockWindow(document->document_element()));
    if (window == nullptr &&
        std::string(document->document_element().attribute("_type").as_string())
            .starts_with("GG_WINDOW_")) {
      window = std::make_unique<ORB_GF::G_WINDOW_SIMPLE>(document->document_element());
    }
    repository_.ReleaseXml(document);
    return window;
  }
  // The widget ids of the buttons in the window's description.
  std::set<int> ButtonIds(const std::string& name) {
    std::set<int> ids;
    pugi::xml_document* document = repository_.GetXml("data/share/main/windows " + name + ".xml");
    if (document == nullptr) return ids;
    for (const pugi::xpath_node button : document->select_nodes("//BUTTON5")) {
      ids.insert(button.node().attribute("ID").as_int());
    }
    repository_.ReleaseXml(document);
    return ids;
  }

  ORB::FileSystem files_;
  ORB::OC_REPOSITORY repository_;
};

TEST_F(ShippedRulesContentTest, TheLossDialoguesOfferTheAnswersTheRulesRead) {
  const std::map<std::string, std::set<int>> answers = {
      {GG_GAMEPLAY::kSecondChanceDialog, {3, 4, 5}},
      {GG_GAMEPLAY::kSecondChanceBuyDialog, {3, 4}},
      {GG_GAMEPLAY::kRestartDialog, {3, 4}},
      {GG_GAMEPLAY::kNoHealthDialog, {3, 4}},
  };
  for (const auto& [name, ids] : answers) {
    SCOPED_TRACE(name);
    const std::unique_ptr<ORB_GF::G_WINDOW> window = Window(name);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(window.get()), nullptr);
    EXPECT_EQ(window->GetName(), name);
    EXPECT_TRUE(window->IsModal());
    EXPECT_EQ(ButtonIds(name), ids);
  }
}

TEST_F(ShippedRulesContentTest, TheFadeIsAModalBlackScreenAboveEveryWindow) {
  const std::unique_ptr<ORB_GF::G_WINDOW> fade = Window(GG_GAMEPLAY::kFadeWindow);
  ASSERT_NE(fade, nullptr);
  EXPECT_TRUE(fade->IsModal());
  EXPECT_EQ(fade->GetOpenKind(), ORB_GF::SH_FADE);
  EXPECT_EQ(fade->GetCloseKind(), ORB_GF::SH_FADE);
  ASSERT_NE(fade->GetBackground(), nullptr);
  EXPECT_EQ(fade->GetStartColour().ToUInt(), 0x00000000u);  // clear, then
  EXPECT_EQ(fade->GetEndColour().ToUInt(), 0xFF000000u);    // opaque black
  pugi::xml_document* scenes = repository_.GetXml("data/share/main/other scenes.xml");
  ASSERT_NE(scenes, nullptr);
  bool listed = false;
  for (const pugi::xml_node scene : scenes->document_element().children("scene")) {
    const std::string file = scene.attribute("file").as_string();
    const std::string name = file.substr(file.rfind(' ') + 1, file.size() - file.rfind(' ') - 5);
    listed = listed || name == GG_GAMEPLAY::kFadeWindow;
    if (name == GG_GAMEPLAY::kFadeWindow) continue;
    const std::unique_ptr<ORB_GF::G_WINDOW> other = Window(name);
    ASSERT_NE(other, nullptr) << name;
    EXPECT_LT(other->GetLayer(), fade->GetLayer()) << name;
  }
  repository_.ReleaseXml(scenes);
  EXPECT_TRUE(listed);
}

}  // namespace
}  // namespace game
