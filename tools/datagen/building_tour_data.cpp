// Stand-in textures of building_tour: the eleven images under texture/,
// each painted to read as what the building uses it for.
//
// Every image is stretched once over each face it is bound to, so sizes are
// chosen by the face's proportions and patterns are measured in scene units:
// pixels per unit = image side / face side. Walls put the file's top row at
// their bottom edge, so what stands at the foot of a wall is painted at the
// top of its image.

#include <iterator>

#include "datagen.h"
#include "painter.h"
#include "building_tour/textures.h"

namespace {

namespace slot = building_tour::slot;
using building_tour::kTextureFiles;
using paint::Courses;
using paint::Image;
using paint::Noise;
using paint::Rect;

// Face sizes, in scene units.
constexpr float kPanel = 10.0f;          // wall panels and floor tiles
constexpr float kStripWidth = 2.0f;      // wall pieces beside the windows
constexpr float kCorridorBand = 7.0f;    // corridor wall band under the high windows
constexpr float kHighWindowBand = 3.0f;  // band of the high windows and over the doorways

// Facade brick: 16 courses and 6 bricks a course to a panel.
constexpr float kBrickCourse = kPanel / 16;
constexpr float kBrickLength = kPanel / 6;
constexpr Rgb kBrick{166, 80, 52};
constexpr Rgb kBrickAlt{128, 60, 42};
constexpr Rgb kMortar{192, 186, 174};

// Corridor wall tiles: square, one unit a side.
constexpr float kTile = 1.0f;
constexpr Rgb kTileGlaze{146, 188, 180};
constexpr Rgb kTileGlazeAlt{128, 172, 168};
constexpr Rgb kGrout{214, 214, 206};

constexpr Rgb kConcrete{152, 150, 144};
constexpr Rgb kWhite{238, 236, 230};

Noise grain(const Image& image, int pixels) { return Noise{image.width / pixels, image.height / pixels, 2, 0.5f}; }

// A brick wall of width by height pixels spread over units_x by units_y scene units.
Image brick_wall(int width, int height, float units_x, float units_y, uint32_t seed) {
    Image image(width, height);
    const float px = width / units_x;
    const float py = height / units_y;
    paint::paint_courses(
        image, seed,
        Courses{kBrickLength * px, kBrickCourse * py, 0.5f, 2.6f, kBrick, kBrickAlt, kMortar, 0.10f, 0.10f});
    paint::mottle(image, seed + 10, grain(image, 4), 0.14f);
    paint::mottle(image, seed + 11, Noise{2, 2, 4, 0.5f}, 0.08f);
    paint::speckle(image, seed + 12, 0.05f, Rgb{70, 36, 28}, 0.45f);
    paint::speckle(image, seed + 13, 0.02f, Rgb{214, 150, 110}, 0.35f);
    // Rain-washed dirt running down the wall.
    paint::patches(image, seed + 14, Noise{8, 1, 3, 0.5f}, 0.55f, 0.85f, Rgb{70, 60, 52}, 0.18f);
    return image;
}

// Square glazed tiles of kTile units with light grout.
Image tiled_wall(int width, int height, float units_x, float units_y, uint32_t seed) {
    Image image(width, height);
    const float px = width / units_x;
    const float py = height / units_y;
    paint::paint_courses(image, seed,
                         Courses{kTile * px, kTile * py, 0.0f, 2.5f, kTileGlaze, kTileGlazeAlt, kGrout, 0.05f, 0.12f});
    paint::mottle(image, seed + 10, grain(image, 8), 0.04f);
    paint::patches(image, seed + 11, Noise{3, 3, 3, 0.5f}, 0.6f, 0.9f, Rgb{255, 255, 255}, 0.18f);
    return image;
}

Image concrete(int width, int height, uint32_t seed) {
    Image image(width, height, kConcrete);
    paint::mottle(image, seed, Noise{4, 4, 5, 0.55f}, 0.16f);
    paint::mottle(image, seed + 1, grain(image, 2), 0.07f);
    paint::patches(image, seed + 2, Noise{3, 3, 4, 0.5f}, 0.6f, 0.85f, Rgb{110, 112, 100}, 0.35f);
    paint::speckle(image, seed + 3, 0.03f, Rgb{72, 72, 70}, 0.6f);  // pores
    paint::speckle(image, seed + 4, 0.015f, Rgb{210, 208, 200}, 0.5f);
    return image;
}

// --- The eleven images --------------------------------------------------------

// Grass with worn earth, seen from above; stretched once over the 240-unit ground.
Image paint_ground() {
    constexpr int kSide = 512;
    Image image(kSide, kSide, Rgb{56, 92, 38});
    paint::patches(image, 101, Noise{6, 6, 5, 0.55f}, 0.25f, 0.75f, Rgb{104, 138, 56}, 1.0f);  // lush and thin grass
    paint::patches(image, 102, Noise{5, 5, 4, 0.5f}, 0.58f, 0.72f, Rgb{150, 148, 80}, 0.45f);  // dry grass
    paint::patches(image, 103, Noise{4, 4, 5, 0.55f}, 0.64f, 0.72f, Rgb{122, 94, 64}, 0.9f);   // bare earth
    paint::mottle(image, 104, grain(image, 2), 0.16f);
    paint::speckle(image, 105, 0.06f, Rgb{34, 60, 26}, 0.5f);
    paint::speckle(image, 106, 0.02f, Rgb{160, 176, 96}, 0.5f);

    // A few pebbles on the earth.
    paint::Random random(107);
    for (int i = 0; i < 400; ++i) {
        const float x = random.range(0.0f, kSide);
        const float y = random.range(0.0f, kSide);
        const Rgb here = image.at(static_cast<int>(x), static_cast<int>(y));
        if (here.r < here.g) continue;  // on grass
        paint::blend_rect(image, Rect{x, y, x + 2.0f, y + 2.0f}, Rgb{170, 160, 146}, 0.8f);
    }
    return image;
}

Image paint_muro1() { return brick_wall(256, 256, kPanel, kPanel, 201); }

Image paint_muro_tira() { return brick_wall(64, 256, kStripWidth, kPanel, 301); }

// Concrete of the beams, columns and bands, darker towards the arrises so
// each face of a beam stands out from its neighbour.
Image paint_cimento() {
    Image image = concrete(256, 256, 401);
    paint::darken_edges(image, 10.0f, 0.3f);
    return image;
}

// White plaster: almost flat, with a faint trowel texture.
Image paint_branco() {
    Image image(128, 128, kWhite);
    paint::mottle(image, 501, Noise{4, 4, 4, 0.6f}, 0.03f);
    paint::mottle(image, 502, grain(image, 1), 0.015f);
    return image;
}

// Window glass. The glass quad takes the image with crossed texture
// coordinates: s runs along the window, t folds about the diagonal from the
// lower left to the upper right corner, t = 0 (the file's bottom row) lying
// on it. So the bright bottom rows make a sheen along the diagonal and
// horizontal lines show as reflections parallel to it.
Image paint_vidro() {
    constexpr int kSide = 256;
    Image image(kSide, kSide);
    paint::vertical_gradient(image, Rgb{46, 72, 104}, Rgb{176, 210, 226});
    paint::mottle(image, 601, Noise{2, 3, 3, 0.5f}, 0.08f);  // clouds in the reflection
    paint::horizontal_lines(image, kSide, 0.72f * kSide, 5.0f, Rgb{230, 244, 250}, 0.35f);
    paint::horizontal_lines(image, kSide, 0.66f * kSide, 2.0f, Rgb{230, 244, 250}, 0.3f);
    // Dark gasket along both ends of the pane.
    paint::vertical_lines(image, kSide, -2.0f, 4.0f, Rgb{30, 36, 40}, 0.85f);
    paint::vertical_lines(image, kSide, 2.0f, 1.5f, Rgb{200, 220, 230}, 0.4f);
    return image;
}

// Corridor wall band: 10 by 7 units (13 by 7 where it runs on behind a column).
Image paint_muro2() { return tiled_wall(256, 256, kPanel, kCorridorBand, 701); }

// The same tiles in the narrow pieces beside the high windows: 2 by 3 units.
Image paint_muro_tira_lado() { return tiled_wall(64, 128, kStripWidth, kHighWindowBand, 801); }

// Strip over a doorway, 10 by 3 units: a concrete lintel on the door head
// (the top of the image, the strip's foot) under brick courses.
Image paint_muro_superior_porta() {
    constexpr int kWidth = 256;
    constexpr int kHeight = 64;
    constexpr float kLintel = 1.2f;  // units
    const float py = kHeight / kHighWindowBand;
    const float lintel_top = kLintel * py;  // pixels from the door head

    Image image = brick_wall(kWidth, kHeight, kPanel, kHighWindowBand, 901);
    Image lintel = concrete(kWidth, kHeight, 902);
    paint::overlay(image, lintel, Rect{0, 0, kWidth, lintel_top});
    paint::blend_rect(image, Rect{0, 0, kWidth, 2}, Rgb{40, 40, 38}, 0.6f);  // shadow on the door head
    paint::blend_rect(image, Rect{0, lintel_top - 2, kWidth, lintel_top}, Rgb{220, 218, 210}, 0.5f);  // arris
    paint::blend_rect(image, Rect{0, lintel_top, kWidth, lintel_top + 2}, Rgb{50, 40, 34}, 0.4f);
    return image;
}

// Floors: polished terrazzo, stone chips in a grey cement, split into
// squares by dividing strips (half a strip at each edge, whole where tiles meet).
Image paint_cimento2() {
    constexpr int kSide = 256;
    constexpr float kSquares = 2;
    constexpr float kStrip = 3.0f;
    Image image(kSide, kSide, Rgb{176, 170, 160});
    paint::mottle(image, 1001, Noise{3, 3, 4, 0.5f}, 0.06f);
    paint::speckle(image, 1002, 0.10f, Rgb{96, 94, 90}, 0.55f);
    paint::speckle(image, 1003, 0.08f, Rgb{236, 232, 224}, 0.6f);
    paint::speckle(image, 1004, 0.03f, Rgb{150, 96, 72}, 0.5f);
    const Rgb strip{92, 90, 84};
    const float period = kSide / kSquares;
    paint::horizontal_lines(image, period, -kStrip / 2, kStrip, strip, 0.8f);
    paint::vertical_lines(image, period, -kStrip / 2, kStrip, strip, 0.8f);
    return image;
}

// Grafiato: coarse render combed into short vertical grooves, in a warm
// terracotta paint.
Image paint_grafiato() {
    constexpr int kSide = 256;
    Image image(kSide, kSide, Rgb{196, 156, 128});
    paint::mottle(image, 1101, Noise{3, 3, 4, 0.5f}, 0.05f);
    paint::relief(image, 1102, Noise{48, 10, 3, 0.6f}, 1.6f);  // the grooves
    paint::relief(image, 1103, grain(image, 3), 1.2f);         // the grit
    paint::speckle(image, 1104, 0.06f, Rgb{110, 80, 62}, 0.35f);
    paint::speckle(image, 1105, 0.06f, Rgb{236, 212, 190}, 0.35f);
    return image;
}

constexpr paint::TextureImage kImages[] = {
    {slot::image, paint_ground},
    {slot::muro1, paint_muro1},
    {slot::muro_tira, paint_muro_tira},
    {slot::cimento, paint_cimento},
    {slot::branco, paint_branco},
    {slot::vidro, paint_vidro},
    {slot::muro2, paint_muro2},
    {slot::muro_tira_lado, paint_muro_tira_lado},
    {slot::muro_superior_porta, paint_muro_superior_porta},
    {slot::cimento2, paint_cimento2},
    {slot::grafiato, paint_grafiato},
};
static_assert(sizeof(kImages) / sizeof(kImages[0]) == slot::count, "one image per texture slot");

}  // namespace

bool write_building_tour_data(const std::string& folder, bool force) {
    return write_texture_images(folder, force, kImages, std::size(kImages), kTextureFiles);
}
