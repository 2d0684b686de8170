#include "engine/foundation/localization.h"

#include "engine/platform/log.h"

namespace ORB {

namespace {

const char kKeyHeader[] = "localization_key";

const std::string& MissingText() {
  static const std::string text = OC_LOCALIZATION::kMissing;
  return text;
}

pugi::xml_node FirstRow(const pugi::xml_document& document) {
  return document.child("Workbook").child("Worksheet").child("Table").child("Row");
}

pugi::xml_node FirstElement(pugi::xml_node node) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element) return child;
  }
  return pugi::xml_node();
}

pugi::xml_node NextElement(pugi::xml_node node) {
  for (pugi::xml_node next = node.next_sibling(); next; next = next.next_sibling()) {
    if (next.type() == pugi::node_element) return next;
  }
  return pugi::xml_node();
}

// All text inside the node, in document order (a cell's data element may
// wrap parts of its text in formatting elements). The walk follows the tree's
// own links instead of recursing, so no nesting depth can exhaust the stack.
void AppendText(pugi::xml_node node, std::string& text) {
  pugi::xml_node at = node.first_child();
  while (at) {
    if (at.type() == pugi::node_pcdata || at.type() == pugi::node_cdata) {
      text += at.value();
    } else if (at.type() == pugi::node_element && at.first_child()) {
      at = at.first_child();
      continue;
    }
    // On to the next sibling, climbing out of finished elements.
    while (at != node && !at.next_sibling()) at = at.parent();
    if (at == node) break;
    at = at.next_sibling();
  }
}

// The text of the cell's first child element (its data element).
std::string CellText(pugi::xml_node cell) {
  std::string text;
  const pugi::xml_node data = FirstElement(cell);
  if (data) AppendText(data, text);
  return text;
}

// The cell at the 1-based column of the row, counting every child element.
pugi::xml_node CellAt(pugi::xml_node row, int32_t column) {
  int32_t index = 1;
  for (pugi::xml_node cell = FirstElement(row); cell; cell = NextElement(cell), ++index) {
    if (index == column) return cell;
  }
  return pugi::xml_node();
}

// The 1-based column of the row's first cell reading `text`; 0 when none.
int32_t ColumnOf(pugi::xml_node row, const std::string& text) {
  if (text.empty()) return 0;
  int32_t index = 1;
  for (pugi::xml_node cell = FirstElement(row); cell; cell = NextElement(cell), ++index) {
    if (CellText(cell) == text) return index;
  }
  return 0;
}

}  // namespace

int32_t OC_LOCALIZATION::ReadRows(pugi::xml_node firstRow) {
  int32_t rowNumber = 0;
  for (pugi::xml_node row = firstRow; row; row = row.next_sibling("Row")) {
    LocalizationEntry entry;
    entry.row = ++rowNumber;
    int32_t column = 1;
    for (pugi::xml_node cell = FirstElement(row); cell; cell = NextElement(cell), ++column) {
      if (column == key_column_) entry.key = CellText(cell);
      if (column == value_column_) entry.value = CellText(cell);
    }
    entries_.push_back(std::move(entry));
  }
  count_ = static_cast<int32_t>(entries_.size());
  return count_;
}

int32_t OC_LOCALIZATION::LoadColumns(const pugi::xml_document& document, int32_t keyColumn,
                                     int32_t valueColumn) {
  Clear();
  key_column_ = keyColumn == 0 ? 1 : keyColumn;
  value_column_ = valueColumn == 0 ? 2 : valueColumn;
  return ReadRows(FirstRow(document));
}

int32_t OC_LOCALIZATION::LoadLanguage(const pugi::xml_document& document, int32_t keyColumn,
                                      const std::string& language, const std::string& fallback) {
  Clear();
  key_column_ = keyColumn == 0 ? 1 : keyColumn;
  const pugi::xml_node header = FirstRow(document);
  if (!header || CellText(CellAt(header, key_column_)) != kKeyHeader) {
    Log(LogLevel::kWarning, "strings",
        "the header's column " + std::to_string(key_column_) + " does not read \"" + kKeyHeader +
            "\"; no strings read");
    value_column_ = 2;
    return 0;
  }
  value_column_ = ColumnOf(header, language);
  if (value_column_ == 0) {
    Log(LogLevel::kWarning, "strings",
        "no column for \"" + language + "\"; \"" + fallback + "\" stands in");
    value_column_ = ColumnOf(header, fallback);
  }
  if (value_column_ == 0) {
    Log(LogLevel::kWarning, "strings", "no column for \"" + fallback + "\" either; no strings read");
    value_column_ = 2;
    return 0;
  }
  return ReadRows(header.next_sibling("Row"));
}

const std::string& OC_LOCALIZATION::Find(const std::string& key) const {
  for (const LocalizationEntry& entry : entries_) {
    if (entry.key == key) return entry.value;
  }
  return MissingText();
}

const std::string& OC_LOCALIZATION::FindByRow(int32_t row) const {
  for (const LocalizationEntry& entry : entries_) {
    if (entry.row == row) return entry.value;
  }
  return MissingText();
}

int32_t OC_LOCALIZATION::Clear() {
  entries_.clear();
  count_ = 0;
  return 0;
}

}  // namespace ORB
