#include "engine/gui/gui_list_box.h"

#include <algorithm>
#include <utility>

#include "engine/foundation/utf8.h"
#include "engine/gui/gui_font.h"
#include "engine/gui/gui_input.h"
#include "engine/platform/key_codes.h"
#include "engine/scene/anchor.h"
#include "engine/scene/truncate.h"

namespace ORB {

OC_GUI_LISTBOX::OC_GUI_LISTBOX(int32_t id, std::string selectTexture, std::string panelTexture,
                               std::string sliderTexture, std::string fontTexture,
                               std::string fontFile, float sliderButtonDistance)
    : OC_GUI_OBJECT(id, kGuiKindListbox),
      panel_texture_(std::move(panelTexture)),
      select_texture_(std::move(selectTexture)),
      font_texture_(std::move(fontTexture)),
      slider_texture_(std::move(sliderTexture)),
      font_file_(std::move(fontFile)),
      slider_button_distance_(sliderButtonDistance) {
  panel_transform_.parent = &GetTransform();
  select_transform_.parent = &GetTransform();
  row_transform_.parent = &GetTransform();
}

OC_GUI_LISTBOX::~OC_GUI_LISTBOX() = default;

// --- Rows.

void OC_GUI_LISTBOX::AddItem(std::wstring text) {
  if (rows_.size() >= max_rows_) return;
  rows_.push_back(std::move(text));
}

void OC_GUI_LISTBOX::AddItem(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (const char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  AddItem(std::move(wide));
}

void OC_GUI_LISTBOX::AddItemUtf8(std::string_view text) { AddItem(Utf8ToWide(text)); }

std::wstring OC_GUI_LISTBOX::GetItem(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= rows_.size()) return std::wstring();
  return rows_[static_cast<size_t>(index)];
}

const std::wstring* OC_GUI_LISTBOX::GetSelectedItem() const {
  if (selected_ < 0 || static_cast<size_t>(selected_) >= rows_.size()) return nullptr;
  return &rows_[static_cast<size_t>(selected_)];
}

void OC_GUI_LISTBOX::SelectItem(const std::wstring& text) {
  for (size_t i = rows_.size(); i-- > 0;) {
    if (rows_[i] == text) {
      selected_ = static_cast<int32_t>(std::min<size_t>(i, INT32_MAX));
      ShowSelected();
      return;
    }
  }
}

void OC_GUI_LISTBOX::ClearItems() {
  rows_.clear();
  selected_ = -1;
  top_row_ = 0;
}

int32_t OC_GUI_LISTBOX::RowCount() const {
  return static_cast<int32_t>(std::min<size_t>(rows_.size(), INT32_MAX));
}

int32_t OC_GUI_LISTBOX::LastTopRow() const {
  return std::max(RowCount() - std::max(visible_count_, 0), 0);
}

void OC_GUI_LISTBOX::ScrollBy(int32_t rows) {
  const int64_t top = static_cast<int64_t>(top_row_) + rows;
  top_row_ = static_cast<int32_t>(std::clamp<int64_t>(top, 0, LastTopRow()));
}

void OC_GUI_LISTBOX::ShowSelected() {
  if (selected_ < 0) return;
  const int32_t shown = std::max(visible_count_, 1);
  if (selected_ < top_row_) top_row_ = selected_;
  if (selected_ >= top_row_ + shown) top_row_ = selected_ - shown + 1;
  top_row_ = std::clamp(top_row_, 0, LastTopRow());
}

void OC_GUI_LISTBOX::SetVisibleCount(int32_t count) {
  visible_count_ = std::max(count, 0);
  top_row_ = std::min(top_row_, LastTopRow());
  if (built_) Fit();
}

void OC_GUI_LISTBOX::SetRowTexture(std::string name, int32_t drawCount) {
  row_texture_.SetName(std::move(name));
  visible_count_ = drawCount == 0 ? kAllRows : std::max(drawCount, 0);
  top_row_ = std::min(top_row_, LastTopRow());
  if (row_quad_) row_quad_->SetTexture(PlaceholderTexture());
  if (built_) Fit();
}

void OC_GUI_LISTBOX::SetFontColor(const Colour& colour) {
  font_colour_ = colour;
  if (font_) font_->SetColor(font_colour_.ToUInt());
}

// --- Building and sizes.

void OC_GUI_LISTBOX::Build() {
  built_ = true;
  panel_ = std::make_unique<OC_MESH>(panel_texture_.Get(), &panel_transform_);
  select_quad_ = std::make_unique<OC_MESH>(select_texture_.Get(), &select_transform_);
  Fit();
}

void OC_GUI_LISTBOX::BuildFont() {
  font_ = BuildGuiFont(font_file_, font_texture_.Get(), OC_FONT::kMinCapacity);
  if (!font_) {
    font_texture_.GiveBack();  // the next load tries again
    return;
  }
  font_->SetColor(font_colour_.ToUInt());
}

void OC_GUI_LISTBOX::Fit() {
  if (sized_) panel_->SetSize(width_, height_);
  panel_->SetAnchor(HS_MID, 0.0f, 0.0f);
  const float width = panel_->GetWidth();
  const float height = panel_->GetHeight();
  hit_.Set(OC_HIT_SHAPE::kRectangle, &panel_transform_, width, height, 0.0f, 0);
  for (OC_MESH* quad : {select_quad_.get(), row_quad_.get()}) {
    if (quad == nullptr) continue;
    if (sized_) quad->SetSize(width, quad->GetHeight());
    quad->SetAnchor(HS_MID, 0.0f, 0.0f);
  }
  // Rows are as tall as the row picture, else the panel shared among the
  // visible rows; a list without either has rows of no height.
  if (row_quad_) {
    row_height_ = TruncateToInt(row_quad_->GetHeight());
  } else {
    row_height_ =
        visible_count_ > 0 ? TruncateToInt(height / static_cast<float>(visible_count_)) : 0;
  }
}

void OC_GUI_LISTBOX::SetSize(int32_t w, int32_t h) {
  sized_ = true;
  width_ = std::max(w, 0);
  height_ = std::max(h, 0);
  if (built_) Fit();
}

float OC_GUI_LISTBOX::GetWidth() const { return built_ ? panel_->GetWidth() : 0.0f; }

float OC_GUI_LISTBOX::GetHeight() const { return built_ ? panel_->GetHeight() : 0.0f; }

void OC_GUI_LISTBOX::LoadResources() {
  for (HeldTexture* texture : {&panel_texture_, &select_texture_, &row_texture_, &font_texture_}) {
    if (texture->Name().empty()) continue;  // no row picture
    texture->Take();
    if (!texture->IsHeld()) LogMissingTexture(texture->Name());
  }
  if (!built_) {
    if (!panel_texture_.IsHeld() || !select_texture_.IsHeld()) return;
    Build();
  } else {
    if (panel_texture_.IsHeld()) panel_->SetTexture(panel_texture_.Get());
    if (select_texture_.IsHeld()) select_quad_->SetTexture(select_texture_.Get());
  }
  if (row_texture_.IsHeld()) {
    if (row_quad_) {
      row_quad_->SetTexture(row_texture_.Get());
    } else {
      row_quad_ = std::make_unique<OC_MESH>(row_texture_.Get(), &row_transform_);
      Fit();
    }
  }
  if (!font_texture_.IsHeld()) return;
  if (font_) {
    font_->SetTexture(font_texture_.Get());
  } else {
    BuildFont();
  }
}

void OC_GUI_LISTBOX::ReleaseResources() {
  const std::pair<HeldTexture*, OC_MESH*> pieces[] = {{&panel_texture_, panel_.get()},
                                                      {&select_texture_, select_quad_.get()},
                                                      {&row_texture_, row_quad_.get()}};
  for (const auto& [texture, quad] : pieces) {
    if (!texture->IsHeld()) continue;
    texture->GiveBack();
    if (quad != nullptr) quad->SetTexture(PlaceholderTexture());
  }
  if (font_texture_.IsHeld()) {
    font_texture_.GiveBack();
    if (font_) font_->SetTexture(PlaceholderTexture());
  }
}

// --- Input.

int32_t OC_GUI_LISTBOX::RowAt(float x, float y) const {
  if (rows_.empty()) return -1;
  // Measured from the panel's top edge in its own frame.
  const OS_TRANSFORM3 world = panel_transform_.GetWorld();
  if (world.scale.y == 0.0f || row_height_ <= 0) return selected_;
  const float from_top = ToLocalPoint(x, y, panel_transform_).y / world.scale.y;
  const int64_t row = static_cast<int64_t>(top_row_) +
                      std::max(TruncateToInt(from_top / static_cast<float>(row_height_)), 0);
  return static_cast<int32_t>(std::min<int64_t>(row, RowCount() - 1));
}

GuiEvent* OC_GUI_LISTBOX::OnMouseMove() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  SetFocused(input && built_ && hit_.Contains(input.X(), input.Y()));
  return nullptr;
}

GuiEvent* OC_GUI_LISTBOX::OnMouseDown() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !built_ || !IsFocused() || !input.LeftWentDown()) return nullptr;
  if (!hit_.Contains(input.X(), input.Y())) return nullptr;
  selected_ = RowAt(input.X(), input.Y());
  return Answer(kGuiEventPressed);
}

GuiEvent* OC_GUI_LISTBOX::OnMouseUp() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !IsFocused() || rows_.empty()) return nullptr;
  const auto last = static_cast<int32_t>(std::min<size_t>(rows_.size() - 1, INT32_MAX));
  if (input.WentUp(platform::kKeyDown)) {
    selected_ = std::min(selected_ + 1, last);
  } else if (input.WentUp(platform::kKeyUp)) {
    selected_ = std::max(selected_ - 1, 0);
  }
  ShowSelected();
  return nullptr;
}

// --- Drawing.

int32_t OC_GUI_LISTBOX::DrawnRows() const {
  return std::min(RowCount() - top_row_, std::max(visible_count_, 0));
}

void OC_GUI_LISTBOX::Draw() {
  if (!built_) return;
  panel_->Draw();
  const float width = panel_->GetWidth();
  const float height = panel_->GetHeight();
  const int32_t row = row_height_;
  const int32_t half_row = row / 2;
  const int32_t half_line = font_ ? font_->GetLineHeight() / 2 : 0;
  // Text positions in the list's own frame.
  const int32_t text_x =
      TruncateToInt(-(width * 0.5f - width / static_cast<float>(kEdgeDivisor))) + left_margin_;
  const float text_y =
      -(height * 0.5f - static_cast<float>(half_row) + static_cast<float>(half_line));
  auto draw_rows = [&](bool with_text) {
    for (int32_t i = 0; i < DrawnRows(); ++i) {
      const float row_y = static_cast<float>(static_cast<int64_t>(i) * row) - height * 0.5f +
                          static_cast<float>(half_row);
      if (row_quad_) {
        row_transform_.SetPosition(0.0f, row_y, 0.0f);
        row_quad_->Draw();
      }
      const int32_t index = top_row_ + i;
      if (index == selected_) {
        select_transform_.SetPosition(0.0f, row_y, 0.0f);
        select_quad_->Draw();
      }
      if (with_text) {
        const int32_t y = TruncateToInt(text_y + static_cast<float>(static_cast<int64_t>(i) * row));
        font_->DrawText(text_x, ClampToInt(static_cast<int64_t>(y) + upper_margin_),
                        rows_[static_cast<size_t>(index)].c_str());
      }
    }
  };
  if (!font_) {
    draw_rows(false);
    return;
  }
  OS_TRANSFORM3 world = GetTransform().GetWorld();
  world.parent = nullptr;
  font_->DrawInFrame(world, HS_UL, [&] { draw_rows(true); });
}

}  // namespace ORB
