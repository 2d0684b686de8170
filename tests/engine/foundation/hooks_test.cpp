#include "engine/foundation/hooks.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/foundation/callback.h"

namespace ORB {
namespace {

class HookTable : public ::testing::Test {
 protected:
  void TearDown() override { ClearAllHooks(); }
};

TEST(CallbackTest, InvokeRules) {
  EXPECT_EQ(InvokeCallback(nullptr, 5), kResultNothingToCall);

  auto empty = CreateCallback(nullptr, "named");
  EXPECT_EQ(empty->name, "named");
  EXPECT_EQ(InvokeCallback(empty.get(), 5), kResultNone);

  auto echo =
      CreateCallback([](intptr_t argument) { return static_cast<int32_t>(argument); }, nullptr, 42);
  EXPECT_TRUE(echo->name.empty());
  EXPECT_EQ(InvokeCallback(echo.get(), 7), 7);
  // An argument of 0 means "none given": the stored one is passed instead.
  EXPECT_EQ(InvokeCallback(echo.get(), 0), 42);
}

TEST_F(HookTable, EmptySlotAnswersNothingToCall) {
  for (int32_t slot = 0; slot < static_cast<int32_t>(Hook::Count); ++slot) {
    EXPECT_EQ(FireHook(static_cast<Hook>(slot), 3), kResultNothingToCall);
  }
  EXPECT_EQ(FireHook(Hook::Count), kResultNothingToCall);
  EXPECT_EQ(FireHook(static_cast<Hook>(-1)), kResultNothingToCall);
}

TEST_F(HookTable, FiresOnlyItsOwnSlot) {
  int key_downs = 0;
  SetHook(Hook::KeyDown, [&](intptr_t code) {
    key_downs += static_cast<int>(code);
    return 1;
  });
  EXPECT_EQ(FireHook(Hook::KeyDown, 65), 1);
  EXPECT_EQ(FireHook(Hook::KeyUp, 65), kResultNothingToCall);
  EXPECT_EQ(key_downs, 65);
}

TEST_F(HookTable, ReplacingOrClearingFreesTheOldCallback) {
  auto token = std::make_shared<int>(0);
  std::weak_ptr<int> watch = token;
  SetHook(Hook::Update, [token](intptr_t) { return *token; });
  token.reset();
  EXPECT_FALSE(watch.expired());
  SetHook(Hook::Update, [](intptr_t) { return 2; });
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(FireHook(Hook::Update), 2);
  ClearHook(Hook::Update);
  EXPECT_EQ(GetHook(Hook::Update), nullptr);
}

TEST_F(HookTable, AHookMayClearItselfWhileItRuns) {
  auto token = std::make_shared<int>(7);
  SetHook(Hook::Exit, [token](intptr_t) {
    ClearHook(Hook::Exit);
    // The captured state is still there after the slot let go of it.
    return *token;
  });
  EXPECT_EQ(FireHook(Hook::Exit), 7);
  EXPECT_EQ(GetHook(Hook::Exit), nullptr);
  EXPECT_EQ(token.use_count(), 1) << "freed once the call returned";
}

TEST_F(HookTable, RaiseErrorSetsTextThenFires) {
  std::string seen;
  SetHook(Hook::Error, [&](intptr_t) {
    seen = GetErrorText();
    return 1;
  });
  EXPECT_EQ(RaiseError("Cant load res x"), 1);
  EXPECT_EQ(seen, "Cant load res x");
}

}  // namespace
}  // namespace ORB
