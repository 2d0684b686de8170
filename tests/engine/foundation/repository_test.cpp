#include "engine/foundation/repository.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/hooks.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

namespace ORB {
namespace {

using test_support::TempFolder;
using test_support::WriteText;

const char kPassword[] = "HarvelstonePyndlex";

std::string Text(const uint8_t* bytes, size_t size) {
  return std::string(reinterpret_cast<const char*>(bytes), size);
}

// Decodes "images" that start with "IMG"; anything else is undecodable.
class FakeTextures : public TextureLoader {
 public:
  explicit FakeTextures(std::vector<std::string>& events) : events_(events) {}

  TextureHandle CreateTexture(const uint8_t* bytes, size_t size) override {
    const std::string content = Text(bytes, size);
    if (content.rfind("IMG", 0) != 0) return answer_default_on_failure ? DefaultTexture() : nullptr;
    auto texture = std::make_unique<std::string>(content);
    TextureHandle handle = texture.get();
    live[handle] = std::move(texture);
    events_.push_back("texture " + content.substr(0, 4));
    return handle;
  }
  void ReleaseTexture(TextureHandle texture) override {
    EXPECT_NE(texture, DefaultTexture()) << "the default texture is never released";
    const auto it = live.find(texture);
    ASSERT_NE(it, live.end()) << "released twice or never made";
    events_.push_back("release " + it->second->substr(0, 4));
    live.erase(it);
  }
  TextureHandle DefaultTexture() override { return &default_texture_; }

  std::map<TextureHandle, std::unique_ptr<std::string>> live;
  bool answer_default_on_failure = false;

 private:
  std::vector<std::string>& events_;
  int default_texture_ = 0;
};

// Accepts bytes that start with "OggS". A sound keeps reading its bytes until
// it is removed, as a streamed sound does.
class FakeSounds : public SoundLoader {
 public:
  struct Sound {
    const uint8_t* bytes;
    size_t size;
    std::string copy;
    int32_t buffers;
    bool whole;
  };

  explicit FakeSounds(std::vector<std::string>& events) : events_(events) {}

  SoundHandle CreateSound(const uint8_t* bytes, size_t size, int32_t bufferCount,
                          bool wholeDecode) override {
    if (Text(bytes, size).rfind("OggS", 0) != 0) return nullptr;
    auto sound = std::make_unique<Sound>(Sound{bytes, size, Text(bytes, size), bufferCount, wholeDecode});
    SoundHandle handle = sound.get();
    live[handle] = std::move(sound);
    events_.push_back("sound");
    return handle;
  }
  void RemoveSound(SoundHandle handle) override {
    const auto it = live.find(handle);
    ASSERT_NE(it, live.end()) << "removed twice or never made";
    // A last read of the bytes: they must still be there.
    EXPECT_EQ(Text(it->second->bytes, it->second->size), it->second->copy);
    events_.push_back("remove sound");
    live.erase(it);
  }

  std::map<SoundHandle, std::unique_ptr<Sound>> live;

 private:
  std::vector<std::string>& events_;
};

class RepositoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files_.CreateResourcesFolder());
    Write("top.xml", "<top/>");
    Write("shared.xml", "<where at=\"top\"/>");
    Write("nofolder x.xml", "<blank/>");
    Write("data/shared.xml", "<where at=\"data\"/>");
    Write("data/both.xml", "<where at=\"data\"/>");
    Write("data/image.png", "IMG1");
    Write("data/broken.png", "not an image");
    Write("data/sound.ogg", "OggS and more");
    Write("data/broken.ogg", "not a sound");
    Write("data/raw.bin", std::string("\x01\x02\x00\x03", 4));
    Write("data/broken.xml", "<a><b></a>");
    Write("data2/both.xml", "<where at=\"data2\"/>");
    Write("data2/only2.xml", "<only2/>");
    test_support::WriteFile(Resource("pack"),
                        test_support::Build({{"inner/doc.xml", "<sealed/>", true, kPassword},
                                         {"inner/plain.xml", "<plain/>", false},
                                         {"tone.ogg", "OggS sealed sound", false, kPassword, true}}));
    repository_ = std::make_unique<OC_REPOSITORY>(files_, &textures_, &sounds_);
  }

  void TearDown() override { ClearHook(Hook::Error); }

  std::string Resource(const std::string& name) const { return files_.GetResourcesFolder() + name; }
  void Write(const std::string& name, const std::string& content) { WriteText(Resource(name), content); }

  void AddStandardFolders() {
    ASSERT_EQ(repository_->AddFolder(""), kResultOk);
    ASSERT_EQ(repository_->AddFolder("data"), kResultOk);
    ASSERT_EQ(repository_->AddFolder("data2"), kResultOk);
    ASSERT_EQ(repository_->AddFolder("pack", kPassword), kResultOk);
  }

  // The "at" attribute of the document's root element.
  static std::string Where(const pugi::xml_document* document) {
    return document == nullptr ? "(null)" : document->first_child().attribute("at").value();
  }

  int Uses(const std::string& name) {
    const ResourceRecord* record = repository_->Find(name);
    return record == nullptr ? -1 : record->uses;
  }

  TempFolder folder_;
  FileSystem files_{folder_.Path()};
  std::vector<std::string> events_;
  FakeTextures textures_{events_};
  FakeSounds sounds_{events_};
  std::unique_ptr<OC_REPOSITORY> repository_;
};

TEST_F(RepositoryTest, NamesResolveInSearchOrder) {
  AddStandardFolders();
  // A plain name: the top level first, then the folders in the order added.
  EXPECT_EQ(Where(repository_->GetXml("shared.xml")), "top");
  EXPECT_EQ(Where(repository_->GetXml("both.xml")), "data");
  EXPECT_NE(repository_->GetXml("only2.xml"), nullptr);
  // "folder file" looks in that folder only.
  EXPECT_EQ(Where(repository_->GetXml("data shared.xml")), "data");
  EXPECT_EQ(Where(repository_->GetXml("data2 both.xml")), "data2");
  EXPECT_EQ(repository_->GetXml("data2 top.xml"), nullptr);
  EXPECT_EQ(repository_->Find("data "), nullptr) << "a folder with no file name";
  // A first word that names no folder: the whole name, blank included.
  ASSERT_NE(repository_->Find("nofolder x.xml"), nullptr);
  EXPECT_EQ(repository_->Find("nofolder x.xml")->name, "nofolder x.xml");
  // Archive entries keep their paths as names.
  EXPECT_NE(repository_->Find("pack inner/doc.xml"), nullptr);
  EXPECT_NE(repository_->Find("inner/plain.xml"), nullptr);
  // Two blanks, an empty name and unknown names find nothing.
  EXPECT_EQ(repository_->Find("data  shared.xml"), nullptr);
  EXPECT_EQ(repository_->Find("a b c"), nullptr);
  EXPECT_EQ(repository_->Find(""), nullptr);
  EXPECT_EQ(repository_->GetXml(""), nullptr);
  EXPECT_EQ(repository_->Find("absent.xml"), nullptr);
}

TEST_F(RepositoryTest, UseCountsAndUnloading) {
  AddStandardFolders();
  const size_t records = repository_->TopLevel().size() + repository_->Folders()[0]->records.size() +
                         repository_->Folders()[1]->records.size() +
                         repository_->Folders()[2]->records.size();

  pugi::xml_document* first = repository_->GetXml("top.xml");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(repository_->GetXml("top.xml"), first) << "the same document again";
  EXPECT_EQ(Uses("top.xml"), 2);
  EXPECT_EQ(repository_->FindById(first), repository_->Find("top.xml"));
  EXPECT_EQ(repository_->FindById(nullptr), nullptr);

  // In use: everything else counts as unused, loaded or never loaded.
  EXPECT_EQ(repository_->UnloadUnused(), static_cast<int32_t>(records) - 1);
  EXPECT_TRUE(repository_->Find("top.xml")->loaded);

  EXPECT_FALSE(repository_->ReleaseXml(first));
  EXPECT_EQ(repository_->Release("top.xml"), 0);
  EXPECT_EQ(Uses("top.xml"), 0);
  // Releasing more than was taken never drives the count below zero.
  repository_->ReleaseXml(first);
  repository_->Release("top.xml");
  EXPECT_EQ(Uses("top.xml"), 0);
  EXPECT_EQ(repository_->UnloadUnused(), static_cast<int32_t>(records));
  const ResourceRecord* record = repository_->Find("top.xml");
  EXPECT_FALSE(record->loaded);
  EXPECT_EQ(record->kind, kResourceNone);
  EXPECT_EQ(record->Data(), nullptr);
  EXPECT_EQ(repository_->FindById(first), nullptr);

  // Releasing ids nobody handed out is ignored.
  int unknown = 0;
  EXPECT_FALSE(repository_->ReleaseXml(&unknown));
  EXPECT_FALSE(repository_->ReleaseBytes(&unknown));
  EXPECT_FALSE(repository_->ReleaseSound(&unknown));
  EXPECT_FALSE(repository_->ReleaseTexture(&unknown));

  // A taken record survives a sweep, and a further get then counts again.
  pugi::xml_document* again = repository_->GetXml("top.xml");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Uses("top.xml"), 1);
}

TEST_F(RepositoryTest, TexturesGoThroughTheLoader) {
  AddStandardFolders();
  TextureHandle image = repository_->GetTexture("data image.png");
  ASSERT_NE(image, nullptr);
  EXPECT_NE(image, textures_.DefaultTexture());
  // A file from a folder comes with the zero byte after it.
  EXPECT_EQ(*static_cast<std::string*>(image), std::string("IMG1", 5));
  EXPECT_EQ(repository_->GetTexture("image.png"), image);
  EXPECT_EQ(Uses("image.png"), 2);

  // Unknown or undecodable: the default texture, no use counted, nothing kept.
  EXPECT_EQ(repository_->GetTexture("absent.png"), textures_.DefaultTexture());
  EXPECT_EQ(repository_->GetTexture("broken.png"), textures_.DefaultTexture());
  textures_.answer_default_on_failure = true;
  EXPECT_EQ(repository_->GetTexture("broken.png"), textures_.DefaultTexture());
  EXPECT_EQ(Uses("broken.png"), 0);
  EXPECT_FALSE(repository_->Find("broken.png")->loaded);
  EXPECT_FALSE(repository_->ReleaseTexture(textures_.DefaultTexture()));
  EXPECT_FALSE(repository_->ReleaseTexture(nullptr));

  EXPECT_TRUE(repository_->ReleaseTexture(image));
  EXPECT_TRUE(repository_->ReleaseTexture(image));
  EXPECT_EQ(textures_.live.size(), 1u) << "nothing is unloaded at release time";
  repository_->UnloadUnused();
  EXPECT_TRUE(textures_.live.empty());
  EXPECT_EQ(events_, (std::vector<std::string>{"texture IMG1", "release IMG1"}));
}

TEST_F(RepositoryTest, SoundsKeepTheirBytesUntilRemoved) {
  AddStandardFolders();
  SoundHandle sound = repository_->GetSound("sound.ogg", 3, true);
  ASSERT_NE(sound, nullptr);
  const auto* fake = static_cast<FakeSounds::Sound*>(sound);
  EXPECT_EQ(fake->buffers, 3);
  EXPECT_TRUE(fake->whole);
  EXPECT_EQ(repository_->GetSound("data sound.ogg", 9, false), sound);
  EXPECT_EQ(Uses("sound.ogg"), 2);

  EXPECT_EQ(repository_->GetSound("broken.ogg", 3, false), nullptr);
  EXPECT_FALSE(repository_->Find("broken.ogg")->loaded);
  EXPECT_EQ(repository_->GetSound("absent.ogg", 3, false), nullptr);

  // A sealed sound in an archive.
  SoundHandle sealed = repository_->GetSound("pack tone.ogg", 2, false);
  ASSERT_NE(sealed, nullptr);
  EXPECT_EQ(static_cast<FakeSounds::Sound*>(sealed)->copy, "OggS sealed sound");

  EXPECT_FALSE(repository_->ReleaseSound(sound));
  EXPECT_TRUE(repository_->ReleaseSound(sound)) << "the last use";
  EXPECT_TRUE(repository_->ReleaseSound(sealed));
  repository_->UnloadUnused();
  EXPECT_TRUE(sounds_.live.empty());
  EXPECT_EQ(events_, (std::vector<std::string>{"sound", "sound", "remove sound", "remove sound"}));
}

TEST_F(RepositoryTest, RawBytesAndTheirFailureReport) {
  AddStandardFolders();
  uint32_t size = 0;
  const uint8_t* bytes = repository_->GetBytes("raw.bin", &size);
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(size, 5u) << "four bytes and the zero after them";
  EXPECT_EQ(Text(bytes, 4), std::string("\x01\x02\x00\x03", 4));
  EXPECT_EQ(repository_->FindById(bytes), repository_->Find("raw.bin"));
  EXPECT_EQ(repository_->Find("raw.bin")->kind, kResourceBytes);
  EXPECT_TRUE(repository_->ReleaseBytes(bytes));

  bytes = repository_->GetBytes("pack inner/plain.xml", &size);
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(size, 8u) << "an archive entry's size leaves the zero byte out";
  EXPECT_EQ(bytes[8], 0);

  // A record that cannot be read: the error text and the hook.
  int errors = 0;
  SetHook(Hook::Error, [&](intptr_t) {
    ++errors;
    return 0;
  });
  std::filesystem::remove(Resource("data/both.xml"));
  SetErrorText("");
  EXPECT_EQ(repository_->GetBytes("data both.xml", &size), nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(GetErrorText(), "Cant load res ");
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(repository_->GetBytes("absent"), nullptr) << "unknown names are not reported";
  EXPECT_EQ(errors, 1);
}

TEST_F(RepositoryTest, ARecordLoadedAsOneKindIsNotHandedOutAsAnother) {
  AddStandardFolders();
  pugi::xml_document* document = repository_->GetXml("top.xml");
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(repository_->GetBytes("top.xml"), nullptr);
  EXPECT_EQ(repository_->GetTexture("top.xml"), textures_.DefaultTexture());
  EXPECT_EQ(repository_->GetSound("top.xml", 1, true), nullptr);
  EXPECT_EQ(repository_->GetXml("top.xml"), document) << "the document is still the same";
  EXPECT_EQ(Uses("top.xml"), 2);

  ASSERT_NE(repository_->GetTexture("image.png"), nullptr);
  EXPECT_EQ(repository_->GetXml("image.png"), nullptr);
  EXPECT_EQ(textures_.live.size(), 1u);
}

TEST_F(RepositoryTest, BadInputGivesFailureResults) {
  AddStandardFolders();
  EXPECT_EQ(repository_->GetXml("broken.xml"), nullptr);
  EXPECT_FALSE(repository_->Find("broken.xml")->loaded);
  EXPECT_EQ(repository_->Find("broken.xml")->kind, kResourceNone);
  EXPECT_EQ(repository_->Find("broken.xml")->uses, 0);
  EXPECT_EQ(repository_->GetXml("absent.xml"), nullptr);

  // Sealed entries: the repository carries the archive password.
  EXPECT_NE(repository_->GetXml("pack inner/doc.xml"), nullptr);
  ASSERT_EQ(repository_->AddFolder("pack", ""), kResultAlreadyRegistered);
  OC_REPOSITORY other(files_, &textures_, &sounds_);
  ASSERT_EQ(other.AddFolder("pack", "wrong"), kResultOk);
  EXPECT_EQ(other.GetXml("pack inner/doc.xml"), nullptr);
  EXPECT_NE(other.GetXml("pack inner/plain.xml"), nullptr);
  OC_REPOSITORY none(files_, &textures_, &sounds_);
  ASSERT_EQ(none.AddFolder("pack"), kResultOk);
  EXPECT_EQ(none.GetXml("inner/doc.xml"), nullptr);

  // The archive damaged after it was listed.
  const std::string whole = test_support::Build({{"a.xml", "<a/>"}});
  test_support::WriteFile(Resource("damaged"), whole);
  ASSERT_EQ(repository_->AddFolder("damaged"), kResultOk);
  test_support::WriteFile(Resource("damaged"), whole.substr(0, whole.size() / 2));
  EXPECT_EQ(repository_->GetXml("damaged a.xml"), nullptr);
  // A truncated archive lists nothing.
  EXPECT_EQ(repository_->AddFolder("damaged"), kResultNotFound);
}

TEST_F(RepositoryTest, APasswordPromptCanTellAWrongPasswordFromADamagedArchive) {
  EXPECT_EQ(repository_->LastReadResult(), 1) << "nothing read yet";
  ASSERT_EQ(repository_->AddFolder("pack", "wrong"), 1);
  EXPECT_EQ(repository_->GetXml("pack inner/doc.xml"), nullptr);
  EXPECT_EQ(repository_->LastReadResult(), -108) << "the password";

  // The player types the right one: the archive is registered again with it.
  EXPECT_EQ(repository_->AddFolder("pack", kPassword), -110);
  EXPECT_NE(repository_->GetXml("pack inner/doc.xml"), nullptr);
  EXPECT_EQ(repository_->LastReadResult(), 1);
  EXPECT_EQ(repository_->Find("pack tone.ogg")->password, kPassword);
  EXPECT_EQ(repository_->AddFolder("pack"), -110);
  EXPECT_EQ(repository_->Find("pack tone.ogg")->password, kPassword) << "none given: kept";

  // The right password on a damaged sealed entry.
  const test_support::Entry sealed{"doc.xml", std::string(200, 'x'), false, kPassword};
  std::string damaged = test_support::Build({sealed});
  damaged[30 + sealed.name.size() + 12 + 100] ^= 0x01;
  test_support::WriteFile(Resource("sealed-damaged"), damaged);
  ASSERT_EQ(repository_->AddFolder("sealed-damaged", kPassword), 1);
  EXPECT_EQ(repository_->GetBytes("sealed-damaged doc.xml"), nullptr);
  EXPECT_EQ(repository_->LastReadResult(), -109) << "damaged, not a wrong password";
}

TEST_F(RepositoryTest, WithoutLoadersTexturesAndSoundsFail) {
  OC_REPOSITORY bare(files_, nullptr, nullptr);
  ASSERT_EQ(bare.AddFolder("data"), kResultOk);
  EXPECT_EQ(bare.GetTexture("image.png"), nullptr);
  EXPECT_EQ(bare.GetSound("sound.ogg", 2, true), nullptr);
  EXPECT_FALSE(bare.Find("image.png")->loaded);
  EXPECT_FALSE(bare.Find("sound.ogg")->loaded);
  EXPECT_NE(bare.GetXml("shared.xml"), nullptr);
}

TEST_F(RepositoryTest, AddingFolders) {
  EXPECT_EQ(repository_->AddFolder("nowhere"), kResultNotFound);
  std::filesystem::create_directories(Resource("empty"));
  EXPECT_EQ(repository_->AddFolder("empty"), kResultNotFound);
  Write("not-a-zip", "plain text");
  EXPECT_EQ(repository_->AddFolder("not-a-zip"), kResultNotFound);
  EXPECT_TRUE(repository_->Folders().empty());

  ASSERT_EQ(repository_->AddFolder("data2"), kResultOk);
  const ResourceRecord* record = repository_->Find("data2 both.xml");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->folder, "data2");
  EXPECT_TRUE(record->password.empty());
  EXPECT_EQ(repository_->AddFolder("data2"), kResultAlreadyRegistered) << "same number of entries";
  EXPECT_EQ(repository_->Folders().size(), 1u);

  // A changed listing lists the records again; a loaded record is kept.
  pugi::xml_document* document = repository_->GetXml("data2 both.xml");
  ASSERT_NE(document, nullptr);
  Write("data2/new.xml", "<new/>");
  EXPECT_EQ(repository_->AddFolder("data2"), kResultOk);
  EXPECT_EQ(repository_->Folders().size(), 1u);
  EXPECT_NE(repository_->Find("data2 new.xml"), nullptr);
  EXPECT_EQ(repository_->Find("data2 both.xml"), record) << "the loaded record stayed";
  EXPECT_EQ(repository_->GetXml("data2 both.xml"), document);
  EXPECT_EQ(Uses("data2 both.xml"), 2);
  EXPECT_NE(repository_->Find("data2 only2.xml"), nullptr);

  // Archives list their entries, sealed or not, and carry the password.
  ASSERT_EQ(repository_->AddFolder("pack", kPassword), kResultOk);
  EXPECT_EQ(repository_->Folders()[1]->records.size(), 3u);
  EXPECT_EQ(repository_->Find("pack tone.ogg")->password, kPassword);
}

TEST_F(RepositoryTest, ScanningTheResourcesFolder) {
  EXPECT_EQ(repository_->ScanAll(), kResultOk);
  EXPECT_EQ(repository_->TopLevel().size(), 4u) << "top.xml, shared.xml, nofolder x.xml, pack";
  EXPECT_NE(repository_->Find("top.xml"), nullptr);
  EXPECT_EQ(repository_->Find("data"), nullptr) << "folders are not records";

  TempFolder emptyBase;
  FileSystem emptyFiles(emptyBase.Path());
  ASSERT_TRUE(emptyFiles.CreateResourcesFolder());
  OC_REPOSITORY empty(emptyFiles, nullptr, nullptr);
  int errors = 0;
  SetHook(Hook::Error, [&](intptr_t) {
    ++errors;
    return 0;
  });
  EXPECT_EQ(empty.AddFolder(""), kResultNone);
  EXPECT_EQ(GetErrorText(), "Main repository is empty");
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(repository_->ScanAll(), kResultOk);
  EXPECT_EQ(errors, 1) << "a scan that found files reports nothing";
}

TEST_F(RepositoryTest, RemovingAFolderWithALoadedRecord) {
  AddStandardFolders();
  pugi::xml_document* document = repository_->GetXml("data2 only2.xml");
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(repository_->RemoveFolder("data2"), kResultOk);
  ASSERT_EQ(repository_->Folders().size(), 3u) << "kept while a record is loaded";
  EXPECT_TRUE(repository_->Folders()[1]->marked);
  EXPECT_EQ(repository_->GetXml("data2 only2.xml"), document) << "still served";
  repository_->ReleaseXml(document);
  repository_->ReleaseXml(document);

  repository_->UnloadUnused();
  EXPECT_EQ(repository_->Folders().size(), 3u) << "unloaded, but the folder stays";
  EXPECT_FALSE(repository_->Find("data2 only2.xml")->loaded);
  EXPECT_EQ(repository_->RemoveFolder("data2"), kResultOk);
  EXPECT_EQ(repository_->Folders().size(), 2u);
  EXPECT_EQ(repository_->Find("data2 only2.xml"), nullptr);
  EXPECT_EQ(repository_->Find("only2.xml"), nullptr);
  EXPECT_EQ(repository_->RemoveFolder("data2"), kResultOk) << "absent";

  // The top level: records are marked and go with the next sweep that finds
  // them unused.
  pugi::xml_document* top = repository_->GetXml("top.xml");
  EXPECT_EQ(repository_->RemoveFolder(""), kResultNone);
  repository_->UnloadUnused();
  EXPECT_EQ(repository_->TopLevel().size(), 1u);
  EXPECT_EQ(repository_->Find("top.xml")->Data(), top);
  repository_->ReleaseXml(top);
  repository_->UnloadUnused();
  EXPECT_TRUE(repository_->TopLevel().empty());
  EXPECT_EQ(repository_->RemoveFolder(""), kResultOk);
}

TEST_F(RepositoryTest, MovingRecordsBetweenFolders) {
  AddStandardFolders();
  EXPECT_EQ(repository_->MoveRecords("data", "absent"), kResultNotFound);
  EXPECT_EQ(repository_->MoveRecords("absent", "data2"), kResultNotFound);
  EXPECT_EQ(repository_->MoveRecords("data", "data2"), kResultFailed);
  // both.xml exists in data already and stays behind; only2.xml moves.
  EXPECT_EQ(repository_->Find("data2 only2.xml"), nullptr);
  ASSERT_NE(repository_->Find("data only2.xml"), nullptr);
  EXPECT_NE(repository_->Find("data2 both.xml"), nullptr);
  // A moved record still reads from where it lives.
  EXPECT_NE(repository_->GetXml("data only2.xml"), nullptr);
  EXPECT_EQ(repository_->MoveRecords("", "data2"), kResultFailed);
  EXPECT_NE(repository_->TopLevel().count("both.xml"), 0u);
}

TEST_F(RepositoryTest, DestructionUnloadsEverythingStillHeld) {
  AddStandardFolders();
  ASSERT_NE(repository_->GetTexture("image.png"), textures_.DefaultTexture());
  ASSERT_NE(repository_->GetSound("sound.ogg", 2, false), nullptr);
  ASSERT_NE(repository_->GetXml("top.xml"), nullptr);
  ASSERT_NE(repository_->GetBytes("raw.bin"), nullptr);
  repository_.reset();
  EXPECT_TRUE(textures_.live.empty());
  EXPECT_TRUE(sounds_.live.empty());
}

TEST_F(RepositoryTest, NoDescriptorIsLeftOpen) {
  const int before = test_support::OpenDescriptorCount();
  AddStandardFolders();
  EXPECT_EQ(repository_->AddFolder("pack", kPassword), kResultAlreadyRegistered);
  repository_->GetXml("pack inner/doc.xml");
  repository_->GetXml("pack inner/plain.xml");
  repository_->GetSound("tone.ogg", 1, true);
  repository_->GetXml("broken.xml");
  repository_->GetTexture("image.png");
  repository_->GetBytes("absent");
  OC_REPOSITORY wrong(files_, &textures_, &sounds_);
  EXPECT_EQ(wrong.AddFolder("pack", "wrong"), kResultOk);
  wrong.GetXml("inner/doc.xml");
  repository_.reset();
  EXPECT_EQ(test_support::OpenDescriptorCount(), before);
}

}  // namespace
}  // namespace ORB
