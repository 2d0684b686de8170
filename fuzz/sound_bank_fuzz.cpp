// libFuzzer target for the sound bank description: any bank is read without
// a crash, and every group in it loads, plays and releases (without a sound
// provider, as on a machine without sound).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/sound_bank.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pugi::xml_document document;
  if (!fuzz_support::ParseXml(data, size, document)) return 0;
  ORB::OC_SOUND_BANK bank;
  if (bank.Load(document.first_child()) != 1) fuzz_support::Broken("a bank always loads");
  std::vector<std::string> groups;
  for (pugi::xml_node group = document.first_child().first_child(); group;
       group = group.next_sibling()) {
    groups.push_back(group.attribute("name").as_string());
  }
  for (const std::string& group : groups) {
    bank.LoadGroup(group);
    bank.SetVolume(group, 50.0f);
    bank.PlayGroup(group, 1.0f);
    for (pugi::xml_node sound :
         document.first_child().find_child_by_attribute("name", group.c_str())) {
      bank.Play(group, sound.attribute("name").as_string());
    }
    bank.ReleaseGroup(group);
  }
  return 0;
}
