#include "engine/scene/particle_system.h"

#include <algorithm>
#include <cmath>

#include "engine/foundation/matrix4.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/timer.h"
#include "engine/scene/random_source.h"

namespace ORB {

namespace {

constexpr float kTwoPi = 6.2831855f;

// A rectangle corner as a whole number toward zero; held to the int range
// (NaN gives 0) so a wild corner cannot make the conversion undefined.
int32_t Corner(float value) {
  if (std::isnan(value)) return 0;
  constexpr float kLimit = 2147483520.0f;  // the largest float below 2^31
  return static_cast<int32_t>(std::clamp(value, -kLimit, kLimit));
}

void PushFront(OS_PARTICLE*& head, OS_PARTICLE* particle) {
  particle->previous = nullptr;
  particle->next = head;
  if (head != nullptr) head->previous = particle;
  head = particle;
}

void Unlink(OS_PARTICLE*& head, OS_PARTICLE* particle) {
  if (particle->previous != nullptr) particle->previous->next = particle->next;
  if (particle->next != nullptr) particle->next->previous = particle->previous;
  if (head == particle) head = particle->next;
  particle->next = nullptr;
  particle->previous = nullptr;
}

}  // namespace

Vector2 EmitterArea::Centre() const {
  if (IsCircle()) return {x1, y1};
  return {(x1 + x2) * 0.5f, (y1 + y2) * 0.5f};
}

OC_PARTICLE_SYSTEM::OC_PARTICLE_SYSTEM(TextureRecord* texture, const OS_PARTICLE* templ)
    : start_colour_(kDefaultStartColour),
      average_colour_(kDefaultAverageColour),
      end_colour_(kDefaultEndColour),
      texture_(texture),
      texture_height_(texture != nullptr ? texture->Height() : 0) {
  SetFrequency(1.0f);
  if (templ != nullptr) {
    template_ = *templ;
  } else {
    template_.point.size = static_cast<float>(texture_height_);
    template_.point.colour = start_colour_.ToColour();
    template_.velocity = base_velocity_;
  }
  // The template is a value, never a member of a list.
  template_.next = nullptr;
  template_.previous = nullptr;
}

OC_PARTICLE_SYSTEM::~OC_PARTICLE_SYSTEM() { FreeAll(); }

OC_PARTICLE_SYSTEM::OC_PARTICLE_SYSTEM(const OC_PARTICLE_SYSTEM& other) {
  CopySettings(other);
  CopyLive(other);
}

OC_PARTICLE_SYSTEM& OC_PARTICLE_SYSTEM::operator=(const OC_PARTICLE_SYSTEM& other) {
  if (this != &other) {
    FreeAll();
    CopySettings(other);
    CopyLive(other);
  }
  return *this;
}

void OC_PARTICLE_SYSTEM::CopySettings(const OC_PARTICLE_SYSTEM& other) {
  max_count_ = other.max_count_;
  gravity_ = other.gravity_;
  base_velocity_ = other.base_velocity_;
  spread_ = other.spread_;
  start_colour_ = other.start_colour_;
  average_colour_ = other.average_colour_;
  end_colour_ = other.end_colour_;
  state_ = other.state_;
  template_ = other.template_;
  transform_ = other.transform_;
  emission_left_ = other.emission_left_;
  emitting_ = other.emitting_;
  frequency_ = other.frequency_;
  interval_ = other.interval_;
  accumulator_ = other.accumulator_;
  texture_ = other.texture_;
  texture_height_ = other.texture_height_;
  area_ = other.area_;
}

void OC_PARTICLE_SYSTEM::CopyLive(const OC_PARTICLE_SYSTEM& other) {
  // Copied oldest first, so each lands at the head in the other's order.
  const OS_PARTICLE* oldest = other.live_;
  while (oldest != nullptr && oldest->next != nullptr) oldest = oldest->next;
  for (const OS_PARTICLE* p = oldest; p != nullptr; p = p->previous) {
    PushFront(live_, new OS_PARTICLE(*p));
    ++live_count_;
  }
}

void OC_PARTICLE_SYSTEM::FreeList(OS_PARTICLE*& head) {
  while (head != nullptr) {
    OS_PARTICLE* next = head->next;
    delete head;
    head = next;
  }
}

void OC_PARTICLE_SYSTEM::FreeAll() {
  FreeList(live_);
  FreeList(dead_);
  live_count_ = 0;
}

void OC_PARTICLE_SYSTEM::Start(float duration) {
  emission_left_ = duration > 0.0f ? duration : 0.1f;
  emitting_ = true;
}

void OC_PARTICLE_SYSTEM::Emit() {
  emitting_ = true;
  accumulator_ = interval_;
  if (live_count_ < max_count_) {
    Birth();
    accumulator_ = 0.0f;
  }
}

void OC_PARTICLE_SYSTEM::SetFrequency(float frequency) {
  frequency_ = frequency;
  interval_ = 1.0f / frequency;
}

void OC_PARTICLE_SYSTEM::SetTexture(TextureRecord* texture) {
  texture_ = texture;
  texture_height_ = texture != nullptr ? texture->Height() : 0;
}

void OC_PARTICLE_SYSTEM::SetEmitterRect(float cx, float cy, float w, float h) {
  area_.shape = EmitterArea::Shape::kRectangle;
  area_.x1 = cx - w / 2.0f;
  area_.y1 = cy - h / 2.0f;
  area_.x2 = cx + w / 2.0f;
  area_.y2 = cy + h / 2.0f;
  area_.radius = 0.0f;
}

void OC_PARTICLE_SYSTEM::SetEmitterCircle(float cx, float cy, float r) {
  area_.shape = EmitterArea::Shape::kCircle;
  area_.x1 = cx;
  area_.y1 = cy;
  area_.x2 = 0.0f;
  area_.y2 = 0.0f;
  area_.radius = r;
}

void OC_PARTICLE_SYSTEM::SetEmitterPosition(float x, float y) {
  if (area_.IsCircle()) {
    SetEmitterCircle(x, y, area_.radius);
  } else {
    SetEmitterRect(x, y, area_.x2 - area_.x1, area_.y2 - area_.y1);
  }
}

void OC_PARTICLE_SYSTEM::MoveArea(float dx, float dy) {
  area_.x1 += dx;
  area_.y1 += dy;
  if (!area_.IsCircle()) {
    area_.x2 += dx;
    area_.y2 += dy;
  }
}

void OC_PARTICLE_SYSTEM::MoveEmitterTo(float x, float y) {
  const Vector2 centre = area_.Centre();
  MoveArea(x - centre.x, y - centre.y);
}

void OC_PARTICLE_SYSTEM::SetColours(const ColourF& start, const ColourF& average,
                                    const ColourF& end) {
  start_colour_ = start;
  average_colour_ = average;
  end_colour_ = end;
}

void OC_PARTICLE_SYSTEM::Birth() {
  auto* particle = new OS_PARTICLE(template_);
  particle->point.colour = start_colour_.ToColour();
  Random& random = RandomSource();
  // The draws come in this order: the area (radius then angle, or x then
  // y), then the spread.
  if (area_.IsCircle()) {
    const float r = random.RangeF(0.0f, area_.radius);
    const float a = random.RangeF(0.0f, kTwoPi);
    particle->point.x = area_.x1 + std::cos(a) * r;
    particle->point.y = area_.y1 + std::sin(a) * r;
  } else {
    particle->point.x = static_cast<float>(random.Range(Corner(area_.x1), Corner(area_.x2)));
    particle->point.y = static_cast<float>(random.Range(Corner(area_.y1), Corner(area_.y2)));
  }
  // The base velocity turned back by half the spread, then forward by an
  // even share of it.
  const float c = std::cos(spread_ * 0.5f);
  const float n = std::sin(spread_ * 0.5f);
  const float rx = base_velocity_.x * c - base_velocity_.y * n;
  const float ry = base_velocity_.x * n + base_velocity_.y * c;
  const float t = random.RangeF(0.0f, spread_);
  particle->velocity.x = rx * std::cos(t) + ry * std::sin(t);
  particle->velocity.y = ry * std::cos(t) - rx * std::sin(t);
  particle->next = nullptr;
  particle->previous = nullptr;
  OnParticleBorn(particle);
  PushFront(live_, particle);
  ++live_count_;
}

void OC_PARTICLE_SYSTEM::Update() {
  const float dt = GetFrameDelta();
  for (OS_PARTICLE* p = live_; p != nullptr;) {
    OS_PARTICLE* const next = p->next;
    if (p->remaining < 0.0f) {
      // Moved aside now, freed after the pass.
      Unlink(live_, p);
      --live_count_;
      PushFront(dead_, p);
      p = next;
      continue;
    }
    // A life of 0 or less (or not a number) is over after one update.
    p->remaining = p->life > 0.0f ? p->remaining - dt / p->life : -1.0f;
    // Past the end of its life a particle shows the end colour.
    const float m = std::max(p->remaining, 0.0f);
    const ColourF colour =
        m > 0.5f ? start_colour_ + (average_colour_ - start_colour_) * (2.0f * (1.0f - m))
                 : average_colour_ + (end_colour_ - average_colour_) * (1.0f - 2.0f * m);
    p->point.colour = colour.ToColour();
    p->velocity += gravity_ * dt;
    p->point.x += p->velocity.x * dt;
    p->point.y += p->velocity.y * dt;
    p->point.z += p->velocity.z * dt;
    OnParticleUpdate(p);
    p = next;
  }
  accumulator_ += dt;
  if (emitting_ && live_count_ < max_count_ && accumulator_ >= interval_) {
    Birth();
    accumulator_ = 0.0f;
  }
  FreeList(dead_);
  if (emission_left_ != 0.0f) {
    emission_left_ -= dt;
    if (!(emission_left_ > 0.0f)) {
      emitting_ = false;
      emission_left_ = 0.0f;
    }
  }
}

int32_t OC_PARTICLE_SYSTEM::Draw() const {
  Renderer* renderer = Renderer::Current();
  if (renderer == nullptr) return kResultFailed;
  renderer->SetWorld(transform_ != nullptr ? Matrix4::FromTransform(transform_->GetWorld())
                                           : Matrix4::Identity());
  if (live_ == nullptr) return kResultFailed;
  return renderer->DrawPointList(live_, texture_, RenderState(state_));
}

}  // namespace ORB
