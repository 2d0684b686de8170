#include "engine/foundation/format.h"

#include <cstdint>
#include <cstdio>
#include <cwchar>

namespace ORB {

namespace {

// Appends to a bounded buffer; remembers when it is full.
class Output {
 public:
  Output(wchar_t* buffer, size_t capacity) : buffer_(buffer), limit_(capacity - 1) {
    buffer_[0] = 0;
  }
  bool Full() const { return length_ >= limit_; }
  void Put(wchar_t c) {
    if (Full()) return;
    buffer_[length_++] = c;
    buffer_[length_] = 0;
  }
  void Repeat(wchar_t c, size_t count) {
    for (size_t i = 0; i < count && !Full(); ++i) Put(c);
  }
  void Text(const wchar_t* text) {
    for (; *text != 0 && !Full(); ++text) Put(*text);
  }
  size_t Length() const { return length_; }

 private:
  wchar_t* buffer_;
  size_t limit_;
  size_t length_ = 0;
};

// Digits of a magnitude, most significant first, into digits; answers count.
size_t Digits(uint64_t magnitude, wchar_t* digits) {
  wchar_t reversed[24];
  size_t count = 0;
  do {
    reversed[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  for (size_t i = 0; i < count; ++i) digits[i] = reversed[count - 1 - i];
  return count;
}

void Integer(Output& out, bool negative, uint64_t magnitude, size_t width, bool zero_pad) {
  wchar_t digits[24];
  const size_t count = Digits(magnitude, digits);
  const size_t length = count + (negative ? 1 : 0);
  const size_t pad = width > length ? width - length : 0;
  if (zero_pad) {
    // The sign goes before the zeros: -007.
    if (negative) out.Put(L'-');
    out.Repeat(L'0', pad);
  } else {
    out.Repeat(L' ', pad);
    if (negative) out.Put(L'-');
  }
  for (size_t i = 0; i < count; ++i) out.Put(digits[i]);
}

}  // namespace

size_t FormatWV(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args) {
  if (buffer == nullptr || capacity == 0 || format == nullptr) return 0;
  Output out(buffer, capacity);
  const wchar_t* p = format;
  while (*p != 0 && !out.Full()) {
    if (*p != L'%') {
      out.Put(*p++);
      continue;
    }
    const wchar_t* start = p++;
    if (*p == L'%') {
      out.Put(L'%');
      ++p;
      continue;
    }
    bool zero_pad = false;
    if (*p == L'0') {
      zero_pad = true;
      ++p;
    }
    size_t width = 0;
    while (*p >= L'0' && *p <= L'9') {
      // Widths beyond any buffer are clamped rather than overflowed.
      width = width < 100000 ? width * 10 + static_cast<size_t>(*p - L'0') : width;
      ++p;
    }
    if (*p == L'.') {
      ++p;
      while (*p >= L'0' && *p <= L'9') ++p;
    }
    bool is_long = false;
    if (*p == L'l') {
      is_long = true;
      ++p;
    }
    if (*p == 0) break;  // the format ends inside a conversion
    const wchar_t letter = *p++;
    switch (letter) {
      case L's': {
        const wchar_t* text = va_arg(args, const wchar_t*);
        if (text == nullptr) {
          buffer[0] = 0;
          return 0;
        }
        const size_t length = std::wcslen(text);
        if (width > length) out.Repeat(L' ', width - length);
        out.Text(text);
        break;
      }
      case L'i':
      case L'd': {
        const int64_t value = is_long ? static_cast<int64_t>(va_arg(args, long))
                                      : static_cast<int64_t>(va_arg(args, int));
        // The magnitude of the smallest value does not fit its own type.
        const uint64_t magnitude =
            value < 0 ? static_cast<uint64_t>(-(value + 1)) + 1 : static_cast<uint64_t>(value);
        Integer(out, value < 0, magnitude, width, zero_pad);
        break;
      }
      case L'u': {
        const uint64_t value = is_long ? static_cast<uint64_t>(va_arg(args, unsigned long))
                                       : static_cast<uint64_t>(va_arg(args, unsigned int));
        Integer(out, false, value, width, zero_pad);
        break;
      }
      case L'f': {
        // The one conversion, flags, width and precision included, as the C
        // library writes it (the program never changes the C locale, so the
        // decimal point is a point).
        // The argument is taken even when the conversion is too long to
        // copy, so the ones after it still line up.
        const double value = va_arg(args, double);
        wchar_t conversion[32];
        const size_t conversion_length = static_cast<size_t>(p - start);
        if (conversion_length >= sizeof(conversion) / sizeof(conversion[0])) break;
        std::wmemcpy(conversion, start, conversion_length);
        conversion[conversion_length] = 0;
        wchar_t number[512];
        if (std::swprintf(number, sizeof(number) / sizeof(number[0]), conversion, value) < 0) {
          number[0] = 0;
        }
        out.Text(number);
        break;
      }
      default:
        out.Put(letter);
        break;
    }
  }
  return out.Length();
}

size_t FormatW(wchar_t* buffer, size_t capacity, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const size_t written = FormatWV(buffer, capacity, format, args);
  va_end(args);
  return written;
}

}  // namespace ORB
