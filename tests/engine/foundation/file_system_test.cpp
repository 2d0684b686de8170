#include "engine/foundation/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "engine/foundation/hooks.h"
#include "engine/platform/message_box.h"
#include "support/fifo.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

namespace ORB {
namespace {

using test_support::TempFolder;
using test_support::WriteText;

class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.Path().empty());
    ASSERT_TRUE(files_.CreateResourcesFolder());
  }

  std::string Resource(const std::string& name) const { return files_.GetResourcesFolder() + name; }

  TempFolder folder_;
  FileSystem files_{folder_.Path()};
};

TEST_F(FileSystemTest, FoldersAreRootedAtTheBaseFolder) {
  EXPECT_EQ(files_.GetWorkingFolder(), folder_.Path() + "/");
  EXPECT_EQ(files_.GetResourcesFolder(), folder_.Path() + "/Resources/");
  EXPECT_EQ(FileSystem::FileExists(files_.GetResourcesFolder()), 2);
  EXPECT_TRUE(files_.IsReady());

  FileSystem backslashed(folder_.Path() + "\\sub\\");
  EXPECT_EQ(backslashed.GetWorkingFolder(), folder_.Path() + "/sub/");

  files_.SetResourcesFolder("Other");
  EXPECT_EQ(files_.GetResourcesFolder(), folder_.Path() + "/Other/");
  EXPECT_FALSE(files_.IsReady());
}

TEST(FindDataFolderTest, WorkingFolderThenTheProgramsFolderThenTheOneAboveIt) {
  TempFolder root;
  const std::string work = root / "work";
  const std::string program = root / "checkout/build";
  const std::string checkout = root / "checkout";
  ASSERT_EQ(FileSystem::CreateDirectoryPath(work), 1);
  ASSERT_EQ(FileSystem::CreateDirectoryPath(program), 1);

  std::vector<std::string> looked;
  EXPECT_EQ(FileSystem::FindDataFolder(work, program, &looked), "");
  EXPECT_EQ(looked, (std::vector<std::string>{work + "/Resources", program + "/Resources",
                                              checkout + "/Resources"}));
  const std::string message = FileSystem::NoDataMessage(looked);
  for (const std::string& path : looked) EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_EQ(FileSystem::FileExists(work + "/Resources"), 0) << "looking creates nothing";

  ASSERT_EQ(FileSystem::CreateDirectoryPath(checkout + "/Resources"), 1);
  EXPECT_EQ(FileSystem::FindDataFolder(work, program), checkout) << "a build folder in the checkout";
  ASSERT_EQ(FileSystem::CreateDirectoryPath(program + "/Resources"), 1);
  EXPECT_EQ(FileSystem::FindDataFolder(work, program), program) << "installed beside the program";
  ASSERT_EQ(FileSystem::CreateDirectoryPath(work + "/Resources"), 1);
  EXPECT_EQ(FileSystem::FindDataFolder(work, program), work) << "the working folder comes first";

  // A plain file named Resources is not data; the program run from its own
  // folder is looked at once.
  TempFolder other;
  const std::string bin = other / "bin";
  WriteText(bin + "/Resources", "not a folder");
  looked.clear();
  EXPECT_EQ(FileSystem::FindDataFolder(bin, bin, &looked), "");
  EXPECT_EQ(looked, (std::vector<std::string>{bin + "/Resources", other.Path() + "/Resources"}));
}

TEST_F(FileSystemTest, ResourcesFolderThatCannotBeMadeIsReported) {
  // A plain file where the folder should go.
  WriteText(folder_ / "blocked/Resources", "in the way");
  FileSystem blocked(folder_ / "blocked");

  std::vector<std::string> messages;
  platform::SetMessageSink([&](const std::string& caption, const std::string& text) {
    messages.push_back(caption + ": " + text);
  });
  int errors = 0;
  SetHook(Hook::Error, [&](intptr_t) {
    ++errors;
    return 0;
  });
  EXPECT_FALSE(blocked.CreateResourcesFolder());
  EXPECT_FALSE(blocked.IsReady());
  ClearHook(Hook::Error);
  platform::SetMessageSink(nullptr);

  EXPECT_EQ(GetErrorText(), "Cant create \"Resources\"directory");
  EXPECT_EQ(errors, 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Error: Cant create \"Resources\"directory");
}

TEST_F(FileSystemTest, ClassifiesAndListsFolders) {
  WriteText(Resource("list/a.xml"), "a");
  WriteText(Resource("list/b"), "b");
  WriteText(Resource("list/c.png"), "c");
  std::filesystem::create_directories(Resource("list/sub"));

  EXPECT_EQ(FileSystem::FileExists(Resource("list")), 2);
  EXPECT_EQ(FileSystem::FileExists(Resource("list/a.xml")), 1);
  EXPECT_EQ(FileSystem::FileExists(Resource("list/none")), 0);
  EXPECT_EQ(FileSystem::FileExists(""), 0);

  std::vector<std::string> names;
  FileSystem::ListDirectory(Resource("list"), names, false);
  EXPECT_EQ(names, (std::vector<std::string>{"a.xml", "b", "c.png"}));
  names.clear();
  FileSystem::ListDirectory(Resource("list"), names, true);
  EXPECT_EQ(names, (std::vector<std::string>{"sub"}));
  names.clear();
  FileSystem::ListDirectory(Resource("list"), names, false, "xml");
  EXPECT_EQ(names, (std::vector<std::string>{"a.xml"}));
  names.clear();
  FileSystem::ListDirectory(Resource("missing"), names, false);
  EXPECT_TRUE(names.empty());
}

TEST_F(FileSystemTest, LoadBytesFromAFolderCountsTheZeroByte) {
  // Binary content: line ends and zero bytes come back untouched.
  const std::string content("0\r\n3\x00" "56\n89", 10);
  WriteText(Resource("data/ten"), content);
  auto record = ResourceRecord::Create("ten");
  record->folder = "data";
  ASSERT_EQ(files_.LoadBytes(*record), kResultOk);
  EXPECT_EQ(record->kind, kResourceBytesRead);
  ASSERT_EQ(record->size, 11u);
  ASSERT_EQ(record->bytes.size(), 11u);
  EXPECT_EQ(std::string(record->bytes.begin(), record->bytes.begin() + 10), content);
  EXPECT_EQ(record->bytes[10], 0);

  // A top-level record lives in the resources folder itself.
  WriteText(Resource("top.txt"), "top");
  auto top = ResourceRecord::Create("top.txt");
  ASSERT_EQ(files_.LoadBytes(*top), kResultOk);
  EXPECT_EQ(top->size, 4u);
}

TEST_F(FileSystemTest, LoadBytesFromAnArchiveCountsTheContentOnly) {
  const std::string content("0\r\n3\x00" "56\n89", 10);
  test_support::WriteFile(Resource("pack"), test_support::Build({{"dir/ten", content, true},
                                                          {"sealed", content, false, "pw"}}));
  auto record = ResourceRecord::Create("dir/ten");
  record->folder = "pack";
  ASSERT_EQ(files_.LoadBytes(*record), kResultOk);
  ASSERT_EQ(record->size, 10u);
  ASSERT_EQ(record->bytes.size(), 11u);
  EXPECT_EQ(std::string(record->bytes.begin(), record->bytes.begin() + 10), content);
  EXPECT_EQ(record->bytes[10], 0);

  auto sealed = ResourceRecord::Create("sealed");
  sealed->folder = "pack";
  EXPECT_EQ(files_.LoadBytes(*sealed), kResultCannotOpen);
  sealed->password = "pw";
  EXPECT_EQ(files_.LoadBytes(*sealed), kResultOk);
  EXPECT_EQ(sealed->size, 10u);
}

TEST_F(FileSystemTest, LoadBytesFailuresLeaveTheRecordUntouched) {
  test_support::WriteFile(Resource("pack"), test_support::Build({{"a", "a"}}));
  std::filesystem::create_directories(Resource("plain"));
  std::filesystem::create_directories(Resource("plain/folder"));
  // FIFOs that nothing writes to, where an archive and where a file would be.
  ASSERT_TRUE(test_support::MakeFifo(Resource("fifo")));
  ASSERT_TRUE(test_support::MakeFifo(Resource("plain/fifo")));
  struct Case {
    std::string folder, name;
    int32_t result;
  };
  for (const Case& c :
       {Case{"pack", "absent", kResultNotFound}, Case{"pack", "", kResultNotFound},
        Case{"nowhere", "a", kResultNotFound}, Case{"plain", "absent", kResultCannotOpen},
        Case{"plain", "folder", kResultCannotOpen}, Case{"plain", "", kResultNotFound},
        Case{"fifo", "a", kResultNotFound}, Case{"plain", "fifo", kResultCannotOpen}}) {
    SCOPED_TRACE(c.folder + " " + c.name);
    auto record = ResourceRecord::Create(c.name);
    record->folder = c.folder;
    record->size = 77;
    const std::string fifo =
        c.folder == "fifo" ? Resource(c.folder) : Resource(c.folder + "/" + c.name);
    EXPECT_EQ(test_support::WithoutBlocking(fifo, [&] { return files_.LoadBytes(*record); }),
              c.result);
    EXPECT_EQ(record->size, 77u);
    EXPECT_EQ(record->kind, kResourceNone);
    EXPECT_TRUE(record->bytes.empty());
  }
}

TEST_F(FileSystemTest, CreatesFolderPaths) {
  EXPECT_EQ(FileSystem::CreateDirectoryPath(folder_ / "x\\y/z"), 1);
  EXPECT_EQ(FileSystem::FileExists(folder_ / "x/y/z"), 2);
  EXPECT_EQ(FileSystem::CreateDirectoryPath(folder_ / "x/y/z"), 1) << "already there";
  WriteText(folder_ / "file", "f");
  EXPECT_EQ(FileSystem::CreateDirectoryPath(folder_ / "file/below"), 0);
  EXPECT_EQ(FileSystem::CreateDirectoryPath(folder_ / "file"), 0) << "a file is no folder";
}

TEST_F(FileSystemTest, WholeFileOperations) {
  const std::string path = folder_ / "bytes.bin";
  const char data[6] = {'a', '\n', '\0', '\r', 'b', 'c'};
  EXPECT_EQ(FileSystem::WriteFileBytes(path, nullptr, 6), kResultBadArgument);
  EXPECT_EQ(FileSystem::WriteFileBytes(folder_ / "no/such/folder/f", data, 6), kResultFailed);
  ASSERT_EQ(FileSystem::WriteFileBytes(path, data, 6), kResultOk);

  char back[6] = {};
  EXPECT_EQ(FileSystem::ReadFileBytes(path, back, 6), kResultOk);
  EXPECT_EQ(std::string(back, 6), std::string(data, 6));
  char tooMany[7] = {};
  EXPECT_EQ(FileSystem::ReadFileBytes(path, tooMany, 7), kResultFailed) << "shorter than asked";
  EXPECT_EQ(FileSystem::ReadFileBytes(path, nullptr, 1), kResultBadArgument);
  EXPECT_EQ(FileSystem::ReadFileBytes(folder_ / "missing", back, 1), kResultFailed);

  const std::string moved = folder_ / "moved.bin";
  EXPECT_TRUE(FileSystem::MoveFile(moved, path));
  EXPECT_EQ(FileSystem::FileExists(path), 0);
  EXPECT_FALSE(FileSystem::MoveFile(moved, folder_ / "missing"));

  EXPECT_TRUE(FileSystem::TruncateFile(moved));
  EXPECT_EQ(std::filesystem::file_size(moved), 0u);
  EXPECT_FALSE(FileSystem::TruncateFile(folder_ / "made/on/the/way/f"));
  EXPECT_EQ(FileSystem::FileExists(folder_ / "made/on/the/way"), 2);
  EXPECT_EQ(FileSystem::FileExists(folder_ / "made/on/the/way/f"), 0);

  WriteText(folder_ / "src/one", "1");
  WriteText(folder_ / "src/two", "22");
  WriteText(folder_ / "src/deep/three", "333");
  EXPECT_TRUE(FileSystem::CopyDirectory(folder_ / "src", folder_ / "dst/inner"));
  EXPECT_EQ(std::filesystem::file_size(folder_ / "dst/inner/two"), 2u);
  EXPECT_EQ(FileSystem::FileExists(folder_ / "dst/inner/deep"), 0) << "files only";

  EXPECT_TRUE(FileSystem::DeleteDirectoryTree(folder_ / "src"));
  EXPECT_EQ(FileSystem::FileExists(folder_ / "src"), 0);
  EXPECT_FALSE(FileSystem::DeleteDirectoryTree(folder_ / "src"));
}

TEST_F(FileSystemTest, NoDescriptorIsLeftOpen) {
  WriteText(Resource("plain/f"), "content");
  test_support::WriteFile(Resource("pack"), test_support::Build({{"a", "a", true}, {"s", "s", false, "p"}}));
  const int before = test_support::OpenDescriptorCount();
  for (const auto& [folder, name, password] :
       {std::tuple<std::string, std::string, std::string>{"plain", "f", ""},
        {"plain", "absent", ""}, {"pack", "a", ""}, {"pack", "s", ""}, {"pack", "s", "p"},
        {"pack", "s", "wrong"}, {"pack", "absent", ""}}) {
    auto record = ResourceRecord::Create(name);
    record->folder = folder;
    record->password = password;
    // Only the descriptors count here, not whether the reads work.
    static_cast<void>(files_.LoadBytes(*record));
  }
  char buffer[100];
  static_cast<void>(FileSystem::ReadFileBytes(Resource("plain/f"), buffer, sizeof buffer));
  static_cast<void>(FileSystem::WriteFileBytes(folder_ / "w", buffer, 3));
  EXPECT_EQ(test_support::OpenDescriptorCount(), before);
}

}  // namespace
}  // namespace ORB
