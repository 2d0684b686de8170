#pragma once
// Shared by the sound tests: the fixture files, and a sound system on an
// OpenAL loopback device whose output is mixed only when the test asks, with
// the engine clock under the test's hand, so playback is exact and repeatable.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/foundation/sound_system.h"
#include "engine/platform/clock.h"
#include "support/source_path.h"

namespace test_support {

inline std::vector<uint8_t> ReadFixture(const std::string& name) {
  std::ifstream in(test_support::TestData("sound/" + name), std::ios::binary);
  EXPECT_TRUE(in.good()) << "missing fixture " << name;
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Largest sample magnitude in [begin, end) of interleaved stereo frames.
inline int Peak(const std::vector<int16_t>& samples, size_t first_frame, size_t frames) {
  int peak = 0;
  const size_t end = std::min(samples.size(), (first_frame + frames) * 2);
  for (size_t i = first_frame * 2; i < end; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
  return peak;
}

// Output this loud or louder counts as sound; vorbis-coded silence stays far below.
constexpr int kAudible = 1000;

class LoopbackRig {
 public:
  static constexpr int kRate = 44100;
  // One audio-thread pass every 10 ms of output.
  static constexpr int kBlockFrames = kRate / 100;

  explicit LoopbackRig(int32_t max_sources = 0) {
    ORB::platform::SetClock(&clock_);
    EXPECT_EQ(system_.InitLoopback(kRate, max_sources), ORB::kResultOk);
    system_.UpdateStreams();
  }
  ~LoopbackRig() { ORB::platform::SetClock(nullptr); }

  ORB::OC_SOUND_SYSTEM& system() { return system_; }
  ORB::platform::ManualClock& clock() { return clock_; }

  // Mixes 10 ms of output, then lets 10 ms pass and runs one audio pass.
  // Answers the block's interleaved stereo samples.
  std::vector<int16_t> Block() {
    std::vector<int16_t> block(kBlockFrames * 2);
    EXPECT_EQ(system_.RenderSamples(block.data(), kBlockFrames), ORB::kResultOk);
    clock_.AdvanceMs(10);
    system_.UpdateStreams();
    return block;
  }
  // Runs count blocks and answers all their samples.
  std::vector<int16_t> Run(int count) {
    std::vector<int16_t> out;
    for (int i = 0; i < count; ++i) {
      const std::vector<int16_t> block = Block();
      out.insert(out.end(), block.begin(), block.end());
    }
    return out;
  }

 private:
  ORB::platform::ManualClock clock_;
  ORB::OC_SOUND_SYSTEM system_;
};

}  // namespace test_support
