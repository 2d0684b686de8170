#include "game/shell/startup/game_main.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/colour.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/localization.h"
#include "engine/foundation/platform_functions.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/sound_bank.h"
#include "engine/foundation/timer.h"
#include "engine/foundation/window.h"
#include "engine/platform/environment_names.h"
#include "engine/platform/log.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "engine/scene/texture_provider.h"
#include "framework/window_manager.h"
#include "game/play/gameplay.h"
#include "game/play/screen/play_screen.h"
#include "game/records/players_list.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/hub/guided_tutorial.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/installation.h"
#include "game/shell/startup/loading_screen.h"
#include "game/shell/startup/resource_list.h"
#include "game/shell/startup/screen_borders.h"

namespace game {

namespace {

constexpr int32_t kFrameCap = 60;
constexpr float kMaxFrameStep = 1.0f / 30.0f;
constexpr uint32_t kClearColour = 0xFF444444u;
// The window's title until the game's texts give "window_title".
constexpr char kWindowTitle[] = "Nonogram";
constexpr const char* kShippedSettingsFile = "game.xml";
// The search paths go in the reverse order of their dependence: the two
// sealed folders, then "data", then the top level.
constexpr const char* kSearchPathRemovalOrder[] = {"data/share/main/other", "data/share/image/gui",
                                                   "data", ""};
// The progress LoadGame reports at each of its steps.
constexpr int32_t kProgressHub = 10;
constexpr int32_t kProgressGameplay = 40;
constexpr int32_t kProgressWindows = 70;
constexpr int32_t kProgressDone = 100;

// The hooks the driver fills and frees at exit; activation and deactivation
// stay (a focus change may still arrive while the service shuts down) and
// do nothing from then on.
constexpr ORB::Hook kFreedAtExit[] = {
    ORB::Hook::Update,  ORB::Hook::Render, ORB::Hook::Init,
    ORB::Hook::KeyDown, ORB::Hook::KeyUp,  ORB::Hook::MouseMove,
    ORB::Hook::Exit,    ORB::Hook::Close,  ORB::Hook::DisplayLost};

// A trace of start-up for bench/desktop_bench.sh: with NONOGRAM_STARTUP_TRACE
// (kEnvStartupTrace) set, the moments the first frame is drawn and the first
// screen takes input go to stderr, in milliseconds of the system's monotonic
// clock (the clock the bench's watcher stamps the program's start with).
void TraceStartup(const char* moment) {
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
          .count();
  char line[96];
  std::snprintf(line, sizeof line, "%s at %.1f ms", moment, ms);
  ORB::Log(ORB::LogLevel::kInfo, "startup", line);
}

struct Driver {
  GameState state = GameState::kLoading;
  // Start-up moments still to trace (none without the trace).
  bool trace_first_frame = false;
  bool trace_interactive = false;
  // Before everything that takes textures and documents from them: should
  // the process end through exit() with the game still up, the members go
  // in reverse order and what they hold goes back to providers still there.
  std::unique_ptr<ORB::RepositoryTextureProvider> textures;
  std::unique_ptr<ORB::RepositoryDocumentProvider> documents;
  std::unique_ptr<G_LOADER_SCREEN> loading;
  std::unique_ptr<GG_GAMEPLAY> gameplay;
  // The gameplay's pieces around the board; goes before the gameplay.
  std::unique_ptr<gPlayScreen> play_screen;
  // The hub's tutorial, guiding the gameplay and the play screen; detached
  // from them before the game goes, and gone before they go.
  std::unique_ptr<gGuidedTutorial> tutorial;
  bool running = false;
  // Set by the instruments only (game_main.h): empty in the program.
  DriverHooks hooks;
};

Driver& The() {
  static Driver driver;
  return driver;
}

ORB::OC_GAME_SERVICE_ONE& Service() { return ORB::OC_GAME_SERVICE_ONE::Get(); }

void AddSearchPaths(ORB::OC_REPOSITORY& repository) {
  for (const char* folder : kSearchPaths) {
    const std::string name = folder;
    const bool sealed = name == "data/share/main/other" || name == "data/share/image/gui";
    // A folder that is not there is no failure here: what the game needs
    // from it fails later, naming the file.
    (void)repository.AddFolder(name, sealed ? kProductIdentifier : "");
  }
}

// Everything start-up made, taken down in the order that keeps each piece's
// users alive until it goes: the tutorial leaves the play screen (and its
// skip dialogue) while the windows stand, the game, the tutorial, the
// loading screen and the gameplay screen, unused resources, the game's
// folders and pictures, the search paths, the hooks and the providers. The
// service itself stays up.
void TearDownGame() {
  Driver& driver = The();
  driver.running = false;
  if (driver.tutorial) driver.tutorial->Attach(nullptr, nullptr);
  // Nor may the controls' feedback window call back once the game is gone.
  if (driver.play_screen) driver.play_screen->Controls().ForgetFeedback();
  // The game gives the tutorial's pictures back as it stops.
  DestroyGame();
  driver.tutorial.reset();
  driver.loading.reset();
  driver.play_screen.reset();
  driver.gameplay.reset();
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  if (repository != nullptr) repository->UnloadUnused();
  ShutdownGame();
  if (repository != nullptr) {
    for (const char* folder : kSearchPathRemovalOrder) repository->RemoveFolder(folder);
  }
  for (ORB::Hook hook : kFreedAtExit) ORB::ClearHook(hook);
  ORB::SetTextureProvider(nullptr);
  ORB::SetDocumentProvider(nullptr);
  driver.documents.reset();
  driver.textures.reset();
  driver.state = GameState::kLoading;
}

int32_t FailStart() {
  TearDownGame();
  return ORB::kResultStartFailed;
}

bool CheckInstallation() {
  const ORB::FileSystem* files = ORB::Engine().file_system;
  const std::string base = files != nullptr ? files->GetWorkingFolder() : std::string();
  if (IsInstallationComplete(GetEditionSettings(), base)) return true;
  if (ORB::Window* window = ORB::Engine().window) window->MessageBox(kCorruptCaption, kCorruptText);
  return false;
}

void OpenInstallationFiles() {
  const ORB::FileSystem* files = ORB::Engine().file_system;
  if (files == nullptr) return;
  // A copy: the opener may set the hooks again.
  const auto opener = The().hooks.open_installation_file;
  for (const std::string& path :
       InstallationFilesToOpen(GetEditionSettings(), files->GetWorkingFolder())) {
    // A desktop without an opener is no reason to stop the exit.
    (void)(opener ? opener(path) : ORB::OpenWithShell(path));
  }
}

void SetGroupVolumes(float percent) {
  if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) {
    sounds->SetVolume(gGame::kMusicGroup, percent);
    sounds->SetVolume(gGame::kSoundsGroup, percent);
  }
}

// The hub, while the game runs and has taken over from the loading screen.
gGame* PlayingHub() {
  const Driver& driver = The();
  if (!driver.running || driver.state != GameState::kPlaying) return nullptr;
  return gGame::Instance();
}

void OnGameLoaded() {
  gGame* hub = gGame::Instance();
  if (hub == nullptr) return;
  PlayersList* players = GetPlayersList();
  // The current player's display mode, cursor and volumes come with it.
  hub->SetCurrentPlayer(players != nullptr ? players->GetCurrent() : nullptr);
  const ORB::OC_LOCALIZATION* texts = GetLocalization();
  ORB::Window* window = ORB::Engine().window;
  if (texts != nullptr && window != nullptr) {
    // Texts are UTF-8 already; a missing key keeps the title there is.
    const std::string& title = texts->Find(kWindowTitleKey);
    if (title != ORB::OC_LOCALIZATION::kMissing) window->SetTitle(title);
  }
}

// --- The hooks.

int32_t OnGameUpdate(intptr_t) { return ORB::kResultOk; }

int32_t OnGameClose(intptr_t) {
  Service().SetRunning(false);
  return ORB::kResultOk;
}

// The display is gone and the process ends as soon as this returns, with
// nothing taken down (no window or device is left to take down with): the
// players and the user's settings are saved as a close saves them. A level
// in play is saved as it stands, costing no heart.
int32_t OnGameDisplayLost(intptr_t) {
  if (gGame* hub = PlayingHub()) hub->SaveAll();
  return ORB::kResultOk;
}

int32_t OnGameMouseMove(intptr_t) {
  if (gGame* hub = PlayingHub()) hub->OnMouseMove();
  return ORB::kResultOk;
}

int32_t OnGameKeyUp(intptr_t key) {
  if (gGame* hub = PlayingHub()) hub->OnKeyUp(static_cast<int32_t>(key));
  return ORB::kResultOk;
}

int32_t OnGameKeyDown(intptr_t key) {
  Driver& driver = The();
  if (!driver.running) return ORB::kResultOk;
  if (driver.state == GameState::kLoading) {
    if (driver.loading) driver.loading->NextSplash();
  } else if (gGame* hub = gGame::Instance()) {
    hub->OnKeyDown(static_cast<int32_t>(key));
  }
  return ORB::kResultOk;
}

int32_t OnGameInit(intptr_t) {
  Driver& driver = The();
  ORB::AppSettings& settings = Service().Settings();
  settings.update_cap = kFrameCap;
  settings.render_cap = kFrameCap;
  if (ORB::Engine().timer != nullptr) ORB::Engine().timer->SetMaxDelta(kMaxFrameStep);
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  if (repository == nullptr) {
    ORB::Log(ORB::LogLevel::kError, "game", "the game cannot start without its resources");
    return ORB::kResultStartFailed;
  }
  // Quads, sprites and widgets fetch their textures, and widgets their
  // fonts' descriptions, from the repository by name.
  driver.textures = std::make_unique<ORB::RepositoryTextureProvider>(*repository);
  driver.documents = std::make_unique<ORB::RepositoryDocumentProvider>(*repository);
  ORB::SetTextureProvider(driver.textures.get());
  ORB::SetDocumentProvider(driver.documents.get());
  AddSearchPaths(*repository);

  // Each step that fails has said why in one line (the installation check
  // with its message box).
  if (!CreateGame(kShippedSettingsFile)) return FailStart();
  if (!LoadResourceList(kResourceListFile)) return FailStart();
  if (!CheckInstallation()) return FailStart();

  driver.state = GameState::kLoading;
  const char* trace = std::getenv(ORB::platform::kEnvStartupTrace);
  driver.trace_first_frame = driver.trace_interactive = trace != nullptr && trace[0] != '\0';
  driver.loading = std::make_unique<G_LOADER_SCREEN>(&LoadGame);
  driver.loading->LoadSprites();
  // Loading runs here, before the first frame; a game that did not load
  // does not start.
  if (driver.loading->RunDirect() < 0) return FailStart();
  driver.running = true;
  return ORB::kResultOk;
}

int32_t OnGameFrame(intptr_t) {
  Driver& driver = The();
  if (!driver.running) return ORB::kResultOk;
  if (driver.state == GameState::kLoading && driver.loading) {
    driver.loading->Update();
  } else if (gGame* hub = gGame::Instance()) {
    hub->Update();
    if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) sounds->Update();
  }

  if (driver.state == GameState::kLoading && driver.loading) {
    driver.loading->Draw();
    if (driver.loading->IsFinished()) {
      if (driver.loading->GetResult() < 0) Service().SetRunning(false);
      OnGameLoaded();
      driver.state = GameState::kPlaying;
      driver.loading->ReleaseSprites();
      driver.loading.reset();
    }
  } else if (gGame* hub = gGame::Instance()) {
    hub->Draw();
  }
  DrawScreenBorders();
  if (driver.trace_first_frame) {
    driver.trace_first_frame = false;
    TraceStartup("first frame");
  }
  if (driver.trace_interactive && driver.state == GameState::kPlaying) {
    const ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
    if (windows == nullptr || !windows->IsOpen(G_LOADER_SCREEN::kFadeWindow)) {
      driver.trace_interactive = false;
      TraceStartup("first screen interactive");
    }
  }
  if (driver.hooks.frame_end) {
    // A copy: the hook may replace itself.
    const auto frame_end = driver.hooks.frame_end;
    frame_end();
  }
  return ORB::kResultOk;
}

int32_t OnGameActivate(intptr_t) {
  Driver& driver = The();
  if (driver.state == GameState::kLoading) return ORB::kResultOk;
  if (gGame* hub = PlayingHub()) {
    // Without a player the template player's volumes apply, as they do
    // when no player is chosen.
    hub->ApplyPlayerVolumes();
    if (GG_PLAYER* player = hub->GetCurrentPlayer()) player->GetHealth().Refresh();
  }
  return ORB::kResultNone;
}

int32_t OnGameDeactivate(intptr_t) {
  Driver& driver = The();
  if (driver.state == GameState::kLoading) return ORB::kResultOk;
  if (gGame* hub = PlayingHub()) {
    SetGroupVolumes(0.0f);
    // A level in play pauses behind the in-game menu; one whose board is
    // complete is ending by itself and only saved.
    const GG_GAMEPLAY* gameplay = hub->GetGameplay();
    if (gameplay != nullptr && gameplay->IsActive() && !gameplay->IsEnded() &&
        gameplay->Board().GetProgress() < 1.0) {
      hub->PauseLevel();
      if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
        (void)windows->OpenWindow(kGameMenuWindow, false);
      }
    }
    hub->SaveAll();
  }
  return ORB::kResultNone;
}

int32_t OnGameExit(intptr_t) {
  TearDownGame();
  OpenInstallationFiles();
  Service().Shutdown();
  return ORB::kResultOk;
}

}  // namespace

int32_t LoadGame(ORB::OC_LOADER& loader) {
  const auto fail = [&loader] {
    loader.SetProgress(kProgressDone);
    return ORB::kResultStartFailed;
  };
  loader.SetProgress(kProgressHub);
  gGame* hub = gGame::Instance();
  if (hub == nullptr) {
    ORB::Log(ORB::LogLevel::kError, "game", "the game hub was not made");
    return fail();
  }
  Driver& driver = The();
  // The hub reads the tutorial's file through it as it starts.
  driver.tutorial = std::make_unique<gGuidedTutorial>();
  hub->SetTutorial(driver.tutorial.get());
  if (!hub->Init()) return fail();

  loader.SetProgress(kProgressGameplay);
  driver.gameplay = std::make_unique<GG_GAMEPLAY>(hub);
  driver.play_screen = std::make_unique<gPlayScreen>(*driver.gameplay);
  if (!driver.play_screen->Load()) {
    // Levels still play: what could not be read keeps the plain pieces
    // (hints and coins arrive at once).
    ORB::Log(ORB::LogLevel::kWarning, "game", driver.play_screen->Error());
  }
  hub->SetGameplay(driver.gameplay.get());
  hub->SetControls(&driver.play_screen->Controls());
  driver.tutorial->Attach(driver.gameplay.get(), &driver.play_screen->Controls());
  if (!hub->PreloadMenuWindows()) return fail();

  loader.SetProgress(kProgressWindows);
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) windows->RefreshAll();
  if (ORB::IsMobilePlatform()) {
    hub->OpenPackList();
  } else {
    hub->OpenTitle();
  }
  loader.SetProgress(kProgressDone);
  return ORB::kResultOk;
}

DriverParts GetDriverParts() {
  const Driver& driver = The();
  return {.state = driver.state,
          .running = driver.running,
          .loading = driver.loading.get(),
          .gameplay = driver.gameplay.get(),
          .play_screen = driver.play_screen.get(),
          .tutorial = driver.tutorial.get()};
}

void SetDriverHooks(DriverHooks hooks) { The().hooks = std::move(hooks); }

int32_t GameMain(intptr_t) {
  ORB::OC_GAME_SERVICE_ONE& service = Service();
  ORB::Engine().service = &service;
  ORB::SetHook(ORB::Hook::Update, OnGameUpdate);
  ORB::SetHook(ORB::Hook::Render, OnGameFrame);
  ORB::SetHook(ORB::Hook::Init, OnGameInit);
  ORB::SetHook(ORB::Hook::KeyDown, OnGameKeyDown);
  ORB::SetHook(ORB::Hook::KeyUp, OnGameKeyUp);
  ORB::SetHook(ORB::Hook::MouseMove, OnGameMouseMove);
  ORB::SetHook(ORB::Hook::Exit, OnGameExit);
  ORB::SetHook(ORB::Hook::Close, OnGameClose);
  ORB::SetHook(ORB::Hook::DisplayLost, OnGameDisplayLost);
  ORB::SetHook(ORB::Hook::Deactivate, OnGameDeactivate);
  ORB::SetHook(ORB::Hook::Activate, OnGameActivate);
  if (service.Init("") < 0) {
    // The init hook took down what it made; the engine goes too.
    for (ORB::Hook hook : kFreedAtExit) ORB::ClearHook(hook);
    service.Shutdown();
    return ORB::kExitFailed;
  }
  ORB::Engine().window->SetTitle(kWindowTitle);
  ORB::Engine().renderer->SetClearColour(ORB::Colour(kClearColour));
  service.Run();
  return ORB::kExitNormal;
}

}  // namespace game
