#include "engine/gui/gui_base_progress.h"

#include <algorithm>
#include <cmath>

namespace ORB {

void OC_BASEPROGRESS::SetValue(float v) {
  value_ = std::isnan(v) ? min_ : std::clamp(v, min_, max_);
  fraction_ = value_ / (max_ - min_);
  full_ = fraction_ >= 1.0f;
  UpdateView();
}

void OC_BASEPROGRESS::SetPercent(float p) {
  fraction_ = std::isnan(p) ? 0.0f : std::clamp(p / 100.0f, 0.0f, 1.0f);
  value_ = min_ + (max_ - min_) * fraction_;
  full_ = fraction_ >= 1.0f;
  UpdateView();
}

void OC_BASEPROGRESS::AddPercent(float p) { SetPercent(fraction_ * 100.0f + p); }

void OC_BASEPROGRESS::FilledRule() {
  if (!full_) {
    armed_ = true;
    return;
  }
  if (!armed_) return;
  armed_ = false;
  // A copy keeps the script alive while it runs.
  const std::shared_ptr<Callback> filled = on_filled_;
  InvokeCallback(filled.get(), reinterpret_cast<intptr_t>(this));
}

}  // namespace ORB
