#include "engine/foundation/split_string.h"

#include <cctype>

namespace ORB {

namespace {

void SplitInto(std::string_view text, std::string_view separator, std::vector<std::string>& parts,
               bool dropSeparator) {
  if (separator.empty()) {
    if (!text.empty()) parts.emplace_back(text);
    return;
  }
  while (!text.empty()) {
    const size_t at = text.find(separator);
    if (at == std::string_view::npos) {
      parts.emplace_back(text);
      return;
    }
    const size_t end = at + separator.size();
    parts.emplace_back(text.substr(0, dropSeparator ? at : end));
    text.remove_prefix(end);
  }
}

}  // namespace

void SplitString(std::string* text, std::string_view separator, std::vector<std::string>& parts,
                 bool dropSeparator) {
  if (text == nullptr) return;
  SplitInto(*text, separator, parts, dropSeparator);
  text->clear();
}

void SplitString(std::string_view text, std::string_view separator, std::vector<std::string>& parts,
                 bool dropSeparator) {
  // The text may be a view into one of the parts about to be cleared.
  const std::string copy(text);
  parts.clear();
  SplitInto(copy, separator, parts, dropSeparator);
}

std::vector<std::string> SplitString(std::string_view text, std::string_view separator,
                                     bool dropSeparator) {
  std::vector<std::string> parts;
  SplitInto(text, separator, parts, dropSeparator);
  return parts;
}

std::vector<std::string_view> SplitWords(std::string_view text) {
  const auto space = [&text](size_t at) {
    return std::isspace(static_cast<unsigned char>(text[at])) != 0;
  };
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && space(at)) ++at;
    const size_t start = at;
    while (at < text.size() && !space(at)) ++at;
    if (at > start) words.push_back(text.substr(start, at - start));
  }
  return words;
}

}  // namespace ORB
