#pragma once
// Effects: animations played as a queue of steps, one after another. Each
// step is a bot list that runs until all of its bots have finished; then the
// next step starts. G_EFFECT_T<T> adds to every step a finish callback and a
// target of type T that the callback receives, so that game code learns when
// a step is over and on which object it acted (the hint's flight opens its
// cell at the end; the bonus coin adds its coins and, at its last step,
// deletes itself).
//
//   auto* effect = new G_EFFECT_T<Cell*>();
//   effect->PushStep(this, &OnLanded, cell);
//   effect->NewestStep()->Add(ORB::BotMoveOn(...));
//   ... once a frame: if (effect->Update()) { the last step is over }
//
// The owner calls Update once a frame until it answers true.
#include <cstdint>
#include <deque>

#include "engine/foundation/dispatch_guard.h"
#include "engine/scene/bot_base.h"
#include "engine/scene/bot_list.h"

namespace ORB_GF {

class G_EFFECT_BASE {
 public:
  G_EFFECT_BASE() = default;
  // Deletes every step left, with its bots.
  virtual ~G_EFFECT_BASE();
  G_EFFECT_BASE(const G_EFFECT_BASE&) = delete;
  G_EFFECT_BASE& operator=(const G_EFFECT_BASE&) = delete;

  // False without steps; otherwise runs the first step's bots once and
  // answers whether that step has no bot left. The step stays: a plain
  // queue never moves on (G_EFFECT_T does).
  virtual bool Update();
  // Appends an empty step.
  virtual void AddStep();

  // The step bots are added to (the last one), or null without steps.
  ORB::OC_BOT_LIST* NewestStep() const { return steps_.empty() ? nullptr : steps_.back(); }
  // Adds a bot to the newest step (which owns it from then on); a bot
  // without a step is deleted.
  void AddBot(ORB::OC_BASE* bot);
  size_t StepCount() const { return steps_.size(); }

 protected:
  struct StepRun {
    bool finished = false;     // the first step has no bot left
    bool effect_gone = false;  // a bot deleted the effect: touch nothing
  };
  // Runs the first step's bots once (there must be one).
  StepRun RunFirstStep();
  // Takes the first step off and deletes it.
  void PopStep();

 private:
  std::deque<ORB::OC_BOT_LIST*> steps_;  // owned
  // A bot's callback may delete the effect, and with it the running step.
  ORB::DispatchGuard<ORB::OC_BOT_LIST> guard_;
};

template <typename T>
class G_EFFECT_T : public G_EFFECT_BASE {
 public:
  using Function = void (*)(void* context, T target);

  // Appends an empty step with its finish callback (function may be null)
  // and target.
  void PushStep(void* context, Function function, T target) {
    G_EFFECT_BASE::AddStep();
    finishes_.push_back(Finish{context, function, target});
  }
  // Appends an empty step without a callback (a default target), so that
  // the steps and their callbacks stay in step.
  void AddStep() override { PushStep(nullptr, nullptr, T{}); }

  // False without steps. Otherwise runs the first step's bots once; while
  // some remain, false. Once none remains the step, its callback and its
  // target are taken off, then the callback runs with its context and
  // target; the answer is whether that was the last step. The callback may
  // delete the effect: nothing of it is touched after the call, and a
  // caller whose callbacks delete the effect must not delete it again.
  bool Update() override {
    if (StepCount() == 0) return false;
    const StepRun run = RunFirstStep();
    if (run.effect_gone || !run.finished) return false;
    const Finish finish = finishes_.front();
    finishes_.pop_front();
    PopStep();
    const bool last = StepCount() == 0;
    if (finish.function != nullptr) finish.function(finish.context, finish.target);
    return last;
  }

 private:
  struct Finish {
    void* context;
    Function function;
    T target;
  };
  std::deque<Finish> finishes_;
};

}  // namespace ORB_GF
