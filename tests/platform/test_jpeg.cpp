#include "jpeg.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace ovalto {
namespace {

RgbImage Gradient(int width, int height) {
  RgbImage image;
  image.Width = width;
  image.Height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.Pixels.push_back(static_cast<std::uint8_t>(x * 255 / width));
      image.Pixels.push_back(static_cast<std::uint8_t>(y * 255 / height));
      image.Pixels.push_back(128);
    }
  }
  return image;
}

TEST(Jpeg, EncodedPictureDecodesToNearlyTheSamePixels) {
  const RgbImage original = Gradient(64, 48);
  const auto bytes = EncodeJpeg(original, 95);
  ASSERT_GT(bytes.size(), 100u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);

  const auto decoded = DecodeJpeg(bytes.data(), bytes.size());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Width, 64);
  EXPECT_EQ(decoded->Height, 48);
  ASSERT_EQ(decoded->Pixels.size(), original.Pixels.size());
  for (std::size_t i = 0; i < original.Pixels.size(); ++i) {
    EXPECT_LE(std::abs(decoded->Pixels[i] - original.Pixels[i]), 8) << i;
  }
}

TEST(Jpeg, DamagedDataGivesNoImageAndAReason) {
  std::string reason;
  const std::uint8_t garbage[] = {1, 2, 3, 4, 5};
  EXPECT_FALSE(DecodeJpeg(garbage, sizeof garbage, &reason));
  EXPECT_FALSE(reason.empty());

  auto bytes = EncodeJpeg(Gradient(16, 16), 80);
  bytes.resize(bytes.size() / 3);
  const auto cut = DecodeJpeg(bytes.data(), bytes.size());  // libjpeg pads a cut stream
  if (cut) {
    EXPECT_EQ(cut->Width, 16);
  }
}

TEST(Jpeg, ImagesWithoutEnoughPixelsAreNotEncoded) {
  RgbImage image = Gradient(8, 8);
  image.Pixels.pop_back();
  EXPECT_TRUE(EncodeJpeg(image, 80).empty());
  EXPECT_TRUE(EncodeJpeg(RgbImage{}, 80).empty());
}

}  // namespace
}  // namespace ovalto
