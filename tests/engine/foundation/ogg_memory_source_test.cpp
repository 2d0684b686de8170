#include "engine/foundation/ogg_memory_source.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

namespace {

using ORB::OggMemoryRead;
using ORB::OggMemorySeek;
using ORB::OggMemorySource;
using ORB::OggMemoryTell;

TEST(OggMemorySource, ReadsStopAtTheEndOfTheData) {
  const uint8_t data[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  OggMemorySource source{data, sizeof data, 0};
  uint8_t out[16] = {};
  EXPECT_EQ(OggMemoryRead(out, 1, 4, &source), 4u);
  EXPECT_EQ(out[3], 3);
  EXPECT_EQ(OggMemoryTell(&source), 4);
  EXPECT_EQ(OggMemoryRead(out, 1, 16, &source), 6u);
  EXPECT_EQ(out[5], 9);
  EXPECT_EQ(OggMemoryRead(out, 1, 16, &source), 0u);
  // A count whose product with the element size overflows reads what is left, no more.
  ASSERT_EQ(OggMemorySeek(&source, 8, SEEK_SET), 0);
  EXPECT_EQ(OggMemoryRead(out, 4, std::numeric_limits<size_t>::max() / 2, &source), 2u);
  EXPECT_EQ(OggMemoryTell(&source), 10);
}

TEST(OggMemorySource, SeeksStayInsideTheData) {
  const uint8_t data[10] = {};
  OggMemorySource source{data, sizeof data, 0};
  EXPECT_EQ(OggMemorySeek(&source, 3, SEEK_SET), 0);
  EXPECT_EQ(OggMemorySeek(&source, 2, SEEK_CUR), 0);
  EXPECT_EQ(OggMemoryTell(&source), 5);
  EXPECT_EQ(OggMemorySeek(&source, -4, SEEK_END), 0);
  EXPECT_EQ(OggMemoryTell(&source), 6);
  EXPECT_EQ(OggMemorySeek(&source, 0, SEEK_END), 0);
  EXPECT_EQ(OggMemoryTell(&source), 10);

  // Refused targets leave the position where it was.
  EXPECT_EQ(OggMemorySeek(&source, 1, SEEK_END), -1);
  EXPECT_EQ(OggMemorySeek(&source, -11, SEEK_END), -1);
  EXPECT_EQ(OggMemorySeek(&source, -1, SEEK_SET), -1);
  EXPECT_EQ(OggMemorySeek(&source, 11, SEEK_SET), -1);
  EXPECT_EQ(OggMemorySeek(&source, std::numeric_limits<int64_t>::max(), SEEK_CUR), -1);
  EXPECT_EQ(OggMemorySeek(&source, std::numeric_limits<int64_t>::min(), SEEK_CUR), -1);
  EXPECT_EQ(OggMemorySeek(&source, 0, 7), -1);
  EXPECT_EQ(OggMemoryTell(&source), 10);
  uint8_t out[4];
  EXPECT_EQ(OggMemoryRead(out, 1, 4, &source), 0u);
}

}  // namespace
