#pragma once
// One player profile: the name, the two volumes, the tutorial flag, the cursor
// choice and the item table (item name to count), which holds what the player
// owns and the game's rule values alike. The game's player derives from it and
// writes its own fields after this record.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "engine/foundation/save_file.h"

namespace ORB_GF {

class gPlayer {
 public:
  using ItemTable = std::map<std::string, int32_t, std::less<>>;

  static constexpr float kDefaultVolume = 50.0f;
  // Longest name or item key a record may hold; anything longer is damage.
  static constexpr uint32_t kMaxTextBytes = 64 * 1024;

  gPlayer() = default;
  explicit gPlayer(std::wstring name) : name_(std::move(name)) {}
  gPlayer(const gPlayer&) = default;
  gPlayer& operator=(const gPlayer&) = default;
  virtual ~gPlayer() = default;

  // XML form: attributes "name", "sound_volume", "music_volume",
  // "passed_tutorial", "game_cursor" and a child "playeritems" of "item"
  // elements ("name", "count"). An attribute that is absent keeps the value
  // the player already has, so a template without volumes keeps the defaults.
  [[nodiscard]] virtual bool Load(const pugi::xml_node& node);
  [[nodiscard]] virtual bool Save(pugi::xml_node node) const;
  // Binary record: name (UTF-8), sound and music volume, tutorial flag, cursor
  // flag, item count and the items in name order. Reading merges the items
  // into the table. Answers whether every value was read.
  [[nodiscard]] virtual bool ReadFromStream(ORB::SaveFile& stream);
  virtual bool WriteToStream(ORB::SaveFile& stream) const;

  const std::wstring& GetName() const { return name_; }
  std::string GetNameUtf8() const;
  void SetName(std::wstring name) { name_ = std::move(name); }

  float GetSoundVolume() const { return sound_volume_; }
  void SetSoundVolume(float volume) { sound_volume_ = volume; }
  float GetMusicVolume() const { return music_volume_; }
  void SetMusicVolume(float volume) { music_volume_ = volume; }

  bool GetGameCursor() const { return game_cursor_; }
  void SetGameCursor(bool on) { game_cursor_ = on; }
  bool IsTutorialPassed() const { return tutorial_passed_; }
  void SetTutorialPassed(bool passed) { tutorial_passed_ = passed; }

  // 0 when the name is absent.
  int32_t GetItemCount(std::string_view name) const;
  // Inserts or replaces; a negative count changes nothing.
  void SetItemCount(std::string_view name, int32_t count);
  const ItemTable& GetItems() const { return items_; }

 private:
  ItemTable items_;
  bool tutorial_passed_ = false;
  float sound_volume_ = kDefaultVolume;
  float music_volume_ = kDefaultVolume;
  bool game_cursor_ = true;
  std::wstring name_;
};

}  // namespace ORB_GF

namespace ORB {
// The profile base is known by this name to the engine side as well.
using ORB_GF::gPlayer;
}  // namespace ORB
