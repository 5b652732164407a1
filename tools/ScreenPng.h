// Screen renderer: the display's frame buffer as a PNG picture.
#pragma once
#include <cstdint>
#include <string>

// Renders the display's frame buffer through the colour table, each pixel a
// scale x scale block, and writes it as PNG.
bool WriteFrameBufferPng(const std::string& path, const uint8_t* frame, int scale);
