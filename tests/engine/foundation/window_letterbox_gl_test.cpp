// The real window and OpenGL device after a window manager resized the
// window: the picture is letterboxed into the new drawable area, and a click
// on a drawn point arrives at that point's game coordinates.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/foundation/input_state.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/window.h"
#include "engine/platform/gl_device.h"
#include "engine/platform/sdl_event_injector.h"
#include "support/pixel_box.h"
#include "support/quad.h"
#include "support/write_png.h"

namespace ORB {
namespace {

TEST(WindowLetterboxGl, AClickOnADrawnPointArrivesAtItsGameCoordinates) {
  InputState input;
  Window window;
  // SDL's offscreen driver keeps the GL surface at the size the window was
  // made with, so the window starts at the size the window manager will
  // insist on; the game then asks for its own 1024 x 768.
  window.SetSize(1280, 720);
  ASSERT_TRUE(window.Create("letterbox"));
  ASSERT_TRUE(window.SetMode(1024, 768, false, false));
  auto device = std::make_unique<platform::GlDevice>();
  platform::GlDevice* gl = device.get();
  Renderer renderer(std::move(device));
  ASSERT_EQ(renderer.Init(window.GetHandle(), 0.1f, 0.0f), kResultOk);

  ASSERT_TRUE(platform::InjectWindowResize(window.GetHandle(), 1280, 720));
  window.PumpMessages(input);
  ASSERT_EQ(window.GetDisplay().GetDrawableSize().width, 1280);
  EXPECT_FLOAT_EQ(window.Scale(), 0.9375f);

  // Grey game area, one white 2 x 2 marker at game (512, 384).
  renderer.SetClearColour(Colour(0xFF404040u));
  ASSERT_EQ(renderer.BeginFrame(), kResultOk);
  const test_support::Quad marker(512, 384, 2, 2);
  ASSERT_EQ(renderer.DrawMesh(
                marker.v, nullptr,
                RenderState(RenderState::kPrimitiveTriangles << RenderState::kPrimitiveShift), 4,
                test_support::kQuadIndices, 6),
            kResultOk);
  renderer.Flush();
  // The whole drawable area: reads start at the letterbox's corner.
  const auto& viewport = gl->GetViewport();
  const int left = viewport.x;
  const int top = 720 - viewport.y - viewport.height;
  std::vector<uint32_t> pixels(1280u * 720u);
  ASSERT_TRUE(gl->ReadPixels(-left, -top, 1280, 720, pixels.data()));
  EXPECT_TRUE(test_support::WritePng(test_support::BesideTestProgram("window_letterbox.png"),
                                     pixels, 1280, 720));
  renderer.EndFrame();

  EXPECT_EQ(left, 160);
  EXPECT_EQ(top, 0);
  const test_support::Box white = test_support::BoxOf(
      pixels, 1280, 720, 0, 0, [](uint32_t p) { return (p & 0xFFFFFFu) == 0xFFFFFFu; });
  ASSERT_GT(white.count, 0) << "the marker was drawn";
  const test_support::Box picture =
      test_support::BoxOf(pixels, 1280, 720, 0, 0, [](uint32_t p) { return (p & 0xFFFFFFu) != 0; });
  EXPECT_EQ(picture.left, 160);
  EXPECT_EQ(picture.right, 1119) << "black bars of 160 pixels on either side";

  // SDL reports clicks in window units; here they are drawable pixels too.
  ASSERT_TRUE(platform::InjectMouseButton(1, true, white.left, white.top));
  window.PumpMessages(input);
  EXPECT_EQ(input.MousePosition(), Point(512, 384));
  ASSERT_TRUE(platform::InjectMouseButton(1, false, 100, 360));  // in the left bar
  window.PumpMessages(input);
  EXPECT_LT(input.MousePosition().x, 0);
}

}  // namespace
}  // namespace ORB
