// The questions the OpenGL device asks before a draw: does a quad show its
// texture smaller than its texels (only then is anisotropic filtering worth
// its cost), and are pixels and vertex colours opaque (then blending is left
// off, which draws the same pixels).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/platform/texture_footprint.h"

namespace ORB::platform {
namespace {

// Game coordinates (1024 x 768, y down) to clip space in row-vector order.
constexpr float kGameToClip[16] = {1.0f / 512, 0, 0, 0, 0, -1.0f / 384, 0, 0,
                                   0,          0, 1, 0, -1, 1,           0, 1};

struct Quad {
  std::vector<GpuVertex> vertices;
  std::vector<uint16_t> indices{0, 1, 2, 0, 2, 3};
};

// An axis-aligned quad at (x, y) of w x h game pixels showing the whole texture.
Quad MakeQuad(float x, float y, float w, float h, uint32_t colour = 0xFFFFFFFFu) {
  Quad quad;
  const float corners[4][4] = {{x, y, 0, 0}, {x + w, y, 1, 0}, {x + w, y + h, 1, 1}, {x, y + h, 0, 1}};
  for (const auto& c : corners) {
    GpuVertex v;
    v.x = c[0];
    v.y = c[1];
    v.u = c[2];
    v.v = c[3];
    v.colour = colour;
    quad.vertices.push_back(v);
  }
  return quad;
}

TEST(TextureFootprintTest, OnlyAMinifiedDirectionAsksForAnisotropy) {
  struct Case {
    const char* what;
    float w, h;           // drawn size in game pixels
    float half_w, half_h;  // viewport half size in screen pixels
    bool indexed;
    bool minifies;
  };
  const Case cases[] = {
      {"at its size", 64, 64, 512, 384, true, false},
      {"at its size, no indices", 64, 64, 512, 384, false, false},
      {"magnified", 128, 128, 512, 384, true, false},
      {"halved", 32, 32, 512, 384, true, true},
      {"squeezed one way only", 64, 16, 512, 384, true, true},
      {"at its size in a window letterboxed to half", 64, 64, 256, 192, true, true},
      {"at half size in a window letterboxed to double", 32, 32, 1024, 768, true, false},
  };
  for (const Case& c : cases) {
    const Quad quad = MakeQuad(100, 200, c.w, c.h);
    EXPECT_EQ(MeshMinifiesTexture(kGameToClip, c.half_w, c.half_h, quad.vertices.data(), 4,
                                  c.indexed ? quad.indices.data() : nullptr, c.indexed ? 6 : 0,
                                  64, 64),
              c.minifies)
        << c.what;
  }
}

TEST(TextureFootprintTest, ATriangleWithNoTextureAreaOrNoTextureIsNotMinified) {
  Quad quad = MakeQuad(0, 0, 64, 64);
  for (GpuVertex& v : quad.vertices) v.u = v.v = 0.5f;  // one texel stretched
  EXPECT_FALSE(MeshMinifiesTexture(kGameToClip, 512, 384, quad.vertices.data(), 4,
                                   quad.indices.data(), 6, 64, 64));
  EXPECT_FALSE(MeshMinifiesTexture(kGameToClip, 512, 384, quad.vertices.data(), 4,
                                   quad.indices.data(), 6, 0, 0));
}

TEST(TextureFootprintTest, OpaqueOnlyWhenEveryAlphaIsFull) {
  const std::vector<uint32_t> opaque{0xFF000000u, 0xFFFFFFFFu, 0xFF123456u};
  const std::vector<uint32_t> one_clear{0xFF000000u, 0xFEFFFFFFu, 0xFF123456u};
  EXPECT_TRUE(PixelsOpaque(opaque.data(), opaque.size()));
  EXPECT_FALSE(PixelsOpaque(one_clear.data(), one_clear.size()));
  EXPECT_FALSE(PixelsOpaque(nullptr, 0));
  EXPECT_TRUE(VerticesOpaque(MakeQuad(0, 0, 1, 1).vertices.data(), 4));
  EXPECT_FALSE(VerticesOpaque(MakeQuad(0, 0, 1, 1, 0x80FFFFFFu).vertices.data(), 4));
}

}  // namespace
}  // namespace ORB::platform
