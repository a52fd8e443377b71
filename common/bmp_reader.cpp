#include "bmp_reader.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include <stb_image.h>

#include "bmp_format.h"
#include "file_reader.h"

// The decoder trusts the headers it is given: it reads palette entries the
// file does not hold from uninitialized memory, fills missing pixel data with
// zeros, and mishandles some header variants. So every field is checked here
// first, and the decoder is then handed a rebuilt file in the one layout it
// handles well: a 40-byte info header, masks or palette right behind it, then
// the pixel rows copied from the original.

std::size_t bmp_row_stride(int32_t width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

const unsigned char* BmpImage::row(int32_t y) const { return pixels.data() + bmp_row_stride(width) * y; }

namespace {

using bmp_format::kCompressionBitfields;
using bmp_format::kCompressionRgb;
using bmp_format::kFileHeaderSize;
using bmp_format::kInfoHeaderSize;
using bmp_format::put32;

constexpr uint32_t kCoreHeaderSize = 12;  // OS/2 1.x: 16-bit sides, no compression field
constexpr uint32_t kInfoHeaderSizes[] = {kCoreHeaderSize, kInfoHeaderSize, 52, 56, 108, 124};
constexpr uint32_t kMaskBytes = 12;  // red, green and blue masks

// The decoder's own limit on either side.
constexpr int64_t kMaxSide = int64_t{1} << 24;

uint16_t get16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t get32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

BmpResult failure(std::string reason) {
    BmpResult result;
    result.error = std::move(reason);
    return result;
}

bool is_palette_depth(uint32_t bits) { return bits == 1 || bits == 4 || bits == 8; }

bool is_supported_depth(uint32_t bits, uint32_t info_size) {
    if (info_size == kCoreHeaderSize) return is_palette_depth(bits) || bits == 24;
    return is_palette_depth(bits) || bits == 16 || bits == 24 || bits == 32;
}

// One channel mask: non-empty, contiguous, within the pixel and at most 8 bits
// wide (the decoder's limit).
bool usable_mask(uint32_t mask, uint32_t bits) {
    if (mask == 0) return false;
    if (bits < 32 && (mask >> bits) != 0) return false;
    const uint32_t lowest = mask & (~mask + 1);
    if (((mask + lowest) & mask) != 0) return false;  // a gap in the run of ones
    int width = 0;
    for (uint32_t m = mask; m; m &= m - 1) ++width;
    return width <= 8;
}

// What the headers say, once checked.
struct Layout {
    uint32_t info_size = 0;
    int32_t width = 0;
    int32_t height = 0;  // negative: rows stored top first
    uint32_t bits = 0;
    bool bitfields = false;
    uint32_t masks[3] = {};
    uint32_t palette_at = 0;
    uint32_t palette_entries = 0;
    uint32_t palette_entry_size = 0;
    uint32_t pixels_at = 0;
    uint64_t file_stride = 0;  // bytes per stored row
    uint32_t rows = 0;
};

// Fills layout from the headers, or returns why the file cannot be decoded.
std::string read_layout(const unsigned char* data, std::size_t size, Layout& layout) {
    if (size < 2 || data[0] != 'B' || data[1] != 'M') return "not a BMP file";
    if (size > static_cast<std::size_t>(INT_MAX)) return "file too large";
    if (size < kFileHeaderSize + 4) return "truncated header";

    const uint32_t pixels_at = get32(data + 10);
    const uint32_t info_size = get32(data + 14);
    bool known = false;
    for (uint32_t s : kInfoHeaderSizes) known = known || s == info_size;
    if (!known) return "unsupported header size " + std::to_string(info_size);
    if (size < kFileHeaderSize + info_size) return "truncated header";

    const unsigned char* info = data + kFileHeaderSize;
    int64_t width, height;
    uint32_t planes, bits, compression = kCompressionRgb, colours_used = 0;
    if (info_size == kCoreHeaderSize) {
        width = get16(info + 4);
        height = get16(info + 6);
        planes = get16(info + 8);
        bits = get16(info + 10);
    } else {
        width = static_cast<int32_t>(get32(info + 4));
        height = static_cast<int32_t>(get32(info + 8));
        planes = get16(info + 12);
        bits = get16(info + 14);
        compression = get32(info + 16);
        colours_used = get32(info + 32);
    }

    if (planes != 1) return "unsupported plane count " + std::to_string(planes);
    if (!is_supported_depth(bits, info_size)) return "unsupported bit depth " + std::to_string(bits);
    const bool bitfields = compression == kCompressionBitfields && (bits == 16 || bits == 32);
    if (compression != kCompressionRgb && !bitfields) return "unsupported compression " + std::to_string(compression);
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return "bad dimensions " + std::to_string(width) + "x" + std::to_string(height);
    const int64_t rows = height < 0 ? -height : height;
    if (width > kMaxSide || rows > kMaxSide || width * rows > kBmpMaxPixels) return "image too large";

    uint64_t tables_end = kFileHeaderSize + info_size;
    if (bitfields) {
        // A 40-byte header keeps its masks behind it; the longer ones inside.
        const uint64_t masks_at = info_size == kInfoHeaderSize ? tables_end : kFileHeaderSize + kInfoHeaderSize;
        if (info_size == kInfoHeaderSize) tables_end += kMaskBytes;
        if (size < tables_end) return "truncated header";
        for (int i = 0; i < 3; ++i) {
            layout.masks[i] = get32(data + masks_at + 4 * i);
            if (!usable_mask(layout.masks[i], bits)) return "unsupported bit masks";
        }
        // The decoder refuses three equal masks.
        if (layout.masks[0] == layout.masks[1] && layout.masks[1] == layout.masks[2]) return "unsupported bit masks";
    }

    if (is_palette_depth(bits)) {
        const uint32_t full = 1u << bits;
        const uint32_t entries = colours_used == 0 ? full : colours_used;
        if (entries > full) return "bad palette size " + std::to_string(entries);
        layout.palette_at = static_cast<uint32_t>(tables_end);
        layout.palette_entries = entries;
        layout.palette_entry_size = info_size == kCoreHeaderSize ? 3 : 4;
        tables_end += uint64_t{entries} * layout.palette_entry_size;
    }

    if (pixels_at < tables_end || pixels_at >= size) return "pixel data offset out of range";
    const uint64_t file_stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    if (file_stride * static_cast<uint64_t>(rows) > size - pixels_at) return "truncated pixel data";

    layout.info_size = info_size;
    layout.width = static_cast<int32_t>(width);
    layout.height = static_cast<int32_t>(height);
    layout.bits = bits;
    layout.bitfields = bitfields;
    layout.pixels_at = pixels_at;
    layout.file_stride = file_stride;
    layout.rows = static_cast<uint32_t>(rows);
    return {};
}

// Every index must name an entry the file holds.
bool palette_indices_valid(const unsigned char* data, const Layout& layout) {
    if (layout.palette_entries == 1u << layout.bits) return true;
    const uint32_t per_byte = 8 / layout.bits;
    const uint32_t index_mask = (1u << layout.bits) - 1;
    for (uint32_t y = 0; y < layout.rows; ++y) {
        const unsigned char* row = data + layout.pixels_at + layout.file_stride * y;
        for (int32_t x = 0; x < layout.width; ++x) {
            const uint32_t shift = 8 - layout.bits * (x % per_byte + 1);  // leftmost pixel in the high bits
            if (((row[x / per_byte] >> shift) & index_mask) >= layout.palette_entries) return false;
        }
    }
    return true;
}

// The file rebuilt with a 40-byte header and nothing between the tables and
// the pixel rows, which is the layout the decoder reads correctly.
std::vector<unsigned char> canonical_file(const unsigned char* data, const Layout& layout) {
    const uint32_t tables = (layout.bitfields ? kMaskBytes : 0) + layout.palette_entries * 4;
    const uint32_t pixels_at = kFileHeaderSize + kInfoHeaderSize + tables;
    const uint32_t pixel_bytes = static_cast<uint32_t>(layout.file_stride * layout.rows);

    std::vector<unsigned char> out;
    out.reserve(pixels_at + pixel_bytes);
    bmp_format::put_headers(out, {pixels_at, pixel_bytes, layout.width, layout.height, layout.bits,
                                  layout.bitfields ? kCompressionBitfields : kCompressionRgb,
                                  layout.palette_entries});
    if (layout.bitfields)
        for (uint32_t mask : layout.masks) put32(out, mask);
    for (uint32_t i = 0; i < layout.palette_entries; ++i) {
        const unsigned char* entry = data + layout.palette_at + i * layout.palette_entry_size;
        out.insert(out.end(), entry, entry + 3);  // blue, green, red
        out.push_back(0);
    }
    out.insert(out.end(), data + layout.pixels_at, data + layout.pixels_at + pixel_bytes);
    return out;
}

BmpResult decode(const unsigned char* data, std::size_t size) {
    if (size == 0) return failure("empty file");
    Layout layout;
    std::string error = read_layout(data, size, layout);
    if (!error.empty()) return failure(std::move(error));
    if (layout.palette_entries > 0 && !palette_indices_valid(data, layout)) return failure("palette index out of range");

    const std::vector<unsigned char> file = canonical_file(data, layout);
    int w = 0, h = 0, channels = 0;
    unsigned char* rgb = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h, &channels, 3);
    if (!rgb) {
        const std::string reason = stbi_failure_reason();
        return failure(reason == "outofmem" ? "out of memory" : "cannot decode image: " + reason);
    }
    if (w != layout.width || h != static_cast<int>(layout.rows)) {
        stbi_image_free(rgb);
        return failure("cannot decode image: size mismatch");
    }

    auto image = std::make_unique<BmpImage>();
    image->width = w;
    image->height = h;
    const std::size_t stride = bmp_row_stride(w);
    const std::size_t packed = static_cast<std::size_t>(w) * 3;
    image->pixels.assign(stride * static_cast<std::size_t>(h), 0);
    for (int y = 0; y < h; ++y)  // the decoder gives the top row first
        std::memcpy(image->pixels.data() + stride * y, rgb + packed * static_cast<std::size_t>(h - 1 - y), packed);
    stbi_image_free(rgb);

    BmpResult result;
    result.image = std::move(image);
    return result;
}

// The whole file, read through one descriptor so that what is checked is what is read.
BmpResult read_file(const char* path) {
    FileBytes file = read_regular_file(path, static_cast<std::size_t>(kBmpMaxFileBytes));
    if (!file.error.empty()) return failure(std::move(file.error));
    return decode(file.bytes.data(), file.bytes.size());
}

}  // namespace

BmpResult bmp_decode(const unsigned char* data, std::size_t size) {
    try {
        return decode(data, size);
    } catch (const std::bad_alloc&) {
        return failure("out of memory");
    }
}

BmpResult bmp_read_file(const char* path) {
    try {
        return read_file(path);
    } catch (const std::bad_alloc&) {
        return failure("out of memory");
    }
}
