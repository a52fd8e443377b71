#pragma once
// The BMP file and info headers, as both the writer and the reader's
// rebuilt file lay them out: little-endian, a 40-byte info header.

#include <cstdint>
#include <vector>

namespace bmp_format {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionBitfields = 3;

inline void put16(std::vector<unsigned char>& out, uint32_t v) {
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}

inline void put32(std::vector<unsigned char>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xff);
}

struct Headers {
    uint32_t pixels_at;    // offset of the pixel rows
    uint32_t pixel_bytes;  // size of the pixel rows
    int32_t width, height;
    uint32_t bits;
    uint32_t compression = kCompressionRgb;
    uint32_t colours_used = 0;
    uint32_t pixels_per_metre = 0;
};

// Appends the 14-byte file header and the 40-byte info header.
inline void put_headers(std::vector<unsigned char>& out, const Headers& h) {
    out.push_back('B');
    out.push_back('M');
    put32(out, h.pixels_at + h.pixel_bytes);
    put32(out, 0);
    put32(out, h.pixels_at);
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<uint32_t>(h.width));
    put32(out, static_cast<uint32_t>(h.height));
    put16(out, 1);  // planes
    put16(out, h.bits);
    put32(out, h.compression);
    put32(out, h.pixel_bytes);
    put32(out, h.pixels_per_metre);
    put32(out, h.pixels_per_metre);
    put32(out, h.colours_used);
    put32(out, 0);  // important colours: all
}

}  // namespace bmp_format
