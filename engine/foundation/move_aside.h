#pragma once
// Keeping something out of a name's way without destroying it: the entry is
// renamed, in its own folder, to `prefix` followed by the first number from 1
// up that no entry bears ("players.save.corrupt-1", "game.xml.not-a-file-2").
// The rename never replaces anything, not even an empty folder that another
// program makes under the new name at the same moment. Whatever the entry is
// (a file, a folder with its contents, a FIFO, a symbolic link) it is moved
// as it is, never opened; a link is moved itself, its target left alone.
#include <string>

namespace ORB {

// The new name, or empty when the entry could not be moved (it is gone, the
// folder cannot be written, or every name up to the bound is taken).
std::string MoveAside(const std::string& path, const std::string& prefix);

}  // namespace ORB
