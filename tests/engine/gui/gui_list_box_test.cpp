// List boxes (and the simpler text box) in a root, driven the way the game
// drives them: clicks and arrow keys through the hooks' passes, textures from
// a counting provider, the font from memory.
#include "engine/gui/gui_list_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/gui/gui_root.h"
#include "engine/gui/gui_text_box.h"
#include "engine/platform/key_codes.h"
#include "support/gui_frames.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"
#include "support/scripted_input.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

using namespace platform;

// Letters a to z, each 8 wide; line height 10.
std::string SmallFont(int32_t lineHeight = 10) {
  std::string xml = "<font><common lineHeight=\"" + std::to_string(lineHeight) +
                    "\" scaleW=\"256\" scaleH=\"16\"/><chars>";
  for (int c = 'a'; c <= 'z'; ++c) {
    xml += "<char id=\"" + std::to_string(c) + "\" x=\"" + std::to_string((c - 'a') * 8) +
           "\" y=\"0\" width=\"7\" height=\"10\" xoffset=\"0\" yoffset=\"0\" xadvance=\"8\"/>";
  }
  return xml + "</chars></font>";
}

class GuiListBoxTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add("panel", 200, 120);
    textures_->Add("highlight", 180, 24);
    textures_->Add("row", 190, 40);
    textures_->Add("page", 256, 16);
    documents_.Set("font.xml", SmallFont());
    input_.SetFrame([this] { frames_.Run(); });
  }

  // A list at (400, 300) of the rows given, 4 visible (rows 30 high: the
  // panel spans y 240 to 360).
  OC_GUI_LISTBOX* AddList(std::vector<std::string> rows, bool load = true) {
    auto* list = root_->Add(std::make_unique<OC_GUI_LISTBOX>(7, "highlight", "panel", "slider",
                                                             "page", "font.xml", 1.5f));
    list->SetPosition(400.0f, 300.0f, 0.0f);
    for (const std::string& row : rows) list->AddItemUtf8(row);
    list->SetVisibleCount(4);
    if (load) root_->LoadResources();
    return list;
  }
  test_support::ScriptedInput input_;
};

TEST_F(GuiListBoxTest, AClickSelectsTheRowAtItsHeight) {
  OC_GUI_LISTBOX* list = AddList({"ann", "bob", "cy"});
  EXPECT_EQ(list->GetKind(), kGuiKindListbox);
  EXPECT_EQ(list->GetRowHeight(), 30);
  EXPECT_EQ(list->GetWidth(), 200.0f);
  EXPECT_EQ(list->GetSelected(), 0);
  struct Case {
    int32_t y;
    int32_t row;
  };
  for (const Case c : {Case{241, 0}, Case{269, 0}, Case{271, 1}, Case{300, 2}, Case{305, 2},
                       Case{359, 2} /* below the last row */}) {
    input_.Click(400, c.y);
    EXPECT_EQ(list->GetSelected(), c.row) << "y " << c.y;
  }
  EXPECT_EQ(frames_.down.back(), kGuiEventPressed);
  EXPECT_EQ(*list->GetSelectedItem(), L"cy");
  frames_.Clear();
  input_.Click(400, 230);  // above the panel
  EXPECT_EQ(list->GetSelected(), 2);
  EXPECT_EQ(frames_.down, (std::vector<int32_t>{0}));
  input_.Click(400, 300, kMouseRight);
  EXPECT_EQ(frames_.down, (std::vector<int32_t>{0, 0})) << "the left button only";
}

TEST_F(GuiListBoxTest, ArrowsMoveTheSelectionOnReleaseUnderThePointerOnly) {
  OC_GUI_LISTBOX* list = AddList({"ann", "bob", "cy"});
  input_.Move(400, 300);
  input_.KeyDown(kKeyDown);
  EXPECT_EQ(list->GetSelected(), 0) << "not on the press";
  input_.KeyUp(kKeyDown);
  EXPECT_EQ(list->GetSelected(), 1);
  for (int i = 0; i < 3; ++i) input_.Key(kKeyDown);
  EXPECT_EQ(list->GetSelected(), 2) << "stops at the last row";
  input_.Key(kKeyUp);
  EXPECT_EQ(list->GetSelected(), 1);
  input_.Move(700, 300);  // off the list: the focus goes
  EXPECT_FALSE(list->IsFocused());
  input_.Key(kKeyUp);
  EXPECT_EQ(list->GetSelected(), 1);
  input_.Move(400, 250);
  for (int i = 0; i < 3; ++i) input_.Key(kKeyUp);
  EXPECT_EQ(list->GetSelected(), 0) << "stops at the first row";
  EXPECT_TRUE(std::all_of(frames_.up.begin(), frames_.up.end(), [](int32_t c) { return c == 0; }))
      << "arrows raise no code";
}

TEST_F(GuiListBoxTest, RowsSelectionAndClearing) {
  OC_GUI_LISTBOX* list = AddList({"ann", "bob", "ann", "dee"});
  list->SelectItem(L"ann");
  EXPECT_EQ(list->GetSelected(), 2) << "the last equal row";
  list->SelectItem(L"zed");
  EXPECT_EQ(list->GetSelected(), 2);
  EXPECT_EQ(list->GetItem(3), L"dee");
  EXPECT_EQ(list->GetItem(4), L"");
  EXPECT_EQ(list->GetItem(-1), L"");
  list->ClearItems();
  EXPECT_EQ(list->GetSelectedItem(), nullptr);
  EXPECT_EQ(list->GetSelected(), -1);
  input_.Move(400, 300);
  input_.Key(kKeyDown);
  EXPECT_EQ(list->GetSelected(), -1) << "nothing to select";
  input_.Click(400, 300);
  EXPECT_EQ(list->GetSelected(), -1);

  list->SetMaxRows(2);
  list->AddItem("\xE9t\xE9");  // 8-bit: one character a byte
  list->AddItemUtf8("\xC3\xA9t\xC3\xA9");
  list->AddItem(L"third");
  EXPECT_EQ(list->GetItemCount(), 2u);
  EXPECT_EQ(list->GetItem(0), L"\u00E9t\u00E9");
  EXPECT_EQ(list->GetItem(1), L"\u00E9t\u00E9");
  input_.Key(kKeyDown);
  EXPECT_EQ(*list->GetSelectedItem(), list->GetItem(0));
}

TEST_F(GuiListBoxTest, DrawsThePanelTheHighlightAndTheVisibleRowsOnly) {
  OC_GUI_LISTBOX* list = AddList({"ab", "cde", "f", "gh", "ijk"});
  list->SelectItem(L"cde");
  // Panel, highlight, and the glyphs of the first four rows.
  EXPECT_EQ(QuadsDrawn(), 1u + 1u + 2u + 3u + 1u + 2u);
  EXPECT_FALSE(list->CanScrollUp());
  list->SelectItem(L"ijk");
  EXPECT_EQ(list->GetTopRow(), 1) << "the list follows a selection past the visible rows";
  EXPECT_EQ(QuadsDrawn(), 1u + 1u + 3u + 1u + 2u + 3u);
  EXPECT_TRUE(list->CanScrollUp() && !list->CanScrollDown());
  input_.Click(400, 300 - 60 + 5);  // the top row drawn is row 1
  EXPECT_EQ(list->GetSelected(), 1);
  list->ScrollBy(-4);
  EXPECT_EQ(list->GetTopRow(), 0) << "never above the first row";
  list->ScrollBy(9);
  EXPECT_EQ(list->GetTopRow(), 1) << "no empty place below the last row";
  list->SetRowTexture("row", 0);
  root_->LoadResources();
  EXPECT_EQ(list->GetRowHeight(), 40) << "the row picture's height";
  EXPECT_EQ(QuadsDrawn(), 1u + 5u + 1u + 11u) << "every row, each on its picture";
  input_.Click(400, 300 - 60 + 85);  // row 2 of rows 40 high
  EXPECT_EQ(list->GetSelected(), 2);
}

TEST_F(GuiListBoxTest, NoRowsHeightAndNoFontAreSafe) {
  documents_.Remove("font.xml");
  test_support::LogCapture log;
  OC_GUI_LISTBOX* list = AddList({"ab", "cd"});
  EXPECT_EQ(list->GetFont(), nullptr);
  EXPECT_TRUE(log.Has("font description 'font.xml' cannot be had"));
  EXPECT_EQ(QuadsDrawn(), 2u) << "panel and highlight, no text";
  list->SetVisibleCount(0);
  EXPECT_EQ(list->GetRowHeight(), 0);
  input_.Click(400, 300);
  EXPECT_EQ(list->GetSelected(), 0) << "no row to hit";
  EXPECT_EQ(QuadsDrawn(), 1u);
  list->SetVisibleCount(-3);
  EXPECT_EQ(list->GetVisibleCount(), 0);
}

TEST_F(GuiListBoxTest, TexturesComeBackAtEveryReleaseAndSizesWaitForTheBuild) {
  OC_GUI_LISTBOX* list = AddList({"ab"}, false);
  list->SetSize(160, 80);
  EXPECT_EQ(list->GetWidth(), 0.0f);
  for (int i = 0; i < 3; ++i) {
    root_->LoadResources();
    EXPECT_EQ(textures_->Uses("panel"), 1);
    EXPECT_EQ(textures_->Uses("highlight"), 1);
    EXPECT_EQ(textures_->Uses("page"), 1);
    root_->ReleaseResources();
    EXPECT_EQ(textures_->TotalUses(), 0) << "the panel's texture too";
  }
  root_->LoadResources();
  EXPECT_EQ(list->GetWidth(), 160.0f);
  EXPECT_EQ(list->GetHeight(), 80.0f);
  EXPECT_EQ(list->GetRowHeight(), 20);
  EXPECT_EQ(documents_.requests, 1);
}

TEST_F(GuiListBoxTest, RowsAreFoundInTheListsOwnFrame) {
  auto* parent = root_->Add(std::make_unique<OC_GUI_OBJECT>(1));
  parent->SetPosition(400.0f, 300.0f, 0.0f);
  // A quarter turn: the panel's top edge lies on the right, rows run leftwards.
  parent->GetTransform().SetAngle(1.5707964f);
  auto* list = parent->AddChild(std::make_unique<OC_GUI_LISTBOX>(7, "highlight", "panel", "slider",
                                                                 "page", "font.xml", 1.5f));
  for (const char* row : {"a", "b", "c", "d"}) list->AddItemUtf8(row);
  list->SetVisibleCount(4);
  root_->LoadResources();
  input_.Click(400 + 45, 300);  // 15 from the top edge
  EXPECT_EQ(list->GetSelected(), 0);
  input_.Click(400 - 45, 300);
  EXPECT_EQ(list->GetSelected(), 3);
  input_.Click(400 - 5, 300);
  EXPECT_EQ(list->GetSelected(), 2);
}

// --- The text box.

class GuiTextBoxTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    page_ = renderer_->CreateBlank(256, 16);
    background_ = renderer_->CreateBlank(120, 20);
    input_.SetFrame([this] { codes_.push_back(Code(root_.Process())); });
  }
  OC_GUI_TEXTBOX* AddBox(int32_t lineHeight) {
    document_.load_string(SmallFont(lineHeight).c_str());
    auto* box =
        root_.Add(std::make_unique<OC_GUI_TEXTBOX>(4, document_.child("font"), page_, background_));
    box->SetPosition(100.0f, 50.0f, 0.0f);
    return box;
  }
  static int32_t Code(const GuiEvent* answer) { return answer != nullptr ? answer->code : 0; }

  TextureRecord* page_ = nullptr;
  TextureRecord* background_ = nullptr;
  pugi::xml_document document_;
  OC_GUI_ROOT root_;
  test_support::ScriptedInput input_;
  std::vector<int32_t> codes_;
};

TEST_F(GuiTextBoxTest, TypesIntoItsCellsInTheFramePass) {
  OC_GUI_TEXTBOX* box = AddBox(10);
  EXPECT_EQ(box->GetKind(), kGuiKindTextbox);
  EXPECT_EQ(box->GetMaxLength(), 10) << "(120 - 2 x 6) / 10";
  input_.Click(100, 50);
  EXPECT_TRUE(box->IsFocused());
  EXPECT_EQ(codes_, (std::vector<int32_t>{0, 7, 8}));
  for (const wchar_t c : std::wstring(L"abcdefghijkl")) {
    input_.Type(static_cast<int32_t>(c - L'a' + kKeyA), c);
  }
  EXPECT_EQ(box->GetText(), L"abcdefghij") << "ten cells";
  input_.Key(kKeyBackspace);
  input_.Key(kKeyLeft);
  input_.Key(kKeyDelete);
  EXPECT_EQ(box->GetTextA(), "abcdefgh");
  input_.TypeAlone(L'\u00E9');
  EXPECT_EQ(box->GetText(), L"abcdefgh\u00E9");
  EXPECT_EQ(box->GetTextA(), "abcdefgh\xE9");
  input_.Click(100 - 60 + 25, 50);  // the third cell
  EXPECT_EQ(box->GetCaret(), 2);
  input_.Click(300, 50);
  EXPECT_FALSE(box->IsFocused());
  input_.Type(kKeyA, L'a');
  EXPECT_EQ(box->GetText(), L"abcdefgh\u00E9");
}

TEST_F(GuiTextBoxTest, CellsWithoutWidthNeverDivide) {
  OC_GUI_TEXTBOX* box = AddBox(0);
  EXPECT_EQ(box->GetMaxLength(), 0);
  input_.Click(100, 50);
  input_.Type(kKeyA, L'a');
  EXPECT_EQ(box->GetText(), L"");
  box->SetSpacing(-4);
  box->SetSize(0, 0);
  EXPECT_EQ(box->GetWidth(), 120.0f) << "0 keeps the size";
  box->SetSpacing(3);
  EXPECT_EQ(box->GetMaxLength(), 36);
}

}  // namespace
}  // namespace ORB
