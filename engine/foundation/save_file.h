#pragma once
// A raw binary record stream over one file: plain values in little-endian
// order and strings as a 4-byte length followed by their bytes. The stream has
// no header, tags or padding; callers decide what goes in and in which order.
//
// Every read and write does nothing while no file is open. The first failed
// read or write marks the stream failed, and from then on nothing more is read
// or written, so a caller can run a whole record and test Good() once at the
// end. Reads never run past the end of the file: a string or a count whose
// stated size exceeds the bytes left is a failed read, never an allocation.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/foundation/regular_file.h"

namespace ORB {

class SaveFile {
 public:
  SaveFile() = default;
  ~SaveFile();
  SaveFile(const SaveFile&) = delete;
  SaveFile& operator=(const SaveFile&) = delete;

  // Every open takes a regular file only (see regular_file.h): a folder,
  // FIFO or device under the name is refused, and NotRegular() then says so.
  //
  // Closes any open file, then opens the path for reading and writing without
  // truncating it; a file that does not exist is created empty. Answers
  // whether a file is now open.
  [[nodiscard]] bool Open(const std::string& path);
  // Closes any open file, then opens an existing file for reading only.
  [[nodiscard]] bool OpenForReading(const std::string& path);
  // Closes any open file, then creates the path (or truncates it) for writing
  // and reading. Answers whether a file is now open.
  [[nodiscard]] bool Create(const std::string& path);
  // Closes any open file, then takes an open descriptor of a regular file,
  // readable and writable, as its file; the stream closes it. False (and the
  // descriptor closed) when it cannot.
  [[nodiscard]] bool Adopt(int descriptor);
  // Closes the file. Answers false when the stream had failed or the close
  // itself failed (buffered data that could not be written).
  bool Close();

  bool IsEnabled() const { return file_ != nullptr; }
  // The last open was refused because the name is not a regular file.
  bool NotRegular() const { return not_regular_; }
  // No read or write has failed since the file was opened.
  bool Good() const { return file_ != nullptr && !failed_; }
  bool Failed() const { return failed_; }
  // Bytes between the current position and the end of the file.
  uint64_t BytesLeft() const { return size_ > position_ ? size_ - position_ : 0; }
  uint64_t Size() const { return size_; }
  uint64_t Position() const { return position_; }

  // Moves back to the start of the file and clears the failed mark.
  bool Rewind();
  // Pushes buffered writes to the system; Sync also makes the system put
  // them on the disk. Both mark the stream failed when that does not work.
  bool Flush();
  bool Sync();

  // One value of 1, 4 or 8 bytes, stored little-endian. A bool is written as
  // 0 or 1 and read back as "not 0".
  template <typename T>
    requires std::is_arithmetic_v<T> && (sizeof(T) == 1 || sizeof(T) == 4 || sizeof(T) == 8)
  void Write(T value) {
    if constexpr (std::is_same_v<T, bool>) {
      const unsigned char byte = value ? 1 : 0;
      WriteBytes(&byte, 1);
    } else {
      unsigned char bytes[sizeof(T)];
      Encode(value, bytes);
      WriteBytes(bytes, sizeof(T));
    }
  }

  // Fills the destination and answers true, or answers false and leaves the
  // destination as it was.
  template <typename T>
    requires std::is_arithmetic_v<T> && (sizeof(T) == 1 || sizeof(T) == 4 || sizeof(T) == 8)
  bool Read(T& destination) {
    unsigned char bytes[sizeof(T)];
    if (!ReadBytes(bytes, sizeof(T))) return false;
    if constexpr (std::is_same_v<T, bool>) {
      destination = bytes[0] != 0;
    } else {
      destination = Decode<T>(bytes);
    }
    return true;
  }

  // The 4-byte length, then the bytes (no terminator). A text longer than
  // max_length fails the stream, so a writer never stores what its reader
  // would refuse.
  void WriteString(std::string_view text, uint32_t max_length = UINT32_MAX);
  // Reads a length and that many bytes. A length above max_length or above
  // the bytes left fails the read (and the stream); the destination is then
  // left as it was.
  bool ReadString(std::string& destination, uint32_t max_length = UINT32_MAX);

  // Writes the byte 0x0A and flushes.
  void EndLine();
  void Nop() {}

  // Raw bytes as they stand (no length, no byte order), for whole documents.
  void WriteBytes(const void* data, size_t count);

 private:
  enum class LastOp { None, Read, Write };

  template <typename T>
  static void Encode(T value, unsigned char* out) {
    using U = std::conditional_t<sizeof(T) == 1, uint8_t,
                                 std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>;
    U bits = std::bit_cast<U>(value);
    for (size_t i = 0; i < sizeof(T); ++i) {
      out[i] = static_cast<unsigned char>(bits & 0xFF);
      if constexpr (sizeof(T) > 1) bits >>= 8;
    }
  }
  template <typename T>
  static T Decode(const unsigned char* in) {
    using U = std::conditional_t<sizeof(T) == 1, uint8_t,
                                 std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>;
    U bits = 0;
    for (size_t i = sizeof(T); i-- > 0;) {
      if constexpr (sizeof(T) > 1) bits <<= 8;
      bits |= in[i];
    }
    return std::bit_cast<T>(bits);
  }

  // Opens with the open(2) flags and streams with the matching stdio mode.
  RegularFile::Status OpenWithMode(const std::string& path, int flags, const char* mode);
  // Keeps the just-opened file_ when it is a regular file.
  bool TakeOpenedFile();
  bool ReadBytes(void* data, size_t count);
  void SwitchTo(LastOp op);

  std::FILE* file_ = nullptr;
  bool failed_ = false;
  bool not_regular_ = false;
  uint64_t size_ = 0;
  uint64_t position_ = 0;
  LastOp last_ = LastOp::None;
};

}  // namespace ORB
