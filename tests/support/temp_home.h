#pragma once
// Environment variables for one test, and a temporary home folder: while a
// TempHome lives, HOME and XDG_DATA_HOME name folders of its own, so
// whatever the code saves lands there and goes with the test.
//
//   test_support::TempHome home;
//   players.Save(home.AppData() + "/nonogram/");
//   EXPECT_TRUE(home.Folder().Exists(".local/share/nonogram/players.save"));
#include <cstdlib>
#include <optional>
#include <string>

#include "temp_folder.h"

namespace test_support {

// Sets (or, with nullopt, removes) one environment variable and puts the old
// value back when it goes. Made with the name alone, it only keeps the value
// to put back, so the test may change the variable freely.
class ScopedEnvironment {
 public:
  explicit ScopedEnvironment(std::string name) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
  }
  ScopedEnvironment(std::string name, const std::optional<std::string>& value)
      : ScopedEnvironment(std::move(name)) {
    Set(value);
  }
  ~ScopedEnvironment() { Set(old_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  void Set(const std::optional<std::string>& value) const {
    if (value) {
      ::setenv(name_.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }

 private:
  std::string name_;
  std::optional<std::string> old_;
};

class TempHome {
 public:
  TempHome()
      : home_("HOME", folder_.Path()), data_("XDG_DATA_HOME", folder_.Path() + "/.local/share") {}

  const TempFolder& Folder() const { return folder_; }
  // The application-data folder the engine finds under this home, without a
  // trailing slash.
  std::string AppData() const { return folder_.Path() + "/.local/share"; }

 private:
  TempFolder folder_;
  ScopedEnvironment home_;
  ScopedEnvironment data_;
};

}  // namespace test_support
