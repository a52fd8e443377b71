#include "bmp_reader.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include <stb_image.h>

std::size_t bmp_row_stride(int32_t width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

const unsigned char* BmpImage::row(int32_t y) const { return pixels.data() + bmp_row_stride(width) * y; }

// TODO(bmp hardening): header validation lands with the reader tests.
BmpResult bmp_decode(const unsigned char* data, std::size_t size) {
    BmpResult result;
    int w = 0, h = 0, n = 0;
    unsigned char* rgb = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &n, 3);
    if (!rgb) {
        result.error = "not a BMP file";
        return result;
    }
    auto image = std::make_unique<BmpImage>();
    image->width = w;
    image->height = h;
    const std::size_t stride = bmp_row_stride(w);
    image->pixels.assign(stride * h, 0);
    for (int y = 0; y < h; ++y)  // the decoder gives the top row first
        std::memcpy(image->pixels.data() + stride * y, rgb + static_cast<std::size_t>(h - 1 - y) * w * 3,
                    static_cast<std::size_t>(w) * 3);
    stbi_image_free(rgb);
    result.image = std::move(image);
    return result;
}

BmpResult bmp_read_file(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        BmpResult result;
        result.error = "no such file";
        return result;
    }
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return bmp_decode(bytes.data(), bytes.size());
}
