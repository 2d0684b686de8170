// Wide and 8-bit labels on the recording device, with textures from a
// counting provider and font descriptions from memory: what they draw, what
// they measure, and that every texture use they take comes back.
#include "engine/gui/gui_label.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/gui/gui_root.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/scene/document_provider.h"
#include "support/log_capture.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

// Glyphs for "%s 10" and "?"; line height 10.
constexpr const char* kFont = R"(
<font>
  <common lineHeight="10" scaleW="128" scaleH="64"/>
  <chars count="6">
    <char id="37" x="0" y="0" width="8" height="10" xoffset="0" yoffset="0" xadvance="9"/>
    <char id="115" x="10" y="0" width="5" height="7" xoffset="0" yoffset="3" xadvance="6"/>
    <char id="32" x="0" y="0" width="0" height="0" xoffset="0" yoffset="0" xadvance="5"/>
    <char id="49" x="20" y="0" width="4" height="10" xoffset="1" yoffset="0" xadvance="7"/>
    <char id="48" x="30" y="0" width="6" height="10" xoffset="0" yoffset="0" xadvance="7"/>
    <char id="63" x="40" y="0" width="6" height="10" xoffset="0" yoffset="0" xadvance="7"/>
  </chars>
</font>)";

class GuiLabelTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    textures_->Add("font page", 128, 64);
    textures_->Add("other page", 128, 64);
    documents_.Set("font.xml", kFont);
  }
  OC_GUI_WLABEL* AddLabel(const wchar_t* text, const char* font = "font.xml") {
    return root_->Add(std::make_unique<OC_GUI_WLABEL>(3, font, "font page", text));
  }
};

TEST_F(GuiLabelTest, WideLabelDrawsItsTextLiterallyAndMeasuresIt) {
  OC_GUI_WLABEL* label = AddLabel(L"%s 100%");
  EXPECT_EQ(label->GetKind(), kGuiKindWideLabel);
  EXPECT_EQ(QuadsDrawn(), 0u) << "nothing before the load";
  EXPECT_EQ(label->GetWidth(), 0.0f);
  root_->LoadResources();
  EXPECT_EQ(QuadsDrawn(), 7u) << "\"%s 100%\" is seven glyphs, not a format";
  EXPECT_EQ(label->GetWidth(), 9.0f + 6 + 5 + 7 + 7 + 7 + 9);
  EXPECT_EQ(label->GetHeight(), 10.0f);
  EXPECT_EQ(textures_->Uses("font page"), 1);

  // A longer text than the one the font was built with.
  label->SetText(L"%s 100% 100% 100% 100% 100% 100% 100% 100%");
  EXPECT_EQ(QuadsDrawn(), label->GetText().size());

  label->SetScale(2.0f);
  EXPECT_EQ(label->GetWidth(), 2.0f * (9 + 6 + 8 * (5 + 7 + 7 + 7 + 9)));
  root_->ReleaseResources();
  EXPECT_EQ(textures_->Uses("font page"), 0);
}

TEST_F(GuiLabelTest, SettingsMadeBeforeTheBuildReachTheFont) {
  OC_GUI_WLABEL* label = AddLabel(L"10");
  label->SetLetterSpace(3);
  label->SetLineSpace(4);
  label->SetColor(Colour(0xFF102030u));
  label->SetScale(1.5f);
  label->SetAlignment(12);
  EXPECT_EQ(label->GetAlignment(), HS_MID) << "outside 0..8: the centre";
  label->SetAlignment(HS_UL);
  root_->LoadResources();
  OC_FONT* font = label->GetFont();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->letter_spacing, 3);
  EXPECT_EQ(font->line_spacing, 4);
  EXPECT_EQ(font->GetColor(), 0xFF102030u);
  EXPECT_EQ(font->GetPageTransform().scale.x, 1.5f);
  EXPECT_EQ(font->GetTexture(), textures_->AcquireTexture("font page"));
  textures_->ReleaseTexture(font->GetTexture());
  // And after it.
  label->SetLetterSpace(1);
  label->SetColor(Colour(0xFFFFFFFFu));
  EXPECT_EQ(font->letter_spacing, 1);
  EXPECT_EQ(font->GetColor(), 0xFFFFFFFFu);
}

TEST_F(GuiLabelTest, WideLabelWithoutItsDescriptionOrTextureStaysEmpty) {
  test_support::LogCapture log;
  OC_GUI_WLABEL* label = AddLabel(L"10", "missing.xml");
  root_->LoadResources();
  EXPECT_EQ(label->GetFont(), nullptr);
  EXPECT_EQ(QuadsDrawn(), 0u);
  EXPECT_EQ(label->GetWidth(), 0.0f);
  EXPECT_EQ(label->GetHeight(), 0.0f);
  EXPECT_EQ(textures_->Uses("font page"), 0) << "the texture is given back at once";
  EXPECT_TRUE(log.Has("gui: warning: font description 'missing.xml' cannot be had"));

  auto* no_page = root_->Add(std::make_unique<OC_GUI_WLABEL>(4, "font.xml", "no page", L"10"));
  log.Clear();
  const int requests = documents_.requests;
  root_->LoadResources();
  EXPECT_EQ(no_page->GetFont(), nullptr);
  EXPECT_EQ(documents_.requests, requests + 1) << "only the label with a page reads";
  EXPECT_TRUE(log.Has("texture 'no page' cannot be had"));

  // A description that turns up later is read by the next load.
  documents_.Set("missing.xml", kFont);
  root_->LoadResources();
  EXPECT_NE(label->GetFont(), nullptr);
}

TEST_F(GuiLabelTest, EveryUseTakenIsGivenBackInAnyOrder) {
  const std::vector<std::vector<char>> orders = {
      {'L', 'R'}, {'L', 'L', 'R', 'R'}, {'R', 'L', 'L'}, {'L', 'R', 'L', 'D'}, {'L', 'D'}, {'D'},
  };
  for (const auto& order : orders) {
    root_ = std::make_unique<OC_GUI_ROOT>();
    AddLabel(L"10");
    root_->Add(std::make_unique<OC_GUI_WLABEL>(4, "missing.xml", "font page", L"1"));
    for (const char step : order) {
      if (step == 'L') root_->LoadResources();
      if (step == 'R') root_->ReleaseResources();
      if (step == 'D') root_->Clear();
      EXPECT_LE(textures_->Uses("font page"), 1);
    }
    root_.reset();
    EXPECT_EQ(textures_->TotalUses(), 0) << std::string(order.begin(), order.end());
  }
}

TEST_F(GuiLabelTest, LabelKeepsItsOwnTextAndItsPageUntilDeleted) {
  pugi::xml_document description;
  ASSERT_TRUE(description.load_string(kFont));
  std::string text = "%s 10";
  auto* label =
      root_->Add(std::make_unique<OC_GUI_LABEL>(5, description.child("font"), "font page", text));
  text.assign("1");
  EXPECT_EQ(label->GetKind(), kGuiKindLabel);
  EXPECT_EQ(textures_->Uses("font page"), 1) << "taken at once";
  EXPECT_EQ(QuadsDrawn(), 5u);
  root_->ReleaseResources();
  EXPECT_EQ(textures_->Uses("font page"), 1) << "the passes leave a label's page alone";

  // A new font: the new page is taken and the old one given back.
  EXPECT_TRUE(label->SetFont(description.child("font"), "other page"));
  EXPECT_EQ(textures_->Uses("font page"), 0);
  EXPECT_EQ(textures_->Uses("other page"), 1);
  EXPECT_FALSE(label->SetFont(description.child("font"), "no page"));
  EXPECT_EQ(textures_->Uses("other page"), 1) << "a failed change keeps the font";
  EXPECT_EQ(QuadsDrawn(), 5u);

  // The text goes upright to the whole-pixel world position.
  root_->SetPosition(10.7f, 20.2f, 0.0f);
  label->SetPosition(5.0f, 5.0f, 0.0f);
  label->GetTransform().SetAngle(1.0f);
  label->SetAlignment(HS_UL);
  label->SetText("1");
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  fake_->ClearLog();
  root_->Draw();
  const auto drawn = Drawn();
  renderer_->EndFrame();
  ASSERT_EQ(drawn.size(), 4u);
  // "1" has an x offset of 1; the 8-bit top-left alignment moves it down by
  // half the line height.
  EXPECT_FLOAT_EQ(drawn[0].x, 15.0f + 1.0f);
  EXPECT_FLOAT_EQ(drawn[0].y, 25.0f + 5.0f);
  EXPECT_FLOAT_EQ(drawn[2].x - drawn[0].x, 4.0f) << "not turned";

  // A shared font is the caller's.
  auto* shared = root_->Add(std::make_unique<OC_GUI_LABEL>(6, label->GetFont(), "10"));
  EXPECT_EQ(shared->GetFont(), label->GetFont());
  root_->Remove(shared);
  EXPECT_EQ(textures_->Uses("other page"), 1);
}

}  // namespace
}  // namespace ORB
