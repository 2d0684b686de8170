#include "engine/gui/gui_text_box.h"

#include <algorithm>

#include "engine/foundation/input_state.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_input.h"
#include "engine/platform/key_codes.h"
#include "engine/scene/anchor.h"
#include "engine/scene/truncate.h"

namespace ORB {

namespace {

constexpr float kBlinkShown = 0.5f;  // shown for the first half second of each
constexpr float kBlinkCycle = 1.0f;  // one-second cycle

}  // namespace

OC_GUI_TEXTBOX::OC_GUI_TEXTBOX(int32_t id, pugi::xml_node fontDescription,
                               TextureRecord* fontTexture, TextureRecord* background)
    : OC_GUI_OBJECT(id, kGuiKindTextbox),
      font_(std::make_unique<OC_FONT>(fontDescription, fontTexture, OC_FONT::kMinCapacity)) {
  char_width_ = font_->GetLineHeight();
  if (background != nullptr) {
    background_ = std::make_unique<OC_MESH>(background, &GetTransform());
    width_ = TruncateToInt(background_->GetWidth());
    height_ = TruncateToInt(background_->GetHeight());
  }
  Fit();
}

OC_GUI_TEXTBOX::~OC_GUI_TEXTBOX() = default;

void OC_GUI_TEXTBOX::SetSize(int32_t w, int32_t h) {
  if (w > 0) width_ = w;
  if (h > 0) height_ = h;
  Fit();
}

void OC_GUI_TEXTBOX::SetSpacing(int32_t pixels) {
  spacing_ = std::max(pixels, 0);
  Fit();
}

void OC_GUI_TEXTBOX::Fit() {
  const int32_t cell = CellWidth();
  const int64_t room = static_cast<int64_t>(width_) - 2 * (width_ / kMarginDivisor);
  max_length_ = cell > 0 ? ClampToInt(std::max<int64_t>(room, 0) / cell) : 0;
  if (background_) {
    background_->SetSize(width_, height_);
    background_->SetAnchor(HS_MID, 0.0f, 0.0f);
  }
  hit_.Set(OC_HIT_SHAPE::kRectangle, &GetTransform(), static_cast<float>(width_),
           static_cast<float>(height_), 0.0f, 0);
}

std::string OC_GUI_TEXTBOX::GetTextA() const {
  std::string narrow;
  narrow.reserve(text_.size());
  for (const wchar_t c : text_) narrow += c >= 0 && c < 256 ? static_cast<char>(c) : '?';
  return narrow;
}

void OC_GUI_TEXTBOX::SetText(std::wstring text) {
  if (text.size() > static_cast<size_t>(max_length_)) text.resize(static_cast<size_t>(max_length_));
  text_ = std::move(text);
  caret_ = 0;
}

GuiEvent* OC_GUI_TEXTBOX::Process() {
  blink_timer_ += GetFrameDelta();
  if (blink_timer_ >= kBlinkCycle) blink_timer_ = 0.0f;
  caret_visible_ = blink_timer_ < kBlinkShown;

  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input) return nullptr;
  const bool inside = hit_.Contains(input.X(), input.Y());
  int32_t code = kGuiEventNone;
  if (inside && input.LeftWentDown()) {
    SetFocused(true);
    code = kGuiEventPressed;
    const int32_t cell = CellWidth();
    if (cell > 0) {
      const OS_TRANSFORM3 world = GetTransform().GetWorld();
      const int32_t at = TruncateToInt((input.X() - world.position.x + width_ / 2) / cell);
      caret_ = std::clamp(at, 0, static_cast<int32_t>(text_.size()));
    }
  } else if (inside && input.LeftWentUp()) {
    if (IsFocused()) code = kGuiEventClicked;
  } else if (!inside && input.LeftWentDown()) {
    SetFocused(false);
  }
  if (IsFocused()) Keys(input);
  return Answer(code);
}

void OC_GUI_TEXTBOX::Keys(const GuiInput& input) {
  const auto length = static_cast<int32_t>(text_.size());
  caret_ = std::clamp(caret_, 0, length);
  if (input.WentDown(platform::kKeyRight) && caret_ < length && caret_ < max_length_) ++caret_;
  if (input.WentDown(platform::kKeyLeft) && caret_ > 0) --caret_;
  if (input.WentDown(platform::kKeyBackspace) && caret_ > 0) {
    text_.erase(static_cast<size_t>(caret_ - 1), 1);
    --caret_;
  }
  if (input.WentDown(platform::kKeyDelete) && caret_ < static_cast<int32_t>(text_.size())) {
    text_.erase(static_cast<size_t>(caret_), 1);
  }
  const wchar_t typed = input.Typed();
  if (typed < 0x20 || typed == 0x7F) return;  // nothing, or a control character
  if (text_.size() >= static_cast<size_t>(max_length_)) return;
  if (InputState::IsControlKey(input.LastKey())) return;
  if (input.LeftWentDown() || input.WentDown(platform::kMouseRight)) return;
  text_.insert(static_cast<size_t>(caret_), 1, typed);
  ++caret_;
}

void OC_GUI_TEXTBOX::Draw() {
  if (background_) background_->Draw();
  const OS_TRANSFORM3 world = GetTransform().GetWorld();
  int64_t x =
      TruncateToInt(world.position.x - static_cast<float>(width_ / 2 - width_ / kMarginDivisor));
  const int32_t y = TruncateToInt(world.position.y) - font_->GetLineHeight() / 2;
  const bool caret = IsFocused() && caret_visible_;
  for (size_t i = 0; i <= text_.size(); ++i) {
    if (caret && i == static_cast<size_t>(caret_)) font_->DrawChar(L'|', ClampToInt(x - 5), y);
    if (i == text_.size()) break;
    x += font_->DrawChar(static_cast<int32_t>(text_[i]), ClampToInt(x), y) + spacing_;
  }
}

}  // namespace ORB
