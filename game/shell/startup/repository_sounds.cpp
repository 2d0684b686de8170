#include "game/shell/startup/repository_sounds.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository.h"

namespace game {

ORB::OC_SOUND* RepositorySounds::GetSound(const std::string& name, int32_t bufferCount,
                                          bool whole) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  if (repository == nullptr) return nullptr;
  return static_cast<ORB::OC_SOUND*>(repository->GetSound(name, bufferCount, whole));
}

void RepositorySounds::ReleaseSound(ORB::OC_SOUND* sound) {
  if (ORB::OC_REPOSITORY* repository = ORB::Engine().repository) repository->ReleaseSound(sound);
}

}  // namespace game
