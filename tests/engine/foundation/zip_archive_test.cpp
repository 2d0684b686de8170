#include "engine/foundation/zip_archive.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/foundation/file_system.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

namespace ORB {
namespace {

using testing::AnyOf;
using test_support::TempFolder;
using test_support::WriteText;

const std::string kText = "<root><item name=\"a\"/><item name=\"b\"/></root>\n";
const std::string kPassword = "HarvelstonePyndlex";

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

std::string AsText(const std::vector<uint8_t>& bytes, uint32_t size) {
  return std::string(bytes.begin(), bytes.begin() + size);
}

// Reads an entry; the content as text, or the failure as "#<its name>".
std::string Read(const std::string& archive, const std::string& name,
                 const std::string& password = std::string()) {
  std::vector<uint8_t> bytes;
  uint32_t size = 0;
  const int32_t result = ReadZipEntry(archive, name, password, bytes, size);
  switch (result) {
    case kResultOk: break;
    case kResultNotFound: return "#not found";
    case kResultCannotOpen: return "#cannot open";
    case kResultDamaged: return "#damaged";
    default: {
      std::string text = "#";
      return text.append(std::to_string(result));
    }
  }
  EXPECT_EQ(bytes.size(), size + 1u);
  EXPECT_EQ(bytes.back(), 0) << "the byte after the content is zero";
  return AsText(bytes, size);
}

class ZipArchiveTest : public ::testing::Test {
 protected:
  std::string Make(const std::string& name, const std::vector<test_support::Entry>& entries) {
    const std::string path = folder_ / name;
    test_support::WriteFile(path, test_support::Build(entries));
    return path;
  }

  // An archive written by the zip tool itself with its own cipher header
  // (which sets flag bit 3 and checks against the DOS time).
  std::string MakeWithZipTool(const std::string& name, bool stored) {
    const std::string source = folder_ / "src";
    WriteText(source + "/big.xml", Repeat(kText, 200));
    WriteText(source + "/small.txt", "tiny");
    const std::string archive = folder_ / (name + ".zip");  // the tool adds the suffix anyway
    const std::string command = "cd '" + source + "' && zip -q -X " + (stored ? "-0 " : "") +
                                "-P " + kPassword + " '" + archive + "' big.xml small.txt";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return archive;
  }

  TempFolder folder_;
};

TEST_F(ZipArchiveTest, ListsEntriesInDirectoryOrderAndReadsStoredAndDeflated) {
  const std::string archive = Make("plain", {{"b.xml", kText, false},
                                             {"dir/a.xml", Repeat(kText, 50), true},
                                             {"empty", "", true}});
  std::vector<std::string> names = {"kept"};
  ListZipEntries(archive, names);
  EXPECT_EQ(names, (std::vector<std::string>{"kept", "b.xml", "dir/a.xml", "empty"}));

  EXPECT_EQ(Read(archive, "b.xml"), kText);
  EXPECT_TRUE(Read(archive, "dir/a.xml") == Repeat(kText, 50));
  EXPECT_EQ(Read(archive, "empty"), "");
  EXPECT_EQ(Read(archive, "a.xml"), "#not found") << "names compare whole, byte for byte";
  EXPECT_EQ(Read(archive, "B.XML"), "#not found");
  // A password given for an entry that is not sealed does not stop it opening.
  EXPECT_EQ(Read(archive, "b.xml", "whatever"), kText);
}

TEST_F(ZipArchiveTest, LargeArchivesAndEntriesReadWhole) {
  // Entries larger than any read window, and a directory longer than one.
  std::string noise;
  uint32_t state = 12345;
  for (int i = 0; i < 300000; ++i) {
    state = state * 1103515245u + 12345u;
    noise += static_cast<char>(state >> 24);
  }
  std::vector<test_support::Entry> entries = {{"noise", noise, false},
                                          {"text", Repeat(kText, 5000), true},
                                          {"sealed", noise, true, kPassword}};
  for (int i = 0; i < 1500; ++i) entries.emplace_back("small/" + std::to_string(i), std::to_string(i));
  entries.emplace_back("last", "the end");
  const std::string archive = Make("large", entries);

  std::vector<std::string> names;
  ListZipEntries(archive, names);
  ASSERT_EQ(names.size(), entries.size());
  EXPECT_EQ(names.back(), "last");
  EXPECT_TRUE(Read(archive, "noise") == noise);
  EXPECT_TRUE(Read(archive, "text") == Repeat(kText, 5000));
  EXPECT_TRUE(Read(archive, "sealed", kPassword) == noise);
  EXPECT_EQ(Read(archive, "last"), "the end");
  EXPECT_EQ(Read(archive, "small/0"), "0");
  EXPECT_EQ(Read(archive, "small/777"), "777");
  EXPECT_EQ(Read(archive, "small/1500"), "#not found");
}

TEST_F(ZipArchiveTest, AnArchiveWrittenAnewIsReadAnew) {
  const std::string path = Make("changing", {{"a", "first"}, {"b", "second"}});
  EXPECT_EQ(Read(path, "b"), "second");
  // Same name, other entries in other places: nothing remembered of the old
  // archive may lead a read astray.
  test_support::WriteFile(path, test_support::Build({{"b", "replaced"}, {"c", "new"}, {"a", "moved"}}));
  EXPECT_EQ(Read(path, "a"), "moved");
  EXPECT_EQ(Read(path, "b"), "replaced");
  EXPECT_EQ(Read(path, "c"), "new");
  test_support::WriteFile(path, test_support::Build({{"c", "only"}}));
  EXPECT_EQ(Read(path, "a"), "#not found");
  EXPECT_EQ(Read(path, "c"), "only");
}

TEST_F(ZipArchiveTest, SealedEntriesOpenOnlyWithTheirPassword) {
  for (const bool descriptor : {false, true}) {
    for (const bool deflate : {false, true}) {
      SCOPED_TRACE(testing::Message() << "deflate " << deflate << " descriptor " << descriptor);
      test_support::Entry entry{"data.xml", Repeat(kText, 20), deflate, kPassword, descriptor};
      const std::string archive = Make("sealed", {entry});
      EXPECT_TRUE(Read(archive, "data.xml", kPassword) == entry.content);
      EXPECT_EQ(Read(archive, "data.xml", ""), "#cannot open") << "no password";
      EXPECT_EQ(Read(archive, "data.xml", "harvelstonepyndlex"), "#cannot open") << "wrong password";
      EXPECT_EQ(Read(archive, "data.xml", kPassword + "x"), "#cannot open");
    }
  }
}

TEST_F(ZipArchiveTest, PasswordThatPassesTheCheckByteByChanceIsStillRefused) {
  // One wrong password in 256 decrypts the header's check byte correctly;
  // the content then fails to expand or to match its CRC, which is all the
  // cipher can tell of it: the entry reads as damaged, never as content.
  for (const bool deflate : {false, true}) {
    test_support::Entry entry{"data.xml", Repeat(kText, 20), deflate, kPassword};
    const std::string archive = Make(deflate ? "deflated" : "stored", {entry});
    const std::string built = test_support::Build({entry});
    const size_t header = 30 + entry.name.size();
    std::string lucky;
    for (int i = 0; i < 100000 && lucky.empty(); ++i) {
      const std::string candidate = "guess" + std::to_string(i);
      test_support::Cipher cipher(candidate);
      uint8_t last = 0;
      for (size_t k = 0; k < 12; ++k) last = cipher.Decrypt(static_cast<uint8_t>(built[header + k]));
      if (last == test_support::CheckByte(entry)) lucky = candidate;
    }
    ASSERT_FALSE(lucky.empty());
    EXPECT_EQ(Read(archive, "data.xml", lucky), "#damaged") << lucky;
  }
}

TEST_F(ZipArchiveTest, ADamagedSealedEntryIsToldApartFromAWrongPassword) {
  for (const bool deflate : {false, true}) {
    SCOPED_TRACE(deflate ? "deflated" : "stored");
    test_support::Entry entry{"data.xml", Repeat(kText, 20), deflate, kPassword};
    std::string built = test_support::Build({entry});
    // A byte of the payload, well past the 12-byte cipher header.
    built[30 + entry.name.size() + 12 + 40] ^= 0x5A;
    const std::string archive = folder_ / (deflate ? "damaged-deflated" : "damaged-stored");
    test_support::WriteFile(archive, built);
    EXPECT_EQ(Read(archive, "data.xml", kPassword), "#damaged") << "the right password, damaged content";
    EXPECT_EQ(Read(archive, "data.xml", "harvelstonepyndlex"), "#cannot open") << "a wrong password";
    EXPECT_EQ(TestArchivePassword(archive, kPassword), kResultDamaged);
  }
}

TEST_F(ZipArchiveTest, OpensArchivesSealedByTheZipTool) {
  for (const bool stored : {true, false}) {
    SCOPED_TRACE(stored ? "stored" : "deflated");
    const std::string archive = MakeWithZipTool(stored ? "tool-stored" : "tool-deflated", stored);
    EXPECT_TRUE(Read(archive, "big.xml", kPassword) == Repeat(kText, 200));
    EXPECT_EQ(Read(archive, "small.txt", kPassword), "tiny");
    // The zip tool draws a fresh random header for every archive, so a wrong
    // password passes its one-byte check once in 256 archives; the entry is
    // then refused as damaged instead. Either way nothing is read.
    EXPECT_THAT(Read(archive, "big.xml", "nope"), AnyOf("#cannot open", "#damaged"));
    EXPECT_EQ(Read(archive, "small.txt"), "#cannot open");
    EXPECT_EQ(TestArchivePassword(archive, kPassword), kResultPasswordOpens);
    EXPECT_THAT(TestArchivePassword(archive, "nope"), AnyOf(kResultCannotOpen, kResultDamaged));
  }
}

TEST_F(ZipArchiveTest, DamagedArchivesGiveClearAnswers) {
  const std::string whole = test_support::Build(
      {{"a.txt", Repeat("abcdefgh", 100), false}, {"b.xml", Repeat(kText, 40), true}});
  std::vector<std::string> names;

  // Cut short: the end-of-directory record is gone.
  const std::string truncated = folder_ / "truncated";
  test_support::WriteFile(truncated, whole.substr(0, whole.size() / 2));
  ListZipEntries(truncated, names);
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(Read(truncated, "a.txt"), "#not found");

  // Not a zip file at all, an empty file, a missing file, a folder.
  const std::string text = folder_ / "text";
  WriteText(text, "just text\n");
  const std::string empty = folder_ / "empty";
  WriteText(empty, "");
  for (const std::string& path : {text, empty, folder_ / "missing", folder_.Path()}) {
    ListZipEntries(path, names);
    EXPECT_TRUE(names.empty()) << path;
    EXPECT_EQ(Read(path, "a.txt"), "#not found") << path;
  }

  // A damaged deflate stream and a stored entry whose bytes no longer match
  // their CRC.
  std::string damaged = whole;
  const size_t second = damaged.find("b.xml") + 5;
  for (size_t i = second + 4; i < second + 40; ++i) damaged[i] = static_cast<char>(0xFF);
  damaged[30 + 5 + 10] ^= 0x20;  // inside a.txt's stored bytes
  const std::string corrupt = folder_ / "corrupt";
  test_support::WriteFile(corrupt, damaged);
  EXPECT_EQ(Read(corrupt, "a.txt"), "#damaged");
  EXPECT_EQ(Read(corrupt, "b.xml"), "#damaged");

  // A directory promising far more than the archive can hold is not believed
  // (and nothing of that size is allocated).
  std::string boastful = test_support::Build({{"huge", "small", false}});
  const size_t central = boastful.find(std::string("PK\x01\x02", 4));
  for (size_t i = 0; i < 4; ++i) {
    boastful[central + 20 + i] = static_cast<char>(0xFF);  // compressed size
    boastful[central + 24 + i] = static_cast<char>(0xFF);  // uncompressed size
  }
  const std::string liar = folder_ / "liar";
  test_support::WriteFile(liar, boastful);
  EXPECT_EQ(Read(liar, "huge"), "#damaged");
}

TEST_F(ZipArchiveTest, FailedReadsLeaveTheOutputAlone) {
  const std::string archive = Make("sealed", {{"s", "secret", false, kPassword}});
  std::vector<uint8_t> bytes = {1, 2, 3};
  uint32_t size = 3;
  EXPECT_EQ(ReadZipEntry(archive, "s", "bad", bytes, size), kResultCannotOpen);
  EXPECT_EQ(ReadZipEntry(archive, "nothing", "", bytes, size), kResultNotFound);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(size, 3u);
}

TEST_F(ZipArchiveTest, SignatureCountsWhateverTheName) {
  const std::string archive = Make("no-extension", {{"a", "a"}});
  EXPECT_EQ(GetFileSignature(archive), kZipSignature);
  const std::string lookalike = folder_ / "lookalike.txt";
  WriteText(lookalike, std::string("PK\x03\x04", 4) + " and then text");
  EXPECT_EQ(GetFileSignature(lookalike), kZipSignature);
  const std::string other = folder_ / "other.zip";
  WriteText(other, "PK\x05");
  EXPECT_EQ(GetFileSignature(other), 0);
  const std::string shortFile = folder_ / "short";
  WriteText(shortFile, "P");
  EXPECT_EQ(GetFileSignature(shortFile), 0);
  EXPECT_EQ(GetFileSignature(folder_ / "missing"), kResultFailed);
}

TEST_F(ZipArchiveTest, TestArchivePasswordAnswers) {
  EXPECT_EQ(TestArchivePassword(folder_ / "missing", "x"), kResultArchiveUnreadable);
  const std::string plain = Make("plain", {{"a", "a"}, {"b", "b"}});
  EXPECT_EQ(TestArchivePassword(plain, "anything"), kResultPasswordOpens) << "nothing sealed";
  const std::string sealed = Make("sealed", {{"dir/", ""}, {"s", "secret", true, kPassword}});
  EXPECT_EQ(TestArchivePassword(sealed, kPassword), kResultPasswordOpens);
  EXPECT_EQ(TestArchivePassword(sealed, "wrong"), kResultCannotOpen);
}

TEST_F(ZipArchiveTest, NoDescriptorIsLeftOpen) {
  const std::string good = Make("good", {{"p", kText, true}, {"s", kText, true, kPassword}});
  const std::string whole = test_support::Build({{"a", Repeat(kText, 10), true}});
  const std::string truncated = folder_ / "truncated";
  test_support::WriteFile(truncated, whole.substr(0, whole.size() - 10));
  std::string damaged = whole;
  for (size_t i = 40; i < 60; ++i) damaged[i] = static_cast<char>(0xFF);
  const std::string corrupt = folder_ / "corrupt";
  test_support::WriteFile(corrupt, damaged);

  const int before = test_support::OpenDescriptorCount();
  for (int round = 0; round < 3; ++round) {
    std::vector<std::string> names;
    ListZipEntries(good, names);
    ListZipEntries(truncated, names);
    EXPECT_EQ(Read(good, "p"), kText);
    EXPECT_EQ(Read(good, "s", kPassword), kText);
    EXPECT_EQ(Read(good, "s", "wrong"), "#cannot open");
    EXPECT_EQ(Read(good, "s"), "#cannot open");
    EXPECT_EQ(Read(good, "missing"), "#not found");
    EXPECT_EQ(Read(truncated, "a"), "#not found");
    EXPECT_EQ(Read(corrupt, "a"), "#damaged");
    GetFileSignature(good);
    TestArchivePassword(good, "wrong");
  }
  EXPECT_EQ(test_support::OpenDescriptorCount(), before);
}

}  // namespace
}  // namespace ORB
