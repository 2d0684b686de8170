#pragma once
// Writing a file so that a failure at any point leaves the old one as it was:
// the content goes to a temporary file beside it, is checked and synced to the
// disk, and only then renamed over the old file; the folder is synced too, so
// the rename survives a power cut.
#include <functional>
#include <string>

#include "engine/foundation/save_file.h"

namespace ORB {

// Creates the file's folder when missing, lets `write` fill the temporary
// file and answers true once it has replaced `path`. On any failure answers
// false, removes the temporary file this call made and leaves `path` intact.
bool ReplaceFile(const std::string& path, const std::string& temporary_path,
                 const std::function<bool(SaveFile& stream)>& write);

}  // namespace ORB
