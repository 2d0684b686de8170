#include "engine/platform/message_box.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "engine/platform/environment_names.h"
#include "engine/platform/log.h"

namespace ORB::platform {

namespace {

std::mutex g_sink_mutex;
MessageSink g_sink;

bool EnvSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

}  // namespace

bool HasInteractiveDisplay() {
  const char* driver = std::getenv(kEnvVideoDriver);
  if (driver != nullptr &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    return false;
  }
  if (EnvSet(kEnvNoDialogs)) return false;
  return EnvSet(kEnvDisplay) || EnvSet(kEnvWaylandDisplay);
}

void SetMessageSink(MessageSink sink) {
  std::lock_guard<std::mutex> lock(g_sink_mutex);
  g_sink = std::move(sink);
}

void ShowMessageBox(const std::string& caption, const std::string& text) {
  {
    std::lock_guard<std::mutex> lock(g_sink_mutex);
    if (g_sink) {
      g_sink(caption, text);
      return;
    }
  }
  Log(LogLevel::kInfo, "message", caption + ": " + text);
  if (HasInteractiveDisplay()) {
    // Answers -1 at once where no dialog can be made; the line above stands.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(), nullptr);
  }
}

}  // namespace ORB::platform
