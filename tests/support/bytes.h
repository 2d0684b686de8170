#pragma once
// Little-endian pieces for building expected binary files by hand.
//
//   test_support::Bytes b;
//   test_support::PutString(b, "Al");   // length word, then the bytes
//   test_support::Put32(b, 1);
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

using Bytes = std::vector<unsigned char>;

inline void Put32(Bytes& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
inline void PutFloat(Bytes& bytes, float value) { Put32(bytes, std::bit_cast<uint32_t>(value)); }
inline void PutDouble(Bytes& bytes, double value) {
  const auto bits = std::bit_cast<uint64_t>(value);
  Put32(bytes, static_cast<uint32_t>(bits));
  Put32(bytes, static_cast<uint32_t>(bits >> 32));
}
inline void PutString(Bytes& bytes, const std::string& text) {
  Put32(bytes, static_cast<uint32_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
}

}  // namespace test_support
