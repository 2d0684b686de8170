#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/platform/app_data.h"
#include "engine/platform/key_codes.h"
#include "engine/platform/message_box.h"
#include "engine/platform/sdl_key_map.h"
#include "engine/platform/shell.h"
#include "support/temp_home.h"

namespace ORB::platform {
namespace {

TEST(SdlKeyMapTest, MapsToVirtualKeysBelow256) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), kKeyA);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), kKeyA + 25);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_7), kKey0 + 7);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_3), kKeyNumpad0 + 3);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F12), kKeyF1 + 11);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LSHIFT), kKeyShift);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RSHIFT), kKeyShift);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), kKeyEnter);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), kKeyEscape);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), kKeyLeft);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_QUOTE), kKeyOemQuote);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_AUDIOPLAY), kKeyNone);
  for (int32_t sdl = 0; sdl < 0x40000200; sdl += 97) {
    const int32_t vk = VirtualKeyFromSdl(sdl);
    ASSERT_TRUE(vk == kKeyNone || IsValidKeyCode(vk)) << sdl;
  }
}

class EnvironmentTest : public ::testing::Test {
 protected:
  // Both come back as they were when the test ends.
  test_support::ScopedEnvironment xdg_{"XDG_DATA_HOME"};
  test_support::ScopedEnvironment home_{"HOME"};
};

TEST_F(EnvironmentTest, AppDataFolderFollowsXdgThenHome) {
  setenv("XDG_DATA_HOME", "/tmp/xdg-data/", 1);
  EXPECT_EQ(GetAppDataFolder(), "/tmp/xdg-data");
  setenv("XDG_DATA_HOME", "relative/path", 1);
  setenv("HOME", "/home/player", 1);
  EXPECT_EQ(GetAppDataFolder(), "/home/player/.local/share");
  unsetenv("XDG_DATA_HOME");
  unsetenv("HOME");
  EXPECT_EQ(GetAppDataFolder(), "");
}

TEST(MessageBoxTest, SinkCapturesAndHeadlessNeverBlocks) {
  std::string seen;
  SetMessageSink([&](const std::string& caption, const std::string& text) {
    seen = caption + "|" + text;
  });
  ShowMessageBox("Warning", "No sound device");
  EXPECT_EQ(seen, "Warning|No sound device");
  SetMessageSink(nullptr);
  // Tests run on SDL's dummy driver: the message goes to stderr at once.
  EXPECT_FALSE(HasInteractiveDisplay());
  ShowMessageBox("Note", "printed, not shown");
}

TEST(ShellTest, RefusesWhatDoesNotExist) {
  EXPECT_FALSE(OpenWithShell(""));
  EXPECT_FALSE(OpenWithShell("/nonexistent/file.txt"));
}

}  // namespace
}  // namespace ORB::platform
