#pragma once
// The one way the engine and the game open a file they read or replace: the
// save files, the settings files and every resource. Only a regular file is
// used. A FIFO under a file's name blocks an open for ever when nothing
// writes to it, a device or a socket blocks a read (and opening a device may
// do something by itself), and a folder has no bytes. So a name is looked at
// before it is opened: anything that is neither a regular file nor a
// symbolic link to one (a link to nothing included) is refused unopened with
// one warning line naming it. The open itself never waits (O_NONBLOCK), and
// fstat checks what was opened, in case the name changed in between. The
// caller goes on as with a file it cannot read.
//
//   RegularFile file;
//   if (file.Open(path, O_RDONLY, "game") != RegularFile::Status::kOpen) return false;
//   std::vector<uint8_t> bytes;
//   if (!file.ReadAll(bytes, kMaxBytes)) return false;
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ORB {

class RegularFile {
 public:
  enum class Status {
    kOpen,        // a regular file, now open
    kMissing,     // nothing bears the name (or a folder on its way)
    kNotRegular,  // a folder, FIFO, device, socket or a link to nothing:
                  // refused unopened, and logged
    kFailed,      // a regular file that could not be opened (rights, limits)
  };

  RegularFile() = default;
  ~RegularFile() { Close(); }
  RegularFile(RegularFile&& other) noexcept;
  RegularFile& operator=(RegularFile&& other) noexcept;
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  // Closes any open file, then opens `path` with the open(2) flags given
  // (access mode, O_CREAT, O_EXCL, O_TRUNC, O_NOFOLLOW); a created file gets
  // the mode 0666 less the umask. The descriptor is close-on-exec and
  // blocking again once the file is known to be regular; O_TRUNC empties it
  // only then. With O_NOFOLLOW a symbolic link is refused too. A refusal is
  // logged under `subsystem` ("<path> cannot be read: it is a FIFO, not a
  // regular file"); with an empty subsystem it is quiet, for callers that
  // only look around (a search for leftovers).
  Status Open(const std::string& path, int flags, std::string_view subsystem = "files");
  void Close();

  bool IsOpen() const { return fd_ >= 0; }
  int Descriptor() const { return fd_; }
  // The descriptor, now the caller's to close; the object is left closed.
  int Release();
  // The file's length when it was opened.
  uint64_t Size() const { return size_; }

  // Reads up to `count` bytes from the current position; fewer only at the
  // end of the file or on an error.
  size_t Read(void* buffer, size_t count);
  // Reads from the current position to the end into `bytes`. False (and
  // `bytes` left empty) when that is more than `max_bytes` or a read fails.
  bool ReadAll(std::vector<uint8_t>& bytes, uint64_t max_bytes);
  // Writes every byte; false when the system takes fewer.
  bool Write(const void* buffer, size_t count);

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
};

// What bears a name, seen without opening anything.
enum class NameHolder {
  kNothing,        // nothing (or the name cannot be looked at)
  kRegular,        // a regular file
  kLinkToRegular,  // a symbolic link (or a chain of them) to a regular file
  kOther,          // a folder, FIFO, device, socket, or a link to one or to nothing
};
NameHolder LookAtName(const std::string& path);

// What bears the name, in words for a line about it: "a folder", "a FIFO",
// "a symbolic link to a character device", "a symbolic link to nothing";
// "nothing" when nothing does.
std::string DescribeName(const std::string& path);

}  // namespace ORB
