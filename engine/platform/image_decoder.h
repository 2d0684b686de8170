#pragma once
// Decodes image files held in memory (PNG, JPEG, BMP, TGA, GIF and the other
// formats stb_image reads) into ARGB words at the image's own size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ORB::platform {

struct DecodedImage {
  int32_t width = 0;
  int32_t height = 0;
  // ARGB words (bytes B, G, R, A in memory), rows top to bottom.
  std::vector<uint32_t> pixels;
};

// The largest side accepted; bigger images are refused before decoding.
inline constexpr int32_t kMaxImageSide = 16384;

// Fills image and answers true; on failure answers false, leaves image empty
// and puts the reason into error (when given).
bool DecodeImage(const void* bytes, size_t size, DecodedImage& image, std::string* error = nullptr);

}  // namespace ORB::platform
