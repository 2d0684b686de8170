#include "game/play/screen/effect_bonus.h"

#include <algorithm>
#include <cmath>

#include "engine/foundation/colour_f.h"
#include "engine/foundation/number_text.h"
#include "engine/foundation/timer.h"
#include "engine/scene/bot_sleep.h"
#include "engine/scene/motion_bot_factories.h"
#include "framework/font_style.h"

namespace game {

bool gBonusTemplate::Load(const pugi::xml_node& element, const FontLookup& fonts) {
  coin.reset();
  follow.reset();
  font = nullptr;
  if (!element) return false;
  const auto number = [](const pugi::xml_node& node, const char* name, float fallback) {
    const pugi::xml_attribute a = node.attribute(name);
    return a ? ORB::ParseFloatText(a.value()) : fallback;
  };
  speed = number(element, "speed", 0.0f);
  deflection = number(element, "deflection", 0.0f);
  if (const pugi::xml_attribute a = element.attribute("endpos")) end_position.Parse(a.value());
  if (const pugi::xml_node node = element.child("particles_follow")) {
    follow = std::make_unique<ORB_GF::G_PARTICLES>();
    if (!follow->Load(node)) follow.reset();
  }
  if (const pugi::xml_node style = element.child("font")) {
    ORB_GF::FontStyle read;
    const ORB_GF::FontList none;
    read.Load(style, ORB_GF::GetFontList() != nullptr ? *ORB_GF::GetFontList() : none);
    if (fonts && !read.GetFontName().empty()) font = fonts(read.GetFontName());
    colour = read.GetColor();
    alignment = read.GetAlignment();
    const pugi::xml_node motion = style.child("motion");
    text_time = std::max(number(motion, "time", 0.0f), 0.0f);
    if (const pugi::xml_attribute a = motion.attribute("start")) text_start.Parse(a.value());
    if (const pugi::xml_attribute a = motion.attribute("endoffset")) text_offset.Parse(a.value());
    if (const pugi::xml_attribute a = style.child("text").attribute("value")) text = a.value();
  }
  if (const pugi::xml_node node = element.child("sprite_sunime")) {
    coin = std::make_unique<ORB_GF::G_ANIMATION>(node);
    coin->SetLoop(false);
  }
  return coin != nullptr;
}

namespace {

// The template's text with "%i" standing for the coins (the text is data:
// it is never handed to a formatter).
std::wstring CoinText(const std::string& text, int32_t coins) {
  std::wstring out;
  const std::wstring number = std::to_wstring(coins);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'i') {
      out += number;
      ++i;
    } else {
      out += static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
    }
  }
  return out;
}

}  // namespace

GG_EFFECT_BONUS::GG_EFFECT_BONUS(const gBonusTemplate& templ, const ORB::Vector2& cell,
                                 int32_t coins, Credit credit, bool acquired)
    : template_(templ), coins_(coins), credit_(std::move(credit)), coin_(*templ.coin) {
  if (acquired) coin_.LoadTexture();
  if (templ.follow) {
    follow_ = std::make_unique<ORB_GF::G_PARTICLES>(*templ.follow);
    follow_->System().Stop();
    if (acquired) follow_->LoadTexture();
  }
  // 1. The coin shows on the cell and plays once.
  coin_.SetPosition(cell.x, cell.y, 0.0f);
  coin_.SetFrame(0);
  coin_.Play(0.0f);
  const float appear =
      coin_.Fps() > 0.0f ? static_cast<float>(coin_.FrameCount()) / coin_.Fps() : 0.0f;
  PushStep(this, &GG_EFFECT_BONUS::Appeared, this);
  AddBot(new ORB::OT_BOT_SLEEP<int32_t>(nullptr, 0, appear));
  // 2. The flight to the counter; its control point aside from the middle.
  const ORB::Vector2 to = templ.end_position;
  const float dx = to.x - cell.x;
  const float dy = to.y - cell.y;
  const float length = std::sqrt(dx * dx + dy * dy);
  const float nx = length > 0.0f ? -dy / length : 0.0f;
  const float ny = length > 0.0f ? dx / length : 0.0f;
  control_ = ORB::Vector3(cell.x + dx / 2.0f + nx * templ.deflection,
                          cell.y + dy / 2.0f + ny * templ.deflection, 0.0f);
  end_ = ORB::Vector3(to.x, to.y, 0.0f);
  PushStep(this, &GG_EFFECT_BONUS::Landed, this);
  // A speed of 0 or less lands at once.
  const float speed = templ.speed > 0.0f ? templ.speed : 0.0f;
  AddBot(ORB::BotMoveQuadBezier(&coin_.EnsureTransform(), &control_, &end_,
                                speed > 0.0f ? 0.0f : -1.0f, speed, 0.0f));
  // 3. The coins shown as text, rising and fading.
  PushStep(this, &GG_EFFECT_BONUS::Shown, this);
  text_place_.SetPosition(to.x + templ.text_start.x, to.y + templ.text_start.y, 0.0f);
  AddBot(ORB::BotMoveOn(&text_place_, templ.text_time > 0.0f ? templ.text_time : -1.0f, 0.0f,
                        templ.text_offset.x, templ.text_offset.y, 0.0f, 0.0f));
}

GG_EFFECT_BONUS::~GG_EFFECT_BONUS() = default;

void GG_EFFECT_BONUS::Appeared(void* self, GG_EFFECT_BONUS* /*effect*/) {
  auto* bonus = static_cast<GG_EFFECT_BONUS*>(self);
  bonus->stage_ = Stage::kFlying;
  if (bonus->follow_) {
    const ORB::Vector2 at = bonus->CoinPosition();
    bonus->follow_->System().MoveEmitterTo(at.x, at.y);
    bonus->follow_->System().Resume();
  }
}

void GG_EFFECT_BONUS::Landed(void* self, GG_EFFECT_BONUS* /*effect*/) {
  auto* bonus = static_cast<GG_EFFECT_BONUS*>(self);
  bonus->stage_ = Stage::kShowing;
  if (bonus->follow_) bonus->follow_->System().Stop();
  bonus->text_ = CoinText(bonus->template_.text, bonus->coins_);
  if (bonus->credit_) bonus->credit_(bonus->coins_);
}

void GG_EFFECT_BONUS::Shown(void* self, GG_EFFECT_BONUS* /*effect*/) {
  static_cast<GG_EFFECT_BONUS*>(self)->stage_ = Stage::kFinished;
}

ORB::Vector2 GG_EFFECT_BONUS::CoinPosition() const {
  const ORB::OS_TRANSFORM3* transform = coin_.GetTransform();
  return transform != nullptr ? transform->GetPositionV2() : ORB::Vector2();
}

bool GG_EFFECT_BONUS::Update() {
  coin_.Update();
  if (stage_ == Stage::kShowing) text_elapsed_ += ORB::GetFrameDelta();
  const bool last = G_EFFECT_T::Update();
  if (follow_) {
    if (stage_ == Stage::kFlying) {
      const ORB::Vector2 at = CoinPosition();
      follow_->System().MoveEmitterTo(at.x, at.y);
    }
    follow_->Update();
  }
  return last;
}

void GG_EFFECT_BONUS::Draw() {
  if (follow_) follow_->Draw();
  if (stage_ == Stage::kAppearing || stage_ == Stage::kFlying) coin_.Draw();
  if (stage_ != Stage::kShowing || template_.font == nullptr || text_.empty()) return;
  // Fading to transparent white over the text's time.
  const float left = template_.text_time > 0.0f
                         ? std::clamp(1.0f - text_elapsed_ / template_.text_time, 0.0f, 1.0f)
                         : 0.0f;
  ORB::OC_FONT& font = *template_.font;
  const ORB::ColourF base(template_.colour.ToUInt());
  const ORB::ColourF clear(1.0f, 1.0f, 1.0f, 0.0f);
  const ORB::Colour shown = (base + (clear - base) * (1.0f - left)).ToColourValue();
  const int32_t savedAlignment = font.alignment;
  const uint32_t savedColour = font.GetColor();
  font.alignment = template_.alignment;
  font.SetColor(shown.ToUInt());
  const ORB::Vector2 at = TextPosition();
  font.DrawText(static_cast<int32_t>(at.x), static_cast<int32_t>(at.y), text_.c_str());
  font.alignment = savedAlignment;
  font.SetColor(savedColour);
}

void GG_EFFECT_BONUS::AcquireResources() {
  coin_.LoadTexture();
  if (follow_) follow_->LoadTexture();
}

void GG_EFFECT_BONUS::ReleaseResources() {
  coin_.ReleaseTexture();
  if (follow_) follow_->ReleaseTexture();
}

}  // namespace game
