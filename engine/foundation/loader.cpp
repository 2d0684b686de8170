#include "engine/foundation/loader.h"

#include "engine/foundation/result_codes.h"

namespace ORB {

OC_LOADER::OC_LOADER(LoadingFunction function) : function_(std::move(function)) {}

OC_LOADER::OC_LOADER(const pugi::xml_node& node)
    : function_([](OC_LOADER& loader) { return RunTasks(&loader); }) {
  AddTasks(node);
}

OC_LOADER::~OC_LOADER() {
  if (thread_) thread_->Join();
}

int32_t OC_LOADER::TypeCode(const char* type) {
  switch (type != nullptr ? type[0] : '\0') {
    case 'I': return 0;
    case 'S': return 1;
    case 'M': return 2;
    case 'V': return 3;
    case 'X': return 4;
    default: return 5;
  }
}

void OC_LOADER::AddTasks(const pugi::xml_node& node) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    Task task;
    task.type = TypeCode(child.attribute("TYPE").value());
    task.path = child.attribute("PATH").value();
    LockGuard guard(lock_);
    tasks_.push_back(std::move(task));
    ++task_total_;
  }
}

void OC_LOADER::Start() {
  if (thread_ && thread_->Running()) return;
  if (thread_) thread_->Join();
  thread_ = StartThread(
      [this](intptr_t, const ThreadRecord&) { return function_ ? function_(*this) : 0; });
}

int32_t OC_LOADER::RunDirect() {
  direct_result_ = function_ ? function_(*this) : 0;
  ran_direct_ = true;
  return direct_result_;
}

void OC_LOADER::SetProgress(int32_t percent) {
  {
    LockGuard guard(lock_);
    progress_ = percent;
  }
  OnProgress(percent);
}

int32_t OC_LOADER::GetProgress() const {
  LockGuard guard(lock_);
  return progress_;
}

int32_t OC_LOADER::GetResult() const {
  if (thread_) return thread_->ExitCode();
  return ran_direct_ ? direct_result_ : 0;
}

int32_t OC_LOADER::RunTasks(OC_LOADER* loader) {
  if (loader == nullptr) return kResultBadArgument;
  int32_t taken = 0;
  while (true) {
    int32_t percent = 0;
    {
      LockGuard guard(loader->lock_);
      if (loader->tasks_.empty()) return kResultOk;
      loader->tasks_.pop_front();
      ++taken;
      // Tasks only carry their paths; the loading screen's own function does
      // the real work.
      percent = static_cast<int32_t>(static_cast<int64_t>(taken) * 100 / loader->task_total_);
    }
    loader->SetProgress(percent);
  }
}

}  // namespace ORB
