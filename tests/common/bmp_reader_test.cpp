#include "bmp_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "bmp_writer.h"

namespace {

using Bytes = std::vector<unsigned char>;

void put16(Bytes& b, std::size_t at, uint32_t v) {
    b[at] = v & 0xff;
    b[at + 1] = (v >> 8) & 0xff;
}

void put32(Bytes& b, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xff;
}

// Field offsets in a file with a 40-byte (or longer) info header.
constexpr std::size_t kPixelsAt = 10, kWidth = 18, kHeight = 22, kPlanes = 26, kBits = 28, kCompression = 30,
                      kColoursUsed = 46;

// Any BMP layout the writer does not make: stored rows are given unpadded, in file order.
struct Layout {
    uint32_t info_size = 40;
    int32_t width = 1, height = 1;
    uint16_t bits = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> masks;  // behind a 40-byte header, inside a longer one
    std::vector<Rgb> palette;
    uint32_t colours_used = 0;
    uint32_t gap = 0;  // spare bytes before the pixel rows
    std::vector<Bytes> rows;
};

Layout layout(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0) {
    Layout l;
    l.width = width;
    l.height = height;
    l.bits = bits;
    l.compression = compression;
    return l;
}

Bytes build(const Layout& l) {
    const bool core = l.info_size == 12;
    Bytes out(14 + l.info_size, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 14, l.info_size);
    if (core) {
        put16(out, 18, l.width);
        put16(out, 20, l.height);
        put16(out, 22, 1);
        put16(out, 24, l.bits);
    } else {
        put32(out, kWidth, l.width);
        put32(out, kHeight, l.height);
        put16(out, kPlanes, 1);
        put16(out, kBits, l.bits);
        put32(out, kCompression, l.compression);
        put32(out, kColoursUsed, l.colours_used);
    }
    for (std::size_t i = 0; i < l.masks.size(); ++i) {
        if (l.info_size == 40) out.resize(out.size() + 4);
        put32(out, l.info_size == 40 ? out.size() - 4 : 54 + 4 * i, l.masks[i]);
    }
    for (const Rgb& c : l.palette) {
        out.insert(out.end(), {c.b, c.g, c.r});
        if (!core) out.push_back(0);
    }
    out.resize(out.size() + l.gap, 0xee);
    put32(out, kPixelsAt, static_cast<uint32_t>(out.size()));
    const std::size_t stride = (static_cast<std::size_t>(l.width) * l.bits + 31) / 32 * 4;
    for (const Bytes& row : l.rows) {
        out.insert(out.end(), row.begin(), row.end());
        out.resize(out.size() + stride - row.size(), 0);
    }
    put32(out, 2, static_cast<uint32_t>(out.size()));
    return out;
}

// From a buffer of exactly the file's size, so that a read past its end is
// caught by AddressSanitizer rather than landing in a vector's spare capacity.
BmpResult decode(const Bytes& b) {
    const std::unique_ptr<unsigned char[]> exact(new unsigned char[b.size()]);
    std::copy(b.begin(), b.end(), exact.get());
    return bmp_decode(exact.get(), b.size());
}

Rgb pixel(const BmpImage& image, int x, int y) {
    const unsigned char* p = image.row(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

// Asserts the image is exactly `expected` (width * height colours, bottom row first) with zero padding.
void expect_image(const BmpResult& result, int width, int height, const std::vector<Rgb>& expected) {
    ASSERT_TRUE(result.image) << result.error;
    const BmpImage& image = *result.image;
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    const std::size_t stride = (width * 3 + 3) / 4 * 4;
    ASSERT_EQ(bmp_row_stride(width), stride);
    ASSERT_EQ(image.pixels.size(), stride * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb want = expected[y * width + x], got = pixel(image, x, y);
            EXPECT_TRUE(want.r == got.r && want.g == got.g && want.b == got.b)
                << "pixel " << x << "," << y << " is " << int(got.r) << " " << int(got.g) << " " << int(got.b);
        }
        for (std::size_t i = width * 3; i < stride; ++i) EXPECT_EQ(image.row(y)[i], 0) << "padding of row " << y;
    }
}

std::vector<Rgb> distinct_colours(int count) {
    std::vector<Rgb> colours;
    for (int i = 0; i < count; ++i)
        colours.push_back({static_cast<unsigned char>(10 + i), static_cast<unsigned char>(100 + 7 * i),
                           static_cast<unsigned char>(250 - 13 * i)});
    return colours;
}

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255}, kBlack{0, 0, 0};

TEST(BmpReaderDecode, TwentyFourBitRowsComeBottomFirstAndPadded) {
    for (int width = 1; width <= 4; ++width) {
        SCOPED_TRACE(width);
        const std::vector<Rgb> colours = distinct_colours(width * 2);
        expect_image(decode(bmp_encode(width, 2, colours)), width, 2, colours);
    }
}

TEST(BmpReaderDecode, TopDownRowsGiveTheSameImage) {
    const std::vector<Rgb> colours = distinct_colours(3 * 2);
    Layout top_down = layout(3, -2, 24);
    for (int y = 1; y >= 0; --y) {  // top row stored first
        Bytes row;
        for (int x = 0; x < 3; ++x) row.insert(row.end(), {colours[y * 3 + x].b, colours[y * 3 + x].g, colours[y * 3 + x].r});
        top_down.rows.push_back(row);
    }
    expect_image(decode(build(top_down)), 3, 2, colours);
}

TEST(BmpReaderDecode, ThirtyTwoAndSixteenBitPixels) {
    // BGRA, alpha dropped.
    Layout plain = layout(2, 1, 32);
    plain.rows = {{0, 0, 255, 9, 255, 0, 0, 0}};
    expect_image(decode(build(plain)), 2, 1, {kRed, kBlue});

    // Masks behind a 40-byte header, and inside a 124-byte one with the pixels further on.
    Layout bitfields = layout(2, 1, 32, 3);
    bitfields.masks = {0xff, 0xff00, 0xff0000};  // red in the low byte
    bitfields.rows = {{255, 0, 0, 0, 0, 0, 255, 0}};
    expect_image(decode(build(bitfields)), 2, 1, {kRed, kBlue});
    bitfields.info_size = 124;
    bitfields.gap = 6;
    expect_image(decode(build(bitfields)), 2, 1, {kRed, kBlue});

    // 5-5-5 by default, 5-6-5 through masks in a 52-byte header.
    Layout rgb555 = layout(3, 1, 16);
    rgb555.rows = {{0x00, 0x7c, 0xff, 0x7f, 0x1f, 0x00}};
    expect_image(decode(build(rgb555)), 3, 1, {kRed, kWhite, kBlue});
    Layout rgb565 = layout(2, 1, 16, 3);
    rgb565.info_size = 52;
    rgb565.masks = {0xf800, 0x07e0, 0x001f};
    rgb565.rows = {{0xe0, 0x07, 0x00, 0xf8}};
    expect_image(decode(build(rgb565)), 2, 1, {kGreen, kRed});
}

TEST(BmpReaderDecode, PaletteImagesLookUpTheirColours) {
    Layout eight = layout(3, 2, 8);
    eight.colours_used = 3;
    eight.palette = {kRed, kGreen, kBlue};
    eight.rows = {{2, 1, 0}, {0, 0, 2}};
    expect_image(decode(build(eight)), 3, 2, {kBlue, kGreen, kRed, kRed, kRed, kBlue});

    // The leftmost pixel sits in the high bits.
    std::vector<Rgb> sixteen(16, kBlack);
    sixteen[1] = kRed;
    sixteen[15] = kWhite;
    Layout four = layout(3, 1, 4);
    four.palette = sixteen;
    four.rows = {{0xf1, 0x10}};
    expect_image(decode(build(four)), 3, 1, {kWhite, kRed, kRed});

    Layout one = layout(10, 1, 1);
    one.palette = {kBlack, kWhite};
    one.rows = {{0xa0, 0x40}};
    const Rgb B = kBlack, W = kWhite;
    expect_image(decode(build(one)), 10, 1, {W, B, W, B, B, B, B, B, B, W});
}

TEST(BmpReaderDecode, OldCoreHeaderWithThreeBytePalette) {
    std::vector<Rgb> palette(256, kBlack);
    palette[255] = kGreen;  // the last entries are where a short palette read would go wrong
    palette[254] = kBlue;
    Layout core = layout(2, 1, 8);
    core.info_size = 12;
    core.palette = palette;
    core.rows = {{255, 254}};
    expect_image(decode(build(core)), 2, 1, {kGreen, kBlue});
}

TEST(BmpReaderDecode, PaletteIndexPastThePaletteIsRefused) {
    Layout eight = layout(2, 1, 8);
    eight.colours_used = 2;
    eight.palette = {kRed, kGreen};
    eight.rows = {{1, 2}};
    EXPECT_EQ(decode(build(eight)).error, "palette index out of range");

    // Only pixels count: the unused low nibble of an odd-width row is padding.
    Layout four = layout(1, 1, 4);
    four.colours_used = 2;
    four.palette = {kRed, kGreen};
    four.rows = {{0x1f}};
    expect_image(decode(build(four)), 1, 1, {kGreen});
    four.rows = {{0xf1}};
    EXPECT_EQ(decode(build(four)).error, "palette index out of range");
}

struct Malformed {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* error;
};

TEST(BmpReaderMalformed, EachFaultGivesItsReason) {
    const Malformed cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }, "empty file"},
        {"wrong signature", [](Bytes& b) { b[1] = 'A'; }, "not a BMP file"},
        {"png signature", [](Bytes& b) { std::memcpy(b.data(), "\x89PNG\r\n\x1a\n", 8); }, "not a BMP file"},
        {"cut in the file header", [](Bytes& b) { b.resize(16); }, "truncated header"},
        {"cut in the info header", [](Bytes& b) { b.resize(30); }, "truncated header"},
        {"header size", [](Bytes& b) { put32(b, 14, 64); }, "unsupported header size 64"},
        {"planes", [](Bytes& b) { put16(b, kPlanes, 2); }, "unsupported plane count 2"},
        {"depth", [](Bytes& b) { put16(b, kBits, 2); }, "unsupported bit depth 2"},
        {"rle8", [](Bytes& b) { put16(b, kBits, 8), put32(b, kCompression, 1); }, "unsupported compression 1"},
        {"bitfields at 24 bits", [](Bytes& b) { put32(b, kCompression, 3); }, "unsupported compression 3"},
        {"width 0", [](Bytes& b) { put32(b, kWidth, 0); }, "bad dimensions 0x2"},
        {"height 0", [](Bytes& b) { put32(b, kHeight, 0); }, "bad dimensions 3x0"},
        {"negative width", [](Bytes& b) { put32(b, kWidth, -3); }, "bad dimensions -3x2"},
        {"height INT_MIN", [](Bytes& b) { put32(b, kHeight, 0x80000000u); }, "bad dimensions 3x-2147483648"},
        {"huge in a tiny file", [](Bytes& b) { b.resize(54), put32(b, kWidth, 30000), put32(b, kHeight, 30000); },
         "image too large"},
        {"product wraps to 0 in 32 bits", [](Bytes& b) { put32(b, kWidth, 65536), put32(b, kHeight, 65536); },
         "image too large"},
        {"one side too long", [](Bytes& b) { put32(b, kWidth, 1 << 25), put32(b, kHeight, 1); }, "image too large"},
        {"largest size, no pixels", [](Bytes& b) { put32(b, kWidth, 8192), put32(b, kHeight, -8192); },
         "truncated pixel data"},
        {"last byte missing", [](Bytes& b) { b.pop_back(); }, "truncated pixel data"},
        {"offset past the end", [](Bytes& b) { put32(b, kPixelsAt, b.size()); }, "pixel data offset out of range"},
        {"offset inside the headers", [](Bytes& b) { put32(b, kPixelsAt, 20); }, "pixel data offset out of range"},
    };
    const Bytes good = bmp_encode(3, 2, distinct_colours(6));
    ASSERT_TRUE(decode(good).image);
    for (const Malformed& c : cases) {
        Bytes bytes = good;
        c.damage(bytes);
        const BmpResult result = decode(bytes);
        EXPECT_FALSE(result.image) << c.name;
        EXPECT_EQ(result.error, c.error) << c.name;
    }
}

TEST(BmpReaderMalformed, TablesThatCannotBeUsed) {
    Layout masks = layout(1, 1, 16, 3);
    masks.rows = {{0, 0}};
    for (std::vector<uint32_t> bad : {std::vector<uint32_t>{0, 0x3e0, 0x1f}, {0xf800, 0x7e0, 0x1f0000},
                                      {0xf801, 0x7e0, 0x1e}, {0x1ff, 0x3e00, 0xc000}, {0xff, 0xff, 0xff}}) {
        masks.masks = bad;
        EXPECT_EQ(decode(build(masks)).error, "unsupported bit masks") << std::hex << bad[0] << " " << bad[2];
    }

    Layout palette = layout(1, 1, 4);
    palette.colours_used = 17;
    palette.palette = std::vector<Rgb>(17, kRed);
    palette.rows = {{0}};
    EXPECT_EQ(decode(build(palette)).error, "bad palette size 17");

    Layout short_palette = layout(1, 1, 8);  // 256 entries claimed, 2 stored
    short_palette.palette = {kRed, kGreen};
    short_palette.rows = {{0}};
    EXPECT_EQ(decode(build(short_palette)).error, "pixel data offset out of range");
}

class BmpReaderFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::path(::testing::TempDir()) / ("bmp_reader_test." + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string write(const char* name, const Bytes& bytes) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }

    std::filesystem::path dir_;
};

TEST_F(BmpReaderFile, ReadsAWholeFile) {
    const std::vector<Rgb> colours = distinct_colours(4 * 3);
    expect_image(bmp_read_file(write("good.bmp", bmp_encode(4, 3, colours)).c_str()), 4, 3, colours);
}

TEST_F(BmpReaderFile, ReportsWhyThereIsNoImage) {
    EXPECT_EQ(bmp_read_file((dir_ / "missing.bmp").c_str()).error, "no such file");
    EXPECT_EQ(bmp_read_file((dir_ / "missing" / "x.bmp").c_str()).error, "no such file");
    EXPECT_EQ(bmp_read_file(dir_.c_str()).error, "is a directory");
    EXPECT_EQ(bmp_read_file(write("empty.bmp", {}).c_str()).error, "empty file");
    EXPECT_EQ(bmp_read_file(write("photo.bmp", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0}).c_str()).error,
              "not a BMP file");
    // Opens, but every read fails: the system's reason.
    if (std::filesystem::exists("/proc/self/mem")) {
        EXPECT_EQ(bmp_read_file("/proc/self/mem").error, std::string(std::strerror(EIO)));
    }
}

// Each is refused at once, without waiting on a writer or reading without end.
TEST_F(BmpReaderFile, OnlyRegularFilesOfAnImagesSizeAreRead) {
    const std::filesystem::path pipe = dir_ / "pipe.bmp";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(bmp_read_file(pipe.c_str()).error, "not a regular file");

    const std::filesystem::path zero = dir_ / "zero.bmp";
    std::filesystem::create_symlink("/dev/zero", zero);
    EXPECT_EQ(bmp_read_file(zero.c_str()).error, "not a regular file");

    const std::filesystem::path loop_a = dir_ / "a.bmp", loop_b = dir_ / "b.bmp";
    std::filesystem::create_symlink(loop_b, loop_a);
    std::filesystem::create_symlink(loop_a, loop_b);
    EXPECT_EQ(bmp_read_file(loop_a.c_str()).error, std::strerror(ELOOP));

    // One byte longer than the largest image can need (sparse: nothing is written).
    const std::string big = write("big.bmp", bmp_encode(1, 1, {kRed}));
    std::filesystem::resize_file(big, kBmpMaxFileBytes + 1);
    EXPECT_EQ(bmp_read_file(big.c_str()).error, "file too large");
}

}  // namespace
