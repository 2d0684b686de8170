#pragma once
// What the fuzz targets share: a scratch folder of their own for the run,
// the input as an XML document, and a way to stop with a reason when a
// promise did not hold (libFuzzer keeps the input that did it).
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <pugixml.hpp>

namespace fuzz_support {

// Created on first use under the system's temporary folder; one per process.
inline const std::filesystem::path& ScratchFolder(const char* name) {
  static const std::filesystem::path folder = [name] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(name) + "_XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    return std::filesystem::path(pattern);
  }();
  return folder;
}

inline void WriteFile(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) abort();
}

// The bytes as a document; false when they are not XML.
inline bool ParseXml(const uint8_t* data, size_t size, pugi::xml_document& document) {
  return static_cast<bool>(document.load_buffer(data, size));
}

[[noreturn]] inline void Broken(const char* what) {
  std::fprintf(stderr, "broken promise: %s\n", what);
  abort();
}

}  // namespace fuzz_support
