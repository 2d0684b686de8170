#pragma once
// RenderState: the 32-bit word of render switches every drawable carries.
// The renderer batches consecutive draws whose states are equal, and equal
// means bits 0 to 17 agree (antialiasing, bit 18, does not split a batch).
//
//   bit 0      no-blend override: blending off whatever bit 1 says
//   bit 1      alpha blending
//   bit 2      additive (destination factor one instead of 1 - source alpha)
//   bits 4-7   filter: 0 or 1 point, 2 linear, 3 anisotropic, others leave it
//   bit 9      depth test
//   bit 10     textured (clear: drawn with the vertex colours only)
//   bit 11     lighting
//   bits 12-14 primitive: 0 points, 1 lines, 2 triangles, 3 point sprites
//   bits 15-16 addressing: 0 clamp u and v, 1 wrap u, 2 wrap v, 3 wrap both
//   bit 17     3-D camera matrices instead of the 2-D world
//   bit 18     antialiasing
//   bits 3, 8  kept, no effect
#include <cstdint>

namespace ORB {

struct RenderState {
  static constexpr uint32_t kNoBlend = 1u << 0;
  static constexpr uint32_t kBlend = 1u << 1;
  static constexpr uint32_t kAdditive = 1u << 2;
  static constexpr uint32_t kFilterShift = 4;
  static constexpr uint32_t kFilterMask = 0xFu << kFilterShift;
  static constexpr uint32_t kDepthTest = 1u << 9;
  static constexpr uint32_t kTextured = 1u << 10;
  static constexpr uint32_t kLighting = 1u << 11;
  static constexpr uint32_t kPrimitiveShift = 12;
  static constexpr uint32_t kPrimitiveMask = 0x7u << kPrimitiveShift;
  static constexpr uint32_t kAddressShift = 15;
  static constexpr uint32_t kAddressMask = 0x3u << kAddressShift;
  static constexpr uint32_t k3D = 1u << 17;
  static constexpr uint32_t kAntialias = 1u << 18;
  // The bits that decide whether two states may share a batch.
  static constexpr uint32_t kKeyMask = (1u << 18) - 1u;

  static constexpr uint32_t kPrimitivePoints = 0;
  static constexpr uint32_t kPrimitiveLines = 1;
  static constexpr uint32_t kPrimitiveTriangles = 2;
  static constexpr uint32_t kPrimitivePointSprites = 3;

  // A new quad's state: alpha blending, anisotropic filter, textured triangles.
  static constexpr uint32_t kMeshDefault = 0x00002432u;
  // A particle system's state: additive blending, point filter, textured
  // point sprites.
  static constexpr uint32_t kParticleDefault = 0x00003416u;

  uint32_t bits = 0;

  constexpr RenderState() = default;
  // Drawables keep plain words; they convert without ceremony.
  constexpr RenderState(uint32_t word) : bits(word) {}  // NOLINT(google-explicit-constructor)

  constexpr bool NoBlend() const { return (bits & kNoBlend) != 0; }
  constexpr bool Blend() const { return (bits & kBlend) != 0; }
  // Whether the device blends under this state: bit 1 on and bit 0 off.
  constexpr bool EffectiveBlend() const { return Blend() && !NoBlend(); }
  constexpr bool Additive() const { return (bits & kAdditive) != 0; }
  constexpr uint32_t Filter() const { return (bits & kFilterMask) >> kFilterShift; }
  constexpr bool DepthTest() const { return (bits & kDepthTest) != 0; }
  constexpr bool Textured() const { return (bits & kTextured) != 0; }
  constexpr bool Lighting() const { return (bits & kLighting) != 0; }
  constexpr uint32_t Primitive() const { return (bits & kPrimitiveMask) >> kPrimitiveShift; }
  constexpr uint32_t Addressing() const { return (bits & kAddressMask) >> kAddressShift; }
  constexpr bool Is3D() const { return (bits & k3D) != 0; }
  constexpr bool Antialias() const { return (bits & kAntialias) != 0; }

  constexpr void SetFilter(uint32_t filter) {
    bits = (bits & ~kFilterMask) | ((filter << kFilterShift) & kFilterMask);
  }
  constexpr void SetPrimitive(uint32_t primitive) {
    bits = (bits & ~kPrimitiveMask) | ((primitive << kPrimitiveShift) & kPrimitiveMask);
  }
  constexpr void SetAddressing(uint32_t mode) {
    bits = (bits & ~kAddressMask) | ((mode << kAddressShift) & kAddressMask);
  }
  constexpr void SetFlag(uint32_t flag, bool on) { bits = on ? (bits | flag) : (bits & ~flag); }

  // The part of the word that batching compares.
  constexpr uint32_t Key() const { return bits & kKeyMask; }
  // Equal for batching: bits 0 to 17 agree.
  constexpr bool operator==(const RenderState& other) const { return Key() == other.Key(); }
};

static_assert(sizeof(RenderState) == 4, "a render state is one 32-bit word");

}  // namespace ORB
