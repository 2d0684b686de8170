#pragma once
// OC_BASEPROGRESS: what every bar shares: a value between a minimum (0) and a
// maximum (100), the fraction of the way it stands, and whether it is full.
// Each change of the value updates the bar's view (UpdateView), and a built
// bar runs its "filled" script once each time it becomes full: again only
// after it has dropped below full. Bars take no input.
//
//   bar.SetValue(42.0f);      // value 42, fraction 0.42
//   bar.SetPercent(150.0f);   // fraction held to 1: value 100, full
//   bar.AddPercent(-10.0f);   // fraction 0.9
//
// A value that is not a number counts as the minimum.
#include <cstdint>
#include <memory>

#include "engine/foundation/callback.h"
#include "engine/gui/gui_object.h"

namespace ORB {

class OC_BASEPROGRESS : public OC_GUI_OBJECT {
 public:
  // value held to min..max; fraction = value / (max - min).
  void SetValue(float v);
  // fraction = p / 100 held to 0..1; value = min + (max - min) x fraction.
  void SetPercent(float p);
  // SetPercent(fraction x 100 + p).
  void AddPercent(float p);

  float GetMin() const { return min_; }
  float GetMax() const { return max_; }
  float GetValue() const { return value_; }
  float GetFraction() const { return fraction_; }
  bool IsFull() const { return full_; }

  // The script run when the bar becomes full (the description's "FILLED"
  // event), called with the bar as its argument; null empties it. It may
  // replace itself while it runs.
  void SetFilledScript(std::unique_ptr<Callback> script) { on_filled_ = std::move(script); }
  const Callback* GetFilledScript() const { return on_filled_.get(); }

 protected:
  OC_BASEPROGRESS(int32_t id, int32_t kind) : OC_GUI_OBJECT(id, kind) {}

  // Shows the current fraction; a built bar ends with FilledRule().
  virtual void UpdateView() = 0;
  // Runs the filled script when the bar is full and was not full at the
  // previous view update; re-arms it when the bar is below full.
  void FilledRule();

 private:
  bool full_ = false;
  bool armed_ = true;
  float min_ = 0.0f;
  float max_ = 100.0f;
  float value_ = 0.0f;
  float fraction_ = 0.0f;
  std::shared_ptr<Callback> on_filled_;
};

}  // namespace ORB
