#pragma once

#include <string>

// Sizes, names and the size page of the report resizing window.

// ReportsDir + "_T_" + the source's file name, whatever folder the source is in.
std::string ResizeResultPath(const std::string& sourcePath);

// One side at `percent`: side x percent / 100 in floating point, truncated, at least 1.
int ScaledSide(int side, int percent);

// The encoder by the last four characters of the source path, any case:
// ".bmp", ".gif", ".png", ".tif" keep their format; anything else is written as JPEG.
std::string ResizeEncoderMime(const std::string& sourcePath);

// The bytes of "message.htm", which shows the size the chosen percentage gives.
std::string SizePageBytes(int width, int height);
