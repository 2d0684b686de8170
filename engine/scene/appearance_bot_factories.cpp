#include "engine/scene/appearance_bot_factories.h"

namespace ORB {

OC_BOT_COLOR* BotColor(OC_MESH* target, float duration, uint32_t end_argb, float delay) {
  return new OC_BOT_COLOR(target, duration, end_argb, delay);
}

OC_BOT_COLOR_JS* BotColorJs(uint32_t* target, float duration, uint32_t end_argb, float delay) {
  return new OC_BOT_COLOR_JS(target, duration, end_argb, delay);
}

OC_BOT_BLINK_ANALOG* BotBlinkAnalog(OC_MESH* target, int32_t alpha_min, int32_t alpha_max,
                                    float phase_min, float phase_max,
                                    int32_t phases_per_burst, float pause,
                                    uint8_t keep_running, float run_time, float delay) {
  return new OC_BOT_BLINK_ANALOG(target, alpha_min, alpha_max, phase_min, phase_max,
                                 phases_per_burst, pause, keep_running, run_time, delay);
}

OC_BOT_BLINK_PULSE* BotBlinkPulse(OC_MESH* target, int32_t alpha_min, int32_t alpha_max,
                                  float phase_min, float phase_max, int32_t phases_per_burst,
                                  float pause, uint8_t keep_running, float run_time,
                                  float delay) {
  return new OC_BOT_BLINK_PULSE(target, alpha_min, alpha_max, phase_min, phase_max,
                                phases_per_burst, pause, keep_running, run_time, delay);
}

OC_BOT_LAZY_BLINKER* BotLazyBlinker(OC_MESH* target, int32_t direction, float fade_time,
                                    float hold_time, float reload) {
  return new OC_BOT_LAZY_BLINKER(target, direction, fade_time, hold_time, reload);
}

OC_BOT_BLOB* BotBlob(OS_TRANSFORM3* target, float duration, float amplitude, float frequency,
                     float damping, float start_scale, float end_scale, float pause,
                     uint8_t loop) {
  return new OC_BOT_BLOB(target, duration, amplitude, frequency, damping, start_scale,
                         end_scale, pause, loop);
}

OC_BOT_SLEEP* BotSleep(void* target, const Callback* callback, float time, float value) {
  return new OC_BOT_SLEEP(target, callback, time, value);
}

OC_BOT_CHART_BOOST* BotChartBoost() { return new OC_BOT_CHART_BOOST(); }

}  // namespace ORB
