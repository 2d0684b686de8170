// The game's window factory: each "_type" it maps gives its class with the
// game's click sound and its labels in the game's language; an unknown type
// or a missing "_type" or "_name" gives nothing, and the manager registers
// nothing for it. The localization walk reaches labels inside panels and
// buttons and leaves empty texts empty.
#include "game/shell/screens/window_factory.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>

#include <pugixml.hpp>

#include "engine/foundation/result_codes.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/gui/gui_xml_loader.h"
#include "framework/window_confirm.h"
#include "framework/window_editbox.h"
#include "framework/window_manager.h"
#include "framework/window_simple.h"
#include "game/shell/screens/confirm_ex_window.h"
#include "game/shell/screens/finish_window.h"
#include "game/shell/screens/game_menu_window.h"
#include "game/shell/screens/gui_localization.h"
#include "game/shell/screens/health_window.h"
#include "game/shell/screens/help_window.h"
#include "game/shell/screens/level_window.h"
#include "game/shell/screens/options_window.h"
#include "game/shell/screens/pack_menu_window.h"
#include "game/shell/screens/pack_window.h"
#include "game/shell/screens/players_window.h"
#include "game/shell/screens/shop_window.h"
#include "game/shell/screens/sunime_window.h"
#include "game/shell/screens/title_top_window.h"
#include "game/shell/screens/title_window.h"
#include "game/shell/screens/trophy_get_window.h"
#include "game/shell/screens/trophy_window.h"
#include "game/shell/screens/window_sound.h"
#include "game/shell/startup/game_singletons.h"
#include "support/log_capture.h"
#include "support/memory_documents.h"
#include "support/window_kit.h"

namespace game {
namespace {

constexpr const char* kStrings =
    "<Workbook><Worksheet><Table>"
    "<Row><Cell><Data>title_play</Data></Cell><Cell><Data>Play</Data></Cell></Row>"
    "<Row><Cell><Data>title_quit</Data></Cell><Cell><Data>Quit</Data></Cell></Row>"
    "<Row><Cell><Data>exit_question</Data></Cell><Cell><Data>Leave the game?</Data></Cell></Row>"
    "<Row><Cell><Data>heart_caf\xC3\xA9</Data></Cell><Cell><Data>Caf\xC3\xA9 \xE2\x99\xA5</Data>"
    "</Cell></Row>"
    "</Table></Worksheet></Workbook>";

class WindowFactoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pugi::xml_document strings;
    ASSERT_TRUE(strings.load_string(kStrings));
    ASSERT_EQ(CreateLocalization().LoadColumns(strings, 0, 0), 4);
  }
  void TearDown() override { DestroyLocalization(); }

  static std::unique_ptr<ORB_GF::G_WINDOW> Make(const std::string& xml) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(xml.c_str())) << xml;
    return std::unique_ptr<ORB_GF::G_WINDOW>(CreateGameWindow(document.document_element()));
  }

  static ORB::OC_GUI_WLABEL* Label(const std::wstring& text) {
    return new ORB::OC_GUI_WLABEL(0, "font", "font.png", text);
  }
};

TEST_F(WindowFactoryTest, EachMappedTypeGivesItsClassWithTheGameClickSound) {
  const struct {
    const char* type;
    const std::type_info& made;
  } cases[] = {
      {"G_WINDOW_CONFIRM", typeid(ORB_GF::G_WINDOW_CONFIRM)},
      {"G_WINDOW_EDITBOX", typeid(ORB_GF::G_WINDOW_EDITBOX)},
      {"G_WINDOW_SIMPLE", typeid(ORB_GF::G_WINDOW_SIMPLE)},
      {"GG_WINDOW_TITLE_TOP", typeid(GG_WINDOW_TITLE_TOP)},
      {"GG_WINDOW_TITLE", typeid(GG_WINDOW_TITLE)},
      {"GG_WINDOW_PACK", typeid(GG_WINDOW_PACK)},
      {"GG_WINDOW_PACK_MENU", typeid(GG_WINDOW_PACK_MENU)},
      {"GG_WINDOW_LEVEL", typeid(GG_WINDOW_LEVEL)},
      {"GG_WINDOW_GAME_MENU", typeid(GG_WINDOW_GAME_MENU)},
      {"GG_WINDOW_CONFIRM_EX", typeid(GG_WINDOW_CONFIRM_EX)},
      {"GG_WINDOW_FINISH", typeid(GG_WINDOW_FINISH)},
      {"GG_WINDOW_SUNIME", typeid(GG_WINDOW_SUNIME)},
      {"GG_WINDOW_OPTIONS", typeid(GG_WINDOW_OPTIONS)},
      {"GG_WINDOW_PLAYERS", typeid(GG_WINDOW_PLAYERS)},
      {"GG_WINDOW_HELP", typeid(GG_WINDOW_HELP)},
      {"GG_WINDOW_TROPHY", typeid(GG_WINDOW_TROPHY)},
      {"GG_WINDOW_TROPHY_GET", typeid(GG_WINDOW_TROPHY_GET)},
      {"GG_WINDOW_SHOP", typeid(GG_WINDOW_SHOP)},
      {"GG_WINDOW_HEALTH", typeid(GG_WINDOW_HEALTH)},
  };
  ASSERT_EQ(GameWindowTypes().size(), std::size(cases)) << "a row without a case here";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    const auto window = Make(std::string("<window _name=\"Dialog\" _type=\"") + c.type + "\"/>");
    ASSERT_NE(window, nullptr);
    const ORB_GF::G_WINDOW& made = *window;
    EXPECT_EQ(typeid(made), c.made);
    EXPECT_EQ(window->GetName(), "Dialog");
    EXPECT_EQ(window->click_sound, &PlayWindowSound);
  }
}

TEST_F(WindowFactoryTest, UnknownTypesAndMissingNamesMakeNothing) {
  for (const char* xml : {
           "<window _name=\"Levels\" _type=\"GG_WINDOW_LEVEL_LIST\"/>",
           // The top panel is made by code that wants it, never from a scene list.
           "<window _name=\"GP_UpPanel\" _type=\"GG_WINDOW_UP_PANEL\"/>",
           "<window _name=\"Levels\" _type=\"g_window_simple\"/>",
           "<window _name=\"Levels\" _type=\"\"/>",
           "<window _name=\"Levels\"/>",
           "<window _type=\"G_WINDOW_SIMPLE\"/>",
       }) {
    EXPECT_EQ(Make(xml), nullptr) << xml;
  }
}

TEST_F(WindowFactoryTest, TheManagerRegistersNothingForAnUnknownType) {
  test_support::MemoryDocuments documents;
  documents.Set("scenes",
                "<scenes><scene file=\"a\"/><scene file=\"b\"/><scene file=\"c\"/>"
                "</scenes>");
  documents.Set("a", "<window _name=\"Title\" _type=\"G_WINDOW_SIMPLE\"/>");
  documents.Set("b", "<window _name=\"Levels\" _type=\"GG_WINDOW_NOT_MADE\"/>");
  documents.Set("c", "<window _name=\"Confirm_Exit\" _type=\"G_WINDOW_CONFIRM\"/>");
  ORB_GF::G_WINDOW_MANAGER manager(&CreateGameWindow);
  test_support::LogCapture log;
  ASSERT_TRUE(manager.LoadWindows(&documents, "scenes"));
  ASSERT_EQ(manager.Windows().size(), 2u);
  EXPECT_EQ(manager.Windows()[0]->GetName(), "Title");
  EXPECT_EQ(manager.Windows()[1]->GetName(), "Confirm_Exit");
  EXPECT_EQ(manager.FindWindow("Levels"), nullptr);
  EXPECT_EQ(log.Lines().size(), 1u) << "the skipped window is named once";
}

TEST_F(WindowFactoryTest, LabelsAreTranslatedWhereverTheyStandAndEmptyTextsStayEmpty) {
  // The window's widgets as the game builds them, from its description.
  test_support::ScopedGuiBuilder gui([](ORB::OC_GUI_ROOT& root, const pugi::xml_node& element) {
    ORB::LoadGuiXml(root, element, nullptr);
  });
  const std::string label = "FONT=\"font.xml\" FONT_TEXTURE=\"font.png\"";
  const auto window = Make(
      "<window _name=\"Confirm_Exit\" _type=\"G_WINDOW_CONFIRM\"><GUI>"
      "<WLABEL ID=\"2\" " +
      label +
      " TEXT=\"exit_question\"/>"
      "<PANEL ID=\"10\" TEXTURE=\"panel.png\"><CONTEXT>"
      "  <WLABEL ID=\"11\" " +
      label +
      " TEXT=\"title_quit\"/>"
      "  <BUTTON5 ID=\"3\" TEXTURE=\"button.png\"><CONTEXT>"
      "    <WLABEL ID=\"12\" " +
      label +
      " TEXT=\"title_play\"/>"
      "    <PANEL ID=\"13\" TEXTURE=\"panel.png\"><CONTEXT>"
      "      <WLABEL ID=\"14\" " +
      label +
      " TEXT=\"heart_caf\xC3\xA9\"/>"
      "    </CONTEXT></PANEL>"
      "  </CONTEXT></BUTTON5>"
      "</CONTEXT></PANEL>"
      "<WLABEL ID=\"15\" " +
      label +
      " TEXT=\"\"/>"
      "<WLABEL ID=\"16\" " +
      label +
      " TEXT=\"no_such_key\"/>"
      "</GUI></window>");
  ASSERT_NE(window, nullptr);
  const auto text = [&](int32_t id) {
    const auto* found =
        dynamic_cast<const ORB::OC_GUI_WLABEL*>(window->GetGuiRoot().Widget().FindById(id));
    return found != nullptr ? found->GetText() : std::wstring(L"(no label)");
  };
  EXPECT_EQ(text(2), L"Leave the game?");
  EXPECT_EQ(text(11), L"Quit") << "inside a panel";
  EXPECT_EQ(text(12), L"Play") << "inside a button";
  EXPECT_EQ(text(14), L"Caf\u00E9 \u2665") << "inside a panel inside a button";
  EXPECT_EQ(text(15), L"") << "an empty text is no key";
  EXPECT_EQ(text(16), L"etwas") << "what the table answers for a key it lacks";
}

TEST_F(WindowFactoryTest, WithoutATableTextsStayAsTheyAre) {
  DestroyLocalization();
  std::unique_ptr<ORB::OC_GUI_OBJECT> tree = std::make_unique<ORB::OC_GUI_OBJECT>(0);
  auto* label = tree->AddChild(std::unique_ptr<ORB::OC_GUI_WLABEL>(Label(L"title_play")));
  LocalizeGuiTree(tree.get());
  EXPECT_EQ(label->GetText(), L"title_play");
}

TEST_F(WindowFactoryTest, AnEmptySoundNamePlaysNothing) {
  EXPECT_EQ(PlayWindowSound(""), 0);
  // Without a sound bank a named sound is not found.
  ASSERT_EQ(GetSoundBank(), nullptr);
  EXPECT_EQ(PlayWindowSound("click"), ORB::kResultNotFound);
}

}  // namespace
}  // namespace game
