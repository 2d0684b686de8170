#include "engine/foundation/replace_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/foundation/move_aside.h"
#include "engine/foundation/regular_file.h"
#include "engine/platform/log.h"

namespace ORB {

namespace {

namespace fs = std::filesystem;

// Tries for a free temporary name before giving up.
constexpr int kCreateAttempts = 16;

void SyncFolder(const fs::path& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Whether the name still names the file open on the descriptor.
bool NamesTheSameFile(const std::string& path, int fd) {
  struct stat named {};
  struct stat open_file {};
  return lstat(path.c_str(), &named) == 0 && fstat(fd, &open_file) == 0 &&
         named.st_dev == open_file.st_dev && named.st_ino == open_file.st_ino;
}

// A new temporary file, open for writing, and a second descriptor holding
// the lock that tells other saves it is in use. False when none could be made.
struct Temporary {
  std::string path;
  int file = -1;
  int lock = -1;
};

bool CreateTemporary(const std::string& prefix, Temporary& made) {
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    std::vector<char> name(prefix.begin(), prefix.end());
    for (char c : std::string(".XXXXXX")) name.push_back(c);
    name.push_back('\0');
    // mkostemp creates with O_EXCL: an existing name, a symbolic link
    // included, is never opened.
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const std::string path(name.data());
    const int lock = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    // Another save cleaning up may have taken it for a leftover between its
    // creation and the lock: then start again with a new name.
    if (lock >= 0 && flock(lock, LOCK_EX | LOCK_NB) == 0 && NamesTheSameFile(path, fd)) {
      made = {path, fd, lock};
      return true;
    }
    if (lock >= 0) close(lock);
    close(fd);
    if (lock < 0) {
      unlink(path.c_str());
      return false;
    }
  }
  return false;
}

// Removes the temporary files of saves that died before their rename: any
// regular file named prefix + "." + ending (or the bare prefix, the name
// older saves used) that no save holds a lock on.
void RemoveLeftovers(const std::string& prefix) {
  const fs::path prefix_path(prefix);
  const fs::path folder = prefix_path.has_parent_path() ? prefix_path.parent_path() : fs::path(".");
  const std::string stem = prefix_path.filename().string();
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name != stem &&
        (name.size() <= stem.size() + 1 || name.compare(0, stem.size() + 1, stem + ".") != 0)) {
      continue;
    }
    const std::string path = it->path().string();
    // Only regular files are candidates, and looking is no reason for a line.
    RegularFile file;
    if (file.Open(path, O_RDONLY | O_NOFOLLOW, "") != RegularFile::Status::kOpen) continue;
    if (flock(file.Descriptor(), LOCK_EX | LOCK_NB) == 0 &&
        NamesTheSameFile(path, file.Descriptor())) {
      unlink(path.c_str());
    }
  }
}

// Where the new file goes, by what bears the name now.
struct Destination {
  enum class Kind {
    kName,           // nothing, or a regular file: the name itself
    kLinkTarget,     // a symbolic link to a regular file: the file it leads to
    kSetAsideFirst,  // anything else: moved aside, then the name itself
  };
  Kind kind = Kind::kName;
  std::string path;
};

Destination Look(const std::string& path) {
  switch (LookAtName(path)) {
    case NameHolder::kNothing:
    case NameHolder::kRegular: return {Destination::Kind::kName, path};
    case NameHolder::kLinkToRegular: {
      std::error_code error;
      const fs::path real = fs::canonical(path, error);
      if (!error) return {Destination::Kind::kLinkTarget, real.string()};
      break;
    }
    case NameHolder::kOther: break;
  }
  return {Destination::Kind::kSetAsideFirst, path};
}

// Moves what is not a regular file out of the name's way, with one line
// saying where it went.
bool SetAside(const std::string& path) {
  const std::string what = DescribeName(path);
  const std::string aside = MoveAside(path, path + kSetAsideEnding);
  if (aside.empty()) return false;
  Log(LogLevel::kWarning, "files",
      path + " was " + what + ", not a regular file; it was moved to " + aside +
          " and the file saved in its place");
  return true;
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& temporary_prefix,
                 const std::function<bool(SaveFile& stream)>& write) {
  const fs::path folder = fs::path(path).parent_path();
  std::error_code error;
  if (!folder.empty()) {
    fs::create_directories(folder, error);
    if (error) return false;
  }
  const Destination destination = Look(path);
  const fs::path destination_folder = fs::path(destination.path).parent_path();
  // Through a link the new file is made beside the link's target, so that
  // its rename stays on one file system.
  const std::string prefix =
      destination.kind == Destination::Kind::kLinkTarget
          ? (destination_folder / fs::path(temporary_prefix).filename()).string()
          : temporary_prefix;
  Temporary temporary;
  if (!CreateTemporary(prefix, temporary)) return false;
  // The file replaced keeps its permissions.
  struct stat replaced {};
  if (stat(destination.path.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode)) {
    fchmod(temporary.file, replaced.st_mode & 0777);
  }
  SaveFile stream;
  bool written = stream.Adopt(temporary.file);
  if (written) {
    written = write(stream) && stream.Good();
    written = stream.Sync() && written;
    written = stream.Close() && written;
  }
  // Only now that the new file is complete does anything move.
  if (written && destination.kind == Destination::Kind::kSetAsideFirst) written = SetAside(path);
  if (written) {
    fs::rename(temporary.path, destination.path, error);
    written = !error;
  }
  if (!written) fs::remove(temporary.path, error);
  close(temporary.lock);
  if (!written) return false;
  SyncFolder(destination_folder);
  RemoveLeftovers(prefix);
  return true;
}

}  // namespace ORB
