#pragma once
// The program's folders and the engine's file operations: classifying paths,
// listing folders and zip archives, reading a resource record's bytes from a
// plain file or an archive entry, making folder paths and whole-file reads and
// writes. Every path uses "/" as its separator.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/resource_record.h"
#include "engine/foundation/result_codes.h"

namespace ORB {

class FileSystem {
 public:
  // The process's file system. The first call finds the game's data (see
  // FindDataFolder), takes the folder holding it as the working folder and
  // makes its "Resources/" the current directory, so relative paths name
  // resources. Nothing is created. Without data the error text names every
  // folder looked in, the error hook fires, the message is shown (stderr,
  // and a message box where a person can see one) and IsReady() answers
  // false: start-up must not go on.
  static FileSystem& Instance();

  // The folder whose "Resources/" holds the game's data: the working folder
  // when it has one, else the program's folder, else the folder above it (a
  // build folder inside the checkout). Empty when none has it; `looked` (when
  // given) receives each "Resources/" path tried, in order.
  static std::string FindDataFolder(const std::string& working_folder,
                                    const std::string& program_folder,
                                    std::vector<std::string>* looked = nullptr);
  // The message for a data folder that was not found.
  static std::string NoDataMessage(const std::vector<std::string>& looked);

  // A file system rooted at `baseFolder` (the working folder), with
  // "<base>/Resources/" as resources folder. The process's current directory
  // is left alone; nothing is created until CreateResourcesFolder.
  explicit FileSystem(const std::string& baseFolder);

  // Makes the resources folder when it is missing. False, after reporting
  // "Cant create \"Resources\"directory" (error text, error hook, message
  // box), when it cannot be made.
  bool CreateResourcesFolder();
  // Whether the resources folder exists.
  bool IsReady() const;

  // The base folder, with a trailing "/".
  const std::string& GetWorkingFolder() const { return working_folder_; }
  // The resources folder, with a trailing "/".
  const std::string& GetResourcesFolder() const { return resources_folder_; }
  // The working folder followed by `name` becomes the resources folder.
  void SetResourcesFolder(const std::string& name);

  // The process's current directory, which also becomes the current folder.
  std::string GetCurrentFolder();
  // Makes `folder` the process's current directory; false when it cannot.
  bool SetCurrentFolder(const std::string& folder);
  const std::string& CurrentFolder() const { return current_folder_; }

  // The user's application-data folder; empty when there is none.
  static std::string GetSpecialFolderPath();

  // 0 missing, 2 a folder, 1 anything else.
  static int32_t FileExists(const std::string& path);
  // See zip_archive.h.
  static int32_t GetFileSignature(const std::string& path);

  // Reads the record's bytes: from the archive at resources folder + folder,
  // or from the file `name` in that folder. On success the record holds the
  // bytes (kind 1) and kResultOk is answered; kResultNotFound (also no
  // name), kResultCannotOpen (also: a sealed entry with a missing or wrong
  // password), kResultDamaged (a short read or damaged content). A failure
  // leaves the record as it was.
  [[nodiscard]] int32_t LoadBytes(ResourceRecord& record) const;

  // Appends the archive's entry names in directory order; nothing when the
  // file is not a readable zip archive.
  static void ListZipEntries(const std::string& archivePath, std::vector<std::string>& names);
  // Appends the bare names of the folder's entries (not recursing), sorted:
  // files only, or with `directories` set folders only. `extension` filters
  // names by "*.<extension>"; "*" takes every name.
  static void ListDirectory(const std::string& folder, std::vector<std::string>& names,
                            bool directories, const std::string& extension = "*");

  // 1 when the folder exists afterwards (made with every missing parent), else 0.
  static int32_t CreateDirectoryPath(const std::string& path);
  // kResultBadArgument for a null buffer, kResultFailed for a file that
  // cannot be opened or one shorter than `count`; kResultOk once `count`
  // bytes are read.
  [[nodiscard]] static int32_t ReadFileBytes(const std::string& path, void* buffer, size_t count);
  // kResultBadArgument for a null buffer, kResultFailed for a file that
  // cannot be opened or a write that did not complete; kResultOk once the
  // file (created or truncated) holds the bytes.
  [[nodiscard]] static int32_t WriteFileBytes(const std::string& path, const void* buffer, size_t count);
  static bool MoveFile(const std::string& newPath, const std::string& existingPath);
  // Makes the path's folders, then empties the file when it exists; true
  // when it existed.
  static bool TruncateFile(const std::string& path);
  // Copies the source's files (not its sub-folders) into the target, which is made.
  static bool CopyDirectory(const std::string& source, const std::string& target);
  // Deletes the folder with everything in it.
  static bool DeleteDirectoryTree(const std::string& folder);
  // See zip_archive.h.
  static int32_t TestArchivePassword(const std::string& archivePath, const std::string& password);

 private:
  std::string working_folder_;
  std::string resources_folder_;
  std::string current_folder_;
};

}  // namespace ORB
