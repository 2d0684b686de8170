// libFuzzer target for the players-file reader. Build and run with
// fuzz/run.sh (clang only).
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "fuzz/players_file_check.h"

namespace {

std::filesystem::path& Folder() {
  static std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "players_fuzz_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    return std::filesystem::path(pattern);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure = players_file_check::Check(Folder(), data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "players file check failed: %s\n", failure.c_str());
    abort();
  }
  return 0;
}
