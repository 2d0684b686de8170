#pragma once
// Reading of zip entries sealed with the traditional PKWARE cipher. The
// system's minizip is built without decryption, so the archive reader fetches
// such an entry raw (12-byte cipher header plus the sealed payload) and hands
// it here to be opened, expanded and checked.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/result_codes.h"

namespace ORB {

// What the central directory says about the sealed entry.
struct SealedEntryInfo {
  uint32_t flags = 0;              // general purpose bit flag
  uint32_t method = 0;             // 0 stored, 8 deflated
  uint32_t crc = 0;                // CRC-32 of the plain content
  uint32_t dosDate = 0;            // date in the high word, time in the low word
  uint64_t uncompressedSize = 0;
};

// Results beyond kResultOk (opened): kResultCannotOpen the password does
// not open the entry (it is missing or fails the header's check byte, or the
// entry uses a method this reader does not know), kResultDamaged the payload
// is damaged (it does not expand to the promised size or its CRC differs).
// The check byte is all the cipher offers: the one wrong password in 256 that
// passes it reads as kResultDamaged.
// On success `out` holds the plain content followed by one zero byte.
int32_t OpenSealedEntry(const uint8_t* raw, size_t rawSize, const SealedEntryInfo& info,
                        const std::string& password, std::vector<uint8_t>& out);

}  // namespace ORB
