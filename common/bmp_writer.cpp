#include "bmp_writer.h"

#include <fstream>

#include "bmp_format.h"
#include "bmp_reader.h"

namespace {

constexpr uint32_t kPixelsPerMetre = 2835;  // 72 dpi

}  // namespace

std::vector<unsigned char> bmp_encode(int32_t width, int32_t height, const std::vector<Rgb>& pixels) {
    const uint32_t stride = static_cast<uint32_t>(bmp_row_stride(width));
    const uint32_t image_size = stride * static_cast<uint32_t>(height);
    constexpr uint32_t kHeaders = bmp_format::kFileHeaderSize + bmp_format::kInfoHeaderSize;

    std::vector<unsigned char> out;
    out.reserve(kHeaders + image_size);
    bmp_format::put_headers(out, {kHeaders, image_size, width, height, 24, bmp_format::kCompressionRgb, 0,
                                  kPixelsPerMetre});
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<std::size_t>(y) * width + x];
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

bool bmp_write_file(const std::string& path, int32_t width, int32_t height, const std::vector<Rgb>& pixels) {
    const std::vector<unsigned char> bytes = bmp_encode(width, height, pixels);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
