#pragma once
// A folder of its own for one test, removed with everything in it when the
// test ends, with byte helpers for the files in it.
//
//   test_support::TempFolder folder;
//   folder.Write("Resources/data/a.xml", "<a/>");   // makes the folders on the way
//   ORB::FileSystem files(folder.Path());
//   EXPECT_EQ(folder.ReadText("out.txt"), "done");
//
// Path() has no trailing slash; code that wants one (a save folder) takes
// PathWithSlash().
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bytes.h"
#include "read_file.h"

namespace test_support {

// Writes `bytes` to `path`, making its folders first.
inline void WriteText(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class TempFolder {
 public:
  TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") + "/nonogram-test-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing slash (empty when it could not be made).
  const std::string& Path() const { return path_; }
  // With one, as the game's save folder is given.
  std::string PathWithSlash() const { return path_ + "/"; }
  // A path inside the folder.
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  std::string operator/(const std::string& name) const { return File(name); }

  bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }
  Bytes Read(const std::string& name) const { return ReadFile(File(name)); }
  std::string ReadText(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Both make the file's folders first.
  void Write(const std::string& name, const std::string& text) const {
    WriteText(File(name), text);
  }
  void Write(const std::string& name, const Bytes& bytes) const {
    WriteText(File(name), std::string(bytes.begin(), bytes.end()));
  }

 private:
  std::string path_;
};

// The process's open file descriptors, to catch leaks.
inline int OpenDescriptorCount() {
  int count = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator it("/proc/self/fd", error);
       !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    ++count;
  }
  return count;
}

}  // namespace test_support
