// libFuzzer target for "config.xml": any file is read without a crash, and
// whatever settings it gave are saved and read back unchanged.
#include <cstddef>
#include <cstdint>

#include "engine/foundation/SERVICE/app_settings.h"
#include "engine/foundation/SERVICE/engine_config.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string folder = fuzz_support::ScratchFolder("config_fuzz").string();
  ORB::AppSettings settings;
  fuzz_support::WriteFile(ORB::ConfigPath(folder, settings), data, size);
  ORB::LoadConfig(folder, settings);
  // The names read may name another file: the settings saved under them
  // must read back as they are.
  if (!ORB::SaveConfig(folder, settings)) return 0;
  ORB::AppSettings again;
  again.game_name = settings.game_name;
  again.company_name = settings.company_name;
  if (!ORB::LoadConfig(folder, again)) fuzz_support::Broken("a saved file reads back");
  if (again.game_name != settings.game_name || again.company_name != settings.company_name ||
      again.resolution != settings.resolution) {
    fuzz_support::Broken("a saved file reads back unchanged");
  }
  return 0;
}
