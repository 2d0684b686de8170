#include "engine/foundation/zip_decrypt.h"

#include <zlib.h>

#include <array>
#include <cstring>

// The cipher's key schedule as minizip ships it. The header still spells a
// storage class C++17 dropped; it is harmless here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wregister"
#include <minizip/crypt.h>
#pragma GCC diagnostic pop

namespace ORB {

namespace {

constexpr size_t kCipherHeaderSize = 12;
constexpr uint32_t kFlagSealed = 1u << 0;
constexpr uint32_t kFlagSizesInDescriptor = 1u << 3;
constexpr uint32_t kMethodStored = 0;
constexpr uint32_t kMethodDeflated = 8;

// The key schedule takes zlib's CRC table in the width of `unsigned long`;
// zlib hands it out as 32-bit words.
const unsigned long* CrcTable() {
  static const std::array<unsigned long, 256> table = [] {
    std::array<unsigned long, 256> copy{};
    const z_crc_t* source = get_crc_table();
    for (size_t i = 0; i < copy.size(); ++i) copy[i] = source[i];
    return copy;
  }();
  return table.data();
}

class Cipher {
 public:
  explicit Cipher(const std::string& password) { init_keys(password.c_str(), keys_, CrcTable()); }

  void Decrypt(uint8_t* bytes, size_t count) {
    const unsigned long* table = CrcTable();
    for (size_t i = 0; i < count; ++i) {
      int c = bytes[i];
      zdecode(keys_, table, c);
      bytes[i] = static_cast<uint8_t>(c);
    }
  }

 private:
  unsigned long keys_[3] = {0, 0, 0};
};

// Expands a raw deflate stream into exactly `size` bytes; false when the
// stream is damaged, ends early or holds more than promised.
bool Inflate(const uint8_t* source, size_t sourceSize, uint8_t* target, uint64_t size) {
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(source);
  stream.next_out = target;
  size_t inLeft = sourceSize;
  uint64_t outLeft = size;
  // One spare byte of output room shows a stream that holds more than promised.
  uint8_t spare = 0;
  bool usingSpare = false;
  int status = Z_OK;
  while (status == Z_OK) {
    if (stream.avail_in == 0 && inLeft > 0) {
      const uInt chunk = inLeft > (1u << 30) ? (1u << 30) : static_cast<uInt>(inLeft);
      stream.avail_in = chunk;
      inLeft -= chunk;
    }
    if (stream.avail_out == 0) {
      if (outLeft > 0) {
        const uInt chunk = outLeft > (1u << 30) ? (1u << 30) : static_cast<uInt>(outLeft);
        stream.avail_out = chunk;
        outLeft -= chunk;
      } else if (!usingSpare) {
        usingSpare = true;
        stream.next_out = &spare;
        stream.avail_out = 1;
      } else {
        break;
      }
    }
    status = inflate(&stream, Z_NO_FLUSH);
    if (status == Z_BUF_ERROR && stream.avail_in == 0 && inLeft == 0) break;  // input ran out
    if (status == Z_BUF_ERROR) status = Z_OK;
  }
  const bool complete = status == Z_STREAM_END && stream.total_out == size;
  inflateEnd(&stream);
  return complete;
}

}  // namespace

int32_t OpenSealedEntry(const uint8_t* raw, size_t rawSize, const SealedEntryInfo& info,
                        const std::string& password, std::vector<uint8_t>& out) {
  if ((info.flags & kFlagSealed) == 0) return kResultCannotOpen;
  if (info.method != kMethodStored && info.method != kMethodDeflated) return kResultCannotOpen;
  if (password.empty()) return kResultCannotOpen;
  if (raw == nullptr || rawSize < kCipherHeaderSize) return kResultDamaged;

  std::vector<uint8_t> plain(raw, raw + rawSize);
  Cipher cipher(password);
  cipher.Decrypt(plain.data(), plain.size());

  // The last header byte repeats the CRC's top byte, or the high byte of the
  // DOS time when the sizes and CRC follow the data in a descriptor.
  const uint8_t expected = (info.flags & kFlagSizesInDescriptor) != 0
                               ? static_cast<uint8_t>((info.dosDate >> 8) & 0xFF)
                               : static_cast<uint8_t>((info.crc >> 24) & 0xFF);
  if (plain[kCipherHeaderSize - 1] != expected) return kResultCannotOpen;

  const uint8_t* payload = plain.data() + kCipherHeaderSize;
  const size_t payloadSize = plain.size() - kCipherHeaderSize;
  std::vector<uint8_t> result;
  if (info.method == kMethodStored) {
    if (payloadSize != info.uncompressedSize) return kResultDamaged;
    result.assign(payload, payload + payloadSize);
    result.push_back(0);
  } else {
    result.resize(static_cast<size_t>(info.uncompressedSize) + 1, 0);
    // Past the check byte the cipher says nothing more about the password:
    // a payload that does not expand is damaged (as is the noise of the one
    // wrong password in 256 that passes the check byte by chance).
    if (!Inflate(payload, payloadSize, result.data(), info.uncompressedSize)) return kResultDamaged;
  }

  uLong crc = crc32(0L, Z_NULL, 0);
  const uint8_t* data = result.data();
  uint64_t left = info.uncompressedSize;
  while (left > 0) {
    const uInt chunk = left > (1u << 30) ? (1u << 30) : static_cast<uInt>(left);
    crc = crc32(crc, data, chunk);
    data += chunk;
    left -= chunk;
  }
  if (static_cast<uint32_t>(crc) != info.crc) return kResultDamaged;

  out = std::move(result);
  return kResultOk;
}

}  // namespace ORB
