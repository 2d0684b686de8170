#pragma once
// Writing a file so that a failure at any point leaves the old one as it was:
// the content goes to a temporary file beside it, is checked and synced to the
// disk, and only then renamed over the old file; the folder is synced too, so
// the rename survives a power cut.
//
// Each save makes a temporary file of its own (created exclusively, never
// through an existing name or a symbolic link) and holds a lock on it until
// its rename is done, so two copies of the program saving at once each put a
// whole file in place and the last rename wins. A successful save removes the
// temporary files that interrupted saves left behind (those nobody holds).
#include <functional>
#include <string>

#include "engine/foundation/save_file.h"

namespace ORB {

// Creates the file's folder when missing, lets `write` fill a new temporary
// file named `temporary_prefix` plus a unique ending, and answers true once
// it has replaced `path`. On any failure answers false, removes the temporary
// file this call made and leaves `path` intact.
bool ReplaceFile(const std::string& path, const std::string& temporary_prefix,
                 const std::function<bool(SaveFile& stream)>& write);

}  // namespace ORB
