#include "jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace ovalto {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return;
// we jump back to the caller with the library's own message.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ExitWithMessage(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, manager->message);
  std::longjmp(manager->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

}  // namespace

std::optional<RgbImage> DecodeJpeg(const std::uint8_t* data, std::size_t size, std::string* error) {
  // Nothing with a destructor may live between setjmp and a jump to it, so the
  // result is made only after the library has finished.
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ExitWithMessage;
  errors.base.output_message = IgnoreMessage;
  errors.message[0] = '\0';
  std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;

  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    std::free(pixels);
    if (error) *error = errors.message;
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  pixels = static_cast<std::uint8_t*>(std::malloc(stride * static_cast<std::size_t>(height)));
  if (!pixels) {
    jpeg_destroy_decompress(&info);
    if (error) *error = "out of memory";
    return std::nullopt;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);

  RgbImage image;
  image.Width = width;
  image.Height = height;
  image.Pixels.assign(pixels, pixels + stride * static_cast<std::size_t>(height));
  std::free(pixels);
  return image;
}

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality) {
  const std::size_t needed = static_cast<std::size_t>(image.Width) * 3 * static_cast<std::size_t>(image.Height);
  if (image.Width <= 0 || image.Height <= 0 || image.Pixels.size() < needed) return {};
  jpeg_compress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ExitWithMessage;
  errors.base.output_message = IgnoreMessage;
  unsigned char* buffer = nullptr;
  unsigned long length = 0;

  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return {};
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &length);
  info.image_width = static_cast<JDIMENSION>(image.Width);
  info.image_height = static_cast<JDIMENSION>(image.Height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  const std::size_t stride = static_cast<std::size_t>(image.Width) * 3;
  while (info.next_scanline < info.image_height) {
    // libjpeg does not write through the row pointer; its API just lacks const.
    auto* row = const_cast<JSAMPLE*>(image.Pixels.data() + stride * info.next_scanline);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);

  std::vector<std::uint8_t> out(buffer, buffer + length);
  std::free(buffer);
  return out;
}

}  // namespace ovalto
