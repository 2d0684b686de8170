#include "engine/platform/app_data.h"

#include <cstdlib>

namespace ORB::platform {

namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string GetAppDataFolder() {
  // The XDG rules ignore a relative XDG_DATA_HOME.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return WithoutTrailingSlash(xdg);
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return WithoutTrailingSlash(home) + "/.local/share";
  return {};
}

}  // namespace ORB::platform
