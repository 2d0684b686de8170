#include "engine/foundation/file_system.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "engine/foundation/hooks.h"
#include "engine/foundation/regular_file.h"
#include "engine/foundation/string_utils.h"
#include "engine/foundation/zip_archive.h"
#include "engine/platform/app_data.h"
#include "engine/platform/message_box.h"

namespace ORB {

namespace fs = std::filesystem;

namespace {

const char kResourcesFolderError[] = "Cant create \"Resources\"directory";

std::string Normalized(std::string text) {
  NormalizeSlashes(text);
  return text;
}

std::string WithTrailingSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

// `folder` and `name` joined by exactly one slash.
std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string ProcessDirectory() {
  std::error_code error;
  const fs::path path = fs::current_path(error);
  return error ? std::string() : Normalized(path.string());
}

int32_t LoadFromFolder(const std::string& path, ResourceRecord& record) {
  RegularFile file;
  if (file.Open(path, O_RDONLY) != RegularFile::Status::kOpen) return kResultCannotOpen;
  // The record's size counts the zero byte put after the content.
  constexpr uint64_t kMaxLength = UINT32_MAX - 1;
  std::vector<uint8_t> buffer;
  if (file.Size() > kMaxLength || !file.ReadAll(buffer, kMaxLength)) return kResultDamaged;
  const size_t length = buffer.size();
  buffer.push_back(0);
  record.bytes = std::move(buffer);
  record.size = static_cast<uint32_t>(length + 1);
  record.kind = kResourceBytesRead;
  return kResultOk;
}

}  // namespace

FileSystem& FileSystem::Instance() {
  static FileSystem instance = [] {
    std::vector<std::string> looked;
    const std::string working = ProcessDirectory();
    const std::string base = FindDataFolder(working, platform::GetProgramFolder(), &looked);
    if (base.empty()) {
      const std::string message = NoDataMessage(looked);
      RaiseError(message);
      platform::ShowMessageBox("Error", message);
      return FileSystem(working);
    }
    FileSystem files(base);
    files.SetCurrentFolder(files.GetResourcesFolder());
    return files;
  }();
  return instance;
}

std::string FileSystem::FindDataFolder(const std::string& working_folder,
                                       const std::string& program_folder,
                                       std::vector<std::string>* looked) {
  std::vector<std::string> candidates;
  if (!working_folder.empty()) candidates.push_back(Normalized(working_folder));
  if (!program_folder.empty()) {
    const fs::path program(Normalized(program_folder));
    candidates.push_back(program.string());
    if (program.has_parent_path() && program.parent_path() != program) {
      candidates.push_back(program.parent_path().string());
    }
  }
  for (size_t i = 0; i < candidates.size(); ++i) {
    const std::string& folder = candidates[i];
    if (std::find(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(i), folder) !=
        candidates.begin() + static_cast<std::ptrdiff_t>(i)) {
      continue;  // the program runs from its own folder
    }
    const std::string resources = JoinPath(folder, "Resources");
    if (looked != nullptr) looked->push_back(resources);
    if (FileExists(resources) == 2) return folder;
  }
  return {};
}

std::string FileSystem::NoDataMessage(const std::vector<std::string>& looked) {
  std::string text = "The game's data could not be found. Looked for a \"Resources\" folder at:";
  for (const std::string& path : looked) text += "\n  " + path;
  return text;
}

FileSystem::FileSystem(const std::string& baseFolder) {
  const std::string base = Normalized(baseFolder);
  working_folder_ = WithTrailingSlash(base);
  resources_folder_ = working_folder_ + "Resources/";
  current_folder_ = working_folder_;
}

bool FileSystem::CreateResourcesFolder() {
  if (IsReady()) return true;
  if (CreateDirectoryPath(resources_folder_) == 1) return true;
  RaiseError(kResourcesFolderError);
  platform::ShowMessageBox("Error", kResourcesFolderError);
  return false;
}

bool FileSystem::IsReady() const { return FileExists(resources_folder_) == 2; }

void FileSystem::SetResourcesFolder(const std::string& name) {
  resources_folder_ = WithTrailingSlash(working_folder_ + Normalized(name));
}

std::string FileSystem::GetCurrentFolder() {
  current_folder_ = ProcessDirectory();
  return current_folder_;
}

bool FileSystem::SetCurrentFolder(const std::string& folder) {
  const std::string path = Normalized(folder);
  if (::chdir(path.c_str()) != 0) return false;
  current_folder_ = path;
  return true;
}

std::string FileSystem::GetSpecialFolderPath() { return platform::GetAppDataFolder(); }

int32_t FileSystem::FileExists(const std::string& path) {
  struct stat status {};
  if (path.empty() || ::stat(path.c_str(), &status) != 0) return 0;
  return S_ISDIR(status.st_mode) ? 2 : 1;
}

int32_t FileSystem::GetFileSignature(const std::string& path) {
  return ORB::GetFileSignature(Normalized(path));
}

int32_t FileSystem::LoadBytes(ResourceRecord& record) const {
  const std::string location = JoinPath(resources_folder_, Normalized(record.folder));
  switch (FileExists(location)) {
    case 0:
      return kResultNotFound;
    case 1: {
      if (record.name.empty()) return kResultNotFound;
      std::vector<uint8_t> bytes;
      uint32_t size = 0;
      const int32_t result = ReadZipEntry(location, record.name, record.password, bytes, size);
      if (result != kResultOk) return result;
      record.bytes = std::move(bytes);
      record.size = size;
      record.kind = kResourceBytesRead;
      return kResultOk;
    }
    default:
      if (record.name.empty()) return kResultNotFound;
      return LoadFromFolder(JoinPath(location, record.name), record);
  }
}

void FileSystem::ListZipEntries(const std::string& archivePath, std::vector<std::string>& names) {
  ORB::ListZipEntries(Normalized(archivePath), names);
}

void FileSystem::ListDirectory(const std::string& folder, std::vector<std::string>& names,
                               bool directories, const std::string& extension) {
  const std::string pattern = "*." + extension;
  const bool everything = extension.empty() || extension == "*";
  std::vector<std::string> found;
  std::error_code error;
  fs::directory_iterator it(Normalized(folder), error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    const bool isFolder = it->is_directory(typeError);
    if (isFolder != directories) continue;
    std::string name = it->path().filename().string();
    if (!everything && ::fnmatch(pattern.c_str(), name.c_str(), 0) != 0) continue;
    found.push_back(std::move(name));
  }
  std::sort(found.begin(), found.end());
  names.insert(names.end(), std::make_move_iterator(found.begin()),
               std::make_move_iterator(found.end()));
}

int32_t FileSystem::CreateDirectoryPath(const std::string& path) {
  const std::string folder = Normalized(path);
  if (folder.empty()) return 0;
  if (FileExists(folder) == 2) return 1;
  std::error_code error;
  fs::create_directories(folder, error);
  return FileExists(folder) == 2 ? 1 : 0;
}

int32_t FileSystem::ReadFileBytes(const std::string& path, void* buffer, size_t count) {
  if (buffer == nullptr) return kResultBadArgument;
  RegularFile file;
  if (file.Open(Normalized(path), O_RDONLY) != RegularFile::Status::kOpen) return kResultFailed;
  return file.Read(buffer, count) == count ? kResultOk : kResultFailed;
}

int32_t FileSystem::WriteFileBytes(const std::string& path, const void* buffer, size_t count) {
  if (buffer == nullptr) return kResultBadArgument;
  RegularFile file;
  if (file.Open(Normalized(path), O_WRONLY | O_CREAT | O_TRUNC) != RegularFile::Status::kOpen) {
    return kResultFailed;
  }
  if (!file.Write(buffer, count)) return kResultFailed;
  return ::close(file.Release()) == 0 ? kResultOk : kResultFailed;
}

bool FileSystem::MoveFile(const std::string& newPath, const std::string& existingPath) {
  std::error_code error;
  fs::rename(Normalized(existingPath), Normalized(newPath), error);
  return !error;
}

bool FileSystem::TruncateFile(const std::string& path) {
  const std::string file = Normalized(path);
  const size_t slash = file.find_last_of('/');
  if (slash != std::string::npos && slash > 0) CreateDirectoryPath(file.substr(0, slash));
  if (FileExists(file) != 1) return false;
  RegularFile truncated;
  return truncated.Open(file, O_WRONLY | O_TRUNC) == RegularFile::Status::kOpen;
}

bool FileSystem::CopyDirectory(const std::string& source, const std::string& target) {
  const std::string from = Normalized(source);
  const std::string to = Normalized(target);
  if (FileExists(from) != 2 || CreateDirectoryPath(to) != 1) return false;
  std::vector<std::string> files;
  ListDirectory(from, files, false);
  bool copied = true;
  for (const std::string& name : files) {
    std::error_code error;
    fs::copy_file(JoinPath(from, name), JoinPath(to, name), fs::copy_options::overwrite_existing,
                  error);
    if (error) copied = false;
  }
  return copied;
}

bool FileSystem::DeleteDirectoryTree(const std::string& folder) {
  const std::string path = Normalized(folder);
  if (FileExists(path) != 2) return false;
  std::error_code error;
  fs::remove_all(path, error);
  return !error;
}

int32_t FileSystem::TestArchivePassword(const std::string& archivePath,
                                        const std::string& password) {
  return ORB::TestArchivePassword(Normalized(archivePath), password);
}

}  // namespace ORB
