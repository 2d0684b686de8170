#include "engine/platform/log.h"

#include <cstdio>
#include <memory>
#include <mutex>

namespace ORB::platform {

namespace {

std::mutex& HookMutex() {
  static std::mutex mutex;
  return mutex;
}

// Shared, so a line being delivered keeps its hook alive while another thread
// replaces it.
std::shared_ptr<LogHook>& CurrentHook() {
  static std::shared_ptr<LogHook> hook;
  return hook;
}

}  // namespace

std::string LogLine::Text() const {
  std::string text = subsystem;
  text += ": ";
  if (level == LogLevel::kWarning) text += "warning: ";
  if (level == LogLevel::kError) text += "error: ";
  text += message;
  return text;
}

void Log(LogLevel level, std::string_view subsystem, std::string_view message) {
  LogLine line{level, std::string(subsystem), std::string(message)};
  std::shared_ptr<LogHook> hook;
  {
    std::lock_guard<std::mutex> lock(HookMutex());
    hook = CurrentHook();
  }
  // Called outside the lock: a hook may log again.
  if (hook) {
    (*hook)(line);
    return;
  }
  // One write for the whole line, so lines from two threads do not mix.
  const std::string text = line.Text() + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
}

LogHook SetLogHook(LogHook hook) {
  std::shared_ptr<LogHook> next = hook ? std::make_shared<LogHook>(std::move(hook)) : nullptr;
  std::lock_guard<std::mutex> lock(HookMutex());
  std::shared_ptr<LogHook> previous = std::move(CurrentHook());
  CurrentHook() = std::move(next);
  return previous ? *previous : LogHook();
}

}  // namespace ORB::platform
