// The stand-in images beside the program: readable, the front walls the
// mirror of the back, a white image for the figure, a banner that differs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "bmp_reader.h"
#include "datagen.h"
#include "texturas.h"

namespace {

using namespace gymnast;

BmpImage ler(unsigned int s) {
    BmpResult r = bmp_read_file(kArquivosTextura[s]);
    EXPECT_TRUE(r.image) << kArquivosTextura[s] << ": " << r.error;
    return r.image ? *r.image : BmpImage{};
}

const unsigned char* pixel(const BmpImage& image, int x, int y) { return image.row(y) + 3 * x; }
bool branco(const BmpImage& image, int x, int y) {
    const unsigned char* p = pixel(image, x, y);
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

TEST(GymnastData, FrontWallsShowTheBackWallMirrored) {
    const BmpImage fundo = ler(slot::fundo);
    const BmpImage invertido = ler(slot::fundoinvertido);
    ASSERT_EQ(fundo.width, invertido.width);
    ASSERT_EQ(fundo.height, invertido.height);
    for (int y = 0; y < fundo.height; ++y)
        for (int x = 0; x < fundo.width; ++x)
            ASSERT_EQ(std::memcmp(pixel(fundo, x, y), pixel(invertido, fundo.width - 1 - x, y), 3), 0) << x << "," << y;
}

TEST(GymnastData, NulaIsWhiteAndMulaHasWhiteCornersButDiffersFromTheWall) {
    const BmpImage nula = ler(slot::nula);
    for (int y = 0; y < nula.height; ++y)
        for (int x = 0; x < nula.width; ++x) ASSERT_TRUE(branco(nula, x, y)) << x << "," << y;

    // The first frame samples the last image loaded at a corner.
    const BmpImage mula = ler(slot::mula);
    for (auto [x, y] : {std::pair{0, 0}, {mula.width - 1, 0}, {0, mula.height - 1}, {mula.width - 1, mula.height - 1}})
        EXPECT_TRUE(branco(mula, x, y)) << x << "," << y;

    const BmpImage fundo = ler(slot::fundo);
    ASSERT_EQ(mula.width, fundo.width);
    ASSERT_EQ(mula.height, fundo.height);
    long diferenca = 0;
    for (int y = 0; y < mula.height; ++y)
        for (int x = 0; x < mula.width * 3; ++x) diferenca += std::abs(mula.row(y)[x] - fundo.row(y)[x]);
    EXPECT_GT(diferenca / (mula.width * mula.height * 3), 40);
}

TEST(GymnastData, GeneratorKeepsAUsersImage) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "gymnast_data_test";
    fs::remove_all(dir);
    ASSERT_TRUE(write_gymnast_data(dir.string(), false));
    for (const char* f : kArquivosTextura) EXPECT_TRUE(fs::exists(dir / f)) << f;
    fs::resize_file(dir / "images/ceu.bmp", 10);
    ASSERT_TRUE(write_gymnast_data(dir.string(), false));
    EXPECT_EQ(fs::file_size(dir / "images/ceu.bmp"), 10u);
    ASSERT_TRUE(write_gymnast_data(dir.string(), true));
    EXPECT_GT(fs::file_size(dir / "images/ceu.bmp"), 10u);
    fs::remove_all(dir);
}

}  // namespace
