#pragma once
// A whole file's bytes (empty when it cannot be read).
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace test_support {

inline std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace test_support
