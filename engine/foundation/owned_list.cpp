#include "engine/foundation/owned_list.h"

#include <algorithm>
#include <utility>

namespace ORB {

void OwnedList::Add(std::unique_ptr<OwnedListItem> item) {
  if (item) items_.push_back(std::move(item));
}

void OwnedList::UpdateAndErase() {
  if (updating_) return;
  updating_ = true;
  // Objects added during the pass sit beyond this count; the vector may grow
  // (and move) meanwhile, so it is walked by index.
  const size_t count = items_.size();
  for (size_t i = 0; i < count && !deleteAllPending_; ++i) {
    OwnedListItem* item = items_[i].get();
    if (item == nullptr) continue;
    if (item->Update()) {
      // Release the slot before deleting: the destructor may add objects.
      std::unique_ptr<OwnedListItem> finished = std::move(items_[i]);
      finished.reset();
    }
  }
  items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end());
  updating_ = false;
  if (deleteAllPending_) {
    deleteAllPending_ = false;
    DeleteAll();
  }
}

void OwnedList::DeleteAll() {
  if (updating_) {
    deleteAllPending_ = true;
    return;
  }
  // Take the objects out first, so that a destructor that adds to the list
  // does not touch the vector being emptied.
  std::vector<std::unique_ptr<OwnedListItem>> items = std::move(items_);
  items_.clear();
  items.clear();
  if (items_.empty()) items_.shrink_to_fit();
}

}  // namespace ORB
