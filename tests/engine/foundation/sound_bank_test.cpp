#include "engine/foundation/sound_bank.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "engine/foundation/sound.h"
#include "support/sound_rig.h"
#include "support/source_path.h"

namespace {

using ORB::BankGroup;
using ORB::OC_SOUND;
using ORB::OC_SOUND_BANK;
using test_support::LoopbackRig;
using test_support::ReadFixture;

// Serves fixture files by name through the sound system and counts uses, as
// the resource repository does.
class FixtureSounds : public ORB::SoundProvider {
 public:
  explicit FixtureSounds(ORB::OC_SOUND_SYSTEM& system) : system_(system) {}
  ~FixtureSounds() override {
    for (auto& [name, held] : held_) system_.RemoveSound(held.sound);
  }

  OC_SOUND* GetSound(const std::string& name, int32_t bufferCount, bool whole) override {
    requests.push_back(Request{name, bufferCount, whole});
    auto found = held_.find(name);
    if (found == held_.end()) {
      if (!std::ifstream(test_support::TestData("sound/" + name)).good()) return nullptr;
      OC_SOUND* sound = system_.LoadSound(ReadFixture(name), bufferCount, whole, name);
      if (sound == nullptr) return nullptr;
      found = held_.emplace(name, Held{sound, 0}).first;
    }
    ++found->second.uses;
    return found->second.sound;
  }
  void ReleaseSound(OC_SOUND* sound) override {
    ++releases;
    for (auto& [name, held] : held_) {
      if (held.sound == sound) {
        --held.uses;
        return;
      }
    }
    ADD_FAILURE() << "released a sound that was never handed out";
  }
  int Uses(const std::string& name) const {
    auto found = held_.find(name);
    return found == held_.end() ? 0 : found->second.uses;
  }
  OC_SOUND* Sound(const std::string& name) const {
    auto found = held_.find(name);
    return found == held_.end() ? nullptr : found->second.sound;
  }

  struct Request {
    std::string name;
    int32_t buffer_count;
    bool whole;
  };
  std::vector<Request> requests;
  int releases = 0;

 private:
  struct Held {
    OC_SOUND* sound;
    int uses;
  };
  ORB::OC_SOUND_SYSTEM& system_;
  std::map<std::string, Held> held_;
};

constexpr const char* kBankXml = R"(<root><sound>
  <group name="music">
    <sound name="theme" path="tone_stereo.ogg" streamed="0" cnt_buffers="4" looped="1"/>
    <sound name="gap" path="gap_stereo.ogg" streamed="false" cnt_buffers="2"/>
  </group>
  <group name="sounds">
    <sound name="click" path="blip_stereo.ogg" streamed="1" cnt_buffers="1"/>
    <sound name="pop" path="tone_mono.ogg" streamed="Yes"/>
    <sound name="click" path="tone_stereo.ogg" streamed="true" cnt_buffers="3"/>
    <snd name="missing" path="no_such_file.ogg" streamed="1"/>
  </group>
  <group name="order">
    <sound name="b" path="tone_mono.ogg" streamed="1"/>
    <sound name="a" path="blip_stereo.ogg" streamed="1"/>
  </group>
  <group name="empty"/>
</sound></root>)";

class SoundBank : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document_.load_string(kBankXml));
    EXPECT_EQ(bank_->Load(document_.child("root").child("sound")), 1);
  }
  void TearDown() override {
    bank_.reset();
  }
  OC_SOUND* SoundOf(const std::string& group, const std::string& name) {
    BankGroup* found = bank_->Find(group);
    if (found == nullptr) return nullptr;
    auto entry = found->sounds.find(name);
    return entry == found->sounds.end() ? nullptr : entry->second->sound;
  }

  LoopbackRig rig_;
  FixtureSounds sounds_{rig_.system()};
  pugi::xml_document document_;
  std::unique_ptr<OC_SOUND_BANK> bank_ = std::make_unique<OC_SOUND_BANK>(&sounds_);
};

TEST_F(SoundBank, ReadsGroupsAndSoundsAndLoadsAGroupThroughTheProvider) {
  BankGroup* music = bank_->Find("music");
  ASSERT_NE(music, nullptr);
  EXPECT_FLOAT_EQ(music->volume, 1.0f);
  ASSERT_EQ(music->sounds.size(), 2u);
  const ORB::BankSound& theme = *music->sounds.at("theme");
  EXPECT_EQ(theme.path, "tone_stereo.ogg");
  EXPECT_FALSE(theme.streamed);
  EXPECT_EQ(theme.buffer_count, 4);
  EXPECT_EQ(theme.sound, nullptr);

  BankGroup* effects = bank_->Find("sounds");
  ASSERT_NE(effects, nullptr);
  // The later "click" replaced the earlier; element names are not checked.
  ASSERT_EQ(effects->sounds.size(), 3u);
  EXPECT_EQ(effects->sounds.at("click")->path, "tone_stereo.ogg");
  EXPECT_EQ(effects->sounds.at("click")->buffer_count, 3);
  EXPECT_TRUE(effects->sounds.at("pop")->streamed);
  EXPECT_EQ(bank_->Find("nothing"), nullptr);
  EXPECT_NE(bank_->Find("empty"), nullptr);

  EXPECT_EQ(bank_->Play("music", "theme"), ORB::kResultNotFound) << "not loaded yet";
  EXPECT_EQ(bank_->LoadGroup("nothing"), ORB::kResultNone);
  EXPECT_EQ(bank_->LoadGroup("music"), ORB::kResultOk);
  ASSERT_EQ(sounds_.requests.size(), 2u);
  // "streamed" is handed over as the whole-decode flag.
  EXPECT_EQ(sounds_.requests[0].name, "gap_stereo.ogg");
  EXPECT_FALSE(sounds_.requests[0].whole);
  EXPECT_EQ(sounds_.requests[1].name, "tone_stereo.ogg");
  EXPECT_EQ(sounds_.requests[1].buffer_count, 4);
  EXPECT_FALSE(SoundOf("music", "theme")->IsWhole());

  // Loading again asks only for what is still missing.
  EXPECT_EQ(bank_->LoadGroup("music"), ORB::kResultOk);
  EXPECT_EQ(sounds_.requests.size(), 2u);
  EXPECT_EQ(bank_->LoadGroup("sounds"), ORB::kResultOk);
  ASSERT_EQ(sounds_.requests.size(), 5u);
  EXPECT_EQ(sounds_.requests[2].name, "tone_stereo.ogg");
  EXPECT_TRUE(sounds_.requests[2].whole);
  EXPECT_EQ(sounds_.requests[2].buffer_count, 3);
  // The resource is shared with "theme" and stays as it was first loaded.
  EXPECT_EQ(SoundOf("sounds", "click"), SoundOf("music", "theme"));
  EXPECT_EQ(SoundOf("sounds", "missing"), nullptr);
  EXPECT_EQ(bank_->Play("sounds", "missing"), ORB::kResultNotFound);
  EXPECT_NEAR(bank_->GetLength("music", "theme"), 1.0, 0.001);
  EXPECT_DOUBLE_EQ(bank_->GetLength("music", "nothing"), 0.0);
  EXPECT_DOUBLE_EQ(bank_->GetLength("nothing", "theme"), 0.0);
}

TEST_F(SoundBank, PlaysByNameAtTheGroupVolume) {
  bank_->LoadGroup("music");
  bank_->LoadGroup("sounds");
  EXPECT_EQ(bank_->Play("nothing", "theme"), ORB::kResultNotFound);
  EXPECT_EQ(bank_->Play("music", "nothing"), ORB::kResultNotFound);

  EXPECT_EQ(bank_->SetVolume("music", 50.0f), ORB::kResultOk);
  EXPECT_FLOAT_EQ(bank_->Find("music")->volume, 0.5f);
  EXPECT_EQ(bank_->Play("music", "theme"), ORB::kResultOk);
  OC_SOUND* theme = SoundOf("music", "theme");
  EXPECT_TRUE(theme->IsPlaying());
  EXPECT_FLOAT_EQ(theme->GetSourceGain(), 0.5f);

  // A new volume reaches the playing track at once.
  EXPECT_EQ(bank_->SetVolume("music", 80.0f), ORB::kResultOk);
  EXPECT_FLOAT_EQ(theme->GetSourceGain(), 0.8f);
  EXPECT_EQ(bank_->SetVolume("nothing", 80.0f), ORB::kResultNotFound);

  // Volumes are held to what a gain can be.
  bank_->SetVolume("sounds", 250.0f);
  EXPECT_FLOAT_EQ(bank_->Find("sounds")->volume, 1.0f);
  bank_->SetVolume("sounds", -30.0f);
  EXPECT_FLOAT_EQ(bank_->Find("sounds")->volume, 0.0f);

  // Play restarts a sound that is already playing.
  rig_.Run(30);
  EXPECT_EQ(bank_->Play("music", "theme"), ORB::kResultOk);
  EXPECT_TRUE(theme->IsPlaying());
  EXPECT_FLOAT_EQ(theme->GetSourceGain(), 0.8f);
}

TEST_F(SoundBank, VolumeZeroPlaysNothingAndRaisingItStartsNothing) {
  bank_->LoadGroup("sounds");
  bank_->SetVolume("sounds", 0.0f);
  EXPECT_EQ(bank_->Play("sounds", "click"), ORB::kResultOk);
  EXPECT_EQ(bank_->PlayDelayed("sounds", "click", 0.1f), ORB::kResultOk);
  EXPECT_EQ(bank_->PlayGroup("sounds", 1.0f), ORB::kResultOk);
  OC_SOUND* click = SoundOf("sounds", "click");
  EXPECT_FALSE(click->IsPlaying());
  EXPECT_FLOAT_EQ(click->GetDelay(), 0.0f);
  bank_->SetVolume("sounds", 100.0f);
  rig_.Run(20);
  EXPECT_FALSE(click->IsPlaying());
  EXPECT_EQ(OC_SOUND::GetLiveSourceCount(), 0);
}

TEST_F(SoundBank, ADelayedSoundStartsLaterWithTheGroupVolume) {
  bank_->LoadGroup("sounds");
  bank_->SetVolume("sounds", 40.0f);
  EXPECT_EQ(bank_->PlayDelayed("sounds", "nothing", 0.1f), ORB::kResultNotFound);
  EXPECT_EQ(bank_->PlayDelayed("sounds", "click", 0.1f), ORB::kResultOk);
  OC_SOUND* click = SoundOf("sounds", "click");
  EXPECT_FALSE(click->IsPlaying());
  rig_.Run(12);
  EXPECT_TRUE(click->IsPlaying());
  EXPECT_FLOAT_EQ(click->GetSourceGain(), 0.4f);

  EXPECT_EQ(bank_->PlayDelayed("sounds", "pop", 0.0f), ORB::kResultOk);
  EXPECT_TRUE(SoundOf("sounds", "pop")->IsPlaying());
}

TEST_F(SoundBank, PlayGroupStartsTheLowestName) {
  bank_->LoadGroup("order");
  EXPECT_EQ(bank_->PlayGroup("nothing", 2.5f), ORB::kResultNotFound);
  EXPECT_EQ(bank_->PlayGroup("empty", 2.5f), ORB::kResultNotFound);
  EXPECT_FALSE(bank_->IsGroupPlaying());
  EXPECT_EQ(bank_->PlayGroup("order", 2.5f), ORB::kResultOk);
  EXPECT_TRUE(bank_->IsGroupPlaying());
  EXPECT_FLOAT_EQ(bank_->GetGroupValue(), 2.5f);
  BankGroup* order = bank_->Find("order");
  ASSERT_NE(order->current, nullptr);
  EXPECT_EQ(order->current->name, "a");
  EXPECT_TRUE(order->started);
  EXPECT_TRUE(SoundOf("order", "a")->IsPlaying());
  EXPECT_FALSE(SoundOf("order", "b")->IsPlaying());
}

TEST_F(SoundBank, ReleasingAndClearingGiveTheUsesBack) {
  bank_->LoadGroup("music");
  bank_->LoadGroup("sounds");
  EXPECT_EQ(sounds_.Uses("tone_stereo.ogg"), 2);
  EXPECT_EQ(bank_->ReleaseGroup("nothing"), ORB::kResultNone);

  // Released: the pointers go with the uses, so nothing plays a sound the
  // repository may already have unloaded, and a second release gives nothing.
  EXPECT_EQ(bank_->ReleaseGroup("music"), ORB::kResultOk);
  EXPECT_EQ(sounds_.Uses("tone_stereo.ogg"), 1);
  EXPECT_EQ(sounds_.Uses("gap_stereo.ogg"), 0);
  EXPECT_EQ(SoundOf("music", "theme"), nullptr);
  EXPECT_EQ(bank_->Play("music", "theme"), ORB::kResultNotFound);
  EXPECT_EQ(bank_->ReleaseGroup("music"), ORB::kResultOk);
  EXPECT_EQ(sounds_.releases, 2);
  // Loading again fetches again.
  EXPECT_EQ(bank_->LoadGroup("music"), ORB::kResultOk);
  EXPECT_EQ(sounds_.Uses("gap_stereo.ogg"), 1);

  EXPECT_EQ(bank_->ClearGroup("nothing"), ORB::kResultNone);
  EXPECT_EQ(bank_->ClearGroup("sounds"), ORB::kResultOk);
  EXPECT_TRUE(bank_->Find("sounds")->sounds.empty());
  EXPECT_EQ(sounds_.Uses("blip_stereo.ogg"), 0);
  EXPECT_EQ(sounds_.Uses("tone_mono.ogg"), 0);
  EXPECT_EQ(sounds_.Uses("tone_stereo.ogg"), 1);

  // Loading a group of the same name again replaces it and gives back what the old one held.
  pugi::xml_document replacement;
  ASSERT_TRUE(replacement.load_string(R"(<sound><group name="music"><sound name="x" path="blip_stereo.ogg"/></group></sound>)"));
  EXPECT_EQ(bank_->Load(replacement.child("sound")), ORB::kResultOk);
  EXPECT_EQ(sounds_.Uses("tone_stereo.ogg"), 0);
  EXPECT_EQ(sounds_.Uses("gap_stereo.ogg"), 0);
  EXPECT_EQ(bank_->Find("music")->sounds.size(), 1u);

  bank_->LoadGroup("music");
  bank_->LoadGroup("order");
  EXPECT_EQ(sounds_.Uses("blip_stereo.ogg"), 2);
  // Destroyed: every use still held comes back.
  bank_.reset();
  EXPECT_EQ(sounds_.Uses("blip_stereo.ogg"), 0);
  EXPECT_EQ(sounds_.Uses("tone_mono.ogg"), 0);
}

}  // namespace
