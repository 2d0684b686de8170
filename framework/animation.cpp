#include "framework/animation.h"

#include <algorithm>

#include "engine/foundation/number_text.h"
#include "engine/foundation/split_string.h"
#include "engine/foundation/timer.h"

namespace ORB_GF {

G_ANIMATION::G_ANIMATION() { ResetAnimation(); }

G_ANIMATION::G_ANIMATION(const std::string& file) : G_SPRITE(file) { ResetAnimation(); }

G_ANIMATION::G_ANIMATION(const pugi::xml_node& node) {
  ResetAnimation();
  Load(node);
}

G_ANIMATION::G_ANIMATION(const G_ANIMATION& other) : G_SPRITE(other) { CopyAnimation(other); }

G_ANIMATION& G_ANIMATION::operator=(const G_ANIMATION& other) {
  if (this != &other) {
    G_SPRITE::operator=(other);
    CopyAnimation(other);
  }
  return *this;
}

G_ANIMATION::~G_ANIMATION() = default;

void G_ANIMATION::CopyAnimation(const G_ANIMATION& other) {
  forward_ = other.forward_;
  ping_pong_ = other.ping_pong_;
  loop_ = other.loop_;
  flip_ = other.flip_;
  playing_ = other.playing_;
  cols_ = other.cols_;
  rows_ = other.rows_;
  current_ = other.current_;
  count_ = other.count_;
  step_ = other.step_;
  fps_ = other.fps_;
  accumulator_ = other.accumulator_;
  delay_ = other.delay_;
  cell_w_ = other.cell_w_;
  cell_h_ = other.cell_h_;
}

void G_ANIMATION::ResetAnimation() {
  forward_ = 1;
  ping_pong_ = 0;
  loop_ = 1;
  flip_ = 0;
  playing_ = 0;
  cols_ = 1;
  rows_ = 1;
  current_ = 0;
  count_ = 1;
  step_ = 1;
  fps_ = 1.0f;
  accumulator_ = 0.0f;
  delay_ = 0.0f;
  cell_w_ = 1.0f;
  cell_h_ = 1.0f;
  SetFrame(0);
}

void G_ANIMATION::LoadTexture(ORB::TextureProvider* provider) {
  G_SPRITE::LoadTexture(provider);
  SetGrid(cols_, rows_);
}

void G_ANIMATION::ReleaseTexture() { G_SPRITE::ReleaseTexture(); }

void G_ANIMATION::SetGrid(int32_t cols, int32_t rows) {
  cols_ = std::max(cols, 1);
  rows_ = std::max(rows, 1);
  cell_w_ = 1.0f / static_cast<float>(cols_);
  cell_h_ = 1.0f / static_cast<float>(rows_);
  if (IsLoaded()) {
    const ORB::TextureRecord* texture = GetTexture();
    SetSize(static_cast<float>(texture->Width() / cols_),
            static_cast<float>(texture->Height() / rows_));
  }
}

void G_ANIMATION::SetFrameCount(int32_t count) { count_ = std::max(count, 1); }

void G_ANIMATION::SetFrame(int32_t i) {
  const int32_t n = std::max(count_, 1);
  current_ = i % n;
  accumulator_ = 0.0f;
  // A frame counted below 0 shows the cell it stands for.
  const int32_t shown = current_ < 0 ? current_ + n : current_;
  const int32_t row = shown / cols_;
  const int32_t column = shown % cols_;
  float u_left = static_cast<float>(column) * cell_w_;
  const float v_top = static_cast<float>(row) * cell_h_;
  float u_right = u_left + cell_w_;
  const float v_bottom = v_top + cell_h_;
  if (flip_ != 0) std::swap(u_left, u_right);
  SetUV(u_left, v_top, u_right, v_bottom);
}

void G_ANIMATION::Play(float delay) {
  playing_ = 1;
  delay_ = delay;
  // A replay starts in the first direction again, also after a ping-pong
  // or a backward run ended with the step turned round.
  step_ = forward_ != 0 ? 1 : -1;
  SetFrame(forward_ != 0 ? 0 : count_ - 1);
}

int32_t G_ANIMATION::Update() {
  if (playing_ == 0) return 0;
  const float dt = ORB::GetFrameDelta();
  if (dt == 0.0f) return 0;
  if (delay_ > 0.0f) {
    delay_ -= dt;
    if (delay_ > 0.0f) return 0;
  }
  accumulator_ += dt * fps_;
  if (!(accumulator_ > 1.0f)) return 0;
  SetFrame(current_);
  current_ += step_;

  const bool loop = loop_ != 0;
  const bool ping_pong = ping_pong_ != 0;
  const bool forward = forward_ != 0;
  const int64_t n = count_;
  const int64_t f = current_;
  if (f * f > (n - 1) * (n - 1)) {
    if (loop && ping_pong) {
      step_ = -step_;
      current_ += 2 * step_;
    } else if (loop && forward) {
      current_ = 0;
      return 1;
    } else if (!loop && ping_pong && forward) {
      step_ = -step_;
      current_ += 2 * step_;
    } else if (!loop && (ping_pong || forward)) {
      Stop();
    }
  }
  if (current_ < 0) {
    if (loop && ping_pong) {
      step_ = -step_;
      current_ = 1;
    } else if (loop && !forward) {
      current_ = count_ - 1;
    } else if (!loop && ping_pong && forward) {
      if (step_ == -1) Stop();
    } else if (!loop && ping_pong) {
      step_ = -step_;
      current_ += 2 * step_;
    } else if (!loop && !forward) {
      Stop();
    }
  }
  return 1;
}

bool G_ANIMATION::Load(const pugi::xml_node& node) {
  if (!G_SPRITE::Load(node)) return false;
  if (const pugi::xml_node anim = node.child("ANIMATION")) {
    if (const pugi::xml_attribute a = anim.attribute("loop")) loop_ = a.as_bool() ? 1 : 0;
    if (const pugi::xml_attribute a = anim.attribute("flip")) flip_ = a.as_bool() ? 1 : 0;
    if (const pugi::xml_attribute a = anim.attribute("ping_pong")) {
      ping_pong_ = a.as_bool() ? 1 : 0;
    }
    if (const pugi::xml_attribute a = anim.attribute("reverese")) {
      forward_ = a.as_bool() ? 1 : 0;
    }
    if (const pugi::xml_attribute a = anim.attribute("grid")) {
      const std::vector<std::string> parts = ORB::SplitString(a.value(), " ");
      if (parts.size() >= 2) {
        SetGrid(ORB::ParseIntText(parts[0]), ORB::ParseIntText(parts[1]));
      }
    }
    if (const pugi::xml_attribute a = anim.attribute("frames")) SetFrameCount(a.as_int());
    if (const pugi::xml_attribute a = anim.attribute("fps")) {
      fps_ = static_cast<float>(a.as_int());
    }
  }
  SetFrame(current_);
  return true;
}

}  // namespace ORB_GF
