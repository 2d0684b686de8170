// Every window of the shipped scene list, drawn for real (OpenGL on SDL's
// offscreen driver): the game started on a copy of Resources/ as the driver
// starts it, then each window opened alone over the paper and written as
// gallery/<Name>.png beside the test program. A window the factory could not
// make, a texture or font that cannot be had (the default texture stands in,
// a label has no glyphs), a label whose key the string table lacks ("etwas")
// or a window that draws nothing fails it with the window's name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/localization.h"
#include "engine/foundation/utf8.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_wide_label.h"
#include "game/shell/shipped_gl_fixture.h"
#include "support/argb.h"
#include "support/log_capture.h"
#include "support/source_path.h"
#include "support/write_png.h"

namespace game {
namespace {

constexpr uint32_t kPaper = 0xFFF4EFE6u;

// The names of the shipped scene list, in its order.
std::vector<std::string> SceneNames() {
  pugi::xml_document scenes;
  EXPECT_TRUE(scenes.load_file(
      test_support::SourcePath("Resources/data/share/main/other/scenes.xml").c_str()));
  std::vector<std::string> names;
  for (const pugi::xml_node scene : scenes.child("scenes").children("scene")) {
    const std::string file = scene.attribute("file").value();
    const size_t space = file.find(' ');
    const size_t dot = file.rfind(".xml");
    if (space != std::string::npos && dot != std::string::npos) {
      names.push_back(file.substr(space + 1, dot - space - 1));
    }
  }
  return names;
}

// The wide labels of a widget tree whose text is the missing key's, or that
// have no font to draw with.
void FindBadLabels(const ORB::OC_GUI_OBJECT& widget, std::vector<std::string>* bad) {
  if (const auto* label = dynamic_cast<const ORB::OC_GUI_WLABEL*>(&widget)) {
    if (ORB::WideToUtf8(label->GetText()) == ORB::OC_LOCALIZATION::kMissing) {
      bad->push_back("label " + std::to_string(label->GetId()) + " shows \"etwas\"");
    }
    if (label->GetFont() == nullptr) {
      bad->push_back("label " + std::to_string(label->GetId()) + " has no font (" +
                     label->GetFontFile() + ")");
    }
  }
  for (size_t i = 0; i < widget.GetChildCount(); ++i) FindBadLabels(*widget.GetChild(i), bad);
}

// Pixels that are not the paper.
int32_t Drawn(const test_support::Frame& frame) {
  return static_cast<int32_t>(
      std::count_if(frame.pixels.begin(), frame.pixels.end(),
                    [](uint32_t pixel) { return !test_support::Near(pixel, kPaper, 2); }));
}

class WindowGalleryGlTest : public ShippedGlTest {
 protected:
  WindowGalleryGlTest() : ShippedGlTest(kPaper) {}

  // Every open window closed at once, until none is left: a window may wait
  // before it closes (the heart note stays a while), and one may open
  // another as it closes (the players list the title); one still standing
  // would show over the next window's picture.
  void CloseAllNow() {
    for (int i = 0; i < 600 && !Windows().OpenWindows().empty(); ++i) {
      for (ORB_GF::G_WINDOW* open : std::vector<ORB_GF::G_WINDOW*>(Windows().OpenWindows())) {
        Windows().CloseWindow(open->GetName(), true);
      }
      Frame(false);
    }
    for (ORB_GF::G_WINDOW* open : Windows().OpenWindows()) {
      ADD_FAILURE() << open->GetName() << " does not close";
    }
  }
};

TEST_F(WindowGalleryGlTest, EveryWindowOfTheSceneListDrawsAloneWithAllItsPicturesFontsAndTexts) {
  const std::vector<std::string> names = SceneNames();
  ASSERT_GE(names.size(), 40u);
  // The factory made every window of the list (a null one is not registered).
  EXPECT_EQ(Windows().Windows().size(), names.size());
  std::filesystem::create_directories(test_support::BesideTestProgram("gallery"));

  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    CloseAllNow();
    test_support::LogCapture log;
    ORB_GF::G_WINDOW* window = Windows().OpenWindow(name, true);
    ASSERT_NE(window, nullptr) << "the factory made no window";
    for (int i = 0; i < 8; ++i) Frame(false);
    const test_support::Frame frame = Frame(true, "gallery/" + name + ".png");

    EXPECT_EQ(log.Lines(), std::vector<std::string>())
        << "a picture, font or file of the window cannot be had";
    std::vector<std::string> bad;
    FindBadLabels(window->GetGuiRoot().Widget(), &bad);
    EXPECT_EQ(bad, std::vector<std::string>());
    EXPECT_GT(Drawn(frame), 400) << "the window draws (next to) nothing";
  }
}

}  // namespace
}  // namespace game
