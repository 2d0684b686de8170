#include "game/shell/startup/shipped_settings.h"

#include "engine/platform/log.h"
#include "game/shell/startup/folder_name.h"
#include "game/shell/startup/game_document.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

void Refuse(const std::string& name, const std::string& why) {
  ORB::Log(ORB::LogLevel::kError, "game", name + " " + why);
}

}  // namespace

bool LoadShippedSettings(const pugi::xml_document& document, const std::string& name) {
  const pugi::xml_node root = document.document_element();
  std::string values[4];
  const char* const required[4] = {"company", "product", "edition", "lang"};
  for (int i = 0; i < 4; ++i) {
    const pugi::xml_node element = root.child(required[i]);
    if (!element) {
      Refuse(name, std::string("lacks \"") + required[i] + "\"");
      return false;
    }
    values[i] = element.attribute("value").as_string();
  }
  const std::string& company = values[0];
  const std::string& product = values[1];
  const std::string& language = values[3];
  if (product != kProductIdentifier) {
    Refuse(name, "names the product \"" + product + "\", not \"" + kProductIdentifier + "\"");
    return false;
  }
  // The company and the product name the save folder, the language the
  // texts' folder: each must stay one folder.
  if (!IsSafeFolderName(company)) {
    Refuse(name, "names the company \"" + company + "\", which cannot name a folder");
    return false;
  }
  if (!IsSafeFolderName(language)) {
    Refuse(name, "names the language \"" + language + "\", which cannot name a folder");
    return false;
  }

  GameSettings& settings = GetGameSettings();
  settings.company = company;
  settings.product = product;
  settings.edition = values[2];
  settings.language = language;
  settings.data_language = language;
  settings.fullscreen = root.child("fullscreen").attribute("value").as_bool();
  if (const pugi::xml_node ads = root.child("chartboost")) {
    settings.ad_app_id = ads.attribute("app_id").as_string();
    settings.ad_app_signature = ads.attribute("app_signature").as_string();
  }
  return true;
}

bool LoadShippedSettings(const std::string& name) {
  return ReadGameDocument(name, [&](const pugi::xml_document& document) {
    return LoadShippedSettings(document, name);
  });
}

}  // namespace game
