#pragma once
// Writes uncompressed 24-bit bottom-up BMP files: the stand-in data and the
// test fixtures are made with it.

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    unsigned char r, g, b;
};

// pixels: width * height colours, bottom row first, no padding.
std::vector<unsigned char> bmp_encode(int32_t width, int32_t height, const std::vector<Rgb>& pixels);
bool bmp_write_file(const std::string& path, int32_t width, int32_t height, const std::vector<Rgb>& pixels);
