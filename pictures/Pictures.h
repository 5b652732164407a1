// Pictures of the display without any toolkit: the frame buffer through the
// colour table, and PNG files of it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The display through the colour table, each pixel a scale x scale block:
// (160 * scale) x (120 * scale) pixels, rows top to bottom, 3 bytes a pixel.
std::vector<uint8_t> DisplayRgb(const uint8_t* frame, int scale);

// An 8-bit RGB PNG of width x height pixels in memory (libspng); false with
// the reason when the pixels do not match the size.
bool EncodePng(int width, int height, const std::vector<uint8_t>& rgb, std::vector<uint8_t>& png,
               std::string& reason);

// Writes an 8-bit RGB PNG of width x height pixels in a folder that exists,
// through the confined writer (ConfinedFiles.h): the file appears whole or not
// at all and no symbolic link under its name is followed. On failure it
// returns false and sets error to a sentence naming the path and the reason,
// and a file already at the path is left as it was.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error);

// The display as a PNG, each pixel a scale x scale block (scale 1..8).
bool WriteDisplayPng(const std::string& path, const uint8_t* frame, int scale, std::string& error);

// The sentence for a file that could not be written: "Could not write PATH: REASON."
std::string WriteFailure(const std::string& path, const std::string& reason);
