#pragma once
// Worker threads of the engine. A thread record belongs to whoever started
// it: the thread never frees its own record, so the owner can always read the
// exit code. A thread is never killed; it is asked to stop through a flag that
// its function polls, and then joined, so it cannot die holding a lock.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "engine/foundation/result_codes.h"

namespace ORB {

// Exit codes (result_codes.h): kThreadStillActive while the function runs,
// kResultFinished after a stop on request, else the function's own result.

class ThreadRecord {
 public:
  // The function gets the argument and the record, whose StopRequested() it
  // polls to end early.
  using Function = std::function<int32_t(intptr_t argument, const ThreadRecord& self)>;

  ThreadRecord(Function function, intptr_t argument);
  // Stops and joins the thread when it is still running.
  ~ThreadRecord();
  ThreadRecord(const ThreadRecord&) = delete;
  ThreadRecord& operator=(const ThreadRecord&) = delete;

  bool StopRequested() const { return stop_.load(std::memory_order_acquire); }
  void RequestStop() { stop_.store(true, std::memory_order_release); }
  // Waits for the function to return (does nothing when called from the
  // thread itself or when already joined).
  void Join();
  bool Running() const { return !finished_.load(std::memory_order_acquire); }
  // kThreadStillActive while running, else the function's result (or
  // kResultFinished after Terminate).
  int32_t ExitCode() const { return exit_code_.load(std::memory_order_acquire); }
  // Asks the thread to stop, joins it and marks its exit code kResultFinished.
  bool Terminate();

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::atomic<int32_t> exit_code_{kThreadStillActive};
  std::thread thread_;
};

std::unique_ptr<ThreadRecord> StartThread(ThreadRecord::Function function, intptr_t argument = 0);

// kResultBadArgument for a null record.
int32_t GetExitCode(const ThreadRecord* record);
// False for a null record.
bool Terminate(ThreadRecord* record);

}  // namespace ORB
