#include "engine/foundation/save_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(temp_.Path().empty()); }

  std::string PathOf(const char* name) const { return (folder_ / name).string(); }

  static Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  static void WriteAll(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  test_support::TempFolder temp_;
  fs::path folder_{temp_.Path()};
};

TEST_F(SaveFileTest, EncodesValuesLittleEndianWithoutPadding) {
  const std::string path = PathOf("values.bin");
  {
    ORB::SaveFile file;
    ASSERT_TRUE(file.Open(path));
    file.WriteString("abc");
    file.Write(1.0f);
    file.Write(int32_t{-1});
    file.Write(uint32_t{0x01020304});
    file.Write(true);
    file.Write(false);
    file.Write(char{'z'});
    file.Write(1.0);
    file.Write(uint64_t{0x0102030405060708});
    file.WriteString("");
    file.EndLine();
    EXPECT_TRUE(file.Good());
    EXPECT_TRUE(file.Close());
  }
  const Bytes expected = {0x03, 0x00, 0x00, 0x00, 'a',  'b',  'c',         // "abc"
                          0x00, 0x00, 0x80, 0x3F,                          // 1.0f
                          0xFF, 0xFF, 0xFF, 0xFF,                          // -1
                          0x04, 0x03, 0x02, 0x01,                          // 0x01020304
                          0x01, 0x00, 'z',                                 // true, false, 'z'
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  // 1.0
                          0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01,  // u64
                          0x00, 0x00, 0x00, 0x00,                          // ""
                          0x0A};
  EXPECT_EQ(ReadAll(path), expected);
}

TEST_F(SaveFileTest, ReadsBackWhatWasWritten) {
  const std::string path = PathOf("round.bin");
  const std::string text("na\0me \xC3\xA9", 8);
  {
    ORB::SaveFile file;
    ASSERT_TRUE(file.Create(path));
    file.Write(int32_t{-123456});
    file.Write(3.25f);
    file.Write(-2.5e300);
    file.Write(uint8_t{200});
    file.WriteString(text);
    ASSERT_TRUE(file.Close());
  }
  ORB::SaveFile file;
  ASSERT_TRUE(file.OpenForReading(path));
  int32_t i = 0;
  float f = 0;
  double d = 0;
  uint8_t b = 0;
  std::string s;
  EXPECT_TRUE(file.Read(i));
  EXPECT_TRUE(file.Read(f));
  EXPECT_TRUE(file.Read(d));
  EXPECT_TRUE(file.Read(b));
  EXPECT_TRUE(file.ReadString(s));
  EXPECT_EQ(i, -123456);
  EXPECT_EQ(f, 3.25f);
  EXPECT_EQ(d, -2.5e300);
  EXPECT_EQ(b, 200);
  EXPECT_EQ(s, text);
  EXPECT_EQ(file.BytesLeft(), 0u);
  EXPECT_TRUE(file.Good());
}

TEST_F(SaveFileTest, AnyNonZeroByteReadsAsTrue) {
  const std::string path = PathOf("bool.bin");
  WriteAll(path, {0x00, 0x01, 0x7F});
  ORB::SaveFile file;
  ASSERT_TRUE(file.OpenForReading(path));
  bool values[3] = {true, false, false};
  for (bool& value : values) EXPECT_TRUE(file.Read(value));
  EXPECT_FALSE(values[0]);
  EXPECT_TRUE(values[1]);
  EXPECT_TRUE(values[2]);
}

TEST_F(SaveFileTest, OpenCreatesAMissingFileAndKeepsAnExistingOne) {
  const std::string missing = PathOf("new.bin");
  ORB::SaveFile file;
  ASSERT_TRUE(file.Open(missing));
  EXPECT_TRUE(file.IsEnabled());
  EXPECT_TRUE(fs::exists(missing));
  int32_t value = 77;
  EXPECT_FALSE(file.Read(value));
  EXPECT_EQ(value, 77);
  EXPECT_TRUE(file.Failed());
  file.Close();

  const std::string existing = PathOf("old.bin");
  WriteAll(existing, {1, 2, 3, 4});
  ASSERT_TRUE(file.Open(existing));
  EXPECT_EQ(file.Size(), 4u);
  file.Close();
  EXPECT_EQ(ReadAll(existing), (Bytes{1, 2, 3, 4}));

  ASSERT_TRUE(file.Create(existing));
  EXPECT_EQ(file.Size(), 0u);
  file.Close();
  EXPECT_TRUE(ReadAll(existing).empty());
}

TEST_F(SaveFileTest, PathsThatCannotBeOpenedLeaveTheStreamDisabled) {
  ORB::SaveFile file;
  EXPECT_FALSE(file.Open(folder_.string()));  // a folder
  EXPECT_FALSE(file.Open(PathOf("no/such/folder/file.bin")));
  EXPECT_FALSE(file.OpenForReading(PathOf("absent.bin")));
  EXPECT_FALSE(file.IsEnabled());
  file.Write(int32_t{5});
  file.WriteString("x");
  int32_t value = 9;
  std::string text = "kept";
  EXPECT_FALSE(file.Read(value));
  EXPECT_FALSE(file.ReadString(text));
  EXPECT_EQ(value, 9);
  EXPECT_EQ(text, "kept");
}

TEST_F(SaveFileTest, NothingHappensAfterClose) {
  const std::string path = PathOf("closed.bin");
  ORB::SaveFile file;
  ASSERT_TRUE(file.Open(path));
  file.Write(int32_t{1});
  ASSERT_TRUE(file.Close());
  file.Write(int32_t{2});
  file.EndLine();
  int32_t value = 3;
  EXPECT_FALSE(file.Read(value));
  EXPECT_EQ(value, 3);
  EXPECT_EQ(ReadAll(path).size(), 4u);
}

TEST_F(SaveFileTest, AReadPastTheEndFailsAndStopsLaterReads) {
  const std::string path = PathOf("short.bin");
  WriteAll(path, {1, 0, 0, 0, 2, 0});
  ORB::SaveFile file;
  ASSERT_TRUE(file.OpenForReading(path));
  int32_t first = 0;
  int32_t second = -5;
  EXPECT_TRUE(file.Read(first));
  EXPECT_EQ(first, 1);
  EXPECT_FALSE(file.Read(second));
  EXPECT_EQ(second, -5);
  uint8_t byte = 9;
  EXPECT_FALSE(file.Read(byte));  // the two bytes left are not read either
  EXPECT_EQ(byte, 9);
  EXPECT_TRUE(file.Failed());
  EXPECT_FALSE(file.Close());
}

TEST_F(SaveFileTest, StringLengthsBeyondTheFileAreFailedReads) {
  const std::string path = PathOf("long.bin");
  // Claims four billion bytes, holds three.
  WriteAll(path, {0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'});
  ORB::SaveFile file;
  ASSERT_TRUE(file.OpenForReading(path));
  std::string text = "before";
  EXPECT_FALSE(file.ReadString(text));
  EXPECT_EQ(text, "before");
  EXPECT_TRUE(file.Failed());

  WriteAll(path, {0x05, 0x00, 0x00, 0x00, 'h', 'e', 'l', 'l', 'o'});
  ASSERT_TRUE(file.OpenForReading(path));
  EXPECT_FALSE(file.ReadString(text, 4));  // longer than the caller allows
  EXPECT_EQ(text, "before");
  ASSERT_TRUE(file.Rewind());
  EXPECT_TRUE(file.ReadString(text, 5));
  EXPECT_EQ(text, "hello");
}

TEST_F(SaveFileTest, ReadsAndWritesShareOnePosition) {
  const std::string path = PathOf("mixed.bin");
  ORB::SaveFile file;
  ASSERT_TRUE(file.Open(path));
  file.Write(int32_t{10});
  file.Write(int32_t{20});
  ASSERT_TRUE(file.Rewind());
  int32_t value = 0;
  ASSERT_TRUE(file.Read(value));
  EXPECT_EQ(value, 10);
  file.Write(int32_t{30});  // overwrites the second value
  ASSERT_TRUE(file.Rewind());
  ASSERT_TRUE(file.Read(value));
  ASSERT_TRUE(file.Read(value));
  EXPECT_EQ(value, 30);
  EXPECT_EQ(file.BytesLeft(), 0u);
  EXPECT_TRUE(file.Close());
}

TEST_F(SaveFileTest, AWriteTheDiskRefusesIsReported) {
  // The process may not grow a file beyond 16 bytes: the write has to fail
  // where the data reaches the file, at the flush or the close.
  const std::string path = PathOf("limited.bin");
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limited = saved;
  limited.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

  ORB::SaveFile file;
  bool opened = file.Create(path);
  for (int i = 0; i < 64; ++i) file.Write(int32_t{i});
  const bool synced = file.Sync();
  const bool closed = file.Close();

  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  ASSERT_TRUE(opened);
  EXPECT_FALSE(synced);
  EXPECT_FALSE(closed);
}

}  // namespace
