#pragma once
// One round of the players-file reader on arbitrary bytes, shared by the
// fuzz target and the tests. The first byte picks the reader's options (the
// edition's in-app flag and what the settings file said about the version);
// the rest is the file. Answers an empty text when every promise held:
// - the reader answers Loaded or Corrupt, never crashes or hangs;
// - a corrupt file is kept, byte for byte, under its set-aside name, and the
//   list stays empty;
// - a loaded list saves, and what it saved loads again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "engine/platform/clock.h"
#include "game/records/players_list.h"

namespace players_file_check {

inline std::vector<unsigned char> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

inline std::string Check(const std::filesystem::path& folder, const uint8_t* data, size_t size) {
  namespace fs = std::filesystem;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    fs::remove_all(entry.path(), error);

  game::PlayersFileOptions options;
  if (size > 0) {
    options.in_app = (data[0] & 1) != 0;
    switch ((data[0] >> 1) & 3) {
      case 0: options.saved_version = std::nullopt; break;
      case 1: options.saved_version = game::kPlayersFileVersionOld; break;
      default: options.saved_version = game::kPlayersFileVersion; break;
    }
    ++data;
    --size;
  }
  const std::vector<unsigned char> bytes(data, data + size);
  const fs::path file = folder / game::PlayersList::kFileName;
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) return "could not write the input";
  }

  // A fixed calendar, so that hearts refresh the same way on every load.
  ORB::platform::ManualClock clock;
  clock.SetCalendarSeconds(1'700'000'000);
  ORB::platform::SetClock(&clock);
  struct Restore {
    ~Restore() { ORB::platform::SetClock(nullptr); }
  } restore;

  const std::string folder_text = folder.string() + "/";
  game::PlayersList list;
  const game::PlayersFileStatus status = list.Load(folder_text, options);
  if (status == game::PlayersFileStatus::Corrupt) {
    if (list.Count() != 0 || list.GetCurrent() != nullptr) return "a corrupt file left players";
    if (fs::exists(file)) return "a corrupt file was left in place";
    const fs::path aside = folder / (std::string(game::PlayersList::kSetAsidePrefix) + "1");
    if (ReadFile(aside) != bytes) return "a corrupt file was not kept as it was";
    return {};
  }
  if (status != game::PlayersFileStatus::Loaded) return "unexpected status";
  if (list.GetCurrent() == nullptr && list.Count() != 0) return "players without a current one";

  if (!list.Save(folder_text, options.in_app)) return "a loaded list did not save";
  const std::vector<unsigned char> first = ReadFile(file);
  game::PlayersList again;
  if (again.Load(folder_text, {.saved_version = game::kPlayersFileVersion,
                               .in_app = options.in_app}) != game::PlayersFileStatus::Loaded) {
    return "a saved list did not load";
  }
  if (again.GetNames() != list.GetNames()) return "names changed across a save";
  if (!again.Save(folder_text, options.in_app)) return "the second save failed";
  if (ReadFile(file) != first) return "a second save wrote other bytes";
  return {};
}

}  // namespace players_file_check
