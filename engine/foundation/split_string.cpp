#include "engine/foundation/split_string.h"

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

void SplitString(std::string_view text, std::string_view separator,
                 std::vector<std::string>& parts, bool dropSeparator) {
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

}  // namespace ORB
