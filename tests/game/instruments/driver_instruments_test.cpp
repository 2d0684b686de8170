// The frame script and the shell opener reach the driver through one seam
// (SetDriverHooks takes both at once): setting either keeps the other, and a
// script may replace itself while it runs.
#include "game/instruments/driver_instruments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/driver_fixture.h"

namespace game {
namespace {

TEST_F(GameDriverTest, TheFrameScriptAndTheShellOpenerKeepEachOther) {
  WriteResource("../readme.html", "<html/>");
  SetEdition("url_file", "param", "readme.html");
  std::vector<std::string> opened;
  SetShellOpener([&](const std::string& path) {
    opened.push_back(path);
    return true;
  });
  int32_t first = 0;
  int32_t second = 0;
  SetFrameScript([&] {
    ++first;
    SetFrameScript([&] { ++second; });
  });
  EXPECT_EQ(Run([&](int32_t frame) {
              if (frame == 3) Close();
            }),
            ORB::kExitNormal);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, frames_ - 1) << "once at the end of every frame drawn";
  EXPECT_EQ(opened, std::vector<std::string>{BaseFolder() + "readme.html"});
}

}  // namespace
}  // namespace game
