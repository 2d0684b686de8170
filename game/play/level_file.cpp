#include "game/play/level_file.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "engine/platform/log.h"
#include "game/play/element.h"

namespace game {

namespace {

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' ||
                           text.front() == '\r')) {
    text.remove_prefix(1);
  }
  return text;
}

// Reads one number at the start of `text` (after blanks) and moves past it.
template <typename T>
bool ReadNumber(std::string_view& text, T& value) {
  text = SkipBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const char* first = text.data();
  const char* last = first + text.size();
  const auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc() || result.ptr == first) return false;
  text.remove_prefix(static_cast<size_t>(result.ptr - first));
  return true;
}

template <typename T>
bool ReadPair(const char* source, T& x, T& y) {
  std::string_view text(source);
  if (!ReadNumber(text, x) || !ReadNumber(text, y)) return false;
  return SkipBlanks(text).empty();
}

template <typename T>
bool ReadOne(const char* source, T& value) {
  std::string_view text(source);
  if (!ReadNumber(text, value)) return false;
  return SkipBlanks(text).empty();
}

bool IsFinite(const ORB::Vector2& v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// A file name of the board's folder: nothing that could reach another folder
// or split the repository name ("folder file") it is joined into.
bool IsPlainXmlName(std::string_view name) {
  constexpr std::string_view kSuffix = ".xml";
  if (name.size() <= kSuffix.size() || name.substr(name.size() - kSuffix.size()) != kSuffix) {
    return false;
  }
  if (name.front() == '.') return false;
  for (const char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-' || c == '.';
    if (!plain) return false;
  }
  return true;
}

}  // namespace

bool LevelFile::Fail(const std::string& reason) {
  error_ = "Level \"" + file_name_ + "\" refused: " + reason;
  numbers_file_.clear();
  cell_types_.clear();
  picture_cells_ = 0;
  return false;
}

bool LevelFile::Read(const pugi::xml_document& document, const std::string& fileName) {
  file_name_ = fileName;
  error_.clear();
  settings_ = BoardSettings();
  numbers_file_.clear();
  cell_types_.clear();
  picture_cells_ = 0;

  const pugi::xml_node root = document.document_element();
  const pugi::xml_node settings = root.child("settings");
  const pugi::xml_node elements = root.child("gElements");
  if (!settings) return Fail("no \"settings\"");
  if (!elements) return Fail("no \"gElements\"");

  for (const char* name : {"elSize", "grid", "block", "shiftBlock", "position", "bonuses"}) {
    if (!settings.attribute(name)) return Fail(std::string("no \"") + name + "\" in \"settings\"");
  }
  block_ = settings.child("block");
  selection_ = settings.child("selection");
  selection_yes_ = settings.child("selection_yes");
  selection_no_ = settings.child("selection_no");
  for (const char* name : {"block", "selection", "selection_yes", "selection_no"}) {
    if (!settings.child(name))
      return Fail(std::string("no sprite \"") + name + "\" in \"settings\"");
  }

  BoardSettings& s = settings_;
  if (!ReadPair(settings.attribute("elSize").value(), s.elSize.x, s.elSize.y) ||
      !IsFinite(s.elSize)) {
    return Fail("\"elSize\" is not two numbers");
  }
  if (!ReadPair(settings.attribute("position").value(), s.position.x, s.position.y) ||
      !IsFinite(s.position)) {
    return Fail("\"position\" is not two numbers");
  }
  if (!ReadPair(settings.attribute("grid").value(), s.grid.x, s.grid.y)) {
    return Fail("\"grid\" is not two whole numbers");
  }
  if (!ReadPair(settings.attribute("block").value(), s.block.x, s.block.y)) {
    return Fail("\"block\" is not two whole numbers");
  }
  if (!ReadPair(settings.attribute("shiftBlock").value(), s.shiftBlock.x, s.shiftBlock.y)) {
    return Fail("\"shiftBlock\" is not two whole numbers");
  }
  if (const pugi::xml_attribute numbers = settings.attribute("numbers")) {
    if (!IsPlainXmlName(numbers.value())) {
      return Fail("\"numbers\" is not the name of a file of the board's folder");
    }
    numbers_file_ = numbers.value();
  }
  int64_t bonuses = 0;
  if (!ReadOne(settings.attribute("bonuses").value(), bonuses) || bonuses < 0) {
    return Fail("\"bonuses\" is not a whole number of at least 0");
  }

  if (s.grid.x <= 0 || s.grid.y <= 0) return Fail("the grid size is not positive");
  if (s.grid.x > kMaxSide || s.grid.y > kMaxSide) return Fail("the grid is too large");
  if (!(s.elSize.x > 0.0f) || !(s.elSize.y > 0.0f)) return Fail("the cell size is not positive");
  if (s.elSize.x > kMaxCellSize || s.elSize.y > kMaxCellSize)
    return Fail("the cell size is too large");
  if (s.shiftBlock.x < -kMaxShift || s.shiftBlock.x > kMaxShift || s.shiftBlock.y < -kMaxShift ||
      s.shiftBlock.y > kMaxShift) {
    return Fail("the block shift is too large");
  }
  if (std::fabs(s.position.x) > kMaxPosition || std::fabs(s.position.y) > kMaxPosition) {
    return Fail("the position is too far off");
  }
  if (s.block.x < 0 || s.block.y < 0) return Fail("the block size is negative");
  // A shift as large as a whole block would stack the blocks on one another.
  const int32_t blockX = s.block.x == 0 || s.block.x > s.grid.x ? s.grid.x : s.block.x;
  const int32_t blockY = s.block.y == 0 || s.block.y > s.grid.y ? s.grid.y : s.block.y;
  if (static_cast<double>(s.shiftBlock.x) >= blockX * static_cast<double>(s.elSize.x) ||
      static_cast<double>(s.shiftBlock.y) >= blockY * static_cast<double>(s.elSize.y)) {
    return Fail("the block shift is as large as a block");
  }

  const int64_t expected = static_cast<int64_t>(s.grid.x) * s.grid.y;
  int64_t count = 0;
  for (const pugi::xml_node cell : elements.children()) {
    if (cell.type() != pugi::node_element) continue;
    ++count;
    if (count > expected) break;
    const pugi::xml_attribute type = cell.attribute("type");
    uint32_t value = 0;
    if (!type || !ReadOne(type.value(), value) ||
        (value != GG_ELEMENT::kFilled && value != GG_ELEMENT::kEmpty &&
         value != GG_ELEMENT::kInert)) {
      return Fail("cell " + std::to_string(count - 1) + " has an unknown type \"" +
                  std::string(type.value()) + "\"");
    }
    if (value == GG_ELEMENT::kFilled) ++picture_cells_;
    cell_types_.push_back(value);
  }
  if (count != expected) {
    return Fail("it has " +
                (count > expected ? std::string("more than ") + std::to_string(expected)
                                  : std::to_string(count)) +
                " cells for a grid of " + std::to_string(s.grid.x) + " x " +
                std::to_string(s.grid.y));
  }
  if (picture_cells_ == 0) return Fail("no cell belongs to the picture");

  if (bonuses > picture_cells_) {
    ORB::Log(ORB::LogLevel::kWarning, "level",
             file_name_ + ": " + std::to_string(bonuses) + " bonus cells for " +
                 std::to_string(picture_cells_) + " picture cells; cut to " +
                 std::to_string(picture_cells_));
  }
  s.bonuses = static_cast<uint32_t>(bonuses < picture_cells_ ? bonuses : picture_cells_);
  s.ComputeLayout();
  return true;
}

}  // namespace game
