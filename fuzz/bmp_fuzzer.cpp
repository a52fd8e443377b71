// Feeds arbitrary bytes to the BMP reader: it must never crash, and must
// return either a well-formed image or a reason.
#include <cstddef>
#include <cstdint>

#include "bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BmpResult result = bmp_decode(data, size);
    if (!result.image) {
        if (result.error.empty()) __builtin_trap();
        return 0;
    }
    const BmpImage& image = *result.image;
    if (image.width <= 0 || image.height <= 0) __builtin_trap();
    if (int64_t{image.width} * image.height > kBmpMaxPixels) __builtin_trap();
    if (image.pixels.size() != bmp_row_stride(image.width) * static_cast<std::size_t>(image.height)) __builtin_trap();
    // Padding is zeroed, never left over from the decoder.
    const std::size_t packed = static_cast<std::size_t>(image.width) * 3;
    for (int32_t y = 0; y < image.height; ++y)
        for (std::size_t i = packed; i < bmp_row_stride(image.width); ++i)
            if (image.row(y)[i] != 0) __builtin_trap();
    return 0;
}
