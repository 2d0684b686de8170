#pragma once
// The file layer under the zip reader. minizip's own layer goes through
// stdio, whose forward-only buffer turns the search for the directory at the
// end of an archive into some sixty seeks and reads for every open. This one
// reads through a window of the file that follows the reader in either
// direction, so opening an archive and walking its directory take a few
// reads. It only reads.
#include <minizip/ioapi.h>

namespace ORB {

// The functions to hand to unzOpen2_64.
zlib_filefunc64_def WindowedFileFunctions();

}  // namespace ORB
