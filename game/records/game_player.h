#pragma once
// The game's player: the framework's profile plus the progress through every
// pack, the statistics and the hearts.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/save_file.h"
#include "framework/player.h"
#include "game/records/hearts.h"
#include "game/records/pack_state.h"
#include "game/records/players_file_layout.h"
#include "game/records/statistics.h"

namespace game {

class GG_PLAYER : public ORB_GF::gPlayer {
 public:
  GG_PLAYER();
  explicit GG_PLAYER(std::wstring name);
  // A deep copy; the copy's hearts belong to the copy.
  GG_PLAYER(const GG_PLAYER& other);
  GG_PLAYER& operator=(const GG_PLAYER&) = delete;
  ~GG_PLAYER() override;

  // Editions that sell packs keep each pack's lock and store key, in the XML
  // form and in the players file alike. Copies keep the setting.
  void SetInAppEdition(bool in_app) { in_app_edition_ = in_app; }
  bool IsInAppEdition() const { return in_app_edition_; }

  // XML form (the template player): the profile's attributes and the children
  // "packs", "statisctic" and "health". False when a pack (or one of its
  // levels) lacks its id; the other packs are still read.
  [[nodiscard]] bool Load(const pugi::xml_node& node) override;
  [[nodiscard]] bool Save(pugi::xml_node node) const override;
  // Binary record in the current layout of this edition.
  [[nodiscard]] bool ReadFromStream(ORB::SaveFile& stream) override;
  bool WriteToStream(ORB::SaveFile& stream) const override;
  // Binary record in a given layout. A failed read leaves the player as it
  // was before the call only in part; callers drop such a player.
  [[nodiscard]] bool ReadFromStream(ORB::SaveFile& stream, const PlayersFileLayout& layout);
  bool WriteToStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) const;

  gPackState* FindPack(int32_t pack_id) const;
  bool IsPackUnlocked(int32_t pack_id) const;
  gLevelRecord* FindLevel(int32_t pack_id, int32_t level_id) const;
  std::vector<gPackState*> FindPacksByInAppKey(const std::string& product_id) const;
  // Stars over every pack.
  uint32_t TotalStars() const;
  int32_t CountThreeStarLevels() const;

  gHearts& GetHealth() { return hearts_; }
  const gHearts& GetHealth() const { return hearts_; }
  gStatistics& GetStatistics() { return statistics_; }
  const gStatistics& GetStatistics() const { return statistics_; }

  const std::vector<std::unique_ptr<gPackState>>& GetPacks() const { return packs_; }
  gPackState* AddPack(int32_t pack_id);

 private:
  PlayersFileLayout CurrentLayout() const;

  std::vector<std::unique_ptr<gPackState>> packs_;
  gStatistics statistics_;
  gHearts hearts_;
  bool in_app_edition_ = false;
};

}  // namespace game
