#pragma once
// A repository's sound loader whose sounds are handles that only count: what
// the repository made and removed, and the description's values of the last
// sound made. Enough for the repository to keep sounds and give them back.
//
//   test_support::CountingSounds sounds;
//   ORB::OC_REPOSITORY repository(files, &textures, &sounds);
#include <cstddef>
#include <cstdint>

#include "engine/foundation/resource_loaders.h"

namespace test_support {

class CountingSounds : public ORB::SoundLoader {
 public:
  ORB::SoundHandle CreateSound(const uint8_t*, size_t, int32_t buffers, bool whole) override {
    last_buffers = buffers;
    last_whole = whole;
    return &handles_[made++ % 8];
  }
  void RemoveSound(ORB::SoundHandle) override { ++removed; }

  int32_t last_buffers = 0;
  bool last_whole = false;
  int made = 0;
  int removed = 0;

 private:
  int handles_[8] = {};
};

}  // namespace test_support
