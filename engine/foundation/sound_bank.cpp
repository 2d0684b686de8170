#include "engine/foundation/sound_bank.h"

#include "engine/foundation/result_codes.h"
#include "engine/foundation/sound.h"
#include "engine/platform/log.h"

namespace ORB {

OC_SOUND_BANK::OC_SOUND_BANK(SoundProvider* provider) : provider_(provider) {}

OC_SOUND_BANK::~OC_SOUND_BANK() {
  for (auto& [name, group] : groups_) ReleaseSounds(*group);
}

void OC_SOUND_BANK::ReleaseSounds(BankGroup& group) {
  for (auto& [name, entry] : group.sounds) {
    if (entry->sound != nullptr && provider_ != nullptr) provider_->ReleaseSound(entry->sound);
    entry->sound = nullptr;
  }
}

int32_t OC_SOUND_BANK::Load(const pugi::xml_node& bank) {
  for (pugi::xml_node group_node : bank.children()) {
    if (group_node.type() != pugi::node_element) continue;
    const std::string group_name = group_node.attribute("name").as_string();
    if (!group_node.attribute("name")) {
      Log(LogLevel::kWarning, "sound", "a group without \"name\" is kept under the empty name");
    }
    auto group = std::make_unique<BankGroup>();
    for (pugi::xml_node sound_node : group_node.children()) {
      if (sound_node.type() != pugi::node_element) continue;
      for (const char* needed : {"name", "path"}) {
        if (sound_node.attribute(needed)) continue;
        Log(LogLevel::kWarning, "sound",
            "group \"" + group_name + "\": a sound without \"" + needed + "\" (empty)");
      }
      auto entry = std::make_unique<BankSound>();
      entry->name = sound_node.attribute("name").as_string();
      entry->path = sound_node.attribute("path").as_string();
      entry->streamed = sound_node.attribute("streamed").as_bool();
      entry->buffer_count = sound_node.attribute("cnt_buffers").as_int();
      // "looped" is read by nobody: a sound plays once.
      group->sounds[entry->name] = std::move(entry);
    }
    auto& slot = groups_[group_name];
    // A group replaced while loaded must not keep its sounds' uses forever.
    if (slot != nullptr) ReleaseSounds(*slot);
    slot = std::move(group);
  }
  return kResultOk;
}

BankGroup* OC_SOUND_BANK::Find(const std::string& group) {
  auto found = groups_.find(group);
  return found == groups_.end() ? nullptr : found->second.get();
}

BankSound* OC_SOUND_BANK::FindSound(BankGroup& group, const std::string& name) {
  auto found = group.sounds.find(name);
  return found == group.sounds.end() ? nullptr : found->second.get();
}

int32_t OC_SOUND_BANK::LoadGroup(const std::string& group) {
  BankGroup* found = Find(group);
  if (found == nullptr) return kResultNone;
  for (auto& [name, entry] : found->sounds) {
    if (entry->sound != nullptr || provider_ == nullptr) continue;
    entry->sound = provider_->GetSound(entry->path, entry->buffer_count, entry->streamed);
  }
  return kResultOk;
}

int32_t OC_SOUND_BANK::ReleaseGroup(const std::string& group) {
  BankGroup* found = Find(group);
  if (found == nullptr) return kResultNone;
  // The pointers go with the uses: the provider may unload the sounds now.
  ReleaseSounds(*found);
  return kResultOk;
}

OC_SOUND* OC_SOUND_BANK::FindLoaded(const std::string& group, const std::string& name,
                                    BankGroup** owner) {
  BankGroup* found = Find(group);
  if (found == nullptr) return nullptr;
  if (owner != nullptr) *owner = found;
  BankSound* entry = FindSound(*found, name);
  return entry != nullptr ? entry->sound : nullptr;
}

int32_t OC_SOUND_BANK::Play(const std::string& group, const std::string& name) {
  BankGroup* found = nullptr;
  OC_SOUND* sound = FindLoaded(group, name, &found);
  if (sound == nullptr) return kResultNotFound;
  if (found->volume <= 0.0f) return kResultOk;
  sound->SetGain(found->volume);
  sound->Restart();
  return kResultOk;
}

int32_t OC_SOUND_BANK::PlayDelayed(const std::string& group, const std::string& name, float delay) {
  BankGroup* found = nullptr;
  OC_SOUND* sound = FindLoaded(group, name, &found);
  if (sound == nullptr) return kResultNotFound;
  if (found->volume <= 0.0f) return kResultOk;
  // The sound keeps the gain and gives it to the source it takes when the delay ends.
  sound->SetGain(found->volume);
  sound->PlayDelayed(delay);
  return kResultOk;
}

int32_t OC_SOUND_BANK::PlayGroup(const std::string& group, float value) {
  BankGroup* found = Find(group);
  if (found == nullptr || found->sounds.empty()) return kResultNotFound;
  if (found->volume <= 0.0f) return kResultOk;
  playing_ = true;
  group_value_ = value;
  BankSound* first = found->sounds.begin()->second.get();
  Play(group, first->name);
  found->current = first;
  found->started = true;
  return kResultOk;
}

int32_t OC_SOUND_BANK::SetVolume(const std::string& group, float percent) {
  BankGroup* found = Find(group);
  if (found == nullptr) return kResultNotFound;
  const float volume = percent / 100.0f;
  // Out-of-range (and NaN) percentages are held to the gains OpenAL accepts.
  found->volume = volume > 1.0f ? 1.0f : (volume > 0.0f ? volume : 0.0f);
  for (auto& [name, entry] : found->sounds) {
    if (entry->sound != nullptr) entry->sound->SetGain(found->volume);
  }
  return kResultOk;
}

double OC_SOUND_BANK::GetLength(const std::string& group, const std::string& name) {
  OC_SOUND* sound = FindLoaded(group, name);
  return sound != nullptr ? sound->GetLength() : 0.0;
}

int32_t OC_SOUND_BANK::ClearGroup(const std::string& group) {
  BankGroup* found = Find(group);
  if (found == nullptr) return kResultNone;
  ReleaseSounds(*found);
  found->current = nullptr;
  found->started = false;
  found->sounds.clear();
  return kResultOk;
}

}  // namespace ORB
