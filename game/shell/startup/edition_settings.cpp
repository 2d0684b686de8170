#include "game/shell/startup/edition_settings.h"

#include <cstring>

#include "engine/platform/log.h"
#include "game/shell/startup/game_document.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

EditionSettings& Record() {
  static EditionSettings settings;
  return settings;
}

int32_t PlatformCode(const char* type) {
  switch (type[0]) {
    case 'o': return 1;
    case 'i': return 2;
    case 'a': return 3;
    default: return 0;
  }
}

std::string File(const pugi::xml_node& element, const char* child) {
  return element.child(child).attribute("file").as_string();
}

std::string Param(const pugi::xml_node& element, const char* child) {
  return element.child(child).attribute("param").as_string();
}

bool Switch(const pugi::xml_node& element, const char* child) {
  return element.child(child).attribute("param").as_bool();
}

}  // namespace

const EditionSettings& GetEditionSettings() { return Record(); }

bool HasInAppConfig() { return !Record().inapp.empty(); }

bool LoadEditionSettings(const pugi::xml_node& element, std::string* missing) {
  if (std::strcmp(element.name(), "edition") != 0) {
    if (missing != nullptr) *missing = "edition";
    return false;
  }
  for (const char* child : kRequiredEditionChildren) {
    if (!element.child(child)) {
      if (missing != nullptr) *missing = child;
      return false;
    }
  }
  EditionSettings read;
  read.platform = PlatformCode(element.child("platform").attribute("type").as_string());
  read.scenes = File(element, "scenes");
  read.store = File(element, "store");
  read.tutorial = File(element, "tutorial");
  read.trophies = File(element, "trophies");
  read.inapp = File(element, "inapp");
  read.ad = File(element, "ad");
  read.player = File(element, "player");
  read.leaderboard = File(element, "leaderboard");
  read.url_file = Param(element, "url_file");
  read.exe_file = Param(element, "exe_file");
  read.heart = Switch(element, "heart");
  read.pack_logic_stars = Switch(element, "pack_logic_stars");
  read.store_button = Switch(element, "store_button");
  read.free = Switch(element, "free");
  read.default_player = Switch(element, "default_player");
  read.run_if_url_lost = Switch(element, "run_if_url_lost");
  read.run_if_exe_lost = Switch(element, "run_if_exe_lost");
  Record() = std::move(read);
  return true;
}

bool LoadEditions(const pugi::xml_document& document, const std::string& edition) {
  const std::string where = std::string(kEditionsFile) + ": edition \"" + edition + "\"";
  for (const pugi::xml_node element : document.document_element().children()) {
    if (element.type() != pugi::node_element || edition != element.attribute("type").as_string()) {
      continue;
    }
    std::string missing;
    if (LoadEditionSettings(element, &missing)) return true;
    ORB::Log(ORB::LogLevel::kError, "game",
             missing == "edition" ? where + " is a <" + element.name() + ">, not an <edition>"
                                  : where + " lacks \"" + missing + "\"");
    return false;
  }
  ORB::Log(ORB::LogLevel::kError, "game", where + " is not listed");
  return false;
}

bool LoadEditions() {
  return ReadGameDocument(kEditionsFile, [](const pugi::xml_document& document) {
    return LoadEditions(document, GetGameSettings().edition);
  });
}

}  // namespace game
