#pragma once
// WString: the engine's growable wide string for displayed text. The buffer
// always ends with a zero character; capacities grow as
// floor(1.25 * n + 30) + 1 characters.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ORB {

class WString {
 public:
  WString() = default;
  WString(const wchar_t* text) { Assign(text); }  // NOLINT: implicit like a string literal
  explicit WString(std::wstring_view text) { Assign(text); }
  WString(const WString& other) { Assign(other); }
  WString(WString&& other) noexcept;
  WString& operator=(const WString& other);
  WString& operator=(WString&& other) noexcept;
  ~WString() = default;

  // Discards the content and allocates floor(1.25 * n + 30) + 1 characters.
  void Reserve(uint32_t n);
  // Replaces the content; grows to Reserve(length + 10) when it does not fit.
  // The text may lie inside this string's own buffer.
  void Assign(std::wstring_view text);
  void Assign(const wchar_t* text);
  void Assign(const WString& other) { Assign(other.View()); }
  // Adds to the end; grows to Reserve(total + 10), keeping the content, when
  // it does not fit. The text may lie inside this string's own buffer.
  void Append(std::wstring_view text);
  void Append(const wchar_t* text);
  void Append(const WString& other) { Append(other.View()); }

  uint32_t Length() const { return length_; }
  uint32_t Capacity() const { return capacity_; }
  const wchar_t* CStr() const { return buffer_ ? buffer_.get() : L""; }
  std::wstring_view View() const { return {CStr(), length_}; }

  // Index of the first occurrence at or after `from`, or -1; a start past
  // the end finds nothing, a negative one starts at 0.
  int32_t Find(std::wstring_view text, int32_t from = 0) const;
  int32_t Find(const wchar_t* text, int32_t from = 0) const;
  int32_t Find(const WString& text, int32_t from = 0) const { return Find(text.View(), from); }
  int32_t FindChar(wchar_t c, int32_t from = 0) const;

  // Case-insensitive comparison (FoldCase on every character).
  bool EqualsIgnoreCase(std::wstring_view text) const;
  bool NotEqualsIgnoreCase(std::wstring_view text) const { return !EqualsIgnoreCase(text); }

  // The text as UTF-8 (exact for any Unicode text, whatever the C locale).
  std::string ToMultiByte() const;

  bool operator==(const WString& other) const { return View() == other.View(); }
  bool operator==(std::wstring_view other) const { return View() == other; }

 private:
  std::unique_ptr<wchar_t[]> buffer_;
  uint32_t length_ = 0;
  uint32_t capacity_ = 0;
};

// The lower-case form of a character, the same under every C locale: covers
// ASCII, Latin-1, Latin Extended-A and Additional, Greek, Cyrillic, Armenian
// and the full-width Latin letters; other characters are returned as they
// are.
wchar_t FoldCase(wchar_t c);

// Equal when the texts have the same length and FoldCase agrees on every
// character.
bool EqualsIgnoreCase(std::wstring_view a, std::wstring_view b);

}  // namespace ORB
