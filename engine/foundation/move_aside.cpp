#include "engine/foundation/move_aside.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

namespace ORB {

namespace {

// Bounded search for a free name.
constexpr int kMaxNames = 10000;

// Renames without replacing anything; false with errno EEXIST when the new
// name is taken.
bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system that cannot refuse to replace: look first (a rename would
  // replace a file, or an empty folder, under the new name).
  struct stat taken {};
  if (::lstat(to.c_str(), &taken) == 0) {
    errno = EEXIST;
    return false;
  }
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

std::string MoveAside(const std::string& path, const std::string& prefix) {
  for (int n = 1; n <= kMaxNames; ++n) {
    const std::string target = prefix + std::to_string(n);
    if (RenameWithoutReplacing(path, target)) return target;
    if (errno != EEXIST && errno != ENOTEMPTY) return {};
  }
  return {};
}

}  // namespace ORB
