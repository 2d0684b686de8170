#include "framework/effect.h"

namespace ORB_GF {

G_EFFECT_BASE::~G_EFFECT_BASE() {
  // A step whose bots are running right now is freed once they return.
  for (ORB::OC_BOT_LIST* step : steps_) guard_.Dispose(step);
}

bool G_EFFECT_BASE::Update() {
  if (steps_.empty()) return false;
  const StepRun run = RunFirstStep();
  return !run.effect_gone && run.finished;
}

void G_EFFECT_BASE::AddStep() { steps_.push_back(new ORB::OC_BOT_LIST()); }

void G_EFFECT_BASE::AddBot(ORB::OC_BASE* bot) {
  if (steps_.empty()) {
    delete bot;
    return;
  }
  steps_.back()->Add(bot);
}

G_EFFECT_BASE::StepRun G_EFFECT_BASE::RunFirstStep() {
  ORB::OC_BOT_LIST* step = steps_.front();
  const auto call = guard_.Call(step, [step] {
    step->Update();
    return step->Empty();
  });
  StepRun run;
  if (call.owner_gone) {
    run.effect_gone = true;
    return run;
  }
  // The step itself cannot be disposed of but by the effect's destructor.
  run.finished = call.result;
  return run;
}

void G_EFFECT_BASE::PopStep() {
  ORB::OC_BOT_LIST* step = steps_.front();
  steps_.pop_front();
  guard_.Dispose(step);
}

}  // namespace ORB_GF
