#pragma once
// Reads a BMP file into the decoded image that the texture loaders hand to
// gluBuild2DMipmaps: 24-bit RGB, bottom row first, each row padded to a
// multiple of 4 bytes (the default GL_UNPACK_ALIGNMENT).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct BmpImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<unsigned char> pixels;  // height rows of bmp_row_stride(width) bytes

    const unsigned char* row(int32_t y) const;  // y = 0 is the bottom row
};

// Bytes in one padded row of 24-bit pixels.
std::size_t bmp_row_stride(int32_t width);

// Either an image or the reason there is none ("no such file", "not a BMP file", ...).
struct BmpResult {
    std::unique_ptr<BmpImage> image;
    std::string error;
};

// Largest image accepted, in pixels (width times height).
constexpr int64_t kBmpMaxPixels = int64_t{8192} * 8192;

// Largest file read: the largest image at 4 bytes a pixel, with room for any
// headers, palette and gap before the rows. Nothing longer is read.
constexpr int64_t kBmpMaxFileBytes = 4 * kBmpMaxPixels + 64 * 1024;

// Accepts uncompressed 1, 4, 8 (palette), 16, 24 and 32-bit files, bit
// fields at 16 and 32 bits, bottom-up or top-down, with any of the usual
// header sizes. A palette index past the stored palette refuses the image.
// Running out of memory is one more reason ("out of memory"), never an exception.
BmpResult bmp_decode(const unsigned char* data, std::size_t size);
// Regular files only: a pipe or a device is refused without being read. Other
// failures give the system's reason ("Permission denied", ...).
BmpResult bmp_read_file(const char* path);
