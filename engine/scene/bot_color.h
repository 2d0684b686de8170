#pragma once
// Colour fades: OC_BOT_COLOR takes a quad from the colour it has when the bot
// starts to an end colour over a duration, channel by channel (alpha
// included); OC_BOT_COLOR_JS does the same to a bare ARGB word in memory.
// Windows fade their backgrounds in and out with them.
#include <cstdint>

#include "engine/foundation/colour.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_MESH;

// What both fades share; the two differ only in where the colour lives.
class OC_COLOUR_FADE_BOT : public OC_DELAYED_BOT {
 public:
  // Writes the end colour, stops and invokes the completion callback.
  void Finish();

  const Colour& StartColour() const { return start_; }
  const Colour& EndColour() const { return end_; }
  float Elapsed() const { return elapsed_; }
  float TimeLeft() const { return time_left_; }

 protected:
  // Both colours are white until the start is taken: at once for a delay
  // of 0 or less, else when the delay runs out.
  OC_COLOUR_FADE_BOT(float duration, uint32_t end_argb, float delay);
  // Takes the start; called by the constructors of the two fades once
  // their target is set (a virtual call cannot come from here).
  void CaptureIfDue();

  // The colour the target has now (white without a target).
  virtual Colour ReadColour() const = 0;
  virtual void WriteColour(const Colour& colour) = 0;

  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void Capture();

  Colour end_;
  int32_t dr_ = 0;
  int32_t dg_ = 0;
  int32_t db_ = 0;
  int32_t da_ = 0;
  Colour start_;
  float elapsed_ = 0.0f;
  float duration_;
  float time_left_;
};

class OC_BOT_COLOR : public OC_COLOUR_FADE_BOT {
 public:
  // The start is the colour of the quad's first vertex; every vertex is
  // coloured alike.
  OC_BOT_COLOR(OC_MESH* target, float duration, uint32_t end_argb, float delay);

 protected:
  Colour ReadColour() const override;
  void WriteColour(const Colour& colour) override;

 private:
  OC_MESH* target_;
};

class OC_BOT_COLOR_JS : public OC_COLOUR_FADE_BOT {
 public:
  OC_BOT_COLOR_JS(uint32_t* target, float duration, uint32_t end_argb, float delay);

 protected:
  Colour ReadColour() const override;
  void WriteColour(const Colour& colour) override;

 private:
  uint32_t* target_;
};

}  // namespace ORB
