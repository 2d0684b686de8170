#pragma once
// A fresh folder under the system's temporary folder, removed with
// everything in it when the test ends, and byte helpers for files in it.
#include <stdlib.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace play_test {

using Bytes = std::vector<unsigned char>;

class TestFolder {
 public:
  TestFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "nonogram_play_XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TestFolder() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // With a trailing slash, as the game's save folder is.
  std::string Path() const { return path_.string() + "/"; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

  Bytes Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const std::string& name, const Bytes& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

 private:
  std::filesystem::path path_;
};

// Little-endian pieces for building expected files by hand.
inline void Put32(Bytes& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
inline void PutFloat(Bytes& bytes, float value) {
  Put32(bytes, std::bit_cast<uint32_t>(value));
}
inline void PutDouble(Bytes& bytes, double value) {
  const auto bits = std::bit_cast<uint64_t>(value);
  Put32(bytes, static_cast<uint32_t>(bits));
  Put32(bytes, static_cast<uint32_t>(bits >> 32));
}
inline void PutString(Bytes& bytes, const std::string& text) {
  Put32(bytes, static_cast<uint32_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
}

}  // namespace play_test
