#pragma once
// The engine's own answers to the repository's loader interfaces: textures
// come from the renderer, sounds from the sound system.
#include "engine/foundation/resource_loaders.h"

namespace ORB {

class Renderer;
class OC_SOUND_SYSTEM;

class RendererTextureLoader final : public TextureLoader {
 public:
  explicit RendererTextureLoader(Renderer& renderer) : renderer_(renderer) {}
  TextureHandle CreateTexture(const uint8_t* bytes, size_t size) override;
  void ReleaseTexture(TextureHandle texture) override;
  TextureHandle DefaultTexture() override;

 private:
  Renderer& renderer_;
};

class SoundSystemLoader final : public SoundLoader {
 public:
  explicit SoundSystemLoader(OC_SOUND_SYSTEM& sounds) : sounds_(sounds) {}
  SoundHandle CreateSound(const uint8_t* bytes, size_t size, int32_t buffer_count,
                          bool whole_decode) override;
  void RemoveSound(SoundHandle sound) override;

 private:
  OC_SOUND_SYSTEM& sounds_;
};

}  // namespace ORB
