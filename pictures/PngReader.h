// Reads the 8-bit RGB and RGBA PNG files the project writes (reference
// screens of the scenario files), without any toolkit.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TPngImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Rgb;  // rows top to bottom, 3 bytes a pixel (alpha dropped)
};

// Decodes PNG bytes. On failure returns false and sets error to the reason
// (without the file's name).
bool DecodePng(const uint8_t* data, size_t size, TPngImage& image, std::string& error);
// Reads and decodes a file; the error names the path.
bool ReadPng(const std::string& path, TPngImage& image, std::string& error);
