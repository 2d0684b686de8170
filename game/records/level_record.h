#pragma once
// A player's progress in one level: its place in the pack, the lock, the stars
// won (0 to 3), the best time (0 = none) and the level file's name.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/save_file.h"

namespace game {

class gLevelRecord {
 public:
  static constexpr int32_t kMaxStars = 3;

  gLevelRecord() = default;
  explicit gLevelRecord(int32_t index) : index_(index) {}

  // Keeps the larger of the stored stars and n, within 0 to 3.
  void SetStars(int32_t stars);
  // Stores t when no time is stored, else the smaller; a time that is not
  // above 0 is no time.
  void SetBestTime(float seconds);
  void SetLock(bool locked) { lock_ = locked; }
  bool IsUnlocked() const { return !lock_; }
  bool IsLocked() const { return lock_; }

  int32_t GetId() const { return id_; }
  int32_t GetIndex() const { return index_; }
  int32_t GetStars() const { return stars_; }
  float GetBestTime() const { return best_time_; }
  std::string GetFile() const { return file_; }

  // XML: "id" is required; "stars", "lock", "best_time" and "file" are not.
  [[nodiscard]] bool Load(const pugi::xml_node& element);
  void Save(pugi::xml_node element) const;

  // Binary: index, lock, id, stars, best time, file.
  void WriteToStream(ORB::SaveFile& stream) const;
  [[nodiscard]] bool ReadFromStream(ORB::SaveFile& stream);
  // Bytes a record takes at the least (an empty file name).
  static constexpr uint64_t kMinStreamBytes = 4 + 1 + 4 + 4 + 4 + 4;

 private:
  int32_t index_ = 0;
  bool lock_ = true;
  int32_t id_ = -1;
  int32_t stars_ = 0;
  float best_time_ = 0.0f;
  std::string file_;
};

}  // namespace game
