#include "framework/player.h"

#include <utility>

#include "engine/foundation/utf8.h"

namespace ORB_GF {

std::string gPlayer::GetNameUtf8() const { return ORB::WideToUtf8(name_); }

int32_t gPlayer::GetItemCount(std::string_view name) const {
  const auto found = items_.find(name);
  return found != items_.end() ? found->second : 0;
}

void gPlayer::SetItemCount(std::string_view name, int32_t count) {
  if (count < 0) return;
  const auto found = items_.find(name);
  if (found != items_.end()) {
    found->second = count;
  } else {
    items_.emplace(std::string(name), count);
  }
}

bool gPlayer::Load(const pugi::xml_node& node) {
  if (!node) return false;
  if (const pugi::xml_attribute name = node.attribute("name")) {
    name_ = ORB::Utf8ToWide(name.as_string());
  }
  if (const pugi::xml_attribute volume = node.attribute("sound_volume")) {
    sound_volume_ = volume.as_float(sound_volume_);
  }
  if (const pugi::xml_attribute volume = node.attribute("music_volume")) {
    music_volume_ = volume.as_float(music_volume_);
  }
  if (const pugi::xml_attribute flag = node.attribute("passed_tutorial")) {
    tutorial_passed_ = flag.as_bool(tutorial_passed_);
  }
  if (const pugi::xml_attribute flag = node.attribute("game_cursor")) {
    game_cursor_ = flag.as_bool(game_cursor_);
  }
  if (const pugi::xml_node list = node.child("playeritems")) {
    for (pugi::xml_node item = list.child("item"); item; item = item.next_sibling()) {
      if (item.type() != pugi::node_element) continue;
      const pugi::xml_attribute name = item.attribute("name");
      if (!name) continue;  // an entry without a key names nothing
      items_[name.as_string()] = item.attribute("count").as_int();
    }
  }
  return true;
}

bool gPlayer::Save(pugi::xml_node node) const {
  if (!node) return false;
  node.append_attribute("name").set_value(GetNameUtf8().c_str());
  node.append_attribute("sound_volume").set_value(sound_volume_);
  node.append_attribute("music_volume").set_value(music_volume_);
  node.append_attribute("passed_tutorial").set_value(tutorial_passed_);
  node.append_attribute("game_cursor").set_value(game_cursor_);
  pugi::xml_node list = node.append_child("playeritems");
  for (const auto& [name, count] : items_) {
    pugi::xml_node item = list.append_child("item");
    item.append_attribute("name").set_value(name.c_str());
    item.append_attribute("count").set_value(count);
  }
  return true;
}

bool gPlayer::WriteToStream(ORB::SaveFile& stream) const {
  stream.WriteString(GetNameUtf8(), kMaxTextBytes);
  stream.Write(sound_volume_);
  stream.Write(music_volume_);
  stream.Write(tutorial_passed_);
  stream.Write(game_cursor_);
  stream.Write(static_cast<uint32_t>(items_.size()));
  for (const auto& [name, count] : items_) {
    stream.WriteString(name, kMaxTextBytes);
    stream.Write(count);
  }
  return stream.Good();
}

bool gPlayer::ReadFromStream(ORB::SaveFile& stream) {
  std::string name;
  float sound_volume = sound_volume_;
  float music_volume = music_volume_;
  bool tutorial_passed = tutorial_passed_;
  bool game_cursor = game_cursor_;
  uint32_t count = 0;
  if (!stream.ReadString(name, kMaxTextBytes) || !stream.Read(sound_volume) ||
      !stream.Read(music_volume) || !stream.Read(tutorial_passed) || !stream.Read(game_cursor) ||
      !stream.Read(count)) {
    return false;
  }
  // Each item takes at least its length field and its count.
  if (count > stream.BytesLeft() / 8) return false;
  sound_volume_ = sound_volume;
  music_volume_ = music_volume;
  tutorial_passed_ = tutorial_passed;
  game_cursor_ = game_cursor;
  for (uint32_t i = 0; i < count; ++i) {
    std::string key;
    int32_t value = 0;
    if (!stream.ReadString(key, kMaxTextBytes) || !stream.Read(value)) return false;
    items_[std::move(key)] = value;
  }
  name_ = ORB::Utf8ToWide(name);
  return true;
}

}  // namespace ORB_GF
