#pragma once
// The one diagnostics channel of the engine and the game: every note about
// something skipped, refused or failed goes through Log as one line with a
// level and the subsystem it comes from.
//
//   Log(LogLevel::kWarning, "gui", "Title.xml: unknown HOT_SPOT 'HS_MDI'");
//
// writes "gui: warning: Title.xml: unknown HOT_SPOT 'HS_MDI'" to stderr.
//
// Readers of descriptions keep the defaults for missing or malformed values,
// as their formats say; they log each value they skip, naming the file (or
// the element) and the value, so a typo is seen instead of showing up as a
// widget that silently is not there. A failure the caller also reports (a
// false result with a reason) is logged once, where it is found.
//
// Subsystems are short lower-case words: "platform", "gl", "sdl", "engine",
// "repository", "sound", "strings", "font", "gui", "level", ...
//
// Tests read the lines through a hook (test_support::LogCapture in the test
// kit); while a hook is set, nothing goes to stderr. Log may be called from
// any thread; the hook runs on the calling thread.
#include <functional>
#include <string>
#include <string_view>

namespace ORB::platform {

enum class LogLevel {
  kInfo,     // worth knowing, nothing is wrong
  kWarning,  // something was skipped or a default stands in
  kError,    // something failed
};

struct LogLine {
  LogLevel level = LogLevel::kInfo;
  std::string subsystem;
  std::string message;

  // The line as stderr shows it (without the newline): "subsystem: message"
  // for info, "subsystem: warning: message", "subsystem: error: message".
  std::string Text() const;
};

// Writes the line to stderr in one piece, or hands it to the hook.
void Log(LogLevel level, std::string_view subsystem, std::string_view message);

using LogHook = std::function<void(const LogLine& line)>;

// Every later line goes to the hook instead of stderr (an empty hook
// restores stderr). Answers the hook that was set before, so a capture can
// put it back.
LogHook SetLogHook(LogHook hook);

}  // namespace ORB::platform

namespace ORB {

// The channel is the engine's, whatever layer logs: ORB::Log everywhere.
using platform::Log;
using platform::LogHook;
using platform::LogLevel;
using platform::LogLine;
using platform::SetLogHook;

}  // namespace ORB
