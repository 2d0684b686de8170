#pragma once
// The slot of one of the game's process-wide lists (trophies, fonts,
// leaderboards, the shop catalogue): the game's creation makes the object,
// everything reaches it through the getter, the game's destruction deletes
// it. Each list's header declares its own Get/Create/Destroy functions and
// implements them with this slot.
#include <memory>
#include <utility>

namespace ORB_GF {

template <typename T>
class GameSingleton {
 public:
  // Null before Create and after Destroy.
  static T* Get() { return Slot().get(); }
  // Makes a new object the game's (deleting one made before), with the
  // constructor's arguments when it takes any.
  template <typename... Args>
  static T& Create(Args&&... args) {
    Slot() = std::make_unique<T>(std::forward<Args>(args)...);
    return *Slot();
  }
  static void Destroy() { Slot().reset(); }

 private:
  static std::unique_ptr<T>& Slot() {
    static std::unique_ptr<T> object;
    return object;
  }
};

}  // namespace ORB_GF
