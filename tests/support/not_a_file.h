#pragma once
// What may bear a file's name without being a regular file, and a link to a
// regular file kept elsewhere, for code that reads or saves under the name.
// Each kind makes itself at a path; what a link leads to lives in a folder
// of the test's own (`elsewhere`). `what` is how the game's lines name it.
//
//   for (const test_support::NameKind& kind : test_support::kNameKinds) {
//     SCOPED_TRACE(kind.what);
//     ASSERT_TRUE(kind.make(path, elsewhere.Path()));
//     ...
//     EXPECT_TRUE(kind.kept(moved_to, elsewhere.Path()));
//   }
//
// OpenWatch notes whether anyone opens an entry (or what a link there leads
// to), so a test sees that a reader or a save left it unopened.
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "fifo.h"
#include "temp_folder.h"

namespace test_support {

// What a link to a regular file leads to holds this, with the mode 0644.
inline constexpr char kLinkedText[] = "the save kept in a synced folder";

namespace not_a_file {

namespace fs = std::filesystem;

inline std::string ReadText(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadFile(path);
  return std::string(bytes.begin(), bytes.end());
}

inline std::string Notes(const std::string& folder) { return folder + "/keep/notes.txt"; }

inline bool HoldsNotes(const std::string& folder) {
  std::error_code error;
  return fs::is_directory(folder, error) && ReadText(Notes(folder)) == "someone's notes" &&
         std::distance(fs::directory_iterator(folder, error), fs::directory_iterator()) == 1;
}

inline bool LinksTo(const std::string& path, const std::string& target) {
  std::error_code error;
  return fs::is_symlink(fs::symlink_status(path, error)) && fs::read_symlink(path, error) == target;
}

inline bool MakeFolder(const std::string& path, const std::string&) {
  WriteText(Notes(path), "someone's notes");
  return HoldsNotes(path);
}

inline bool MakeSocket(const std::string& path, const std::string&) {
  // Bound through the folder's descriptor: a socket's address is short.
  const int folder = ::open(fs::path(path).parent_path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string name =
      "/proc/self/fd/" + std::to_string(folder) + "/" + fs::path(path).filename().string();
  std::strncpy(address.sun_path, name.c_str(), sizeof(address.sun_path) - 1);
  const bool bound =
      folder >= 0 && listener >= 0 &&
      ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
  if (listener >= 0) ::close(listener);
  if (folder >= 0) ::close(folder);
  return bound;
}

inline bool MakeLink(const std::string& target, const std::string& path) {
  std::error_code error;
  fs::create_symlink(target, path, error);
  return !error;
}

}  // namespace not_a_file

struct NameKind {
  const char* what;
  bool (*make)(const std::string& path, const std::string& elsewhere);
  // Whether the thing at `path` is still the one made, whole, and what it
  // leads to untouched.
  bool (*kept)(const std::string& path, const std::string& elsewhere);
  // A link to a regular file, elsewhere + "/linked.save".
  bool leads_to_file = false;
  // OpenWatch can tell whether it was opened (not /dev/null).
  bool watchable = true;
};

inline const NameKind kNameKinds[] = {
    {"a folder", not_a_file::MakeFolder,
     [](const std::string& path, const std::string&) { return not_a_file::HoldsNotes(path); }},
    {"a FIFO", [](const std::string& path, const std::string&) { return MakeFifo(path); },
     [](const std::string& path, const std::string&) {
       return std::filesystem::is_fifo(std::filesystem::symlink_status(path));
     }},
    {"a socket", not_a_file::MakeSocket,
     [](const std::string& path, const std::string&) {
       return std::filesystem::is_socket(std::filesystem::symlink_status(path));
     }},
    {"a symbolic link to a character device",
     [](const std::string& path, const std::string&) {
       return not_a_file::MakeLink("/dev/null", path);
     },
     [](const std::string& path, const std::string&) {
       return not_a_file::LinksTo(path, "/dev/null");
     },
     false, false},
    {"a symbolic link to nothing",
     [](const std::string& path, const std::string& elsewhere) {
       return not_a_file::MakeLink(elsewhere + "/gone.save", path);
     },
     [](const std::string& path, const std::string& elsewhere) {
       // Nothing was made through it.
       return not_a_file::LinksTo(path, elsewhere + "/gone.save") &&
              !std::filesystem::exists(std::filesystem::symlink_status(elsewhere + "/gone.save"));
     }},
    {"a symbolic link to a folder",
     [](const std::string& path, const std::string& elsewhere) {
       return not_a_file::MakeFolder(elsewhere + "/folder", "") &&
              not_a_file::MakeLink(elsewhere + "/folder", path);
     },
     [](const std::string& path, const std::string& elsewhere) {
       return not_a_file::LinksTo(path, elsewhere + "/folder") &&
              not_a_file::HoldsNotes(elsewhere + "/folder");
     }},
    {"a symbolic link to a regular file",
     [](const std::string& path, const std::string& elsewhere) {
       const std::string target = elsewhere + "/linked.save";
       WriteText(target, kLinkedText);
       return ::chmod(target.c_str(), 0644) == 0 && not_a_file::MakeLink(target, path);
     },
     [](const std::string& path, const std::string& elsewhere) {
       return not_a_file::LinksTo(path, elsewhere + "/linked.save");
     },
     true},
};

// Notes opens of an entry, or of what a link there leads to, from its
// making on (inotify). Not for /dev/null, which the whole system opens.
class OpenWatch {
 public:
  explicit OpenWatch(const std::string& path) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0) watch_ = ::inotify_add_watch(fd_, path.c_str(), IN_OPEN);
  }
  ~OpenWatch() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenWatch(const OpenWatch&) = delete;
  OpenWatch& operator=(const OpenWatch&) = delete;

  // False when the entry cannot be watched (a link to nothing).
  bool Watching() const { return watch_ >= 0; }
  bool Opened() const {
    alignas(inotify_event) char events[4096];
    const ssize_t got = Watching() ? ::read(fd_, events, sizeof(events)) : -1;
    // Other events come unasked (the watch ends when a replaced file goes).
    for (ssize_t at = 0; at < got;) {
      inotify_event event{};
      std::memcpy(&event, events + at, sizeof(event));
      if ((event.mask & IN_OPEN) != 0) return true;
      at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
    }
    return false;
  }

 private:
  int fd_ = -1;
  int watch_ = -1;
};

}  // namespace test_support
