#pragma once
// Fills a dialog's message template (a localized text such as "Delete the
// player %s?") with one value, without handing the localized text to printf:
// a translator's stray "%" can neither read arguments that are not there nor
// crash the game.
//
//   - The first conversion ("%s", "%d", "%ls", "%05.2f", ...: a "%", the
//     flags - + # 0, width, precision and length letters, then a conversion
//     letter) becomes the value's text, whatever its letter says; later
//     conversions are copied as they stand. A blank after "%" starts no
//     conversion, so "50% off" stays as it is.
//   - "%%" becomes "%"; a "%" that starts no conversion is copied.
//   - The result holds at most kMessageLength characters (the rest is cut).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ORB_GF {

// A dialog's message buffer is 512 wide characters, the end mark included.
inline constexpr size_t kMessageLength = 511;

std::wstring FillMessageTemplate(std::wstring_view format, std::wstring_view value);
std::wstring FillMessageTemplate(std::wstring_view format, int32_t value);

}  // namespace ORB_GF
