#include "framework/message_template.h"

namespace ORB_GF {

namespace {

bool IsIn(wchar_t c, std::wstring_view set) { return set.find(c) != std::wstring_view::npos; }

// The length of the conversion that starts with the "%" at `at`, or 0 when
// no conversion letter ends it.
size_t ConversionLength(std::wstring_view format, size_t at) {
  size_t i = at + 1;
  while (i < format.size() && IsIn(format[i], L"-+#0")) ++i;
  while (i < format.size() && format[i] >= L'0' && format[i] <= L'9') ++i;
  if (i < format.size() && format[i] == L'.') {
    ++i;
    while (i < format.size() && format[i] >= L'0' && format[i] <= L'9') ++i;
  }
  while (i < format.size() && IsIn(format[i], L"hlLqjzt")) ++i;
  if (i < format.size() && IsIn(format[i], L"sSdiuoxXfFeEgGaAcC")) return i + 1 - at;
  return 0;
}

}  // namespace

std::wstring FillMessageTemplate(std::wstring_view format, std::wstring_view value) {
  std::wstring out;
  bool filled = false;
  size_t i = 0;
  while (i < format.size() && out.size() < kMessageLength) {
    if (format[i] != L'%') {
      out += format[i++];
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == L'%') {
      out += L'%';
      i += 2;
      continue;
    }
    const size_t length = ConversionLength(format, i);
    if (length == 0) {
      out += format[i++];
    } else if (!filled) {
      out += value;
      filled = true;
      i += length;
    } else {
      out += format.substr(i, length);
      i += length;
    }
  }
  if (out.size() > kMessageLength) out.resize(kMessageLength);
  return out;
}

std::wstring FillMessageTemplate(std::wstring_view format, int32_t value) {
  return FillMessageTemplate(format, std::to_wstring(value));
}

}  // namespace ORB_GF
