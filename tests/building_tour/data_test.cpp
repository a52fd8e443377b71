// The stand-in textures a new user starts with: present beside the program,
// real pictures, and never written over once there.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "bmp_reader.h"
#include "bmp_writer.h"
#include "datagen.h"
#include "textures.h"

namespace {

using namespace building_tour;

namespace fs = std::filesystem;

bool power_of_two(int32_t n) { return n > 0 && (n & (n - 1)) == 0; }

std::size_t distinct_colours(const BmpImage& image) {
    std::set<std::tuple<unsigned char, unsigned char, unsigned char>> colours;
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x) {
            const unsigned char* p = image.row(y) + 3 * x;
            colours.emplace(p[0], p[1], p[2]);
        }
    return colours.size();
}

std::vector<unsigned char> read_bytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void write_bytes(const fs::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The names users give their own pictures, in slot order: written out here
// once, so that a change to the program's table cannot pass unnoticed.
constexpr const char* kUserFileNames[] = {
    "texture/image.bmp",  "texture/muro1.bmp",          "texture/muro_tira.bmp",
    "texture/cimento.bmp", "texture/branco.bmp",        "texture/vidro.bmp",
    "texture/muro2.bmp",  "texture/muro_tira_lado.bmp", "texture/muro_superior_porta.bmp",
    "texture/cimento2.bmp", "texture/grafiato.bmp",
};

TEST(StandInTextures, EveryTextureBesideTheProgramIsARealPicture) {
    ASSERT_EQ(std::size(kUserFileNames), std::size(kTextureFiles));
    for (std::size_t s = 0; s < std::size(kUserFileNames); ++s) EXPECT_STREQ(kTextureFiles[s], kUserFileNames[s]);
    for (const char* file : kUserFileNames) {
        SCOPED_TRACE(file);
        const BmpResult result = bmp_read_file(file);
        ASSERT_TRUE(result.image) << result.error;
        EXPECT_TRUE(power_of_two(result.image->width)) << result.image->width;
        EXPECT_TRUE(power_of_two(result.image->height)) << result.image->height;
        EXPECT_GT(distinct_colours(*result.image), 16u);
    }
}

class Generator : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("building_tour_data_" + std::to_string(getpid()) + "_" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path file(int s) const { return folder_ / kTextureFiles[s]; }

    fs::path folder_;
};

// One run of the generator costs a fraction of a second, so one test walks
// through the whole life of a data folder.
TEST_F(Generator, WritesEachMissingImageOnceAndTheSameEveryTime) {
    ASSERT_TRUE(write_building_tour_data(folder_.string(), false));
    std::vector<std::vector<unsigned char>> first(slot::count);
    for (int s = 0; s < slot::count; ++s) {
        first[s] = read_bytes(file(s));
        ASSERT_FALSE(first[s].empty()) << kTextureFiles[s];
        for (int other = 0; other < s; ++other)
            EXPECT_NE(first[s], first[other]) << kTextureFiles[s] << " repeats " << kTextureFiles[other];
    }

    // The user puts in a picture of their own and loses another.
    const std::vector<unsigned char> own = bmp_encode(2, 2, {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {1, 2, 3}});
    write_bytes(file(slot::vidro), own);
    fs::remove(file(slot::muro1));
    ASSERT_TRUE(write_building_tour_data(folder_.string(), false));
    EXPECT_EQ(read_bytes(file(slot::vidro)), own);
    EXPECT_EQ(read_bytes(file(slot::muro1)), first[slot::muro1]);

    // Forced, every image is painted again, exactly as before.
    ASSERT_TRUE(write_building_tour_data(folder_.string(), true));
    for (int s = 0; s < slot::count; ++s) EXPECT_EQ(read_bytes(file(s)), first[s]) << kTextureFiles[s];
}

TEST_F(Generator, ReportsAFolderItCannotWriteTo) {
    const fs::path not_a_folder = folder_ / "plain_file";
    write_bytes(not_a_folder, {1, 2, 3});
    EXPECT_FALSE(write_building_tour_data(not_a_folder.string(), false));
}

}  // namespace
