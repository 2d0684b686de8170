#include "engine/platform/shell.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>

extern char** environ;

namespace ORB::platform {

bool OpenWithShell(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0) return false;
  // The opener is started directly (no shell parses the path) and left to run
  // on its own; SIGCHLD is not touched, so it is reaped below when it returns
  // quickly and by init otherwise.
  char opener[] = "xdg-open";
  std::string argument = path;
  char* argv[] = {opener, argument.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, opener, nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  waitpid(pid, &status, WNOHANG);
  return true;
}

}  // namespace ORB::platform
