#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "engine/foundation/lock.h"
#include "engine/foundation/thread.h"

namespace ORB {
namespace {

TEST(LockTest, ReentrantFromTheOwningThread) {
  Lock lock;
  EXPECT_FALSE(lock.IsLocked());
  lock.Enter();
  lock.Enter();
  EXPECT_TRUE(lock.IsLocked());
  lock.Leave();
  EXPECT_TRUE(lock.IsLocked());
  bool other_got_it = true;
  std::thread other([&] { other_got_it = lock.TryEnter(); });
  other.join();
  EXPECT_FALSE(other_got_it);
  lock.Leave();
  EXPECT_FALSE(lock.IsLocked());
}

TEST(LockTest, GuardsACounterAcrossThreads) {
  Lock lock;
  int counter = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 10000; ++i) {
        LockGuard outer(lock);
        LockGuard inner(lock);
        ++counter;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(counter, 40000);
}

TEST(ThreadTest, ReturnValueBecomesTheExitCode) {
  auto record = StartThread(
      [](intptr_t argument, const ThreadRecord&) { return static_cast<int32_t>(argument * 2); },
      21);
  record->Join();
  EXPECT_FALSE(record->Running());
  EXPECT_EQ(GetExitCode(record.get()), 42);
  EXPECT_EQ(GetExitCode(nullptr), kResultBadArgument);
  EXPECT_FALSE(Terminate(nullptr));
}

TEST(ThreadTest, StopFlagEndsALoopingThreadThatHoldsALock) {
  Lock lock;
  std::atomic<int> passes{0};
  auto record = StartThread([&](intptr_t, const ThreadRecord& self) {
    while (!self.StopRequested()) {
      LockGuard guard(lock);
      ++passes;
      std::this_thread::yield();
    }
    return 0;
  });
  while (passes.load() < 10) std::this_thread::yield();
  EXPECT_EQ(record->ExitCode(), kThreadStillActive);
  EXPECT_TRUE(record->Terminate());
  EXPECT_EQ(record->ExitCode(), kResultFinished);
  // The thread left the lock on its way out: it is free now.
  EXPECT_TRUE(lock.TryEnter());
  lock.Leave();
}

TEST(ThreadTest, DestroyingTheRecordStopsAndJoins) {
  std::atomic<bool> ended{false};
  {
    auto record = StartThread([&](intptr_t, const ThreadRecord& self) {
      while (!self.StopRequested()) std::this_thread::yield();
      ended = true;
      return 0;
    });
  }
  EXPECT_TRUE(ended.load());
}

}  // namespace
}  // namespace ORB
