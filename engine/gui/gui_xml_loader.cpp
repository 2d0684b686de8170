#include "engine/gui/gui_xml_loader.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/foundation/callback.h"
#include "engine/foundation/colour.h"
#include "engine/foundation/number_text.h"
#include "engine/foundation/split_string.h"
#include "engine/foundation/utf8.h"
#include "engine/foundation/vector2.h"
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
#include "engine/platform/log.h"
#include "engine/scene/anchor.h"
#include "engine/scene/document_provider.h"

namespace ORB {

namespace {

// How many CONTEXT levels the reader is inside on this thread.
thread_local int32_t context_depth = 0;

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// Where an element stands, for log lines: the name of the description it is
// in (the nearest "NAME" above it) or its parent's path, then the element
// with its id.
std::string Where(const pugi::xml_node& element) {
  std::string where;
  for (pugi::xml_node up = element.parent(); up; up = up.parent()) {
    if (const pugi::xml_attribute name = up.attribute("NAME")) {
      where = name.value();
      break;
    }
  }
  if (where.empty()) where = element.parent().path();
  if (where.empty()) where.push_back('/');
  where += ": ";
  where += element.name();
  if (const pugi::xml_attribute id = element.attribute("ID")) {
    where += " (ID ";
    where += id.value();
    where += ')';
  }
  return where;
}

void Skipped(const pugi::xml_node& element, const std::string& what) {
  Log(LogLevel::kWarning, "gui", Where(element) + ": " + what);
}

// A float as the readers take it: 0 for text that is no number, and for
// numbers that are not finite (no widget can be placed at infinity).
float Number(std::string_view text) {
  const float value = ParseFloatText(text);
  return std::isfinite(value) ? value : 0.0f;
}

float FloatAttribute(const pugi::xml_node& element, const char* name, float fallback) {
  const pugi::xml_attribute attribute = element.attribute(name);
  return attribute ? Number(attribute.value()) : fallback;
}

// At least `count` numbers in the text, read with `read`; nothing (and the
// skip logged as `what`) otherwise.
template <typename T, typename Read>
std::optional<std::vector<T>> Numbers(const pugi::xml_node& element, const char* what,
                                      std::string_view text, size_t count, Read read) {
  const std::vector<std::string_view> words = SplitWords(text);
  if (words.size() < count) {
    Skipped(element, std::string(what) + " '" + std::string(text) + "' needs " +
                         std::to_string(count) + " numbers");
    return std::nullopt;
  }
  std::vector<T> values;
  values.reserve(words.size());
  for (std::string_view word : words) values.push_back(read(word));
  return values;
}

std::optional<std::vector<float>> Floats(const pugi::xml_node& element, const char* what,
                                         std::string_view text, size_t count) {
  return Numbers<float>(element, what, text, count, Number);
}

std::optional<std::vector<int32_t>> Ints(const pugi::xml_node& element, const char* what,
                                         std::string_view text, size_t count) {
  return Numbers<int32_t>(element, what, text, count, ParseIntText);
}

// "a r g b" in decimal, each byte kept modulo 256; nothing with fewer than
// four numbers.
std::optional<Colour> DecimalColour(const pugi::xml_node& element) {
  const pugi::xml_attribute attribute = element.attribute("FONT_COLOR");
  if (!attribute) return std::nullopt;
  const auto parts = Ints(element, "FONT_COLOR", attribute.value(), 4);
  if (!parts) return std::nullopt;
  const std::vector<int32_t>& p = *parts;
  return Colour(static_cast<uint8_t>(p[0]), static_cast<uint8_t>(p[1]), static_cast<uint8_t>(p[2]),
                static_cast<uint8_t>(p[3]));
}

// "x y" as a point; nothing with fewer than two numbers.
std::optional<Vector2> PointAttribute(const pugi::xml_node& element, const char* name) {
  const auto parts = Floats(element, name, element.attribute(name).value(), 2);
  if (!parts) return std::nullopt;
  return Vector2((*parts)[0], (*parts)[1]);
}

// Every named attribute is there; the first missing one is logged.
bool Required(const pugi::xml_node& element, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (!element.attribute(name)) {
      Skipped(element, std::string("missing '") + name + "', not built");
      return false;
    }
  }
  return true;
}

int32_t Id(const pugi::xml_node& element) { return element.attribute("ID").as_int(); }

std::string Text(const pugi::xml_node& element, const char* name) {
  return element.attribute(name).value();
}

// A HOT_SPOT value: an anchor name ("HS_UL" ... "HS_DR") or its number; an
// unknown name is logged and gives the centre.
int32_t HotSpot(const pugi::xml_node& element) {
  const std::string_view text = element.attribute("HOT_SPOT").value();
  if (const std::optional<int32_t> anchor = FindAnchor(text)) return *anchor;
  if (!text.empty() && (std::isdigit(static_cast<unsigned char>(text[0])) != 0 || text[0] == '-' ||
                        text[0] == '+')) {
    const int32_t number = ParseIntText(text);
    if (IsAnchor(number)) return number;
  }
  Skipped(element, "unknown HOT_SPOT '" + std::string(text) + "'");
  return HS_MID;
}

// An empty script named by the element's text, with the widget as its
// argument; a later binding gives it its function.
std::unique_ptr<Callback> NamedScript(const pugi::xml_node& entry, OC_GUI_OBJECT* widget) {
  auto script = std::make_unique<Callback>();
  script->name = entry.text().get();
  script->argument = reinterpret_cast<intptr_t>(widget);
  return script;
}

// Calls take(event, entry) for each child of the element's SCRIPTS that has
// an EVENT.
template <typename Take>
void ForEachScript(const pugi::xml_node& element, Take take) {
  for (pugi::xml_node entry : element.child("SCRIPTS").children()) {
    if (entry.type() != pugi::node_element) continue;
    if (const pugi::xml_attribute event = entry.attribute("EVENT")) take(event.value(), entry);
  }
}

// The GRAB scripts of a panel.
void ReadGrab(GuiPanelBase* panel, const pugi::xml_node& element) {
  ForEachScript(element, [&](std::string_view event, const pugi::xml_node& entry) {
    if (SameTextIgnoringCase(event, "GRAB")) panel->SetGrabScript(NamedScript(entry, panel));
  });
}

// The FILLED scripts of a bar.
void ReadFilled(OC_BASEPROGRESS* bar, const pugi::xml_node& element) {
  ForEachScript(element, [&](std::string_view event, const pugi::xml_node& entry) {
    if (SameTextIgnoringCase(event, "FILLED")) bar->SetFilledScript(NamedScript(entry, bar));
  });
}

// The VALUE_CHANGED scripts of a slider (the event's case matters).
void ReadValueChanged(OC_BASESLIDER* slider, const pugi::xml_node& element) {
  ForEachScript(element, [&](std::string_view event, const pugi::xml_node& entry) {
    if (event == "VALUE_CHANGED") slider->SetOnValueChanged(NamedScript(entry, slider));
  });
}

// "HIT_INSET": "left top right bottom" pixels of the picture that take no
// clicks; nothing without four numbers.
template <typename Widget>
void ReadHitInset(Widget* widget, const pugi::xml_node& element) {
  const pugi::xml_attribute attribute = element.attribute("HIT_INSET");
  if (!attribute) return;
  if (const auto p = Floats(element, "HIT_INSET", attribute.value(), 4)) {
    widget->SetHitInset(HitInset{(*p)[0], (*p)[1], (*p)[2], (*p)[3]});
  }
}

void ReadMovable(GuiPanelBase* panel, const pugi::xml_node& element) {
  if (const pugi::xml_attribute movable = element.attribute("MOVABLE")) {
    panel->SetMovable(movable.as_bool());
  }
}

// The slider attributes both drawn sliders share; null when a required one
// is missing or the points meet (such a slider has no axis to slide along).
template <typename Slider>
OC_GUI_OBJECT* ReadSlider(const pugi::xml_node& element) {
  if (!Required(element, {"ID", "TEXTURE", "START", "END"})) return nullptr;
  const std::optional<Vector2> start = PointAttribute(element, "START");
  const std::optional<Vector2> end = PointAttribute(element, "END");
  if (!start || !end) return nullptr;
  if (start->x == end->x && start->y == end->y) {
    Skipped(element, "START equals END, not built");
    return nullptr;
  }
  auto slider = std::make_unique<Slider>(
      Id(element), Text(element, "TEXTURE"), *start, *end, FloatAttribute(element, "RADIUS", 20.0f),
      FloatAttribute(element, "BTN_DISTANCE", 1.5f), FloatAttribute(element, "MIN", 0.0f),
      FloatAttribute(element, "MAX", 100.0f), FloatAttribute(element, "STEP", 5.0f),
      FloatAttribute(element, "VALUE", 0.0f));
  GuiXmlLoader::ReadCommon(slider.get(), element);
  ReadValueChanged(slider.get(), element);
  return slider.release();
}

// Leaves the depth as it found it, whatever the nested reads do.
class ContextLevel {
 public:
  ContextLevel() { ++context_depth; }
  ~ContextLevel() { --context_depth; }
  ContextLevel(const ContextLevel&) = delete;
  ContextLevel& operator=(const ContextLevel&) = delete;
};

using Reader = OC_GUI_OBJECT* (*)(pugi::xml_node);

struct ElementReader {
  const char* element;
  Reader read;
};

// In the order names are tried.
constexpr ElementReader kReaders[] = {
    {"LABEL", &GuiXmlLoader::ReadLabel},
    {"WLABEL", &GuiXmlLoader::ReadWLabel},
    {"IMAGE", &GuiXmlLoader::ReadImage},
    {"BUTTON5", &GuiXmlLoader::ReadButton5},
    {"BUTTON2", &GuiXmlLoader::ReadButton2},
    {"PANEL", &GuiXmlLoader::ReadPanel},
    {"PANEL9", &GuiXmlLoader::ReadPanel9},
    {"CHECKBOX", &GuiXmlLoader::ReadCheckbox},
    {"CHECKBOX_IOS", &GuiXmlLoader::ReadCheckboxIos},
    {"LINEBOX", &GuiXmlLoader::ReadLinebox},
    {"LISTBOX", &GuiXmlLoader::ReadListbox},
    {"PROGRESS_BAR", &GuiXmlLoader::ReadProgressBar},
    {"ANIMATION_BAR", &GuiXmlLoader::ReadAnimationBar},
    {"SLIDER12", &GuiXmlLoader::ReadSlider12},
    {"SLIDER13", &GuiXmlLoader::ReadSlider13},
    {"SIMPLESLIDER", &GuiXmlLoader::ReadSimpleSlider},
};

}  // namespace

void LoadGuiXml(OC_GUI_ROOT& root, pugi::xml_node node, const char* name) {
  pugi::xml_node description = node;
  if (name != nullptr) {
    description = pugi::xml_node();
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      const pugi::xml_attribute child_name = child.attribute("NAME");
      if (child_name && SameTextIgnoringCase(child_name.value(), name)) {
        description = child;
        break;
      }
    }
    if (!description)
      description = node.find_child(
          [](const pugi::xml_node& child) { return child.type() == pugi::node_element; });
  }
  root.Clear();
  for (pugi::xml_node child : description.children()) {
    if (child.type() != pugi::node_element) continue;
    if (OC_GUI_OBJECT* widget = CreateGuiWidget(child)) root.Add(widget);
  }
}

OC_GUI_OBJECT* CreateGuiWidget(pugi::xml_node element) {
  for (const ElementReader& reader : kReaders) {
    if (SameTextIgnoringCase(element.name(), reader.element)) return reader.read(element);
  }
  Skipped(element, "unknown element, not built");
  return nullptr;
}

void GuiXmlLoader::ReadCommon(OC_GUI_OBJECT* widget, pugi::xml_node element) {
  if (widget == nullptr) return;
  if (const pugi::xml_attribute enable = element.attribute("ENABLE")) {
    widget->SetEnabled(enable.as_bool());
  }
  if (const pugi::xml_attribute visible = element.attribute("VISIBLE")) {
    widget->SetVisible(visible.as_bool());
  }
  if (const pugi::xml_node transform = element.child("TRANSFORM")) {
    if (const auto p = Floats(element, "TRANSFORM", transform.text().get(), 12)) {
      OS_TRANSFORM3& t = widget->GetTransform();
      t.position.Set((*p)[0], (*p)[1], (*p)[2]);
      t.pivot.Set(t.pivot.x + (*p)[3], t.pivot.y + (*p)[4], t.pivot.z + (*p)[5]);
      t.rotation.Set((*p)[6], (*p)[7], (*p)[8]);
      t.scale.Set((*p)[9], (*p)[10], (*p)[11]);
    }
  }
  if (const pugi::xml_node size = element.child("SIZE")) {
    if (const auto p = Ints(element, "SIZE", size.text().get(), 2))
      widget->SetSize((*p)[0], (*p)[1]);
  }
  if (const pugi::xml_node position = element.child("POSITION")) {
    if (const auto p = Ints(element, "POSITION", position.text().get(), 2)) {
      widget->SetPosition(static_cast<float>((*p)[0]), static_cast<float>((*p)[1]), 0.0f);
    }
  }
  if (const pugi::xml_node context = element.child("CONTEXT")) {
    if (context_depth >= kMaxContextDepth) {
      Skipped(element, "CONTEXT nested deeper than " + std::to_string(kMaxContextDepth) +
                           " levels, left out");
    } else {
      const ContextLevel level;
      for (pugi::xml_node child : context.children()) {
        if (child.type() != pugi::node_element) continue;
        widget->AddChild(CreateGuiWidget(child));
      }
    }
  }
  ForEachScript(element, [&](std::string_view event, const pugi::xml_node& entry) {
    static constexpr std::pair<const char*, GuiScript> kEvents[] = {
        {"DOWN", GuiScript::kDown},
        {"UP", GuiScript::kUp},
        {"ENTER", GuiScript::kEnter},
        {"LEAVE", GuiScript::kLeave},
    };
    for (const auto& [name, slot] : kEvents) {
      if (SameTextIgnoringCase(event, name)) widget->SetScript(slot, NamedScript(entry, widget));
    }
  });
}

OC_GUI_OBJECT* GuiXmlLoader::ReadLabel(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE", "FONT"})) return nullptr;
  const std::string font = Text(element, "FONT");
  std::unique_ptr<OC_GUI_LABEL> label;
  // The label reads its font while it is made; the description goes back
  // right after.
  ReadDocument(GetDocumentProvider(), font, [&](const pugi::xml_document& document) {
    const pugi::xml_node description = document.child("font");
    if (!description) return false;
    label = std::make_unique<OC_GUI_LABEL>(Id(element), description, Text(element, "TEXTURE"),
                                           Text(element, "TEXT"));
    return true;
  });
  if (!label) {
    Skipped(element, "font description '" + font + "' cannot be had, not built");
    return nullptr;
  }
  if (const std::optional<Colour> colour = DecimalColour(element)) {
    if (OC_FONT* own = label->GetFont()) own->SetColor(colour->ToUInt());
  }
  ReadCommon(label.get(), element);
  return label.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadWLabel(pugi::xml_node element) {
  if (!Required(element, {"ID", "FONT", "FONT_TEXTURE"})) return nullptr;
  auto label = std::make_unique<OC_GUI_WLABEL>(Id(element), Text(element, "FONT"),
                                               Text(element, "FONT_TEXTURE"),
                                               Utf8ToWide(element.attribute("TEXT").value()));
  if (const pugi::xml_attribute id = element.attribute("TEXT_ID")) label->SetTextId(id.as_int());
  if (const pugi::xml_attribute letter = element.attribute("LETTER_SPACE")) {
    label->SetLetterSpace(letter.as_int());
  }
  if (const pugi::xml_attribute line = element.attribute("LINE_SPACE")) {
    label->SetLineSpace(line.as_int());
  }
  if (element.attribute("HOT_SPOT")) label->SetAlignment(HotSpot(element));
  if (const pugi::xml_attribute colour = element.attribute("FONT_COLOR")) {
    label->SetColor(ParseHexColour(colour.value()));
  }
  ReadCommon(label.get(), element);
  label->SetLineSpace(element.attribute("LINE_SPACE").as_int());
  if (element.attribute("FONT_SCALE")) label->SetScale(FloatAttribute(element, "FONT_SCALE", 1.0f));
  return label.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadImage(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE"})) return nullptr;
  auto image = std::make_unique<OC_GUI_IMAGE>(Id(element), Text(element, "TEXTURE"));
  if (element.attribute("HOT_SPOT")) image->SetAnchor(HotSpot(element));
  ReadCommon(image.get(), element);
  return image.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadButton5(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE"})) return nullptr;
  auto button = std::make_unique<OC_GUI_BUTTON5>(Id(element), Text(element, "TEXTURE"));
  ReadHitInset(button.get(), element);
  ReadCommon(button.get(), element);
  const pugi::xml_attribute enable = element.attribute("ENABLE");
  if (enable && !enable.as_bool()) button->Disable();
  return button.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadButton2(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE"})) return nullptr;
  auto button = std::make_unique<OC_GUI_BUTTON2>(Id(element), Text(element, "TEXTURE"));
  ReadHitInset(button.get(), element);
  ReadCommon(button.get(), element);
  return button.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadPanel(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE"})) return nullptr;
  auto panel = std::make_unique<OC_GUI_PANEL>(Id(element), Text(element, "TEXTURE"));
  ReadMovable(panel.get(), element);
  ReadCommon(panel.get(), element);
  ReadGrab(panel.get(), element);
  return panel.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadPanel9(pugi::xml_node element) {
  if (!Required(element, {"ID"})) return nullptr;
  static constexpr const char* kPieces[OC_GUI_PANEL9::kPieces] = {
      "TX_1_1", "TX_1_2", "TX_1_3", "TX_2_1", "TX_2_2", "TX_2_3", "TX_3_1", "TX_3_2", "TX_3_3"};
  OC_GUI_PANEL9::Names names;
  for (int32_t i = 0; i < OC_GUI_PANEL9::kPieces; ++i) names[i] = Text(element, kPieces[i]);
  auto panel = std::make_unique<OC_GUI_PANEL9>(Id(element), names);
  ReadMovable(panel.get(), element);
  // The common read takes DOWN, UP, ENTER and LEAVE already.
  ReadCommon(panel.get(), element);
  ReadGrab(panel.get(), element);
  return panel.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadCheckbox(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE"})) return nullptr;
  auto box = std::make_unique<OC_GUI_CHECKBOX5>(Id(element), Text(element, "TEXTURE"));
  ReadHitInset(box.get(), element);
  ReadCommon(box.get(), element);
  return box.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadCheckboxIos(pugi::xml_node element) {
  if (!Required(element, {"ID", "TX_PANEL", "TX_BTN"})) return nullptr;
  auto box = std::make_unique<OC_GUI_CHECKBOX_IOS>(Id(element), Text(element, "TX_PANEL"),
                                                   Text(element, "TX_BTN"));
  ReadCommon(box.get(), element);
  return box.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadLinebox(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE", "FONT_TEXTURE", "FONT"})) return nullptr;
  auto box = std::make_unique<OC_GUI_LINEBOX>(Id(element), Text(element, "TEXTURE"),
                                              Text(element, "FONT_TEXTURE"), Text(element, "FONT"));
  ReadCommon(box.get(), element);
  if (const pugi::xml_attribute length = element.attribute("MAXLEN")) {
    const unsigned int n = length.as_uint();
    box->SetMaxLength(n > static_cast<unsigned int>(INT_MAX) ? OC_GUI_LINEBOX::kNoLimit
                                                             : static_cast<int32_t>(n));
  }
  if (const pugi::xml_attribute text = element.attribute("TEXT")) {
    box->SetText(Utf8ToWide(text.value()));
  }
  if (element.attribute("CARRY_BLINK_TIME")) {
    box->SetBlinkTime(FloatAttribute(element, "CARRY_BLINK_TIME", 0.0f));
  }
  if (const std::optional<Colour> colour = DecimalColour(element)) box->SetColor(*colour);
  if (const pugi::xml_attribute alignment = element.attribute("ALIGNMENT")) {
    const std::string_view value = alignment.value();
    box->SetAlignment(value == "RIGHT" ? 5 : value == "CENTER" ? 4 : 3);
  }
  if (const pugi::xml_node area = element.child("INPUT_AREA")) {
    if (const auto m = Floats(element, "INPUT_AREA", area.text().get(), 4)) {
      box->SetMargins((*m)[0], (*m)[1], (*m)[2], (*m)[3]);
    }
  }
  return box.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadListbox(pugi::xml_node element) {
  if (!Required(element, {"ID", "LIST_TEXTURE", "PANEL_TEXTURE", "SLIDER12_TEXTURE", "FONT",
                          "FONT_TEXTURE"})) {
    return nullptr;
  }
  auto list = std::make_unique<OC_GUI_LISTBOX>(
      Id(element), Text(element, "LIST_TEXTURE"), Text(element, "PANEL_TEXTURE"),
      Text(element, "SLIDER12_TEXTURE"), Text(element, "FONT_TEXTURE"), Text(element, "FONT"),
      FloatAttribute(element, "SLIDER_BTN_DIST", 1.5f));
  ReadCommon(list.get(), element);
  for (pugi::xml_node item : element.child("ITEMS").children()) {
    if (item.type() == pugi::node_element) list->AddItemUtf8(item.text().get());
  }
  if (const pugi::xml_attribute count = element.attribute("VISIBLE_COUNT")) {
    const unsigned int n = count.as_uint();
    list->SetVisibleCount(n > static_cast<unsigned int>(INT_MAX) ? INT_MAX
                                                                 : static_cast<int32_t>(n));
  }
  if (const pugi::xml_attribute left = element.attribute("LEFT_MARGIN")) {
    list->SetLeftMargin(left.as_int());
  }
  if (const pugi::xml_attribute upper = element.attribute("UPPER_MARGIN")) {
    list->SetUpperMargin(upper.as_int());
  }
  if (const std::optional<Colour> colour = DecimalColour(element)) list->SetFontColor(*colour);
  if (const pugi::xml_attribute distance = element.attribute("SLIDER_DISTANCE")) {
    list->SetSliderDistance(distance.as_int());
  }
  const pugi::xml_attribute row = element.attribute("ROW_TEXTURE");
  const pugi::xml_attribute draw_count = element.attribute("DRAW_COUNT");
  if (row && draw_count) list->SetRowTexture(row.value(), draw_count.as_int());
  if (const pugi::xml_attribute max_rows = element.attribute("MAX_ROW")) {
    list->SetMaxRows(max_rows.as_uint());
  }
  return list.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadProgressBar(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE"})) return nullptr;
  auto bar = std::make_unique<OC_GUI_PROGRESS_BAR>(Id(element), Text(element, "TEXTURE"));
  ReadCommon(bar.get(), element);
  ReadFilled(bar.get(), element);
  return bar.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadAnimationBar(pugi::xml_node element) {
  if (!Required(element, {"ID", "TEXTURE", "COLUMNS", "ROWS", "FRAMES"})) return nullptr;
  const int32_t columns = element.attribute("COLUMNS").as_int();
  const int32_t rows = element.attribute("ROWS").as_int();
  if (columns < 1 || rows < 1) {
    Skipped(element, "COLUMNS and ROWS must be 1 or more, not built");
    return nullptr;
  }
  auto bar = std::make_unique<OC_GUI_ANIMATION_BAR>(Id(element), Text(element, "TEXTURE"), columns,
                                                    rows, element.attribute("FRAMES").as_int());
  ReadCommon(bar.get(), element);
  ReadFilled(bar.get(), element);
  return bar.release();
}

OC_GUI_OBJECT* GuiXmlLoader::ReadSlider12(pugi::xml_node element) {
  return ReadSlider<OC_GUI_SLIDER12>(element);
}

OC_GUI_OBJECT* GuiXmlLoader::ReadSlider13(pugi::xml_node element) {
  return ReadSlider<OC_GUI_SLIDER13>(element);
}

OC_GUI_OBJECT* GuiXmlLoader::ReadSimpleSlider(pugi::xml_node element) {
  if (!Required(element, {"PROGRESS", "RUNNER", "ID"})) return nullptr;
  auto slider = std::make_unique<OC_GUI_SIMPLE_SLIDER>(Id(element), Text(element, "PROGRESS"),
                                                       Text(element, "RUNNER"));
  ReadCommon(slider.get(), element);
  return slider.release();
}

}  // namespace ORB
