#include "engine/foundation/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "engine/foundation/regular_file.h"

namespace ORB {

SaveFile::~SaveFile() { Close(); }

RegularFile::Status SaveFile::OpenWithMode(const std::string& path, int flags, const char* mode) {
  RegularFile file;
  const RegularFile::Status status = file.Open(path, flags);
  not_regular_ = status == RegularFile::Status::kNotRegular;
  if (status != RegularFile::Status::kOpen) return status;
  file_ = fdopen(file.Descriptor(), mode);
  if (file_ == nullptr) return RegularFile::Status::kFailed;
  size_ = file.Size();
  file.Release();
  return status;
}

bool SaveFile::Adopt(int descriptor) {
  Close();
  if (descriptor < 0) return false;
  file_ = fdopen(descriptor, "w+b");
  if (file_ == nullptr) {
    close(descriptor);
    return false;
  }
  return TakeOpenedFile();
}

bool SaveFile::TakeOpenedFile() {
  if (file_ == nullptr) return false;
  struct stat info {};
  if (fstat(fileno(file_), &info) != 0 || !S_ISREG(info.st_mode)) {
    // Only regular files: a folder or a device has no size to bound reads by.
    std::fclose(file_);
    file_ = nullptr;
    return false;
  }
  size_ = static_cast<uint64_t>(info.st_size);
  return true;
}

bool SaveFile::Open(const std::string& path) {
  Close();
  if (OpenWithMode(path, O_RDWR, "r+b") == RegularFile::Status::kMissing) {
    // Create only what does not exist yet: an existing file that merely could
    // not be opened must never be truncated.
    OpenWithMode(path, O_RDWR | O_CREAT | O_EXCL, "w+b");
  }
  return IsEnabled();
}

bool SaveFile::OpenForReading(const std::string& path) {
  Close();
  return OpenWithMode(path, O_RDONLY, "rb") == RegularFile::Status::kOpen;
}

bool SaveFile::Create(const std::string& path) {
  Close();
  return OpenWithMode(path, O_RDWR | O_CREAT | O_TRUNC, "w+b") == RegularFile::Status::kOpen;
}

bool SaveFile::Close() {
  if (file_ == nullptr) {
    failed_ = false;
    return true;
  }
  const bool closed = std::fclose(file_) == 0;
  const bool ok = closed && !failed_;
  file_ = nullptr;
  failed_ = false;
  size_ = 0;
  position_ = 0;
  last_ = LastOp::None;
  return ok;
}

bool SaveFile::Rewind() {
  if (file_ == nullptr) return false;
  if (std::fseek(file_, 0, SEEK_SET) != 0) {
    failed_ = true;
    return false;
  }
  std::clearerr(file_);
  position_ = 0;
  failed_ = false;
  last_ = LastOp::None;
  return true;
}

bool SaveFile::Flush() {
  if (file_ == nullptr) return false;
  if (std::fflush(file_) != 0) failed_ = true;
  return !failed_;
}

bool SaveFile::Sync() {
  if (!Flush()) return false;
  if (fsync(fileno(file_)) != 0) failed_ = true;
  return !failed_;
}

void SaveFile::SwitchTo(LastOp op) {
  // A stream opened for update must be positioned between a write and a
  // following read (and the other way round).
  if (last_ != LastOp::None && last_ != op) {
    if (std::fseek(file_, 0, SEEK_CUR) != 0) failed_ = true;
  }
  last_ = op;
}

void SaveFile::WriteBytes(const void* data, size_t count) {
  if (file_ == nullptr || failed_) return;
  SwitchTo(LastOp::Write);
  if (failed_) return;
  if (std::fwrite(data, 1, count, file_) != count) {
    failed_ = true;
    return;
  }
  position_ += count;
  if (position_ > size_) size_ = position_;
}

bool SaveFile::ReadBytes(void* data, size_t count) {
  if (file_ == nullptr || failed_) return false;
  if (count > BytesLeft()) {
    failed_ = true;
    return false;
  }
  SwitchTo(LastOp::Read);
  if (failed_) return false;
  if (std::fread(data, 1, count, file_) != count) {
    failed_ = true;
    return false;
  }
  position_ += count;
  return true;
}

void SaveFile::WriteString(std::string_view text, uint32_t max_length) {
  if (text.size() > max_length) {
    // The length field cannot say it, or the reader would refuse the whole
    // file for it; writing a cut string would corrupt everything after it.
    failed_ = true;
    return;
  }
  Write(static_cast<uint32_t>(text.size()));
  if (!text.empty()) WriteBytes(text.data(), text.size());
}

bool SaveFile::ReadString(std::string& destination, uint32_t max_length) {
  if (file_ == nullptr || failed_) return false;
  uint32_t length = 0;
  if (!Read(length)) return false;
  if (length > max_length || length > BytesLeft()) {
    failed_ = true;
    return false;
  }
  std::string text(length, '\0');
  if (length > 0 && !ReadBytes(text.data(), length)) return false;
  destination = std::move(text);
  return true;
}

void SaveFile::EndLine() {
  const unsigned char line_end = 0x0A;
  WriteBytes(&line_end, 1);
  if (file_ != nullptr && !failed_) Flush();
}

}  // namespace ORB
