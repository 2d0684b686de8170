// Every reader of a description keeps its defaults for what it cannot use and
// says so in the log: one malformed description per reader, and the line it
// gives.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/ad_placements.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/localization.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/sound_bank.h"
#include "engine/foundation/store.h"
#include "engine/scene/bmfont_reader.h"
#include "framework/trophy_record.h"
#include "game/play/level_file.h"
#include "support/level_text.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace {

pugi::xml_document Parse(const std::string& text) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_string(text.c_str())) << text;
  return document;
}

TEST(DescriptionWarnings, EachReaderLogsWhatItSkips) {
  const struct {
    const char* reader;
    std::function<void()> read;
    const char* line;
  } cases[] = {
      {"level file",
       [] {
         test_support::LevelText text;
         text.rows = {"#.", ".#", "#."};
         text.bonuses.back() = '9';  // "0" by default
         game::LevelFile level;
         EXPECT_TRUE(level.Read(Parse(test_support::LevelXml(text)), "tiny.xml"));
         EXPECT_EQ(level.Settings().bonuses, 3u);
       },
       "level: warning: tiny.xml: 9 bonus cells for 3 picture cells; cut to 3"},
      {"font",
       [] {
         ORB::GlyphMap glyphs;
         ORB::ReadBmFont(Parse("<font><common lineHeight='20'/><chars>"
                               "<char id='65' x='0' y='0' width='8' height='10' xoffset='0'"
                               " yoffset='0'/></chars></font>")
                             .child("font"),
                         ORB::BmFontPage::kTexture, 64.0f, 64.0f, glyphs);
       },
       "font: warning: char 0 (id \"65\") lacks xadvance; 0 stands in"},
      {"sound bank",
       [] {
         ORB::OC_SOUND_BANK bank;
         EXPECT_EQ(bank.Load(Parse("<sound><group name='music'><sound name='theme'/></group>"
                                   "</sound>")
                                 .child("sound")),
                   ORB::kResultOk);
       },
       "sound: warning: group \"music\": a sound without \"path\" (empty)"},
      {"string table",
       [] {
         ORB::OC_LOCALIZATION table;
         const std::string sheet =
             "<Workbook><Worksheet><Table>"
             "<Row><Cell><Data>localization_key</Data></Cell><Cell><Data>en</Data></Cell></Row>"
             "<Row><Cell><Data>play</Data></Cell><Cell><Data>Play</Data></Cell></Row>"
             "</Table></Worksheet></Workbook>";
         EXPECT_EQ(table.LoadLanguage(Parse(sheet), 0, "de", "en"), 1);
       },
       "strings: warning: no column for \"de\"; \"en\" stands in"},
      {"repository",
       [] {
         test_support::TempFolder folder;
         folder.Write("Resources/data/broken.xml", "<window><label></window>");
         ORB::FileSystem files(folder.Path());
         ORB::OC_REPOSITORY repository(files, nullptr, nullptr);
         ASSERT_EQ(repository.AddFolder("data"), ORB::kResultOk);
         EXPECT_EQ(repository.GetXml("data broken.xml"), nullptr);
       },
       "repository: warning: \"data broken.xml\" is not well-formed XML"},
      {"trophies",
       [] {
         ORB_GF::TrophyRecord trophy;
         trophy.Load(Parse("<trophy name='tr_gold'><condition value_type='int'/></trophy>")
                         .child("trophy"));
       },
       "trophies: warning: trophy \"tr_gold\": a condition that does not read is skipped"},
      {"store",
       [] {
         ORB::OC_STORE store;
         EXPECT_TRUE(store.LoadProducts(
             Parse("<products><product name='pack_2' type='N'/></products>").child("products"), "",
             nullptr));
       },
       "store: warning: a product without \"name\", \"product_id\" or \"type\" is skipped"},
      {"ad placements",
       [] {
         ORB::OC_AD_PLACEMENTS ads;
         EXPECT_TRUE(ads.Load(
             Parse("<ads><ad name='menu' provider='nobody' location='top'/></ads>").child("ads")));
       },
       "ads: warning: placement \"menu\": unknown provider \"nobody\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reader);
    test_support::LogCapture log;
    c.read();
    EXPECT_TRUE(log.Has(c.line)) << ::testing::PrintToString(log.Lines());
  }
}

}  // namespace
