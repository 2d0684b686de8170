#include "engine/foundation/ogg_memory_source.h"

#include <cstdio>
#include <cstring>
#include <limits>

namespace ORB {

size_t OggMemoryRead(void* destination, size_t elementSize, size_t count, void* source) {
  auto* memory = static_cast<OggMemorySource*>(source);
  if (memory == nullptr || destination == nullptr || elementSize == 0 || count == 0) return 0;
  if (memory->position >= memory->size) return 0;
  const size_t left = memory->size - memory->position;
  // elementSize x count may not fit a size_t; anything that large is simply "all that is left".
  const size_t wanted = count > std::numeric_limits<size_t>::max() / elementSize ? left : elementSize * count;
  const size_t copied = wanted < left ? wanted : left;
  std::memcpy(destination, memory->data + memory->position, copied);
  memory->position += copied;
  return copied;
}

int OggMemorySeek(void* source, int64_t offset, int whence) {
  auto* memory = static_cast<OggMemorySource*>(source);
  if (memory == nullptr) return -1;
  int64_t base = 0;
  switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<int64_t>(memory->position); break;
    case SEEK_END: base = static_cast<int64_t>(memory->size); break;
    default: return -1;
  }
  const int64_t size = static_cast<int64_t>(memory->size);
  // Refuse targets before the start or past the end rather than let a later read run off the data.
  if (offset < -base || offset > size - base) return -1;
  memory->position = static_cast<size_t>(base + offset);
  return 0;
}

int OggMemoryClose(void*) { return 0; }

long OggMemoryTell(void* source) {
  const auto* memory = static_cast<const OggMemorySource*>(source);
  return memory == nullptr ? -1 : static_cast<long>(memory->position);
}

}  // namespace ORB
