// The renderer's texture side: records made blank or from image files, the
// default texture that stands in for every image that cannot be had, and
// access to a texture's pixels.
#include <fcntl.h>

#include <cstdint>
#include <vector>

#include "engine/foundation/regular_file.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/image_decoder.h"
#include "engine/platform/message_box.h"

namespace ORB {

namespace {

// Far beyond any picture the game shows (a 4096 x 4096 image unpacked).
constexpr uint64_t kMaxImageFileBytes = 64ull * 1024 * 1024;

}  // namespace

TextureRecord* Renderer::AddRecord(platform::TextureHandle handle, int32_t width, int32_t height,
                                   const std::string& name) {
  auto record = std::make_unique<TextureRecord>();
  record->handle = handle;
  record->size = Point(width, height);
  record->name = name;
  TextureRecord* pointer = record.get();
  textures_.emplace(pointer, std::move(record));
  return pointer;
}

bool Renderer::IsTexture(const TextureRecord* texture) const {
  return texture != nullptr && textures_.count(texture) != 0;
}

TextureRecord* Renderer::CreateBlank(int32_t width, int32_t height) {
  if (!HasDevice() || width <= 0 || height <= 0 || width > platform::kMaxImageSide ||
      height > platform::kMaxImageSide) {
    return nullptr;
  }
  const platform::TextureHandle handle = device_->CreateTexture(width, height, nullptr);
  if (handle == 0) return nullptr;
  return AddRecord(handle, width, height, "blank");
}

TextureRecord* Renderer::FallbackTexture(const std::string& name) {
  if (default_texture_ != nullptr) return default_texture_;
  platform::ShowMessageBox("error", "defaultTexture not exist!!!");
  return AddRecord(0, 0, 0, name);
}

TextureRecord* Renderer::LoadFromMemory(const void* bytes, size_t size, const std::string& name) {
  if (!HasDevice()) return nullptr;
  platform::DecodedImage image;
  if (!platform::DecodeImage(bytes, size, image)) return FallbackTexture(name);
  const platform::TextureHandle handle =
      device_->CreateTexture(image.width, image.height, image.pixels.data());
  if (handle == 0) return FallbackTexture(name);
  return AddRecord(handle, image.width, image.height, name);
}

TextureRecord* Renderer::LoadFromFile(const std::string& path) {
  if (!HasDevice()) return nullptr;
  // A file that cannot be read leaves no bytes, which decode to the fallback.
  std::vector<uint8_t> bytes;
  RegularFile file;
  if (file.Open(path, O_RDONLY) == RegularFile::Status::kOpen) {
    file.ReadAll(bytes, kMaxImageFileBytes);
  }
  return LoadFromMemory(bytes.data(), bytes.size(), path);
}

int32_t Renderer::ReleaseTexture(TextureRecord* texture) {
  if (texture == nullptr || texture == default_texture_) return kResultBadArgument;
  auto found = textures_.find(texture);
  if (found == textures_.end()) return kResultBadArgument;
  if (texture == current_texture_) {
    // Meshes batched with it are drawn while it still exists.
    FlushBatch();
    BindTexture(nullptr);
  }
  if (device_ != nullptr && texture->handle != 0) device_->DestroyTexture(texture->handle);
  textures_.erase(found);
  return kResultOk;
}

uint8_t* Renderer::LockTexture(TextureRecord* texture) {
  if (!HasDevice() || !IsTexture(texture) || texture->handle == 0) return nullptr;
  if (!texture->locked) {
    const size_t count =
        static_cast<size_t>(texture->Width()) * static_cast<size_t>(texture->Height());
    texture->locked_pixels.assign(count, 0u);
    if (!device_->ReadTexture(texture->handle, texture->Width(), texture->Height(),
                              texture->locked_pixels.data())) {
      texture->locked_pixels.clear();
      texture->locked_pixels.shrink_to_fit();
      return nullptr;
    }
    texture->locked = true;
  }
  return reinterpret_cast<uint8_t*>(texture->locked_pixels.data());
}

bool Renderer::UnlockTexture(TextureRecord* texture) {
  if (!HasDevice() || !IsTexture(texture) || !texture->locked) return false;
  if (texture == current_texture_) FlushBatch();
  const bool ok = device_->UpdateTexture(texture->handle, texture->Width(), texture->Height(),
                                         texture->locked_pixels.data());
  texture->locked = false;
  texture->locked_pixels.clear();
  texture->locked_pixels.shrink_to_fit();
  return ok;
}

bool Renderer::CopyToTexture(TextureRecord* texture, const void* pixels) {
  if (!HasDevice() || !IsTexture(texture) || texture->handle == 0 || pixels == nullptr) {
    return false;
  }
  if (texture == current_texture_) FlushBatch();
  // The device takes whole rows of exactly width words, so the copy never
  // depends on how the device lays out a row.
  const size_t count =
      static_cast<size_t>(texture->Width()) * static_cast<size_t>(texture->Height());
  std::vector<uint32_t> image(count);
  std::memcpy(image.data(), pixels, count * sizeof(uint32_t));
  return device_->UpdateTexture(texture->handle, texture->Width(), texture->Height(), image.data());
}

}  // namespace ORB
