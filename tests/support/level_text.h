#pragma once
// Levels for the board tests, drawn as text, and the screen's GameProcess
// files in their smallest form.
//
//   test_support::LevelText text;
//   text.rows = {"#.", "/#"};   // '#' picture cell, '.' empty cell, '/' inert cell
//   host.SetFile("level.xml", test_support::LevelXml(text));
#include <string>
#include <vector>

namespace test_support {

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
  std::string xml =
      "<level><settings elSize=\"" + level.elSize + "\" grid=\"" +
      std::to_string(level.rows.empty() ? 0 : level.rows[0].size()) + " " +
      std::to_string(level.rows.size()) + "\" block=\"" + level.block + "\" shiftBlock=\"" +
      level.shiftBlock + "\" position=\"" + level.position + "\" bonuses=\"" + level.bonuses +
      "\">" +
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

inline const char* kSettingsXml =
    "<settings sunime_one=\"2\" sunime_bonus=\"10\" max_hints=\"4\"/>";
inline const char* kEffectsXml =
    "<effects><effect_open_cell anim_delay=\"0.05\"/><end_level_effect speed=\"800\"/></effects>";

}  // namespace test_support
