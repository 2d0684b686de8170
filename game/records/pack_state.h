#pragma once
// A player's progress in one pack: the pack's id, its purchase lock and store
// key (in editions that sell packs) and one record per level, in pack order.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/save_file.h"
#include "game/records/level_record.h"
#include "game/records/players_file_layout.h"

namespace game {

class gPackRecord;

class gPackState {
 public:
  gPackState() = default;
  explicit gPackState(int32_t id) : id_(id) {}
  gPackState(const gPackState& other);
  gPackState& operator=(const gPackState&) = delete;

  int32_t GetId() const { return id_; }
  // Recomputes the star total and answers it.
  uint32_t SumStars();
  uint32_t GetStarTotal() const { return star_total_; }
  bool HasUnlockedLevel() const;
  // Share of the levels won (stars above 0); 0 for a pack without levels.
  double GetCompletion() const;
  int32_t CountThreeStarLevels() const;

  // Lifts the purchase lock.
  void Unlock() { lock_ = false; }
  // Opens every level (a bought pack).
  void UnlockAllLevels();
  bool IsLocked() const { return lock_; }
  bool HasLock() const { return has_lock_; }
  void SetLock(bool locked) {
    has_lock_ = true;
    lock_ = locked;
  }
  const std::string& GetInAppKey() const { return in_app_key_; }
  void SetInAppKey(std::string key) { in_app_key_ = std::move(key); }

  gLevelRecord* FindLevel(int32_t level_id) const;
  // Null when the index is negative or past the end.
  gLevelRecord* GetLevelAt(int32_t index) const;
  int32_t GetLevelCount() const { return static_cast<int32_t>(levels_.size()); }
  bool IsLastLevel(const gLevelRecord* record) const;
  // Appends a record for the next index and answers it.
  gLevelRecord* AddLevel();

  // Opens the first level when the total reaches the pack description's
  // stars to pass; never locks it (a pack bought with coins stays open). The
  // caller looks up the description with this pack's id (nothing happens
  // without one).
  void UpdateFirstLevelLock(uint32_t total_stars, const gPackRecord* description);

  // XML: "id" is required; "lock" and "InAppKey" only in editions that sell
  // packs; every child element is a level, and a level without "id" fails the
  // whole pack.
  [[nodiscard]] bool Load(const pugi::xml_node& element, bool in_app);
  void Save(pugi::xml_node element, bool in_app) const;

  void WriteToStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) const;
  [[nodiscard]] bool ReadFromStream(ORB::SaveFile& stream, const PlayersFileLayout& layout);
  // Bytes a pack takes at the least (no levels, no store key).
  static constexpr uint64_t kMinStreamBytes = 4 + 4;

 private:
  int32_t id_ = 0;
  bool lock_ = false;
  bool has_lock_ = false;
  std::string in_app_key_;
  std::vector<std::unique_ptr<gLevelRecord>> levels_;
  uint32_t star_total_ = 0;
};

}  // namespace game
