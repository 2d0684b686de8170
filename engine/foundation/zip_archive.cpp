#include "engine/foundation/zip_archive.h"

#include <fcntl.h>
#include <minizip/unzip.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <unordered_map>

#include "engine/foundation/regular_file.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/zip_decrypt.h"
#include "engine/foundation/zip_file_io.h"

namespace ORB {

namespace {

constexpr uint32_t kFlagSealed = 1u << 0;
constexpr uint64_t kCipherHeaderSize = 12;
constexpr uint32_t kMethodStored = 0;
constexpr uint32_t kMethodDeflated = 8;
// Deflate cannot expand by more than about 1032 to 1; a directory that
// promises more is damaged, and believing it would mean a huge allocation.
constexpr uint64_t kMaxDeflateRatio = 1032;
// Entry names are at most 65535 bytes long.
constexpr size_t kNameBufferSize = 65536 + 1;
// minizip counts in int; read in slices that fit.
constexpr uint64_t kReadSlice = 1u << 30;

// Owns an open archive and closes it on every path.
class Archive {
 public:
  explicit Archive(const std::string& path) {
    zlib_filefunc64_def functions = WindowedFileFunctions();
    handle_ = unzOpen2_64(path.c_str(), &functions);
  }
  ~Archive() {
    if (handle_ != nullptr) unzClose(handle_);
  }
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  unzFile get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  unzFile handle_ = nullptr;
};

// Owns the archive's open current entry.
class OpenedEntry {
 public:
  explicit OpenedEntry(unzFile archive) : archive_(archive) {}
  ~OpenedEntry() { Close(); }
  OpenedEntry(const OpenedEntry&) = delete;
  OpenedEntry& operator=(const OpenedEntry&) = delete;

  // minizip's verdict on the entry: UNZ_CRCERROR when the content read does
  // not match its CRC.
  int Close() {
    if (archive_ == nullptr) return UNZ_OK;
    const int result = unzCloseCurrentFile(archive_);
    archive_ = nullptr;
    return result;
  }

 private:
  unzFile archive_;
};

// Room for the longest entry name, made once per thread.
std::vector<char>& NameBuffer() {
  thread_local std::vector<char> buffer(kNameBufferSize);
  return buffer;
}

struct CurrentEntry {
  unz_file_info64 info{};
  std::string_view name;
};

// Reads the current entry's information; the name points into `buffer`.
bool ReadCurrentEntry(unzFile archive, std::vector<char>& buffer, CurrentEntry& entry) {
  if (unzGetCurrentFileInfo64(archive, &entry.info, buffer.data(),
                              static_cast<uLong>(buffer.size()), nullptr, 0, nullptr,
                              0) != UNZ_OK) {
    return false;
  }
  const size_t length = std::min<size_t>(entry.info.size_filename, buffer.size() - 1);
  entry.name = std::string_view(buffer.data(), length);
  return true;
}

// Reads up to `count` bytes of the open entry; the number read, or -1 when
// minizip reports damage.
int64_t ReadOpenEntry(unzFile archive, uint8_t* target, uint64_t count) {
  uint64_t total = 0;
  while (total < count) {
    const uint64_t slice = std::min(count - total, kReadSlice);
    const int read = unzReadCurrentFile(archive, target + total, static_cast<unsigned>(slice));
    if (read < 0) return -1;
    if (read == 0) break;
    total += static_cast<uint64_t>(read);
  }
  return static_cast<int64_t>(total);
}

// Whether the sizes in the directory can be true of an entry in an archive of
// `archiveSize` bytes. Each entry's content is allocated from these numbers.
bool SizesPlausible(const unz_file_info64& info, uint64_t archiveSize) {
  if (info.compressed_size > archiveSize) return false;
  if (info.uncompressed_size >= UINT32_MAX) return false;  // the size and its zero byte must fit
  const bool sealed = (info.flag & kFlagSealed) != 0;
  const uint64_t header = sealed ? kCipherHeaderSize : 0;
  if (info.compressed_size < header) return false;
  const uint64_t payload = info.compressed_size - header;
  if (info.compression_method == kMethodStored) return payload == info.uncompressed_size;
  if (info.compression_method == kMethodDeflated) {
    return info.uncompressed_size <= payload * kMaxDeflateRatio + 64;
  }
  return true;  // an unknown method fails when the entry is opened
}

int32_t ReadSealed(unzFile archive, const unz_file_info64& info, const std::string& password,
                   std::vector<uint8_t>& bytes, uint32_t& size) {
  if (password.empty()) return kResultCannotOpen;
  if (info.compression_method != kMethodStored && info.compression_method != kMethodDeflated) {
    return kResultCannotOpen;
  }
  // minizip opens a sealed entry without its password and then hands out the
  // sealed bytes as if they were plain, so the entry is read raw and opened here.
  int method = 0;
  int level = 0;
  if (unzOpenCurrentFile2(archive, &method, &level, 1) != UNZ_OK) return kResultCannotOpen;
  OpenedEntry opened(archive);
  std::vector<uint8_t> raw(static_cast<size_t>(info.compressed_size));
  const int64_t read = ReadOpenEntry(archive, raw.data(), raw.size());
  opened.Close();
  if (read != static_cast<int64_t>(raw.size())) return kResultDamaged;

  SealedEntryInfo sealed;
  sealed.flags = static_cast<uint32_t>(info.flag);
  sealed.method = static_cast<uint32_t>(info.compression_method);
  sealed.crc = static_cast<uint32_t>(info.crc);
  sealed.dosDate = static_cast<uint32_t>(info.dosDate);
  sealed.uncompressedSize = info.uncompressed_size;
  std::vector<uint8_t> plain;
  const int32_t result = OpenSealedEntry(raw.data(), raw.size(), sealed, password, plain);
  if (result != kResultOk) return result;
  bytes = std::move(plain);
  size = static_cast<uint32_t>(info.uncompressed_size);
  return kResultOk;
}

int32_t ReadPlain(unzFile archive, const unz_file_info64& info, std::vector<uint8_t>& bytes,
                  uint32_t& size) {
  if (unzOpenCurrentFile(archive) != UNZ_OK) return kResultCannotOpen;
  OpenedEntry opened(archive);
  // One byte more than promised is asked for, so content longer than the
  // directory says shows as a wrong count; that byte ends up the zero after
  // the content.
  std::vector<uint8_t> buffer(static_cast<size_t>(info.uncompressed_size) + 1, 0);
  const int64_t read = ReadOpenEntry(archive, buffer.data(), buffer.size());
  if (read != static_cast<int64_t>(info.uncompressed_size)) return kResultDamaged;
  if (opened.Close() != UNZ_OK) return kResultDamaged;  // CRC mismatch
  buffer.back() = 0;
  bytes = std::move(buffer);
  size = static_cast<uint32_t>(info.uncompressed_size);
  return kResultOk;
}

// Which file an archive path named when its index was made: a file written
// anew, or replaced, shows as a different identity.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modifiedNs = 0;

  bool operator==(const FileIdentity&) const = default;
};

bool IdentityOf(const std::string& path, FileIdentity& identity) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;
  identity.device = status.st_dev;
  identity.inode = status.st_ino;
  identity.size = status.st_size;
  identity.modifiedNs =
      static_cast<int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
  return true;
}

// Where each name's first entry sits in an archive's directory. Walking the
// directory for every read would make loading n entries cost n * n / 2 steps;
// with the index each read goes straight to its entry.
struct ArchiveIndex {
  FileIdentity identity;
  std::unordered_map<std::string, unz64_file_pos> positions;
};

std::mutex& IndexMutex() {
  static std::mutex mutex;
  return mutex;
}

std::unordered_map<std::string, ArchiveIndex>& Indexes() {
  static std::unordered_map<std::string, ArchiveIndex> indexes;
  return indexes;
}

// Walks the whole directory; false when it breaks off.
bool BuildIndex(unzFile archive, std::vector<char>& buffer, ArchiveIndex& index) {
  if (unzGoToFirstFile(archive) != UNZ_OK) return false;
  for (;;) {
    CurrentEntry entry;
    unz64_file_pos position{};
    if (!ReadCurrentEntry(archive, buffer, entry)) return false;
    if (unzGetFilePos64(archive, &position) != UNZ_OK) return false;
    index.positions.emplace(std::string(entry.name), position);  // the first entry of a name wins
    const int next = unzGoToNextFile(archive);
    if (next == UNZ_END_OF_LIST_OF_FILE) return true;
    if (next != UNZ_OK) return false;
  }
}

// Makes the archive's first entry named `name` the current one.
bool GoToEntry(unzFile archive, const std::string& path, const std::string& name,
               std::vector<char>& buffer, CurrentEntry& entry) {
  FileIdentity identity;
  if (!IdentityOf(path, identity)) return false;
  std::lock_guard<std::mutex> lock(IndexMutex());
  auto& indexes = Indexes();
  auto found = indexes.find(path);
  if (found == indexes.end() || !(found->second.identity == identity)) {
    ArchiveIndex index;
    index.identity = identity;
    if (!BuildIndex(archive, buffer, index)) {
      if (found != indexes.end()) indexes.erase(found);
      return false;
    }
    found = indexes.insert_or_assign(path, std::move(index)).first;
  }
  const auto position = found->second.positions.find(name);
  if (position == found->second.positions.end()) return false;
  unz64_file_pos target = position->second;
  // The entry must still be what the index says; a file changed within the
  // clock's resolution is caught here.
  if (unzGoToFilePos64(archive, &target) == UNZ_OK && ReadCurrentEntry(archive, buffer, entry) &&
      entry.name == name) {
    return true;
  }
  indexes.erase(found);
  return false;
}

uint64_t FileSize(const std::string& path) {
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<uint64_t>(size);
}

}  // namespace

int32_t GetFileSignature(const std::string& path) {
  RegularFile file;
  if (file.Open(path, O_RDONLY) != RegularFile::Status::kOpen) return kResultFailed;
  unsigned char head[4] = {0, 0, 0, 0};
  if (file.Read(head, 3) != 3) return 0;
  const int32_t word = static_cast<int32_t>(head[0] | (head[1] << 8) | (head[2] << 16) |
                                            (static_cast<uint32_t>(head[3]) << 24));
  return word == kZipSignature ? kZipSignature : 0;
}

void ListZipEntries(const std::string& archivePath, std::vector<std::string>& names) {
  if (GetFileSignature(archivePath) != kZipSignature) return;
  Archive archive(archivePath);
  if (!archive) return;
  if (unzGoToFirstFile(archive.get()) != UNZ_OK) return;
  // A directory that breaks off half-way lists nothing rather than a part.
  std::vector<std::string> found;
  std::vector<char>& buffer = NameBuffer();
  for (;;) {
    CurrentEntry entry;
    if (!ReadCurrentEntry(archive.get(), buffer, entry)) return;
    found.emplace_back(entry.name);
    const int next = unzGoToNextFile(archive.get());
    if (next == UNZ_END_OF_LIST_OF_FILE) break;
    if (next != UNZ_OK) return;
  }
  names.insert(names.end(), std::make_move_iterator(found.begin()),
               std::make_move_iterator(found.end()));
}

int32_t ReadZipEntry(const std::string& archivePath, const std::string& entryName,
                     const std::string& password, std::vector<uint8_t>& bytes, uint32_t& size) {
  Archive archive(archivePath);
  if (!archive) return kResultNotFound;
  std::vector<char>& buffer = NameBuffer();
  CurrentEntry entry;
  if (!GoToEntry(archive.get(), archivePath, entryName, buffer, entry)) return kResultNotFound;
  if (!SizesPlausible(entry.info, FileSize(archivePath))) return kResultDamaged;
  if ((entry.info.flag & kFlagSealed) != 0) {
    return ReadSealed(archive.get(), entry.info, password, bytes, size);
  }
  return ReadPlain(archive.get(), entry.info, bytes, size);
}

int32_t TestArchivePassword(const std::string& archivePath, const std::string& password) {
  std::string sealedName;
  {
    Archive archive(archivePath);
    if (!archive) return kResultArchiveUnreadable;
    if (unzGoToFirstFile(archive.get()) != UNZ_OK) return kResultArchiveEmpty;
    std::vector<char>& buffer = NameBuffer();
    for (;;) {
      CurrentEntry entry;
      if (!ReadCurrentEntry(archive.get(), buffer, entry)) return kResultArchiveUnreadable;
      if ((entry.info.flag & kFlagSealed) != 0) {
        sealedName = std::string(entry.name);
        break;
      }
      const int next = unzGoToNextFile(archive.get());
      if (next == UNZ_END_OF_LIST_OF_FILE) return kResultPasswordOpens;
      if (next != UNZ_OK) return kResultArchiveUnreadable;
    }
  }
  std::vector<uint8_t> bytes;
  uint32_t size = 0;
  const int32_t result = ReadZipEntry(archivePath, sealedName, password, bytes, size);
  return result == kResultOk ? kResultPasswordOpens : result;
}

}  // namespace ORB
