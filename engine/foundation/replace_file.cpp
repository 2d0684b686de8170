#include "engine/foundation/replace_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace ORB {

namespace {

namespace fs = std::filesystem;

void SyncFolder(const fs::path& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& temporary_path,
                 const std::function<bool(SaveFile& stream)>& write) {
  const fs::path folder = fs::path(path).parent_path();
  std::error_code error;
  if (!folder.empty()) {
    fs::create_directories(folder, error);
    if (error) return false;
  }
  SaveFile stream;
  const bool created = stream.Create(temporary_path);
  bool written = created;
  if (written) {
    written = write(stream) && stream.Good();
    written = stream.Sync() && written;
    written = stream.Close() && written;
  }
  if (written) {
    fs::rename(temporary_path, path, error);
    written = !error;
  }
  if (!written) {
    // Only what this call made goes: whatever stood in the way stays.
    if (created) fs::remove(temporary_path, error);
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace ORB
