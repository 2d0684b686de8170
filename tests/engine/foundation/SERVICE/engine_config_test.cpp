#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/foundation/SERVICE/engine_config.h"
#include "support/temp_folder.h"

namespace ORB {
namespace {

namespace fs = std::filesystem;

class EngineConfigTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(temp.Path().empty()); }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  test_support::TempFolder temp;
  fs::path root{temp.Path()};
};

TEST_F(EngineConfigTest, DefaultsAreWrittenWhereTheNamesSay) {
  AppSettings settings;
  ASSERT_TRUE(LoadConfig(root.string(), settings));
  const fs::path file = root / "Vorlane" / "Vorlane Game" / "config.xml";
  ASSERT_TRUE(fs::exists(file));
  const std::string text = Read(file);
  EXPECT_EQ(text.rfind("\xEF\xBB\xBF<?xml", 0), 0u) << "byte-order mark, then the declaration";
  EXPECT_NE(text.find("resolution=\"1024 768\""), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos) << "no indentation";
}

TEST_F(EngineConfigTest, ReadsAnyRootElementAndKeepsWhatIsMalformed) {
  AppSettings settings;
  const fs::path file = ConfigPath(root.string(), settings);
  fs::create_directories(fs::path(file).parent_path());
  std::ofstream(file) << "<other game_name='Puzzles' resolution='800 x'/>";
  ASSERT_TRUE(LoadConfig(root.string(), settings));
  EXPECT_EQ(settings.game_name, "Puzzles");
  EXPECT_EQ(settings.company_name, "Vorlane") << "an absent name keeps the current one";
  EXPECT_EQ(settings.resolution, Point(1024, 768));

  std::ofstream(file) << "<vorlane_settings resolution=' 800   600 '/>";
  settings.game_name = "Vorlane Game";
  ASSERT_TRUE(LoadConfig(root.string(), settings));
  EXPECT_EQ(settings.resolution, Point(800, 600));

  std::ofstream(file) << "not xml at all <";
  AppSettings before = settings;
  EXPECT_FALSE(LoadConfig(root.string(), settings));
  EXPECT_EQ(settings.game_name, before.game_name);
  EXPECT_EQ(settings.resolution, before.resolution);
}

TEST_F(EngineConfigTest, CompanyNameChoosesTheFolderAndNamesCannotClimbOut) {
  AppSettings settings;
  settings.company_name = "Other";
  ASSERT_TRUE(SaveConfig(root.string(), settings));
  EXPECT_TRUE(fs::exists(root / "Other" / "Vorlane Game" / "config.xml"));

  settings.company_name = "..";
  settings.game_name = "../../escape";
  ASSERT_TRUE(SaveConfig(root.string(), settings));
  const fs::path written = fs::weakly_canonical(ConfigPath(root.string(), settings));
  const std::string inside = fs::weakly_canonical(root).string() + "/";
  EXPECT_EQ(written.string().rfind(inside, 0), 0u) << written;
  EXPECT_FALSE(SaveConfig("", settings));
}

}  // namespace
}  // namespace ORB
