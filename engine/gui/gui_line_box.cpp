#include "engine/gui/gui_line_box.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/foundation/input_state.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_font.h"
#include "engine/gui/gui_input.h"
#include "engine/platform/key_codes.h"
#include "engine/scene/anchor.h"
#include "engine/scene/truncate.h"

namespace ORB {

namespace {

// A margin or size as given, or 0 for a negative one or one that is not a
// number.
float NotNegative(float value) { return value > 0.0f ? value : 0.0f; }

// Characters that never go into a line: tab, line breaks and the other
// control characters.
bool IsControlCharacter(wchar_t c) { return c < 0x20 || c == 0x7F; }

}  // namespace

OC_GUI_LINEBOX::OC_GUI_LINEBOX(int32_t id, std::string textureName, std::string fontTexture,
                               std::string fontFile)
    : OC_GUI_OBJECT(id, kGuiKindLinebox),
      background_texture_(std::move(textureName)),
      font_texture_(std::move(fontTexture)),
      font_file_(std::move(fontFile)) {
  area_transform_.parent = &GetTransform();
  text_transform_.parent = &area_transform_;
}

OC_GUI_LINEBOX::~OC_GUI_LINEBOX() = default;

void OC_GUI_LINEBOX::SetMaxLength(int32_t n) { max_length_ = n > 0 ? n : kNoLimit; }

void OC_GUI_LINEBOX::SetBlinkTime(float seconds) {
  blink_time_ = std::isnan(seconds) ? kDefaultBlinkTime : NotNegative(seconds);
  RestartBlink();
}

void OC_GUI_LINEBOX::RestartBlink() {
  blink_timer_ = blink_time_;
  caret_visible_ = true;
}

void OC_GUI_LINEBOX::SetMargins(float left, float top, float right, float bottom) {
  margin_left_ = NotNegative(left);
  margin_top_ = NotNegative(top);
  margin_right_ = NotNegative(right);
  margin_bottom_ = NotNegative(bottom);
  if (built_) PlaceArea();
}

void OC_GUI_LINEBOX::SetAlignment(int32_t alignment) {
  if (!IsAnchor(alignment)) alignment = HS_MID;
  alignment_ = HS_ML + AnchorColumn(alignment);
  PlaceText();
}

bool OC_GUI_LINEBOX::SetText(std::wstring s) {
  if (s.size() > static_cast<size_t>(max_length_)) return false;
  if (font_ && static_cast<float>(font_->MeasureLine(s.c_str())) > AreaWidth()) return false;
  text_ = std::move(s);
  caret_ = 0;
  return true;
}

void OC_GUI_LINEBOX::ClearText() {
  text_.clear();
  caret_ = 0;
}

void OC_GUI_LINEBOX::SetCaret(int32_t index) {
  caret_ = std::clamp(index, 0, static_cast<int32_t>(std::min<size_t>(text_.size(), kNoLimit)));
}

void OC_GUI_LINEBOX::SetColor(const Colour& colour) {
  colour_ = colour;
  if (font_) font_->SetColor(colour_.ToUInt());
}

void OC_GUI_LINEBOX::SetLetterSpace(int32_t pixels) {
  letter_space_ = pixels;
  if (font_) font_->letter_spacing = pixels;
}

// --- Building.

void OC_GUI_LINEBOX::Build(TextureRecord* background) {
  built_ = true;
  background_ = std::make_unique<OC_MESH>(background, &GetTransform());
  background_->SetAnchor(HS_MID, 0.0f, 0.0f);
  area_.Set(OC_HIT_SHAPE::kRectangle, &area_transform_, background_->GetWidth(),
            background_->GetHeight(), 0.0f, 0);
  PlaceArea();
}

void OC_GUI_LINEBOX::BuildFont() {
  font_ = BuildGuiFont(font_file_, font_texture_.Get(), kFontCapacity);
  if (!font_) {
    // Nothing draws with the page then; the next load tries again.
    font_texture_.GiveBack();
    return;
  }
  font_->SetColor(colour_.ToUInt());
  font_->letter_spacing = letter_space_;
  PlaceText();
  // A text given before the font was there is measured now.
  if (static_cast<float>(font_->MeasureLine(text_.c_str())) > AreaWidth()) {
    GuiLog("line box " + std::to_string(GetId()) + ": its text is wider than its input area");
    ClearText();
  }
}

void OC_GUI_LINEBOX::PlaceArea() {
  const float width = NotNegative(background_->GetWidth() - margin_left_ - margin_right_);
  const float height = NotNegative(background_->GetHeight() - margin_top_ - margin_bottom_);
  area_.SetWidth(width);
  area_.SetHeight(height);
  area_transform_.SetPosition((margin_left_ - margin_right_) / 2.0f,
                              (margin_top_ - margin_bottom_) / 2.0f, 0.0f);
  area_transform_.pivot.Set(width / 2.0f, height / 2.0f, 0.0f);
  PlaceText();
}

void OC_GUI_LINEBOX::PlaceText() {
  if (!font_) return;
  // The line keeps half a cell from the edge it is aligned to, on either side.
  const auto inset = static_cast<float>(font_->GetCellWidth() / 2);
  const float half = AreaWidth() / 2.0f;
  switch (AnchorColumn(alignment_)) {
    case 0: text_transform_.position.x = -half + inset; break;
    case 2: text_transform_.position.x = half - inset; break;
    default: text_transform_.position.x = 0.0f; break;
  }
}

float OC_GUI_LINEBOX::GetWidth() const { return built_ ? background_->GetWidth() : 0.0f; }

float OC_GUI_LINEBOX::GetHeight() const { return built_ ? background_->GetHeight() : 0.0f; }

void OC_GUI_LINEBOX::LoadResources() {
  TextureRecord* background = background_texture_.Take();
  if (!background_texture_.IsHeld()) LogMissingTexture(background_texture_.Name());
  TextureRecord* page = font_texture_.Take();
  if (!font_texture_.IsHeld()) LogMissingTexture(font_texture_.Name());
  if (background_texture_.IsHeld()) {
    if (built_) {
      background_->SetTexture(background);
    } else {
      Build(background);
    }
  }
  if (!built_ || !font_texture_.IsHeld()) return;
  if (font_) {
    font_->SetTexture(page);
  } else {
    BuildFont();
  }
}

void OC_GUI_LINEBOX::ReleaseResources() {
  if (background_texture_.IsHeld()) {
    background_texture_.GiveBack();
    if (background_) background_->SetTexture(PlaceholderTexture());
  }
  if (font_texture_.IsHeld()) {
    font_texture_.GiveBack();
    if (font_) font_->SetTexture(PlaceholderTexture());
  }
}

// --- Input.

GuiEvent* OC_GUI_LINEBOX::Process() {
  if (!IsFocused()) {
    caret_visible_ = false;
  } else if (blink_timer_ <= 0.0f) {
    blink_timer_ = blink_time_;
    caret_visible_ = !caret_visible_;
  } else {
    blink_timer_ -= GetFrameDelta();
  }
  return nullptr;
}

GuiEvent* OC_GUI_LINEBOX::OnMouseDown() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !built_) return nullptr;
  if (input.LeftWentDown()) {
    const bool inside = area_.Contains(input.X(), input.Y());
    SetFocused(inside);
    if (!inside) return nullptr;
    RestartBlink();
    return Answer(kGuiEventPressed);
  }
  if (!IsFocused()) return nullptr;
  const int32_t key = input.LastKey();
  if (key != 0) {
    RestartBlink();
    if (EditKey(key)) return nullptr;  // editing raises no code
  }
  return Insert(key, input.Typed());
}

bool OC_GUI_LINEBOX::EditKey(int32_t key) {
  const auto length = static_cast<int32_t>(std::min<size_t>(text_.size(), kNoLimit));
  caret_ = std::clamp(caret_, 0, length);
  switch (key) {
    case platform::kKeyBackspace:
      if (caret_ > 0) {
        text_.erase(static_cast<size_t>(caret_ - 1), 1);
        --caret_;
      }
      return true;
    case platform::kKeyLeft:
      if (caret_ > 0) --caret_;
      return true;
    case platform::kKeyRight:
      if (caret_ < length) ++caret_;
      return true;
    case platform::kKeyDelete:
      if (caret_ < length) text_.erase(static_cast<size_t>(caret_), 1);
      return true;
    default: return false;
  }
}

bool OC_GUI_LINEBOX::HasRoomFor(int32_t key, wchar_t typed) const {
  if (!font_ || typed == 0 || IsControlCharacter(typed)) return false;
  if (text_.size() >= static_cast<size_t>(max_length_)) return false;
  if (InputState::IsControlKey(key)) return false;
  if (forbidden_.find(typed) != std::wstring::npos) return false;
  const int64_t needed = static_cast<int64_t>(TextWidth()) +
                         2 * (static_cast<int64_t>(font_->GetAdvance(static_cast<int32_t>(typed))) +
                              font_->letter_spacing);
  return static_cast<int64_t>(TruncateToInt(AreaWidth())) > needed;
}

GuiEvent* OC_GUI_LINEBOX::Insert(int32_t key, wchar_t typed) {
  if (!HasRoomFor(key, typed)) return nullptr;
  caret_ = std::clamp(caret_, 0, static_cast<int32_t>(text_.size()));
  text_.insert(static_cast<size_t>(caret_), 1, typed);
  ++caret_;
  RestartBlink();
  return Answer(kGuiEventValueChanged);
}

int32_t OC_GUI_LINEBOX::TextWidth() const { return font_ ? font_->MeasureLine(text_.c_str()) : 0; }

// --- Drawing.

void OC_GUI_LINEBOX::Draw() {
  if (!built_) return;
  background_->Draw();
  if (!font_) return;
  // The line's world placement is combined up the parents once.
  OS_TRANSFORM3 world = text_transform_.GetWorld();
  world.parent = nullptr;
  const bool caret = IsFocused() && caret_visible_;
  font_->DrawInFrame(world, alignment_, [&] {
    int64_t x = font_->GetLineStart(text_.c_str());
    const int32_t y = TruncateToInt(-margin_bottom_);
    const int64_t spacing = font_->letter_spacing;
    for (size_t i = 0; i <= text_.size(); ++i) {
      if (caret && i == static_cast<size_t>(caret_)) font_->DrawChar(L'|', ClampToInt(x - 2), y);
      if (i == text_.size()) break;
      x += font_->DrawChar(static_cast<int32_t>(text_[i]), ClampToInt(x), y) + spacing;
    }
  });
}

}  // namespace ORB
