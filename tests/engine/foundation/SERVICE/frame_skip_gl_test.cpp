// The game service on the real window and OpenGL device: an unchanging
// picture is presented once, and after the window is exposed the next frame
// is drawn and presented again, whole (its pixels are saved beside the test
// program as frame_after_expose.png).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/window.h"
#include "engine/platform/gl_device.h"
#include "engine/platform/message_box.h"
#include "engine/platform/sdl_event_injector.h"
#include "support/pixel_box.h"
#include "support/temp_folder.h"
#include "support/write_png.h"

namespace ORB {
namespace {

// The OpenGL device, counting what reaches it and reading back each
// presented frame just before it is shown.
class WatchedGlDevice final : public platform::GpuDevice {
 public:
  bool Open(void* window) override { return gl_.Open(window); }
  bool IsOpen() const override { return gl_.IsOpen(); }
  void SetBackBufferSize(int32_t w, int32_t h) override { gl_.SetBackBufferSize(w, h); }
  platform::DeviceStatus TestStatus() override { return gl_.TestStatus(); }
  bool Reset() override { return gl_.Reset(); }
  bool BeginScene() override {
    ++scenes;
    return gl_.BeginScene();
  }
  bool Clear(uint32_t argb, bool c, bool d, float v, int32_t s) override {
    return gl_.Clear(argb, c, d, v, s);
  }
  bool EndScene() override { return gl_.EndScene(); }
  void SetDrawArea(platform::DrawArea area) override { gl_.SetDrawArea(area); }
  bool Present() override {
    ++presents;
    last_frame.assign(1024u * 768u, 0);
    gl_.ReadPixels(0, 0, 1024, 768, last_frame.data());
    return gl_.Present();
  }
  void SetBlend(bool on) override { gl_.SetBlend(on); }
  void SetAdditive(bool on) override { gl_.SetAdditive(on); }
  void SetFilter(platform::Filter f) override { gl_.SetFilter(f); }
  void SetDepthTest(bool on) override { gl_.SetDepthTest(on); }
  void SetLighting(bool on) override { gl_.SetLighting(on); }
  void SetAddressing(bool u, bool v) override { gl_.SetAddressing(u, v); }
  void SetAntialias(bool on) override { gl_.SetAntialias(on); }
  void SetTransform(const float m[16]) override { gl_.SetTransform(m); }
  platform::TextureHandle CreateTexture(int32_t w, int32_t h, const uint32_t* p) override {
    return gl_.CreateTexture(w, h, p);
  }
  bool UpdateTexture(platform::TextureHandle t, int32_t w, int32_t h, const uint32_t* p) override {
    return gl_.UpdateTexture(t, w, h, p);
  }
  bool ReadTexture(platform::TextureHandle t, int32_t w, int32_t h, uint32_t* p) override {
    return gl_.ReadTexture(t, w, h, p);
  }
  void DestroyTexture(platform::TextureHandle t) override { gl_.DestroyTexture(t); }
  void BindTexture(platform::TextureHandle t) override { gl_.BindTexture(t); }
  void DrawMesh(platform::Primitive p, const platform::GpuVertex* v, int32_t vc, const uint16_t* i,
                int32_t ic) override {
    gl_.DrawMesh(p, v, vc, i, ic);
  }
  void DrawPoints(platform::Primitive p, const platform::GpuPoint* v, int32_t c) override {
    gl_.DrawPoints(p, v, c);
  }
  bool ReadPixels(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t* argb) override {
    return gl_.ReadPixels(x, y, w, h, argb);
  }

  int scenes = 0;
  int presents = 0;
  std::vector<uint32_t> last_frame;

 private:
  platform::GlDevice gl_;
};

TEST(FrameSkipGl, AnUnchangedPictureIsPresentedOnceAndAgainAfterAnExpose) {
  platform::SetMessageSink([](const std::string&, const std::string&) {});
  test_support::TempFolder folder;
  FileSystem files(folder.Path());
  ASSERT_TRUE(files.CreateResourcesFolder());
  OC_GAME_SERVICE_ONE service;
  service.SetFileSystem(&files);
  WatchedGlDevice* device = nullptr;
  service.SetDeviceMaker([&device] {
    auto made = std::make_unique<WatchedGlDevice>();
    device = made.get();
    return made;
  });
  int renders = 0;
  SetHook(Hook::Render, [&renders](intptr_t) {
    ++renders;
    Engine().renderer->DrawSquare(500, 370, Colour(0xFFFFFFFFu), 24);
    return 1;
  });
  ASSERT_EQ(service.Init("Frame skip"), kResultNothingToCall);
  ASSERT_NE(device, nullptr);
  service.Settings().update_cap = 0;
  service.Settings().render_cap = 0;
  Engine().renderer->SetClearColour(Colour(0xFF336699u));
  service.SetRunning(true);
  for (int i = 0; i < 20; ++i) ASSERT_EQ(service.Frame(), kResultOk);
  const int presented = device->presents;
  EXPECT_EQ(renders, 20) << "the loop renders every frame as before";
  EXPECT_LE(presented, 3) << "the same picture is not drawn again and again";
  EXPECT_EQ(device->scenes, presented);

  ASSERT_TRUE(platform::InjectWindowEvent(Engine().window->GetHandle(),
                                          platform::InjectedWindowEvent::Exposed));
  ASSERT_EQ(service.Frame(), kResultOk);
  EXPECT_EQ(device->presents, presented + 1) << "the frame after the expose is drawn";
  const test_support::Box white = test_support::BoxOf(
      device->last_frame, 1024, 768, 0, 0, [](uint32_t p) { return (p & 0xFFFFFFu) == 0xFFFFFFu; });
  EXPECT_EQ(white.left, 500);
  EXPECT_EQ(white.top, 370);
  EXPECT_EQ(white.count, 24 * 24) << "the whole picture, not a part of it";
  EXPECT_EQ(device->last_frame[0] & 0xFFFFFFu, 0x336699u);
  EXPECT_TRUE(test_support::WritePng(test_support::BesideTestProgram("frame_after_expose.png"),
                                     device->last_frame, 1024, 768));
  for (int i = 0; i < 5; ++i) ASSERT_EQ(service.Frame(), kResultOk);
  EXPECT_EQ(device->presents, presented + 1) << "and then left alone again";

  EXPECT_EQ(service.Shutdown(), kResultOk);
  ClearAllHooks();
  platform::SetMessageSink(nullptr);
}

}  // namespace
}  // namespace ORB
