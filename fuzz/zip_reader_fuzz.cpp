// libFuzzer target for the zip reader: any file is listed and each of its
// entries read, with no password, the right one and a wrong one, without a
// crash; results are only the documented codes, and a read entry ends in a
// zero byte after its size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/zip_archive.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = (fuzz_support::ScratchFolder("zip_fuzz") / "archive").string();
  fuzz_support::WriteFile(path, data, size);
  ORB::GetFileSignature(path);
  std::vector<std::string> names;
  ORB::ListZipEntries(path, names);
  if (names.size() > 64) names.resize(64);
  for (const std::string& name : names) {
    for (const char* password : {"", "secret", "wrong"}) {
      std::vector<uint8_t> bytes;
      uint32_t read = 0;
      const int32_t result = ORB::ReadZipEntry(path, name, password, bytes, read);
      if (result != 1 && result != -1 && result != -108 && result != -109) {
        fuzz_support::Broken("only the documented results");
      }
      if (result == 1 && (bytes.size() != static_cast<size_t>(read) + 1 || bytes.back() != 0)) {
        fuzz_support::Broken("an entry read is followed by one zero byte");
      }
    }
  }
  ORB::TestArchivePassword(path, "secret");
  return 0;
}
