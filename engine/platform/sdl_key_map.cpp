#include "engine/platform/sdl_key_map.h"

#include <SDL.h>

#include "engine/platform/key_codes.h"

namespace ORB::platform {

namespace {

struct KeyPair {
  SDL_Keycode sdl;
  int32_t vk;
};

constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, kKeyBackspace}, {SDLK_TAB, kKeyTab},
    {SDLK_RETURN, kKeyEnter},        {SDLK_KP_ENTER, kKeyEnter},
    {SDLK_LSHIFT, kKeyShift},        {SDLK_RSHIFT, kKeyShift},
    {SDLK_LCTRL, kKeyControl},       {SDLK_RCTRL, kKeyControl},
    {SDLK_LALT, kKeyAlt},            {SDLK_RALT, kKeyAlt},
    {SDLK_PAUSE, kKeyPause},         {SDLK_CAPSLOCK, kKeyCapsLock},
    {SDLK_ESCAPE, kKeyEscape},       {SDLK_SPACE, kKeySpace},
    {SDLK_PAGEUP, kKeyPageUp},       {SDLK_PAGEDOWN, kKeyPageDown},
    {SDLK_END, kKeyEnd},             {SDLK_HOME, kKeyHome},
    {SDLK_LEFT, kKeyLeft},           {SDLK_UP, kKeyUp},
    {SDLK_RIGHT, kKeyRight},         {SDLK_DOWN, kKeyDown},
    {SDLK_INSERT, kKeyInsert},       {SDLK_DELETE, kKeyDelete},
    {SDLK_KP_MULTIPLY, kKeyMultiply}, {SDLK_KP_PLUS, kKeyAdd},
    {SDLK_KP_MINUS, kKeySubtract},   {SDLK_KP_PERIOD, kKeyDecimal},
    {SDLK_KP_DIVIDE, kKeyDivide},    {SDLK_NUMLOCKCLEAR, kKeyNumLock},
    {SDLK_SCROLLLOCK, kKeyScrollLock},
    {SDLK_SEMICOLON, kKeyOemSemicolon}, {SDLK_EQUALS, kKeyOemPlus},
    {SDLK_COMMA, kKeyOemComma},      {SDLK_MINUS, kKeyOemMinus},
    {SDLK_PERIOD, kKeyOemPeriod},    {SDLK_SLASH, kKeyOemSlash},
    {SDLK_BACKQUOTE, kKeyOemTilde},  {SDLK_LEFTBRACKET, kKeyOemOpenBracket},
    {SDLK_BACKSLASH, kKeyOemBackslash}, {SDLK_RIGHTBRACKET, kKeyOemCloseBracket},
    {SDLK_QUOTE, kKeyOemQuote},
};

constexpr SDL_Keycode kNumpadDigits[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                         SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};

}  // namespace

int32_t VirtualKeyFromSdl(int32_t sdl_keycode) {
  if (sdl_keycode >= SDLK_a && sdl_keycode <= SDLK_z) return kKeyA + (sdl_keycode - SDLK_a);
  if (sdl_keycode >= SDLK_0 && sdl_keycode <= SDLK_9) return kKey0 + (sdl_keycode - SDLK_0);
  if (sdl_keycode >= SDLK_F1 && sdl_keycode <= SDLK_F12) return kKeyF1 + (sdl_keycode - SDLK_F1);
  for (int i = 0; i < 10; ++i) {
    if (kNumpadDigits[i] == sdl_keycode) return kKeyNumpad0 + i;
  }
  for (const KeyPair& pair : kNamedKeys) {
    if (pair.sdl == sdl_keycode) return pair.vk;
  }
  return kKeyNone;
}

}  // namespace ORB::platform
