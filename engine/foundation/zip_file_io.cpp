#include "engine/foundation/zip_file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

#include "engine/foundation/regular_file.h"

namespace ORB {

namespace {

constexpr uint64_t kWindowSize = 64 * 1024;

class WindowedFile {
 public:
  static WindowedFile* Open(const char* path) {
    RegularFile file;
    if (file.Open(path, O_RDONLY) != RegularFile::Status::kOpen) return nullptr;
    const uint64_t size = file.Size();
    return new WindowedFile(file.Release(), size);
  }

  ~WindowedFile() { ::close(fd_); }
  WindowedFile(const WindowedFile&) = delete;
  WindowedFile& operator=(const WindowedFile&) = delete;

  uint64_t Read(uint8_t* target, uint64_t count) {
    if (position_ >= size_) return 0;
    if (count > size_ - position_) count = size_ - position_;
    uint64_t done = 0;
    if (count > kWindowSize) {
      // Large reads (entry contents) go straight to the caller's buffer.
      done = ReadAt(position_, target, count);
    } else {
      if (position_ < window_start_ || position_ + count > window_start_ + window_length_) {
        // A reader moving backwards (the search for the directory) gets the
        // window ending at its read, any other the window starting there.
        const bool backwards = window_length_ > 0 && position_ < window_start_;
        const uint64_t end = position_ + count;
        const uint64_t start = backwards ? (end > kWindowSize ? end - kWindowSize : 0) : position_;
        window_start_ = start;
        window_length_ = ReadAt(start, window_.get(), kWindowSize);
      }
      if (position_ >= window_start_) {
        const uint64_t offset = position_ - window_start_;
        done = offset < window_length_ ? std::min(count, window_length_ - offset) : 0;
        std::memcpy(target, window_.get() + offset, static_cast<size_t>(done));
      }
    }
    position_ += done;
    return done;
  }

  uint64_t Tell() const { return position_; }

  long Seek(uint64_t offset, int origin) {
    uint64_t base = 0;
    switch (origin) {
      case ZLIB_FILEFUNC_SEEK_SET:
        base = 0;
        break;
      case ZLIB_FILEFUNC_SEEK_CUR:
        base = position_;
        break;
      case ZLIB_FILEFUNC_SEEK_END:
        base = size_;
        break;
      default:
        return -1;
    }
    position_ = base + offset;
    return 0;
  }

  bool failed() const { return failed_; }

 private:
  WindowedFile(int fd, uint64_t size)
      : fd_(fd), size_(size), window_(new uint8_t[kWindowSize]) {}

  // Reads up to `count` bytes at `offset`; fewer only at the end of the file
  // or on an error.
  uint64_t ReadAt(uint64_t offset, uint8_t* target, uint64_t count) {
    uint64_t total = 0;
    while (total < count) {
      const ssize_t read = ::pread(fd_, target + total, static_cast<size_t>(count - total),
                                   static_cast<off_t>(offset + total));
      if (read < 0 && errno == EINTR) continue;
      if (read < 0) failed_ = true;
      if (read <= 0) break;
      total += static_cast<uint64_t>(read);
    }
    return total;
  }

  int fd_;
  uint64_t size_;
  uint64_t position_ = 0;
  std::unique_ptr<uint8_t[]> window_;
  uint64_t window_start_ = 0;
  uint64_t window_length_ = 0;
  bool failed_ = false;
};

voidpf ZCALLBACK OpenFile(voidpf, const void* path, int mode) {
  if (path == nullptr || (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) {
    return nullptr;
  }
  return WindowedFile::Open(static_cast<const char*>(path));
}

uLong ZCALLBACK ReadFile(voidpf, voidpf stream, void* buffer, uLong size) {
  return static_cast<uLong>(
      static_cast<WindowedFile*>(stream)->Read(static_cast<uint8_t*>(buffer), size));
}

uLong ZCALLBACK WriteFile(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK TellFile(voidpf, voidpf stream) {
  return static_cast<WindowedFile*>(stream)->Tell();
}

long ZCALLBACK SeekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  return static_cast<WindowedFile*>(stream)->Seek(offset, origin);
}

int ZCALLBACK CloseFile(voidpf, voidpf stream) {
  delete static_cast<WindowedFile*>(stream);
  return 0;
}

int ZCALLBACK FileError(voidpf, voidpf stream) {
  return static_cast<WindowedFile*>(stream)->failed() ? 1 : 0;
}

}  // namespace

zlib_filefunc64_def WindowedFileFunctions() {
  zlib_filefunc64_def functions{};
  functions.zopen64_file = OpenFile;
  functions.zread_file = ReadFile;
  functions.zwrite_file = WriteFile;
  functions.ztell64_file = TellFile;
  functions.zseek64_file = SeekFile;
  functions.zclose_file = CloseFile;
  functions.zerror_file = FileError;
  functions.opaque = nullptr;
  return functions;
}

}  // namespace ORB
