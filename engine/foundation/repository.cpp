#include "engine/foundation/repository.h"

#include "engine/foundation/string_utils.h"

#include <algorithm>

#include "engine/foundation/hooks.h"
#include "engine/platform/log.h"

namespace ORB {

namespace {

const char kCantLoadResource[] = "Cant load res ";
const char kMainRepositoryEmpty[] = "Main repository is empty";

// The name a record is asked for by, in quotes: "folder name", or the bare
// name. Built by appending and with the text starting the line: a literal
// put in front of a temporary string makes GCC 12's optimiser warn of an
// overlap that cannot happen (-Wrestrict).
std::string Quoted(const ResourceRecord& record) {
  std::string text(1, '"');
  if (!record.folder.empty()) text.append(record.folder).append(1, ' ');
  text.append(record.name).append(1, '"');
  return text;
}

// Reads the record's bytes and answers the file system's result; a failure
// is logged with what it means.
int32_t LoadLogged(const FileSystem& files, ResourceRecord& record) {
  const int32_t result = files.LoadBytes(record);
  if (result == kResultOk) return result;
  const char* why = result == kResultCannotOpen ? "cannot be opened (sealed with another password?)"
                    : result == kResultDamaged  ? "is damaged or cut short"
                                                : "is not there";
  Log(LogLevel::kWarning, "repository", Quoted(record) + " " + why);
  return result;
}

ResourceRecord* FindIn(const ResourceMap& map, const std::string& name) {
  const auto it = map.find(name);
  return it == map.end() ? nullptr : it->second.get();
}

}  // namespace

OC_REPOSITORY::OC_REPOSITORY(const FileSystem& files, TextureLoader* textures,
                             SoundLoader* sounds)
    : files_(files), textures_(textures), sounds_(sounds) {}

OC_REPOSITORY::~OC_REPOSITORY() {
  for (const auto& folder : folders_) {
    for (auto& [name, record] : folder->records) record->ForceUnload(textures_, sounds_);
  }
  for (auto& [name, record] : top_level_) record->ForceUnload(textures_, sounds_);
  by_id_.clear();
}

// --- folders ----------------------------------------------------------------

void OC_REPOSITORY::InsertRecords(ResourceMap& map, const std::vector<std::string>& entries,
                                  const std::string& folder, const std::string& password) {
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    auto& slot = map[*entry];
    if (slot != nullptr && slot->loaded) {
      // Holders still use what this record loaded; it stays, and is wanted again.
      slot->marked = false;
      continue;
    }
    auto record = ResourceRecord::Create(*entry);
    record->folder = folder;
    if (!password.empty()) record->password = password;
    if (slot.get() == last_found_) last_found_ = nullptr;
    slot = std::move(record);
  }
}

int32_t OC_REPOSITORY::AddFolder(const std::string& name, const std::string& password) {
  if (name.empty()) return ScanAll();
  const std::string path = files_.GetResourcesFolder() + name;
  std::vector<std::string> entries;
  switch (FileSystem::FileExists(path)) {
    case 0:
      return kResultNotFound;
    case 1:
      FileSystem::ListZipEntries(path, entries);
      break;
    default:
      FileSystem::ListDirectory(path, entries, false);
      break;
  }
  if (entries.empty()) return kResultNotFound;

  ResourceFolder* folder = FindFolder(name);
  if (folder == nullptr) {
    auto created = std::make_unique<ResourceFolder>();
    created->name = name;
    created->path = path;
    folder = created.get();
    folders_.push_back(std::move(created));
  } else {
    // The folder is wanted again, perhaps with another password.
    if (!password.empty()) {
      for (auto& [recordName, record] : folder->records) record->password = password;
    }
    if (folder->records.size() == entries.size()) {
      folder->marked = false;
      return kResultAlreadyRegistered;
    }
  }
  folder->marked = false;
  InsertRecords(folder->records, entries, name, password);
  return kResultOk;
}

int32_t OC_REPOSITORY::ScanAll() {
  std::vector<std::string> files;
  FileSystem::ListDirectory(files_.GetResourcesFolder(), files, false);
  if (files.empty()) {
    RaiseError(kMainRepositoryEmpty);
    return kResultNone;
  }
  InsertRecords(top_level_, files, std::string(), std::string());
  return kResultOk;
}

int32_t OC_REPOSITORY::RemoveFolder(const std::string& name) {
  if (name.empty()) {
    for (auto& [recordName, record] : top_level_) record->marked = true;
    return top_level_.empty() ? kResultOk : kResultNone;
  }
  const auto it = std::find_if(folders_.begin(), folders_.end(),
                               [&](const auto& folder) { return folder->name == name; });
  if (it == folders_.end()) return kResultOk;
  ResourceFolder& folder = **it;
  folder.marked = true;
  for (auto& [recordName, record] : folder.records) {
    // A loaded record keeps the folder: its holders still use it.
    if (record->loaded) return kResultOk;
    record->marked = true;
  }
  last_found_ = nullptr;
  folders_.erase(it);
  return kResultOk;
}

int32_t OC_REPOSITORY::MoveRecords(const std::string& target, const std::string& source) {
  ResourceFolder* from = FindFolder(source);
  if (from == nullptr) return kResultNotFound;
  ResourceMap* to = &top_level_;
  if (!target.empty()) {
    ResourceFolder* folder = FindFolder(target);
    if (folder == nullptr) return kResultNotFound;
    to = &folder->records;
  }
  if (&from->records == to) return kResultFailed;
  for (auto it = from->records.begin(); it != from->records.end();) {
    if (to->count(it->first) != 0) {
      ++it;
      continue;
    }
    (*to)[it->first] = std::move(it->second);
    it = from->records.erase(it);
  }
  return kResultFailed;
}

ResourceFolder* OC_REPOSITORY::FindFolder(const std::string& name) const {
  for (const auto& folder : folders_) {
    if (folder->name == name) return folder.get();
  }
  return nullptr;
}

// --- lookup -----------------------------------------------------------------

ResourceRecord* OC_REPOSITORY::FindPlain(const std::string& name) {
  ResourceRecord* record = FindIn(top_level_, name);
  for (size_t i = 0; record == nullptr && i < folders_.size(); ++i) {
    record = FindIn(folders_[i]->records, name);
  }
  last_found_ = record;
  return record;
}

ResourceRecord* OC_REPOSITORY::Find(const std::string& name) {
  switch (CountBlanks(name)) {
    case 0:
      return FindPlain(name);
    case 1: {
      const size_t blank = name.find(' ');
      const ResourceFolder* folder = FindFolder(name.substr(0, blank));
      if (folder == nullptr) return FindPlain(name);
      last_found_ = FindIn(folder->records, name.substr(blank + 1));
      return last_found_;
    }
    default:
      return nullptr;
  }
}

ResourceRecord* OC_REPOSITORY::FindById(ResourceId id) {
  if (id == nullptr) return nullptr;
  const auto it = by_id_.find(id);
  return it == by_id_.end() ? nullptr : it->second;
}

// --- loading ----------------------------------------------------------------

bool OC_REPOSITORY::ReadRecordBytes(ResourceRecord& record) {
  last_read_result_ = LoadLogged(files_, record);
  return last_read_result_ == kResultOk;
}

bool OC_REPOSITORY::LoadXmlRecord(ResourceRecord& record) {
  if (!ReadRecordBytes(record)) return false;
  auto document = std::make_unique<pugi::xml_document>();
  const pugi::xml_parse_result parsed =
      document->load_buffer(record.bytes.data(), record.size, pugi::parse_default,
                            pugi::encoding_auto);
  record.FreeBytes();
  if (!parsed) {
    Log(LogLevel::kWarning, "repository",
        Quoted(record) + " is not well-formed XML: " + parsed.description() + " at byte " +
            std::to_string(parsed.offset));
    return false;
  }
  record.document = std::move(document);
  record.kind = kResourceXml;
  record.loaded = true;
  record.uses = 0;
  return true;
}

bool OC_REPOSITORY::LoadTextureRecord(ResourceRecord& record) {
  if (textures_ == nullptr || !ReadRecordBytes(record)) return false;
  TextureHandle texture = textures_->CreateTexture(record.bytes.data(), record.size);
  record.FreeBytes();
  // An image that cannot be decoded is not a texture of its own: the record
  // stays unloaded and the getter hands out the shared default.
  if (texture == nullptr || texture == textures_->DefaultTexture()) {
    Log(LogLevel::kWarning, "repository",
        Quoted(record) + " is not an image; the default texture stands in");
    return false;
  }
  record.handle = texture;
  record.kind = kResourceTexture;
  record.loaded = true;
  return true;
}

bool OC_REPOSITORY::LoadSoundRecord(ResourceRecord& record, int32_t bufferCount,
                                    bool wholeDecode) {
  if (sounds_ == nullptr || !ReadRecordBytes(record)) return false;
  SoundHandle sound =
      sounds_->CreateSound(record.bytes.data(), record.size, bufferCount, wholeDecode);
  if (sound == nullptr) {
    Log(LogLevel::kWarning, "repository", Quoted(record) + " is not a sound that plays");
    record.FreeBytes();
    return false;
  }
  // The encoded bytes stay with the record: the sound reads them while it lives.
  record.handle = sound;
  record.kind = kResourceSound;
  record.loaded = true;
  return true;
}

bool OC_REPOSITORY::LoadBytesRecord(ResourceRecord& record) {
  if (!ReadRecordBytes(record)) {
    RaiseError(kCantLoadResource);
    return false;
  }
  record.kind = kResourceBytes;
  record.loaded = true;
  return true;
}

ResourceRecord* OC_REPOSITORY::Acquire(const std::string& name, int32_t kind,
                                       int32_t bufferCount, bool wholeDecode) {
  ResourceRecord* record = Find(name);
  if (record == nullptr) {
    Log(LogLevel::kWarning, "repository", "no resource \"" + name + "\"");
    return nullptr;
  }
  if (record->loaded) {
    // Converting it again would lose what its holders use.
    if (record->kind != kind) {
      Log(LogLevel::kWarning, "repository",
          "\"" + name + "\" is already loaded as another kind of resource");
      return nullptr;
    }
    ++record->uses;
    return record;
  }
  bool loaded = false;
  switch (kind) {
    case kResourceXml:
      loaded = LoadXmlRecord(*record);
      break;
    case kResourceTexture:
      loaded = LoadTextureRecord(*record);
      break;
    case kResourceSound:
      loaded = LoadSoundRecord(*record, bufferCount, wholeDecode);
      break;
    case kResourceBytes:
      loaded = LoadBytesRecord(*record);
      break;
    default:
      break;
  }
  if (!loaded) return nullptr;
  by_id_[record->Data()] = record;
  ++record->uses;
  return record;
}

pugi::xml_document* OC_REPOSITORY::GetXml(const std::string& name) {
  ResourceRecord* record = Acquire(name, kResourceXml);
  return record == nullptr ? nullptr : record->document.get();
}

TextureHandle OC_REPOSITORY::GetTexture(const std::string& name) {
  ResourceRecord* record = Acquire(name, kResourceTexture);
  if (record != nullptr) return record->handle;
  return textures_ == nullptr ? nullptr : textures_->DefaultTexture();
}

SoundHandle OC_REPOSITORY::GetSound(const std::string& name, int32_t bufferCount,
                                    bool wholeDecode) {
  ResourceRecord* record = Acquire(name, kResourceSound, bufferCount, wholeDecode);
  return record == nullptr ? nullptr : record->handle;
}

const uint8_t* OC_REPOSITORY::GetBytes(const std::string& name, uint32_t* size) {
  ResourceRecord* record = Acquire(name, kResourceBytes);
  if (size != nullptr) *size = record == nullptr ? 0 : record->size;
  return record == nullptr ? nullptr : record->bytes.data();
}

// --- releasing and unloading ------------------------------------------------

ResourceRecord* OC_REPOSITORY::DropUse(ResourceId id) {
  ResourceRecord* record = FindById(id);
  if (record != nullptr && record->uses > 0) --record->uses;
  return record;
}

bool OC_REPOSITORY::ReleaseXml(ResourceId id) {
  DropUse(id);
  return false;
}

bool OC_REPOSITORY::ReleaseTexture(ResourceId id) {
  if (id == nullptr) return false;
  if (textures_ != nullptr && id == textures_->DefaultTexture()) return false;
  return DropUse(id) != nullptr;
}

bool OC_REPOSITORY::ReleaseSound(ResourceId id) {
  const ResourceRecord* record = DropUse(id);
  return record != nullptr && record->uses == 0;
}

bool OC_REPOSITORY::ReleaseBytes(ResourceId id) { return DropUse(id) != nullptr; }

int32_t OC_REPOSITORY::Release(const std::string& name) {
  ResourceRecord* record = Find(name);
  if (record != nullptr && record->uses > 0) --record->uses;
  return 0;
}

bool OC_REPOSITORY::UnloadRecord(ResourceRecord& record) {
  const ResourceId id = record.Data();
  if (!record.Unload(textures_, sounds_)) return false;
  if (id != nullptr) by_id_.erase(id);
  return true;
}

int32_t OC_REPOSITORY::UnloadUnused() {
  int32_t count = 0;
  for (auto it = folders_.begin(); it != folders_.end();) {
    ResourceFolder& folder = **it;
    for (auto& [name, record] : folder.records) {
      if (UnloadRecord(*record)) ++count;
    }
    if (folder.marked && folder.records.empty()) {
      it = folders_.erase(it);
    } else {
      ++it;
    }
  }
  for (auto it = top_level_.begin(); it != top_level_.end();) {
    const bool unloaded = UnloadRecord(*it->second);
    if (unloaded) ++count;
    if (unloaded && it->second->marked) {
      if (it->second.get() == last_found_) last_found_ = nullptr;
      it = top_level_.erase(it);
    } else {
      ++it;
    }
  }
  return count;
}

}  // namespace ORB
