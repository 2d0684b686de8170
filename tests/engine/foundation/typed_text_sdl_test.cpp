// Typed text through the real window on SDL's headless driver: what the
// system typed in the player's keyboard layout reaches the press pass (the
// key-down hook) with the key that typed it, each character once; with text
// input off the keys are read on a US layout.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/window.h"
#include "engine/platform/key_codes.h"
#include "engine/platform/sdl_event_injector.h"

namespace ORB {
namespace {

using namespace platform;

// What each press pass saw: the hook's key code and the input state's text.
struct Pass {
  intptr_t key;
  std::wstring text;
  bool operator==(const Pass& other) const { return key == other.key && text == other.text; }
};

std::ostream& operator<<(std::ostream& out, const Pass& pass) {
  out << "{" << pass.key << ", \"";
  for (const wchar_t c : pass.text) out << "\\x" << std::hex << static_cast<int>(c) << std::dec;
  return out << "\"}";
}

class TypedTextSdlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_.Create("Typed text"));
    window_.PumpMessages(input_);  // whatever the driver queued on creation
    input_.Update();
    SetHook(Hook::KeyDown, [this](intptr_t code) {
      passes_.push_back({code, input_.Text()});
      return 1;
    });
  }
  void TearDown() override {
    ClearAllHooks();
    window_.GetDisplay().SetTextInput(true);
  }

  // Pumps the queue as one frame and answers the passes it ran.
  std::vector<Pass> Frame() {
    passes_.clear();
    window_.PumpMessages(input_);
    input_.Update();
    return passes_;
  }

  InputState input_;
  Window window_;
  std::vector<Pass> passes_;
};

TEST_F(TypedTextSdlTest, TheLayoutsCharacterComesWithItsKeyOnce) {
  ASSERT_TRUE(window_.GetDisplay().IsTextInputOn()) << "text input is on from the start";
  // Shift+7 on a German keyboard types "/" (a US table would say "&").
  ASSERT_TRUE(InjectKey(SDLK_LSHIFT, true));
  ASSERT_TRUE(InjectKey(SDLK_7, true));
  ASSERT_TRUE(InjectText("/"));
  ASSERT_TRUE(InjectKey(SDLK_7, false));
  ASSERT_TRUE(InjectKey(SDLK_LSHIFT, false));
  EXPECT_EQ(Frame(), (std::vector<Pass>{{kKeyShift, L""}, {'7', L"/"}}));

  // "é" from a key the game has no code for: the character alone, no key.
  ASSERT_TRUE(InjectKey(0xE9, true));
  ASSERT_TRUE(InjectText("\xC3\xA9"));
  ASSERT_TRUE(InjectKey(0xE9, false));
  EXPECT_EQ(Frame(), (std::vector<Pass>{{0, L"\u00E9"}}));

  // Backspace types nothing, also right after a character in the same frame.
  ASSERT_TRUE(InjectKey(SDLK_a, true));
  ASSERT_TRUE(InjectText("a"));
  ASSERT_TRUE(InjectKey(SDLK_BACKSPACE, true));
  ASSERT_TRUE(InjectKey(SDLK_F1, true));
  EXPECT_EQ(Frame(), (std::vector<Pass>{{kKeyA, L"a"}, {kKeyBackspace, L""}, {kKeyF1, L""}}));

  // Each repeat of a held key types once.
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(InjectKey(SDLK_q, true));
    ASSERT_TRUE(InjectText("q"));
  }
  EXPECT_EQ(Frame(), (std::vector<Pass>{{'Q', L"q"}, {'Q', L"q"}, {'Q', L"q"}}));

  // Two characters from one key: the second on its own.
  ASSERT_TRUE(InjectKey(SDLK_e, true));
  ASSERT_TRUE(
      InjectText("\xC2\xB4"
                 "e"));
  EXPECT_EQ(Frame(), (std::vector<Pass>{{'E', L"\u00B4"}, {0, L"e"}}));
}

TEST_F(TypedTextSdlTest, WithTextInputOffKeysAreReadOnAUsLayout) {
  window_.GetDisplay().SetTextInput(false);
  EXPECT_FALSE(window_.GetDisplay().IsTextInputOn());
  EXPECT_FALSE(InjectText("/")) << "the system reports no text then";
  ASSERT_TRUE(InjectKey(SDLK_LSHIFT, true));
  ASSERT_TRUE(InjectKey(SDLK_7, true));
  EXPECT_EQ(Frame(), (std::vector<Pass>{{kKeyShift, L""}, {'7', L"&"}}));
  ASSERT_TRUE(InjectKey(SDLK_LSHIFT, false));
  Frame();
  ASSERT_TRUE(InjectKey(SDLK_b, true));
  EXPECT_EQ(Frame(), (std::vector<Pass>{{'B', L"b"}}));

  window_.GetDisplay().SetTextInput(true);
  ASSERT_TRUE(InjectKey(SDLK_b, true));
  ASSERT_TRUE(InjectText("b"));
  EXPECT_EQ(Frame(), (std::vector<Pass>{{'B', L"b"}})) << "not typed twice once it is on again";
}

}  // namespace
}  // namespace ORB
