// A contact sheet of all prayer pictures in a grid, each labelled with its index.
#pragma once

#include <cstdint>
#include <string>

#include "palette.h"
#include "poses.h"

// Pictures first..last (inclusive), magnified `scale` times.
bool writeContactSheet(const std::string& path, const uint8_t (&pictures)[kPictureCount][120 * 120],
                       const Rgb (&colours)[kPaletteEntries], int scale, int first = 0,
                       int last = kPictureCount - 1);
