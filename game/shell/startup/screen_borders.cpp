#include "game/shell/startup/screen_borders.h"

#include <memory>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/render_state.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/window.h"
#include "engine/platform/log.h"
#include "framework/hot_spot.h"
#include "game/shell/startup/game_document.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

// Addressing modes of the render state: repeat along u, along v, or both.
constexpr uint32_t kRepeatU = 1;
constexpr uint32_t kRepeatV = 2;
constexpr uint32_t kRepeatBoth = kRepeatU | kRepeatV;

std::unique_ptr<ScreenBorders>& Slot() {
  static std::unique_ptr<ScreenBorders> borders;
  return borders;
}

// Three halves of the surplus, halved rounding toward zero, as wide (or
// high) as one bar: more than the bar, so no rounding leaves a gap.
float TileExtent(int32_t surplus) { return static_cast<float>(3 * (surplus / 2)); }

}  // namespace

BorderLayout LayOutScreenBorders(int32_t window_width, int32_t window_height, bool wider_than_4_3,
                                 bool taller_than_4_3, float line_texture_width,
                                 float line_texture_height) {
  BorderLayout layout;
  if (window_width <= 0 || window_height <= 0) return layout;
  if (wider_than_4_3) {
    const int32_t surplus =
        static_cast<int32_t>(static_cast<double>(window_width) / window_height * kVirtualHeight) -
        kVirtualWidth;
    if (surplus <= 0) return layout;
    layout.draw = true;
    layout.beside = true;
    layout.tile_width = TileExtent(surplus);
    layout.tile_height = static_cast<float>(kVirtualHeight);
    layout.line_width = line_texture_width;
    layout.line_height = static_cast<float>(kVirtualHeight);
  } else if (taller_than_4_3) {
    const int32_t surplus =
        static_cast<int32_t>(static_cast<double>(window_height) / window_width * kVirtualWidth) -
        kVirtualHeight;
    if (surplus <= 0) return layout;
    layout.draw = true;
    layout.beside = false;
    layout.tile_width = static_cast<float>(kVirtualWidth);
    layout.tile_height = TileExtent(surplus);
    layout.line_width = static_cast<float>(kVirtualWidth);
    layout.line_height = line_texture_height;
  }
  return layout;
}

bool ScreenBorders::Load(const pugi::xml_node& ear) {
  const pugi::xml_node tile = ear.child("ear_tile");
  const pugi::xml_node line = ear.child("ear_line");
  if (!tile || !line) return false;
  tile_ = ORB_GF::G_SPRITE(tile);
  line_ = ORB_GF::G_SPRITE(line);
  tile_.SetAddressMode(kRepeatBoth);
  return true;
}

void ScreenBorders::LoadTextures(ORB::TextureProvider* provider) {
  tile_.LoadTexture(provider);
  line_.LoadTexture(provider);
}

void ScreenBorders::ReleaseTextures() {
  tile_.ReleaseTexture();
  line_.ReleaseTexture();
}

void ScreenBorders::Draw(ORB::Renderer& renderer, int32_t window_width, int32_t window_height,
                         bool wider_than_4_3, bool taller_than_4_3) {
  const ORB::TextureRecord* texture = line_.GetTexture();
  const float line_w = texture != nullptr ? static_cast<float>(texture->Width()) : 0.0f;
  const float line_h = texture != nullptr ? static_cast<float>(texture->Height()) : 0.0f;
  const BorderLayout layout = LayOutScreenBorders(window_width, window_height, wider_than_4_3,
                                                  taller_than_4_3, line_w, line_h);
  if (!layout.draw || renderer.SetDrawArea(ORB::platform::DrawArea::Window) != ORB::kResultOk) {
    return;
  }
  tile_.SetSize(layout.tile_width, layout.tile_height);
  tile_.FitTextureCoords();
  line_.SetSize(layout.line_width, layout.line_height);
  line_.FitTextureCoords();
  // The line repeats along the edge it follows.
  line_.SetAddressMode(layout.beside ? kRepeatV : kRepeatU);
  constexpr auto kWidth = static_cast<float>(kVirtualWidth);
  constexpr auto kHeight = static_cast<float>(kVirtualHeight);
  for (ORB_GF::G_SPRITE* sprite : {&tile_, &line_}) {
    // Unturned and unscaled: texel for pixel, sharp at the game's own size.
    sprite->UpdateFilter();
    if (layout.beside) {
      // Right of the screen from its right edge, left of it up to its left edge.
      sprite->SetHotSpot(ORB_GF::HS_UL, 0.0f, 0.0f);
      sprite->DrawAt(kWidth, 0.0f, 0.0f, 1.0f, 1.0f);
      sprite->SetHotSpot(ORB_GF::HS_UR, 0.0f, 0.0f);
      sprite->DrawAt(0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    } else {
      // Below the screen from its bottom edge, above it up to its top edge.
      sprite->SetHotSpot(ORB_GF::HS_UL, 0.0f, 0.0f);
      sprite->DrawAt(0.0f, kHeight, 0.0f, 1.0f, 1.0f);
      sprite->SetHotSpot(ORB_GF::HS_DL, 0.0f, 0.0f);
      sprite->DrawAt(0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    }
  }
  renderer.SetDrawArea(ORB::platform::DrawArea::Letterbox);
}

ScreenBorders* GetScreenBorders() { return Slot().get(); }

bool LoadScreenBorders() {
  auto borders = std::make_unique<ScreenBorders>();
  const bool loaded = ReadGameDocument(kBorderFile, [&](const pugi::xml_document& document) {
    const pugi::xml_node ear = document.document_element().child("ear");
    const char* missing = !ear                     ? "ear"
                          : !ear.child("ear_tile") ? "ear_tile"
                          : !ear.child("ear_line") ? "ear_line"
                                                   : nullptr;
    if (missing != nullptr) {
      ORB::Log(ORB::LogLevel::kError, "game",
               std::string(kBorderFile) + " lacks \"" + missing + "\"");
      return false;
    }
    return borders->Load(ear);
  });
  if (!loaded) return false;
  borders->LoadTextures(ORB::GetTextureProvider());
  Slot() = std::move(borders);
  return true;
}

void DrawScreenBorders() {
  ScreenBorders* borders = GetScreenBorders();
  const GameSettings& settings = GetGameSettings();
  ORB::Renderer* renderer = ORB::Renderer::Current();
  ORB::Window* window = ORB::Engine().window;
  if (borders == nullptr || renderer == nullptr || window == nullptr) return;
  if (!settings.fullscreen && !IsMobilePlatform()) return;
  const ORB::platform::ScreenSize size = window->GetDisplay().GetDrawableSize();
  borders->Draw(*renderer, size.width, size.height, settings.wider_than_4_3,
                settings.taller_than_4_3);
}

void ReleaseScreenBorders() {
  if (Slot() == nullptr) return;
  Slot()->ReleaseTextures();
  if (ORB::OC_REPOSITORY* repository = ORB::Engine().repository) repository->UnloadUnused();
  Slot().reset();
}

}  // namespace game
