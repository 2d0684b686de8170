#pragma once
// The GUI description reader: builds widget trees from XML. A description is
// an element whose child elements are widgets; each widget element names its
// class (compared without regard to case) and carries its own attributes
// (upper case, compared exactly) and the common ones ReadCommon reads.
//
//   <GUI NAME="Options">
//     <PANEL9 ID="1" TX_1_1="data/share/image/gui dialog_ul.png" ... >
//       <SIZE>480 320</SIZE>
//       <POSITION>512 384</POSITION>
//       <CONTEXT>
//         <BUTTON5 ID="3" TEXTURE="data/share/image/gui button_wide.png">
//           <POSITION>0 110</POSITION>
//           <SCRIPTS><S EVENT="UP">OnOk</S></SCRIPTS>
//         </BUTTON5>
//       </CONTEXT>
//     </PANEL9>
//   </GUI>
//
// Windows call LoadGuiXml for their "GUI" child, the tutorial and the paged
// items with roots of their own; gameplay controls build loose widgets with
// CreateGuiWidget. The loader keeps no state between calls.
//
// Elements and what they build ("before"/"after": applied before or after
// the common attributes; "~": without regard to case):
//   LABEL         OC_GUI_LABEL         ID TEXTURE FONT; TEXT, FONT_COLOR ("a r g b")
//   WLABEL        OC_GUI_WLABEL        ID FONT FONT_TEXTURE; TEXT (UTF-8), TEXT_ID,
//                                      LETTER_SPACE, LINE_SPACE, HOT_SPOT (0..8 or a
//                                      name), FONT_COLOR (hex ARGB), FONT_SCALE
//   IMAGE         OC_GUI_IMAGE         ID TEXTURE; HOT_SPOT ("HS_UL" ... "HS_DR")
//   BUTTON5       OC_GUI_BUTTON5       ID TEXTURE; ENABLE false also shows the disabled look;
//                                      HIT_INSET ("left top right bottom": the margins of
//                                      each look that take no clicks, hit_shape.h)
//   BUTTON2       OC_GUI_BUTTON2       ID TEXTURE; HIT_INSET
//   PANEL         OC_GUI_PANEL         ID TEXTURE; MOVABLE; script ~GRAB
//   PANEL9        OC_GUI_PANEL9        ID; TX_1_1 ... TX_3_3; MOVABLE; script ~GRAB
//   CHECKBOX      OC_GUI_CHECKBOX5     ID TEXTURE; HIT_INSET
//   CHECKBOX_IOS  OC_GUI_CHECKBOX_IOS  ID TX_PANEL TX_BTN
//   LINEBOX       OC_GUI_LINEBOX       ID TEXTURE FONT_TEXTURE FONT; MAXLEN, TEXT (UTF-8),
//                                      CARRY_BLINK_TIME, FONT_COLOR ("a r g b"),
//                                      ALIGNMENT (RIGHT, CENTER, else left),
//                                      child INPUT_AREA ("left top right bottom")
//   LISTBOX       OC_GUI_LISTBOX       ID LIST_TEXTURE PANEL_TEXTURE SLIDER12_TEXTURE FONT
//                                      FONT_TEXTURE; SLIDER_BTN_DIST, child ITEMS,
//                                      VISIBLE_COUNT, LEFT_MARGIN, UPPER_MARGIN,
//                                      FONT_COLOR ("a r g b"), SLIDER_DISTANCE,
//                                      ROW_TEXTURE with DRAW_COUNT, MAX_ROW
//   PROGRESS_BAR  OC_GUI_PROGRESS_BAR  ID TEXTURE; script ~FILLED
//   ANIMATION_BAR OC_GUI_ANIMATION_BAR ID TEXTURE COLUMNS ROWS FRAMES; script ~FILLED
//   SLIDER12      OC_GUI_SLIDER12      ID TEXTURE START END ("x y"); RADIUS, BTN_DISTANCE,
//   SLIDER13      OC_GUI_SLIDER13      MIN, MAX, STEP, VALUE; script VALUE_CHANGED (exact)
//   SIMPLESLIDER  OC_GUI_SIMPLE_SLIDER ID PROGRESS RUNNER
// Common (ReadCommon): ENABLE, VISIBLE; children TRANSFORM (12 numbers:
// position, pivot added to the pivot, rotation, scale), SIZE ("w h"),
// POSITION ("x y"), CONTEXT (child widgets), SCRIPTS (children with EVENT
// ~DOWN, ~UP, ~ENTER or ~LEAVE; the child's text names the script).
//
// Bad input builds fewer widgets, never a crash or a half-built widget: an
// unknown element, one without a required attribute, a LABEL whose font
// description cannot be had, an ANIMATION_BAR with COLUMNS or ROWS below 1,
// a slider whose START equals its END, and a CONTEXT nested deeper than
// kMaxContextDepth build nothing. A value that cannot be used (an unknown
// HOT_SPOT, a FONT_COLOR, INPUT_AREA, HIT_INSET, SIZE or POSITION without enough
// numbers) is skipped. Each of these is logged (subsystem "gui") with where
// it was found. Numbers that do not parse, and numbers that are not finite,
// read as 0.
#include <cstdint>

#include <pugixml.hpp>

#include "engine/gui/gui_object.h"
#include "engine/gui/gui_root.h"

namespace ORB {

// Fills the root from a description: with name null, node is the
// description; otherwise the first child element of node whose "NAME" equals
// name without regard to case, or the first child element when none does.
// The root is cleared first; widgets that cannot be built are left out.
void LoadGuiXml(OC_GUI_ROOT& root, pugi::xml_node node, const char* name);

// The widget of one element (with its CONTEXT children), made with new and
// owned by the caller; null when it cannot be built.
OC_GUI_OBJECT* CreateGuiWidget(pugi::xml_node element);

class GuiXmlLoader {
 public:
  // CONTEXT elements nested deeper than this are left out (each level's
  // widgets are built by a call nested in the level above).
  static constexpr int32_t kMaxContextDepth = 16;

  // The common attributes and children, in the order ENABLE, VISIBLE,
  // TRANSFORM, SIZE, POSITION, CONTEXT, SCRIPTS. Every reader calls it once
  // its widget is made.
  static void ReadCommon(OC_GUI_OBJECT* widget, pugi::xml_node element);

  // One reader per element: the widget, or null.
  static OC_GUI_OBJECT* ReadLabel(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadWLabel(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadImage(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadButton5(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadButton2(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadPanel(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadPanel9(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadCheckbox(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadCheckboxIos(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadLinebox(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadListbox(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadProgressBar(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadAnimationBar(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadSlider12(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadSlider13(pugi::xml_node element);
  static OC_GUI_OBJECT* ReadSimpleSlider(pugi::xml_node element);
};

}  // namespace ORB
