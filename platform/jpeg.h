// JPEG through libjpeg: the window pictures are stored as JPEG and decoded
// here; the results chart is encoded here for the report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovalto {

// Rows top to bottom, three bytes (R, G, B) a pixel, no padding.
struct RgbImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;
};

// Gives no image, with the decoder's reason in *error, for data that is not
// a JPEG picture or is damaged.
std::optional<RgbImage> DecodeJpeg(const std::uint8_t* data, std::size_t size, std::string* error = nullptr);

// Quality 1..100. An empty image gives an empty result.
std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality);

}  // namespace ovalto
