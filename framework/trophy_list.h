#pragma once
// TrophyList: the game's achievements, read from the edition's trophies file,
// in file order. The game tests a trophy by name with a value after the events
// that can earn it (a won level, a hint, a player switch, a purchase); a
// trophy whose test succeeds becomes got, and the caller shows it and pays its
// bonus. One list serves the whole game: the game's creation makes it
// (CreateTrophyList), everything reaches it through GetTrophyList, and the
// game's destruction deletes it (DestroyTrophyList).
//
// The trophies file:
//   <trophies>
//     <trophy name="tr_stars_1" desc="tr_stars_1_desc" bonus="20"
//             image_open="data/share/image/trophies tr_stars_1_open.png"
//             image_close="data/share/image/trophies tr_stars_1_closed.png">
//       <condition name="three_star_levels" value_type="uint" value="1" operator="&gt;="/>
//     </trophy>
//   </trophies>
// The names of the values the game tests with are in trophy_values.h.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"
#include "framework/trophy_record.h"

namespace ORB_GF {

class TrophyList {
 public:
  TrophyList() = default;
  TrophyList(const TrophyList&) = delete;
  TrophyList& operator=(const TrophyList&) = delete;

  // Appends every child element of the document's element "trophies" as a
  // trophy. False, leaving the list as it was, when there is no "trophies"
  // element or it holds no element.
  [[nodiscard]] bool Load(const pugi::xml_node& document);
  // The same from the repository's document of that name (given back
  // afterwards); false when it cannot be had.
  [[nodiscard]] bool Load(ORB::OC_REPOSITORY& repository, const std::string& path);
  // The same through the engine's repository; false without one.
  [[nodiscard]] bool Load(const std::string& path);

  int32_t Count() const { return static_cast<int32_t>(records_.size()); }
  // The first trophy with exactly that name, or null.
  TrophyRecord* Find(const std::string& name) const;
  // False when there is no such trophy.
  bool IsGot(const std::string& name) const;
  // Tests the trophy of that name with the value (TrophyRecord::Test); false
  // when there is none. Answers whether the trophy became got now.
  bool TestValue(const std::string& trophyName, const TrophyValue& value);
  // Every trophy becomes not got.
  void ResetAll();

  const std::vector<std::unique_ptr<TrophyRecord>>& Records() const { return records_; }

 private:
  std::vector<std::unique_ptr<TrophyRecord>> records_;
};

// The game's trophy list; null before CreateTrophyList and after
// DestroyTrophyList.
TrophyList* GetTrophyList();
// Makes a new, empty list the game's (deleting one made before).
TrophyList& CreateTrophyList();
void DestroyTrophyList();

}  // namespace ORB_GF
