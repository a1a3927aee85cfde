// Minimal writer for 8-bit palette PNG images.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "palette.h"

// Writes width x height palette indices (top row first) as a PNG file.
bool writeIndexedPng(const std::string& path, int width, int height, const std::vector<uint8_t>& indices,
                     const Rgb (&colours)[kPaletteEntries]);
