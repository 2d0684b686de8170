#include "engine/platform/image_decoder.h"

#include <gtest/gtest.h>

#include "support/read_file.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "support/source_path.h"

namespace ORB::platform {
namespace {

using test_support::ReadFile;

TEST(ImageDecoder, DecodesPngAtItsOwnSizeAsArgbWords) {
  const auto bytes = ReadFile(test_support::TestData("renderer/five_by_three.png"));
  ASSERT_FALSE(bytes.empty());
  DecodedImage image;
  ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), image));
  EXPECT_EQ(image.width, 5);
  EXPECT_EQ(image.height, 3);
  ASSERT_EQ(image.pixels.size(), 15u);
  // Row 0 left to right, then rows top to bottom.
  EXPECT_EQ(image.pixels[0], 0xFFFF0000u);
  EXPECT_EQ(image.pixels[1], 0xFF00FF00u);
  EXPECT_EQ(image.pixels[2], 0xFF0000FFu);
  EXPECT_EQ(image.pixels[3], 0xFFFFFFFFu);
  EXPECT_EQ(image.pixels[4], 0x80000000u);
  EXPECT_EQ(image.pixels[5], 0xFF0A141Eu);
  EXPECT_EQ(image.pixels[14], 0x40C86432u);
  // In memory each word is B, G, R, A.
  const auto* bytes_of_first = reinterpret_cast<const unsigned char*>(&image.pixels[0]);
  EXPECT_EQ(bytes_of_first[0], 0x00);
  EXPECT_EQ(bytes_of_first[2], 0xFF);
  EXPECT_EQ(bytes_of_first[3], 0xFF);
}

TEST(ImageDecoder, RefusesDamagedShortAndMissingData) {
  DecodedImage image;
  std::string error;
  const auto corrupt = ReadFile(test_support::TestData("renderer/corrupt.png"));
  ASSERT_FALSE(corrupt.empty());
  EXPECT_FALSE(DecodeImage(corrupt.data(), corrupt.size(), image, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(image.width, 0);
  EXPECT_TRUE(image.pixels.empty());

  const auto good = ReadFile(test_support::TestData("renderer/five_by_three.png"));
  EXPECT_FALSE(DecodeImage(good.data(), 20, image));  // cut inside the header
  EXPECT_FALSE(DecodeImage(nullptr, 10, image));
  EXPECT_FALSE(DecodeImage(good.data(), 0, image));
  const std::string text = "not an image at all";
  EXPECT_FALSE(DecodeImage(text.data(), text.size(), image));
}

TEST(ImageDecoder, RefusesAHugeImageBeforeDecodingIt) {
  const auto bytes = ReadFile(test_support::TestData("renderer/huge_header.png"));
  ASSERT_FALSE(bytes.empty());
  DecodedImage image;
  std::string error;
  EXPECT_FALSE(DecodeImage(bytes.data(), bytes.size(), image, &error));
  EXPECT_TRUE(image.pixels.empty());
}

}  // namespace
}  // namespace ORB::platform
