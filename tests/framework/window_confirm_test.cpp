// The confirm dialog through a manager under scripted input: its answers
// and choices, its message template, and what it does without its widgets;
// the message templates on their own. The dialog's tree is built in code:
// the message label (2) above three clickable images, yes (3), no (4) and
// the third answer (5).
#include "framework/window_confirm.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/timer.h"
#include "engine/foundation/utf8.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/scene/document_provider.h"
#include "framework/message_template.h"
#include "framework/stock_windows.h"
#include "framework/window_manager.h"
#include "framework/window_simple.h"
#include "support/counting_textures.h"
#include "support/memory_documents.h"
#include "support/recording_renderer.h"
#include "support/scripted_input.h"
#include "support/window_kit.h"

namespace ORB_GF {
namespace {

// Yes, no and the third answer, 100 x 40 each, 120 apart, 40 below the
// centre; the label 40 above it.
void DialogTree(ORB::OC_GUI_ROOT& root, const pugi::xml_node&) {
  root.Add(std::make_unique<ORB::OC_GUI_WLABEL>(2, "font.xml", "font.png", L"Quit?"))
      ->SetPosition(0.0f, -40.0f, 0.0f);
  for (const int32_t id : {3, 4, 5}) {
    root.Add(std::make_unique<ORB::OC_GUI_IMAGE>(id, "button.png"))
        ->SetPosition(static_cast<float>((id - 4) * 120), 40.0f, 0.0f);
  }
}
// Where to click each answer.
constexpr int32_t kYesX = 392;
constexpr int32_t kNoX = 512;
constexpr int32_t kThirdX = 632;
constexpr int32_t kButtonY = 424;

class WindowConfirmTest : public test_support::StockWindowsTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(StockWindowsTest::SetUp());
    textures_->Add("button.png", 100, 40);
    documents_.Set("scenes.xml",
                   "<scenes><scene file='confirm.xml'/><scene file='bare.xml'/>"
                   "<scene file='simple.xml'/></scenes>");
    documents_.Set("confirm.xml",
                   "<window _type='G_WINDOW_CONFIRM' _name='Confirm' _modal='1' "
                   "_timeShow='0.25'><GUI/></window>");
    documents_.Set("bare.xml", "<window _type='G_WINDOW_CONFIRM' _name='Bare'/>");
    documents_.Set("simple.xml", "<window _type='G_WINDOW_SIMPLE' _name='Simple'><GUI/></window>");
    ASSERT_NO_FATAL_FAILURE(LoadWindows(DialogTree));
    confirm_ = dynamic_cast<G_WINDOW_CONFIRM*>(manager_.FindWindow("Confirm"));
    ASSERT_NE(confirm_, nullptr);
    confirm_->SetAnswerCallback(&answers_, [](void* answers, int32_t answer) {
      static_cast<std::vector<int32_t>*>(answers)->push_back(answer);
    });
    confirm_->SetChoiceCallback(&choices_, [](void* choices, int32_t choice) {
      static_cast<std::vector<int32_t>*>(choices)->push_back(choice);
    });
  }

  void OpenDialog() { ASSERT_NO_FATAL_FAILURE(OpenAndSettle("Confirm")); }

  G_WINDOW_CONFIRM* confirm_ = nullptr;
  std::vector<int32_t> answers_;
  std::vector<int32_t> choices_;
};

TEST_F(WindowConfirmTest, TheFactoryMakesTheStockTypes) {
  EXPECT_NE(dynamic_cast<G_WINDOW_SIMPLE*>(manager_.FindWindow("Simple")), nullptr);
  EXPECT_NE(dynamic_cast<G_WINDOW_CONFIRM*>(manager_.FindWindow("Bare")), nullptr);
  pugi::xml_document document;
  document.load_string("<window _type='GG_WINDOW_TITLE' _name='Title'/>");
  EXPECT_EQ(CreateStockWindow(document.document_element()), nullptr);
}

struct AnswerCase {
  int32_t x;
  int32_t answer;
  int32_t choice;
};

TEST_F(WindowConfirmTest, YesNoAndTheThirdAnswer) {
  for (const AnswerCase& c :
       {AnswerCase{kYesX, 1, 1}, AnswerCase{kNoX, 0, -1}, AnswerCase{kThirdX, 0, 0}}) {
    SCOPED_TRACE(c.x);
    answers_.clear();
    choices_.clear();
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    input_.Click(c.x, kButtonY);
    EXPECT_EQ(answers_, std::vector<int32_t>{c.answer});
    EXPECT_EQ(choices_, std::vector<int32_t>{c.choice});
    EXPECT_TRUE(confirm_->IsAnimating()) << "closing";
    input_.Click(kYesX, kButtonY);  // swallowed while it closes
    EXPECT_EQ(answers_.size(), 1u);
    input_.Idle(4);
    EXPECT_FALSE(manager_.IsOpen("Confirm"));
  }
}

TEST_F(WindowConfirmTest, TheLabelIsATemplateFilledAfreshEachTime) {
  ORB::OC_GUI_WLABEL* label = confirm_->GetMessageLabel();
  ASSERT_NE(label, nullptr);
  label->SetText(L"Delete the player %s?");  // as localization leaves it
  confirm_->SetMessage(L"Anna");
  EXPECT_EQ(label->GetText(), L"Delete the player Anna?");
  confirm_->SetMessage(L"Bo");
  EXPECT_EQ(label->GetText(), L"Delete the player Bo?") << "from the template, not the last text";
  confirm_->SetMessage(12);
  EXPECT_EQ(label->GetText(), L"Delete the player 12?");
  EXPECT_EQ(confirm_->GetMessageTemplate(), L"Delete the player %s?");
}

TEST_F(WindowConfirmTest, WithoutItsWidgetsTheDialogSkipsThem) {
  auto* bare = dynamic_cast<G_WINDOW_CONFIRM*>(manager_.FindWindow("Bare"));
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(bare->GetMessageLabel(), nullptr);
  bare->SetMessage(L"Anna");  // nothing to fill
  EXPECT_TRUE(bare->GetMessageTemplate().empty());

  // An image where the label belongs is no label.
  test_support::ScopedGuiBuilder gui([](ORB::OC_GUI_ROOT& root, const pugi::xml_node&) {
    root.Add(std::make_unique<ORB::OC_GUI_IMAGE>(2, "button.png"));
  });
  const auto odd = test_support::MakeWindow<G_WINDOW_CONFIRM>("<w><GUI/></w>");
  EXPECT_EQ(odd->GetMessageLabel(), nullptr);
  odd->SetMessage(3);
}

TEST_F(WindowConfirmTest, OtherWidgetsNeitherAnswerNorClose) {
  confirm_->GetGuiRoot()
      .Add(std::make_unique<ORB::OC_GUI_IMAGE>(9, "button.png"))
      ->SetPosition(0.0f, -120.0f, 0.0f);
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  input_.Click(512, 264);
  EXPECT_TRUE(answers_.empty());
  EXPECT_FALSE(confirm_->IsAnimating());
  EXPECT_TRUE(manager_.IsOpen("Confirm"));
}

struct TemplateCase {
  const wchar_t* format;
  const wchar_t* text;  // the value as text
  int32_t number;       // used when text is null
  const wchar_t* expected;
};

TEST(MessageTemplateTest, FillsTheFirstConversionAndCopiesTheRest) {
  const std::vector<TemplateCase> cases = {
      {L"Quit the game?", L"Anna", 0, L"Quit the game?"},
      {L"%s and %s", L"Anna", 0, L"Anna and %s"},
      {L"%d of %d", nullptr, 3, L"3 of %d"},
      {L"100%% sure, %s?", L"Anna", 0, L"100% sure, Anna?"},
      {L"%%s is literal", L"Anna", 0, L"%s is literal"},
      {L"50% off for %s", L"Anna", 0, L"50% off for Anna"},
      {L"%d coins", L"Anna", 0, L"Anna coins"},  // a number's place takes the text
      {L"%s lives", nullptr, -2, L"-2 lives"},   // a text's place takes the number
      {L"%ls and %05.2f", L"wide", 0, L"wide and %05.2f"},
      {L"%1$s", L"Anna", 0, L"%1$s"},
      {L"ends with %", L"Anna", 0, L"ends with %"},
      {L"", L"Anna", 0, L""},
  };
  for (const TemplateCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "\"" << ORB::WideToUtf8(c.format) << "\"");
    const std::wstring filled = c.text != nullptr ? FillMessageTemplate(c.format, c.text)
                                                  : FillMessageTemplate(c.format, c.number);
    EXPECT_EQ(filled, c.expected);
  }
}

TEST(MessageTemplateTest, TheResultIsBounded) {
  const std::wstring long_template(600, L'x');
  EXPECT_EQ(FillMessageTemplate(long_template, L"Anna").size(), kMessageLength);
  const std::wstring long_value(1000, L'y');
  const std::wstring filled = FillMessageTemplate(L"<%s>", long_value);
  ASSERT_EQ(filled.size(), kMessageLength);
  EXPECT_EQ(filled.front(), L'<');
  EXPECT_EQ(filled.back(), L'y');
  EXPECT_EQ(kMessageLength, 511u) << "a 512-character buffer with its end mark";
}

}  // namespace
}  // namespace ORB_GF
