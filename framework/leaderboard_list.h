#pragma once
// LeaderboardList: the identifiers of the game's leaderboards at the outside
// leaderboard service, by the short names the game uses, from the edition's
// leaderboard file:
//
//   <leaderboards>
//     <board name="best_time" leaderboard_id="com.example.best_time"/>
//   </leaderboards>
//
// Each child element of the root with both attributes adds its pair (the
// first of a name stays). One list serves the whole game (GetLeaderboardList).
#include <map>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"

namespace ORB_GF {

class LeaderboardList {
 public:
  LeaderboardList() = default;
  LeaderboardList(const LeaderboardList&) = delete;
  LeaderboardList& operator=(const LeaderboardList&) = delete;

  // Adds the pairs of the document's root element; false without a root.
  bool Load(const pugi::xml_node& document);
  // The same from the repository's document of that name (given back
  // afterwards); false when it cannot be had.
  [[nodiscard]] bool Load(ORB::OC_REPOSITORY& repository, const std::string& path);
  // The same through the engine's repository; false without one.
  [[nodiscard]] bool Load(const std::string& path);

  // The identifier, "" for a name not listed.
  std::string GetId(const std::string& name) const;
  size_t Count() const { return ids_.size(); }

 private:
  std::map<std::string, std::string> ids_;
};

LeaderboardList* GetLeaderboardList();
LeaderboardList& CreateLeaderboardList();
void DestroyLeaderboardList();

}  // namespace ORB_GF
