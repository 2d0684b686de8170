#pragma once
// The description of one pack, shared by all players: its id, its key (also
// the localization key of its name), the folder of its level files, the stars
// needed to open it, its price and its background picture.
//
// The background is kept as a copy of its "background" element, from which the
// owner builds the framework's sprite; the name is filled by a lookup the
// caller passes in (the localization table).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace game {

class gPackRecord {
 public:
  static constexpr uint16_t kNoId = 65535;
  using NameLookup = std::function<std::wstring(std::string_view key)>;

  gPackRecord() = default;
  gPackRecord(const gPackRecord&) = delete;
  gPackRecord& operator=(const gPackRecord&) = delete;

  // False when "id", "key", "stars2pass", "price" or "path" is missing (or
  // the id is no 16-bit number); a "background" child replaces any earlier
  // one. With a lookup, the name is the localized text of the key.
  [[nodiscard]] bool Load(const pugi::xml_node& element, const NameLookup& lookup = nullptr);

  uint16_t GetId() const { return id_; }
  const std::string& GetKey() const { return key_; }
  std::string GetPath() const { return path_; }
  const std::wstring& GetName() const { return name_; }
  void SetName(std::wstring name) { name_ = std::move(name); }
  int32_t GetStars2Pass() const { return stars2pass_; }
  int32_t GetPrice() const { return price_; }

  // The "background" element as read (empty when the pack has none), from
  // which the sprite is built.
  bool HasBackground() const { return background_ != nullptr; }
  pugi::xml_node GetBackgroundElement() const;

 private:
  uint16_t id_ = kNoId;
  std::string key_;
  std::string path_;
  std::unique_ptr<pugi::xml_document> background_;
  std::wstring name_;
  int32_t stars2pass_ = 0;
  int32_t price_ = 0;
};

}  // namespace game
