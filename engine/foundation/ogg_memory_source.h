#pragma once
// Encoded Ogg bytes held in memory, read by the Vorbis decoder through
// stdio-like callbacks. The bytes are borrowed: they must outlive the decoder
// that reads them. Every read and seek stays inside [0, size].
#include <cstddef>
#include <cstdint>

namespace ORB {

struct OggMemorySource {
  const uint8_t* data = nullptr;
  size_t size = 0;
  size_t position = 0;
};

// Copies up to elementSize x count bytes from the position and advances it;
// answers the number of bytes copied (0 at the end of the data).
size_t OggMemoryRead(void* destination, size_t elementSize, size_t count, void* source);
// whence is SEEK_SET, SEEK_CUR or SEEK_END. 0 on success; -1 for any other
// whence or for a target outside the data (the position is then unchanged).
int OggMemorySeek(void* source, int64_t offset, int whence);
// Frees nothing: the bytes belong to whoever handed them over.
int OggMemoryClose(void* source);
long OggMemoryTell(void* source);

}  // namespace ORB
