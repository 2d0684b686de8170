#pragma once
// TrophyRecord: one trophy of the trophy list, with its display texts (the
// name doubles as the title's string key, "desc" is the description's key),
// the pictures shown once it is got and before, the coins it pays, whether it
// is got, and its conditions. The game tests it after the events that can
// earn it; the list (trophy_list.h) owns the records.
#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "framework/trophy_condition.h"

namespace ORB_GF {

class TrophyRecord {
 public:
  TrophyRecord() = default;

  // Reads the attributes "name", "gc_id", "desc", "image_open",
  // "image_close" (texts) and "bonus" (int), each optional, then the
  // conditions: the first child element "condition" and every element after
  // it, whatever its name. A condition that does not read is skipped.
  void Load(const pugi::xml_node& node);

  // False, changing nothing, when the trophy is already got or does not have
  // exactly one condition (trophies with several conditions are never got
  // this way). Otherwise the trophy is got when its condition answers 1 or
  // more for the value; answers whether it is now got.
  bool Test(const TrophyValue& value);

  const std::string& GetName() const { return name_; }
  // The identifier of the trophy for an outside achievement service.
  const std::string& GetGcId() const { return gc_id_; }
  const std::string& GetDesc() const { return desc_; }
  const std::string& GetImageOpen() const { return image_open_; }
  const std::string& GetImageClose() const { return image_close_; }
  // The coins the game credits to the player when it awards the trophy.
  int32_t GetBonus() const { return bonus_; }
  bool IsGot() const { return got_ != 0; }
  void SetGot(bool got) { got_ = got ? 1 : 0; }
  const std::vector<TrophyCondition>& GetConditions() const { return conditions_; }

 private:
  std::string name_;
  std::string gc_id_;
  std::string desc_;
  std::string image_open_;
  std::string image_close_;
  int32_t bonus_ = 0;
  uint8_t got_ = 0;
  std::vector<TrophyCondition> conditions_;
};

}  // namespace ORB_GF
