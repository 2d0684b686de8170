#pragma once
// OC_GUI_LISTBOX: a column of text rows on a panel background with one
// selected row, chosen by a click or by the up and down arrow keys (the GUI
// XML's "LISTBOX"; the players window lists the players' names in one).
//
// Layout: the panel picture is centred on the widget and cut into rows of
// equal height from its top: the panel's height over the visible count, or
// the row picture's height when there is one. Each drawn row may show the
// row picture behind it; the selected row shows the highlight picture; the
// row's text starts a twentieth of the panel's width (plus the left margin)
// from its left edge, centred on the row (plus the upper margin).
// Visible-count rows are drawn from the top row (the first at the start);
// the list scrolls: ScrollBy moves the top row, and whenever the selection
// is set (SelectItem, a click, the arrow keys) the top row follows so that
// the selected row is drawn. The slider texture and button distance are
// only kept.
//
// Input: the move pass gives the list the focus while the pointer is over
// the panel (no code). A left-button press there selects the row under the
// pointer, or the last row below them (code 7). The down and up arrows,
// released while the pointer is over the list, move the selection one row
// (no code). Everything follows the widget's transform: rows are found in
// its frame, turned or scaled.
//
// Resources: the panel, highlight, row and font page textures are taken in
// LoadResources and given back in ReleaseResources and on deletion. The
// first load that has the panel and the highlight builds the list; the font
// (fontFile's "font" element) is built by the first load that has its page
// and description. Without the font the list draws no text. Sizes and counts
// set before the build are kept for it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/foundation/colour.h"
#include "engine/foundation/transform.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/font.h"
#include "engine/scene/held_texture.h"
#include "engine/scene/mesh.h"

namespace ORB {

class OC_GUI_LISTBOX : public OC_GUI_OBJECT {
 public:
  static constexpr int32_t kDefaultVisibleCount = 3;
  static constexpr int32_t kAllRows = 99999;
  static constexpr int32_t kEdgeDivisor = 20;
  static constexpr uint32_t kNoRowLimit = 0xFFFFFFFFu;

  OC_GUI_LISTBOX(int32_t id, std::string selectTexture, std::string panelTexture,
                 std::string sliderTexture, std::string fontTexture, std::string fontFile,
                 float sliderButtonDistance);
  ~OC_GUI_LISTBOX() override;

  // A row, while there are fewer than the maximum: 8-bit text (each byte one
  // character) or UTF-8.
  void AddItem(std::string_view text);
  void AddItemUtf8(std::string_view text);
  void AddItem(std::wstring text);
  // Row i; empty past the end.
  std::wstring GetItem(int32_t index) const;
  size_t GetItemCount() const { return rows_.size(); }
  // The selected row, or null when none is selected.
  const std::wstring* GetSelectedItem() const;
  int32_t GetSelected() const { return selected_; }
  // Selects the last row equal to text; nothing changes when none is.
  void SelectItem(const std::wstring& text);
  // No rows, no selection, the first row on top.
  void ClearItems();
  // The first row drawn; moving it by `rows` (down when positive) keeps
  // it within the rows (no empty place drawn below the last one).
  int32_t GetTopRow() const { return top_row_; }
  void ScrollBy(int32_t rows);
  // There are rows above the top row, or below the last one drawn.
  bool CanScrollUp() const { return top_row_ > 0; }
  bool CanScrollDown() const { return top_row_ < LastTopRow(); }
  void SetMaxRows(uint32_t count) { max_rows_ = count; }

  // Rows drawn (negative: none); the row height follows the panel.
  void SetVisibleCount(int32_t count);
  int32_t GetVisibleCount() const { return visible_count_; }
  // A picture behind every drawn row, whose height is the row height;
  // drawCount rows are drawn (0: all of them). Taken by the next load.
  void SetRowTexture(std::string name, int32_t drawCount);
  void SetFontColor(const Colour& colour);
  Colour GetFontColor() const { return font_colour_; }
  void SetLeftMargin(int32_t pixels) { left_margin_ = pixels; }
  void SetUpperMargin(int32_t pixels) { upper_margin_ = pixels; }
  // Kept for a scroll bar the list does not build.
  void SetSliderDistance(int32_t pixels) { slider_distance_ = pixels; }
  const std::string& GetSliderTexture() const { return slider_texture_; }
  float GetSliderButtonDistance() const { return slider_button_distance_; }

  GuiEvent* OnMouseUp() override;
  GuiEvent* OnMouseDown() override;
  GuiEvent* OnMouseMove() override;
  void Draw() override;
  // The panel's size (negative sizes count 0); the rows and the highlight
  // follow it. Kept for the build when it comes first.
  void SetSize(int32_t w, int32_t h) override;
  // The panel's size; 0 until built.
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

  bool IsBuilt() const { return built_; }
  int32_t GetRowHeight() const { return row_height_; }
  // Null until built.
  OC_FONT* GetFont() const { return font_.get(); }
  const OC_HIT_SHAPE& GetHitShape() const { return hit_; }

 private:
  void Build();
  void BuildFont();
  // Row height, hit rectangle and highlight from the panel's size.
  void Fit();
  int32_t DrawnRows() const;
  int32_t RowCount() const;
  int32_t LastTopRow() const;
  // The top row moved so that the selected row is drawn.
  void ShowSelected();
  // The row under a screen point inside the panel, -1 when there is none.
  int32_t RowAt(float x, float y) const;

  HeldTexture panel_texture_;
  HeldTexture select_texture_;
  HeldTexture row_texture_;
  HeldTexture font_texture_;
  std::string slider_texture_;
  std::string font_file_;
  float slider_button_distance_ = 0.0f;
  int32_t slider_distance_ = 0;

  OS_TRANSFORM3 panel_transform_;
  OS_TRANSFORM3 select_transform_;
  OS_TRANSFORM3 row_transform_;
  std::unique_ptr<OC_MESH> panel_;
  std::unique_ptr<OC_MESH> select_quad_;
  std::unique_ptr<OC_MESH> row_quad_;
  std::unique_ptr<OC_FONT> font_;
  OC_HIT_SHAPE hit_;
  Colour font_colour_{0xFFFFFFFFu};

  std::vector<std::wstring> rows_;
  uint32_t max_rows_ = kNoRowLimit;
  int32_t visible_count_ = kDefaultVisibleCount;
  int32_t selected_ = 0;
  int32_t top_row_ = 0;
  int32_t row_height_ = 0;
  int32_t left_margin_ = 0;
  int32_t upper_margin_ = 0;
  bool sized_ = false;
  int32_t width_ = 0;
  int32_t height_ = 0;
  bool built_ = false;
};

}  // namespace ORB
