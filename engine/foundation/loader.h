#pragma once
// The base of loading screens: a loading function, its progress in percent,
// an optional list of loading tasks read from XML, and the thread that may run
// the function. Drawing and updating are the screen's own.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/lock.h"
#include "engine/foundation/thread.h"

namespace ORB {

class OC_LOADER {
 public:
  using LoadingFunction = std::function<int32_t(OC_LOADER& loader)>;

  struct Task {
    std::string path;
    int32_t type = 5;
  };

  explicit OC_LOADER(LoadingFunction function);
  // Loads the tasks listed under the node; the loading function is RunTasks.
  explicit OC_LOADER(const pugi::xml_node& node);
  // Waits for a loading thread that is still running.
  virtual ~OC_LOADER();
  OC_LOADER(const OC_LOADER&) = delete;
  OC_LOADER& operator=(const OC_LOADER&) = delete;

  // Each child element is one task: "TYPE" (first letter I 0, S 1, M 2, V 3,
  // X 4, anything else 5) and "PATH".
  void AddTasks(const pugi::xml_node& node);
  static int32_t TypeCode(const char* type);

  // Runs the loading function on a thread of its own.
  virtual void Start();
  // Runs the loading function on the calling thread and keeps its result.
  int32_t RunDirect();

  virtual void Draw() = 0;
  virtual void Update() = 0;

  void SetProgress(int32_t percent);
  int32_t GetProgress() const;
  // 0 before any run; the result of a direct run; for a thread, its exit code
  // (kThreadStillActive while it runs).
  int32_t GetResult() const;

  // The loading function for task lists: takes the tasks one by one and moves
  // the progress to taken / total percent, then kResultOk;
  // kResultBadArgument without a loader.
  static int32_t RunTasks(OC_LOADER* loader);

  int32_t TaskTotal() const { return task_total_; }
  size_t PendingTasks() const { return tasks_.size(); }

 protected:
  // Told of each new progress value, on the thread that set it.
  virtual void OnProgress(int32_t /*percent*/) {}

 private:
  mutable Lock lock_;
  int32_t progress_ = 0;
  int32_t task_total_ = 0;
  std::deque<Task> tasks_;
  LoadingFunction function_;
  std::unique_ptr<ThreadRecord> thread_;
  bool ran_direct_ = false;
  int32_t direct_result_ = 0;
};

}  // namespace ORB
