// The shipped sound bank ("data/share/main/other sound.xml") read as the
// game reads it, its sounds fetched through the repository and played on an
// OpenAL loopback device: every sound decodes, is heard, the clicks are as
// short as clicks should be and the level's jingles stay under a second.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/sound.h"
#include "engine/foundation/sound_bank.h"
#include "support/sound_rig.h"
#include "support/source_path.h"

namespace {

constexpr const char* kBank = "data/share/main/other sound.xml";

// The repository's sounds for the bank, as the game hands them over.
class RepositorySounds : public ORB::SoundProvider {
 public:
  explicit RepositorySounds(ORB::OC_REPOSITORY& repository) : repository_(repository) {}
  ORB::OC_SOUND* GetSound(const std::string& name, int32_t buffers, bool whole) override {
    return static_cast<ORB::OC_SOUND*>(repository_.GetSound(name, buffers, whole));
  }
  void ReleaseSound(ORB::OC_SOUND* sound) override { repository_.ReleaseSound(sound); }

 private:
  ORB::OC_REPOSITORY& repository_;
};

TEST(ShippedSoundsTest, EverySoundOfTheBankIsHeard) {
  test_support::LoopbackRig rig;
  ORB::SoundSystemLoader loader(rig.system());
  ORB::FileSystem files(test_support::SourcePath(""));
  ORB::OC_REPOSITORY repository(files, nullptr, &loader);
  ASSERT_EQ(repository.AddFolder("data/share/main/other"), ORB::kResultOk);
  ASSERT_EQ(repository.AddFolder("data/share/sound"), ORB::kResultOk);
  RepositorySounds sounds(repository);
  ORB::OC_SOUND_BANK bank(&sounds);
  ASSERT_TRUE(ORB::ReadDocument(repository, kBank, [&](const pugi::xml_document& document) {
    return bank.Load(document.child("sound")) == ORB::kResultOk;
  }));
  ASSERT_NE(bank.Find("music"), nullptr);
  ORB::BankGroup* effects = bank.Find("sounds");
  ASSERT_NE(effects, nullptr);
  ASSERT_NE(effects->sounds.count("click"), 0u) << "the windows' click";
  // The board's cells, a level's start and end and a trophy won.
  const std::vector<std::string> jingles = {"levelwin", "levelloose", "levelshow", "trophy"};
  for (const char* name : {"fulltileclick", "emptytileclick", "errorclick"}) {
    EXPECT_NE(effects->sounds.count(name), 0u) << name;
  }
  for (const std::string& name : jingles) EXPECT_NE(effects->sounds.count(name), 0u) << name;
  ASSERT_EQ(bank.LoadGroup("sounds"), ORB::kResultOk);
  for (const auto& [name, entry] : effects->sounds) {
    SCOPED_TRACE(name);
    ASSERT_NE(entry->sound, nullptr) << entry->path;
    EXPECT_TRUE(entry->streamed) << "effects are decoded whole at load";
    const double length = bank.GetLength("sounds", name);
    const bool jingle = std::find(jingles.begin(), jingles.end(), name) != jingles.end();
    EXPECT_GE(length, jingle ? 0.5 : 0.03);
    EXPECT_LE(length, jingle ? 0.999 : 0.06);
    ASSERT_EQ(bank.Play("sounds", name), ORB::kResultOk);
    const std::vector<int16_t> heard = rig.Run(8);
    EXPECT_GE(test_support::Peak(heard, 0, heard.size() / 2), test_support::kAudible);
  }
  bank.ReleaseGroup("sounds");
}

}  // namespace
