#include "host/FacePicture.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to the decoder with the message kept.
struct TJpegError {
  jpeg_error_mgr Manager;
  std::jmp_buf Escape;
  char Message[JMSG_LENGTH_MAX];
  int Warnings;
};

void OnJpegError(j_common_ptr info) {
  auto* error = reinterpret_cast<TJpegError*>(info->err);
  (*info->err->format_message)(info, error->Message);
  std::longjmp(error->Escape, 1);
}

// A damaged stream only warns (and decodes grey); such a picture counts as
// broken, and the first warning is kept as the reason.
void OnJpegMessage(j_common_ptr info, int level) {
  auto* error = reinterpret_cast<TJpegError*>(info->err);
  if (level < 0 && error->Warnings++ == 0) (*info->err->format_message)(info, error->Message);
}

}  // namespace

QImage DecodeJpeg(const uint8_t* data, std::size_t size, QString& error) {
  if (data == nullptr || size == 0) {
    error = "The picture is empty.";
    return {};
  }
  jpeg_decompress_struct info{};
  TJpegError jerr{};
  info.err = jpeg_std_error(&jerr.Manager);
  jerr.Manager.error_exit = OnJpegError;
  jerr.Manager.emit_message = OnJpegMessage;
  // Changed after setjmp and read after the jump, hence volatile.
  QImage* volatile image = nullptr;
  if (setjmp(jerr.Escape) != 0) {
    jpeg_destroy_decompress(&info);
    delete image;
    error = QString::fromLocal8Bit(jerr.Message);
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image = new QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                     QImage::Format_RGB888);
  if (image->isNull()) {
    jpeg_destroy_decompress(&info);
    delete image;
    error = "The picture is too large.";
    return {};
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  QImage result = std::move(*image);
  delete image;
  if (jerr.Warnings > 0) {
    error = QString::fromLocal8Bit(jerr.Message);
    return {};
  }
  error.clear();
  return result;
}
