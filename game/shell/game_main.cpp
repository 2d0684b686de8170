#include "game/shell/game_main.h"

#include <memory>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/SERVICE/register_application.h"
#include "engine/foundation/colour.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/timer.h"
#include "engine/foundation/window.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "engine/scene/texture_provider.h"

namespace game {

namespace {

constexpr int32_t kFrameCap = 60;
constexpr float kMaxFrameStep = 1.0f / 30.0f;
constexpr uint32_t kClearColour = 0xFF444444u;
// The window's title from the start: the game name stays empty in the
// service (it names no settings folder), and the localized "window_title"
// replaces this once the game has loaded its texts.
constexpr char kWindowTitle[] = "Nonogram";

int32_t OnGameInit(intptr_t) {
  ORB::AppSettings& settings = ORB::OC_GAME_SERVICE_ONE::Get().Settings();
  settings.update_cap = kFrameCap;
  settings.render_cap = kFrameCap;
  if (ORB::Engine().timer != nullptr) ORB::Engine().timer->SetMaxDelta(kMaxFrameStep);
  // Quads, sprites and widgets fetch their textures, and widgets their
  // fonts' descriptions, from the repository by name.
  if (ORB::Engine().repository != nullptr) {
    static std::unique_ptr<ORB::RepositoryTextureProvider> provider;
    static std::unique_ptr<ORB::RepositoryDocumentProvider> documents;
    provider = std::make_unique<ORB::RepositoryTextureProvider>(*ORB::Engine().repository);
    documents = std::make_unique<ORB::RepositoryDocumentProvider>(*ORB::Engine().repository);
    ORB::SetTextureProvider(provider.get());
    ORB::SetDocumentProvider(documents.get());
  }
  return ORB::kResultOk;
}

int32_t OnGameClose(intptr_t) {
  ORB::OC_GAME_SERVICE_ONE::Get().SetRunning(false);
  return ORB::kResultOk;
}

int32_t OnGameExit(intptr_t) {
  ORB::SetTextureProvider(nullptr);
  ORB::SetDocumentProvider(nullptr);
  ORB::OC_GAME_SERVICE_ONE::Get().Shutdown();
  return ORB::kResultOk;
}

}  // namespace

// The game's screens are not built yet: the entry runs the engine's frame
// loop with the game's pacing and an empty frame until the window is closed.
int32_t GameMain(intptr_t) {
  ORB::OC_GAME_SERVICE_ONE& service = ORB::OC_GAME_SERVICE_ONE::Get();
  ORB::SetHook(ORB::Hook::Init, OnGameInit);
  ORB::SetHook(ORB::Hook::Close, OnGameClose);
  ORB::SetHook(ORB::Hook::Exit, OnGameExit);
  if (service.Init("") < 0) {
    service.Shutdown();
    return ORB::kExitFailed;
  }
  ORB::Engine().window->SetTitle(kWindowTitle);
  ORB::Engine().renderer->SetClearColour(ORB::Colour(kClearColour));
  service.Run();
  return ORB::kExitNormal;
}

}  // namespace game
