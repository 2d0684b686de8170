#pragma once
// OC_BOT_LAZY_BLINKER: fades a quad out and in, holding it between fades, for
// a number of switches or without end. It does nothing until Start or
// StartOnce is called, never reports that it has finished (its owner deletes
// it) and has no completion callback.
#include <cstdint>

#include "engine/foundation/colour_f.h"
#include "engine/scene/bot_base.h"

namespace ORB {

class OC_MESH;

class OC_BOT_LAZY_BLINKER : public OC_BASE {
 public:
  // direction: 0 fades in (to alpha 1), anything else fades out (to 0).
  // `reload` is kept for the owner; the bot does not read it.
  OC_BOT_LAZY_BLINKER(OC_MESH* target, int32_t direction, float fade_time, float hold_time,
                      float reload);

  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  // Runs `switches` fades (0: without limit), alternating from the
  // direction given at construction, after the delay.
  void Start(int32_t switches, float delay);
  // One fade in the given direction after the delay.
  void StartOnce(int32_t direction, float delay);

  int32_t Direction() const { return direction_; }
  int32_t SwitchesLeft() const { return switches_left_; }
  bool Unlimited() const { return unlimited_; }
  float FadeLeft() const { return fade_left_; }
  float HoldLeft() const { return hold_left_; }
  float Reload() const { return reload_; }

 private:
  // From = the quad's colour now, to = the same with the direction's alpha;
  // fade and hold are reloaded.
  void Capture();
  void Write(const ColourF& colour);

  OC_MESH* target_;
  int32_t direction_;
  float fade_time_;
  float hold_time_;
  float reload_;
  float delay_ = 0.0f;
  bool started_ = false;
  bool unlimited_ = false;
  int32_t switches_left_ = 0;
  ColourF from_;
  ColourF to_;
  ColourF difference_;
  float fade_left_ = 0.0f;
  float hold_left_ = 0.0f;
};

}  // namespace ORB
