#pragma once
// Files of the checkout that tests read (their own data under tests/data, the
// shipped Resources), found from the folder CMake names, so a test program
// runs the same from any working folder.
#include <string>

#ifndef NONOGRAM_SOURCE_DIR
#error "the test build defines NONOGRAM_SOURCE_DIR as the checkout's folder"
#endif

namespace test_support {

// A path below the checkout, e.g. SourcePath("Resources/data").
inline std::string SourcePath(const std::string& relative) {
  return relative.empty() ? std::string(NONOGRAM_SOURCE_DIR)
                          : std::string(NONOGRAM_SOURCE_DIR) + "/" + relative;
}

// A file of the tests' own data, e.g. TestData("renderer/corrupt.png").
inline std::string TestData(const std::string& relative) {
  return SourcePath("tests/data/" + relative);
}

}  // namespace test_support
