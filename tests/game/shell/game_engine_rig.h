#pragma once
// What the game's driver has when it creates the game, for tests and
// benchmarks: GameEngineRig makes, over the resources folder below a base
// folder, the file system, the repository with the driver's search paths
// (pictures decoded by the given renderer, sounds that only count unless a
// loader is given), the texture and document providers, and the engine's
// slots; Close destroys the game and takes it all down again.
//
//   game::GameEngineRig rig;
//   rig.Open(base, *renderer, window.get());
//   game::CreateGame("game.xml");
//   ...
//   rig.Close();
#include <memory>
#include <string>

#include "../../support/counting_sounds.h"
#include "../../support/renderer_textures.h"
#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/window.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "engine/scene/texture_provider.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/game_settings.h"

namespace game {

class GameEngineRig {
 public:
  ~GameEngineRig() { Close(); }

  // `base` holds "Resources/"; the window may be null. Sounds come from
  // `sound_loader` when given (it must outlive the rig's Close), else they
  // only count (and must not be played).
  void Open(const std::string& base, ORB::Renderer& renderer, ORB::Window* window,
            ORB::SoundLoader* sound_loader = nullptr) {
    files = std::make_unique<ORB::FileSystem>(base);
    textures = std::make_unique<test_support::RendererTextures>(renderer);
    repository = std::make_unique<ORB::OC_REPOSITORY>(
        *files, textures.get(), sound_loader != nullptr ? sound_loader : &sounds);
    // As the driver, whatever the answers (a case may have emptied a folder).
    (void)repository->AddFolder("");
    (void)repository->AddFolder("data");
    (void)repository->AddFolder("data/share/main/other", kProductIdentifier);
    (void)repository->AddFolder("data/share/image/gui", kProductIdentifier);
    provider = std::make_unique<ORB::RepositoryTextureProvider>(*repository);
    documents = std::make_unique<ORB::RepositoryDocumentProvider>(*repository);
    ORB::SetTextureProvider(provider.get());
    ORB::SetDocumentProvider(documents.get());
    ORB::Engine().repository = repository.get();
    ORB::Engine().file_system = files.get();
    ORB::Engine().window = window;
    SetGameParts(GameParts{});
  }

  // The game goes first, while the repository and the renderer stand.
  void Close() {
    if (repository == nullptr) return;
    DestroyGame();
    ShutdownGame();
    ORB::Engine().repository = nullptr;
    ORB::Engine().file_system = nullptr;
    ORB::Engine().window = nullptr;
    ORB::SetTextureProvider(nullptr);
    ORB::SetDocumentProvider(nullptr);
    documents.reset();
    provider.reset();
    repository.reset();
    textures.reset();
    files.reset();
    SetGameParts(DefaultGameParts());
    ResetGameSettings();
  }

  std::unique_ptr<ORB::FileSystem> files;
  std::unique_ptr<test_support::RendererTextures> textures;
  test_support::CountingSounds sounds;
  std::unique_ptr<ORB::OC_REPOSITORY> repository;
  std::unique_ptr<ORB::RepositoryTextureProvider> provider;
  std::unique_ptr<ORB::RepositoryDocumentProvider> documents;
};

}  // namespace game
