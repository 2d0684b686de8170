#include "game/shell/startup/loading_screen.h"

#include <optional>
#include <utility>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/timer.h"
#include "engine/foundation/vector2.h"
#include "engine/platform/log.h"
#include "engine/scene/anchor.h"
#include "engine/scene/bot_color.h"
#include "framework/window_manager.h"
#include "game/shell/startup/relative_path.h"

namespace game {

namespace {

constexpr int32_t kBackdropSide = 2;

void Warn(const std::string& message) {
  ORB::Log(ORB::LogLevel::kWarning, "game",
           std::string(G_LOADER_SCREEN::kScreenFile) + ": " + message);
}

// The game's screen size (the service's resolution; 1024 x 768 without one).
ORB::Point ScreenSize() {
  if (const ORB::OC_GAME_SERVICE_ONE* service = ORB::Engine().service) {
    return service->Settings().resolution;
  }
  return ORB::AppSettings().resolution;
}

}  // namespace

G_LOADER_SCREEN::G_LOADER_SCREEN(LoadingFunction function) : OC_LOADER(std::move(function)) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  if (repository == nullptr || repository->Find(kScreenFile) == nullptr) {
    ORB::Log(ORB::LogLevel::kWarning, "game",
             std::string(kScreenFile) + " is missing: the game starts without a loading screen");
    return;
  }
  const bool parsed = ORB::ReadDocument(*repository, kScreenFile, [&](const pugi::xml_document& d) {
    ReadScreen(d.document_element());
    return true;
  });
  if (!parsed) Warn("cannot be read as XML; the game starts without a loading screen");
}

G_LOADER_SCREEN::~G_LOADER_SCREEN() {
  ForgetFadeWindow();
  ReleaseSprites();
  bots_.DeleteAll();
  ORB::Renderer* renderer = ORB::Renderer::Current();
  if (renderer != nullptr) {
    for (ORB::TextureRecord* texture : splash_textures_) renderer->ReleaseTexture(texture);
    if (backdrop_texture_ != nullptr) renderer->ReleaseTexture(backdrop_texture_);
  }
  backdrop_.SetTexture(ORB::PlaceholderTexture());
}

void G_LOADER_SCREEN::ReadScreen(const pugi::xml_node& root) {
  if (const pugi::xml_node node = root.child("background")) (void)background_.Load(node);
  if (const pugi::xml_node node = root.child("logo")) (void)logo_.Load(node);
  if (const pugi::xml_node node = root.child("animation")) (void)animation_.Load(node);
  if (const pugi::xml_node splashes = root.child("splashes")) ReadSplashes(splashes);
}

void G_LOADER_SCREEN::ReadSplashes(const pugi::xml_node& splashes) {
  // A time below 0 (or not a number) would never run out or run backwards:
  // such values are refused and the default stands.
  const auto read_time = [&](const char* name, float& value) {
    const pugi::xml_attribute attribute = splashes.attribute(name);
    if (!attribute) return;
    const float seconds = attribute.as_float(-1.0f);
    if (seconds >= 0.0f) {
      value = seconds;
    } else {
      Warn(std::string("\"") + name + "\" is not a time in seconds: '" + attribute.value() + "'");
    }
  };
  read_time("time_per_splash", time_per_splash_);
  read_time("time_fade", time_fade_);
  if (const pugi::xml_attribute colour = splashes.attribute("back_color")) {
    ORB::Colour parsed;
    if (parsed.Parse(colour.value())) {
      MakeBackdrop(parsed);
    } else {
      Warn(std::string("\"back_color\" is not \"a r g b\": '") + colour.value() + "'");
    }
  }
  for (const pugi::xml_node splash : splashes.children()) {
    if (splash.type() != pugi::node_element) continue;
    if (std::unique_ptr<ORB::OC_MESH> mesh = LoadSplash(splash)) {
      splash_textures_.push_back(mesh->GetTexture());
      splashes_.push_back(std::move(mesh));
    }
  }
}

void G_LOADER_SCREEN::MakeBackdrop(const ORB::Colour& colour) {
  ORB::Renderer* renderer = ORB::Renderer::Current();
  if (renderer == nullptr) return;
  ORB::TextureRecord* texture = renderer->CreateBlank(kBackdropSide, kBackdropSide);
  if (texture == nullptr) return;
  const uint32_t pixels[kBackdropSide * kBackdropSide] = {colour.ToUInt(), colour.ToUInt(),
                                                          colour.ToUInt(), colour.ToUInt()};
  renderer->CopyToTexture(texture, pixels);
  backdrop_texture_ = texture;
  back_colour_ = colour;
  backdrop_.SetTexture(texture);
  const ORB::Point screen = ScreenSize();
  backdrop_.SetSize(static_cast<float>(screen.x), static_cast<float>(screen.y));
  backdrop_.SetPosition(static_cast<float>(screen.x) / 2.0f, static_cast<float>(screen.y) / 2.0f,
                        0.0f);
}

std::unique_ptr<ORB::OC_MESH> G_LOADER_SCREEN::LoadSplash(const pugi::xml_node& splash) {
  const std::string file = splash.child("FILE").text().get();
  if (file.empty() || IsAbsoluteOrClimbing(file)) {
    Warn("skipped a splash whose FILE is not a path below the data folder: '" + file + "'");
    return nullptr;
  }
  ORB::FileSystem* files = ORB::Engine().file_system;
  const std::string path = files != nullptr ? files->GetResourcesFolder() + file : file;
  if (ORB::FileSystem::FileExists(path) != 1) {
    Warn("skipped a splash whose file is missing: " + file);
    return nullptr;
  }
  ORB::Renderer* renderer = ORB::Renderer::Current();
  ORB::TextureRecord* texture = renderer != nullptr ? renderer->LoadFromFile(path) : nullptr;
  // A picture that does not decode comes back as the default texture.
  if (texture == nullptr || texture == renderer->GetDefaultTexture()) {
    Warn("skipped a splash whose picture cannot be read: " + file);
    return nullptr;
  }
  auto mesh = std::make_unique<ORB::OC_MESH>(texture, nullptr);
  if (const pugi::xml_node pos = splash.child("POS")) {
    ORB::Vector2 at;
    if (at.Parse(pos.text().get())) {
      mesh->SetPosition(at.x, at.y, 0.0f);
    } else {
      Warn("a splash's POS is not \"x y\": '" + std::string(pos.text().get()) + "'");
    }
  }
  if (const pugi::xml_node hot = splash.child("HOT_SPOT")) {
    const std::optional<int32_t> anchor = ORB::FindAnchor(hot.text().get());
    if (!anchor) Warn("unknown HOT_SPOT '" + std::string(hot.text().get()) + "'");
    mesh->SetAnchor(anchor.value_or(ORB::HS_MID), 0.0f, 0.0f);
  }
  return mesh;
}

void G_LOADER_SCREEN::LoadSprites() {
  background_.LoadTexture();
  logo_.LoadTexture();
  animation_.LoadTexture();
  animation_.Play(0.0f);
  sprites_loaded_ = true;
}

void G_LOADER_SCREEN::ReleaseSprites() {
  if (!sprites_loaded_) return;
  background_.ReleaseTexture();
  logo_.ReleaseTexture();
  animation_.ReleaseTexture();
  sprites_loaded_ = false;
}

void G_LOADER_SCREEN::Start() {
  OC_LOADER::Start();
  animation_.Play(0.0f);
}

void G_LOADER_SCREEN::Update() {
  animation_.Update();
  bots_.Update();
  if (!AllSplashesShown()) {
    splash_timer_ += ORB::GetFrameDelta();
    if (splash_timer_ >= time_per_splash_) NextSplash();
  }
  if (AllSplashesShown()) {
    if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) windows->Update();
  }
}

void G_LOADER_SCREEN::Draw() {
  background_.Draw();
  logo_.Draw();
  animation_.Draw();
  for (size_t i = splashes_.size(); i-- > 0;) {
    const ORB::OC_MESH& splash = *splashes_[i];
    if (backdrop_texture_ != nullptr) {
      // The backdrop shows the back colour as it is (its texture holds it),
      // as opaque as its splash is now.
      const uint32_t alpha = splash.GetFirstColour() & 0xFF000000u;
      backdrop_.SetVertexColor(alpha | 0x00FFFFFFu);
      backdrop_.Draw();
    }
    splash.Draw();
  }
  // The fade window covers the loading screen as it opens; the first menu,
  // opening behind it, shows once the game has taken over.
  if (AllSplashesShown()) {
    if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
      if (ORB_GF::G_WINDOW* fade = windows->FindOpenWindow(kFadeWindow)) fade->Draw();
    }
  }
}

bool G_LOADER_SCREEN::NextSplash() {
  splash_timer_ = 0.0f;
  bool faded = false;
  if (!AllSplashesShown()) {
    bots_.Add(new ORB::OC_BOT_COLOR(splashes_[static_cast<size_t>(splash_index_)].get(), time_fade_,
                                    kFadedSplash, 0.0f));
    faded = true;
  }
  // Further presses once every splash has gone change nothing.
  if (faded) ++splash_index_;
  return faded;
}

bool G_LOADER_SCREEN::IsFinished() {
  if (!finished_ && GetProgress() > 99 && AllSplashesShown()) {
    ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
    ORB_GF::G_WINDOW* fade = windows != nullptr ? windows->OpenWindow(kFadeWindow, false) : nullptr;
    if (fade == nullptr) {
      finished_ = true;
      return true;
    }
    fade->SetCallback(ORB_GF::kOpened, this, &G_LOADER_SCREEN::OnFadeOpened);
    fade_pending_ = true;
  }
  return finished_;
}

void G_LOADER_SCREEN::OnFadeOpened(void* context) {
  auto* screen = static_cast<G_LOADER_SCREEN*>(context);
  screen->finished_ = true;
  screen->fade_pending_ = false;
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
    if (ORB_GF::G_WINDOW* fade = windows->CloseWindow(kFadeWindow, false)) {
      fade->SetCallback(ORB_GF::kOpened, nullptr, nullptr);
    }
  }
}

void G_LOADER_SCREEN::ForgetFadeWindow() {
  if (!fade_pending_) return;
  fade_pending_ = false;
  // After the game's tear-down the windows are gone, and with them the
  // callback.
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
    if (ORB_GF::G_WINDOW* fade = windows->FindWindow(kFadeWindow)) {
      fade->SetCallback(ORB_GF::kOpened, nullptr, nullptr);
    }
  }
}

}  // namespace game
