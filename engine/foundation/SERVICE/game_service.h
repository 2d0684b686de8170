#pragma once
// The engine's one game service: it creates every engine object in a fixed
// order, runs the frame loop with separate update and render pacing, feeds
// the audio thread and tears the engine down. The game talks to it through
// the hook table: it fills the hooks, calls Init and Run, and the service
// fires the hooks at fixed points.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/foundation/SERVICE/app_settings.h"
#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/thread.h"
#include "engine/foundation/timer.h"

namespace ORB {

namespace platform {
class Display;
class GpuDevice;
}  // namespace platform

class InputState;
class Window;
class Renderer;
class Random;
class OC_SOUND_SYSTEM;
class OC_REPOSITORY;
class FileSystem;

class OC_GAME_SERVICE_ONE {
 public:
  // The system's window and OpenGL device unless a test installs its own
  // makers before Init.
  using DisplayMaker = std::function<std::unique_ptr<platform::Display>()>;
  using DeviceMaker = std::function<std::unique_ptr<platform::GpuDevice>()>;

  // The program's service: made on first use and never destroyed by the
  // process's exit (main calls Shutdown; see main.cpp).
  static OC_GAME_SERVICE_ONE& Get();

  OC_GAME_SERVICE_ONE();
  ~OC_GAME_SERVICE_ONE();
  OC_GAME_SERVICE_ONE(const OC_GAME_SERVICE_ONE&) = delete;
  OC_GAME_SERVICE_ONE& operator=(const OC_GAME_SERVICE_ONE&) = delete;

  // Creates the input state, window, renderer, global timer, default random
  // generator, sound system and repository, then answers the init hook's
  // result (kResultNothingToCall without one). A window or renderer that
  // cannot start makes Init fail at once (kInitNoWindow, kInitNoRenderer,
  // kInitNoResources) with a message instead of failing in the first frame.
  [[nodiscard]] int32_t Init(const std::string& game_name);
  // Starts the audio thread, fires the start hook, runs frames while they
  // answer kResultOk, then fires the exit hook.
  void Run();
  // kResultNotRunning when not running; otherwise one update and, when still
  // running and due, one render; kResultOk.
  int32_t Frame();
  // Stops the audio thread (by flag, joined), then deletes the engine objects
  // in order. kResultOk. Again after that: nothing more to do, kResultOk.
  int32_t Shutdown();
  // Stops the audio thread alone (the process is ending from elsewhere).
  void StopAudio();

  // Sleeps until the next update is due under the update cap; false when it
  // slept (the step is skipped). Updates keep to a grid of one step each;
  // one that comes a whole step or more late moves the grid to itself, so a
  // stall is never made up with a burst of updates. While idle (IsIdle) it
  // waits for the window's next event instead, up to a tenth of a second
  // (a quarter after two seconds more of stillness, which a lone changed
  // frame does not end), never past the calendar's next second, and the
  // update is due when that wait ends.
  bool WaitForUpdate();
  // True once three turns in a row drew a frame identical to the one shown
  // and took no event.
  bool IsIdle() const;
  bool IsRenderDue();

  int32_t SetVideoMode(int32_t width, int32_t height, bool fullscreen, bool desktop_resolution);
  void SetGameName(const std::string& name) { settings_.game_name = name; }
  void SetCompanyName(const std::string& name) { settings_.company_name = name; }
  void SetFpsLimit(int32_t cap);
  void SetRenderFpsLimit(int32_t cap);
  void SetResourcesFolder(const std::string& name);
  void GetMousePosition(int32_t* x, int32_t* y) const;
  int32_t OnReleaseResource(intptr_t id);
  bool SaveConfig() const;
  bool LoadConfig();

  AppSettings& Settings() { return settings_; }
  const AppSettings& Settings() const { return settings_; }
  bool IsRunning() const { return settings_.running; }
  void SetRunning(bool running) { settings_.running = running; }
  Timer& PacingTimer() { return pacing_timer_; }
  const ThreadRecord* AudioThread() const { return audio_thread_.get(); }

  void SetDisplayMaker(DisplayMaker maker) { make_display_ = std::move(maker); }
  // The file system resources are read through (not owned); the process's
  // own, rooted at the folder the program starts in, unless one is set.
  void SetFileSystem(FileSystem* files) { file_system_ = files; }
  void SetDeviceMaker(DeviceMaker maker) { make_device_ = std::move(maker); }

 private:
  enum class RenderOutcome {
    None,       // not due, nothing drawn
    Unchanged,  // drawn, and identical to the picture shown
    Shown,      // a new picture (or the device failed)
  };
  // False when the step only slept.
  bool Update();
  RenderOutcome Render();
  void StopAudioThread();

  AppSettings settings_;
  float render_elapsed_ = 0.0f;
  float update_elapsed_ = 0.0f;
  // Where the last step stood on its schedule, in seconds of the current
  // counting second: the next one is due a step after it.
  float render_anchor_ = 0.0f;
  float update_anchor_ = 0.0f;
  Timer pacing_timer_;
  int32_t render_frames_ = 0;
  int32_t update_frames_ = 0;
  int32_t still_turns_ = 0;  // turns in a row that changed nothing
  // Still turns since the picture last moved (changed in two frames in a
  // row) or an event came; a lone change neither counts nor ends them.
  int32_t quiet_turns_ = 0;
  bool changed_last_ = false;     // the last frame drawn changed the picture
  int32_t events_this_turn_ = 0;  // events the last update's pump took
  bool idle_turn_ = false;        // the update follows an idle wait
  std::unique_ptr<ThreadRecord> audio_thread_;

  std::unique_ptr<InputState> input_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<Renderer> renderer_;
  std::unique_ptr<Timer> timer_;
  std::unique_ptr<Random> random_;
  std::unique_ptr<OC_SOUND_SYSTEM> sound_;
  std::unique_ptr<RendererTextureLoader> texture_loader_;
  std::unique_ptr<SoundSystemLoader> sound_loader_;
  std::unique_ptr<OC_REPOSITORY> repository_;

  FileSystem* file_system_ = nullptr;
  DisplayMaker make_display_;
  DeviceMaker make_device_;
};

}  // namespace ORB
