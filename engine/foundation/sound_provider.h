#pragma once
// Where the sound bank gets its sounds from: the resource repository serves
// them by resource name and counts their uses. The bank asks through this
// interface so that it needs nothing else of the repository.
#include <cstdint>
#include <string>

namespace ORB {

class OC_SOUND;

class SoundProvider {
 public:
  virtual ~SoundProvider() = default;
  // The sound of the named resource, counting one use; null when there is
  // none. bufferCount is kept by the sound; whole = decode at load, false =
  // stream.
  virtual OC_SOUND* GetSound(const std::string& name, int32_t bufferCount, bool whole) = 0;
  // Drops one use of a sound this provider handed out.
  virtual void ReleaseSound(OC_SOUND* sound) = 0;
};

}  // namespace ORB
