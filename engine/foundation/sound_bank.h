#pragma once
// The sound bank names the game's sounds: groups of named sounds, each group
// with one volume that every play of its sounds uses (the game has "music"
// and "sounds"). The bank is read from XML; a group's sounds are fetched from
// the provider (the resource repository) when the group is loaded.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/result_codes.h"
#include "engine/foundation/sound_provider.h"

namespace ORB {

class OC_SOUND;

struct BankSound {
  std::string name;
  // Resource name handed to the provider.
  std::string path;
  // As the bank file says it: true decodes the file whole at load, false streams it.
  bool streamed = false;
  int32_t buffer_count = 0;
  // Null until the group is loaded, and again once it is released.
  OC_SOUND* sound = nullptr;
};

struct BankGroup {
  std::map<std::string, std::unique_ptr<BankSound>> sounds;
  // 0 to 1.
  float volume = 1.0f;
  // The entry last started by PlayGroup.
  BankSound* current = nullptr;
  bool started = false;
};

class OC_SOUND_BANK {
 public:
  explicit OC_SOUND_BANK(SoundProvider* provider = nullptr);
  // Gives back every sound use the bank still holds.
  ~OC_SOUND_BANK();
  OC_SOUND_BANK(const OC_SOUND_BANK&) = delete;
  OC_SOUND_BANK& operator=(const OC_SOUND_BANK&) = delete;

  void SetProvider(SoundProvider* provider) { provider_ = provider; }

  // Reads the bank element: each child element is a group ("name"), each of
  // its child elements a sound ("name", "path", "streamed", "cnt_buffers").
  // A later group or sound of the same name replaces the earlier one. A
  // missing name or path reads empty and is logged.
  // kResultOk.
  [[nodiscard]] int32_t Load(const pugi::xml_node& bank);
  // Fetches every sound of the group that has none yet. kResultOk, or
  // kResultNone for an unknown group.
  int32_t LoadGroup(const std::string& group);
  // Gives back the group's sounds (they must be fetched again to play).
  // kResultOk, or kResultNone for an unknown group.
  int32_t ReleaseGroup(const std::string& group);
  // Restarts the sound at the group volume; nothing sounds while the volume
  // is 0. kResultOk, or kResultNotFound when the group, the sound or its
  // sound object is unknown.
  int32_t Play(const std::string& group, const std::string& name);
  // Starts the sound after the delay in seconds (0: now) at the group
  // volume. Results as Play.
  int32_t PlayDelayed(const std::string& group, const std::string& name, float delay);
  // Plays the group's first sound (lowest name) as Play does and makes it the
  // group's current entry; keeps value. kResultNotFound for an unknown or
  // empty group, else kResultOk.
  int32_t PlayGroup(const std::string& group, float value);
  // Group volume = percent / 100, held to [0, 1]; sounding sources of the
  // group change at once. kResultOk, or kResultNotFound for an unknown group.
  int32_t SetVolume(const std::string& group, float percent);
  // Seconds of the sound; 0.0 when unknown or not loaded.
  double GetLength(const std::string& group, const std::string& name);
  // Gives back the group's sounds and deletes its entries. kResultOk, or
  // kResultNone for an unknown group.
  int32_t ClearGroup(const std::string& group);
  // The group, or null.
  BankGroup* Find(const std::string& group);
  // The per-frame pass of the game's frame: sounds start, stream and end on
  // the audio thread, so there is nothing to do here.
  void Update() {}

  bool IsGroupPlaying() const { return playing_; }
  float GetGroupValue() const { return group_value_; }

 private:
  void ReleaseSounds(BankGroup& group);
  BankSound* FindSound(BankGroup& group, const std::string& name);
  // The loaded sound of that name in that group (null when either is missing
  // or the sound did not load); `owner` receives the group when it exists.
  OC_SOUND* FindLoaded(const std::string& group, const std::string& name,
                       BankGroup** owner = nullptr);

  SoundProvider* provider_ = nullptr;
  std::map<std::string, std::unique_ptr<BankGroup>> groups_;
  bool playing_ = false;
  float group_value_ = 0.0f;
};

}  // namespace ORB
