#pragma once
// SoundList: sounds by short name, from a list of their own:
//
//   <sounds>
//     <sound name="click" path="data/sound click.ogg" buffcount="2" streamed="false"/>
//   </sounds>
//
// Open reads the list document, Load fetches every sound it names from the
// repository (each keeps one use) and gives the document back. The game
// plays its sounds through the sound bank, whose file has another form; this
// list is for tools and editions that want sounds by name without groups.
#include <map>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"

namespace ORB_GF {

class SoundList {
 public:
  SoundList() = default;
  // Gives back a document still open.
  ~SoundList();
  SoundList(const SoundList&) = delete;
  SoundList& operator=(const SoundList&) = delete;

  // Takes the list document of that name from the repository. False, with
  // nothing kept open, when it cannot be had or its "sounds" element holds
  // no element. A document opened before and not loaded is given back.
  [[nodiscard]] bool Open(ORB::OC_REPOSITORY& repository, const std::string& path);
  // The same through the engine's repository; false without one.
  [[nodiscard]] bool Open(const std::string& path);
  // Fetches every listed sound whose name is new and which has "name",
  // "path", "buffcount" and "streamed"; then gives the document back.
  // Nothing without an open document.
  void Load();

  bool Has(const std::string& name) const { return sounds_.count(name) != 0; }
  // The repository's sound of that name, or null.
  ORB::SoundHandle Find(const std::string& name) const;
  size_t Count() const { return sounds_.size(); }

 private:
  void Close();

  std::string path_;
  ORB::OC_REPOSITORY* repository_ = nullptr;
  pugi::xml_document* document_ = nullptr;  // open between Open and Load
  std::map<std::string, ORB::SoundHandle> sounds_;
};

}  // namespace ORB_GF
