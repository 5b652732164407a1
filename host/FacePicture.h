// The picture of the instrument's face, compiled into the program as JPEG.
#pragma once
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>

extern const uint8_t FaceJpeg[];
extern const std::size_t FaceJpegSize;

// Decodes a JPEG held in memory. On failure returns a null image and puts
// the reason into error.
QImage DecodeJpeg(const uint8_t* data, std::size_t size, QString& error);
