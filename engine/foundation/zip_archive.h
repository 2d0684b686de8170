#pragma once
// Reading zip archives: listing their entries and reading one entry whole,
// also when it is sealed with a password. Every call opens the archive and
// closes it again before it returns, on every path.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/result_codes.h"

namespace ORB {

// The first three bytes of a zip file ("PK", 3) with a zero fourth byte, read
// as a little-endian word.
constexpr int32_t kZipSignature = 0x00034B50;

// kResultFailed when the file cannot be opened; kZipSignature when it starts with the
// zip signature, whatever its name; otherwise 0.
int32_t GetFileSignature(const std::string& path);

// Appends the archive's entry names in central-directory order; appends
// nothing when the file is not a readable zip archive.
void ListZipEntries(const std::string& archivePath, std::vector<std::string>& names);

// Reads the first entry whose name equals `entryName` byte for byte.
//   kResultOk          read: `bytes` holds the content followed by one zero
//                      byte, `size` the content's length (the zero byte not
//                      counted);
//   kResultNotFound    the archive cannot be opened or has no such entry;
//   kResultCannotOpen  the entry cannot be opened: it is sealed and the
//                      password is missing or wrong, or it uses a method this
//                      reader does not know;
//   kResultDamaged     the content is damaged or shorter than the directory
//                      promises (a sealed entry's too, once the password
//                      passed its check byte).
// An entry that is not sealed opens whatever the password. On failure
// `bytes` and `size` are left as they were.
int32_t ReadZipEntry(const std::string& archivePath, const std::string& entryName,
                     const std::string& password, std::vector<uint8_t>& bytes, uint32_t& size);

// Tries the password on the archive's first sealed entry:
// kResultArchiveUnreadable the archive cannot be opened, kResultArchiveEmpty
// it has no entries, kResultPasswordOpens the password opens the entry (or
// nothing in the archive is sealed), else ReadZipEntry's failure result.
int32_t TestArchivePassword(const std::string& archivePath, const std::string& password);

}  // namespace ORB
