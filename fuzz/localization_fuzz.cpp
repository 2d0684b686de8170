// libFuzzer target for the localization table: any sheet is read in both
// ways without a crash (deep nesting included), and every key read finds a
// value.
#include <cstddef>
#include <cstdint>

#include "engine/foundation/localization.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pugi::xml_document document;
  if (!fuzz_support::ParseXml(data, size, document)) return 0;
  ORB::OC_LOCALIZATION table;
  const int32_t count = table.LoadColumns(document, 0, 0);
  if (count != table.Count() || count < 0) fuzz_support::Broken("the count is the entries read");
  for (const ORB::LocalizationEntry& entry : table.Entries()) table.Find(entry.key);
  table.FindByRow(1);
  table.LoadLanguage(document, 0, "en", "de");
  table.Find("localization_key");
  return 0;
}
