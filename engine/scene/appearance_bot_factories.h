#pragma once
// Factories of the appearance and timing bots: each allocates one bot with its
// arguments in the constructor's order and hands it to the caller, who gives
// it to OC_BOT_LIST::Add (the list owns it from then on). The motion bots'
// factories are in motion_bot_factories.h; bot_factories.h has them all.
#include <cstdint>

#include "engine/foundation/callback.h"
#include "engine/foundation/transform.h"
#include "engine/scene/bot_blink.h"
#include "engine/scene/bot_blob.h"
#include "engine/scene/bot_chart_boost.h"
#include "engine/scene/bot_color.h"
#include "engine/scene/bot_lazy_blinker.h"
#include "engine/scene/bot_sleep.h"

namespace ORB {

class OC_MESH;

OC_BOT_COLOR* BotColor(OC_MESH* target, float duration, uint32_t end_argb, float delay);
OC_BOT_COLOR_JS* BotColorJs(uint32_t* target, float duration, uint32_t end_argb, float delay);
OC_BOT_BLINK_ANALOG* BotBlinkAnalog(OC_MESH* target, int32_t alpha_min, int32_t alpha_max,
                                    float phase_min, float phase_max,
                                    int32_t phases_per_burst, float pause,
                                    uint8_t keep_running, float run_time, float delay);
OC_BOT_BLINK_PULSE* BotBlinkPulse(OC_MESH* target, int32_t alpha_min, int32_t alpha_max,
                                  float phase_min, float phase_max, int32_t phases_per_burst,
                                  float pause, uint8_t keep_running, float run_time,
                                  float delay);
OC_BOT_LAZY_BLINKER* BotLazyBlinker(OC_MESH* target, int32_t direction, float fade_time,
                                    float hold_time, float reload);
OC_BOT_BLOB* BotBlob(OS_TRANSFORM3* target, float duration, float amplitude, float frequency,
                     float damping, float start_scale, float end_scale, float pause,
                     uint8_t loop);
OC_BOT_SLEEP* BotSleep(void* target, const Callback* callback, float time, float value);
OC_BOT_CHART_BOOST* BotChartBoost();

}  // namespace ORB
