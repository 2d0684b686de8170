#include "game/shell/screens/title_top_window.h"

#include <utility>

#include "engine/gui/gui_image.h"
#include "engine/gui/gui_input.h"
#include "engine/scene/anchor.h"
#include "framework/font_list.h"
#include "framework/message_template.h"
#include "framework/window_manager.h"
#include "game/records/game_player.h"
#include "game/shell/screens/gui_localization.h"

namespace game {

namespace {

ORB::OC_FONT* FindFont(const std::string& name) {
  const ORB_GF::FontList* fonts = ORB_GF::GetFontList();
  return fonts != nullptr && !name.empty() ? fonts->Find(name) : nullptr;
}

void DrawLine(ORB::OC_FONT* font, const ORB::Vector2& at, ORB::Colour colour,
              const std::wstring& text) {
  if (font == nullptr || text.empty()) return;
  font->alignment = ORB::HS_UL;
  font->SetColor(colour.ToUInt());
  font->DrawText(static_cast<int32_t>(at.x), static_cast<int32_t>(at.y), text.c_str());
}

}  // namespace

GG_WINDOW_TITLE_TOP::GG_WINDOW_TITLE_TOP(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host), G_WINDOW(node) {
  const pugi::xml_node settings = node.child("settings");
  font_big_name_ = settings.attribute("font_big").as_string();
  font_med_name_ = settings.attribute("font_med").as_string();
  shift_.Parse(settings.attribute("shift").as_string());
  if (const pugi::xml_attribute colour = settings.attribute("text_color")) {
    text_colour_ = ORB::ParseHexColour(colour.value());
  }
  link_colour_ = text_colour_;
  if (const pugi::xml_attribute colour = settings.attribute("link_color")) {
    link_colour_ = ORB::ParseHexColour(colour.value());
  }
  highlight_colour_ = link_colour_;
  if (const pugi::xml_attribute colour = settings.attribute("text_color_highlight")) {
    highlight_colour_ = ORB::ParseHexColour(colour.value());
  }
  Refresh();
}

std::wstring GG_WINDOW_TITLE_TOP::Greeting(const std::wstring* name) {
  if (name == nullptr) return LocalizedText(kGreetingKey);
  return ORB_GF::FillMessageTemplate(LocalizedText(kGreetingWithNameKey), *name);
}

void GG_WINDOW_TITLE_TOP::Refresh() {
  cScreenHost* hub = GetScreenHost();
  GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  greeting_ = Greeting(player != nullptr ? &player->GetName() : nullptr);
  PlaceLink(LocalizedText(player != nullptr ? kLinkKey : kNewPlayerLinkKey));
}

void GG_WINDOW_TITLE_TOP::OnOpenBegin() {
  Refresh();
  highlighted_ = false;
}

void GG_WINDOW_TITLE_TOP::OnLoadResources() {
  font_big_ = FindFont(font_big_name_);
  font_med_ = FindFont(font_med_name_);
  Refresh();
}

void GG_WINDOW_TITLE_TOP::PlaceLink(std::wstring text) {
  link_text_ = std::move(text);
  link_width_ =
      font_med_ != nullptr ? static_cast<float>(font_med_->MeasureLine(link_text_.c_str())) : 0.0f;
  // The clickable part lies over the link's box, in the window's frame.
  if (auto* link = FindWidget<ORB::OC_GUI_IMAGE>(kLinkId)) {
    const float line = font_med_ != nullptr ? static_cast<float>(font_med_->GetLineHeight()) : 0.0f;
    const float big = font_big_ != nullptr ? static_cast<float>(font_big_->GetLineHeight()) : 0.0f;
    link->SetAnchor(ORB::HS_UL);
    link->SetPosition(shift_.x, shift_.y + big, 0.0f);
    link->SetSize(static_cast<int32_t>(link_width_), static_cast<int32_t>(line));
  }
}

void GG_WINDOW_TITLE_TOP::OnReleaseResources() {
  font_big_ = nullptr;
  font_med_ = nullptr;
}

ORB::Vector2 GG_WINDOW_TITLE_TOP::GreetingPosition() const {
  const ORB::Vector2 window = GetLiveTransform().GetPositionV2();
  return {window.x + shift_.x, window.y + shift_.y};
}

ORB::Vector2 GG_WINDOW_TITLE_TOP::LinkPosition() const {
  ORB::Vector2 at = GreetingPosition();
  if (font_big_ != nullptr) at.y += static_cast<float>(font_big_->GetLineHeight());
  return at;
}

GG_WINDOW_TITLE_TOP::Box GG_WINDOW_TITLE_TOP::GetLinkBox() const {
  const ORB::Vector2 at = LinkPosition();
  const float line = font_med_ != nullptr ? static_cast<float>(font_med_->GetLineHeight()) : 0.0f;
  return {at.x, at.y, link_width_, line};
}

void GG_WINDOW_TITLE_TOP::UpdateHighlight() {
  const ORB::GuiInput input = ORB::GuiInput::Current();
  if (!input) {
    highlighted_ = false;
    return;
  }
  const Box box = GetLinkBox();
  highlighted_ = box.w > 0.0f && box.h > 0.0f && input.X() >= box.x && input.X() < box.x + box.w &&
                 input.Y() >= box.y && input.Y() < box.y + box.h;
}

int32_t GG_WINDOW_TITLE_TOP::HandleMouseMove() {
  UpdateHighlight();
  return G_WINDOW::HandleMouseMove();
}

void GG_WINDOW_TITLE_TOP::OnDraw() {
  DrawLine(font_big_, GreetingPosition(), text_colour_, greeting_);
  DrawLine(font_med_, LinkPosition(), GetLinkColour(), link_text_);
}

void GG_WINDOW_TITLE_TOP::OnGuiEvent(int32_t widget_id) {
  if (widget_id != kLinkId) return;
  // A click lands where the pointer is now: the highlight follows it first.
  UpdateHighlight();
  if (!highlighted_) return;
  cScreenHost* hub = GetScreenHost();
  if (hub == nullptr) return;
  if (hub->GetCurrentPlayer() != nullptr) {
    if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
      windows->OpenWindow(kPlayersWindow, false);
    }
  } else {
    name_entry_.Open([] {
      if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
        windows->OpenWindow(kPlayersWindow, false);
      }
    });
  }
}

}  // namespace game
