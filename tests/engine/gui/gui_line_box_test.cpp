// Line boxes in a root, typed into the way the game does it: each key-down
// runs the press pass from the key-down hook with the text the key typed,
// each frame runs the per-frame pass. The font is the shipped DejaVu Sans 20
// description (read from the checkout) on a blank page of its size.
#include "engine/gui/gui_line_box.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/timer.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_root.h"
#include "engine/platform/key_codes.h"
#include "support/gui_frames.h"
#include "support/log_capture.h"
#include "support/read_file.h"
#include "support/scripted_input.h"
#include "support/source_path.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

using namespace platform;

constexpr const char* kFont = "data/share/font dejavu_sans_20.xml";
constexpr const char* kPage = "data/share/font dejavu_sans_20.png";
constexpr const char* kBackground = "line box";
constexpr int32_t kWidth = 200;
constexpr int32_t kHeight = 40;

// The shipped description's text.
std::string ShippedFont() {
  const std::vector<unsigned char> font = test_support::ReadFile(
      test_support::SourcePath("Resources/data/share/font/dejavu_sans_20.xml"));
  return std::string(font.begin(), font.end());
}

class GuiLineBoxTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add(kPage, 256, 256);
    textures_->Add(kBackground, kWidth, kHeight);
    const std::string font = ShippedFont();
    ASSERT_FALSE(font.empty());
    documents_.Set(kFont, font);
    input_.SetFrame([this] { frames_.Run(); });
  }
  void TearDown() override {
    WidgetTest::TearDown();
    FrameDelta().store(0.0f);
  }

  // A box at (300, 200), loaded, clicked into (focused).
  OC_GUI_LINEBOX* AddBox(bool load = true) {
    auto* box = root_->Add(std::make_unique<OC_GUI_LINEBOX>(5, kBackground, kPage, kFont));
    box->SetPosition(300.0f, 200.0f, 0.0f);
    if (load) {
      root_->LoadResources();
      EXPECT_NE(box->GetFont(), nullptr);
      input_.Click(300, 200);
      EXPECT_TRUE(box->IsFocused());
    }
    frames_.Clear();
    return box;
  }
  // Each character typed by its key (letters and digits) or alone.
  void Type(const std::wstring& text) {
    for (const wchar_t c : text) {
      if ((c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9')) {
        input_.Type(static_cast<int32_t>(std::towupper(c)), c);
      } else {
        input_.TypeAlone(c);
      }
    }
  }

  test_support::ScriptedInput input_;
};

TEST_F(GuiLineBoxTest, TypedCharactersGoInAtTheCaretWithCode10Each) {
  OC_GUI_LINEBOX* box = AddBox();
  EXPECT_EQ(box->GetKind(), kGuiKindLinebox);
  Type(L"ab");
  input_.TypeAlone(L'\u00E9');   // a key without a code of ours
  input_.Type(kKey0 + 7, L'/');  // Shift+7 on a German keyboard
  EXPECT_EQ(box->GetText(), L"ab\u00E9/");
  EXPECT_EQ(box->GetCaret(), 4);
  EXPECT_EQ(frames_.down, (std::vector<int32_t>{10, 10, 10, 10}));

  // Editing keys raise no code, also when they erase.
  frames_.Clear();
  input_.Key(kKeyLeft);
  input_.Key(kKeyLeft);
  input_.Key(kKeyBackspace);  // the "b"
  input_.Key(kKeyRight);
  input_.Key(kKeyDelete);  // the "/"
  EXPECT_EQ(box->GetText(), L"a\u00E9");
  EXPECT_EQ(box->GetCaret(), 2);
  EXPECT_EQ(frames_.down, (std::vector<int32_t>{0, 0, 0, 0, 0}));

  // At the ends nothing happens.
  input_.Key(kKeyDelete);
  EXPECT_EQ(box->GetText(), L"a\u00E9");
  for (int i = 0; i < 4; ++i) input_.Key(kKeyLeft);
  EXPECT_EQ(box->GetCaret(), 0);
  input_.Key(kKeyBackspace);
  EXPECT_EQ(box->GetText(), L"a\u00E9");
  Type(L"x");
  EXPECT_EQ(box->GetText(), L"xa\u00E9");
  EXPECT_EQ(box->GetCaret(), 1);

  // Keys that type nothing, and tab, insert nothing.
  frames_.Clear();
  input_.Type(kKeyF1, 0);
  input_.TypeAlone(L'\t');
  input_.Type(kKeyShift, 0);
  EXPECT_EQ(box->GetText(), L"xa\u00E9");
  EXPECT_EQ(frames_.down, (std::vector<int32_t>{0, 0, 0}));
}

TEST_F(GuiLineBoxTest, FullBoxAndForbiddenCharactersTakeNothing) {
  OC_GUI_LINEBOX* box = AddBox();
  box->SetMaxLength(3);
  box->SetForbiddenChars(L" %/");
  Type(L"a%b c/");
  EXPECT_EQ(box->GetText(), L"abc");
  Type(L"d");
  EXPECT_EQ(box->GetText(), L"abc") << "full";
  EXPECT_EQ(frames_.down, (std::vector<int32_t>{10, 0, 10, 0, 10, 0, 0}));
  EXPECT_FALSE(box->SetText(L"abcd"));
  box->SetMaxLength(0);
  EXPECT_EQ(box->GetMaxLength(), OC_GUI_LINEBOX::kNoLimit);
  Type(L"d");
  EXPECT_EQ(box->GetText(), L"abcd");
}

TEST_F(GuiLineBoxTest, TheWidthLimitHoldsToTheExactPixel) {
  OC_GUI_LINEBOX* box = AddBox();
  box->SetLetterSpace(1);
  ASSERT_TRUE(box->SetText(L"mmm"));
  box->SetCaret(3);
  const OC_FONT& font = *box->GetFont();
  // The area must be wider than the text plus twice the new character's
  // advance and spacing.
  const int32_t needed = font.MeasureLine(L"mmm") + 2 * (font.GetAdvance(L'W') + 1);
  ASSERT_LT(needed, kWidth);
  box->SetMargins(0.0f, 8.0f, static_cast<float>(kWidth - needed), 8.0f);
  EXPECT_EQ(box->GetArea().GetWidth(), static_cast<float>(needed));
  input_.TypeAlone(L'W');
  EXPECT_EQ(box->GetText(), L"mmm") << "an area exactly as wide refuses it";
  box->SetMargins(0.0f, 8.0f, static_cast<float>(kWidth - needed - 1), 8.0f);
  input_.TypeAlone(L'W');
  EXPECT_EQ(box->GetText(), L"mmmW") << "one pixel more takes it";
}

TEST_F(GuiLineBoxTest, AClickOutsideTakesTheFocusAndTheCaretAway) {
  OC_GUI_LINEBOX* box = AddBox();
  FrameDelta().store(0.3f);
  input_.Idle(2);  // 0.5 s to go, then 0.2: still shown
  EXPECT_TRUE(box->IsCaretVisible());
  input_.Idle(2);  // runs out: hidden
  EXPECT_FALSE(box->IsCaretVisible());
  Type(L"a");  // typing shows it again at once
  EXPECT_TRUE(box->IsCaretVisible());

  input_.Click(300, 260);  // below the box
  EXPECT_FALSE(box->IsFocused());
  EXPECT_FALSE(box->IsCaretVisible());
  Type(L"b");
  EXPECT_EQ(box->GetText(), L"a") << "no focus, no typing";
  // A press on the margin is outside the input area too.
  input_.Click(300, 200 - kHeight / 2 + 2);
  EXPECT_FALSE(box->IsFocused());
  input_.Click(300 - kWidth / 2 + 10, 200);
  EXPECT_TRUE(box->IsFocused());
}

TEST_F(GuiLineBoxTest, ABoxListedBeforeAClickedImageLosesItsFocusEveryFrame) {
  textures_->Add("image", 40, 40);
  for (const bool box_first : {true, false}) {
    SCOPED_TRACE(box_first ? "box first" : "image first");
    root_->Clear();
    OC_GUI_LINEBOX* box = box_first ? AddBox(false) : nullptr;
    root_->Add(std::make_unique<OC_GUI_IMAGE>(9, "image"))->SetPosition(100.0f, 100.0f, 0.0f);
    if (!box_first) box = AddBox(false);
    root_->LoadResources();
    input_.Click(100, 100);  // the image answers its click from now on
    input_.Move(300, 200);
    input_.Press();
    Type(L"a");
    input_.Release();
    EXPECT_EQ(box->IsFocused(), !box_first);
    EXPECT_EQ(box->GetText(), box_first ? L"" : L"a");
  }
}

TEST_F(GuiLineBoxTest, TextAndAlignmentGivenBeforeTheLoadAreKept) {
  OC_GUI_LINEBOX* box = AddBox(false);
  EXPECT_TRUE(box->SetText(L"Ann"));
  box->SetAlignment(5);  // right
  box->SetMargins(-3.0f, 4.0f, 20.0f, 4.0f);
  EXPECT_EQ(box->GetMarginLeft(), 0.0f) << "negative margins count 0";
  EXPECT_EQ(box->GetWidth(), 0.0f);
  root_->LoadResources();
  EXPECT_EQ(box->GetText(), L"Ann");
  EXPECT_EQ(box->GetAlignment(), 5);
  // Right-aligned text ends half a cell inside the area's right edge, as
  // left-aligned text starts half a cell inside its left edge.
  const float area = kWidth - 20.0f;
  EXPECT_EQ(box->GetArea().GetWidth(), area);
  EXPECT_EQ(box->GetTextTransform().position.x, area / 2.0f - 10.0f);
  box->SetAlignment(0);
  EXPECT_EQ(box->GetTextTransform().position.x, -area / 2.0f + 10.0f);
  box->SetAlignment(7);
  EXPECT_EQ(box->GetAlignment(), 4);
  EXPECT_EQ(box->GetTextTransform().position.x, 0.0f);

  // A text too wide for the area is refused once the font is there.
  EXPECT_FALSE(box->SetText(std::wstring(40, L'm')));
  EXPECT_EQ(box->GetText(), L"Ann");
}

TEST_F(GuiLineBoxTest, TheInputAreaIsTheBackgroundLessItsMarginsWhereverTheBoxStands) {
  auto* parent = root_->Add(std::make_unique<OC_GUI_OBJECT>(1));
  parent->SetPosition(500.0f, 300.0f, 0.0f);
  parent->GetTransform().SetScale(2.0f, 2.0f, 1.0f);
  auto* box = parent->AddChild(std::make_unique<OC_GUI_LINEBOX>(5, kBackground, kPage, kFont));
  box->SetPosition(50.0f, 20.0f, 0.0f);
  box->SetMargins(10.0f, 6.0f, 30.0f, 14.0f);
  root_->LoadResources();
  // The box's centre is at (600, 340); its area 160 x 20 (scaled: 320 x 40)
  // centred (-10, -4) from it (scaled: (-20, -8)).
  const OC_HIT_SHAPE& area = box->GetArea();
  EXPECT_TRUE(area.Contains(580.0f - 159.0f, 332.0f - 19.0f));
  EXPECT_TRUE(area.Contains(580.0f + 159.0f, 332.0f + 19.0f));
  EXPECT_FALSE(area.Contains(580.0f - 161.0f, 332.0f));
  EXPECT_FALSE(area.Contains(580.0f + 161.0f, 332.0f));
  EXPECT_FALSE(area.Contains(580.0f, 332.0f + 21.0f));
  EXPECT_FALSE(area.Contains(580.0f, 332.0f - 21.0f));
  input_.Click(580 + 150, 332 + 15);
  EXPECT_TRUE(box->IsFocused());
}

TEST_F(GuiLineBoxTest, WithoutItsFontTheBoxDrawsItsBackgroundAndTakesNoText) {
  documents_.Remove(kFont);
  test_support::LogCapture log;
  OC_GUI_LINEBOX* box = AddBox(false);
  root_->LoadResources();
  EXPECT_TRUE(box->IsBuilt());
  EXPECT_EQ(box->GetFont(), nullptr);
  EXPECT_TRUE(log.Has("font description"));
  EXPECT_EQ(textures_->Uses(kPage), 0) << "the page goes back when no font is built";
  input_.Click(300, 200);
  EXPECT_TRUE(box->IsFocused());
  Type(L"ab");
  EXPECT_EQ(box->GetText(), L"");
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  fake_->ClearLog();
  root_->Draw();
  EXPECT_EQ(Drawn().size(), 4u) << "the background alone";
  renderer_->EndFrame();

  // The description turns up: the next load builds the font.
  documents_.Set(kFont, ShippedFont());
  root_->ReleaseResources();
  root_->LoadResources();
  ASSERT_NE(box->GetFont(), nullptr);
  Type(L"ab");
  EXPECT_EQ(box->GetText(), L"ab");
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  fake_->ClearLog();
  root_->Draw();
  EXPECT_EQ(Drawn().size(), 4u * 4u) << "background, two letters and the caret";
  renderer_->EndFrame();
}

TEST_F(GuiLineBoxTest, ReleasedAndLoadedAgainItKeepsItsText) {
  OC_GUI_LINEBOX* box = AddBox();
  Type(L"abc");
  EXPECT_EQ(textures_->Uses(kBackground), 1);
  EXPECT_EQ(textures_->Uses(kPage), 1);
  for (int i = 0; i < 3; ++i) {
    root_->ReleaseResources();
    EXPECT_EQ(textures_->TotalUses(), 0);
    root_->LoadResources();
    root_->LoadResources();
    EXPECT_EQ(textures_->Uses(kBackground), 1);
  }
  EXPECT_EQ(box->GetText(), L"abc");
  EXPECT_EQ(documents_.requests, 1) << "the font is read once";
}

}  // namespace
}  // namespace ORB
