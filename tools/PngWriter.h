// Minimal PNG writer (8-bit RGB, zlib-compressed) for the asset and screen tools.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes an 8-bit RGB image of width x height, rows top to bottom, 3 bytes a
// pixel. Returns false when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
