// Playback of single sounds, mixed on a loopback device and checked sample by sample.
#include "engine/foundation/sound.h"

#include <gtest/gtest.h>

#include "engine/foundation/sound_system.h"
#include "support/sound_rig.h"

namespace {

using ORB::OC_SOUND;
using test_support::kAudible;
using test_support::LoopbackRig;
using test_support::Peak;
using test_support::ReadFixture;

// Index of the last frame at or above the audible level, or -1.
long LastAudibleFrame(const std::vector<int16_t>& samples) {
  for (size_t i = samples.size(); i-- > 0;) {
    if (std::abs(int{samples[i]}) >= kAudible) return static_cast<long>(i / 2);
  }
  return -1;
}

class SoundPlayback : public ::testing::Test {
 protected:
  OC_SOUND* Load(const std::string& name, bool whole) {
    OC_SOUND* sound = rig_.system().LoadSound(ReadFixture(name), 2, whole, name);
    EXPECT_NE(sound, nullptr) << name;
    return sound;
  }
  void TearDown() override {
    for (OC_SOUND* sound : loaded_) rig_.system().RemoveSound(sound);
  }
  OC_SOUND* Keep(OC_SOUND* sound) {
    loaded_.push_back(sound);
    return sound;
  }

  LoopbackRig rig_;
  std::vector<OC_SOUND*> loaded_;
};

TEST_F(SoundPlayback, StreamedSoundIsAudibleAtOnceAndPlaysToItsEnd) {
  OC_SOUND* sound = Keep(Load("tone_stereo.ogg", false));
  EXPECT_EQ(sound->GetChunkSize(), OC_SOUND::kStreamChunkBytes);
  EXPECT_EQ(sound->Play(), 0);
  EXPECT_TRUE(sound->IsPlaying());
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 1);

  // Both buffers are filled before they are queued, so the first block already sounds.
  std::vector<int16_t> out = rig_.Block();
  EXPECT_GE(Peak(out, 0, LoopbackRig::kBlockFrames), kAudible);

  int blocks = 1;
  while (sound->IsPlaying() && blocks < 300) {
    const std::vector<int16_t> block = rig_.Block();
    out.insert(out.end(), block.begin(), block.end());
    ++blocks;
  }
  EXPECT_FALSE(sound->IsPlaying());
  // One second of tone: the last chunk is heard to its end, not cut off when
  // the decoder runs dry.
  const long last = LastAudibleFrame(out);
  EXPECT_GE(last, LoopbackRig::kRate - 2 * LoopbackRig::kBlockFrames);
  EXPECT_LE(last, LoopbackRig::kRate + 2 * LoopbackRig::kBlockFrames);
  EXPECT_GE(
      Peak(out, LoopbackRig::kRate - 5 * LoopbackRig::kBlockFrames, 3 * LoopbackRig::kBlockFrames),
      kAudible);
  // Stopped, with the source handed back, soon after the tail.
  EXPECT_LE(blocks, 103);
  EXPECT_EQ(sound->GetSource(), 0u);
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 0);
  EXPECT_GT(sound->GetElapsed(), 0.9f);
}

TEST_F(SoundPlayback, AStarvedStreamRestartsOnFreshData) {
  OC_SOUND* sound = Keep(Load("tone_stereo.ogg", false));
  sound->Play();
  // No audio pass for 0.6 s: both queued chunks (0.54 s) run out.
  std::vector<int16_t> dry(60 * LoopbackRig::kBlockFrames * 2);
  rig_.system().RenderSamples(dry.data(), 60 * LoopbackRig::kBlockFrames);
  EXPECT_LT(Peak(dry, 56 * LoopbackRig::kBlockFrames, 4 * LoopbackRig::kBlockFrames), kAudible);
  EXPECT_FALSE(sound->IsPlaying());

  const std::vector<int16_t> out = rig_.Run(60);
  EXPECT_GE(Peak(out, 0, 10 * LoopbackRig::kBlockFrames), kAudible);
  // The rest of the second is heard once, then the sound ends.
  EXPECT_EQ(sound->GetSource(), 0u);
  const long last = LastAudibleFrame(out);
  EXPECT_GE(last, 44 * LoopbackRig::kBlockFrames);
  EXPECT_LE(last, 50 * LoopbackRig::kBlockFrames);
}

TEST_F(SoundPlayback, StreamShorterThanOneChunkPlaysAndStops) {
  OC_SOUND* sound = Keep(Load("blip_stereo.ogg", false));
  sound->Play();
  const std::vector<int16_t> out = rig_.Run(30);
  EXPECT_FALSE(sound->IsPlaying());
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 0);
  const long last = LastAudibleFrame(out);
  EXPECT_GE(last, LoopbackRig::kRate / 5 - 2 * LoopbackRig::kBlockFrames);
  EXPECT_LE(last, LoopbackRig::kRate / 5 + 2 * LoopbackRig::kBlockFrames);
}

TEST_F(SoundPlayback, WholeSoundHoldsEveryDecodedSampleAndStopsAtItsEnd) {
  OC_SOUND* stereo = Keep(Load("tone_stereo.ogg", true));
  EXPECT_EQ(stereo->GetChannels(), 2);
  EXPECT_EQ(stereo->GetRate(), 44100);
  EXPECT_EQ(stereo->GetPcmTotal(), 44100);
  EXPECT_EQ(stereo->GetWholeBufferBytes(), stereo->GetPcmTotal() * 2 * 2);
  EXPECT_NEAR(stereo->GetLength(), 1.0, 0.001);

  OC_SOUND* mono = Keep(Load("tone_mono.ogg", true));
  EXPECT_EQ(mono->GetChannels(), 1);
  EXPECT_EQ(mono->GetRate(), 22050);
  EXPECT_EQ(mono->GetWholeBufferBytes(), mono->GetPcmTotal() * 2);

  stereo->Play();
  const std::vector<int16_t> out = rig_.Run(110);
  EXPECT_FALSE(stereo->IsPlaying());
  EXPECT_EQ(stereo->GetSource(), 0u);
  const long last = LastAudibleFrame(out);
  EXPECT_GE(last, LoopbackRig::kRate - 2 * LoopbackRig::kBlockFrames);
  EXPECT_LE(last, LoopbackRig::kRate + 2 * LoopbackRig::kBlockFrames);
}

TEST_F(SoundPlayback, MonoSoundsAreHeardBothWays) {
  for (bool whole : {true, false}) {
    OC_SOUND* mono = Keep(Load("tone_mono.ogg", whole));
    mono->Play();
    const std::vector<int16_t> out = rig_.Run(20);
    EXPECT_GE(Peak(out, 0, out.size() / 2), kAudible) << "whole " << whole;
    mono->Stop();
  }
}

// gap_stereo.ogg is half a second of silence, then half a second of tone.
TEST_F(SoundPlayback, RestartAndStopThenPlayBeginAgainFromTheStart) {
  for (bool whole : {true, false}) {
    OC_SOUND* sound = Keep(Load("gap_stereo.ogg", whole));
    sound->Play();
    std::vector<int16_t> out = rig_.Run(70);
    EXPECT_GE(Peak(out, 60 * LoopbackRig::kBlockFrames, 10 * LoopbackRig::kBlockFrames), kAudible)
        << "whole " << whole;

    // The first block still holds the short fade-out of the stopped voice.
    sound->Restart();
    out = rig_.Run(30);
    EXPECT_LT(Peak(out, LoopbackRig::kBlockFrames, 29 * LoopbackRig::kBlockFrames), kAudible)
        << "whole " << whole;

    rig_.Run(35);
    sound->Stop();
    EXPECT_FALSE(sound->IsPlaying());
    EXPECT_EQ(sound->Play(), 0);
    out = rig_.Run(30);
    EXPECT_LT(Peak(out, LoopbackRig::kBlockFrames, 29 * LoopbackRig::kBlockFrames), kAudible)
        << "whole " << whole;
    EXPECT_TRUE(sound->IsPlaying());
    sound->Stop();
  }
}

TEST_F(SoundPlayback, SeekMovesPlaybackAndRefusesSamplesOutsideTheData) {
  for (bool whole : {true, false}) {
    OC_SOUND* sound = Keep(Load("gap_stereo.ogg", whole));
    EXPECT_EQ(sound->Seek(1000), ORB::kResultNone) << "nothing to move before Play";
    sound->Play();
    std::vector<int16_t> out = rig_.Run(10);
    EXPECT_LT(Peak(out, 0, 10 * LoopbackRig::kBlockFrames), kAudible);

    EXPECT_EQ(sound->Seek(-1), ORB::kResultBadArgument);
    EXPECT_EQ(sound->Seek(sound->GetPcmTotal()), ORB::kResultBadArgument);
    EXPECT_EQ(sound->Seek(sound->GetPcmTotal() + 100000), ORB::kResultBadArgument);
    EXPECT_TRUE(sound->IsPlaying());

    EXPECT_EQ(sound->Seek(LoopbackRig::kRate * 3 / 4), ORB::kResultOk) << "whole " << whole;
    out = rig_.Run(10);
    EXPECT_GE(Peak(out, 2 * LoopbackRig::kBlockFrames, 8 * LoopbackRig::kBlockFrames), kAudible)
        << "whole " << whole;
    // Back into the silent half: nothing of the tone queued before is heard again.
    EXPECT_EQ(sound->Seek(LoopbackRig::kRate / 10), ORB::kResultOk);
    out = rig_.Run(10);
    EXPECT_LT(Peak(out, 2 * LoopbackRig::kBlockFrames, 8 * LoopbackRig::kBlockFrames), kAudible)
        << "whole " << whole;
    sound->Stop();
  }
}

TEST_F(SoundPlayback, DelayedPlayWaitsForTheAudioClock) {
  OC_SOUND* sound = Keep(Load("tone_stereo.ogg", true));
  sound->PlayDelayed(0.25f);
  EXPECT_FLOAT_EQ(sound->GetDelay(), 0.25f);
  int passes = 0;
  while (!sound->IsPlaying() && passes < 100) {
    rig_.Block();
    ++passes;
  }
  EXPECT_TRUE(sound->IsPlaying());
  EXPECT_GE(passes, 24);
  EXPECT_LE(passes, 26);
  EXPECT_FLOAT_EQ(sound->GetDelay(), 0.0f);
  sound->Stop();

  // However long the audio thread was away, one pass makes up for the whole time.
  sound->PlayDelayed(2.0f);
  rig_.clock().AdvanceMs(1990);
  rig_.system().UpdateStreams();
  EXPECT_FALSE(sound->IsPlaying());
  rig_.clock().AdvanceMs(10);
  rig_.system().UpdateStreams();
  EXPECT_TRUE(sound->IsPlaying());
  sound->Stop();

  // A stream that is playing keeps being fed while a later start waits.
  OC_SOUND* stream = Keep(Load("tone_stereo.ogg", false));
  stream->Play();
  stream->PlayDelayed(5.0f);
  const std::vector<int16_t> out = rig_.Run(60);
  EXPECT_GE(Peak(out, 45 * LoopbackRig::kBlockFrames, 15 * LoopbackRig::kBlockFrames), kAudible);
  stream->Stop();

  // No delay plays at once.
  sound->PlayDelayed(0.0f);
  EXPECT_TRUE(sound->IsPlaying());
  sound->Stop();
  sound->PlayDelayed(-1.0f);
  EXPECT_TRUE(sound->IsPlaying());
}

TEST_F(SoundPlayback, GainReachesTheSourceNowAndLater) {
  OC_SOUND* sound = Keep(Load("tone_stereo.ogg", true));
  EXPECT_FLOAT_EQ(sound->GetSourceGain(), -1.0f);
  sound->SetGain(0.25f);
  sound->Play();
  EXPECT_FLOAT_EQ(sound->GetSourceGain(), 0.25f);
  const int quiet =
      Peak(rig_.Run(10), 2 * LoopbackRig::kBlockFrames, 8 * LoopbackRig::kBlockFrames);
  sound->SetGain(1.0f);
  EXPECT_FLOAT_EQ(sound->GetSourceGain(), 1.0f);
  const int loud = Peak(rig_.Run(10), 2 * LoopbackRig::kBlockFrames, 8 * LoopbackRig::kBlockFrames);
  EXPECT_GT(loud, quiet * 3);
  sound->SetGain(-2.0f);
  EXPECT_FLOAT_EQ(sound->GetSourceGain(), 0.0f);
  EXPECT_TRUE(sound->IsPlaying());
}

TEST_F(SoundPlayback, AtMostSixteenSourcesAndAFreedOneIsTakenAgain) {
  const std::vector<uint8_t> bytes = ReadFixture("blip_stereo.ogg");
  std::vector<OC_SOUND*> sounds;
  for (int i = 0; i < 17; ++i) {
    sounds.push_back(Keep(rig_.system().LoadSound(bytes, 2, true)));
    ASSERT_NE(sounds.back(), nullptr);
  }
  for (OC_SOUND* sound : sounds) sound->Play();
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 16);
  for (int i = 0; i < 16; ++i) EXPECT_TRUE(sounds[i]->IsPlaying());
  // The seventeenth got nothing and is not left half-started.
  EXPECT_FALSE(sounds[16]->IsPlaying());
  EXPECT_EQ(sounds[16]->GetSource(), 0u);

  sounds[3]->Stop();
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 15);
  EXPECT_EQ(sounds[16]->Play(), 0);
  EXPECT_TRUE(sounds[16]->IsPlaying());
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 16);

  // Sounds that end give their sources back on the audio pass.
  rig_.Run(40);
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 0);
}

TEST(SoundSources, AFailedSourceCreationGivesItsPlaceBack) {
  LoopbackRig rig;
  OC_SOUND* sound = rig.system().LoadSound(ReadFixture("blip_stereo.ogg"), 2, true);
  ASSERT_NE(sound, nullptr);
  {
    // A second system takes the current context and, going away, leaves none:
    // OpenAL then refuses to create sources for the first one.
    ORB::OC_SOUND_SYSTEM other;
    ASSERT_EQ(other.InitLoopback(LoopbackRig::kRate), ORB::kResultOk);
  }
  for (int i = 0; i < 20; ++i) EXPECT_EQ(sound->Play(), 0);
  EXPECT_FALSE(sound->IsPlaying());
  EXPECT_EQ(sound->GetSource(), 0u);
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 0);
  EXPECT_EQ(rig.system().RemoveSound(sound), ORB::kResultOk);
}

}  // namespace
