#include "bmp_writer.h"

#include <fstream>

namespace {

void put16(std::vector<unsigned char>& out, uint16_t v) {
    out.push_back(v & 0xff);
    out.push_back(v >> 8);
}

void put32(std::vector<unsigned char>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xff);
}

}  // namespace

std::vector<unsigned char> bmp_encode(int32_t width, int32_t height, const std::vector<Rgb>& pixels) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t image_size = stride * static_cast<uint32_t>(height);
    constexpr uint32_t kHeaders = 14 + 40;

    std::vector<unsigned char> out;
    out.reserve(kHeaders + image_size);
    out.push_back('B');
    out.push_back('M');
    put32(out, kHeaders + image_size);
    put32(out, 0);
    put32(out, kHeaders);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);   // planes
    put16(out, 24);  // bits per pixel
    put32(out, 0);   // BI_RGB
    put32(out, image_size);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
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
