#include "framework/trophy_list.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/xml_elements.h"
#include "framework/game_singleton.h"

namespace ORB_GF {

bool TrophyList::Load(const pugi::xml_node& document) {
  const pugi::xml_node trophies = document.child("trophies");
  if (!ORB::HasChildElement(trophies)) return false;
  for (pugi::xml_node node = trophies.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    auto record = std::make_unique<TrophyRecord>();
    record->Load(node);
    records_.push_back(std::move(record));
  }
  return true;
}

bool TrophyList::Load(ORB::OC_REPOSITORY& repository, const std::string& path) {
  return ORB::ReadDocument(repository, path,
                           [this](const pugi::xml_document& document) { return Load(document); });
}

bool TrophyList::Load(const std::string& path) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  return repository != nullptr && Load(*repository, path);
}

TrophyRecord* TrophyList::Find(const std::string& name) const {
  for (const auto& record : records_) {
    if (record->GetName() == name) return record.get();
  }
  return nullptr;
}

bool TrophyList::IsGot(const std::string& name) const {
  const TrophyRecord* record = Find(name);
  return record != nullptr && record->IsGot();
}

bool TrophyList::TestValue(const std::string& trophyName, const TrophyValue& value) {
  TrophyRecord* record = Find(trophyName);
  return record != nullptr && record->Test(value);
}

void TrophyList::ResetAll() {
  for (const auto& record : records_) record->SetGot(false);
}

TrophyList* GetTrophyList() { return GameSingleton<TrophyList>::Get(); }

TrophyList& CreateTrophyList() { return GameSingleton<TrophyList>::Create(); }

void DestroyTrophyList() { GameSingleton<TrophyList>::Destroy(); }

}  // namespace ORB_GF
