// The edit box dialog through a manager under scripted input, typed into as
// a player types: an empty start, forbidden characters, the check after each
// release (a rejected name, an emptied field), accept and cancel, and an
// accept whose text no longer passes. Its tree is built in code: the line
// box (2), accept (3) and cancel (4) buttons, the message label (5).
#include "framework/window_editbox.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/timer.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_line_box.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/platform/key_codes.h"
#include "framework/stock_windows.h"
#include "framework/window_manager.h"
#include "support/blank_gui.h"
#include "support/counting_textures.h"
#include "support/memory_documents.h"
#include "support/recording_renderer.h"
#include "support/scripted_input.h"
#include "support/window_kit.h"

namespace ORB_GF {
namespace {

constexpr uint32_t kInk = 0xFF2E3440u;
constexpr uint32_t kError = 0xFFD1495Bu;

// The field 300 x 40 at the centre, 20 up; accept and cancel (100 x 40 each)
// below it; the message above it.
void EntryTree(ORB::OC_GUI_ROOT& root, const pugi::xml_node&) {
  root.Add(std::make_unique<ORB::OC_GUI_LINEBOX>(2, "line.png", "font.png", "font.xml"))
      ->SetPosition(0.0f, -20.0f, 0.0f);
  root.Add(std::make_unique<ORB::OC_GUI_BUTTON5>(3, "button.png"))
      ->SetPosition(-60.0f, 40.0f, 0.0f);
  root.Add(std::make_unique<ORB::OC_GUI_BUTTON5>(4, "button.png"))->SetPosition(60.0f, 40.0f, 0.0f);
  root.Add(std::make_unique<ORB::OC_GUI_WLABEL>(5, "font.xml", "font.png", L"Taken"))
      ->SetPosition(0.0f, -70.0f, 0.0f);
}
constexpr int32_t kAcceptX = 452;
constexpr int32_t kCancelX = 572;
constexpr int32_t kButtonY = 424;

struct Result {
  bool accepted;
  std::wstring text;
  bool operator==(const Result&) const = default;
};

class WindowEditboxTest : public test_support::StockWindowsTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(StockWindowsTest::SetUp());
    textures_->Add("line.png", 300, 40);
    textures_->Add("button.png", 500, 40);
    documents_.Set("scenes.xml", "<scenes><scene file='entry.xml'/></scenes>");
    documents_.Set(
        "entry.xml",
        "<window _type='G_WINDOW_EDITBOX' _name='Entry' _modal='1' _timeShow='0.25'>"
        "<SETTINGS text_color='FF2E3440' text_color_error='0xFFD1495B'/><GUI/></window>");
    ASSERT_NO_FATAL_FAILURE(LoadWindows(EntryTree));
    entry_ = dynamic_cast<G_WINDOW_EDITBOX*>(manager_.FindWindow("Entry"));
    ASSERT_NE(entry_, nullptr);
    entry_->SetResultCallback(
        &results_, [](void* results, bool accepted, const std::wstring& text) {
          static_cast<std::vector<Result>*>(results)->push_back({accepted, text});
        });
  }

  void OpenEntry() { ASSERT_NO_FATAL_FAILURE(OpenAndSettle("Entry")); }
  // Types the text a key at a time: each key-down reaches the manager's press
  // pass and each key-up its release pass, as the hub hands them on.
  void Type(const std::wstring& text) {
    for (const wchar_t c : text) input_.Type(static_cast<int32_t>(std::towupper(c)), c);
  }
  ORB::OC_GUI_LINEBOX& Box() { return *entry_->GetLineBox(); }
  ORB::OC_GUI_BUTTON5& Accept() { return *entry_->GetAcceptButton(); }
  bool MessageShown() { return entry_->GetMessageLabel()->IsVisible(); }

  G_WINDOW_EDITBOX* entry_ = nullptr;
  std::vector<Result> results_;
};

TEST_F(WindowEditboxTest, OpensEmptyWithAcceptDisabledAndTheFieldFocused) {
  EXPECT_EQ(entry_->GetTextColour().ToUInt(), kInk);
  EXPECT_EQ(entry_->GetErrorColour().ToUInt(), kError);
  EXPECT_EQ(Box().GetForbiddenChars(), std::wstring(L" \\*/.-+=_?&^!@#$%(){}[]|><,`~;:"));
  EXPECT_EQ(Box().GetForbiddenChars().size(), 31u);
  Box().SetText(L"left over");
  ASSERT_NO_FATAL_FAILURE(OpenEntry());
  EXPECT_EQ(entry_->GetText(), L"");
  EXPECT_EQ(Box().GetColor().ToUInt(), kInk);
  EXPECT_EQ(Accept().GetState(), ORB::OC_GUI_BUTTON5::kDisabled);
  EXPECT_FALSE(MessageShown());
  EXPECT_TRUE(Box().IsFocused());
}

TEST_F(WindowEditboxTest, ForbiddenCharactersAndTheMaximumLength) {
  ASSERT_NO_FATAL_FAILURE(OpenEntry());
  entry_->SetMaxLength(6);
  Type(L"An na.Bo_b!x");
  EXPECT_EQ(entry_->GetText(), L"AnnaBo") << "no blank or punctuation, six at most";
  EXPECT_EQ(Accept().GetState(), ORB::OC_GUI_BUTTON5::kNormal) << "no validator: any text";
}

TEST_F(WindowEditboxTest, ARejectedNameShowsTheMessageUntilTheFieldEmpties) {
  const std::set<std::wstring> taken = {L"Anna"};
  entry_->SetValidator(const_cast<std::set<std::wstring>*>(&taken),
                       [](void* names, const std::wstring& name) {
                         return static_cast<std::set<std::wstring>*>(names)->count(name) == 0;
                       });
  ASSERT_NO_FATAL_FAILURE(OpenEntry());
  Type(L"Ann");
  EXPECT_EQ(Accept().GetState(), ORB::OC_GUI_BUTTON5::kNormal);
  Type(L"a");  // checked after the key's release
  EXPECT_EQ(Accept().GetState(), ORB::OC_GUI_BUTTON5::kDisabled);
  EXPECT_TRUE(MessageShown());
  EXPECT_EQ(Box().GetColor().ToUInt(), kError);
  input_.Click(kAcceptX, kButtonY);  // a disabled button takes no click
  EXPECT_TRUE(results_.empty());

  input_.Click(512, 364);  // back into the field
  Type(L"s");
  EXPECT_EQ(Accept().GetState(), ORB::OC_GUI_BUTTON5::kNormal);
  EXPECT_FALSE(MessageShown());
  EXPECT_EQ(Box().GetColor().ToUInt(), kInk);

  for (int i = 0; i < 5; ++i) input_.Key(ORB::platform::kKeyBackspace);
  EXPECT_EQ(entry_->GetText(), L"");
  EXPECT_EQ(Accept().GetState(), ORB::OC_GUI_BUTTON5::kDisabled);
  EXPECT_FALSE(MessageShown()) << "an empty field shows no message";
}

TEST_F(WindowEditboxTest, AcceptAndCancelHandOnTheTextAndClose) {
  ASSERT_NO_FATAL_FAILURE(OpenEntry());
  Type(L"Bo");
  input_.Click(kAcceptX, kButtonY);
  EXPECT_EQ(results_, (std::vector<Result>{{true, L"Bo"}}));
  input_.Idle(3);
  EXPECT_FALSE(manager_.IsOpen("Entry"));

  ASSERT_NO_FATAL_FAILURE(OpenEntry());
  EXPECT_EQ(entry_->GetText(), L"") << "every opening starts empty";
  Type(L"Cy");
  input_.Click(kCancelX, kButtonY);
  EXPECT_EQ(results_, (std::vector<Result>{{true, L"Bo"}, {false, L"Cy"}}));
  input_.Idle(3);
  EXPECT_FALSE(manager_.IsOpen("Entry"));
}

TEST_F(WindowEditboxTest, AnAcceptWhoseTextNoLongerPassesIsIgnored) {
  static bool open_for_names = true;
  open_for_names = true;
  entry_->SetValidator(nullptr, [](void*, const std::wstring&) { return open_for_names; });
  ASSERT_NO_FATAL_FAILURE(OpenEntry());
  Type(L"Di");
  ASSERT_EQ(Accept().GetState(), ORB::OC_GUI_BUTTON5::kNormal);
  open_for_names = false;  // the players changed since the last check
  input_.Click(kAcceptX, kButtonY);
  EXPECT_TRUE(results_.empty());
  EXPECT_TRUE(manager_.IsOpen("Entry"));
  EXPECT_FALSE(entry_->IsAnimating());
  EXPECT_EQ(Accept().GetState(), ORB::OC_GUI_BUTTON5::kDisabled) << "checked after the release";
}

TEST_F(WindowEditboxTest, WithoutItsWidgetsTheDialogSkipsThem) {
  const auto bare = test_support::MakeWindow<G_WINDOW_EDITBOX>("<w/>");
  EXPECT_EQ(bare->GetLineBox(), nullptr);
  EXPECT_EQ(bare->GetText(), L"");
  bare->SetMaxLength(4);
  bare->SetAcceptEnabled(true);
  bare->Open(false);
  EXPECT_EQ(bare->GetTextColour().ToUInt(), 0xFFFFFFFFu) << "white by default";
  EXPECT_EQ(bare->GetErrorColour().ToUInt(), 0xFFFF0000u) << "red by default";
}

}  // namespace
}  // namespace ORB_GF
