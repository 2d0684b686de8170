#include "engine/foundation/wide_string.h"

#include <cwchar>
#include <stdexcept>
#include <utility>

#include "engine/foundation/utf8.h"

namespace ORB {

namespace {

// Keeps 1.25 * n + 31 well inside 32 bits.
constexpr uint64_t kMaxLength = 0x3FFFFFFF;

uint32_t CapacityFor(uint64_t n) {
  if (n > kMaxLength) throw std::length_error("WString too long");
  return static_cast<uint32_t>(n + n / 4 + 30 + 1);  // floor(1.25 * n + 30) + 1
}

std::wstring_view ViewOf(const wchar_t* text) {
  return text ? std::wstring_view(text) : std::wstring_view();
}

}  // namespace

WString::WString(WString&& other) noexcept
    : buffer_(std::move(other.buffer_)),
      length_(std::exchange(other.length_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

WString& WString::operator=(const WString& other) {
  Assign(other.View());
  return *this;
}

WString& WString::operator=(WString&& other) noexcept {
  if (this != &other) {
    buffer_ = std::move(other.buffer_);
    length_ = std::exchange(other.length_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

void WString::Reserve(uint32_t n) {
  const uint32_t capacity = CapacityFor(n);
  buffer_ = std::make_unique<wchar_t[]>(capacity);  // zero-filled: empty text
  capacity_ = capacity;
  length_ = 0;
}

void WString::Assign(std::wstring_view text) {
  const uint64_t length = text.size();
  if (length + 1 > capacity_) {
    // Fill the new buffer before the old one goes: text may point into it.
    const uint32_t capacity = CapacityFor(length + 10);
    auto buffer = std::make_unique<wchar_t[]>(capacity);
    std::wmemcpy(buffer.get(), text.data(), text.size());
    buffer_ = std::move(buffer);
    capacity_ = capacity;
  } else if (!text.empty()) {
    std::wmemmove(buffer_.get(), text.data(), text.size());
  }
  length_ = static_cast<uint32_t>(length);
  if (buffer_) buffer_[length_] = L'\0';
}

void WString::Assign(const wchar_t* text) { Assign(ViewOf(text)); }

void WString::Append(std::wstring_view text) {
  const uint64_t total = uint64_t{length_} + text.size();
  if (total + 1 > capacity_) {
    const uint32_t capacity = CapacityFor(total + 10);
    auto buffer = std::make_unique<wchar_t[]>(capacity);
    if (length_ > 0) std::wmemcpy(buffer.get(), buffer_.get(), length_);
    std::wmemcpy(buffer.get() + length_, text.data(), text.size());
    buffer_ = std::move(buffer);
    capacity_ = capacity;
  } else if (!text.empty()) {
    std::wmemmove(buffer_.get() + length_, text.data(), text.size());
  }
  length_ = static_cast<uint32_t>(total);
  if (buffer_) buffer_[length_] = L'\0';
}

void WString::Append(const wchar_t* text) { Append(ViewOf(text)); }

int32_t WString::Find(std::wstring_view text, int32_t from) const {
  if (from < 0) from = 0;
  if (static_cast<uint32_t>(from) > length_) return -1;
  const size_t at = View().find(text, static_cast<size_t>(from));
  return at == std::wstring_view::npos ? -1 : static_cast<int32_t>(at);
}

int32_t WString::Find(const wchar_t* text, int32_t from) const { return Find(ViewOf(text), from); }

int32_t WString::FindChar(wchar_t c, int32_t from) const {
  if (from < 0) from = 0;
  if (static_cast<uint32_t>(from) >= length_) return -1;
  const size_t at = View().find(c, static_cast<size_t>(from));
  return at == std::wstring_view::npos ? -1 : static_cast<int32_t>(at);
}

bool WString::EqualsIgnoreCase(std::wstring_view text) const {
  return ORB::EqualsIgnoreCase(View(), text);
}

std::string WString::ToMultiByte() const { return WideToUtf8(View()); }

wchar_t FoldCase(wchar_t c) {
  const auto u = static_cast<uint32_t>(c);
  auto shifted = [c](int delta) { return static_cast<wchar_t>(c + delta); };
  // Pairs where the upper-case letter has the even (or odd) code.
  auto evenUpper = [c, u]() { return (u & 1) == 0 ? static_cast<wchar_t>(c + 1) : c; };
  auto oddUpper = [c, u]() { return (u & 1) == 1 ? static_cast<wchar_t>(c + 1) : c; };
  if (u < 0x80) return (u >= 'A' && u <= 'Z') ? shifted(32) : c;
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return shifted(32);
  if (u < 0x100) return c;
  if (u < 0x180) {
    if (u == 0x130) return L'i';
    if (u == 0x178) return static_cast<wchar_t>(0xFF);
    if (u <= 0x137 || (u >= 0x14A && u <= 0x177)) return evenUpper();
    if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E)) return oddUpper();
    return c;
  }
  if (u >= 0x370 && u < 0x400) {
    if (u >= 0x391 && u <= 0x3AB && u != 0x3A2) return shifted(32);
    if (u == 0x386) return static_cast<wchar_t>(0x3AC);
    if (u >= 0x388 && u <= 0x38A) return shifted(37);
    if (u == 0x38C) return static_cast<wchar_t>(0x3CC);
    if (u == 0x38E || u == 0x38F) return shifted(63);
    return c;
  }
  if (u >= 0x400 && u < 0x530) {
    if (u <= 0x40F) return shifted(80);
    if (u <= 0x42F) return shifted(32);
    if ((u >= 0x460 && u <= 0x481) || (u >= 0x48A && u <= 0x4BF) || (u >= 0x4D0 && u <= 0x52F)) {
      return evenUpper();
    }
    if (u == 0x4C0) return static_cast<wchar_t>(0x4CF);
    if (u >= 0x4C1 && u <= 0x4CE) return oddUpper();
    return c;
  }
  if (u >= 0x531 && u <= 0x556) return shifted(48);
  if ((u >= 0x1E00 && u <= 0x1E95) || (u >= 0x1EA0 && u <= 0x1EFF)) return evenUpper();
  if (u >= 0xFF21 && u <= 0xFF3A) return shifted(32);
  return c;
}

bool EqualsIgnoreCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

}  // namespace ORB
