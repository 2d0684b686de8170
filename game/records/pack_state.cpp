#include "game/records/pack_state.h"

#include <utility>

#include "game/records/pack_record.h"

namespace game {

namespace {
constexpr uint32_t kMaxKeyBytes = 64 * 1024;
}  // namespace

gPackState::gPackState(const gPackState& other)
    : id_(other.id_),
      lock_(other.lock_),
      has_lock_(other.has_lock_),
      in_app_key_(other.in_app_key_),
      star_total_(other.star_total_) {
  levels_.reserve(other.levels_.size());
  for (const auto& level : other.levels_) levels_.push_back(std::make_unique<gLevelRecord>(*level));
}

uint32_t gPackState::SumStars() {
  uint64_t total = 0;
  for (const auto& level : levels_) total += static_cast<uint32_t>(level->GetStars());
  star_total_ = total > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(total);
  return star_total_;
}

bool gPackState::HasUnlockedLevel() const {
  for (const auto& level : levels_) {
    if (level->IsUnlocked()) return true;
  }
  return false;
}

double gPackState::GetCompletion() const {
  if (levels_.empty()) return 0.0;
  size_t won = 0;
  for (const auto& level : levels_) {
    if (level->GetStars() > 0) ++won;
  }
  return static_cast<double>(won) / static_cast<double>(levels_.size());
}

int32_t gPackState::CountThreeStarLevels() const {
  int32_t count = 0;
  for (const auto& level : levels_) {
    if (level->GetStars() >= gLevelRecord::kMaxStars) ++count;
  }
  return count;
}

void gPackState::UnlockAllLevels() {
  for (const auto& level : levels_) level->SetLock(false);
}

gLevelRecord* gPackState::FindLevel(int32_t level_id) const {
  for (const auto& level : levels_) {
    if (level->GetId() == level_id) return level.get();
  }
  return nullptr;
}

gLevelRecord* gPackState::GetLevelAt(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= levels_.size()) return nullptr;
  return levels_[static_cast<size_t>(index)].get();
}

bool gPackState::IsLastLevel(const gLevelRecord* record) const {
  return record != nullptr && !levels_.empty() && levels_.back().get() == record;
}

gLevelRecord* gPackState::AddLevel() {
  levels_.push_back(std::make_unique<gLevelRecord>(static_cast<int32_t>(levels_.size())));
  return levels_.back().get();
}

void gPackState::UpdateFirstLevelLock(uint32_t total_stars, const gPackRecord* description) {
  if (description == nullptr || levels_.empty()) return;
  const int32_t needed = description->GetStars2Pass();
  // Stars only ever open a pack: a first level opened otherwise (a pack
  // bought with coins) stays open whatever the total.
  if (needed <= 0 || total_stars >= static_cast<uint32_t>(needed)) levels_.front()->SetLock(false);
}

bool gPackState::Load(const pugi::xml_node& element, bool in_app) {
  const pugi::xml_attribute id = element.attribute("id");
  if (!id) return false;
  id_ = static_cast<int32_t>(id.as_uint());
  if (in_app) {
    if (const pugi::xml_attribute lock = element.attribute("lock")) SetLock(lock.as_bool());
    if (const pugi::xml_attribute key = element.attribute("InAppKey")) {
      in_app_key_ = key.as_string();
    }
  }
  std::vector<std::unique_ptr<gLevelRecord>> levels;
  for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    auto level = std::make_unique<gLevelRecord>(static_cast<int32_t>(levels.size()));
    if (!level->Load(child)) return false;
    levels.push_back(std::move(level));
  }
  levels_ = std::move(levels);
  SumStars();
  return true;
}

void gPackState::Save(pugi::xml_node element, bool in_app) const {
  element.append_attribute("id").set_value(id_);
  if (in_app) {
    // A pack that never had a purchase lock gets none by being written.
    if (has_lock_) element.append_attribute("lock").set_value(lock_);
    element.append_attribute("InAppKey").set_value(in_app_key_.c_str());
  }
  for (const auto& level : levels_) level->Save(element.append_child("level"));
}

void gPackState::WriteToStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) const {
  stream.Write(id_);
  if (layout.in_app) {
    stream.Write(has_lock_);
    if (has_lock_) stream.Write(lock_);
    stream.WriteString(in_app_key_, kMaxKeyBytes);
  }
  stream.Write(static_cast<uint32_t>(levels_.size()));
  for (const auto& level : levels_) level->WriteToStream(stream);
}

bool gPackState::ReadFromStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) {
  int32_t id = 0;
  bool has_lock = false;
  bool lock = false;
  std::string key;
  if (!stream.Read(id)) return false;
  if (layout.in_app) {
    if (!stream.Read(has_lock)) return false;
    if (has_lock && !stream.Read(lock)) return false;
    if (!stream.ReadString(key, kMaxKeyBytes)) return false;
  }
  uint32_t count = 0;
  if (!stream.Read(count)) return false;
  if (count > stream.BytesLeft() / gLevelRecord::kMinStreamBytes) return false;
  std::vector<std::unique_ptr<gLevelRecord>> levels;
  levels.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    auto level = std::make_unique<gLevelRecord>();
    if (!level->ReadFromStream(stream)) return false;
    levels.push_back(std::move(level));
  }
  id_ = id;
  has_lock_ = has_lock;
  lock_ = lock;
  in_app_key_ = std::move(key);
  levels_ = std::move(levels);
  SumStars();
  return true;
}

}  // namespace game
