#include "bmp_texture.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "bmp_reader.h"
#include "bmp_writer.h"
#include "gl_recorder.h"

namespace {

namespace fs = std::filesystem;

// A table the size of the building's.
constexpr int kSlots = 11;

std::vector<Rgb> gradient(int width, int height) {
    std::vector<Rgb> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back({static_cast<unsigned char>(x), static_cast<unsigned char>(y),
                              static_cast<unsigned char>(x + y)});
    return pixels;
}

#if !defined(__SANITIZE_ADDRESS__)
// In a death test's child: room for what the process holds now and 16 MiB more.
void load_with_little_memory(const std::string& path) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (16 << 20);
    const rlimit address_space{limit, limit};
    if (setrlimit(RLIMIT_AS, &address_space) != 0) std::exit(2);
    unsigned int table[1] = {};
    BMP_Texture(table, const_cast<char*>(path.c_str()), 0);
}
#endif

class BmpTextureTest : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::recorder().reset();
        std::string pattern = (fs::temp_directory_path() / "bmp_texture_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, int width, int height) {
        const std::string path = (dir_ / name).string();
        EXPECT_TRUE(bmp_write_file(path, width, height, gradient(width, height)));
        return path;
    }

    fs::path dir_;
};

TEST_F(BmpTextureTest, ElevenFilesGetElevenDistinctNames) {
    unsigned int table[kSlots] = {};
    std::vector<std::string> paths;
    for (int slot = 0; slot < kSlots; ++slot) paths.push_back(write("slot" + std::to_string(slot) + ".bmp", 8, 8));

    for (int slot = 0; slot < kSlots; ++slot) BMP_Texture(table, paths[slot].data(), slot);

    const std::set<unsigned int> names(table, table + kSlots);
    EXPECT_EQ(names.size(), std::size_t{kSlots});
    EXPECT_EQ(names.count(0u), 0u);
    for (unsigned int name : table) EXPECT_TRUE(glrec::recorder().textures().at(name).has_pixels) << name;
    // Loaded in slot order, the last one stays bound.
    EXPECT_EQ(glrec::recorder().bound_texture(), table[kSlots - 1]);
    EXPECT_EQ(glrec::recorder().count("gluBuild2DMipmaps"), std::size_t{kSlots});
}

TEST_F(BmpTextureTest, ImageGoesToMipmapBuilderAsRgbBytesWithLinearFilters) {
    constexpr int kWidth = 100, kHeight = 60;
    const std::string path = write("odd.bmp", kWidth, kHeight);
    unsigned int table[3] = {};

    BMP_Texture(table, const_cast<char*>(path.c_str()), 2);

    const auto& rec = glrec::recorder();
    ASSERT_NE(table[2], 0u);
    EXPECT_EQ(table[0], 0u);
    EXPECT_EQ(table[1], 0u);
    EXPECT_EQ(rec.bound_texture(), table[2]);

    const auto builds = rec.calls_named("gluBuild2DMipmaps");
    ASSERT_EQ(builds.size(), 1u);
    const std::vector<double> expected{GL_TEXTURE_2D, 3, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE};
    EXPECT_EQ(builds[0].args, expected);

    const auto& texture = rec.textures().at(table[2]);
    EXPECT_EQ(texture.width, kWidth);
    EXPECT_EQ(texture.height, kHeight);
    EXPECT_EQ(texture.parameters.at(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(texture.parameters.at(GL_TEXTURE_MAG_FILTER), GL_LINEAR);

    // The bytes handed over are the decoded rows, bottom row first, padded to 4 bytes.
    const BmpResult decoded = bmp_read_file(path.c_str());
    ASSERT_TRUE(decoded.image);
    EXPECT_EQ(texture.pixels, decoded.image->pixels);
    const std::size_t stride = (kWidth * 3 + 3) / 4 * 4;
    ASSERT_EQ(texture.pixels.size(), stride * kHeight);
    const std::size_t top_right = stride * (kHeight - 1) + (kWidth - 1) * 3;
    EXPECT_EQ(texture.pixels[top_right], kWidth - 1);
    EXPECT_EQ(texture.pixels[top_right + 1], kHeight - 1);
    EXPECT_TRUE(rec.errors().empty());
}

TEST_F(BmpTextureTest, NullFileNameLeavesSlotAndDrawsNothing) {
    unsigned int table[2] = {0, 77};

    BMP_Texture(table, nullptr, 1);

    EXPECT_EQ(table[1], 77u);
    EXPECT_EQ(table[0], 0u);
    EXPECT_TRUE(glrec::recorder().calls().empty());
}

TEST_F(BmpTextureTest, MissingFileEndsProgramNamingItWithTheFolderLookedIn) {
    unsigned int table[1] = {};
    char file[] = "texture/absent.bmp";
    EXPECT_EXIT(BMP_Texture(table, file, 0), ::testing::ExitedWithCode(1),
                "^common_tests: cannot load texture \"/.+/texture/absent\\.bmp\": no such file\n$");
}

TEST_F(BmpTextureTest, UnreadableFileEndsProgramWithReason) {
    const std::string path = (dir_ / "text.bmp").string();
    std::ofstream(path) << "plain text, not an image";
    unsigned int table[1] = {};
    EXPECT_EXIT(BMP_Texture(table, const_cast<char*>(path.c_str()), 0), ::testing::ExitedWithCode(1),
                "cannot load texture \".*text\\.bmp\": not a BMP file\n$");
}

TEST_F(BmpTextureTest, PermissionDeniedGivesTheSystemsReason) {
    const std::string path = write("locked.bmp", 2, 2);
    fs::permissions(path, fs::perms::none);
    unsigned int table[1] = {};
    EXPECT_EXIT(
        {
            // Root reads any file; the refusal needs an ordinary user.
            if (geteuid() == 0 && setuid(65534) != 0) std::exit(2);
            BMP_Texture(table, const_cast<char*>(path.c_str()), 0);
        },
        ::testing::ExitedWithCode(1), "cannot load texture \".*locked\\.bmp\": Permission denied\n$");
}

TEST_F(BmpTextureTest, ImageWiderThanTheTextureLimitIsRefusedBeforeUpload) {
    GLint max_side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_side);
    ASSERT_GT(max_side, 0);
    const std::string path = write("wide.bmp", max_side + 1, 1);
    unsigned int table[1] = {};
    EXPECT_EXIT(BMP_Texture(table, const_cast<char*>(path.c_str()), 0), ::testing::ExitedWithCode(1),
                "cannot load texture \".*wide\\.bmp\": image too large for this OpenGL \\(" +
                    std::to_string(max_side + 1) + "x1, at most " + std::to_string(max_side) + " a side\\)\n$");
}

TEST_F(BmpTextureTest, RunningOutOfMemoryEndsWithTheUsualLine) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    // 48 MiB, more than the limit leaves room for (sparse: nothing is written).
    const std::string path = (dir_ / "big.bmp").string();
    std::ofstream(path).close();
    fs::resize_file(path, 48 << 20);
    EXPECT_EXIT(load_with_little_memory(path), ::testing::ExitedWithCode(1),
                "cannot load texture \".*big\\.bmp\": out of memory\n$");
#endif
}

}  // namespace
