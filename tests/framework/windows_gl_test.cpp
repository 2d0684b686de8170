// The shipped stock dialogs, end to end with real OpenGL (SDL's offscreen
// driver): the scene list and the windows' descriptions read from the shipped
// resources through the repository by a real window manager, their widgets
// made by the GUI XML loader and their labels translated through the shipped
// string table. "Confirm_Exit" slides in over the dimmed backdrop (the
// settled frame is written as confirm_exit.png beside the test program); a
// click injected on "yes" answers 1 and closes it, and a frame later nothing
// of it is drawn. "Players_EditBox" shows a typed name that its validator
// refuses in the error colour with its message (players_editbox.png).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cwctype>
#include <initializer_list>
#include <ios>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/localization.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/timer.h"
#include "engine/foundation/utf8.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_wide_label.h"
#include "framework/stock_windows.h"
#include "framework/window_confirm.h"
#include "framework/window_editbox.h"
#include "framework/window_manager.h"
#include "support/offscreen_gl.h"
#include "support/pixel_box.h"
#include "support/scripted_input.h"
#include "support/shipped_resources.h"
#include "support/translated_labels.h"
#include "support/window_kit.h"

namespace ORB_GF {
namespace {

constexpr const char* kScenes = "data/share/main/other scenes.xml";
constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr uint32_t kInk = 0xFF2E3440u;
constexpr uint32_t kError = 0xFFD1495Bu;

// Channels of an ARGB word.
int Red(uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFF); }
int Green(uint32_t argb) { return static_cast<int>((argb >> 8) & 0xFF); }
int Blue(uint32_t argb) { return static_cast<int>(argb & 0xFF); }
bool Near(uint32_t argb, uint32_t expected, int tolerance) {
  return std::abs(Red(argb) - Red(expected)) <= tolerance &&
         std::abs(Green(argb) - Green(expected)) <= tolerance &&
         std::abs(Blue(argb) - Blue(expected)) <= tolerance;
}

// The pixels of a rectangle of the frame, rows top to bottom.
std::vector<uint32_t> Area(const test_support::Frame& frame, int x, int y, int w, int h) {
  std::vector<uint32_t> pixels;
  for (int row = y; row < y + h; ++row) {
    for (int column = x; column < x + w; ++column) pixels.push_back(frame.At(column, row));
  }
  return pixels;
}

class WindowsGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Open("windows"));
    renderer_->SetClearColour(ORB::Colour(kPaper));
    shipped_ = std::make_unique<test_support::ShippedResources>(
        *renderer_,
        std::initializer_list<const char*>{"data/share/main/other", "data/share/main/windows",
                                           "data/share/font", "data/share/image/gui", "data/en"});
    ASSERT_TRUE(ORB::ReadDocument(shipped_->repository, "data/en strings.xml",
                                  [&](const pugi::xml_document& document) {
                                    return strings_.LoadLanguage(document, 1, "en", "en") > 0;
                                  }));
    ORB::FrameDelta().store(1.0f / 60.0f);
    // The stock windows, their labels translated as the game's factory does.
    manager_ = std::make_unique<G_WINDOW_MANAGER>([this](const pugi::xml_node& element) {
      G_WINDOW* window = CreateStockWindow(element);
      if (window != nullptr) test_support::TranslateLabels(window->GetGuiRoot().Widget(), strings_);
      return window;
    });
    ASSERT_TRUE(manager_->LoadWindows(kScenes));
  }
  void TearDown() override {
    if (manager_) {
      manager_->ReleaseAllResources(true);
      manager_.reset();
    }
    ORB::FrameDelta().store(0.0f);
    if (shipped_) {
      EXPECT_EQ(shipped_->textures.missing, std::vector<std::string>());
      shipped_->ExpectNothingHeld();
      shipped_.reset();
    }
    OffscreenGlTest::TearDown();
  }

  // One frame of the game: the manager's update and draw; with `read`, the
  // frame's pixels (written as `png` when named).
  test_support::Frame RunFrame(bool read, const std::string& png = std::string()) {
    EXPECT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    manager_->Update();
    manager_->Draw();
    test_support::Frame frame;
    if (read) frame = Snapshot(png);
    renderer_->EndFrame();
    return frame;
  }

  std::unique_ptr<test_support::ShippedResources> shipped_;
  ORB::OC_LOCALIZATION strings_;
  std::unique_ptr<G_WINDOW_MANAGER> manager_;
};

TEST_F(WindowsGlTest, TheShippedExitDialogOpensAnswersAndCloses) {
  auto* dialog = dynamic_cast<G_WINDOW_CONFIRM*>(manager_->FindWindow("Confirm_Exit"));
  ASSERT_NE(dialog, nullptr);
  std::vector<int32_t> answers;
  dialog->SetAnswerCallback(&answers, [](void* a, int32_t answer) {
    static_cast<std::vector<int32_t>*>(a)->push_back(answer);
  });
  static std::vector<std::string> sounds;
  sounds.clear();
  dialog->click_sound = [](const std::string& name) {
    sounds.push_back(name);
    return 1;
  };

  ASSERT_EQ(manager_->OpenWindow("Confirm_Exit", false), dialog);
  for (int i = 0; i < 60 && dialog->IsAnimating(); ++i) RunFrame(false);
  ASSERT_FALSE(dialog->IsAnimating());
  RunFrame(false);
  const test_support::Frame shown = RunFrame(true, "confirm_exit.png");

  // The backdrop dims the whole screen: ink at 140 / 255 over the paper.
  EXPECT_TRUE(Near(shown.At(10, 10), 0xFF878A8Bu, 4)) << std::hex << shown.At(10, 10);
  EXPECT_TRUE(Near(shown.At(1000, 700), 0xFF878A8Bu, 4));
  // The frame (480 x 220 at the centre) is the panels' near-white, not dimmed.
  EXPECT_TRUE(Near(shown.At(512, 300), 0xFFFFFDF8u, 3)) << std::hex << shown.At(512, 300);
  EXPECT_TRUE(Near(shown.At(300, 470), 0xFFFFFDF8u, 3));
  // The message's ink, centred 40 above the middle (read above the buttons).
  const test_support::Box ink =
      test_support::BoxOf(Area(shown, 272, 290, 480, 100), 480, 100, 272, 290,
                          [](uint32_t argb) { return Near(argb, kInk, 40); });
  ASSERT_GT(ink.count, 300);
  EXPECT_NEAR((ink.left + ink.right + 1) / 2.0, 512.0, 3.0);
  EXPECT_NEAR((ink.top + ink.bottom + 1) / 2.0, 344.0, 4.0);
  EXPECT_GT(ink.right - ink.left, 150) << "\"Quit the game?\" in 28 px";
  // The yes button, 110 left of the middle and 50 below it, in the accent
  // colour beside its caption; its caption's ink at its middle.
  const uint32_t face = shown.At(402 - 70, 434);
  EXPECT_GT(Red(face), 220);
  EXPECT_GT(Green(face), 150);
  EXPECT_LT(Green(face), 200);
  EXPECT_LT(Blue(face), 120);
  const test_support::Box caption =
      test_support::BoxOf(Area(shown, 362, 414, 80, 40), 80, 40, 362, 414,
                          [](uint32_t argb) { return Near(argb, kInk, 60); });
  EXPECT_GT(caption.count, 30) << "\"Yes\"";

  // A click on yes answers 1, sounds, and closes the dialog.
  test_support::WindowHub hub(*manager_);
  test_support::ScriptedInput input([this] { RunFrame(false); });
  input.Click(402, 434);
  EXPECT_EQ(answers, std::vector<int32_t>{1});
  EXPECT_EQ(sounds, std::vector<std::string>{"click"});
  EXPECT_TRUE(dialog->IsAnimating());
  for (int i = 0; i < 60 && manager_->IsOpen("Confirm_Exit"); ++i) input.Idle();
  EXPECT_FALSE(manager_->IsOpen("Confirm_Exit"));
  EXPECT_TRUE(manager_->OpenWindows().empty());
  // A frame later nothing of it is drawn: the paper alone.
  const test_support::Frame after = RunFrame(true, "confirm_exit_closed.png");
  int other = 0;
  for (const uint32_t argb : after.pixels) other += (argb | 0xFF000000u) != kPaper;
  EXPECT_EQ(other, 0);
}

TEST_F(WindowsGlTest, TheShippedNameEntryShowsTypedTextAndARefusal) {
  auto* entry = dynamic_cast<G_WINDOW_EDITBOX*>(manager_->OpenWindow("Players_EditBox", false));
  ASSERT_NE(entry, nullptr);
  entry->SetMaxLength(15);
  entry->SetValidator(nullptr, [](void*, const std::wstring& name) { return name != L"Anna"; });
  test_support::WindowHub hub(*manager_);
  test_support::ScriptedInput input([this] { RunFrame(false); });
  for (int i = 0; i < 60 && entry->IsAnimating(); ++i) input.Idle();
  for (const wchar_t c : std::wstring(L"Anna")) input.Type(std::towupper(c), c);
  const test_support::Frame refused = RunFrame(true, "players_editbox.png");

  // The name in the field (360 x 48, 30 above the middle) in the error
  // colour, the message below it in the same colour, accept disabled.
  const test_support::Box name =
      test_support::BoxOf(Area(refused, 332, 330, 360, 48), 360, 48, 332, 330,
                          [](uint32_t argb) { return Near(argb, kError, 50); });
  EXPECT_GT(name.count, 40);
  EXPECT_LT(name.left, 380) << "the text starts at the field's left";
  const test_support::Box message =
      test_support::BoxOf(Area(refused, 272, 390, 480, 24), 480, 24, 272, 390,
                          [](uint32_t argb) { return Near(argb, kError, 50); });
  EXPECT_GT(message.count, 15);
  EXPECT_NEAR((message.left + message.right + 1) / 2.0, 512.0, 4.0);
  EXPECT_EQ(entry->GetAcceptButton()->GetState(), ORB::OC_GUI_BUTTON5::kDisabled);
}

}  // namespace
}  // namespace ORB_GF
