#include "engine/foundation/localization.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/repository.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

namespace ORB {
namespace {

// One spreadsheet row from its cells; each cell holds one data element.
std::string Row(const std::vector<std::string>& cells) {
  std::string row = "<Row>";
  for (const std::string& cell : cells) row += "<Cell><Data ss:Type=\"String\">" + cell + "</Data></Cell>";
  return row + "</Row>\n";
}

std::string Workbook(const std::string& rows) {
  return "<?xml version=\"1.0\"?>\n"
         "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
         " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\n"
         "<Worksheet ss:Name=\"strings\"><Table>\n" +
         rows + "</Table></Worksheet></Workbook>\n";
}

const std::string kSheet = Workbook(Row({"localization_key", "en", "de"}) +
                                    Row({"play", "Play", "Spielen"}) +
                                    Row({"title", "Nonogram \xE2\x9C\x93", "Nonogramm"}) +
                                    Row({"play", "Play again", "Nochmal"}) +
                                    "<Row><Cell><Data>rich</Data></Cell><Cell><Data>bold "
                                    "<Font>and</Font> plain</Data></Cell></Row>\n" +
                                    Row({"only_key"}));

pugi::xml_document Parse(const std::string& text) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_string(text.c_str()));
  return document;
}

TEST(LocalizationTest, ColumnsReadEveryRowIncludingTheHeader) {
  const pugi::xml_document document = Parse(kSheet);
  OC_LOCALIZATION table;
  EXPECT_EQ(table.LoadColumns(document, 0, 0), 6);
  EXPECT_EQ(table.Count(), 6);
  EXPECT_EQ(table.KeyColumn(), 1);
  EXPECT_EQ(table.ValueColumn(), 2);
  // The header row is an entry like any other.
  EXPECT_EQ(table.Find("localization_key"), "en");
  // A duplicate key resolves to its first row.
  EXPECT_EQ(table.Find("play"), "Play");
  EXPECT_EQ(table.Find("title"), "Nonogram \xE2\x9C\x93");
  EXPECT_EQ(table.Find("rich"), "bold and plain");
  EXPECT_EQ(table.Find("only_key"), "");
  EXPECT_EQ(table.Find("missing"), "etwas");
  EXPECT_EQ(table.Find("Play"), "etwas") << "keys compare byte for byte";
  EXPECT_EQ(table.Get("title"), "Nonogram \xE2\x9C\x93");
  EXPECT_EQ(table.FindByRow(4), "Play again");
  EXPECT_EQ(table.FindByRow(0), "etwas");
  EXPECT_EQ(table.FindByRow(7), "etwas");

  EXPECT_EQ(table.LoadColumns(document, 1, 3), 6);
  EXPECT_EQ(table.Find("play"), "Spielen");
  EXPECT_EQ(table.Count(), 6) << "a new load replaces the old entries";
  EXPECT_EQ(table.Clear(), 0);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(table.Find("play"), "etwas");
}

TEST(LocalizationTest, TextNestedFarDeeperThanTheStackIsStillCollected) {
  // 110,000 nested formatting elements inside one cell, with text at both
  // ends and in the middle.
  constexpr int kDepth = 110000;
  std::string cell = "<Row><Cell><Data>key</Data></Cell><Cell><Data>a";
  cell.reserve(cell.size() + kDepth * 13 + 64);
  for (int i = 0; i < kDepth; ++i) cell += "<B>";
  cell += "b";
  for (int i = 0; i < kDepth; ++i) cell += "</B>";
  cell += "c</Data></Cell></Row>\n";
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(Workbook(cell).c_str()));
  OC_LOCALIZATION table;
  EXPECT_EQ(table.LoadColumns(document, 0, 0), 1);
  EXPECT_EQ(table.Find("key"), "abc");
}

TEST(LocalizationTest, LanguageColumnsComeFromTheHeader) {
  const pugi::xml_document document = Parse(kSheet);
  OC_LOCALIZATION table;
  EXPECT_EQ(table.LoadLanguage(document, 0, "de", "en"), 5);
  EXPECT_EQ(table.ValueColumn(), 3);
  EXPECT_EQ(table.Find("play"), "Spielen");
  EXPECT_EQ(table.Find("localization_key"), "etwas") << "the header is no entry";
  EXPECT_EQ(table.FindByRow(1), "Spielen");

  EXPECT_EQ(table.LoadLanguage(document, 0, "fr", "en"), 5) << "the fallback's column";
  EXPECT_EQ(table.ValueColumn(), 2);
  EXPECT_EQ(table.Find("play"), "Play");

  EXPECT_EQ(table.LoadLanguage(document, 0, "fr", "it"), 0);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(table.Find("play"), "etwas");
  EXPECT_EQ(table.LoadLanguage(document, 0, "", ""), 0);

  // The key column's header must read "localization_key".
  EXPECT_EQ(table.LoadLanguage(document, 2, "de", "en"), 0);
  const pugi::xml_document other = Parse(Workbook(Row({"key", "en"}) + Row({"a", "b"})));
  EXPECT_EQ(table.LoadLanguage(other, 0, "en", "en"), 0);
}

TEST(LocalizationTest, MissingCellsShiftColumnsAndOddDocumentsGiveEmptyTables) {
  // The first cell is missing: the second is read as column 1.
  const pugi::xml_document shifted = Parse(
      Workbook("<Row><Cell ss:Index=\"2\"><Data>value_only</Data></Cell></Row>\n" +
               Row({"k", "v"}) + "<Row/>\n"));
  OC_LOCALIZATION table;
  EXPECT_EQ(table.LoadColumns(shifted, 0, 0), 3);
  EXPECT_EQ(table.FindByRow(1), "");
  EXPECT_EQ(table.Find("value_only"), "");
  EXPECT_EQ(table.Find("k"), "v");
  EXPECT_EQ(table.Entries()[2].key, "") << "an empty row gives an empty entry";

  for (const std::string& text :
       {std::string("<Workbook/>"), std::string("<Other><Worksheet/></Other>"),
        std::string("<Workbook><Worksheet><Table/></Worksheet></Workbook>")}) {
    EXPECT_EQ(table.LoadColumns(Parse(text), 0, 0), 0) << text;
    EXPECT_EQ(table.LoadLanguage(Parse(text), 0, "en", "de"), 0) << text;
  }
  pugi::xml_document empty;
  EXPECT_EQ(table.LoadColumns(empty, 0, 0), 0);
}

TEST(LocalizationTest, StringsComeFromTheRepository) {
  test_support::TempFolder folder;
  FileSystem files(folder.Path());
  ASSERT_TRUE(files.CreateResourcesFolder());
  test_support::WriteFile(files.GetResourcesFolder() + "text",
                      test_support::Build({{"strings.xml", kSheet, true, "pw"}}));
  OC_REPOSITORY repository(files, nullptr, nullptr);
  ASSERT_EQ(repository.AddFolder("text", "pw"), kResultOk);
  pugi::xml_document* document = repository.GetXml("text strings.xml");
  ASSERT_NE(document, nullptr);
  OC_LOCALIZATION table;
  EXPECT_EQ(table.LoadColumns(*document, 0, 0), 6);
  repository.ReleaseXml(document);
  EXPECT_EQ(repository.UnloadUnused(), 1);
  EXPECT_EQ(table.Find("play"), "Play") << "the table keeps its own copies";
}

}  // namespace
}  // namespace ORB
