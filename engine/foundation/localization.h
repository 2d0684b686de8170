#pragma once
// The program's user-visible texts as key/value pairs, read from a
// spreadsheet saved as XML ("Workbook" / "Worksheet" / "Table" / "Row" / cell
// / data element). A key that is missing never fails: it yields "etwas".
#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ORB {

struct LocalizationEntry {
  int32_t row = 0;    // 1-based position among the rows read
  std::string key;    // UTF-8, as in the document
  std::string value;  // UTF-8, as in the document
};

class OC_LOCALIZATION {
 public:
  // The text of every key that is missing.
  static constexpr const char* kMissing = "etwas";

  OC_LOCALIZATION() = default;

  // Reads every row from the first one: the cell at `keyColumn` (0 means 1)
  // is the key, the one at `valueColumn` (0 means 2) the value. A cell's
  // column is its position in its row, counted from 1. Replaces what the
  // table held; answers the entry count.
  [[nodiscard]] int32_t LoadColumns(const pugi::xml_document& document, int32_t keyColumn,
                                    int32_t valueColumn);
  // The first row is a header whose cell at `keyColumn` (0 means 1) reads
  // "localization_key"; the value column is the header cell that names
  // `language`, else the one that names `fallback`. Reads the rows after the
  // header; answers the entry count, or 0 (and the table is left empty) when
  // neither language has a column. A missing header or language is logged.
  int32_t LoadLanguage(const pugi::xml_document& document, int32_t keyColumn,
                       const std::string& language, const std::string& fallback);

  // The value of the first entry with that key, byte for byte; "etwas" when none.
  const std::string& Find(const std::string& key) const;
  std::string Get(const std::string& key) const { return Find(key); }
  // The value of the first entry with that row number; "etwas" when none.
  const std::string& FindByRow(int32_t row) const;

  // Deletes every entry; 0.
  int32_t Clear();

  int32_t Count() const { return count_; }
  const std::vector<LocalizationEntry>& Entries() const { return entries_; }
  int32_t KeyColumn() const { return key_column_; }
  int32_t ValueColumn() const { return value_column_; }

 private:
  int32_t ReadRows(pugi::xml_node firstRow);

  std::vector<LocalizationEntry> entries_;
  int32_t count_ = 0;
  int32_t key_column_ = 0;
  int32_t value_column_ = 0;
};

}  // namespace ORB
