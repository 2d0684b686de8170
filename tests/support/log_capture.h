#pragma once
// Catches the lines the engine logs while it lives, instead of letting them
// reach stderr; the hook that was set before comes back afterwards.
//
//   test_support::LogCapture log;
//   ReadSomething(malformed);
//   EXPECT_TRUE(log.Has("font: warning: char 0 (id \"65\") lacks xadvance"));
#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "engine/platform/log.h"

namespace test_support {

class LogCapture {
 public:
  LogCapture()
      : previous_(ORB::SetLogHook([this](const ORB::LogLine& line) {
          std::lock_guard<std::mutex> lock(mutex_);
          lines_.push_back(line.Text());
        })) {}
  ~LogCapture() { ORB::SetLogHook(std::move(previous_)); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  // Every line so far, as stderr would show it ("subsystem: warning: ...").
  std::vector<std::string> Lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
  }
  // Whether some line contains the text.
  bool Has(const std::string& text) const {
    const std::vector<std::string> lines = Lines();
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.find(text) != std::string::npos;
    });
  }
  // The error lines among them ("subsystem: error: ...").
  std::vector<std::string> Errors() const {
    std::vector<std::string> errors;
    for (const std::string& line : Lines()) {
      if (line.find(": error: ") != std::string::npos) errors.push_back(line);
    }
    return errors;
  }
  void Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
  ORB::LogHook previous_;
};

}  // namespace test_support
