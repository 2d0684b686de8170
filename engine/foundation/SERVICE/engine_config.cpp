#include "engine/foundation/SERVICE/engine_config.h"

#include <fcntl.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/regular_file.h"
#include "engine/foundation/replace_file.h"

namespace ORB {

namespace {

constexpr char kFileName[] = "config.xml";
// Far more than the three values the file holds.
constexpr uint64_t kMaxFileBytes = 1024 * 1024;

std::string SafeFolderName(std::string name) {
  for (char& c : name) {
    if (c == '/' || c == '\\') c = '_';
  }
  if (name.empty() || name == "." || name == "..") name = "_" + name;
  return name;
}

// "width height", blanks around and between; false unless both are numbers.
bool ParseResolution(const char* text, Point& out) {
  std::string_view rest(text);
  int32_t values[2] = {0, 0};
  for (int32_t& value : values) {
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc()) return false;
    rest.remove_prefix(static_cast<size_t>(end - rest.data()));
  }
  out = Point(values[0], values[1]);
  return true;
}

}  // namespace

std::string ConfigPath(const std::string& app_data_folder, const AppSettings& settings) {
  return app_data_folder + "/" + SafeFolderName(settings.company_name) + "/" +
         SafeFolderName(settings.game_name) + "/" + kFileName;
}

bool SaveConfig(const std::string& app_data_folder, const AppSettings& settings) {
  if (app_data_folder.empty()) return false;
  const std::filesystem::path path = ConfigPath(app_data_folder, settings);

  pugi::xml_document document;
  pugi::xml_node root = document.append_child("vorlane_settings");
  root.append_attribute("game_name") = settings.game_name.c_str();
  root.append_attribute("company_name") = settings.company_name.c_str();
  const std::string resolution =
      std::to_string(settings.resolution.x) + " " + std::to_string(settings.resolution.y);
  root.append_attribute("resolution") = resolution.c_str();

  std::ostringstream text;
  document.save(text, "", pugi::format_raw | pugi::format_write_bom, pugi::encoding_utf8);
  const std::string bytes = text.str();
  return ReplaceFile(path.string(), path.string() + ".tmp", [&bytes](SaveFile& stream) {
    stream.WriteBytes(bytes.data(), bytes.size());
    return true;
  });
}

bool LoadConfig(const std::string& app_data_folder, AppSettings& settings) {
  if (app_data_folder.empty()) return false;
  const std::string path = ConfigPath(app_data_folder, settings);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) SaveConfig(app_data_folder, settings);

  RegularFile file;
  std::vector<uint8_t> bytes;
  if (file.Open(path, O_RDONLY, "engine") != RegularFile::Status::kOpen ||
      !file.ReadAll(bytes, kMaxFileBytes)) {
    return false;
  }
  pugi::xml_document document;
  if (!document.load_buffer(bytes.data(), bytes.size())) return false;
  const pugi::xml_node root = document.first_child();
  if (!root) return false;
  if (const pugi::xml_attribute name = root.attribute("game_name"); name) {
    settings.game_name = name.value();
  }
  if (const pugi::xml_attribute company = root.attribute("company_name"); company) {
    settings.company_name = company.value();
  }
  Point resolution;
  if (ParseResolution(root.attribute("resolution").value(), resolution) && resolution.x > 0 &&
      resolution.y > 0) {
    settings.resolution = resolution;
  }
  return true;
}

}  // namespace ORB
