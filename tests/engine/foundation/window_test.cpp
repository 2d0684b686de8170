#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/letterbox.h"
#include "engine/foundation/window.h"
#include "engine/platform/fake_display.h"
#include "engine/platform/key_codes.h"

namespace ORB {
namespace {

using platform::FakeDisplay;
using platform::PlatformEvent;
using Kind = PlatformEvent::Kind;

TEST(LetterboxTest, ExactDesktopSizeNeedsNoBars) {
  const Letterbox box = ComputeLetterbox(Point(1024, 768), Point(1024, 768));
  EXPECT_EQ(box.scale, 1.0f);
  EXPECT_EQ(box.offset, Vector2(0, 0));
  EXPECT_EQ(ScreenToGamePoint(box, Point(500, 300)), Point(500, 300));
}

TEST(LetterboxTest, WideDesktopGetsSideBars) {
  const Letterbox box = ComputeLetterbox(Point(1920, 1080), Point(1024, 768));
  EXPECT_FLOAT_EQ(box.scale, 1.40625f);
  EXPECT_FLOAT_EQ(box.offset.x, 240.0f);
  EXPECT_FLOAT_EQ(box.offset.y, 0.0f);
  EXPECT_EQ(ScreenToGamePoint(box, Point(240, 0)), Point(0, 0));
  EXPECT_EQ(ScreenToGamePoint(box, Point(1679, 1079)), Point(1023, 767));
}

TEST(LetterboxTest, TallDesktopGetsTopAndBottomBars) {
  const Letterbox box = ComputeLetterbox(Point(1024, 1024), Point(1024, 768));
  EXPECT_FLOAT_EQ(box.scale, 1.0f);
  EXPECT_FLOAT_EQ(box.offset.y, 128.0f);
  EXPECT_EQ(ScreenToGamePoint(box, Point(0, 128)), Point(0, 0));
}

TEST(LetterboxTest, EmptySizesDoNotDivideByZero) {
  const Letterbox box = ComputeLetterbox(Point(1920, 1080), Point(0, 0));
  EXPECT_EQ(box.scale, 1.0f);
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    auto display = std::make_unique<FakeDisplay>(platform::ScreenSize{1920, 1080});
    fake = display.get();
    window = std::make_unique<Window>(std::move(display));
  }
  void TearDown() override { ClearAllHooks(); }

  FakeDisplay* fake = nullptr;
  std::unique_ptr<Window> window;
  InputState input;
};

TEST_F(WindowTest, CreateOpensCentredWindowAtTheStoredSize) {
  EXPECT_EQ(GetScreenSize(), Point(1920, 1080));
  window->SetSize(800, 600);
  ASSERT_TRUE(window->Create("Title"));
  EXPECT_EQ(fake->Calls(), (std::vector<std::string>{"Open Title 800 600", "SetMode 800 600 0",
                                                     "ReleaseClip"}));
  EXPECT_FALSE(window->Fullscreen());
}

TEST_F(WindowTest, FailedCreationIsReported) {
  fake->FailOpen(true);
  EXPECT_FALSE(window->Create("Title"));
}

TEST_F(WindowTest, FullscreenLetterboxesClipsAndMapsThePointer) {
  ASSERT_TRUE(window->Create("T"));
  ASSERT_TRUE(window->SetMode(1024, 768, true, true));
  EXPECT_FLOAT_EQ(window->Scale(), 1.40625f);
  EXPECT_TRUE(fake->Clipped());
  EXPECT_EQ(fake->Clip().left, 240);
  EXPECT_EQ(fake->Clip().right, 1680);
  fake->Queue({Kind::MouseMove, 0, 240, 0});
  fake->Queue({Kind::MouseMove, 0, 960, 540});
  window->PumpMessages(input);
  EXPECT_EQ(input.MousePosition(), Point(512, 384));
  EXPECT_EQ(input.PreviousMousePosition(), Point(0, 0));

  ASSERT_TRUE(window->SetMode(1024, 768, false, false));
  EXPECT_FALSE(fake->Clipped());
  fake->Queue({Kind::MouseMove, 0, 960, 540});
  window->PumpMessages(input);
  EXPECT_EQ(input.MousePosition(), Point(960, 540));
}

TEST_F(WindowTest, AWindowManagersResizeMovesThePointerMappingWithThePicture) {
  ASSERT_TRUE(window->Create("T"));
  // A tiling desktop makes the 1024 x 768 window 1280 x 720: the picture is
  // drawn at scale 0.9375 with bars of 160 pixels left and right.
  fake->Resize({1280, 720});
  fake->Queue({Kind::ButtonDown, platform::kMouseLeft, 640, 360});  // where game (512, 384) is drawn
  window->PumpMessages(input);
  EXPECT_EQ(input.MousePosition(), Point(512, 384));

  const struct {
    Point drawable;
    bool inside;
  } cases[] = {
      {{160, 0}, true},    // the picture's top-left pixel
      {{1119, 719}, true}, // its bottom-right pixel
      {{159, 360}, false}, // the left bar, one pixel off the picture
      {{1120, 360}, false},
      {{20, 700}, false},
      {{1270, 5}, false},
  };
  for (const auto& c : cases) {
    fake->Queue({Kind::ButtonUp, platform::kMouseLeft, c.drawable.x, c.drawable.y});
    window->PumpMessages(input);
    const Point at = input.MousePosition();
    const bool inside = at.x >= 0 && at.x <= 1023 && at.y >= 0 && at.y <= 767;
    EXPECT_EQ(inside, c.inside) << c.drawable.x << "," << c.drawable.y << " -> " << at.x << ","
                                << at.y;
  }

  // Back at the game's own size, pixels are game coordinates again.
  fake->Resize({1024, 768});
  fake->Queue({Kind::MouseMove, 0, 3, 4});
  window->PumpMessages(input);
  EXPECT_EQ(input.MousePosition(), Point(3, 4));
}

TEST_F(WindowTest, AScaledDesktopsLargerDrawableIsLetterboxedToo) {
  // Twice the pixels of the window: the picture fills it at scale 2.
  fake->SetPixelScale(2);
  ASSERT_TRUE(window->Create("T"));
  fake->Queue({Kind::MouseMove, 0, 1024, 768});
  window->PumpMessages(input);
  EXPECT_FLOAT_EQ(window->Scale(), 2.0f);
  EXPECT_EQ(input.MousePosition(), Point(512, 384));
}

TEST_F(WindowTest, FocusChangesFireOncePerTransitionAndReleaseKeys) {
  std::vector<std::string> fired;
  SetHook(Hook::Activate, [&](intptr_t) {
    fired.push_back("activate");
    return 1;
  });
  SetHook(Hook::Deactivate, [&](intptr_t) {
    fired.push_back("deactivate");
    return 1;
  });
  fake->Queue({Kind::FocusGained});
  fake->Queue({Kind::FocusGained});
  fake->Queue({Kind::KeyDown, platform::kKeyA});
  fake->Queue({Kind::FocusLost});
  fake->Queue({Kind::FocusLost});
  fake->Queue({Kind::Minimized});
  fake->Queue({Kind::FocusGained});
  window->PumpMessages(input);
  EXPECT_EQ(fired, (std::vector<std::string>{"activate", "deactivate", "activate"}));
  EXPECT_TRUE(input.IsReleased(platform::kKeyA));
}

TEST_F(WindowTest, WhatLosesOrChangesThePictureAsksForARedrawOnce) {
  EXPECT_FALSE(window->TakeRedrawRequest());
  const Kind asking[] = {Kind::Exposed, Kind::Resized, Kind::Restored, Kind::FocusGained,
                         Kind::FocusLost};
  for (Kind kind : asking) {
    fake->Queue({kind, 0, 1024, 768});
    window->PumpMessages(input);
    EXPECT_TRUE(window->TakeRedrawRequest()) << static_cast<int>(kind);
    EXPECT_FALSE(window->TakeRedrawRequest()) << "taken once";
  }
  fake->Queue({Kind::MouseMove, 0, 5, 5});
  fake->Queue({Kind::KeyDown, platform::kKeyA});
  fake->Queue({Kind::Minimized});
  window->PumpMessages(input);
  EXPECT_FALSE(window->TakeRedrawRequest()) << "input and minimizing change no picture";
}

TEST_F(WindowTest, CloseRequestOnlyFiresTheCloseHook) {
  int closes = 0;
  SetHook(Hook::Close, [&](intptr_t) { return ++closes; });
  fake->Queue({Kind::CloseRequested});
  window->PumpMessages(input);
  EXPECT_EQ(closes, 1);
}

TEST_F(WindowTest, ButtonsBecomeKeyCodesAtTheirPosition) {
  std::vector<intptr_t> downs;
  SetHook(Hook::KeyDown, [&](intptr_t code) {
    downs.push_back(code);
    return 1;
  });
  fake->Queue({Kind::ButtonDown, platform::kMouseLeft, 10, 20});
  fake->Queue({Kind::ButtonDown, platform::kMouseRight, 10, 20});
  fake->Queue({Kind::ButtonDown, platform::kMouseMiddle, 10, 20});
  window->PumpMessages(input);
  EXPECT_EQ(downs, (std::vector<intptr_t>{1, 2, 4}));
  EXPECT_EQ(input.MousePosition(), Point(10, 20));
  EXPECT_TRUE(input.IsPressed(platform::kMouseMiddle));
}

TEST_F(WindowTest, CursorAndTitlePassThrough) {
  ASSERT_TRUE(window->Create("T"));
  window->ShowCursor(false);
  window->ShowCursor(false);
  EXPECT_FALSE(window->IsCursorShown());
  window->ShowCursor(true);
  EXPECT_TRUE(fake->CursorShown()) << "one show undoes any number of hides";
  window->SetTitle("Nonogram \xc3\xa9");
  EXPECT_EQ(fake->Title(), "Nonogram \xc3\xa9");
}

}  // namespace
}  // namespace ORB
