// The screens' shipped descriptions: every window of the shipped scene list
// is made by the game's factory as the class its layout names, the pack grid
// shows every shipped pack in the pack descriptions' order, and the level
// grid has a place for every level of the largest pack.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "game/shell/screens/window_factory.h"
#include "support/log_capture.h"
#include "support/source_path.h"

namespace game {
namespace {

pugi::xml_document Read(const std::string& resource) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_file(test_support::SourcePath("Resources/" + resource).c_str()))
      << resource;
  return document;
}

// "data/share/main/windows Title.xml" -> "data/share/main/windows/Title.xml".
std::string PathOf(std::string name) {
  std::replace(name.begin(), name.end(), ' ', '/');
  return name;
}

TEST(ScreensShippedTest, EveryWindowOfTheSceneListIsMade) {
  test_support::LogCapture log;  // the lists read their grids through no repository here
  const pugi::xml_document scenes = Read("data/share/main/other/scenes.xml");
  int32_t count = 0;
  for (const pugi::xml_node scene : scenes.child("scenes").children("scene")) {
    const std::string file = scene.attribute("file").value();
    const pugi::xml_document window = Read(PathOf(file));
    const pugi::xml_node element = window.document_element();
    SCOPED_TRACE(file);
    const std::unique_ptr<ORB_GF::G_WINDOW> made(CreateGameWindow(element));
    ASSERT_NE(made, nullptr) << element.attribute("_type").value();
    EXPECT_EQ(made->GetName(), element.attribute("_name").value());
    ++count;
  }
  EXPECT_GE(count, 22);
}

TEST(ScreensShippedTest, ThePackGridShowsEveryPackAndTheLevelGridTheLargestPack) {
  const pugi::xml_document packs = Read("data/share/main/other/packs_description.xml");
  std::vector<std::string> ids;
  for (const pugi::xml_node pack : packs.child("packs").children("pack")) {
    ids.push_back(pack.attribute("id").value());
  }
  const pugi::xml_document pack_grid = Read("data/share/main/windows/packs_grid.xml");
  std::vector<std::string> shown;
  for (const pugi::xml_node item : pack_grid.child("pages").children("item")) {
    shown.push_back(item.attribute("id").value());
  }
  EXPECT_EQ(shown, ids);

  const pugi::xml_document player = Read("data/share/main/other/player.xml");
  size_t largest = 0;
  for (const pugi::xml_node pack : player.child("player").child("packs").children("pack")) {
    const auto levels = std::distance(pack.children("level").begin(), pack.children("level").end());
    largest = std::max(largest, static_cast<size_t>(levels));
  }
  const pugi::xml_document level_grid = Read("data/share/main/windows/levels_grid.xml");
  const auto items = level_grid.child("pages").children("item");
  EXPECT_GE(static_cast<size_t>(std::distance(items.begin(), items.end())), largest);
  EXPECT_GE(largest, 16u);
}

}  // namespace
}  // namespace game
