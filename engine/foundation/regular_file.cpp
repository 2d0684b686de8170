#include "engine/foundation/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "engine/platform/log.h"

namespace ORB {

namespace {

// What a name is, in words for a line about it.
const char* Kind(mode_t mode) {
  if (S_ISREG(mode)) return "a regular file";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISLNK(mode)) return "a symbolic link";
  return "something else";
}

void Refuse(const std::string& path, int flags, std::string_view subsystem) {
  if (subsystem.empty()) return;
  const char* verb =
      (flags & O_ACCMODE) == O_RDONLY ? " cannot be read: it is " : " cannot be written: it is ";
  std::string what = DescribeName(path);
  // With O_NOFOLLOW the link itself is what was refused.
  if ((flags & O_NOFOLLOW) != 0 && what.rfind("a symbolic link", 0) == 0) what = "a symbolic link";
  Log(LogLevel::kWarning, subsystem, path + verb + what + ", not a regular file");
}

// Whether `path` names something that is plainly not a regular file (nor a
// link to one, unless links are not followed). A name that is missing, or
// cannot be looked at, is left to the open.
bool PlainlyNotRegular(const std::string& path, int flags) {
  const NameHolder holder = LookAtName(path);
  return holder == NameHolder::kOther ||
         (holder == NameHolder::kLinkToRegular && (flags & O_NOFOLLOW) != 0);
}

}  // namespace

NameHolder LookAtName(const std::string& path) {
  struct stat named {};
  if (::lstat(path.c_str(), &named) != 0) return NameHolder::kNothing;
  if (S_ISREG(named.st_mode)) return NameHolder::kRegular;
  if (!S_ISLNK(named.st_mode)) return NameHolder::kOther;
  // A link: what it leads to counts, and a link that leads nowhere is no
  // file either (an open with O_CREAT would make one wherever it points).
  struct stat target {};
  return ::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode) ? NameHolder::kLinkToRegular
                                                                       : NameHolder::kOther;
}

std::string DescribeName(const std::string& path) {
  struct stat named {};
  if (::lstat(path.c_str(), &named) != 0) return "nothing";
  if (!S_ISLNK(named.st_mode)) return Kind(named.st_mode);
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) return "a symbolic link to nothing";
  return std::string("a symbolic link to ") + Kind(target.st_mode);
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(std::exchange(other.size_, 0)) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

RegularFile::Status RegularFile::Open(const std::string& path, int flags,
                                      std::string_view subsystem) {
  Close();
  if (PlainlyNotRegular(path, flags)) {
    Refuse(path, flags, subsystem);
    return Status::kNotRegular;
  }
  const bool truncate = (flags & O_TRUNC) != 0;
  const int fd = ::open(path.c_str(), (flags & ~O_TRUNC) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  struct stat info {};
  if (fd < 0) {
    const int error = errno;
    // The name may have changed since it was looked at: what it is now may
    // be the reason (a folder opened for writing, a FIFO nobody reads).
    if (PlainlyNotRegular(path, flags)) {
      Refuse(path, flags, subsystem);
      return Status::kNotRegular;
    }
    return error == ENOENT || error == ENOTDIR ? Status::kMissing : Status::kFailed;
  }
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return Status::kFailed;
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    Refuse(path, flags, subsystem);
    return Status::kNotRegular;
  }
  const int status_flags = ::fcntl(fd, F_GETFL);
  if (status_flags < 0 || ::fcntl(fd, F_SETFL, status_flags & ~O_NONBLOCK) != 0 ||
      (truncate && ::ftruncate(fd, 0) != 0)) {
    ::close(fd);
    return Status::kFailed;
  }
  fd_ = fd;
  size_ = truncate ? 0 : static_cast<uint64_t>(info.st_size);
  return Status::kOpen;
}

void RegularFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
}

int RegularFile::Release() {
  size_ = 0;
  return std::exchange(fd_, -1);
}

size_t RegularFile::Read(void* buffer, size_t count) {
  size_t total = 0;
  while (fd_ >= 0 && total < count) {
    const ssize_t got = ::read(fd_, static_cast<char*>(buffer) + total, count - total);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    total += static_cast<size_t>(got);
  }
  return total;
}

bool RegularFile::ReadAll(std::vector<uint8_t>& bytes, uint64_t max_bytes) {
  bytes.clear();
  if (fd_ < 0) return false;
  // The length at the open is only a hint: the file may have changed since.
  constexpr size_t kStep = 64 * 1024;
  std::vector<uint8_t> read;
  read.reserve(static_cast<size_t>(std::min<uint64_t>(size_, max_bytes)) + 1);
  for (;;) {
    const size_t at = read.size();
    read.resize(at + kStep);
    const ssize_t got = ::read(fd_, read.data() + at, kStep);
    if (got < 0 && errno == EINTR) {
      read.resize(at);
      continue;
    }
    if (got < 0) return false;
    read.resize(at + static_cast<size_t>(got));
    if (read.size() > max_bytes) return false;
    if (got == 0) break;
  }
  bytes = std::move(read);
  return true;
}

bool RegularFile::Write(const void* buffer, size_t count) {
  size_t total = 0;
  while (fd_ >= 0 && total < count) {
    const ssize_t put = ::write(fd_, static_cast<const char*>(buffer) + total, count - total);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    total += static_cast<size_t>(put);
  }
  return total == count;
}

}  // namespace ORB
