// Reads PNG files through libspng: any valid PNG (palette, grey, grey with
// alpha, RGB, RGBA, 1- to 16-bit, interlaced) comes out as 8-bit RGB.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TPngImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Rgb;  // rows top to bottom, 3 bytes a pixel (alpha dropped)
};

// No picture the project reads is wider or taller than this.
constexpr int LargestPngSide = 4096;
// Nor is its file larger.
constexpr size_t LargestPngFile = size_t{16} << 20;

// The size from the header alone, without decoding the picture.
bool PngSize(const uint8_t* data, size_t size, int& width, int& height, std::string& error);
// Decodes PNG bytes. On failure returns false and sets error to the reason
// (without the file's name).
bool DecodePng(const uint8_t* data, size_t size, TPngImage& image, std::string& error);
// Reads (a regular file of at most LargestPngFile bytes) and decodes; the
// error names the path.
bool ReadPng(const std::string& path, TPngImage& image, std::string& error);
