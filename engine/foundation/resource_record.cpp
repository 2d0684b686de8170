#include "engine/foundation/resource_record.h"

namespace ORB {

std::unique_ptr<ResourceRecord> ResourceRecord::Create(const std::string& entryName) {
  auto record = std::make_unique<ResourceRecord>();
  record->name = entryName;
  return record;
}

ResourceId ResourceRecord::Data() const {
  switch (kind) {
    case kResourceBytesRead:
    case kResourceBytes:
      return bytes.empty() ? nullptr : bytes.data();
    case kResourceTexture:
    case kResourceSound:
      return handle;
    case kResourceXml:
      return document.get();
    default:
      return nullptr;
  }
}

void ResourceRecord::FreeBytes() {
  if (kind == kResourceBytesRead || kind == kResourceBytes) {
    std::vector<uint8_t>().swap(bytes);
    size = 0;
  }
  kind = kResourceNone;
}

bool ResourceRecord::Unload(TextureLoader* textures, SoundLoader* sounds) {
  if (uses > 0) return false;
  if (!loaded) return true;
  ForceUnload(textures, sounds);
  return true;
}

void ResourceRecord::ForceUnload(TextureLoader* textures, SoundLoader* sounds) {
  if (loaded) {
    switch (kind) {
      case kResourceTexture:
        if (textures != nullptr && handle != nullptr && handle != textures->DefaultTexture()) {
          textures->ReleaseTexture(handle);
        }
        break;
      case kResourceSound:
        // The sound reads its bytes while it lives: it goes first.
        if (sounds != nullptr && handle != nullptr) sounds->RemoveSound(handle);
        break;
      default:
        break;
    }
  }
  document.reset();
  std::vector<uint8_t>().swap(bytes);
  handle = nullptr;
  kind = kResourceNone;
  size = 0;
  uses = 0;
  loaded = false;
}

}  // namespace ORB
