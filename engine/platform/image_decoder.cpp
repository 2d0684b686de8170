#include "engine/platform/image_decoder.h"

#include <climits>

// The decoder's implementation lives in this file only.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace ORB::platform {

namespace {

bool Fail(DecodedImage& image, std::string* error, const char* reason) {
  image = DecodedImage{};
  if (error != nullptr) *error = reason;
  return false;
}

}  // namespace

bool DecodeImage(const void* bytes, size_t size, DecodedImage& image, std::string* error) {
  if (bytes == nullptr || size == 0) return Fail(image, error, "no image data");
  if (size > static_cast<size_t>(INT_MAX)) return Fail(image, error, "image data too large");
  const auto* data = static_cast<const stbi_uc*>(bytes);
  const int length = static_cast<int>(size);

  // Look at the header first so an image claiming a huge size is refused
  // before any memory is taken for it.
  int width = 0;
  int height = 0;
  int channels = 0;
  if (stbi_info_from_memory(data, length, &width, &height, &channels) == 0) {
    return Fail(image, error, stbi_failure_reason());
  }
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) {
    return Fail(image, error, "image size out of range");
  }

  stbi_uc* rgba = stbi_load_from_memory(data, length, &width, &height, &channels, 4);
  if (rgba == nullptr) return Fail(image, error, stbi_failure_reason());
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) {
    stbi_image_free(rgba);
    return Fail(image, error, "image size out of range");
  }

  image.width = width;
  image.height = height;
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  image.pixels.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const stbi_uc* p = rgba + i * 4;
    image.pixels[i] = static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 |
                      static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]);
  }
  stbi_image_free(rgba);
  if (error != nullptr) error->clear();
  return true;
}

}  // namespace ORB::platform
