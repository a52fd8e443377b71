// The stand-in data a new user starts with: 34 images and a tune beside the
// program, made the same every time and never written over once there.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "bmp_reader.h"
#include "datagen.h"
#include "music.h"
#include "textures.h"

namespace {

namespace fs = std::filesystem;
using namespace castle_world;

// The tune: eight bars of four beats at 150 beats a minute.
constexpr double kTuneSeconds = 8 * 4 * 60.0 / 150;

std::vector<unsigned char> read_bytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int bits_per_pixel(const std::vector<unsigned char>& file) {
    return file.size() < 30 ? 0 : file[28] | file[29] << 8;  // biBitCount
}

bool power_of_two(int32_t n) { return n > 0 && (n & (n - 1)) == 0; }

// Mean of one channel (0 red, 1 green, 2 blue) over the image.
double mean_channel(const BmpImage& image, int channel) {
    double sum = 0;
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x) sum += image.row(y)[3 * x + channel];
    return sum / (static_cast<double>(image.width) * image.height);
}

// Mean colour difference between columns a and b.
double column_step(const BmpImage& image, int32_t a, int32_t b) {
    double sum = 0;
    for (int32_t y = 0; y < image.height; ++y)
        for (int c = 0; c < 3; ++c) sum += std::abs(image.row(y)[3 * a + c] - image.row(y)[3 * b + c]);
    return sum / image.height;
}

double row_step(const BmpImage& image, int32_t a, int32_t b) {
    double sum = 0;
    for (int32_t x = 0; x < image.width; ++x)
        for (int c = 0; c < 3; ++c) sum += std::abs(image.row(a)[3 * x + c] - image.row(b)[3 * x + c]);
    return sum / image.width;
}

TEST(StandInData, EveryImageBesideTheProgramIsA24BitPicture) {
    for (const char* file : kTextureFiles) {
        SCOPED_TRACE(file);
        EXPECT_EQ(bits_per_pixel(read_bytes(file)), 24);
        const BmpResult result = bmp_read_file(file);
        ASSERT_TRUE(result.image) << result.error;
        EXPECT_TRUE(power_of_two(result.image->width) && power_of_two(result.image->height))
            << result.image->width << " x " << result.image->height;
        // A picture, not a flat colour: the brightest and darkest channel
        // values lie well apart.
        const auto& pixels = result.image->pixels;
        const auto [lo, hi] = std::minmax_element(pixels.begin(), pixels.end());
        EXPECT_GT(*hi - *lo, 60);
    }
}

// Images laid edge to edge over many faces (the ground, the moat, the walls,
// the keep floor) and the sky wrapped round its sphere must show no seam.
// Across the wrap, noise changes no more than between neighbouring pixels
// inside; courses of stone may meet at a joint there, but at no sharper a
// step than any joint inside.
struct Steps {
    double mean = 0;
    double largest = 0;
    double wrap = 0;
};

Steps steps(int32_t count, const std::function<double(int32_t, int32_t)>& step) {
    Steps s;
    for (int32_t i = 0; i + 1 < count; ++i) {
        const double d = step(i, i + 1);
        s.mean += d / (count - 1);
        s.largest = std::max(s.largest, d);
    }
    s.wrap = step(count - 1, 0);
    return s;
}

TEST(StandInData, RepeatedImagesJoinWithoutASeam) {
    enum Pattern { kNoise, kCourses };
    struct Tiled {
        int slot;
        Pattern pattern;
        bool vertically;
    };
    constexpr Tiled kTiled[] = {{slot::grass, kNoise, true},      {slot::water, kNoise, true},
                                {slot::wall, kCourses, true},     {slot::brick, kCourses, true},
                                {slot::red_carpet, kNoise, true}, {slot::sky, kNoise, false}};
    for (const Tiled& tiled : kTiled) {
        SCOPED_TRACE(kTextureFiles[tiled.slot]);
        const BmpResult result = bmp_read_file(kTextureFiles[tiled.slot]);
        ASSERT_TRUE(result.image) << result.error;
        const BmpImage& image = *result.image;
        std::vector<Steps> directions = {
            steps(image.width, [&](int32_t a, int32_t b) { return column_step(image, a, b); })};
        if (tiled.vertically)
            directions.push_back(steps(image.height, [&](int32_t a, int32_t b) { return row_step(image, a, b); }));
        for (const Steps& s : directions) {
            if (tiled.pattern == kNoise) EXPECT_LT(s.wrap, 2 * s.mean + 4);
            else EXPECT_LE(s.wrap, s.largest * 1.05);
        }
    }
}

// Catches an image painted for one slot and filed under another.
TEST(StandInData, NatureImagesHaveTheirColours) {
    const auto means = [](int s) {
        const BmpResult result = bmp_read_file(kTextureFiles[s]);
        EXPECT_TRUE(result.image) << kTextureFiles[s] << ": " << result.error;
        std::vector<double> rgb(3, 0.0);
        if (result.image)
            for (int c = 0; c < 3; ++c) rgb[c] = mean_channel(*result.image, c);
        return rgb;
    };
    const std::vector<double> grass = means(slot::grass);
    EXPECT_GT(grass[1], grass[0] + 20);
    EXPECT_GT(grass[1], grass[2] + 20);
    for (int s : {slot::water, slot::sky}) {
        const std::vector<double> blue = means(s);
        EXPECT_GT(blue[2], blue[0] + 20) << kTextureFiles[s];
    }
    const std::vector<double> brick = means(slot::brick);
    EXPECT_GT(brick[0], brick[2] + 20);
    const std::vector<double> earth = means(slot::earth);
    EXPECT_GT(earth[0], earth[2] + 20);
}

// Decodes a tune through the mixer the program uses, with no sound card.
struct Decoded {
    std::vector<int16_t> samples;
    int channels = 0;
    int rate = 0;
};

Decoded decode(const std::string& file) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Decoded decoded;
    {
        Music music(file.c_str(), [&](const castle_world::Sound& sound) {
            decoded.samples.assign(sound.samples, sound.samples + sound.count);
            decoded.channels = sound.channels;
            decoded.rate = sound.rate;
        });
    }
    unsetenv("SDL_AUDIODRIVER");
    return decoded;
}

TEST(StandInData, TheTuneDecodesToItsWholeLengthAndJoinsItsEndToItsStart) {
    const Decoded tune = decode(kMusicFile);
    ASSERT_EQ(tune.channels, 2);
    ASSERT_GT(tune.rate, 0);
    // Exactly the composed length: the encoder's delay and padding are
    // taken off again, so the loop has no silent gap.
    EXPECT_EQ(tune.samples.size(), static_cast<std::size_t>(std::lround(kTuneSeconds * tune.rate)) * 2);
    ASSERT_GT(tune.samples.size(), 4u);

    double energy = 0;
    std::vector<int> steps;
    for (std::size_t i = 0; i < tune.samples.size(); ++i) {
        energy += static_cast<double>(tune.samples[i]) * tune.samples[i];
        if (i + 2 < tune.samples.size()) steps.push_back(std::abs(tune.samples[i + 2] - tune.samples[i]));
    }
    EXPECT_GT(std::sqrt(energy / tune.samples.size()), 2000.0) << "all but silent";

    // No click where the loop closes: the step from the last frame to the
    // first is one a sound makes anyway, not a jump.
    std::sort(steps.begin(), steps.end());
    const int usual = steps[steps.size() * 999 / 1000];
    const std::size_t last = tune.samples.size() - 2;
    for (int c = 0; c < 2; ++c) EXPECT_LE(std::abs(tune.samples[c] - tune.samples[last + c]), usual) << "channel " << c;
}

class Generator : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("castle_world_data_" + std::to_string(getpid()));
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::vector<fs::path> files() const {
        std::vector<fs::path> all;
        for (const char* file : kTextureFiles) all.push_back(folder_ / file);
        all.push_back(folder_ / kMusicFile);
        return all;
    }

    fs::path folder_;
};

// One run costs about a second, so one test walks through the life of a
// data folder: made from nothing, made again the same, a user's file kept.
TEST_F(Generator, WritesEachMissingFileTheSameEveryTimeAndKeepsExistingOnes) {
    ASSERT_TRUE(write_castle_world_data(folder_.string(), false));
    std::vector<std::vector<unsigned char>> first;
    for (const fs::path& file : files()) {
        first.push_back(read_bytes(file));
        ASSERT_FALSE(first.back().empty()) << file;
    }

    // Forced, everything is written again, byte for byte the same.
    ASSERT_TRUE(write_castle_world_data(folder_.string(), true));
    for (std::size_t i = 0; i < files().size(); ++i) EXPECT_EQ(read_bytes(files()[i]), first[i]) << files()[i];

    // A user's own picture and tune survive; a deleted file comes back.
    const std::vector<unsigned char> mine = {'m', 'i', 'n', 'e'};
    for (const fs::path& file : {folder_ / kTextureFiles[slot::sky], folder_ / kMusicFile}) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(mine.data()), static_cast<std::streamsize>(mine.size()));
    }
    fs::remove(folder_ / kTextureFiles[slot::grass]);
    ASSERT_TRUE(write_castle_world_data(folder_.string(), false));
    EXPECT_EQ(read_bytes(folder_ / kTextureFiles[slot::sky]), mine);
    EXPECT_EQ(read_bytes(folder_ / kMusicFile), mine);
    EXPECT_EQ(read_bytes(folder_ / kTextureFiles[slot::grass]), first[slot::grass]);
}

TEST_F(Generator, ReportsAFolderItCannotWrite) {
    {
        std::ofstream blocker(folder_);  // a file where the folder should be
    }
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(write_castle_world_data((folder_ / "sub").string(), false));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot"), std::string::npos);
    fs::remove(folder_);
}

}  // namespace
