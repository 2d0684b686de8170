// The sound system's device handling, its sound list, the decoder's refusals
// and the audio thread.
#include "engine/foundation/sound_system.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "engine/foundation/thread.h"
#include "engine/platform/clock.h"
#include "support/sound_rig.h"

namespace {

using ORB::OC_SOUND;
using ORB::OC_SOUND_SYSTEM;
using test_support::LoopbackRig;
using test_support::ReadFixture;

// The Ogg pages of a file: offset and length of each.
struct Page {
  size_t offset;
  size_t size;
};

std::vector<Page> Pages(const std::vector<uint8_t>& bytes) {
  std::vector<Page> pages;
  size_t at = 0;
  while (at + 27 <= bytes.size() && std::memcmp(&bytes[at], "OggS", 4) == 0) {
    const size_t segments = bytes[at + 26];
    size_t size = 27 + segments;
    for (size_t i = 0; i < segments; ++i) size += bytes[at + 27 + i];
    pages.push_back(Page{at, size});
    at += size;
  }
  return pages;
}

uint32_t OggCrc(const uint8_t* data, size_t size) {
  uint32_t crc = 0;
  for (size_t i = 0; i < size; ++i) {
    crc ^= uint32_t{data[i]} << 24;
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
  }
  return crc;
}

// Rewrites a page's granule position (its PCM end) and its checksum.
void SetGranule(std::vector<uint8_t>& bytes, const Page& page, int64_t granule) {
  for (int i = 0; i < 8; ++i)
    bytes[page.offset + 6 + i] = static_cast<uint8_t>(uint64_t(granule) >> (8 * i));
  std::memset(&bytes[page.offset + 22], 0, 4);
  const uint32_t crc = OggCrc(&bytes[page.offset], page.size);
  for (int i = 0; i < 4; ++i) bytes[page.offset + 22 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

TEST(SoundSystemNoDevice, EveryCallWorksAndNothingSounds) {
  OC_SOUND_SYSTEM system;
  EXPECT_EQ(system.Init("no such sound device"), ORB::kResultFailed);
  EXPECT_FALSE(system.HasDevice());
  EXPECT_FALSE(system.HasContext());

  const std::vector<uint8_t> bytes = ReadFixture("tone_stereo.ogg");
  OC_SOUND* streamed =
      system.LoadSound(bytes.data(), static_cast<uint32_t>(bytes.size()), 2, false);
  OC_SOUND* whole = system.LoadSound(bytes, 3, true, "tone");
  ASSERT_NE(streamed, nullptr);
  ASSERT_NE(whole, nullptr);
  EXPECT_EQ(system.GetSoundCount(), 2u);
  EXPECT_EQ(system.GetSoundName(whole), "tone");
  EXPECT_EQ(whole->GetBufferCount(), 3);
  EXPECT_NEAR(whole->GetLength(), 1.0, 0.001);

  for (OC_SOUND* sound : {streamed, whole}) {
    EXPECT_FALSE(sound->HasContext());
    EXPECT_EQ(sound->Play(), 0);
    EXPECT_FALSE(sound->IsPlaying());
    sound->PlayDelayed(0.01f);
    sound->SetGain(0.5f);
    EXPECT_EQ(sound->Seek(10), ORB::kResultNone);
    EXPECT_EQ(sound->Restart(), 0);
    sound->Stop();
    EXPECT_EQ(sound->GetSource(), 0u);
    EXPECT_EQ(sound->GetWholeBufferBytes(), 0);
  }
  system.UpdateStreams();
  system.UpdateListener();
  int16_t out[8];
  EXPECT_EQ(system.RenderSamples(out, 4), ORB::kResultFailed);
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 0);

  EXPECT_EQ(system.RemoveSound(streamed), ORB::kResultOk);
  EXPECT_EQ(system.RemoveSound(whole), ORB::kResultOk);
  EXPECT_EQ(system.RemoveSound(whole), ORB::kResultNotFound);
  EXPECT_EQ(system.RemoveSound(nullptr), ORB::kResultNotFound);
  EXPECT_EQ(system.GetSoundCount(), 0u);
}

TEST(SoundSystemDecoding, DataTheDecoderCannotServeIsRefused) {
  LoopbackRig rig;
  OC_SOUND_SYSTEM& system = rig.system();

  std::vector<uint8_t> garbage(5000);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>(i * 37 + 11);
  EXPECT_EQ(system.LoadSound(garbage, 2, false), nullptr);
  EXPECT_EQ(system.LoadSound(garbage, 2, true), nullptr);
  EXPECT_EQ(system.LoadSound(std::vector<uint8_t>{}, 2, true), nullptr);
  EXPECT_EQ(system.LoadSound(nullptr, 100, 2, true), nullptr);
  // A file cut short inside its headers.
  std::vector<uint8_t> cut = ReadFixture("tone_stereo.ogg");
  cut.resize(100);
  EXPECT_EQ(system.LoadSound(cut, 2, false), nullptr);
  // Four channels would be played as garbage through a stereo format.
  EXPECT_EQ(system.LoadSound(ReadFixture("quad.ogg"), 2, true), nullptr);
  EXPECT_EQ(system.LoadSound(ReadFixture("quad.ogg"), 2, false), nullptr);
  EXPECT_EQ(system.GetSoundCount(), 0u);

  OC_SOUND direct;
  EXPECT_EQ(direct.Open(garbage, 2, false, nullptr), ORB::kResultDecoderRefused);
  OC_SOUND quad;
  EXPECT_EQ(quad.Open(ReadFixture("quad.ogg"), 2, true, nullptr), ORB::kResultDecoderRefused);
}

TEST(SoundSystemDecoding, ALengthTooLargeToDecodeWholeIsRefused) {
  LoopbackRig rig;
  const std::vector<uint8_t> original = ReadFixture("noise_stereo.ogg");
  const std::vector<Page> pages = Pages(original);
  ASSERT_GE(pages.size(), 5u);

  // The last page claims 2^40 samples: decoded whole that would be terabytes.
  std::vector<uint8_t> huge = original;
  SetGranule(huge, pages.back(), int64_t{1} << 40);
  OC_SOUND huge_sound;
  EXPECT_EQ(huge_sound.Open(huge, 2, true, nullptr), ORB::kResultDecoderRefused);
  EXPECT_EQ(rig.system().LoadSound(huge, 2, true), nullptr);

  // Streamed, the claim sizes nothing: the sound plays what is really there and ends.
  OC_SOUND* streamed = rig.system().LoadSound(huge, 2, false);
  ASSERT_NE(streamed, nullptr);
  EXPECT_EQ(streamed->GetPcmTotal(), int64_t{1} << 40);
  streamed->Play();
  int blocks = 0;
  while (streamed->IsPlaying() && blocks < 300) {
    rig.Block();
    ++blocks;
  }
  EXPECT_FALSE(streamed->IsPlaying());
  EXPECT_LE(blocks, 110);
  rig.system().RemoveSound(streamed);

  // The checksum helper itself is right: an unchanged granule still loads.
  std::vector<uint8_t> same = original;
  SetGranule(same, pages.back(), 44100);
  OC_SOUND* sound = rig.system().LoadSound(same, 2, true);
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->GetPcmTotal(), 44100);
  rig.system().RemoveSound(sound);
}

TEST(SoundSystemDecoding, DecodingGoesOnAfterAHoleInTheData) {
  LoopbackRig rig;
  std::vector<uint8_t> bytes = ReadFixture("noise_stereo.ogg");
  const std::vector<Page> pages = Pages(bytes);
  // Identification, comments and set-up headers, then at least three audio pages.
  ASSERT_GE(pages.size(), 5u);
  OC_SOUND* intact = rig.system().LoadSound(bytes, 2, true);
  ASSERT_NE(intact, nullptr);
  const int32_t intact_bytes = intact->GetWholeBufferBytes();
  EXPECT_EQ(intact_bytes, intact->GetPcmTotal() * 4);

  // Damage the middle of an audio page: its checksum fails and it is lost.
  const Page& middle = pages[pages.size() - 2];
  for (size_t i = middle.size / 2; i < middle.size / 2 + 16; ++i) bytes[middle.offset + i] ^= 0x5A;
  for (bool whole : {true, false}) {
    OC_SOUND* damaged = rig.system().LoadSound(bytes, 2, whole);
    ASSERT_NE(damaged, nullptr);
    if (whole) {
      const int32_t decoded = damaged->GetWholeBufferBytes();
      // What follows the lost page is still there.
      EXPECT_GT(decoded, 0);
      EXPECT_LT(decoded, intact_bytes);
      const int64_t granule_before = [&] {
        int64_t g = 0;
        for (int i = 0; i < 8; ++i)
          g |= int64_t{bytes[pages[pages.size() - 3].offset + 6 + i]} << (8 * i);
        return g;
      }();
      EXPECT_GT(decoded, granule_before * 4);
    } else {
      damaged->Play();
      int blocks = 0;
      while (damaged->IsPlaying() && blocks < 300) {
        rig.Block();
        ++blocks;
      }
      EXPECT_FALSE(damaged->IsPlaying());
      EXPECT_GT(blocks, 50);
    }
    rig.system().RemoveSound(damaged);
  }
  rig.system().RemoveSound(intact);
}

TEST(SoundSystemLifetime, SoundsLeftAtDestructionFallSilent) {
  OC_SOUND* left = nullptr;
  {
    LoopbackRig rig;
    left = rig.system().LoadSound(ReadFixture("tone_stereo.ogg"), 2, false);
    ASSERT_NE(left, nullptr);
    left->Play();
    EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 1);
  }
  EXPECT_FALSE(left->HasContext());
  EXPECT_EQ(left->GetSource(), 0u);
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 0);
  EXPECT_EQ(left->Play(), 0);
  EXPECT_FALSE(left->IsPlaying());
  delete left;
}

// The real arrangement: OpenAL's null device playing in real time, and an
// audio thread running the update every 10 ms until asked to stop.
TEST(SoundSystemAudioThread, AStreamedSoundPlaysOutOnTheAudioThread) {
  // Never a real sound card from a test: OpenAL reads this on its first use
  // in the process, which is here when the test runs alone.
  setenv("ALSOFT_DRIVERS", "null", 0);
  OC_SOUND_SYSTEM system;
  if (system.Init() != 1) GTEST_SKIP() << "no output device; run with ALSOFT_DRIVERS=null";
  ASSERT_TRUE(system.HasContext());
  OC_SOUND* sound = system.LoadSound(ReadFixture("blip_stereo.ogg"), 2, false);
  OC_SOUND* delayed = system.LoadSound(ReadFixture("blip_stereo.ogg"), 2, true);
  ASSERT_NE(sound, nullptr);
  ASSERT_NE(delayed, nullptr);

  auto audio = ORB::StartThread([&system](intptr_t, const ORB::ThreadRecord& self) {
    while (!self.StopRequested()) {
      system.UpdateStreams();
      ORB::platform::SleepMs(10);
    }
    return int32_t{0};
  });
  sound->Play();
  delayed->PlayDelayed(0.05f);
  EXPECT_TRUE(sound->IsPlaying());
  // A bound, not a timing: the sounds last 0.2 s and 0.25 s.
  bool delayed_started = false;
  for (int i = 0; i < 500 && (delayed->GetDelay() > 0.0f || OC_SOUND::GetLiveSourceCount() > 0);
       ++i) {
    delayed_started = delayed_started || delayed->IsPlaying() || delayed->GetSource() != 0;
    ORB::platform::SleepMs(10);
  }
  audio->RequestStop();
  audio->Join();
  EXPECT_FALSE(sound->IsPlaying());
  EXPECT_FALSE(delayed->IsPlaying());
  EXPECT_FLOAT_EQ(delayed->GetDelay(), 0.0f);
  EXPECT_TRUE(delayed_started);
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 0);
  EXPECT_EQ(system.RemoveSound(sound), ORB::kResultOk);
  EXPECT_EQ(system.RemoveSound(delayed), ORB::kResultOk);
}

// With nothing to play the audio thread waits instead of polling and the
// output device is paused; the next sound wakes both, and a delay set while
// the thread waited is not eaten by the waiting.
TEST(SoundSystemAudioThread, AnIdleThreadWaitsWithTheDevicePausedAndWakesForTheNextSound) {
  setenv("ALSOFT_DRIVERS", "null", 0);
  OC_SOUND_SYSTEM system;
  if (system.Init() != 1) GTEST_SKIP() << "no output device; run with ALSOFT_DRIVERS=null";
  OC_SOUND* stream = system.LoadSound(ReadFixture("blip_stereo.ogg"), 2, false);
  OC_SOUND* delayed = system.LoadSound(ReadFixture("blip_stereo.ogg"), 2, true);
  ASSERT_NE(stream, nullptr);
  ASSERT_NE(delayed, nullptr);

  std::atomic<int> passes{0};
  auto audio = ORB::StartThread([&system, &passes](intptr_t, const ORB::ThreadRecord& self) {
    while (!self.StopRequested()) {
      system.UpdateStreams();
      ++passes;
      system.WaitForWork([&self] { return self.StopRequested(); });
      ORB::platform::SleepMs(10);
    }
    return int32_t{0};
  });
  const auto wait_until = [](const auto& done) {
    for (int i = 0; i < 500 && !done(); ++i) ORB::platform::SleepMs(10);
    return done();
  };

  ASSERT_TRUE(wait_until([&] { return system.IsOutputPaused(); }));
  const int idle_passes = passes.load();
  ORB::platform::SleepMs(100);
  EXPECT_EQ(passes.load(), idle_passes);

  // A paused device would never play the stream out, nor a sleeping thread stop it.
  stream->Play();
  EXPECT_TRUE(stream->IsPlaying());
  EXPECT_TRUE(wait_until([] { return OC_SOUND::GetLiveSourceCount() == 0; }));
  EXPECT_FALSE(stream->IsPlaying());
  EXPECT_GT(passes.load(), idle_passes);
  EXPECT_GT(stream->GetElapsed(), 0.0f);

  ASSERT_TRUE(wait_until([&] { return system.IsOutputPaused(); }));
  ORB::platform::SleepMs(300);
  delayed->PlayDelayed(5.0f);
  EXPECT_TRUE(wait_until([&] { return !system.IsOutputPaused(); }));
  ORB::platform::SleepMs(50);
  EXPECT_GT(delayed->GetDelay(), 4.8f);
  EXPECT_EQ(delayed->GetSource(), 0u);

  EXPECT_EQ(system.RemoveSound(delayed), ORB::kResultOk);
  EXPECT_TRUE(wait_until([&] { return system.IsOutputPaused(); }));
  // Asked to stop while waiting, the thread ends and leaves the device running.
  audio->RequestStop();
  system.WakeAudioThread();
  audio->Join();
  EXPECT_FALSE(system.IsOutputPaused());
  EXPECT_EQ(system.RemoveSound(stream), ORB::kResultOk);
}

}  // namespace
