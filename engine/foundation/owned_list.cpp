#include "engine/foundation/owned_list.h"

#include <algorithm>
#include <utility>

namespace ORB {

void OwnedList::Add(std::unique_ptr<OwnedListItem> item) {
  if (item) items_.push_back(std::move(item));
}

void OwnedList::UpdateAndErase() {
  if (guard_.Dispatching()) return;
  // Objects added during the pass sit beyond this count; the vector may grow
  // (and move) meanwhile, so it is walked by index. Nothing but DeleteAll,
  // which waits for the pass, takes objects out, so an index stays valid.
  const size_t count = items_.size();
  for (size_t i = 0; i < count && i < items_.size(); ++i) {
    OwnedListItem* item = items_[i].get();
    if (item == nullptr) continue;
    const auto call = guard_.Call(item, [item] { return item->Update(); });
    if (call.owner_gone) return;
    if (delete_all_pending_) break;
    // Release the slot before deleting: the destructor may add objects.
    if (call.result) guard_.Dispose(items_[i].release());
  }
  items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end());
  if (delete_all_pending_) {
    delete_all_pending_ = false;
    DisposeAll();
  }
}

void OwnedList::DeleteAll() {
  if (guard_.Dispatching()) {
    delete_all_pending_ = true;
    return;
  }
  DisposeAll();
}

void OwnedList::DisposeAll() {
  // Take the objects out first, so that a destructor that adds to the list
  // does not touch the vector being emptied.
  std::vector<std::unique_ptr<OwnedListItem>> items = std::move(items_);
  items_.clear();
  for (std::unique_ptr<OwnedListItem>& item : items) guard_.Dispose(item.release());
  if (items_.empty()) items_.shrink_to_fit();
}

}  // namespace ORB
