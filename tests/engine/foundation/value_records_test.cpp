#include <gtest/gtest.h>

#include "engine/foundation/render_state_key.h"
#include "engine/foundation/texture_size_record.h"

namespace ORB {
namespace {

TEST(RenderStateKey, ComparesOnlyTheBatchingBits) {
  const RenderStateKey a(0x00002432u);
  EXPECT_EQ(a, RenderStateKey(0x00002432u));
  EXPECT_EQ(a, RenderStateKey(0xFFFC2432u));  // bits 18 and up are ignored
  EXPECT_NE(a, RenderStateKey(0x00002433u));  // bit 0
  EXPECT_NE(a, RenderStateKey(0x00006432u));  // bits 8-14
  EXPECT_NE(a, RenderStateKey(0x0000A432u));  // bits 15-16
  EXPECT_NE(a, RenderStateKey(0x00022432u));  // bit 17
}

TEST(TextureSizeRecord, Ratio) {
  TextureSizeRecord record;
  EXPECT_EQ(record.value, 0);
  EXPECT_EQ(record.size, Point());
  EXPECT_EQ(record.Ratio(10), 0.0);  // no width: no infinity
  record.size = {256, 128};
  EXPECT_EQ(record.Ratio(64), 0.25);
}

}  // namespace
}  // namespace ORB
