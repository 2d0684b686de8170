#include "engine/foundation/SERVICE/game_service.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

#include "engine/foundation/SERVICE/engine_config.h"
#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/audio_lock.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/frame_skipper.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/platform_functions.h"
#include "engine/foundation/random.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/sound_system.h"
#include "engine/foundation/window.h"
#include "engine/platform/app_data.h"
#include "engine/platform/clock.h"
#include "engine/platform/display.h"
#include "engine/platform/display_loss.h"
#include "engine/platform/gl_device.h"
#include "engine/platform/gpu_device.h"

namespace ORB {

namespace {

constexpr uint32_t kAudioPassMs = 10;
// Turns in a row whose frame showed nothing new and took no event, after
// which the loop waits for events instead of waking at every step: three,
// since a picture that moves changes nearly every frame (its vertices are
// compared exactly), but an animation may step more slowly than the frames
// (a sweep over large cells, a line of cells opening one after another): a
// wait between its steps would make it jerk. Then the longest such wait;
// after a further 20 still turns the longest wait grows to a quarter of a
// second. A frame that changes alone between still ones (a countdown's
// second, a caret's blink) does not end that stillness; a picture that moves
// or an event does.
constexpr int32_t kStillTurnsBeforeIdle = 3;
constexpr uint32_t kIdleWaitMs = 100;
constexpr int32_t kStillTurnsBeforeLongIdle = kStillTurnsBeforeIdle + 20;
constexpr uint32_t kLongIdleWaitMs = 250;

// The service whose audio thread runs, for the process's exit handlers.
std::atomic<OC_GAME_SERVICE_ONE*> g_audio_owner{nullptr};

// When the process ends from elsewhere (exit() from a library), the audio
// thread is stopped before the sound library's own teardown runs under it.
void StopAudioAtExit() {
  if (OC_GAME_SERVICE_ONE* owner = g_audio_owner.exchange(nullptr)) owner->StopAudio();
}

// The display is gone and the process ends when this returns. The audio
// thread may be mid-pass, holding the sound lock over the sounds it updates:
// the lock is taken here and kept to the end, so the audio thread touches
// nothing more while the game's last save runs. Taking it only waits for a
// pass to end, where joining the thread would wait for ever should the main
// thread hold the lock already (it is re-entrant: then it is simply held).
void SaveBeforeDisplayLoss() {
  AudioLock().Enter();  // never left: the process ends holding it
  FireHook(Hook::DisplayLost);
}
constexpr char kNoSound[] =
    "No sound device has been detected. The game will continue without audio.";

// One pacing schedule: steps fall on a grid `step` seconds apart, `anchor`
// being the grid point of the last step. True (and the anchor moved on) when
// the next step is due at `elapsed`. A step less than one step late keeps the
// grid; a later one makes itself the new anchor, so missed steps are dropped
// instead of run back to back. A NaN comparison counts as due.
bool TakeStepIfDue(float elapsed, float step, float& anchor) {
  const float due = anchor + step;
  if (due > elapsed) return false;
  anchor = elapsed - due < step ? due : elapsed;
  return true;
}

}  // namespace

OC_GAME_SERVICE_ONE& OC_GAME_SERVICE_ONE::Get() {
  // Made once and never destroyed: main shuts the engine down in order. A
  // static destructor would also run when a system library ends the process
  // (Xlib's default handler does on an X error), and tearing SDL down over a
  // dead connection never returns.
  static OC_GAME_SERVICE_ONE* const service = new OC_GAME_SERVICE_ONE();
  return *service;
}

OC_GAME_SERVICE_ONE::OC_GAME_SERVICE_ONE() {
  pacing_timer_.Reset();
  Engine() = EngineSlots();
}

OC_GAME_SERVICE_ONE::~OC_GAME_SERVICE_ONE() { Shutdown(); }

int32_t OC_GAME_SERVICE_ONE::Init(const std::string& game_name) {
  settings_.game_name = game_name;
  Engine().service = this;

  // The game's data must have been found before anything is read from it.
  FileSystem& files = file_system_ != nullptr ? *file_system_ : FileSystem::Instance();
  Engine().file_system = &files;
  if (!files.IsReady()) return kInitNoResources;

  // Before any other thread runs: it sets the environment.
  platform::PrepareOpenGlDriver();

  // The sound device opens on a worker while the window and the graphics
  // device start (each takes its own share of start-up); nothing touches
  // the sound system before it is joined below.
  sound_ = std::make_unique<OC_SOUND_SYSTEM>();
  std::future<int32_t> sound_ready =
      std::async(std::launch::async, [sound = sound_.get()] { return sound->Init(); });

  input_ = std::make_unique<InputState>();
  Engine().input = input_.get();

  window_ = std::make_unique<Window>(make_display_ ? make_display_() : nullptr);
  Engine().window = window_.get();
  window_->SetSize(settings_.resolution.x, settings_.resolution.y);
  window_->SetStartMode(settings_.fullscreen, settings_.desktop_resolution);
  if (!window_->Create(settings_.game_name)) {
    window_->MessageBox("Error", "The game window could not be opened.");
    return kInitNoWindow;
  }
  settings_.screen_size = window_->DesktopSize();

  renderer_ =
      make_device_ ? std::make_unique<Renderer>(make_device_()) : std::make_unique<Renderer>();
  Engine().renderer = renderer_.get();
  // An idle game shows the same picture frame after frame: it is drawn once.
  renderer_->SkipUnchangedFrames();
  if (renderer_->Init(window_->GetHandle(), 0.1f, 0.0f) != kResultOk) {
    window_->MessageBox("Error",
                        "The graphics device could not be started (OpenGL 3.3 is needed).");
    return kInitNoRenderer;
  }
  renderer_->SetDisplayMode(settings_.resolution.x, settings_.resolution.y, settings_.fullscreen,
                            settings_.desktop_resolution);

  timer_ = std::make_unique<Timer>();
  timer_->SetOutput(&FrameDelta());
  Engine().timer = timer_.get();

  random_ = std::make_unique<Random>();
  random_->Seed(0);
  Engine().random = random_.get();

  Engine().sound = sound_.get();
  if (sound_ready.get() != kResultOk) window_->MessageBox("Warning", kNoSound);

  texture_loader_ = std::make_unique<RendererTextureLoader>(*renderer_);
  sound_loader_ = std::make_unique<SoundSystemLoader>(*sound_);
  repository_ = std::make_unique<OC_REPOSITORY>(files, texture_loader_.get(), sound_loader_.get());
  Engine().repository = repository_.get();

  SetHook(Hook::ReleaseResource, [this](intptr_t id) { return OnReleaseResource(id); });
  SetHook(Hook::Frame, [this](intptr_t) { return Frame(); });
  return FireHook(Hook::Init);
}

void OC_GAME_SERVICE_ONE::Run() {
  if (!input_ || !renderer_ || !random_) return;
  OC_SOUND_SYSTEM* sound = sound_.get();
  audio_thread_ = StartThread([sound](intptr_t, const ThreadRecord& self) {
    while (!self.StopRequested()) {
      if (sound != nullptr) sound->UpdateStreams();
      // With nothing playing or waiting to play the thread sleeps until a
      // sound starts (or it is asked to stop), and the device stops mixing.
      if (sound != nullptr) sound->WaitForWork([&self] { return self.StopRequested(); });
      // Streams drain in real time whatever clock paces the frames (a test's
      // manual clock must not be moved from this thread).
      std::this_thread::sleep_for(std::chrono::milliseconds(kAudioPassMs));
    }
    return 0;
  });
  static const bool exit_handler_installed = std::atexit(StopAudioAtExit) == 0;
  (void)exit_handler_installed;
  g_audio_owner.store(this);
  platform::SetDisplayLossAction(SaveBeforeDisplayLoss);
  settings_.running = true;
  FireHook(Hook::Start);
  // The time start-up took is not owed to the schedules: the first second of
  // the loop starts now, and its first update and render are due at once (an
  // anchor a whole second back is a late step, which restarts the grid).
  pacing_timer_.Reset();
  update_elapsed_ = 0.0f;
  update_anchor_ = -1.0f;
  update_frames_ = 0;
  render_elapsed_ = 0.0f;
  render_anchor_ = -1.0f;
  render_frames_ = 0;
  still_turns_ = 0;
  quiet_turns_ = 0;
  changed_last_ = false;
  if (!IsHostDriven()) {
    while (Frame() == kResultOk) {
    }
    FireHook(Hook::Exit);
  }
}

int32_t OC_GAME_SERVICE_ONE::Frame() {
  if (!settings_.running) return kResultNotRunning;
  const bool updated = Update();
  if (!settings_.running) return kResultNotRunning;
  // A turn that only slept changed nothing: drawing it again would count the
  // last frame's time a second time and render above the cap.
  if (updated) {
    const RenderOutcome outcome = Render();
    const bool changed = outcome == RenderOutcome::Shown;
    if (events_this_turn_ > 0 || (changed && changed_last_)) {
      still_turns_ = 0;
      quiet_turns_ = 0;
    } else if (changed) {
      still_turns_ = 0;  // once more at the cap, to see whether it moves on
    } else if (outcome == RenderOutcome::Unchanged) {
      ++still_turns_;
      ++quiet_turns_;
    }
    if (outcome != RenderOutcome::None) changed_last_ = changed;
  }
  return kResultOk;
}

bool OC_GAME_SERVICE_ONE::IsIdle() const {
  return still_turns_ >= kStillTurnsBeforeIdle && window_ && renderer_ &&
         renderer_->GetFrameSkipper() != nullptr;
}

bool OC_GAME_SERVICE_ONE::WaitForUpdate() {
  update_elapsed_ += pacing_timer_.Tick();
  idle_turn_ = false;
  if (settings_.update_cap == 0) return true;
  const float step = 1.0f / static_cast<float>(settings_.update_cap);
  if (IsIdle()) {
    // The last frames changed nothing on screen and no event came: instead
    // of waking at every step the loop waits for the next event, at most an
    // idle wait and never past the calendar clock's next second (when a
    // refilling heart's countdown moves). The update follows at once, and
    // the time waited is its frame time, so whatever runs unseen (a timer,
    // a bot waiting to start) keeps its time and shows at most a wait late;
    // once the picture changes or an event comes, the loop is back at the
    // cap.
    const uint32_t longest =
        quiet_turns_ >= kStillTurnsBeforeLongIdle ? kLongIdleWaitMs : kIdleWaitMs;
    const uint32_t wait = std::min(longest, platform::CurrentClock().MsToNextCalendarSecond() + 1);
    window_->WaitForEvent(wait);
    update_elapsed_ += pacing_timer_.Tick();
    update_anchor_ = update_elapsed_;
    idle_turn_ = true;
    return true;
  }
  if (TakeStepIfDue(update_elapsed_, step, update_anchor_)) return true;
  // Less than a millisecond left still sleeps one: a sleep of 0 would spin
  // on the millisecond clock until it ticks.
  const auto wait_ms = static_cast<uint32_t>((update_anchor_ + step - update_elapsed_) * 1000.0f);
  SleepMs(wait_ms > 0 ? wait_ms : 1);
  return false;
}

bool OC_GAME_SERVICE_ONE::Update() {
  if (!WaitForUpdate()) return false;
  update_frames_ += 1;
  if (update_elapsed_ >= 1.0f) {
    settings_.update_fps = update_frames_;
    update_anchor_ -= update_elapsed_;
    update_elapsed_ = 0.0f;
    update_frames_ = 0;
  }
  if (timer_) {
    // A wait the loop chose itself is no stall: its time counts whole.
    const float clamp = timer_->MaxDelta();
    if (idle_turn_ && clamp > 0.0f) {
      timer_->SetMaxDelta(clamp + static_cast<float>(kLongIdleWaitMs) / 1000.0f);
    }
    timer_->Tick();
    timer_->SetMaxDelta(clamp);
  }
  FireHook(Hook::Update);
  if (input_) input_->Update();
  events_this_turn_ = window_ && input_ ? window_->PumpMessages(*input_) : 0;
  if (window_ && renderer_ && window_->TakeRedrawRequest()) renderer_->RedrawNextFrame();
  return true;
}

bool OC_GAME_SERVICE_ONE::IsRenderDue() {
  render_elapsed_ += GetFrameDelta();
  if (settings_.render_cap == 0) return true;
  return TakeStepIfDue(render_elapsed_, 1.0f / static_cast<float>(settings_.render_cap),
                       render_anchor_);
}

OC_GAME_SERVICE_ONE::RenderOutcome OC_GAME_SERVICE_ONE::Render() {
  if (!renderer_ || !IsRenderDue()) return RenderOutcome::None;
  const bool first_shown = window_ && !window_->IsShown();
  if (first_shown) renderer_->RedrawNextFrame();
  if (renderer_->BeginFrame() != kResultOk) {
    renderer_->RedrawNextFrame();  // the picture shown may be gone with the device
    return RenderOutcome::Shown;   // nothing is known to be still
  }
  render_frames_ += 1;
  if (render_elapsed_ >= 1.0f) {
    settings_.render_fps = render_frames_;
    render_anchor_ -= render_elapsed_;
    render_elapsed_ = 0.0f;
    render_frames_ = 0;
  }
  FireHook(Hook::Render);
  const FrameSkipper* skipper = renderer_->GetFrameSkipper();
  const int64_t skipped = skipper != nullptr ? skipper->SkippedFrames() : 0;
  if (first_shown) {
    // The window appears with its first picture: the frame is drawn to the
    // end, the window mapped, and the frame presented into it at once.
    renderer_->EndFrame(false);
    window_->Show();
    renderer_->PresentFrame();
  } else {
    renderer_->EndFrame();
  }
  return skipper != nullptr && skipper->SkippedFrames() != skipped ? RenderOutcome::Unchanged
                                                                   : RenderOutcome::Shown;
}

int32_t OC_GAME_SERVICE_ONE::SetVideoMode(int32_t width, int32_t height, bool fullscreen,
                                          bool desktop_resolution) {
  if (width == settings_.resolution.x && height == settings_.resolution.y &&
      fullscreen == settings_.fullscreen && desktop_resolution == settings_.desktop_resolution) {
    return kResultOk;
  }
  settings_.resolution = Point(width, height);
  settings_.fullscreen = fullscreen;
  settings_.desktop_resolution = desktop_resolution;
  if (window_) window_->SetMode(width, height, fullscreen, desktop_resolution);
  if (!renderer_) return kResultFailed;
  return renderer_->SetDisplayMode(width, height, fullscreen, desktop_resolution);
}

void OC_GAME_SERVICE_ONE::SetFpsLimit(int32_t cap) {
  settings_.update_cap = cap;
  update_elapsed_ = 0.0f;
  update_anchor_ = 0.0f;
  update_frames_ = 0;
}

void OC_GAME_SERVICE_ONE::SetRenderFpsLimit(int32_t cap) {
  settings_.render_cap = cap;
  render_elapsed_ = 0.0f;
  render_anchor_ = 0.0f;
  render_frames_ = 0;
}

void OC_GAME_SERVICE_ONE::SetResourcesFolder(const std::string& name) {
  (file_system_ != nullptr ? *file_system_ : FileSystem::Instance()).SetResourcesFolder(name);
}

void OC_GAME_SERVICE_ONE::GetMousePosition(int32_t* x, int32_t* y) const {
  const Point at = input_ ? input_->MousePosition() : Point();
  if (x != nullptr) *x = at.x;
  if (y != nullptr) *y = at.y;
}

int32_t OC_GAME_SERVICE_ONE::OnReleaseResource(intptr_t id) {
  if (!repository_) return 0;
  // Resource ids are the handles the repository handed out.
  const auto handle = reinterpret_cast<ResourceId>(id);
  const ResourceRecord* record = repository_->FindById(handle);
  if (record == nullptr) return 0;
  switch (record->kind) {
    case 2: repository_->ReleaseTexture(handle); break;
    case 4: repository_->ReleaseXml(handle); break;
    case 5: repository_->ReleaseBytes(handle); break;
    default: break;
  }
  return 0;
}

void OC_GAME_SERVICE_ONE::StopAudio() { StopAudioThread(); }

void OC_GAME_SERVICE_ONE::StopAudioThread() {
  OC_GAME_SERVICE_ONE* self = this;
  g_audio_owner.compare_exchange_strong(self, nullptr);
  if (audio_thread_) {
    audio_thread_->RequestStop();
    if (sound_) sound_->WakeAudioThread();
    audio_thread_->Terminate();
    audio_thread_.reset();
  }
}

int32_t OC_GAME_SERVICE_ONE::Shutdown() {
  // The audio thread may hold the sound system's lock: it stops and is
  // joined before anything it reaches goes away.
  StopAudioThread();
  settings_.running = false;
  input_.reset();
  Engine().input = nullptr;
  // Textures and sounds still loaded belong to the repository; it goes
  // before the renderer and the sound system that made them.
  repository_.reset();
  Engine().repository = nullptr;
  texture_loader_.reset();
  sound_loader_.reset();
  renderer_.reset();
  Engine().renderer = nullptr;
  window_.reset();
  Engine().window = nullptr;
  timer_.reset();
  Engine().timer = nullptr;
  if (GetDefaultRandom() == random_.get()) SetDefaultRandom(nullptr);
  random_.reset();
  Engine().random = nullptr;
  sound_.reset();
  Engine().sound = nullptr;
  ClearHook(Hook::ReleaseResource);
  ClearHook(Hook::Frame);
  if (Engine().service == this) Engine().service = nullptr;
  return kResultOk;
}

bool OC_GAME_SERVICE_ONE::SaveConfig() const {
  return ORB::SaveConfig(platform::GetAppDataFolder(), settings_);
}

bool OC_GAME_SERVICE_ONE::LoadConfig() {
  return ORB::LoadConfig(platform::GetAppDataFolder(), settings_);
}

}  // namespace ORB
