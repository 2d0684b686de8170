#pragma once
// OwnedList: a list of owned polymorphic objects that is updated and pruned
// in one pass: each object's Update answers true once it has finished, and
// the list deletes it. Calls into the objects go through a DispatchGuard, so
// an object may add objects, empty the list or destroy it from inside its
// Update.
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/foundation/dispatch_guard.h"

namespace ORB {

class OwnedListItem {
 public:
  virtual ~OwnedListItem() = default;
  // One update; true when the object has finished.
  virtual bool Update() = 0;
};

class OwnedList {
 public:
  OwnedList() = default;
  OwnedList(const OwnedList&) = delete;
  OwnedList& operator=(const OwnedList&) = delete;
  // Deletes every object; destroyed from inside an object's Update, that
  // object goes once its Update has returned.
  ~OwnedList() { DisposeAll(); }

  // Takes ownership; null is ignored. Safe during UpdateAndErase: an object
  // added in a pass is first updated in the next pass.
  void Add(std::unique_ptr<OwnedListItem> item);
  void Add(OwnedListItem* item) { Add(std::unique_ptr<OwnedListItem>(item)); }

  // Updates every object once, in order, deleting each one that answers
  // true. A call made from inside an object's Update does nothing.
  void UpdateAndErase();

  // Deletes every object. Called from inside an object's Update, the pass
  // stops and the objects are deleted once that Update has returned.
  void DeleteAll();

  size_t Size() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  OwnedListItem* At(size_t index) const {
    return index < items_.size() ? items_[index].get() : nullptr;
  }

 private:
  // Takes every object out and disposes of it through the guard.
  void DisposeAll();

  std::vector<std::unique_ptr<OwnedListItem>> items_;
  DispatchGuard<OwnedListItem> guard_;
  bool delete_all_pending_ = false;
};

}  // namespace ORB
