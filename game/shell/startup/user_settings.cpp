#include "game/shell/startup/user_settings.h"

#include <fcntl.h>

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/regular_file.h"
#include "engine/foundation/replace_file.h"
#include "engine/platform/log.h"
#include "game/records/players_file_layout.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/save_folder.h"

namespace game {

namespace {

// Far more than the two values the file holds.
constexpr uint64_t kMaxUserSettingsBytes = 64 * 1024;

}  // namespace

bool LoadGameSettings(const std::string& name) {
  GameSettings& settings = GetGameSettings();
  settings.user_version.reset();
  const std::string folder = GetSaveFolder();
  if (folder.empty()) return false;
  const std::string path = folder + name;
  // A link that leads nowhere counts as something under the name.
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return false;

  // Only a regular file of a settings file's size is read; anything else
  // under the name is refused with its own line, and the defaults stand
  // (the next save moves it aside, ReplaceFile).
  ORB::RegularFile file;
  const ORB::RegularFile::Status opened = file.Open(path, O_RDONLY, "game");
  if (opened == ORB::RegularFile::Status::kNotRegular) return true;
  std::vector<uint8_t> bytes;
  if (opened != ORB::RegularFile::Status::kOpen || !file.ReadAll(bytes, kMaxUserSettingsBytes)) {
    ORB::Log(ORB::LogLevel::kWarning, "game",
             path + " cannot be read (not a settings file); the defaults stand");
    return true;
  }
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer(bytes.data(), bytes.size());
  if (!parsed) {
    ORB::Log(ORB::LogLevel::kWarning, "game",
             path + " cannot be read (" + parsed.description() + "); the defaults stand");
    return true;
  }
  const pugi::xml_node root = document.document_element();
  if (const pugi::xml_node fullscreen = root.child("fullscreen")) {
    settings.fullscreen = fullscreen.attribute("value").as_bool();
  }
  if (const pugi::xml_node version = root.child("version")) {
    settings.saved_version = version.attribute("value").as_int();
  }
  settings.user_version = settings.saved_version;
  return true;
}

bool SaveGameSettings() {
  const std::string folder = SaveFolderForWriting();
  if (folder.empty()) return false;

  pugi::xml_document document;
  pugi::xml_node root = document.append_child("game");
  root.append_child("fullscreen").append_attribute("value").set_value(GetFullscreen());
  root.append_child("version").append_attribute("value").set_value(kPlayersFileVersion);
  std::ostringstream text;
  document.save(text, "\t", pugi::format_default | pugi::format_write_bom, pugi::encoding_utf8);
  const std::string bytes = text.str();

  const std::string path = folder + kUserSettingsFile;
  const bool saved = ORB::ReplaceFile(path, path + ".tmp", [&bytes](ORB::SaveFile& stream) {
    stream.WriteBytes(bytes.data(), bytes.size());
    return stream.Good();
  });
  if (!saved) {
    ORB::Log(ORB::LogLevel::kError, "game",
             "cannot write " + path + "; the settings saved before are kept");
  }
  return saved;
}

}  // namespace game
