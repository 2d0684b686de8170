#pragma once
// The time and speed rule shared by the bots that may be given a time, a
// speed or both for a move of length L: with neither, the move takes one
// second; with one of them the other follows from L.
namespace ORB {

struct BotTiming {
  float time = 0.0f;
  float speed = 0.0f;
  // The time and speed were both given and are kept as they are.
  bool both_given = false;
};

inline BotTiming ApplyTimeSpeedRule(float time, float speed, float length) {
  BotTiming out{time, speed, false};
  if (time == 0.0f && speed == 0.0f) {
    out.time = 1.0f;
    out.speed = length;
  } else if (time == 0.0f) {
    out.time = length / speed;
  } else if (speed == 0.0f) {
    out.speed = length / time;
  } else {
    out.both_given = true;
  }
  return out;
}

// A time that gives the move no room to run (zero, negative or not a
// number): the bot goes straight to its end value instead of dividing by it.
inline bool NoTimeToRun(float time) { return !(time > 0.0f); }

}  // namespace ORB
