#include "game/records/level_record.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace game {

namespace {
constexpr uint32_t kMaxFileNameBytes = 64 * 1024;
}  // namespace

void gLevelRecord::SetStars(int32_t stars) {
  stars_ = std::clamp(std::max(stars_, stars), 0, kMaxStars);
}

void gLevelRecord::SetBestTime(float seconds) {
  if (!(seconds > 0.0f) || !std::isfinite(seconds)) return;
  if (best_time_ <= 0.0f || seconds < best_time_) best_time_ = seconds;
}

bool gLevelRecord::Load(const pugi::xml_node& element) {
  const pugi::xml_attribute id = element.attribute("id");
  if (!id) return false;
  id_ = id.as_int();
  if (const pugi::xml_attribute stars = element.attribute("stars")) SetStars(stars.as_int());
  if (const pugi::xml_attribute lock = element.attribute("lock")) lock_ = lock.as_bool();
  if (const pugi::xml_attribute time = element.attribute("best_time")) {
    SetBestTime(time.as_float());
  }
  if (const pugi::xml_attribute file = element.attribute("file")) file_ = file.as_string();
  return true;
}

void gLevelRecord::Save(pugi::xml_node element) const {
  element.append_attribute("id").set_value(id_);
  element.append_attribute("stars").set_value(stars_);
  element.append_attribute("lock").set_value(lock_);
  element.append_attribute("best_time").set_value(best_time_);
  element.append_attribute("file").set_value(file_.c_str());
}

void gLevelRecord::WriteToStream(ORB::SaveFile& stream) const {
  stream.Write(index_);
  stream.Write(lock_);
  stream.Write(id_);
  stream.Write(stars_);
  stream.Write(best_time_);
  stream.WriteString(file_, kMaxFileNameBytes);
}

bool gLevelRecord::ReadFromStream(ORB::SaveFile& stream) {
  int32_t index = 0;
  bool lock = true;
  int32_t id = -1;
  int32_t stars = 0;
  float best_time = 0.0f;
  std::string file;
  if (!stream.Read(index) || !stream.Read(lock) || !stream.Read(id) || !stream.Read(stars) ||
      !stream.Read(best_time) || !stream.ReadString(file, kMaxFileNameBytes)) {
    return false;
  }
  index_ = index;
  lock_ = lock;
  id_ = id;
  // Stars outside 0 to 3 and times that are no times cannot come from play.
  stars_ = std::clamp(stars, 0, kMaxStars);
  best_time_ = (best_time > 0.0f && std::isfinite(best_time)) ? best_time : 0.0f;
  file_ = std::move(file);
  return true;
}

}  // namespace game
