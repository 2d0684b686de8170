#include "game/records/statistics.h"

#include <algorithm>

namespace game {

namespace {

void ReadUnsigned(const pugi::xml_node& element, const char* name, uint32_t& value) {
  if (const pugi::xml_attribute attribute = element.attribute(name))
    value = attribute.as_uint(value);
}

}  // namespace

void gStatistics::AddScore(uint32_t n) {
  score = n > UINT32_MAX - score ? UINT32_MAX : score + n;
  max_score = std::max(max_score, score);
}

std::wstring gStatistics::GetScoreText() const { return std::to_wstring(score); }

void gStatistics::Load(const pugi::xml_node& element) {
  ReadUnsigned(element, "health", health);
  ReadUnsigned(element, "score", score);
  ReadUnsigned(element, "max_score", max_score);
  ReadUnsigned(element, "hint_use", hint_use);
  ReadUnsigned(element, "without_hint_max", without_hint_max);
  ReadUnsigned(element, "without_hint", without_hint);
  ReadUnsigned(element, "without_error_max", without_error_max);
  ReadUnsigned(element, "without_error", without_error);
  ReadUnsigned(element, "bad_level_max", bad_level_max);
  ReadUnsigned(element, "bad_level", bad_level);
  if (const pugi::xml_attribute time = element.attribute("min_level_time")) {
    min_level_time = time.as_float(min_level_time);
  }
}

void gStatistics::Save(pugi::xml_node element) const {
  element.append_attribute("health").set_value(health);
  element.append_attribute("score").set_value(score);
  element.append_attribute("max_score").set_value(max_score);
  element.append_attribute("hint_use").set_value(hint_use);
  element.append_attribute("without_hint_max").set_value(without_hint_max);
  element.append_attribute("without_hint").set_value(without_hint);
  element.append_attribute("without_error_max").set_value(without_error_max);
  element.append_attribute("without_error").set_value(without_error);
  element.append_attribute("bad_level_max").set_value(bad_level_max);
  element.append_attribute("bad_level").set_value(bad_level);
  element.append_attribute("min_level_time").set_value(min_level_time);
}

void gStatistics::WriteToStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) const {
  stream.Write(health);
  stream.Write(score);
  stream.Write(hint_use);
  stream.Write(without_hint_max);
  stream.Write(without_hint);
  stream.Write(without_error_max);
  stream.Write(without_error);
  stream.Write(bad_level_max);
  stream.Write(bad_level);
  stream.Write(min_level_time);
  if (layout.has_max_score) stream.Write(max_score);
}

bool gStatistics::ReadFromStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) {
  gStatistics read;
  if (!stream.Read(read.health) || !stream.Read(read.score) || !stream.Read(read.hint_use) ||
      !stream.Read(read.without_hint_max) || !stream.Read(read.without_hint) ||
      !stream.Read(read.without_error_max) || !stream.Read(read.without_error) ||
      !stream.Read(read.bad_level_max) || !stream.Read(read.bad_level) ||
      !stream.Read(read.min_level_time)) {
    return false;
  }
  if (layout.has_max_score) {
    if (!stream.Read(read.max_score)) return false;
  } else {
    read.max_score = read.score;
  }
  *this = read;
  return true;
}

}  // namespace game
