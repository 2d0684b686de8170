#pragma once
// The catalogue of every named resource the program reads: XML documents,
// textures, sounds and raw bytes, kept in plain folders or zip archives under
// the resources folder. Registering a folder lists its entries as records
// without reading them; a typed getter loads a record on first use and counts
// the use; holders give the id back to release it, and unused resources are
// unloaded in one sweep.
//
// Names: "file" is looked for at the top level, then in each folder in the
// order the folders were added; "folder file" (one blank) only in that folder,
// or, when no folder bears that name, as a whole like a plain name. A name
// with two or more blanks finds nothing.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/file_system.h"
#include "engine/foundation/resource_loaders.h"
#include "engine/foundation/resource_record.h"

namespace ORB {

// Records by name, in byte-wise name order.
using ResourceMap = std::map<std::string, std::unique_ptr<ResourceRecord>>;

// One registered plain folder or archive.
struct ResourceFolder {
  std::string name;  // as given to AddFolder
  std::string path;  // resources folder + name
  ResourceMap records;
  bool marked = false;  // a removal was asked for
};

class OC_REPOSITORY {
 public:
  // The loaders must outlive the repository. A null loader means resources of
  // that kind cannot be had: their getter answers its failure result.
  OC_REPOSITORY(const FileSystem& files, TextureLoader* textures, SoundLoader* sounds);
  // Unloads everything still held, used or not.
  ~OC_REPOSITORY();
  OC_REPOSITORY(const OC_REPOSITORY&) = delete;
  OC_REPOSITORY& operator=(const OC_REPOSITORY&) = delete;

  // Registers a folder or archive (a path below the resources folder) and
  // lists its entries as records; an empty name scans the resources folder
  // itself (ScanAll). kResultOk added or extended; kResultNotFound the path
  // does not exist or lists nothing; kResultAlreadyRegistered already
  // registered with as many records as entries. A record that is loaded is
  // kept, never replaced. Registering a folder again with a password gives
  // all its records that password (a password prompt registers its archive
  // again with the password the player typed).
  [[nodiscard]] int32_t AddFolder(const std::string& name, const std::string& password = std::string());
  // Lists the resources folder's own files as top-level records: kResultOk,
  // or kResultNone (with "Main repository is empty" reported) when it holds
  // no files.
  int32_t ScanAll();
  // Empty name: marks every top-level record for removal (UnloadUnused
  // destroys them once unused) and answers kResultOk when the top level is
  // empty, else kResultNone. Otherwise removes the folder with its records at
  // once when none is loaded; while one is, the folder stays registered,
  // marked. Answers kResultOk.
  int32_t RemoveFolder(const std::string& name);

  // Getters log (subsystem "repository") a name that is not registered and a
  // resource that cannot be read or converted.
  // The parsed document, or null.
  pugi::xml_document* GetXml(const std::string& name);
  // The texture; the default texture when the name is unknown or the image
  // cannot be read or decoded (no use is counted then); null without a
  // texture loader.
  TextureHandle GetTexture(const std::string& name);
  // The sound made with the description's buffer count and whole-decode
  // flag, or null. The flags of the first get stay with the sound.
  SoundHandle GetSound(const std::string& name, int32_t bufferCount, bool wholeDecode);
  // The raw bytes, or null (after reporting "Cant load res " when they cannot
  // be read). `size` receives the record's byte count.
  const uint8_t* GetBytes(const std::string& name, uint32_t* size = nullptr);
  // A record loaded as one kind is never handed out as another: asking for it
  // as another kind fails.

  // Each drops one use of the record with that id; a use count never goes
  // below zero and nothing is unloaded here. Unknown ids are ignored.
  bool ReleaseXml(ResourceId id);      // always false
  bool ReleaseTexture(ResourceId id);  // false for the default texture or an unknown id
  bool ReleaseSound(ResourceId id);    // true when the use count reached zero
  bool ReleaseBytes(ResourceId id);    // true when the id was found
  // Drops one use of the named record; 0.
  int32_t Release(const std::string& name);

  // What the file system answered to the last read of a record's bytes, so
  // a caller whose getter failed can tell why: kResultOk read,
  // kResultNotFound, kResultCannotOpen (a sealed entry whose password is
  // missing or wrong), kResultDamaged (damaged or short). kResultOk before
  // any read.
  int32_t LastReadResult() const { return last_read_result_; }

  ResourceRecord* Find(const std::string& name);
  // The record whose data equals the id; null for a null id or none.
  ResourceRecord* FindById(ResourceId id);

  // Unloads every record without uses (also those never loaded, which count
  // too) and destroys marked top-level records and marked, emptied folders.
  // Answers the number of records found unused.
  int32_t UnloadUnused();

  // Moves the records of the source folder whose names the target (a folder,
  // or the top level for an empty name) does not have yet. Always a failure:
  // kResultNotFound without such folders, else kResultFailed.
  int32_t MoveRecords(const std::string& target, const std::string& source);

  // The registered folders, in the order they were added.
  const std::vector<std::unique_ptr<ResourceFolder>>& Folders() const { return folders_; }
  const ResourceMap& TopLevel() const { return top_level_; }

 private:
  ResourceFolder* FindFolder(const std::string& name) const;
  ResourceRecord* FindPlain(const std::string& name);
  // Finds the record and makes sure it is loaded as `kind`, counting a use.
  // Null when it is unknown, loaded as another kind or cannot be loaded.
  ResourceRecord* Acquire(const std::string& name, int32_t kind, int32_t bufferCount = 0,
                          bool wholeDecode = false);
  bool LoadXmlRecord(ResourceRecord& record);
  bool LoadTextureRecord(ResourceRecord& record);
  bool LoadSoundRecord(ResourceRecord& record, int32_t bufferCount, bool wholeDecode);
  bool LoadBytesRecord(ResourceRecord& record);
  // The file system's LoadBytes, its answer kept for LastReadResult.
  bool ReadRecordBytes(ResourceRecord& record);
  // Drops one use of the record with that id; the record, or null.
  ResourceRecord* DropUse(ResourceId id);
  // Record::Unload, keeping the id index in step.
  bool UnloadRecord(ResourceRecord& record);
  // Puts the entries in the map, from the last to the first, keeping records
  // that are loaded.
  void InsertRecords(ResourceMap& map, const std::vector<std::string>& entries,
                     const std::string& folder, const std::string& password);

  const FileSystem& files_;
  TextureLoader* textures_;
  SoundLoader* sounds_;
  ResourceMap top_level_;
  std::vector<std::unique_ptr<ResourceFolder>> folders_;
  ResourceRecord* last_found_ = nullptr;
  int32_t last_read_result_ = kResultOk;
  // The loaded records by id: releases come by id, often, and a scan of every
  // map for each would grow with the size of the catalogue.
  std::unordered_map<ResourceId, ResourceRecord*> by_id_;
};

}  // namespace ORB
