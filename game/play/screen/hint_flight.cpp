#include "game/play/screen/hint_flight.h"

#include <cmath>

#include "engine/foundation/number_text.h"
#include "engine/scene/motion_bot_factories.h"
#include "game/play/element.h"

namespace game {

namespace {

std::unique_ptr<ORB_GF::G_PARTICLES> ReadParticles(const pugi::xml_node& node) {
  if (!node) return nullptr;
  auto particles = std::make_unique<ORB_GF::G_PARTICLES>();
  if (!particles->Load(node)) return nullptr;
  particles->System().Stop();
  return particles;
}

float Attribute(const pugi::xml_node& node, const char* name, float fallback) {
  const pugi::xml_attribute a = node.attribute(name);
  return a ? ORB::ParseFloatText(a.value()) : fallback;
}

}  // namespace

gHintFlight::gHintFlight() = default;
gHintFlight::~gHintFlight() = default;

bool gHintFlight::Load(const pugi::xml_node& element) {
  Cancel();
  sprite_.reset();
  follow_template_.reset();
  finish_template_.reset();
  if (!element) return false;
  deflection1_ = Attribute(element, "deflection1", 0.0f);
  deflection2_ = Attribute(element, "deflection2", 0.0f);
  speed_ = Attribute(element, "speed", 0.0f);
  follow_template_ = ReadParticles(element.child("particles_follow"));
  finish_template_ = ReadParticles(element.child("particles_finish"));
  // The burst at the arrival point, at half its described size.
  finish_place_.SetScale(0.5f, 0.5f, 1.0f);
  if (const pugi::xml_node fly = element.child("sprite_fly")) {
    sprite_ = std::make_unique<ORB_GF::G_ANIMATION>(fly);
  }
  return sprite_ != nullptr;
}

bool gHintFlight::CanFly() const {
  return sprite_ != nullptr && speed_ > 0.0f && std::isfinite(speed_);
}

bool gHintFlight::Start(const ORB::Vector2& from, GG_ELEMENT& target) {
  if (!CanFly()) return false;
  bots_.DeleteAll();
  const ORB::Vector2 to = target.Centre();
  const float dx = to.x - from.x;
  const float dy = to.y - from.y;
  const float length = std::sqrt(dx * dx + dy * dy);
  // Sideways: the path's direction turned a quarter.
  const float nx = length > 0.0f ? -dy / length : 0.0f;
  const float ny = length > 0.0f ? dx / length : 0.0f;
  control1_ = ORB::Vector3(from.x + dx / 3.0f + nx * deflection1_,
                           from.y + dy / 3.0f + ny * deflection1_, 0.0f);
  control2_ = ORB::Vector3(from.x + dx * 2.0f / 3.0f + nx * deflection2_,
                           from.y + dy * 2.0f / 3.0f + ny * deflection2_, 0.0f);
  end_ = ORB::Vector3(to.x, to.y, 0.0f);
  duration_ = length / speed_;
  sprite_->SetPosition(from.x, from.y, 0.0f);
  sprite_->SetColor(ORB::Colour(0xFFFFFFFFu));
  sprite_->SetFrame(0);
  sprite_->Play(0.0f);
  bots_.Add(ORB::BotMoveCubeBezier(&sprite_->EnsureTransform(), &control1_, &control2_, &end_, 0.0f,
                                   speed_, 0.0f));
  target_ = &target;
  finish_.reset();
  follow_ = LiveCopy(follow_template_.get());
  if (follow_) {
    follow_->System().MoveEmitterTo(from.x, from.y);
    follow_->System().Resume();
  }
  return true;
}

std::unique_ptr<ORB_GF::G_PARTICLES> gHintFlight::LiveCopy(const ORB_GF::G_PARTICLES* templ) const {
  if (templ == nullptr) return nullptr;
  auto live = std::make_unique<ORB_GF::G_PARTICLES>(*templ);
  if (acquired_) live->LoadTexture();
  return live;
}

ORB::Vector2 gHintFlight::Position() const {
  const ORB::OS_TRANSFORM3* transform = sprite_ ? sprite_->GetTransform() : nullptr;
  return transform != nullptr ? transform->GetPositionV2() : ORB::Vector2();
}

GG_ELEMENT* gHintFlight::Update() {
  GG_ELEMENT* arrived = nullptr;
  if (target_ != nullptr) {
    bots_.Update();
    sprite_->Update();
    const ORB::Vector2 at = Position();
    if (follow_) follow_->System().MoveEmitterTo(at.x, at.y);
    if (bots_.Empty()) {
      arrived = target_;
      target_ = nullptr;
      if (follow_) follow_->System().Stop();
      finish_ = LiveCopy(finish_template_.get());
      if (finish_) {
        finish_place_.SetPosition(end_.x, end_.y, 0.0f);
        finish_->System().SetTransform(&finish_place_);
        finish_->System().MoveEmitterTo(0.0f, 0.0f);
        finish_->System().Start(kFinishBurst);
      }
    }
  }
  if (follow_) follow_->Update();
  if (finish_) finish_->Update();
  return arrived;
}

void gHintFlight::Draw() {
  if (follow_) follow_->Draw();
  if (target_ != nullptr) sprite_->Draw();
  if (finish_) finish_->Draw();
}

void gHintFlight::Cancel() {
  bots_.DeleteAll();
  target_ = nullptr;
  duration_ = 0.0f;
  // The particles go with the flight.
  follow_.reset();
  finish_.reset();
}

void gHintFlight::AcquireResources() {
  acquired_ = true;
  if (sprite_) sprite_->LoadTexture();
  if (follow_) follow_->LoadTexture();
  if (finish_) finish_->LoadTexture();
}

void gHintFlight::ReleaseResources() {
  acquired_ = false;
  if (sprite_) sprite_->ReleaseTexture();
  if (follow_) follow_->ReleaseTexture();
  if (finish_) finish_->ReleaseTexture();
}

}  // namespace game
