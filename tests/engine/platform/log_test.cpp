#include "engine/platform/log.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/log_capture.h"

namespace ORB::platform {
namespace {

TEST(LogTest, LinesNameTheSubsystemAndTheLevel) {
  const struct {
    LogLevel level;
    const char* text;
  } cases[] = {
      {LogLevel::kInfo, "gui: Title.xml: 3 widgets"},
      {LogLevel::kWarning, "gui: warning: Title.xml: 3 widgets"},
      {LogLevel::kError, "gui: error: Title.xml: 3 widgets"},
  };
  for (const auto& c : cases) {
    test_support::LogCapture log;
    Log(c.level, "gui", "Title.xml: 3 widgets");
    EXPECT_EQ(log.Lines(), std::vector<std::string>{c.text});
  }
}

TEST(LogTest, CapturesNestAndGiveTheHookBack) {
  test_support::LogCapture outer;
  {
    test_support::LogCapture inner;
    Log(LogLevel::kWarning, "a", "inner");
    EXPECT_TRUE(inner.Has("a: warning: inner"));
  }
  Log(LogLevel::kWarning, "a", "outer");
  EXPECT_EQ(outer.Lines(), std::vector<std::string>{"a: warning: outer"});
}

TEST(LogTest, AHookMayLogAndThreadsMayLogAtOnce) {
  std::vector<std::string> seen;
  LogHook previous = SetLogHook([&seen](const LogLine& line) {
    seen.push_back(line.Text());
    // A hook that logs again must not lock the channel up.
    if (line.subsystem == "first") Log(LogLevel::kInfo, "second", "from the hook");
  });
  Log(LogLevel::kInfo, "first", "x");
  SetLogHook(std::move(previous));
  EXPECT_EQ(seen, (std::vector<std::string>{"first: x", "second: from the hook"}));

  test_support::LogCapture log;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([] {
      for (int i = 0; i < 100; ++i) Log(LogLevel::kInfo, "thread", "line");
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(log.Lines().size(), 400u);
}

}  // namespace
}  // namespace ORB::platform
