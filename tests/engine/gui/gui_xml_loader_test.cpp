// The GUI description reader on the recording device, with textures from a
// counting provider and the font description from memory: snippets of XML to
// the widget they build (kind, id, attributes), the common attributes and
// children, LoadGuiXml's choice of description, and bad input that builds
// less and says so.
#include "engine/gui/gui_xml_loader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/gui/gui_animation_bar.h"
#include "engine/gui/gui_button2.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_checkbox5.h"
#include "engine/gui/gui_checkbox_ios.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_label.h"
#include "engine/gui/gui_line_box.h"
#include "engine/gui/gui_list_box.h"
#include "engine/gui/gui_panel.h"
#include "engine/gui/gui_panel9.h"
#include "engine/gui/gui_progress_bar.h"
#include "engine/gui/gui_simple_slider.h"
#include "engine/gui/gui_slider12.h"
#include "engine/gui/gui_slider13.h"
#include "engine/gui/gui_wide_label.h"
#include "support/log_capture.h"
#include "support/widget_test.h"

namespace ORB {
namespace {

// Glyphs for "A" and "b"; line height 10.
constexpr const char* kFont = R"(
<font>
  <common lineHeight="10" scaleW="128" scaleH="64"/>
  <chars count="2">
    <char id="65" x="0" y="0" width="8" height="10" xoffset="0" yoffset="0" xadvance="9"/>
    <char id="98" x="10" y="0" width="6" height="10" xoffset="0" yoffset="0" xadvance="7"/>
  </chars>
</font>)";

// The texture of a nine-part panel's piece: "p1" to "p9". (Appended: a
// literal in front of a temporary string sets off GCC 12's -Wrestrict.)
std::string Piece(int i) {
  std::string name = "p";
  name += std::to_string(i);
  return name;
}

template <typename T>
bool Is(const OC_GUI_OBJECT* widget) {
  return dynamic_cast<const T*>(widget) != nullptr;
}

class GuiXmlLoaderTest : public test_support::WidgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WidgetTest::SetUp());
    for (const char* name : {"tex", "panel", "knob", "high", "slider", "row", "bar", "runner"}) {
      textures_->Add(name, 120, 40);
    }
    textures_->Add("page", 128, 64);
    textures_->Add("ring", 100, 40);
    for (int i = 1; i <= 9; ++i) textures_->Add(Piece(i), 8, 8);
    documents_.Set("font.xml", kFont);
    documents_.Set("no font.xml", "<other/>");
  }
  void TearDown() override {
    built_.clear();
    WidgetTest::TearDown();
  }

  // The widget of the snippet's first element (kept until the test ends),
  // or null.
  OC_GUI_OBJECT* Build(const std::string& xml) {
    auto document = std::make_unique<pugi::xml_document>();
    EXPECT_TRUE(document->load_string(xml.c_str())) << xml;
    OC_GUI_OBJECT* widget = CreateGuiWidget(document->first_child());
    documents_kept_.push_back(std::move(document));
    if (widget != nullptr) built_.emplace_back(widget);
    return widget;
  }
  template <typename T>
  T* BuildAs(const std::string& xml) {
    OC_GUI_OBJECT* widget = Build(xml);
    EXPECT_TRUE(Is<T>(widget)) << xml;
    return dynamic_cast<T*>(widget);
  }
  // Built into the root and loaded.
  template <typename T>
  T* Load(const std::string& xml) {
    auto document = std::make_unique<pugi::xml_document>();
    EXPECT_TRUE(document->load_string(xml.c_str())) << xml;
    OC_GUI_OBJECT* widget = CreateGuiWidget(document->first_child());
    EXPECT_TRUE(Is<T>(widget)) << xml;
    root_->Add(widget);
    root_->LoadResources();
    return dynamic_cast<T*>(widget);
  }

  std::vector<std::unique_ptr<pugi::xml_document>> documents_kept_;
  std::vector<std::unique_ptr<OC_GUI_OBJECT>> built_;
};

TEST_F(GuiXmlLoaderTest, EveryElementBuildsItsWidgetWhateverTheCaseOfItsName) {
  struct Case {
    const char* xml;
    int32_t kind;
    bool (*is)(const OC_GUI_OBJECT*);
  };
  // clang-format off
  const std::vector<Case> cases = {
      {R"(<LABEL ID="7" TEXTURE="page" FONT="font.xml"/>)", kGuiKindLabel, Is<OC_GUI_LABEL>},
      {R"(<label ID="7" TEXTURE="page" FONT="font.xml"/>)", kGuiKindLabel, Is<OC_GUI_LABEL>},
      {R"(<WLABEL ID="7" FONT="font.xml" FONT_TEXTURE="page"/>)", kGuiKindWideLabel, Is<OC_GUI_WLABEL>},
      {R"(<IMAGE ID="7" TEXTURE="tex"/>)", kGuiKindImage, Is<OC_GUI_IMAGE>},
      {R"(<Image ID="7" TEXTURE="tex"/>)", kGuiKindImage, Is<OC_GUI_IMAGE>},
      {R"(<BUTTON5 ID="7" TEXTURE="tex"/>)", kGuiKindButton, Is<OC_GUI_BUTTON5>},
      {R"(<BUTTON2 ID="7" TEXTURE="tex"/>)", kGuiKindButton, Is<OC_GUI_BUTTON2>},
      {R"(<PANEL ID="7" TEXTURE="panel"/>)", kGuiKindPanel, Is<OC_GUI_PANEL>},
      {R"(<PANEL9 ID="7"/>)", kGuiKindPanel9, Is<OC_GUI_PANEL9>},
      {R"(<panel9 ID="7"/>)", kGuiKindPanel9, Is<OC_GUI_PANEL9>},
      {R"(<CHECKBOX ID="7" TEXTURE="tex"/>)", kGuiKindCheckbox, Is<OC_GUI_CHECKBOX5>},
      {R"(<CHECKBOX_IOS ID="7" TX_PANEL="panel" TX_BTN="knob"/>)", kGuiKindCheckboxIos, Is<OC_GUI_CHECKBOX_IOS>},
      {R"(<Checkbox_Ios ID="7" TX_PANEL="panel" TX_BTN="knob"/>)", kGuiKindCheckboxIos, Is<OC_GUI_CHECKBOX_IOS>},
      {R"(<LINEBOX ID="7" TEXTURE="tex" FONT_TEXTURE="page" FONT="font.xml"/>)", kGuiKindLinebox, Is<OC_GUI_LINEBOX>},
      {R"(<LISTBOX ID="7" LIST_TEXTURE="high" PANEL_TEXTURE="panel" SLIDER12_TEXTURE="slider"
                   FONT="font.xml" FONT_TEXTURE="page"/>)", kGuiKindListbox, Is<OC_GUI_LISTBOX>},
      {R"(<PROGRESS_BAR ID="7" TEXTURE="bar"/>)", kGuiKindProgressBar, Is<OC_GUI_PROGRESS_BAR>},
      {R"(<ANIMATION_BAR ID="7" TEXTURE="ring" COLUMNS="5" ROWS="2" FRAMES="10"/>)", kGuiKindPlain, Is<OC_GUI_ANIMATION_BAR>},
      {R"(<SLIDER12 ID="7" TEXTURE="slider" START="0 0" END="100 0"/>)", kGuiKindSlider, Is<OC_GUI_SLIDER12>},
      {R"(<SLIDER13 ID="7" TEXTURE="slider" START="0 0" END="0 100"/>)", kGuiKindSlider, Is<OC_GUI_SLIDER13>},
      {R"(<SIMPLESLIDER PROGRESS="bar" RUNNER="runner" ID="7"/>)", kGuiKindPlain, Is<OC_GUI_SIMPLE_SLIDER>},
      {R"(<simpleSlider PROGRESS="bar" RUNNER="runner" ID="7"/>)", kGuiKindPlain, Is<OC_GUI_SIMPLE_SLIDER>},
  };
  // clang-format on
  for (const Case& c : cases) {
    const OC_GUI_OBJECT* widget = Build(c.xml);
    ASSERT_NE(widget, nullptr) << c.xml;
    EXPECT_TRUE(c.is(widget)) << c.xml;
    EXPECT_EQ(widget->GetKind(), c.kind) << c.xml;
    EXPECT_EQ(widget->GetId(), 7) << c.xml;
    EXPECT_TRUE(widget->IsEnabled() && widget->IsVisible()) << c.xml;
  }
  EXPECT_EQ(documents_.requests, 2) << "each label reads its font description once";
  EXPECT_EQ(documents_.OpenDocuments(), 0u) << "and gives it back after the build";
}

TEST_F(GuiXmlLoaderTest, BadInputBuildsNothingAndSaysWhy) {
  struct Case {
    const char* xml;
    const char* logged;  // part of the line logged
  };
  // clang-format off
  const std::vector<Case> cases = {
      {R"(<BUTTON ID="1" TEXTURE="tex"/>)", "BUTTON (ID 1): unknown element"},
      {R"(<LABELS ID="1" TEXTURE="page" FONT="font.xml"/>)", "unknown element"},
      // Attribute names are compared exactly.
      {R"(<label id="1" TEXTURE="page" FONT="font.xml"/>)", "label: missing 'ID'"},
      {R"(<LABEL ID="1" FONT="font.xml"/>)", "missing 'TEXTURE'"},
      {R"(<LABEL ID="1" TEXTURE="page"/>)", "missing 'FONT'"},
      // The label's font is read while it is built: without it, no label.
      {R"(<LABEL ID="1" TEXTURE="page" FONT="missing.xml"/>)", "font description 'missing.xml' cannot be had"},
      {R"(<LABEL ID="1" TEXTURE="page" FONT="no font.xml"/>)", "font description 'no font.xml' cannot be had"},
      {R"(<WLABEL ID="1" FONT="font.xml"/>)", "missing 'FONT_TEXTURE'"},
      {R"(<WLABEL FONT="font.xml" FONT_TEXTURE="page"/>)", "missing 'ID'"},
      {R"(<IMAGE ID="1"/>)", "missing 'TEXTURE'"},
      {R"(<BUTTON5 TEXTURE="tex"/>)", "missing 'ID'"},
      {R"(<BUTTON2 ID="1"/>)", "missing 'TEXTURE'"},
      {R"(<PANEL ID="1"/>)", "missing 'TEXTURE'"},
      {R"(<PANEL9 TX_1_1="p1"/>)", "missing 'ID'"},
      {R"(<CHECKBOX ID="1"/>)", "missing 'TEXTURE'"},
      {R"(<CHECKBOX_IOS ID="1" TX_PANEL="panel"/>)", "missing 'TX_BTN'"},
      {R"(<LINEBOX ID="1" TEXTURE="tex" FONT_TEXTURE="page"/>)", "missing 'FONT'"},
      {R"(<LISTBOX ID="1" LIST_TEXTURE="high" PANEL_TEXTURE="panel" FONT="font.xml" FONT_TEXTURE="page"/>)",
       "missing 'SLIDER12_TEXTURE'"},
      {R"(<PROGRESS_BAR ID="1"/>)", "missing 'TEXTURE'"},
      {R"(<ANIMATION_BAR ID="1" TEXTURE="ring" COLUMNS="5" ROWS="2"/>)", "missing 'FRAMES'"},
      // A sheet of no columns or rows has no frame to show.
      {R"(<ANIMATION_BAR ID="1" TEXTURE="ring" COLUMNS="0" ROWS="2" FRAMES="10"/>)", "COLUMNS and ROWS"},
      {R"(<ANIMATION_BAR ID="1" TEXTURE="ring" COLUMNS="5" ROWS="-1" FRAMES="10"/>)", "COLUMNS and ROWS"},
      {R"(<ANIMATION_BAR ID="1" TEXTURE="ring" COLUMNS="five" ROWS="2" FRAMES="10"/>)", "COLUMNS and ROWS"},
      {R"(<SLIDER12 ID="1" TEXTURE="slider" START="0 0"/>)", "missing 'END'"},
      // A slider whose points meet has no axis.
      {R"(<SLIDER12 ID="1" TEXTURE="slider" START="40 40" END="40 40"/>)", "START equals END"},
      {R"(<SLIDER13 ID="1" TEXTURE="slider" START="0 0" END="0 0"/>)", "START equals END"},
      {R"(<SLIDER13 ID="1" TEXTURE="slider" START="10" END="0 0"/>)", "START '10' needs 2 numbers"},
      {R"(<SIMPLESLIDER ID="1" PROGRESS="bar"/>)", "missing 'RUNNER'"},
  };
  // clang-format on
  for (const Case& c : cases) {
    test_support::LogCapture log;
    EXPECT_EQ(Build(c.xml), nullptr) << c.xml;
    EXPECT_TRUE(log.Has(std::string("gui: warning: /: ")) && log.Has(c.logged))
        << c.xml << "\n"
        << (log.Lines().empty() ? std::string("(nothing logged)") : log.Lines()[0]);
  }
  EXPECT_EQ(documents_.OpenDocuments(), 0u);
  EXPECT_EQ(textures_->TotalUses(), 0) << "nothing was taken for what was not built";
}

TEST_F(GuiXmlLoaderTest, CommonAttributesAndChildren) {
  auto* image = BuildAs<OC_GUI_IMAGE>(R"(
      <IMAGE ID="3" TEXTURE="tex" ENABLE="false" VISIBLE="no">
        <SIZE>50 30</SIZE>
        <POSITION>100 -20</POSITION>
      </IMAGE>)");
  ASSERT_NE(image, nullptr);
  EXPECT_FALSE(image->IsEnabled());
  EXPECT_FALSE(image->IsVisible());
  EXPECT_EQ(image->GetTransform().position, Vector3(100.0f, -20.0f, 0.0f));
  root_->Add(built_.back().release());
  root_->LoadResources();
  EXPECT_EQ(image->GetWidth(), 50.0f) << "the SIZE is kept for the build";
  EXPECT_EQ(image->GetHeight(), 30.0f);

  auto* shown = Build(R"(<IMAGE ID="3" TEXTURE="tex" ENABLE="Yes" VISIBLE="1"/>)");
  EXPECT_TRUE(shown->IsEnabled() && shown->IsVisible());

  // TRANSFORM: with 12 numbers (any white space between them) position,
  // rotation and scale are replaced and the pivot is added to the one the
  // widget has; with 11 nothing changes.
  struct TransformCase {
    const char* text;
    OS_TRANSFORM3 expected;
  };
  OS_TRANSFORM3 start;
  start.pivot = Vector3(1.0f, 2.0f, 3.0f);
  start.position = Vector3(7.0f, 7.0f, 7.0f);
  OS_TRANSFORM3 twelve;
  twelve.position = Vector3(10.0f, 20.0f, 30.0f);
  twelve.pivot = Vector3(1.5f, 1.0f, 3.0f);
  twelve.rotation = Vector3(0.0f, 0.0f, 0.25f);
  twelve.scale = Vector3(2.0f, 3.0f, 1.0f);
  OS_TRANSFORM3 not_finite = start;
  not_finite.position = Vector3(0.0f, 0.0f, 0.0f);
  not_finite.scale = Vector3(0.0f, 1.0f, 1.0f);
  for (const TransformCase& c : {
           TransformCase{"10 20 30 0.5 -1 0 0 0 0.25 2 3 1", twelve},
           TransformCase{"10 20 30\n\t0.5 -1 0   0 0 0.25  2 3 1", twelve},
           TransformCase{"10 20 30 0.5 -1 0 0 0 0.25 2 3", start},
           TransformCase{"", start},
           TransformCase{"nan inf -inf 0 0 0 0 0 0 x 1 1", not_finite},
       }) {
    OC_GUI_OBJECT widget(1);
    widget.GetTransform() = start;
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("IMAGE");
    element.append_child("TRANSFORM").text().set(c.text);
    GuiXmlLoader::ReadCommon(&widget, element);
    const OS_TRANSFORM3& t = widget.GetTransform();
    EXPECT_EQ(t.position, c.expected.position) << c.text;
    EXPECT_EQ(t.pivot, c.expected.pivot) << c.text;
    EXPECT_EQ(t.rotation, c.expected.rotation) << c.text;
    EXPECT_EQ(t.scale, c.expected.scale) << c.text;
  }

  // SIZE and POSITION without two numbers are left out.
  {
    test_support::LogCapture log;
    auto* left = Build(R"(<IMAGE ID="4" TEXTURE="tex"><POSITION>100</POSITION></IMAGE>)");
    EXPECT_EQ(left->GetTransform().position, Vector3(0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(log.Has("IMAGE (ID 4): POSITION '100' needs 2 numbers"));
  }
}

TEST_F(GuiXmlLoaderTest, ScriptsAreNamedByTheirTextAndGetTheWidget) {
  auto* button = Build(R"(
      <BUTTON5 ID="4" TEXTURE="tex">
        <SCRIPTS>
          <SCRIPT EVENT="down">OnDown</SCRIPT>
          <A EVENT="Up">First</A>
          <B EVENT="UP">OnUp</B>
          <SCRIPT EVENT="ENTER">OnEnter</SCRIPT>
          <SCRIPT EVENT="LEAVE">OnLeave</SCRIPT>
          <SCRIPT EVENT="CLICK">Ignored</SCRIPT>
          <SCRIPT>NoEvent</SCRIPT>
        </SCRIPTS>
      </BUTTON5>)");
  ASSERT_NE(button, nullptr);
  const std::vector<std::pair<GuiScript, const char*>> expected = {
      {GuiScript::kDown, "OnDown"},
      {GuiScript::kUp, "OnUp"},
      {GuiScript::kEnter, "OnEnter"},
      {GuiScript::kLeave, "OnLeave"},
  };
  for (const auto& [slot, name] : expected) {
    const Callback* script = button->GetScript(slot);
    ASSERT_NE(script, nullptr) << name;
    EXPECT_EQ(script->name, name);
    EXPECT_EQ(script->argument, reinterpret_cast<intptr_t>(button));
    EXPECT_FALSE(script->function) << "bound by name later";
  }

  // The widgets' own events: GRAB and FILLED without regard to case,
  // VALUE_CHANGED exactly, on both framed sliders.
  auto* panel = BuildAs<OC_GUI_PANEL>(R"(
      <PANEL ID="5" TEXTURE="panel"><SCRIPTS><S EVENT="grab">Drag</S></SCRIPTS></PANEL>)");
  ASSERT_NE(panel->GetGrabScript(), nullptr);
  EXPECT_EQ(panel->GetGrabScript()->name, "Drag");
  EXPECT_EQ(panel->GetGrabScript()->argument, reinterpret_cast<intptr_t>(panel));
  auto* frame = BuildAs<OC_GUI_PANEL9>(R"(
      <PANEL9 ID="6"><SCRIPTS><S EVENT="GRAB">Drag</S><S EVENT="Enter">In</S></SCRIPTS></PANEL9>)");
  ASSERT_NE(frame->GetGrabScript(), nullptr);
  ASSERT_NE(frame->GetScript(GuiScript::kEnter), nullptr);
  EXPECT_EQ(frame->GetScript(GuiScript::kEnter)->name, "In");
  auto* bar = BuildAs<OC_GUI_PROGRESS_BAR>(R"(
      <PROGRESS_BAR ID="7" TEXTURE="bar"><SCRIPTS><S EVENT="filled">Full</S></SCRIPTS></PROGRESS_BAR>)");
  ASSERT_NE(bar->GetFilledScript(), nullptr);
  EXPECT_EQ(bar->GetFilledScript()->name, "Full");
  auto* ring = BuildAs<OC_GUI_ANIMATION_BAR>(R"(
      <ANIMATION_BAR ID="8" TEXTURE="ring" COLUMNS="5" ROWS="2" FRAMES="10">
        <SCRIPTS><S EVENT="FILLED">Full</S></SCRIPTS>
      </ANIMATION_BAR>)");
  ASSERT_NE(ring->GetFilledScript(), nullptr);
  for (const char* element : {"SLIDER12", "SLIDER13"}) {
    const std::string open = std::string("<") + element +
                             R"( ID="9" TEXTURE="slider" START="0 0" END="100 0"><SCRIPTS>)";
    const std::string close = std::string("</SCRIPTS></") + element + ">";
    auto* taken =
        dynamic_cast<OC_BASESLIDER*>(Build(open + R"(<S EVENT="VALUE_CHANGED">Level</S>)" + close));
    ASSERT_NE(taken, nullptr) << element;
    ASSERT_NE(taken->GetOnValueChanged(), nullptr) << element;
    EXPECT_EQ(taken->GetOnValueChanged()->name, "Level");
    auto* ignored =
        dynamic_cast<OC_BASESLIDER*>(Build(open + R"(<S EVENT="value_changed">Level</S>)" + close));
    ASSERT_NE(ignored, nullptr) << element;
    EXPECT_EQ(ignored->GetOnValueChanged(), nullptr) << element << ": the event's case matters";
  }
}

TEST_F(GuiXmlLoaderTest, ContextBuildsChildrenInOrderAndNestsToAFixedDepth) {
  test_support::LogCapture log;
  auto* panel = Build(R"(
      <PANEL ID="1" TEXTURE="panel">
        <CONTEXT>
          <IMAGE ID="2" TEXTURE="tex"/>
          <!-- a comment -->
          <BUTTN ID="3" TEXTURE="tex"/>
          <BUTTON5 ID="4" TEXTURE="tex">
            <CONTEXT><WLABEL ID="5" FONT="font.xml" FONT_TEXTURE="page" TEXT="Ab"/></CONTEXT>
          </BUTTON5>
          <IMAGE TEXTURE="tex"/>
        </CONTEXT>
      </PANEL>)");
  ASSERT_NE(panel, nullptr);
  ASSERT_EQ(panel->GetChildCount(), 2u) << "the unknown element and the one without ID left out";
  EXPECT_EQ(panel->GetChild(0)->GetId(), 2);
  EXPECT_EQ(panel->GetChild(1)->GetId(), 4);
  ASSERT_EQ(panel->GetChild(1)->GetChildCount(), 1u);
  EXPECT_EQ(panel->FindById(5)->GetParent(), panel->GetChild(1));
  EXPECT_TRUE(log.Has("gui: warning: /PANEL/CONTEXT: BUTTN (ID 3): unknown element"));

  // Forty levels deep: the levels past the limit are left out, with one line.
  std::string deep;
  for (int i = 0; i < 40; ++i)
    deep += R"(<IMAGE ID=")" + std::to_string(i) + R"(" TEXTURE="tex"><CONTEXT>)";
  for (int i = 0; i < 40; ++i) deep += "</CONTEXT></IMAGE>";
  log.Clear();
  const OC_GUI_OBJECT* top = Build(deep);
  ASSERT_NE(top, nullptr);
  int32_t levels = 1;
  for (const OC_GUI_OBJECT* w = top; w->GetChildCount() > 0; w = w->GetChild(0)) ++levels;
  EXPECT_EQ(levels, GuiXmlLoader::kMaxContextDepth + 1);
  EXPECT_EQ(log.Lines().size(), 1u);
  EXPECT_TRUE(log.Has("CONTEXT nested deeper than 16 levels"));
  // The depth is the reader's own business: a second read starts afresh.
  EXPECT_NE(
      Build(
          R"(<IMAGE ID="1" TEXTURE="tex"><CONTEXT><IMAGE ID="2" TEXTURE="tex"/></CONTEXT></IMAGE>)")
          ->FindById(2),
      nullptr);
}

TEST_F(GuiXmlLoaderTest, LabelsTheirTextsColoursAndSpacings) {
  auto* label = BuildAs<OC_GUI_LABEL>(
      R"(<LABEL ID="1" TEXTURE="page" FONT="font.xml" TEXT="Ab" FONT_COLOR="255 1 2 3"/>)");
  ASSERT_NE(label->GetFont(), nullptr);
  EXPECT_EQ(label->GetText(), "Ab");
  EXPECT_EQ(label->GetFont()->GetColor(), 0xFF010203u);
  EXPECT_EQ(textures_->Uses("page"), 1) << "a label takes its page at once";
  {
    test_support::LogCapture log;
    auto* plain = BuildAs<OC_GUI_LABEL>(
        R"(<LABEL ID="1" TEXTURE="page" FONT="font.xml" FONT_COLOR="255 1 2"/>)");
    auto* fresh = BuildAs<OC_GUI_LABEL>(R"(<LABEL ID="1" TEXTURE="page" FONT="font.xml"/>)");
    EXPECT_EQ(plain->GetFont()->GetColor(), fresh->GetFont()->GetColor())
        << "three numbers: the font keeps its colour";
    EXPECT_EQ(plain->GetText(), "");
    EXPECT_TRUE(log.Has("FONT_COLOR '255 1 2' needs 4 numbers"));
  }

  struct WideCase {
    const char* attributes;
    std::wstring text;
    int32_t alignment, letter, line, text_id;
    uint32_t colour;
    float scale;
  };
  // clang-format off
  const std::vector<WideCase> cases = {
      {"", L"", 4, 0, 0, 0, 0xFFFFFFFFu, 1.0f},
      {R"(TEXT="Zo&#xEB; &#x2605;" TEXT_ID="12" LETTER_SPACE="2" LINE_SPACE="5" FONT_COLOR="FF102030" FONT_SCALE="1.5")",
       L"Zo\u00EB \u2605", 4, 2, 5, 12, 0xFF102030u, 1.5f},
      {R"(TEXT="Zo&#xC3;&#xAB;")", L"Zo\u00C3\u00AB", 4, 0, 0, 0, 0xFFFFFFFFu, 1.0f},
      {R"(HOT_SPOT="6")", L"", 6, 0, 0, 0, 0xFFFFFFFFu, 1.0f},
      {R"(HOT_SPOT="HS_MR")", L"", 5, 0, 0, 0, 0xFFFFFFFFu, 1.0f},
      {R"(HOT_SPOT="9")", L"", 4, 0, 0, 0, 0xFFFFFFFFu, 1.0f},
      {R"(FONT_COLOR="0x80FF0000")", L"", 4, 0, 0, 0, 0x80FF0000u, 1.0f},
  };
  // clang-format on
  for (const WideCase& c : cases) {
    const std::string xml =
        std::string(R"(<WLABEL ID="2" FONT="font.xml" FONT_TEXTURE="page" )") + c.attributes + "/>";
    auto* wide = BuildAs<OC_GUI_WLABEL>(xml);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->GetText(), c.text) << xml;
    EXPECT_EQ(wide->GetAlignment(), c.alignment) << xml;
    EXPECT_EQ(wide->GetLetterSpace(), c.letter) << xml;
    EXPECT_EQ(wide->GetLineSpace(), c.line) << xml;
    EXPECT_EQ(wide->GetTextId(), c.text_id) << xml;
    EXPECT_EQ(wide->GetColor().ToUInt(), c.colour) << xml;
    EXPECT_EQ(wide->GetScale(), c.scale) << xml;
    EXPECT_EQ(wide->GetFontFile(), "font.xml");
    EXPECT_EQ(wide->GetFontTexture(), "page");
  }
}

TEST_F(GuiXmlLoaderTest, ImagesAnchorAtTheirHotSpotAndUnknownNamesAreLogged) {
  struct Case {
    const char* hot_spot;
    int32_t anchor;
    bool logged;
  };
  for (const Case& c :
       {Case{nullptr, HS_MID, false}, Case{"HS_UL", HS_UL, false}, Case{"HS_DR", HS_DR, false},
        Case{"HS_MDI", HS_MID, true}, Case{"hs_ul", HS_MID, true}, Case{"2", HS_UR, false}}) {
    test_support::LogCapture log;
    std::string xml = R"(<IMAGE ID="9" TEXTURE="tex")";
    if (c.hot_spot != nullptr) xml += std::string(" HOT_SPOT=\"") + c.hot_spot + "\"";
    auto* image = BuildAs<OC_GUI_IMAGE>(xml + "/>");
    EXPECT_EQ(image->GetAnchor(), c.anchor) << xml;
    EXPECT_EQ(log.Has(std::string("IMAGE (ID 9): unknown HOT_SPOT '") +
                      (c.hot_spot != nullptr ? c.hot_spot : "") + "'"),
              c.logged)
        << xml;
  }
}

TEST_F(GuiXmlLoaderTest, ButtonsPanelsAndBoxes) {
  auto* off = BuildAs<OC_GUI_BUTTON5>(R"(<BUTTON5 ID="1" TEXTURE="tex" ENABLE="0"/>)");
  EXPECT_FALSE(off->IsEnabled());
  EXPECT_EQ(off->GetState(), OC_GUI_BUTTON5::kDisabled) << "shown disabled too";
  auto* on = BuildAs<OC_GUI_BUTTON5>(R"(<BUTTON5 ID="1" TEXTURE="tex" ENABLE="1"/>)");
  EXPECT_EQ(on->GetState(), OC_GUI_BUTTON5::kNormal);

  EXPECT_TRUE(BuildAs<OC_GUI_PANEL>(R"(<PANEL ID="1" TEXTURE="panel"/>)")->IsMovable());
  EXPECT_FALSE(
      BuildAs<OC_GUI_PANEL>(R"(<PANEL ID="1" TEXTURE="panel" MOVABLE="0"/>)")->IsMovable());
  EXPECT_FALSE(BuildAs<OC_GUI_PANEL9>(R"(<PANEL9 ID="1"/>)")->IsMovable());
  EXPECT_TRUE(BuildAs<OC_GUI_PANEL9>(R"(<PANEL9 ID="1" MOVABLE="true"/>)")->IsMovable());

  // The nine pieces by name, row by row; a piece not named is left out.
  auto* frame = Load<OC_GUI_PANEL9>(R"(
      <PANEL9 ID="2" TX_1_1="p1" TX_1_2="p2" TX_1_3="p3" TX_2_1="p4" TX_2_2="p5" TX_2_3="p6"
              TX_3_1="p7" TX_3_3="p9"><SIZE>40 30</SIZE></PANEL9>)");
  ASSERT_TRUE(frame->IsBuilt());
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(textures_->Uses(Piece(i)), i == 8 ? 0 : 1);
  EXPECT_EQ(frame->GetPiece(7), nullptr);
  EXPECT_EQ(frame->GetWidth(), 40.0f);

  auto* toggle =
      Load<OC_GUI_CHECKBOX_IOS>(R"(<CHECKBOX_IOS ID="3" TX_PANEL="panel" TX_BTN="knob"/>)");
  EXPECT_TRUE(toggle->IsBuilt());
  EXPECT_EQ(textures_->Uses("knob"), 1);
  auto* box =
      Load<OC_GUI_CHECKBOX5>(R"(<CHECKBOX ID="4" TEXTURE="tex"><SIZE>20 20</SIZE></CHECKBOX>)");
  EXPECT_EQ(box->GetWidth(), 20.0f);
  auto* slider =
      Load<OC_GUI_SIMPLE_SLIDER>(R"(<SIMPLESLIDER ID="5" PROGRESS="bar" RUNNER="runner"/>)");
  EXPECT_TRUE(slider->IsBuilt());
  EXPECT_EQ(textures_->Uses("runner"), 1);
}

TEST_F(GuiXmlLoaderTest, LineBoxAttributes) {
  struct Case {
    const char* attributes;
    const char* child;
    std::wstring text;
    int32_t max_length, alignment;
    float blink;
    uint32_t colour;
    float left, top, right, bottom;
  };
  constexpr int32_t kNone = OC_GUI_LINEBOX::kNoLimit;
  // clang-format off
  const std::vector<Case> cases = {
      {"", "", L"", kNone, 3, 0.5f, 0xFFFFFFFFu, 4, 4, 4, 4},
      {R"(MAXLEN="12" TEXT="Zoë" CARRY_BLINK_TIME="0.25" FONT_COLOR="255 10 20 30" ALIGNMENT="RIGHT")",
       "<INPUT_AREA>1 2 3 4</INPUT_AREA>", L"Zo\u00EB", 12, 5, 0.25f, 0xFF0A141Eu, 1, 2, 3, 4},
      {R"(ALIGNMENT="CENTER" MAXLEN="2147483648")", "", L"", kNone, 4, 0.5f, 0xFFFFFFFFu, 4, 4, 4, 4},
      {R"(ALIGNMENT="right" MAXLEN="4294967295")", "", L"", kNone, 3, 0.5f, 0xFFFFFFFFu, 4, 4, 4, 4},
      {R"(MAXLEN="99999999999")", "", L"", kNone, 3, 0.5f, 0xFFFFFFFFu, 4, 4, 4, 4},
      {R"(FONT_COLOR="255 10 20")", "<INPUT_AREA>1 2 3</INPUT_AREA>", L"", kNone, 3, 0.5f, 0xFFFFFFFFu, 4, 4, 4, 4},
      {R"(MAXLEN="2" TEXT="abc")", "", L"", 2, 3, 0.5f, 0xFFFFFFFFu, 4, 4, 4, 4},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::string xml =
        std::string(R"(<LINEBOX ID="6" TEXTURE="tex" FONT_TEXTURE="page" FONT="font.xml" )") +
        c.attributes + ">" + c.child + "</LINEBOX>";
    auto* box = BuildAs<OC_GUI_LINEBOX>(xml);
    ASSERT_NE(box, nullptr) << xml;
    EXPECT_EQ(box->GetText(), c.text) << xml;
    EXPECT_EQ(box->GetMaxLength(), c.max_length) << xml;
    EXPECT_EQ(box->GetAlignment(), c.alignment) << xml;
    EXPECT_EQ(box->GetBlinkTime(), c.blink) << xml;
    EXPECT_EQ(box->GetColor().ToUInt(), c.colour) << xml;
    EXPECT_EQ(box->GetMarginLeft(), c.left) << xml;
    EXPECT_EQ(box->GetMarginTop(), c.top) << xml;
    EXPECT_EQ(box->GetMarginRight(), c.right) << xml;
    EXPECT_EQ(box->GetMarginBottom(), c.bottom) << xml;
  }
}

TEST_F(GuiXmlLoaderTest, ListBoxAttributes) {
  auto* list = Load<OC_GUI_LISTBOX>(R"(
      <LISTBOX ID="7" LIST_TEXTURE="high" PANEL_TEXTURE="panel" SLIDER12_TEXTURE="slider"
               FONT="font.xml" FONT_TEXTURE="page" VISIBLE_COUNT="5" LEFT_MARGIN="3"
               UPPER_MARGIN="2" FONT_COLOR="255 1 2 3" SLIDER_DISTANCE="9" ROW_TEXTURE="row">
        <ITEMS><I>Ann</I><I>Zoë</I><!-- none --><I/></ITEMS>
      </LISTBOX>)");
  ASSERT_EQ(list->GetItemCount(), 3u);
  EXPECT_EQ(list->GetItem(1), L"Zo\u00EB");
  EXPECT_EQ(list->GetItem(2), L"");
  EXPECT_EQ(list->GetVisibleCount(), 5);
  EXPECT_EQ(list->GetFontColor().ToUInt(), 0xFF010203u);
  EXPECT_EQ(list->GetSliderTexture(), "slider");
  EXPECT_EQ(list->GetSliderButtonDistance(), 1.5f);
  EXPECT_EQ(textures_->Uses("row"), 0) << "ROW_TEXTURE without DRAW_COUNT: no row picture";

  auto* rows = Load<OC_GUI_LISTBOX>(R"(
      <LISTBOX ID="8" LIST_TEXTURE="high" PANEL_TEXTURE="panel" SLIDER12_TEXTURE="slider"
               FONT="font.xml" FONT_TEXTURE="page" SLIDER_BTN_DIST="2.5" ROW_TEXTURE="row"
               DRAW_COUNT="4" MAX_ROW="1"><ITEMS><I>Ann</I></ITEMS></LISTBOX>)");
  EXPECT_EQ(textures_->Uses("row"), 1);
  EXPECT_EQ(rows->GetSliderButtonDistance(), 2.5f);
  rows->AddItemUtf8("Bob");
  EXPECT_EQ(rows->GetItemCount(), 1u) << "MAX_ROW";
}

TEST_F(GuiXmlLoaderTest, BarsAndSliders) {
  auto* ring = BuildAs<OC_GUI_ANIMATION_BAR>(
      R"(<ANIMATION_BAR ID="1" TEXTURE="ring" COLUMNS="5" ROWS="2" FRAMES="10"/>)");
  EXPECT_EQ(ring->GetColumns(), 5);
  EXPECT_EQ(ring->GetRows(), 2);
  EXPECT_EQ(ring->GetLastFrame(), 9);

  struct Case {
    const char* attributes;
    float min, max, step, value, factor;
  };
  for (const Case& c : {Case{"", 0.0f, 100.0f, 5.0f, 0.0f, 1.5f},
                        Case{R"(MIN="10" MAX="20" STEP="2" VALUE="14" BTN_DISTANCE="2" RADIUS="8")",
                             10.0f, 20.0f, 2.0f, 14.0f, 2.0f}}) {
    for (const char* element : {"SLIDER12", "SLIDER13"}) {
      const std::string xml = std::string("<") + element +
                              R"( ID="2" TEXTURE="slider" START="100 50" END="300 50" )" +
                              c.attributes + "/>";
      auto* slider = dynamic_cast<OC_BASESLIDER*>(Build(xml));
      ASSERT_NE(slider, nullptr) << xml;
      EXPECT_EQ(slider->GetMin(), c.min) << xml;
      EXPECT_EQ(slider->GetMax(), c.max) << xml;
      EXPECT_EQ(slider->GetStep(), c.step) << xml;
      EXPECT_EQ(slider->GetValue(), c.value) << xml;
      EXPECT_EQ(slider->GetButtonFactor(), c.factor) << xml;
      EXPECT_EQ(slider->GetStartPoint(), Vector2(100.0f, 50.0f)) << xml;
      EXPECT_EQ(slider->GetEndPoint(), Vector2(300.0f, 50.0f)) << xml;
    }
  }
}

TEST_F(GuiXmlLoaderTest, LoadGuiXmlFillsTheRootFromTheNamedDescription) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(R"(
      <WINDOWS>
        <!-- descriptions by name -->
        <GUI NAME="Title"><IMAGE ID="1" TEXTURE="tex"/></GUI>
        <GUI NAME="Options"><IMAGE ID="2" TEXTURE="tex"/><NOPE/><IMAGE ID="3" TEXTURE="tex"/></GUI>
      </WINDOWS>)"));
  const pugi::xml_node windows = document.child("WINDOWS");
  struct Case {
    pugi::xml_node node;
    const char* name;
    std::vector<int32_t> ids;
  };
  for (const Case& c : {
           Case{windows, "options", {2, 3}},
           Case{windows, "OPTIONS", {2, 3}},
           Case{windows, "Title", {1}},
           Case{windows, "Missing", {1}},  // the first description instead
           Case{windows.last_child(), nullptr, {2, 3}},
           Case{windows, nullptr, {}},  // the descriptions are no widgets
           Case{pugi::xml_node(), "Title", {}},
       }) {
    root_->Add(std::make_unique<OC_GUI_OBJECT>(99));
    LoadGuiXml(*root_, c.node, c.name);
    std::vector<int32_t> ids;
    for (size_t i = 0; i < root_->Widget().GetChildCount(); ++i) {
      ids.push_back(root_->Widget().GetChild(i)->GetId());
    }
    EXPECT_EQ(ids, c.ids) << (c.name != nullptr ? c.name : "(no name)");
  }
}

}  // namespace
}  // namespace ORB
