#include "game/shell/startup/installation.h"

#include "engine/foundation/file_system.h"
#include "game/shell/startup/relative_path.h"

namespace game {

namespace {

constexpr int32_t kMissing = 0;
constexpr int32_t kFile = 1;

}  // namespace

bool InstallationFileExists(const std::string& base_folder, const std::string& name) {
  if (IsAbsoluteOrClimbing(name)) return false;
  return ORB::FileSystem::FileExists(base_folder + name) != kMissing;
}

bool IsInstallationComplete(const EditionSettings& edition, const std::string& base_folder) {
  if (!edition.run_if_url_lost && !InstallationFileExists(base_folder, edition.url_file)) {
    return false;
  }
  return edition.run_if_exe_lost || InstallationFileExists(base_folder, edition.exe_file);
}

std::vector<std::string> InstallationFilesToOpen(const EditionSettings& edition,
                                                 const std::string& base_folder) {
  std::vector<std::string> paths;
  for (const std::string* name : {&edition.url_file, &edition.exe_file}) {
    if (name->empty() || IsAbsoluteOrClimbing(*name)) continue;
    const std::string path = base_folder + *name;
    if (ORB::FileSystem::FileExists(path) == kFile) paths.push_back(path);
  }
  return paths;
}

}  // namespace game
