#include "framework/leaderboard_list.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository_document.h"
#include "engine/platform/log.h"
#include "framework/game_singleton.h"

namespace ORB_GF {

bool LeaderboardList::Load(const pugi::xml_node& document) {
  const pugi::xml_node root = document.find_child(
      [](const pugi::xml_node& node) { return node.type() == pugi::node_element; });
  if (!root) return false;
  for (pugi::xml_node entry = root.first_child(); entry; entry = entry.next_sibling()) {
    if (entry.type() != pugi::node_element) continue;
    const pugi::xml_attribute name = entry.attribute("name");
    const pugi::xml_attribute id = entry.attribute("leaderboard_id");
    if (!name || !id) {
      ORB::Log(ORB::LogLevel::kWarning, "leaderboard",
               std::string("<") + entry.name() + "> lacks \"name\" or \"leaderboard_id\"");
      continue;
    }
    ids_.emplace(name.value(), id.value());
  }
  return true;
}

bool LeaderboardList::Load(ORB::OC_REPOSITORY& repository, const std::string& path) {
  return ORB::ReadDocument(repository, path,
                           [this](const pugi::xml_document& document) { return Load(document); });
}

bool LeaderboardList::Load(const std::string& path) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  return repository != nullptr && Load(*repository, path);
}

std::string LeaderboardList::GetId(const std::string& name) const {
  const auto it = ids_.find(name);
  return it != ids_.end() ? it->second : std::string();
}

LeaderboardList* GetLeaderboardList() { return GameSingleton<LeaderboardList>::Get(); }

LeaderboardList& CreateLeaderboardList() { return GameSingleton<LeaderboardList>::Create(); }

void DestroyLeaderboardList() { GameSingleton<LeaderboardList>::Destroy(); }

}  // namespace ORB_GF
