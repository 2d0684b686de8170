#include "engine/foundation/thread.h"

namespace ORB {

ThreadRecord::ThreadRecord(Function function, intptr_t argument) {
  thread_ = std::thread([this, function = std::move(function), argument]() {
    const int32_t result = function ? function(argument, *this) : 0;
    // A stop requested by Terminate wins over the function's own result.
    int32_t expected = kThreadStillActive;
    exit_code_.compare_exchange_strong(expected, result, std::memory_order_acq_rel);
    finished_.store(true, std::memory_order_release);
  });
}

ThreadRecord::~ThreadRecord() {
  RequestStop();
  Join();
  // Only a record freed by its own thread is still joinable here.
  if (thread_.joinable()) thread_.detach();
}

void ThreadRecord::Join() {
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

bool ThreadRecord::Terminate() {
  RequestStop();
  Join();
  if (thread_.joinable()) return false;  // called from the thread itself
  exit_code_.store(kResultFinished, std::memory_order_release);
  return true;
}

std::unique_ptr<ThreadRecord> StartThread(ThreadRecord::Function function, intptr_t argument) {
  return std::make_unique<ThreadRecord>(std::move(function), argument);
}

int32_t GetExitCode(const ThreadRecord* record) {
  return record ? record->ExitCode() : kResultBadArgument;
}

bool Terminate(ThreadRecord* record) { return record ? record->Terminate() : false; }

}  // namespace ORB
