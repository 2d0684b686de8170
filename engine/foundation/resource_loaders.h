#pragma once
// What the resource repository needs from the renderer and from the sound
// system to turn loaded bytes into textures and sounds. The repository only
// passes the handles around; it never looks inside them.
#include <cstddef>
#include <cstdint>

namespace ORB {

// A texture as the renderer hands it out.
using TextureHandle = void*;
// A sound object as the sound system hands it out.
using SoundHandle = void*;

class TextureLoader {
 public:
  virtual ~TextureLoader() = default;

  // A texture decoded from an image file held in memory (PNG, JPEG, ...).
  // The bytes are only read during the call. Null, or DefaultTexture(), when
  // the bytes cannot be decoded.
  virtual TextureHandle CreateTexture(const uint8_t* bytes, size_t size) = 0;

  // Frees a texture CreateTexture made. Never called with the default texture.
  virtual void ReleaseTexture(TextureHandle texture) = 0;

  // The stand-in for any texture that cannot be had. It belongs to the
  // renderer and is never released through this interface.
  virtual TextureHandle DefaultTexture() = 0;
};

class SoundLoader {
 public:
  virtual ~SoundLoader() = default;

  // A sound over Ogg Vorbis bytes held in memory, registered with the sound
  // system. The sound goes on reading the bytes (streamed sounds decode as
  // they play); they stay allocated and unchanged until RemoveSound returns.
  // `bufferCount` and `wholeDecode` come from the sound's description. Null
  // when the decoder refuses the bytes.
  virtual SoundHandle CreateSound(const uint8_t* bytes, size_t size, int32_t bufferCount,
                                  bool wholeDecode) = 0;

  // Stops the sound, takes it out of the sound system and destroys it. Once
  // this returns nothing reads the sound's bytes any more.
  virtual void RemoveSound(SoundHandle sound) = 0;
};

}  // namespace ORB
