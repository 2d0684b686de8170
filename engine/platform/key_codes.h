#pragma once
// Key codes of the input state: the Windows virtual-key numbering, which the
// game's data and logic are written against. Mouse buttons share the table.
#include <cstdint>

namespace ORB::platform {

enum KeyCode : int32_t {
  kKeyNone = 0,
  kMouseLeft = 1,
  kMouseRight = 2,
  kMouseMiddle = 4,
  kKeyBackspace = 8,
  kKeyTab = 9,
  kKeyEnter = 13,
  kKeyShift = 16,
  kKeyControl = 17,
  kKeyAlt = 18,
  kKeyPause = 19,
  kKeyCapsLock = 20,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyInsert = 45,
  kKeyDelete = 46,
  kKey0 = 48,  // '0' .. '9' are 48 .. 57
  kKeyA = 65,  // 'A' .. 'Z' are 65 .. 90
  kKeyNumpad0 = 96,  // numpad 0 .. 9 are 96 .. 105
  kKeyMultiply = 106,
  kKeyAdd = 107,
  kKeySubtract = 109,
  kKeyDecimal = 110,
  kKeyDivide = 111,
  kKeyF1 = 112,  // F1 .. F12 are 112 .. 123
  kKeyNumLock = 144,
  kKeyScrollLock = 145,
  kKeyOemSemicolon = 186,  // ;:
  kKeyOemPlus = 187,       // =+
  kKeyOemComma = 188,      // ,<
  kKeyOemMinus = 189,      // -_
  kKeyOemPeriod = 190,     // .>
  kKeyOemSlash = 191,      // /?
  kKeyOemTilde = 192,      // `~
  kKeyOemOpenBracket = 219,   // [{
  kKeyOemBackslash = 220,     // \|
  kKeyOemCloseBracket = 221,  // ]}
  kKeyOemQuote = 222,         // '"
};

// Number of entries of the key-state table; every valid code is below it.
constexpr int32_t kKeyCount = 256;

constexpr bool IsValidKeyCode(int32_t code) { return code > 0 && code < kKeyCount; }

}  // namespace ORB::platform
