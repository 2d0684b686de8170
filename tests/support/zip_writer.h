#pragma once
// Builds zip archives for tests and benchmarks: stored or deflated entries,
// optionally sealed with the traditional PKWARE cipher, with the CRC and sizes
// in the local header or in a data descriptor after the data. The cipher here
// is written out independently of the reader's.
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace test_support {

struct Entry {
  Entry(std::string entryName, std::string entryContent, bool deflated = false,
        std::string entryPassword = std::string(), bool withDescriptor = false)
      : name(std::move(entryName)),
        content(std::move(entryContent)),
        deflate(deflated),
        password(std::move(entryPassword)),
        descriptor(withDescriptor) {}

  std::string name;
  std::string content;
  bool deflate = false;
  std::string password;     // empty: not sealed
  bool descriptor = false;  // flag bit 3: CRC and sizes after the data
  uint16_t dosTime = 0x7A31;
  uint16_t dosDate = 0x5A21;
};

inline uint32_t Crc(const std::string& bytes) {
  return static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0),
                                     reinterpret_cast<const Bytef*>(bytes.data()),
                                     static_cast<uInt>(bytes.size())));
}

// The traditional PKWARE stream cipher.
class Cipher {
 public:
  explicit Cipher(const std::string& password) {
    for (char c : password) Update(static_cast<uint8_t>(c));
  }
  uint8_t Encrypt(uint8_t plain) {
    const uint8_t key = KeyByte();
    Update(plain);
    return plain ^ key;
  }
  uint8_t Decrypt(uint8_t sealed) {
    const uint8_t plain = sealed ^ KeyByte();
    Update(plain);
    return plain;
  }

 private:
  static uint32_t CrcByte(uint32_t crc, uint8_t byte) {
    const z_crc_t* table = get_crc_table();
    return static_cast<uint32_t>(table[(crc ^ byte) & 0xFF]) ^ (crc >> 8);
  }
  uint8_t KeyByte() const {
    const uint32_t temp = (keys_[2] & 0xFFFF) | 2;
    return static_cast<uint8_t>(((temp * (temp ^ 1)) >> 8) & 0xFF);
  }
  void Update(uint8_t plain) {
    keys_[0] = CrcByte(keys_[0], plain);
    keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
    keys_[2] = CrcByte(keys_[2], static_cast<uint8_t>(keys_[1] >> 24));
  }
  uint32_t keys_[3] = {305419896u, 591751049u, 878082192u};
};

inline std::string RawDeflate(const std::string& bytes) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(bytes.size())) + 16, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

inline void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
inline void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The byte that closes the 12-byte cipher header of the entry.
inline uint8_t CheckByte(const Entry& entry) {
  return entry.descriptor ? static_cast<uint8_t>(entry.dosTime >> 8)
                          : static_cast<uint8_t>(Crc(entry.content) >> 24);
}

inline std::string Build(const std::vector<Entry>& entries) {
  std::string archive;
  std::string directory;
  for (const Entry& entry : entries) {
    const uint32_t crc = Crc(entry.content);
    std::string data = entry.deflate ? RawDeflate(entry.content) : entry.content;
    uint32_t flags = 0;
    if (!entry.password.empty()) {
      flags |= 1;
      Cipher cipher(entry.password);
      std::string sealed;
      for (int i = 0; i < 11; ++i) {
        sealed += static_cast<char>(cipher.Encrypt(static_cast<uint8_t>(i * 37 + 11)));
      }
      sealed += static_cast<char>(cipher.Encrypt(CheckByte(entry)));
      for (char c : data) sealed += static_cast<char>(cipher.Encrypt(static_cast<uint8_t>(c)));
      data = sealed;
    }
    if (entry.descriptor) flags |= 8;
    const uint32_t method = entry.deflate ? 8 : 0;
    const uint32_t offset = static_cast<uint32_t>(archive.size());

    Put32(archive, 0x04034B50);
    Put16(archive, 20);
    Put16(archive, flags);
    Put16(archive, method);
    Put16(archive, entry.dosTime);
    Put16(archive, entry.dosDate);
    Put32(archive, entry.descriptor ? 0 : crc);
    Put32(archive, entry.descriptor ? 0 : static_cast<uint32_t>(data.size()));
    Put32(archive, entry.descriptor ? 0 : static_cast<uint32_t>(entry.content.size()));
    Put16(archive, static_cast<uint32_t>(entry.name.size()));
    Put16(archive, 0);
    archive += entry.name;
    archive += data;
    if (entry.descriptor) {
      Put32(archive, 0x08074B50);
      Put32(archive, crc);
      Put32(archive, static_cast<uint32_t>(data.size()));
      Put32(archive, static_cast<uint32_t>(entry.content.size()));
    }

    Put32(directory, 0x02014B50);
    Put16(directory, 20);
    Put16(directory, 20);
    Put16(directory, flags);
    Put16(directory, method);
    Put16(directory, entry.dosTime);
    Put16(directory, entry.dosDate);
    Put32(directory, crc);
    Put32(directory, static_cast<uint32_t>(data.size()));
    Put32(directory, static_cast<uint32_t>(entry.content.size()));
    Put16(directory, static_cast<uint32_t>(entry.name.size()));
    Put16(directory, 0);
    Put16(directory, 0);
    Put16(directory, 0);
    Put16(directory, 0);
    Put32(directory, 0);
    Put32(directory, offset);
    directory += entry.name;
  }
  const uint32_t directoryOffset = static_cast<uint32_t>(archive.size());
  archive += directory;
  Put32(archive, 0x06054B50);
  Put16(archive, 0);
  Put16(archive, 0);
  Put16(archive, static_cast<uint32_t>(entries.size()));
  Put16(archive, static_cast<uint32_t>(entries.size()));
  Put32(archive, static_cast<uint32_t>(directory.size()));
  Put32(archive, directoryOffset);
  Put16(archive, 0);
  return archive;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace test_support
