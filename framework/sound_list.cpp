#include "framework/sound_list.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/xml_elements.h"
#include "engine/platform/log.h"

namespace ORB_GF {

SoundList::~SoundList() { Close(); }

void SoundList::Close() {
  if (document_ != nullptr && repository_ != nullptr) repository_->ReleaseXml(document_);
  document_ = nullptr;
}

bool SoundList::Open(ORB::OC_REPOSITORY& repository, const std::string& path) {
  Close();
  pugi::xml_document* document = repository.GetXml(path);
  if (document == nullptr) return false;
  if (!ORB::HasChildElement(document->child("sounds"))) {
    ORB::Log(ORB::LogLevel::kWarning, "sound", path + ": no \"sounds\" element with entries");
    repository.ReleaseXml(document);
    return false;
  }
  path_ = path;
  repository_ = &repository;
  document_ = document;
  return true;
}

bool SoundList::Open(const std::string& path) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  return repository != nullptr && Open(*repository, path);
}

void SoundList::Load() {
  if (document_ == nullptr) {
    ORB::Log(ORB::LogLevel::kWarning, "sound", "sound list: Load without an open list");
    return;
  }
  const pugi::xml_node sounds = document_->child("sounds");
  for (pugi::xml_node entry = sounds.first_child(); entry; entry = entry.next_sibling()) {
    if (entry.type() != pugi::node_element) continue;
    const pugi::xml_attribute name = entry.attribute("name");
    const pugi::xml_attribute path = entry.attribute("path");
    const pugi::xml_attribute buffers = entry.attribute("buffcount");
    const pugi::xml_attribute streamed = entry.attribute("streamed");
    if (!name || !path || !buffers || !streamed) {
      ORB::Log(ORB::LogLevel::kWarning, "sound",
               path_ + ": an entry lacks \"name\", \"path\", \"buffcount\" or \"streamed\"");
      continue;
    }
    if (Has(name.value())) continue;
    ORB::SoundHandle sound =
        repository_->GetSound(path.value(), buffers.as_int(), streamed.as_bool());
    if (sound == nullptr) continue;  // the repository said why
    sounds_[name.value()] = sound;
  }
  Close();
}

ORB::SoundHandle SoundList::Find(const std::string& name) const {
  const auto it = sounds_.find(name);
  return it != sounds_.end() ? it->second : nullptr;
}

}  // namespace ORB_GF
