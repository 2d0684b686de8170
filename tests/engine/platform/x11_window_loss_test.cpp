// Which X errors mean the game's window was destroyed under it: only a bad
// window or drawable, and only about the game's own window.
#include "engine/platform/x11_window_loss.h"

#include <gtest/gtest.h>

namespace ORB::platform {
namespace {

// Xlib's error codes (X.h).
constexpr int32_t kBadWindow = 3;
constexpr int32_t kBadPixmap = 4;
constexpr int32_t kBadMatch = 8;
constexpr int32_t kBadDrawable = 9;

TEST(X11WindowLossTest, OnlyABadWindowOrDrawableAboutTheWatchedWindowIsItsLoss) {
  struct Case {
    int32_t code;
    uint64_t resource;
    bool lost;
  };
  const uint64_t window = 0x200006;
  for (const Case& c : {Case{kBadDrawable, window, true}, Case{kBadWindow, window, true},
                        Case{kBadDrawable, window + 1, false}, Case{kBadWindow, 0, false},
                        Case{kBadMatch, window, false}, Case{kBadPixmap, window, false}}) {
    EXPECT_EQ(IsWindowLossError(c.code, c.resource, window), c.lost)
        << c.code << " " << std::hex << c.resource;
  }
}

TEST(X11WindowLossTest, NothingIsLostWithoutAWatchedWindow) {
  WatchWindowLoss(nullptr);
  EXPECT_FALSE(TakeWindowLoss());
}

}  // namespace
}  // namespace ORB::platform
