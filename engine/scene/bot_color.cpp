#include "engine/scene/bot_color.h"

#include "engine/scene/bot_timing.h"
#include "engine/scene/byte_channel.h"
#include "engine/scene/mesh.h"

namespace ORB {

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

// start + elapsed x difference / duration, truncated and held to a byte.
uint8_t Channel(uint8_t start, int32_t difference, float elapsed, float duration) {
  return ChannelByte(elapsed * static_cast<float>(difference) / duration +
                     static_cast<float>(start));
}

}  // namespace

OC_COLOUR_FADE_BOT::OC_COLOUR_FADE_BOT(float duration, uint32_t end_argb, float delay)
    : OC_DELAYED_BOT(delay),
      end_(kWhite),
      start_(kWhite),
      duration_(duration),
      time_left_(duration) {
  name = "bot_color";
  order = kBotOrder;
  flag = 0;
  end_.SetARGB(end_argb);
}

void OC_COLOUR_FADE_BOT::CaptureIfDue() {
  if (Delay() <= 0.0f) Capture();
}

void OC_COLOUR_FADE_BOT::Capture() {
  start_ = ReadColour();
  dr_ = static_cast<int32_t>(end_.r) - start_.r;
  dg_ = static_cast<int32_t>(end_.g) - start_.g;
  db_ = static_cast<int32_t>(end_.b) - start_.b;
  da_ = static_cast<int32_t>(end_.a) - start_.a;
}

void OC_COLOUR_FADE_BOT::Finish() {
  time_left_ = 0.0f;
  WriteColour(end_);
  Completion().Fire();
}

void OC_COLOUR_FADE_BOT::OnDelayTick(bool ran_out) {
  if (ran_out) Capture();
}

int32_t OC_COLOUR_FADE_BOT::OnTick(float delta) {
  // No time left, or none to begin with (0, negative or not a number): the
  // end colour at once instead of a division by it.
  if (NoTimeToRun(time_left_) || NoTimeToRun(duration_)) {
    Finish();
    return kResultFinished;
  }
  Colour now;
  now.r = Channel(start_.r, dr_, elapsed_, duration_);
  now.g = Channel(start_.g, dg_, elapsed_, duration_);
  now.b = Channel(start_.b, db_, elapsed_, duration_);
  now.a = Channel(start_.a, da_, elapsed_, duration_);
  WriteColour(now);
  elapsed_ += delta;
  time_left_ -= delta;
  return kResultNone;
}

void OC_COLOUR_FADE_BOT::OnFinishNow() { Finish(); }

OC_BOT_COLOR::OC_BOT_COLOR(OC_MESH* target, float duration, uint32_t end_argb, float delay)
    : OC_COLOUR_FADE_BOT(duration, end_argb, delay), target_(target) {
  CaptureIfDue();
}

Colour OC_BOT_COLOR::ReadColour() const {
  return Colour(target_ != nullptr ? target_->GetVertexColor(0) : kWhite);
}

void OC_BOT_COLOR::WriteColour(const Colour& colour) {
  if (target_ != nullptr) target_->SetVertexColor(colour.ToUInt());
}

OC_BOT_COLOR_JS::OC_BOT_COLOR_JS(uint32_t* target, float duration, uint32_t end_argb, float delay)
    : OC_COLOUR_FADE_BOT(duration, end_argb, delay), target_(target) {
  CaptureIfDue();
}

Colour OC_BOT_COLOR_JS::ReadColour() const {
  return Colour(target_ != nullptr ? *target_ : kWhite);
}

void OC_BOT_COLOR_JS::WriteColour(const Colour& colour) {
  if (target_ != nullptr) *target_ = colour.ToUInt();
}

}  // namespace ORB
