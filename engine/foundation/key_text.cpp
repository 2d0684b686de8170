#include "engine/foundation/key_text.h"

#include "engine/foundation/result_codes.h"
#include "engine/platform/key_codes.h"

namespace ORB {

namespace {

using namespace platform;

struct Symbol {
  int32_t code;
  wchar_t plain;
  wchar_t shifted;
};

constexpr Symbol kSymbols[] = {
    {kKeySpace, L' ', L' '},           {kKeyOemSemicolon, L';', L':'},
    {kKeyOemPlus, L'=', L'+'},         {kKeyOemComma, L',', L'<'},
    {kKeyOemMinus, L'-', L'_'},        {kKeyOemPeriod, L'.', L'>'},
    {kKeyOemSlash, L'/', L'?'},        {kKeyOemTilde, L'`', L'~'},
    {kKeyOemOpenBracket, L'[', L'{'},  {kKeyOemBackslash, L'\\', L'|'},
    {kKeyOemCloseBracket, L']', L'}'}, {kKeyOemQuote, L'\'', L'"'},
    {kKeyMultiply, L'*', L'*'},        {kKeyAdd, L'+', L'+'},
    {kKeySubtract, L'-', L'-'},        {kKeyDecimal, L'.', L'.'},
    {kKeyDivide, L'/', L'/'},
};

constexpr wchar_t kShiftedDigits[] = L")!@#$%^&*(";

bool ShiftHeld(const uint8_t* states) {
  const uint8_t shift = states[kKeyShift];
  return (shift >= 1 && shift <= 125) || (states[kKeyCapsLock] & 1) != 0;
}

wchar_t CharacterFor(int32_t code, bool shift) {
  if (code >= kKeyA && code < kKeyA + 26) {
    return static_cast<wchar_t>((shift ? L'A' : L'a') + (code - kKeyA));
  }
  if (code >= kKey0 && code < kKey0 + 10) {
    return shift ? kShiftedDigits[code - kKey0] : static_cast<wchar_t>(L'0' + (code - kKey0));
  }
  if (code >= kKeyNumpad0 && code < kKeyNumpad0 + 10) {
    return static_cast<wchar_t>(L'0' + (code - kKeyNumpad0));
  }
  for (const Symbol& symbol : kSymbols) {
    if (symbol.code == code) return shift ? symbol.shifted : symbol.plain;
  }
  return 0;
}

}  // namespace

int32_t KeyToText(int32_t key_code, const uint8_t* key_states, wchar_t* buffer, size_t capacity) {
  if (buffer == nullptr || capacity == 0) return kResultBadArgument;
  buffer[0] = 0;
  if (key_states == nullptr || !IsValidKeyCode(key_code) || capacity < 2) return kResultBadArgument;
  const wchar_t character = CharacterFor(key_code, ShiftHeld(key_states));
  if (character == 0) return kResultFailed;
  buffer[0] = character;
  buffer[1] = 0;
  return kResultOk;
}

}  // namespace ORB
