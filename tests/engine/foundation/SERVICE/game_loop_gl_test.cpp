// One real run of the frame loop: the SDL window on the offscreen driver, the
// OpenGL device, the audio thread and the system clock.
#include <gtest/gtest.h>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/platform_functions.h"
#include "engine/foundation/renderer.h"
#include "engine/platform/message_box.h"
#include "engine/platform/sdl_event_injector.h"
#include "support/temp_folder.h"

namespace ORB {
namespace {

TEST(GameLoopSmoke, RendersForASecondThenClosesTheWindow) {
  platform::SetMessageSink([](const std::string&, const std::string&) {});
  test_support::TempFolder folder;
  FileSystem files(folder.Path());
  ASSERT_TRUE(files.CreateResourcesFolder());
  OC_GAME_SERVICE_ONE service;
  service.SetFileSystem(&files);

  int renders = 0;
  uint32_t started = 0;
  SetHook(Hook::Init, [&](intptr_t) {
    service.Settings().update_cap = 60;
    service.Settings().render_cap = 60;
    return 1;
  });
  SetHook(Hook::Start, [&](intptr_t) {
    started = GetTimeMs();
    return 1;
  });
  SetHook(Hook::Render, [&](intptr_t) {
    ++renders;
    if (GetTimeMs() - started >= 1000) platform::InjectQuit();
    return 1;
  });
  SetHook(Hook::Close, [&](intptr_t) {
    service.SetRunning(false);
    return 1;
  });
  ASSERT_EQ(service.Init("Smoke"), kResultOk);
  Engine().renderer->SetClearColour(Colour(0xFF444444u));
  service.Run();
  EXPECT_GE(GetTimeMs() - started, 1000u);
  // The picture stands still: from its first repeat the loop waits for
  // input, up to a tenth of a second at a time.
  EXPECT_GT(renders, 8) << "frames were drawn";
  EXPECT_LE(renders, 70) << "the render cap held";
  EXPECT_EQ(service.Shutdown(), kResultOk);
  ClearAllHooks();
  platform::SetMessageSink(nullptr);
}

}  // namespace
}  // namespace ORB
