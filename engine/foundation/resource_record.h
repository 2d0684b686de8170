#pragma once
// One named resource of the repository: where it lives, whether and as what
// it is loaded, and how many holders use it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/resource_loaders.h"

namespace ORB {

// The value handed out by a getter; holders give it back to release their use.
using ResourceId = const void*;

enum ResourceKind : int32_t {
  kResourceNone = 0,
  kResourceBytesRead = 1,  // bytes just read, about to be converted
  kResourceTexture = 2,
  kResourceSound = 3,
  kResourceXml = 4,
  kResourceBytes = 5,      // bytes kept as they are
};

struct ResourceRecord {
  // A record of the entry, with nothing loaded.
  static std::unique_ptr<ResourceRecord> Create(const std::string& entryName);

  ResourceRecord() = default;
  ResourceRecord(const ResourceRecord&) = delete;
  ResourceRecord& operator=(const ResourceRecord&) = delete;

  // The id of what is loaded; null when nothing is.
  ResourceId Data() const;

  // Gives up what is loaded when nobody uses it: false (and nothing changes)
  // while uses remain, true otherwise. A sound is taken out of the sound
  // system before its bytes are freed. The loaders are the ones the record
  // was loaded through.
  bool Unload(TextureLoader* textures, SoundLoader* sounds);

  // Gives up what is loaded whatever the use count (the repository's end).
  void ForceUnload(TextureLoader* textures, SoundLoader* sounds);

  // Frees the bytes of a raw kind (1 or 5) and sets the kind to 0.
  void FreeBytes();

  std::string name;      // file name in a folder, or the entry path in an archive
  std::string folder;    // as given to AddFolder; empty at the top level
  std::string password;  // archive password; empty for none
  uint32_t size = 0;     // byte count while raw bytes are held
  int32_t uses = 0;
  int32_t kind = kResourceNone;
  bool loaded = false;
  bool marked = false;   // a removal was asked for

  // What is loaded, by kind: raw bytes (1, 5) and a sound's encoded bytes (3)
  // in `bytes`, whose last byte is always a zero (counted in `size` for a file
  // read from a folder, not counted for an archive entry); the document (4);
  // the texture or sound handle (2, 3).
  std::vector<uint8_t> bytes;
  std::unique_ptr<pugi::xml_document> document;
  void* handle = nullptr;
};

}  // namespace ORB
