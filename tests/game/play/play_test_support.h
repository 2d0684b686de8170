#pragma once
// Helpers for the board tests: levels written as pictures of text, and a
// host that serves documents from memory.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "game/play/gameplay_host.h"

namespace game::testing {

struct LevelText {
  std::vector<std::string> rows;  // '#' picture cell, '.' empty cell, '/' inert cell
  std::string elSize = "40 40";
  std::string block = "5 5";
  std::string shiftBlock = "-4 -4";
  std::string position = "500 400";
  std::string bonuses = "0";
};

// A level file for the picture.
inline std::string LevelXml(const LevelText& level) {
  std::string xml = "<level><settings elSize=\"" + level.elSize + "\" grid=\"" +
                    std::to_string(level.rows.empty() ? 0 : level.rows[0].size()) + " " +
                    std::to_string(level.rows.size()) + "\" block=\"" + level.block +
                    "\" shiftBlock=\"" + level.shiftBlock + "\" position=\"" + level.position +
                    "\" bonuses=\"" + level.bonuses + "\">" +
                    "<block><FILE>block.png</FILE></block><selection><FILE>sel.png</FILE></selection>"
                    "<selection_yes><FILE>yes.png</FILE></selection_yes>"
                    "<selection_no><FILE>no.png</FILE></selection_no></settings><gElements>";
  for (const std::string& row : level.rows) {
    for (const char c : row) {
      const char* type = c == '#' ? "100" : c == '/' ? "103" : "101";
      xml += std::string("<element type=\"") + type + "\"/>";
    }
  }
  xml += "</gElements></level>";
  return xml;
}

inline const char* kNumbersXml =
    "<numbers><numbersLeft font=\"clue20\" font_color=\"255 46 52 64\" font_cross=\"FFBDB5A8\" "
    "interval=\"22\" shift_first=\"14 20\"/>"
    "<numbersUp font=\"clue20\" font_color=\"255 46 52 64\" font_cross=\"FFBDB5A8\" "
    "interval=\"24\" shift_first=\"20 16\"/></numbers>";

inline const char* kSettingsXml = "<settings sunime_one=\"2\" sunime_bonus=\"10\" max_hints=\"4\"/>";
inline const char* kEffectsXml =
    "<effects><effect_open_cell anim_delay=\"0.05\"/><end_level_effect speed=\"800\"/></effects>";

class FakeHost : public cGameplayHost {
 public:
  FakeHost() {
    files_["data/share/main/GameProcess numbers.xml"] = kNumbersXml;
    files_["data/share/main/GameProcess settings.xml"] = kSettingsXml;
    files_["data/share/main/GameProcess effects.xml"] = kEffectsXml;
  }

  void SetFile(const std::string& name, const std::string& text) { files_[name] = text; }
  void RemoveFile(const std::string& name) { files_.erase(name); }

  pugi::xml_document* GetDocument(const std::string& name) override {
    const auto found = files_.find(name);
    if (found == files_.end()) return nullptr;
    auto document = std::make_unique<pugi::xml_document>();
    if (!document->load_string(found->second.c_str())) return nullptr;
    pugi::xml_document* result = document.get();
    open_.push_back(std::move(document));
    return result;
  }
  void ReleaseDocument(pugi::xml_document* document) override {
    for (auto it = open_.begin(); it != open_.end(); ++it) {
      if (it->get() == document) {
        open_.erase(it);
        return;
      }
    }
    ++unknown_releases;
  }
  size_t OpenDocuments() const { return open_.size(); }

  // The records are never looked into by the screen; any distinct address
  // stands for one.
  GG_PLAYER* GetCurrentPlayer() override {
    return has_player ? reinterpret_cast<GG_PLAYER*>(&player_slot_) : nullptr;
  }
  int32_t GetCurrentPackId() override { return pack_id; }
  int32_t GetCurrentLevelId() override { return level_id; }
  gPackState* FindPackState(int32_t) override {
    return has_pack ? reinterpret_cast<gPackState*>(&pack_slot_) : nullptr;
  }
  gLevelRecord* FindLevelRecord(int32_t, int32_t) override { return nullptr; }
  void PlaySound(const std::string& name) override { sounds.push_back(name); }
  ORB::OC_FONT* FindFont(const std::string& name) override {
    const auto found = fonts.find(name);
    return found == fonts.end() ? nullptr : found->second;
  }

  bool has_player = true;
  bool has_pack = true;
  int32_t pack_id = 0;
  int32_t level_id = 3;
  int unknown_releases = 0;
  std::vector<std::string> sounds;
  std::map<std::string, ORB::OC_FONT*> fonts;

 private:
  std::map<std::string, std::string> files_;
  std::vector<std::unique_ptr<pugi::xml_document>> open_;
  int player_slot_ = 0;
  int pack_slot_ = 0;
};

}  // namespace game::testing
