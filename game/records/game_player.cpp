#include "game/records/game_player.h"

#include <utility>

namespace game {

GG_PLAYER::GG_PLAYER() : hearts_(this) {}

GG_PLAYER::GG_PLAYER(std::wstring name) : gPlayer(std::move(name)), hearts_(this) {}

GG_PLAYER::GG_PLAYER(const GG_PLAYER& other)
    : gPlayer(other),
      statistics_(other.statistics_),
      hearts_(other.hearts_),
      in_app_edition_(other.in_app_edition_) {
  hearts_.SetOwner(this);
  packs_.reserve(other.packs_.size());
  for (const auto& pack : other.packs_) packs_.push_back(std::make_unique<gPackState>(*pack));
}

GG_PLAYER::~GG_PLAYER() = default;

PlayersFileLayout GG_PLAYER::CurrentLayout() const {
  return PlayersFileLayout{.has_max_score = true, .in_app = in_app_edition_};
}

bool GG_PLAYER::Load(const pugi::xml_node& node) {
  if (!gPlayer::Load(node)) return false;
  bool ok = true;
  if (const pugi::xml_node packs = node.child("packs")) {
    std::vector<std::unique_ptr<gPackState>> read;
    for (pugi::xml_node element = packs.first_child(); element; element = element.next_sibling()) {
      if (element.type() != pugi::node_element) continue;
      auto pack = std::make_unique<gPackState>();
      if (pack->Load(element, in_app_edition_)) {
        read.push_back(std::move(pack));
      } else {
        ok = false;
      }
    }
    packs_ = std::move(read);
  }
  if (const pugi::xml_node statistics = node.child("statisctic")) statistics_.Load(statistics);
  if (const pugi::xml_node health = node.child("health")) hearts_.Load(health);
  return ok;
}

bool GG_PLAYER::Save(pugi::xml_node node) const {
  if (!gPlayer::Save(node)) return false;
  pugi::xml_node packs = node.append_child("packs");
  for (const auto& pack : packs_) pack->Save(packs.append_child("pack"), in_app_edition_);
  statistics_.Save(node.append_child("statisctic"));
  hearts_.Save(node.append_child("health"));
  return true;
}

bool GG_PLAYER::ReadFromStream(ORB::SaveFile& stream) {
  return ReadFromStream(stream, CurrentLayout());
}

bool GG_PLAYER::WriteToStream(ORB::SaveFile& stream) const {
  return WriteToStream(stream, CurrentLayout());
}

bool GG_PLAYER::WriteToStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) const {
  gPlayer::WriteToStream(stream);
  hearts_.WriteToStream(stream);
  statistics_.WriteToStream(stream, layout);
  stream.Write(static_cast<uint32_t>(packs_.size()));
  for (const auto& pack : packs_) pack->WriteToStream(stream, layout);
  return stream.Good();
}

bool GG_PLAYER::ReadFromStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) {
  if (!gPlayer::ReadFromStream(stream)) return false;
  if (!hearts_.ReadFromStream(stream)) return false;
  // The maximum is the "health" item, read just before.
  hearts_.HoldToMaximum();
  if (!statistics_.ReadFromStream(stream, layout)) return false;
  uint32_t count = 0;
  if (!stream.Read(count)) return false;
  if (count > stream.BytesLeft() / gPackState::kMinStreamBytes) return false;
  std::vector<std::unique_ptr<gPackState>> packs;
  packs.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    auto pack = std::make_unique<gPackState>();
    if (!pack->ReadFromStream(stream, layout)) return false;
    packs.push_back(std::move(pack));
  }
  packs_ = std::move(packs);
  return true;
}

gPackState* GG_PLAYER::FindPack(int32_t pack_id) const {
  for (const auto& pack : packs_) {
    if (pack->GetId() == pack_id) return pack.get();
  }
  return nullptr;
}

bool GG_PLAYER::IsPackUnlocked(int32_t pack_id) const {
  const gPackState* pack = FindPack(pack_id);
  return pack != nullptr && pack->HasUnlockedLevel();
}

gLevelRecord* GG_PLAYER::FindLevel(int32_t pack_id, int32_t level_id) const {
  const gPackState* pack = FindPack(pack_id);
  return pack != nullptr ? pack->FindLevel(level_id) : nullptr;
}

std::vector<gPackState*> GG_PLAYER::FindPacksByInAppKey(const std::string& product_id) const {
  std::vector<gPackState*> found;
  for (const auto& pack : packs_) {
    if (pack->GetInAppKey() == product_id) found.push_back(pack.get());
  }
  return found;
}

uint32_t GG_PLAYER::TotalStars() const {
  uint64_t total = 0;
  for (const auto& pack : packs_) total += pack->SumStars();
  return total > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(total);
}

int32_t GG_PLAYER::CountThreeStarLevels() const {
  int32_t count = 0;
  for (const auto& pack : packs_) count += pack->CountThreeStarLevels();
  return count;
}

gPackState* GG_PLAYER::AddPack(int32_t pack_id) {
  packs_.push_back(std::make_unique<gPackState>(pack_id));
  return packs_.back().get();
}

}  // namespace game
