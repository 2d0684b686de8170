#pragma once
// The hub's resources folder for tests and benchmarks: tests/data/game_hub
// copied below a base folder, with its level archive
// (data/share/main/levels: pack_1/one.xml and two.xml, pack_2/three.xml,
// each a small picture), which is written rather than kept as a file.
#include <filesystem>
#include <string>

#include "../../support/level_text.h"
#include "../../support/source_path.h"
#include "../../support/zip_writer.h"

namespace game {

inline void WriteHubLevels(const std::string& path) {
  test_support::LevelText level;
  level.rows = {"#.", "##"};
  const std::string xml = test_support::LevelXml(level);
  test_support::WriteFile(
      path, test_support::Build(
                {{"pack_1/one.xml", xml}, {"pack_1/two.xml", xml}, {"pack_2/three.xml", xml}}));
}

// `base` + "/Resources" becomes the hub's resources folder.
inline void CopyHubResources(const std::string& base) {
  std::filesystem::copy(test_support::TestData("game_hub"), base + "/Resources",
                        std::filesystem::copy_options::recursive);
  WriteHubLevels(base + "/Resources/data/share/main/levels");
}

}  // namespace game
