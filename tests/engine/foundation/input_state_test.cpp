#include "engine/foundation/input_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/hooks.h"
#include "engine/foundation/key_text.h"
#include "engine/platform/key_codes.h"

namespace ORB {
namespace {

using namespace platform;

class InputStateTest : public ::testing::Test {
 protected:
  void TearDown() override { ClearAllHooks(); }
  InputState input;
};

TEST_F(InputStateTest, PressHoldReleaseLifecycle) {
  input.OnKeyDown(kKeyA);
  EXPECT_TRUE(input.IsPressed(kKeyA));
  EXPECT_EQ(input.LastKey(), kKeyA);
  input.Update();
  EXPECT_EQ(input.GetKey(kKeyA), 2);
  EXPECT_EQ(input.LastKey(), 0);
  EXPECT_TRUE(input.IsDown(kKeyA));
  input.OnKeyUp(kKeyA);
  EXPECT_TRUE(input.IsReleased(kKeyA));
  input.Update();
  EXPECT_EQ(input.GetKey(kKeyA), kStateUp);
}

TEST_F(InputStateTest, PressAndReleaseInOneFrameIsNeverPressedAfterwards) {
  input.OnKeyDown(kMouseLeft);
  input.OnKeyUp(kMouseLeft);
  EXPECT_EQ(input.GetKey(kMouseLeft), kStateReleased);
  input.Update();
  EXPECT_EQ(input.GetKey(kMouseLeft), kStateUp);
  EXPECT_FALSE(input.IsPressed(kMouseLeft));
}

TEST_F(InputStateTest, KeyDownWhileReleasedThisFrameGoesIdle) {
  input.OnKeyDown(kKeySpace);
  input.OnKeyUp(kKeySpace);
  input.OnKeyDown(kKeySpace);
  EXPECT_EQ(input.GetKey(kKeySpace), kStateUp);
}

TEST_F(InputStateTest, HoldingStaysInTheHeldRange) {
  input.OnKeyDown(kKeyRight);
  for (int frame = 0; frame < 200; ++frame) {
    input.Update();
    if (frame % 7 == 0) input.OnKeyDown(kKeyRight);  // auto-repeat messages
    const uint8_t state = input.GetKey(kKeyRight);
    ASSERT_GE(state, 2) << "frame " << frame;
    ASSERT_LE(state, kStateHeldMax) << "frame " << frame;
  }
}

TEST_F(InputStateTest, ShiftGivesCapitalsAndMarksState20) {
  input.OnKeyDown(kKeyShift);
  EXPECT_EQ(input.GetKey(kKeyCapsLock), kStatePressed);
  input.Update();
  input.Update();
  EXPECT_EQ(input.GetKey(kKeyCapsLock), kStatePressed) << "state 20 never counts up";
  input.OnKeyDown(kKeyA);
  EXPECT_EQ(std::wstring(input.Text()), L"A");
  input.OnKeyDown(kKey0 + 1);
  EXPECT_EQ(std::wstring(input.Text()), L"!");
  input.OnKeyUp(kKeyShift);
  EXPECT_EQ(input.GetKey(kKeyCapsLock), kStateReleased);
  input.Update();
  EXPECT_EQ(input.GetKey(kKeyCapsLock), kStateUp);
  EXPECT_EQ(input.Text()[0], 0) << "text is cleared each frame";
  input.OnKeyDown(kKeyA + 25);
  EXPECT_EQ(std::wstring(input.Text()), L"z");
}

TEST_F(InputStateTest, ControlKeysTypeNothing) {
  input.OnKeyDown(kKeyA);
  input.OnKeyDown(kKeyBackspace);
  EXPECT_EQ(std::wstring(input.Text()), L"a") << "backspace leaves the text alone";
  EXPECT_TRUE(InputState::IsControlKey(kKeyEscape));
  EXPECT_FALSE(InputState::IsControlKey(kKeySpace));
}

TEST_F(InputStateTest, TypedTextIsWhatTheLayoutTypedEachCharacterOnce) {
  std::vector<std::pair<intptr_t, std::wstring>> passes;
  SetHook(Hook::KeyDown, [&](intptr_t code) {
    passes.emplace_back(code, input.Text());
    return 1;
  });
  input.OnKeyDown(kKeyShift);
  input.OnKeyDownTyped(kKey0 + 7, L'/');  // Shift+7 on a German keyboard
  EXPECT_EQ(input.GetKey(kKey0 + 7), kStatePressed) << "key states as for any key-down";
  input.OnKeyDownTyped(kKeyF1, 0);
  input.OnKeyDownTyped(kKeyBackspace, 0);
  input.OnTypedText(L'\u00E9');  // from a key without a code
  input.OnTypedText(0);
  input.OnKeyDownTyped(kKeyDelete, L'x');  // a control key types nothing itself
  input.OnKeyDownTyped(500, L'y');
  const std::vector<std::pair<intptr_t, std::wstring>> expected = {
      {kKeyShift, L""}, {kKey0 + 7, L"/"}, {kKeyF1, L""}, {kKeyBackspace, L""},
      {0, L"\u00E9"},   {kKeyDelete, L""}, {0, L"x"},     {0, L"y"}};
  EXPECT_EQ(passes, expected);
  EXPECT_EQ(input.LastKey(), 0);
  EXPECT_TRUE(input.IsPressed(kKeyDelete));
  EXPECT_EQ(input.GetKey(0), kStateUp) << "a character alone presses no key";
  input.Update();
  EXPECT_EQ(input.Text()[0], 0);
}

TEST_F(InputStateTest, OutOfRangeCodesAreIgnored) {
  int fired = 0;
  SetHook(Hook::KeyDown, [&](intptr_t) { return ++fired; });
  input.OnKeyDown(0);
  input.OnKeyDown(256);
  input.OnKeyDown(-5);
  input.OnKeyUp(1000);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(input.GetKey(256), kStateUp);
  EXPECT_EQ(input.GetKey(-1), kStateUp);
}

TEST_F(InputStateTest, HooksCarryKeyCodesAndMouseMoves) {
  std::vector<std::string> events;
  SetHook(Hook::KeyDown, [&](intptr_t code) {
    events.push_back("down " + std::to_string(code));
    return 1;
  });
  SetHook(Hook::KeyUp, [&](intptr_t code) {
    events.push_back("up " + std::to_string(code));
    return 1;
  });
  SetHook(Hook::MouseMove, [&](intptr_t) {
    events.push_back("move " + std::to_string(input.MousePosition().x));
    return 1;
  });
  input.OnMouseMove(10, 20);
  input.OnMouseMove(30, 40);
  input.OnKeyDown(kMouseRight);
  input.OnKeyUp(kMouseRight);
  EXPECT_EQ(events, (std::vector<std::string>{"move 10", "move 30", "down 2", "up 2"}));
  EXPECT_EQ(input.PreviousMousePosition(), Point(10, 20));
  float x = 0, y = 0;
  EXPECT_EQ(input.GetMousePos(&x, &y, 0), kResultOk);
  EXPECT_EQ(x, 30.0f);
  EXPECT_EQ(y, 40.0f);
  EXPECT_EQ(input.GetMousePos(&x, &y, 1), kResultNotFound);
}

TEST_F(InputStateTest, ReleaseAllLetsGoOfEverythingDown) {
  input.OnKeyDown(kKeyShift);
  input.OnKeyDown(kMouseLeft);
  input.Update();
  input.ReleaseAll();
  EXPECT_TRUE(input.IsReleased(kKeyShift));
  EXPECT_TRUE(input.IsReleased(kKeyCapsLock));
  EXPECT_TRUE(input.IsReleased(kMouseLeft));
  EXPECT_EQ(input.GetKey(kKeyA), kStateUp);
}

TEST(InputStateCurrent, PublishedWhileAlive) {
  {
    InputState input;
    EXPECT_EQ(InputState::Current(), &input);
  }
  EXPECT_EQ(InputState::Current(), nullptr);
}

TEST(KeyToTextTest, LayoutTable) {
  uint8_t states[256] = {};
  wchar_t text[6];
  struct Case {
    int32_t code;
    bool shift;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {kKeyA, false, L"a"},        {kKeyA, true, L"A"},           {kKey0 + 2, true, L"@"},
      {kKey0 + 9, false, L"9"},    {kKeyNumpad0 + 5, true, L"5"}, {kKeyOemMinus, true, L"_"},
      {kKeyOemQuote, true, L"\""}, {kKeySpace, false, L" "},      {kKeyOemSlash, false, L"/"},
  };
  for (const Case& c : cases) {
    states[kKeyShift] = c.shift ? 3 : 0;
    EXPECT_EQ(KeyToText(c.code, states, text, 6), kResultOk) << c.code;
    EXPECT_EQ(std::wstring(text), c.expected) << c.code;
  }
  EXPECT_EQ(KeyToText(kKeyF1, states, text, 6), kResultFailed);
  EXPECT_EQ(text[0], 0);
  EXPECT_EQ(KeyToText(kKeyA, states, text, 1), kResultBadArgument)
      << "no room for a character and its end";
  EXPECT_EQ(KeyToText(300, states, text, 6), kResultBadArgument);
}

}  // namespace
}  // namespace ORB
