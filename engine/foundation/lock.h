#pragma once
// A re-entrant lock: the thread that holds it may enter again, and must leave
// as often as it entered.
#include <atomic>
#include <mutex>

namespace ORB {

class Lock {
 public:
  Lock() = default;
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

  // Kept for callers that initialise and destroy explicitly; the lock is
  // usable from construction and releases nothing on Destroy.
  void Init() {}
  void Destroy() {}

  // Tries without waiting first, then waits.
  void Enter() {
    if (!mutex_.try_lock()) mutex_.lock();
    depth_.fetch_add(1, std::memory_order_relaxed);
  }
  void Leave() {
    depth_.fetch_sub(1, std::memory_order_relaxed);
    mutex_.unlock();
  }
  bool TryEnter() {
    if (!mutex_.try_lock()) return false;
    depth_.fetch_add(1, std::memory_order_relaxed);
    return true;
  }
  // True while some thread holds the lock.
  bool IsLocked() const { return depth_.load(std::memory_order_relaxed) > 0; }

  // For std::lock_guard and friends.
  void lock() { Enter(); }
  void unlock() { Leave(); }

 private:
  std::recursive_mutex mutex_;
  std::atomic<int> depth_{0};
};

// Holds a Lock for one scope.
class LockGuard {
 public:
  explicit LockGuard(Lock& lock) : lock_(lock) { lock_.Enter(); }
  ~LockGuard() { lock_.Leave(); }
  LockGuard(const LockGuard&) = delete;
  LockGuard& operator=(const LockGuard&) = delete;

 private:
  Lock& lock_;
};

}  // namespace ORB
