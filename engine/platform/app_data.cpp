#include "engine/platform/app_data.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/platform/environment_names.h"

namespace ORB::platform {

namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string GetAppDataFolder() {
  // The XDG rules ignore a relative XDG_DATA_HOME.
  const char* xdg = std::getenv(kEnvDataHome);
  if (xdg != nullptr && xdg[0] == '/') return WithoutTrailingSlash(xdg);
  const char* home = std::getenv(kEnvHome);
  if (home != nullptr && home[0] != '\0') return WithoutTrailingSlash(home) + "/.local/share";
  return {};
}

std::string GetProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !program.has_parent_path()) return {};
  return program.parent_path().string();
}

}  // namespace ORB::platform
