#include "engine/foundation/SERVICE/resource_loader_adapters.h"

#include <limits>

#include "engine/foundation/renderer.h"
#include "engine/foundation/sound_system.h"

namespace ORB {

TextureHandle RendererTextureLoader::CreateTexture(const uint8_t* bytes, size_t size) {
  return renderer_.LoadFromMemory(bytes, size);
}

void RendererTextureLoader::ReleaseTexture(TextureHandle texture) {
  renderer_.ReleaseTexture(static_cast<TextureRecord*>(texture));
}

TextureHandle RendererTextureLoader::DefaultTexture() { return renderer_.GetDefaultTexture(); }

SoundHandle SoundSystemLoader::CreateSound(const uint8_t* bytes, size_t size, int32_t buffer_count,
                                           bool whole_decode) {
  if (size > std::numeric_limits<uint32_t>::max()) return nullptr;
  return sounds_.LoadSound(bytes, static_cast<uint32_t>(size), buffer_count, whole_decode);
}

void SoundSystemLoader::RemoveSound(SoundHandle sound) {
  sounds_.RemoveSound(static_cast<OC_SOUND*>(sound));
}

}  // namespace ORB
