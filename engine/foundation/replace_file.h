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
//
// What bears the name decides where the new file goes. Nothing, or a regular
// file: the name itself. A symbolic link to a regular file: that file (the
// link's last target), which the new file replaces, made beside it; the link
// stays, so a save kept elsewhere through a link stays there. Anything else
// (a folder, a FIFO, a socket, a device, a link to one of those or to
// nothing) is someone else's: once the new file is complete it is moved
// aside, unopened and whole, to the name followed by kSetAsideEnding and the
// first free number ("players.save.not-a-file-1"; a link is moved itself,
// never its target), with one line saying so, and the new file takes the
// name. A new file that replaces a regular file keeps its permissions.
#include <functional>
#include <string>

#include "engine/foundation/save_file.h"

namespace ORB {

inline constexpr char kSetAsideEnding[] = ".not-a-file-";

// Creates the file's folder when missing, lets `write` fill a new temporary
// file named `temporary_prefix` plus a unique ending, and answers true once
// it has replaced `path` (or the file a link there leads to). On any failure
// answers false, removes the temporary file this call made and leaves the old
// file as it was (something moved aside before a rename that failed stays
// aside, whole).
bool ReplaceFile(const std::string& path, const std::string& temporary_prefix,
                 const std::function<bool(SaveFile& stream)>& write);

}  // namespace ORB
