// Stand-in data of castle_world: the 34 images beside the program, each
// painted to read as what the scene uses it for, and "lord.mp3", a short tune
// of our own, synthesised here and encoded with LAME.
//
// Every image is stretched once over each face it is bound to, so sizes
// follow the faces' proportions (as powers of two) and patterns that tile
// neighbouring faces repeat at the image's edges.

#include <lame/lame.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "datagen.h"
#include "painter.h"
#include "castle_world/music.h"
#include "castle_world/textures.h"

namespace {

using namespace castle_world;
using paint::Courses;
using paint::Image;
using paint::Noise;
using paint::Rect;

constexpr float kPi = 3.14159265358979f;

// --- Painting helpers of this scene ------------------------------------------

// Blends colour into the pixels whose 2 by 2 sample points fall inside the
// shape, by the share that does: smooth edges on curves and diagonals.
void paint_shape(Image& image, const std::function<bool(float, float)>& inside, Rgb colour, float alpha = 1.0f) {
    constexpr float kOffsets[2] = {0.25f, 0.75f};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            int hits = 0;
            for (float dy : kOffsets)
                for (float dx : kOffsets) hits += inside(x + dx, y + dy) ? 1 : 0;
            if (hits > 0) image.at(x, y) = paint::mix(image.at(x, y), colour, alpha * hits / 4.0f);
        }
}

void fill_ellipse(Image& image, float cx, float cy, float rx, float ry, Rgb colour, float alpha = 1.0f) {
    paint_shape(
        image, [=](float x, float y) { return (x - cx) * (x - cx) / (rx * rx) + (y - cy) * (y - cy) / (ry * ry) <= 1.0f; },
        colour, alpha);
}

// Capital letters 5 by 7 cells, enough for the two signs.
struct Glyph {
    char letter;
    const char* rows[7];
};

constexpr Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "##..#", "#.#.#", "#..##", "#..##", "#...#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'-', {".....", ".....", ".....", ".###.", ".....", ".....", "....."}},
};

constexpr float kGlyphAdvance = 6.0f;  // cells from one letter to the next

float text_width(const char* text, float cell) {
    const float letters = static_cast<float>(std::char_traits<char>::length(text));
    return (letters * kGlyphAdvance - 1.0f) * cell;
}

// Letters of cell pixels a dot, the first one's top left at (x, y).
void draw_text(Image& image, const char* text, float x, float y, float cell, Rgb colour) {
    for (; *text != '\0'; ++text, x += kGlyphAdvance * cell) {
        const Glyph* glyph = nullptr;
        for (const Glyph& g : kGlyphs)
            if (g.letter == *text) glyph = &g;
        if (glyph == nullptr) continue;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (glyph->rows[row][col] == '#')
                    paint::fill_rect(image, Rect{x + col * cell, y + row * cell, x + (col + 1) * cell, y + (row + 1) * cell},
                                     colour);
    }
}

void draw_text_centred(Image& image, const char* text, float centre_x, float y, float cell, Rgb colour) {
    draw_text(image, text, centre_x - text_width(text, cell) / 2, y, cell, colour);
}

Noise grain(const Image& image, int pixels) { return Noise{image.width / pixels, image.height / pixels, 2, 0.5f}; }

// Boards side by side, running down the image (vertical = true) or across it.
void planks(Image& image, uint32_t seed, int count, bool vertical, Rgb wood, Rgb wood_alt) {
    const int across = vertical ? image.width : image.height;
    const float width = static_cast<float>(across) / count;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const float a = vertical ? x + 0.5f : y + 0.5f;
            const float along = vertical ? static_cast<float>(y) / image.height : static_cast<float>(x) / image.width;
            const int board = static_cast<int>(a / width);
            const float in_board = a - board * width;
            // Grain: stretched noise along the board, different for each board.
            const float u = vertical ? in_board / width : along;
            const float v = vertical ? along : in_board / width;
            const float g = paint::sample(seed + board, Noise{vertical ? 2 : 24, vertical ? 24 : 2, 3, 0.6f}, u, v);
            Rgb c = paint::mix(wood, wood_alt, paint::hash_unit(seed, board, 0) * 0.7f + g * 0.5f);
            c = paint::scale(c, 0.85f + 0.3f * g);
            if (in_board < 1.5f || in_board > width - 1.0f) c = paint::scale(c, 0.45f);  // gap between boards
            image.at(x, y) = c;
        }
}

// A round-headed iron nail.
void stud(Image& image, float x, float y, float r) {
    fill_ellipse(image, x, y, r, r, Rgb{38, 36, 34});
    fill_ellipse(image, x - r * 0.3f, y - r * 0.3f, r * 0.4f, r * 0.4f, Rgb{120, 116, 110}, 0.8f);
}

// An iron strap across the image at height y, with nails along it.
void iron_strap(Image& image, float y, float height, int nails) {
    paint::fill_rect(image, Rect{0, y, static_cast<float>(image.width), y + height}, Rgb{46, 44, 42});
    paint::blend_rect(image, Rect{0, y, static_cast<float>(image.width), y + 1.5f}, Rgb{110, 106, 100}, 0.6f);
    for (int i = 0; i < nails; ++i) stud(image, (i + 0.5f) * image.width / nails, y + height / 2, height * 0.28f);
}

// Small leaded panes of glass in a frame: the windows of houses and tavern.
// warm: light from a lit room behind the glass.
void leaded_glass(Image& image, Rect r, int columns, int rows, bool warm, uint32_t seed) {
    const Rgb dark = warm ? Rgb{150, 96, 30} : Rgb{36, 54, 72};
    const Rgb light = warm ? Rgb{250, 206, 110} : Rgb{140, 176, 196};
    for (int y = static_cast<int>(r.y0); y < static_cast<int>(r.y1); ++y)
        for (int x = static_cast<int>(r.x0); x < static_cast<int>(r.x1); ++x) {
            const float u = (x + 0.5f - r.x0) / (r.x1 - r.x0);
            const float v = (y + 0.5f - r.y0) / (r.y1 - r.y0);
            // A sheen along the diagonal reads as glass.
            const float sheen = std::exp(-std::pow((u - v + 0.15f) * 4.0f, 2.0f));
            const float n = paint::sample(seed, Noise{3, 3, 2, 0.5f}, u, v);
            image.at(x, y) = paint::mix(dark, light, 0.15f + 0.6f * sheen * (warm ? 0.6f : 1.0f) + 0.3f * n);
        }
    const Rgb lead{30, 30, 32};
    const float pane_w = (r.x1 - r.x0) / columns;
    const float pane_h = (r.y1 - r.y0) / rows;
    for (int i = 1; i < columns; ++i)
        paint::fill_rect(image, Rect{r.x0 + i * pane_w - 1, r.y0, r.x0 + i * pane_w + 1, r.y1}, lead);
    for (int j = 1; j < rows; ++j)
        paint::fill_rect(image, Rect{r.x0, r.y0 + j * pane_h - 1, r.x1, r.y0 + j * pane_h + 1}, lead);
}

// A wooden frame of thickness t around r, drawn over its border.
void frame(Image& image, Rect r, float t, Rgb wood) {
    paint::fill_rect(image, Rect{r.x0, r.y0, r.x1, r.y0 + t}, paint::scale(wood, 1.1f));
    paint::fill_rect(image, Rect{r.x0, r.y1 - t, r.x1, r.y1}, paint::scale(wood, 0.8f));
    paint::fill_rect(image, Rect{r.x0, r.y0, r.x0 + t, r.y1}, wood);
    paint::fill_rect(image, Rect{r.x1 - t, r.y0, r.x1, r.y1}, paint::scale(wood, 0.9f));
}

Image stone_blocks(int side, int courses, int per_course, Rgb stone, Rgb stone_alt, Rgb mortar, uint32_t seed) {
    Image image(side, side);
    const float course = static_cast<float>(side) / courses;
    paint::paint_courses(image, seed,
                         Courses{static_cast<float>(side) / per_course, course, 0.5f, 4.0f, stone, stone_alt, mortar, 0.2f, 0.3f});
    paint::relief(image, seed + 1, grain(image, 12), 0.7f);
    paint::mottle(image, seed + 2, Noise{3, 3, 4, 0.5f}, 0.12f);
    paint::speckle(image, seed + 3, 0.04f, Rgb{60, 58, 54}, 0.35f);
    return image;
}

// Whitewash over wattle between dark oak beams: the frame of a village house.
Image half_timbered(int width, int height, int bays, bool braces, uint32_t seed) {
    Image image(width, height, Rgb{226, 216, 192});
    paint::mottle(image, seed, Noise{4, 2, 4, 0.55f}, 0.07f);
    paint::patches(image, seed + 1, Noise{6, 3, 3, 0.5f}, 0.62f, 0.85f, Rgb{170, 150, 118}, 0.4f);  // weathering
    const Rgb oak{70, 48, 30};
    const float beam = height * 0.07f;
    const float bay = static_cast<float>(width) / bays;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    if (braces)
        for (int i = 0; i < bays; ++i) {
            const float x0 = i * bay;
            const bool rising = i % 2 == 0;
            paint_shape(
                image,
                [=](float x, float y) {
                    if (x < x0 || x > x0 + bay) return false;
                    const float t = (x - x0) / bay;
                    const float line = rising ? h - t * h : t * h;
                    return std::abs(y - line) < beam * 0.7f;
                },
                oak);
        }
    for (int i = 0; i <= bays; ++i)
        paint::fill_rect(image, Rect{i * bay - beam / 2, 0, i * bay + beam / 2, h}, oak);
    paint::fill_rect(image, Rect{0, 0, w, beam}, oak);
    paint::fill_rect(image, Rect{0, h - beam, w, h}, oak);
    paint::fill_rect(image, Rect{0, h * 0.5f - beam / 2, w, h * 0.5f + beam / 2}, oak);
    paint::mottle(image, seed + 2, grain(image, 2), 0.06f);
    return image;
}

// --- The 34 images -------------------------------------------------------------

// Grass seen from above, one 10 by 10 tile of the ground: repeats without seams.
Image paint_grass() {
    Image image(128, 128, Rgb{62, 110, 40});
    paint::patches(image, 1, Noise{2, 2, 4, 0.5f}, 0.3f, 0.8f, Rgb{96, 140, 52}, 0.8f);
    paint::relief(image, 2, Noise{32, 32, 2, 0.5f}, 1.5f);  // blades
    paint::speckle(image, 3, 0.08f, Rgb{30, 66, 22}, 0.6f);
    paint::speckle(image, 4, 0.04f, Rgb{150, 180, 80}, 0.5f);
    paint::speckle(image, 5, 0.004f, Rgb{236, 230, 120}, 0.9f);  // a few flowers
    return image;
}

// Warm red-brown stone bricks of the keep: four courses of two to a block.
Image paint_brick() { return stone_blocks(128, 4, 2, Rgb{150, 82, 58}, Rgb{120, 70, 52}, Rgb{176, 164, 146}, 11); }

// Slate slabs of the flat roofs and tower platforms, seen from above.
Image paint_roof() {
    Image image(128, 128);
    paint::paint_courses(image, 21, Courses{32, 32, 0.5f, 2.5f, Rgb{92, 98, 108}, Rgb{70, 76, 88}, Rgb{40, 42, 46}, 0.12f, 0.2f});
    paint::relief(image, 22, grain(image, 4), 0.8f);
    paint::patches(image, 23, Noise{3, 3, 3, 0.5f}, 0.65f, 0.85f, Rgb{96, 110, 70}, 0.35f);  // lichen
    return image;
}

// Pale limestone of the fountain's outer wall and rim.
Image paint_fountain() { return stone_blocks(128, 2, 2, Rgb{206, 200, 184}, Rgb{186, 180, 166}, Rgb{140, 136, 126}, 31); }

// The wet inside of the basin: darker stone, green algae towards the water.
Image paint_fountain_inside() {
    Image image = stone_blocks(128, 2, 2, Rgb{150, 150, 138}, Rgb{128, 130, 120}, Rgb{96, 98, 92}, 41);
    for (int y = 0; y < image.height; ++y) {
        // The file's top row lies at the foot of the wall, under the water.
        const float wet = 1.0f - static_cast<float>(y) / image.height;
        for (int x = 0; x < image.width; ++x)
            image.at(x, y) = paint::mix(image.at(x, y), Rgb{52, 92, 60}, 0.55f * wet);
    }
    return image;
}

// Blue and white tiles on the basin floor, seen through the water.
Image paint_fountain_floor() {
    Image image(128, 128);
    paint::paint_courses(image, 51, Courses{16, 16, 0.0f, 2.0f, Rgb{60, 110, 170}, Rgb{220, 226, 230}, Rgb{190, 190, 180}, 0.05f, 0.1f});
    paint::blend_rect(image, Rect{0, 0, 128, 128}, Rgb{60, 140, 150}, 0.25f);
    paint::mottle(image, 52, Noise{3, 3, 3, 0.5f}, 0.08f);
    return image;
}

// The lord's arms, used for the emblem and the flag: a shield parted blue and
// red with a golden tower.
void tower_charge(Image& image, float cx, float top, float width, float height, Rgb gold) {
    const float body_top = top + height * 0.22f;
    paint::fill_rect(image, Rect{cx - width * 0.35f, body_top, cx + width * 0.35f, top + height}, gold);
    const float merlon = width / 5;
    for (int i = 0; i < 5; i += 2)
        paint::fill_rect(image, Rect{cx - width / 2 + i * merlon, top, cx - width / 2 + (i + 1) * merlon, body_top + 1}, gold);
    paint::fill_rect(image, Rect{cx - width / 2, body_top, cx + width / 2, body_top + height * 0.1f}, gold);
    const Rgb black{30, 24, 20};
    paint_shape(
        image,
        [=](float x, float y) {  // round-headed door
            const float r = width * 0.12f;
            const float door_top = top + height * 0.72f;
            if (y > top + height || std::abs(x - cx) > r) return false;
            return y > door_top || (x - cx) * (x - cx) + (y - door_top) * (y - door_top) < r * r;
        },
        black);
    paint::fill_rect(image, Rect{cx - width * 0.05f, top + height * 0.4f, cx + width * 0.05f, top + height * 0.55f}, black);
}

constexpr Rgb kAzure{30, 60, 150};
constexpr Rgb kGules{170, 30, 34};
constexpr Rgb kGold{226, 184, 60};

// Emblem: the shield on a carved stone plaque, 70 by 120 on the tower.
Image paint_vimbo_face() {
    Image image = stone_blocks(128, 1, 1, Rgb{196, 188, 170}, Rgb{186, 178, 160}, Rgb{150, 144, 130}, 61);
    const float w = image.width;
    const float h = image.height;
    // image is square but shows 70 wide by 120 high: a pixel spans 0.55 units
    // across and 0.94 up, so the shield is painted squat to stand tall.
    auto shield = [&](float inset) {
        return [=](float x, float y) {
            const float u = (x - w / 2) / (w / 2 - 10 - inset);
            const float v = (y - 12 - inset) / (h - 24 - 2 * inset);
            if (v < 0 || v > 1 || std::abs(u) > 1) return false;
            if (v < 0.5f) return true;
            return std::abs(u) <= std::pow(1.0f - (v - 0.5f) / 0.5f, 0.7f);
        };
    };
    paint_shape(image, shield(-3), Rgb{60, 52, 44});  // the carved edge
    paint_shape(image, shield(0), kGold);
    paint_shape(image, [&](float x, float y) { return shield(5)(x, y) && x < w / 2; }, kAzure);
    paint_shape(image, [&](float x, float y) { return shield(5)(x, y) && x >= w / 2; }, kGules);
    tower_charge(image, w / 2, 28, 54, 52, kGold);
    paint::mottle(image, 62, grain(image, 3), 0.06f);
    return image;
}

// Flag, 40 by 20: the arms' colours with the golden tower, a fringe at the fly.
Image paint_vimbo() {
    Image image(256, 128, kAzure);
    paint::fill_rect(image, Rect{0, 64, 256, 128}, kGules);
    tower_charge(image, 112, 22, 60, 84, kGold);
    for (int i = 0; i < 16; ++i)
        paint::fill_rect(image, Rect{244, i * 8.0f, 256, i * 8.0f + 5}, kGold);
    paint::fill_rect(image, Rect{0, 0, 6, 128}, Rgb{236, 232, 220});  // the sleeve on the pole
    // Folds of the cloth.
    for (int x = 0; x < image.width; ++x) {
        const float fold = 0.85f + 0.15f * std::sin(x / 256.0f * 5 * kPi);
        for (int y = 0; y < image.height; ++y) image.at(x, y) = paint::scale(image.at(x, y), fold);
    }
    return image;
}

// Keep door leaf, 30 by 70: upright oak boards, iron straps and nails.
Image paint_gate() {
    Image image(128, 256);
    planks(image, 81, 4, true, Rgb{104, 70, 40}, Rgb{80, 52, 30});
    iron_strap(image, 30, 12, 4);
    iron_strap(image, 214, 12, 4);
    iron_strap(image, 122, 12, 4);
    return image;
}

// Water: the moat's 10 by 10 tiles and the fountain; ripples that repeat.
Image paint_water() {
    Image image(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const float u = x / 128.0f;
            const float v = y / 128.0f;
            const float n = paint::sample(91, Noise{4, 4, 4, 0.5f}, u, v);
            const float ripple = 0.5f + 0.5f * std::sin((v * 6 + n * 2.5f) * 2 * kPi);
            Rgb c = paint::mix(Rgb{26, 70, 100}, Rgb{50, 120, 150}, n);
            c = paint::mix(c, Rgb{190, 220, 235}, std::pow(ripple, 12.0f) * 0.7f);
            image.at(x, y) = c;
        }
    return image;
}

// The sign's notice, 10 by 5: a parchment bill reading "VENDE-SE" (for sale)
// over lines of small writing, pinned to the board.
Image paint_sell() {
    Image image(256, 128, Rgb{226, 208, 160});
    paint::mottle(image, 101, Noise{4, 2, 4, 0.5f}, 0.08f);
    paint::darken_edges(image, 14, 0.35f);
    const Rgb ink{54, 32, 22};
    draw_text_centred(image, "VENDE-SE", 128, 16, 5, Rgb{150, 24, 20});
    paint::Random random(102);
    for (int line = 0; line < 4; ++line) {
        const float y = 64 + line * 12.0f;
        float x = 26;
        const float end = line == 3 ? 150 : 230;
        while (x < end) {
            const float word = random.range(8, 26);
            paint::fill_rect(image, Rect{x, y, std::min(x + word, end), y + 4}, ink);
            x += word + 6;
        }
    }
    stud(image, 10, 10, 4);
    stud(image, 246, 10, 4);
    return image;
}

// Grey granite ashlar of the curtain walls, towers and gatehouse.
Image paint_wall() { return stone_blocks(128, 2, 1, Rgb{156, 152, 142}, Rgb{118, 118, 112}, Rgb{84, 82, 78}, 111); }

// Drawbridge, 80 by 120: boards running along the bridge, two iron bands across.
Image paint_wood() {
    Image image(128, 256);
    planks(image, 121, 7, true, Rgb{122, 86, 52}, Rgb{92, 62, 38});
    iron_strap(image, 36, 10, 7);
    iron_strap(image, 210, 10, 7);
    return image;
}

// Roof tiles in scalloped rows: the keep towers' cones (shown through their
// red colour, so the pattern lies mainly in brightness) and the tower floors.
Image paint_roof_tower() {
    Image image(128, 128, Rgb{60, 30, 24});
    constexpr int kRows = 8;
    constexpr int kAcross = 8;
    const float row_h = 128.0f / kRows;
    const float tile_w = 128.0f / kAcross;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const int row = y / static_cast<int>(row_h);
            const float shift = (row % 2) * tile_w / 2;
            const float lx = std::fmod(x + 0.5f + shift, tile_w) - tile_w / 2;
            const float ly = (y + 0.5f) - row * row_h;
            // Rounded tile ends at the bottom of each row.
            const float edge = row_h - 2.0f - (lx * lx) / (tile_w * tile_w / 4) * row_h * 0.45f;
            if (ly > edge) continue;
            const int col = static_cast<int>((x + 0.5f + shift) / tile_w) % kAcross;
            const float k = 0.75f + 0.4f * paint::hash_unit(131, col, row) + 0.25f * ly / row_h;
            image.at(x, y) = paint::scale(Rgb{186, 92, 64}, k);
        }
    paint::mottle(image, 132, grain(image, 2), 0.08f);
    return image;
}

// Earth of the moat banks, 10 wide by 5 deep: soil with stones and roots.
Image paint_earth() {
    Image image(128, 64, Rgb{104, 74, 46});
    paint::mottle(image, 141, Noise{4, 2, 5, 0.55f}, 0.2f);
    paint::relief(image, 142, grain(image, 3), 1.0f);
    paint::Random random(143);
    for (int i = 0; i < 18; ++i) {
        const float x = random.range(0, 128);
        const float y = random.range(0, 64);
        const float r = random.range(1.5f, 4.0f);
        fill_ellipse(image, x, y, r * 1.3f, r, paint::scale(Rgb{150, 140, 124}, random.range(0.7f, 1.1f)));
    }
    paint::blend_rect(image, Rect{0, 0, 128, 5}, Rgb{60, 100, 40}, 0.8f);  // grass at the top edge
    return image;
}

// Edges of the door leaves: dark oak with an iron rim.
Image paint_gate2() {
    Image image(64, 64);
    planks(image, 151, 1, true, Rgb{84, 56, 34}, Rgb{70, 46, 28});
    paint::fill_rect(image, Rect{0, 0, 8, 64}, Rgb{46, 44, 42});
    paint::fill_rect(image, Rect{56, 0, 64, 64}, Rgb{46, 44, 42});
    for (int i = 0; i < 4; ++i) {
        stud(image, 4, 8 + 16.0f * i, 3);
        stud(image, 60, 8 + 16.0f * i, 3);
    }
    return image;
}

// Small house walls, 20 by 20: whitewash between oak beams.
Image paint_casa2() { return half_timbered(128, 128, 2, true, 161); }

// Small house door, 7 by 10: boards under a stone lintel, ring handle, hinges.
Image paint_porta() {
    Image image(128, 128, Rgb{176, 168, 150});
    paint::mottle(image, 171, grain(image, 3), 0.1f);
    Image boards(128, 128);
    planks(boards, 172, 4, true, Rgb{110, 72, 40}, Rgb{88, 56, 32});
    paint::overlay(image, boards, Rect{10, 16, 118, 128});
    paint::fill_rect(image, Rect{6, 4, 122, 16}, Rgb{150, 144, 130});  // lintel
    paint::blend_rect(image, Rect{10, 16, 118, 20}, Rgb{20, 14, 10}, 0.6f);
    iron_strap(image, 36, 7, 0);
    iron_strap(image, 100, 7, 0);
    paint::fill_rect(image, Rect{10, 36, 118, 43}, Rgb{46, 44, 42});
    fill_ellipse(image, 92, 72, 7, 7, Rgb{40, 38, 36});  // ring handle
    fill_ellipse(image, 92, 72, 4.5f, 4.5f, Rgb{92, 62, 36});
    return image;
}

// House window: leaded panes behind a wooden frame with a sill.
Image paint_janela() {
    Image image(256, 128, Rgb{84, 58, 36});
    leaded_glass(image, Rect{20, 14, 236, 108}, 6, 3, false, 181);
    frame(image, Rect{8, 6, 248, 116}, 12, Rgb{96, 66, 40});
    paint::fill_rect(image, Rect{124, 6, 132, 116}, Rgb{96, 66, 40});  // mullion
    paint::fill_rect(image, Rect{0, 114, 256, 128}, Rgb{170, 164, 150});  // stone sill
    return image;
}

// Large house walls: lime plaster fallen away here and there from the stones.
Image paint_parede() {
    Image image(256, 128, Rgb{214, 200, 170});
    paint::mottle(image, 191, Noise{4, 2, 4, 0.5f}, 0.06f);
    Image stones(256, 128);
    paint::paint_courses(stones, 192, Courses{32, 16, 0.5f, 2.0f, Rgb{150, 136, 116}, Rgb{120, 110, 96}, Rgb{90, 84, 76}, 0.15f, 0.2f});
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x) {
            const float n = paint::sample(193, Noise{5, 3, 4, 0.55f}, x / 256.0f, y / 128.0f);
            if (n > 0.6f) image.at(x, y) = stones.at(x, y);
            else if (n > 0.57f) image.at(x, y) = paint::scale(image.at(x, y), 0.8f);  // broken edge
        }
    paint::relief(image, 194, grain(image, 3), 0.6f);
    return image;
}

// Balcony railing, 50 by 10: a top and a bottom rail with turned balusters.
Image paint_grade() {
    Image image(256, 64, Rgb{26, 22, 20});  // the dark room behind
    const Rgb oak{120, 80, 46};
    constexpr int kBalusters = 16;
    for (int i = 0; i < kBalusters; ++i) {
        const float cx = (i + 0.5f) * 256.0f / kBalusters;
        paint_shape(
            image,
            [=](float x, float y) {
                const float t = (y - 8) / 48;
                if (t < 0 || t > 1) return false;
                return std::abs(x - cx) < 2.5f + 2.5f * std::sin(t * kPi);
            },
            paint::scale(oak, 0.9f + 0.2f * paint::hash_unit(201, i, 0)));
    }
    paint::fill_rect(image, Rect{0, 0, 256, 9}, paint::scale(oak, 1.1f));
    paint::fill_rect(image, Rect{0, 56, 256, 64}, paint::scale(oak, 0.85f));
    paint::mottle(image, 202, grain(image, 2), 0.08f);
    return image;
}

// Large house door, 9 by 14: a round-headed double door in a stone surround.
Image paint_porta2() {
    Image image(128, 256, Rgb{168, 160, 142});
    paint::mottle(image, 211, grain(image, 3), 0.1f);
    Image boards(128, 256);
    planks(boards, 212, 6, true, Rgb{96, 58, 34}, Rgb{74, 44, 26});
    auto doorway = [](float x, float y) {
        const float r = 54;
        if (x < 64 - r || x > 64 + r || y > 256) return false;
        return y > 70 || (x - 64) * (x - 64) + (y - 70) * (y - 70) < r * r;
    };
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 128; ++x)
            if (doorway(x + 0.5f, y + 0.5f)) image.at(x, y) = boards.at(x, y);
    paint::fill_rect(image, Rect{62, 16, 66, 256}, Rgb{30, 20, 14});  // where the leaves meet
    iron_strap(image, 110, 8, 0);
    iron_strap(image, 200, 8, 0);
    paint::blend_rect(image, Rect{0, 110, 10, 118}, Rgb{168, 160, 142}, 1);
    paint::blend_rect(image, Rect{118, 110, 128, 118}, Rgb{168, 160, 142}, 1);
    paint::blend_rect(image, Rect{0, 200, 10, 208}, Rgb{168, 160, 142}, 1);
    paint::blend_rect(image, Rect{118, 200, 128, 208}, Rgb{168, 160, 142}, 1);
    stud(image, 54, 160, 4);
    stud(image, 74, 160, 4);
    return image;
}

// Ground-storey window of the large house: leaded glass behind iron bars,
// with shutters folded open at the sides.
Image paint_janela2() {
    Image image(256, 128, Rgb{200, 190, 166});
    leaded_glass(image, Rect{56, 12, 200, 116}, 4, 3, false, 221);
    frame(image, Rect{50, 6, 206, 122}, 8, Rgb{80, 56, 36});
    for (int i = 1; i < 6; ++i) paint::fill_rect(image, Rect{50 + i * 26.0f - 2, 6, 50 + i * 26.0f + 2, 122}, Rgb{40, 38, 36});
    Image shutter(256, 128);
    planks(shutter, 222, 8, true, Rgb{60, 96, 70}, Rgb{48, 80, 58});  // painted green
    paint::overlay(image, shutter, Rect{4, 6, 46, 122});
    paint::overlay(image, shutter, Rect{210, 6, 252, 122});
    return image;
}

// Large house roof, 70 by 70 seen from above: rows of curved clay tiles.
Image paint_telha() {
    Image image(256, 256);
    constexpr int kRows = 16;
    constexpr int kAcross = 16;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const float u = std::fmod(x + 0.5f, 16.0f) / 16.0f;  // across one tile
            const float v = std::fmod(y + 0.5f, 16.0f) / 16.0f;  // down one row
            const int col = x / 16;
            const int row = y / 16;
            const float round = std::sin(u * kPi);           // curved across
            const float lap = v > 0.8f ? 0.6f : 1.0f - 0.2f * v;  // shade under the next row
            const float k = (0.55f + 0.5f * round) * lap * (0.85f + 0.3f * paint::hash_unit(231, col % kAcross, row % kRows));
            image.at(x, y) = paint::scale(Rgb{176, 84, 50}, k);
        }
    paint::mottle(image, 232, Noise{4, 4, 4, 0.5f}, 0.1f);
    paint::patches(image, 233, Noise{4, 4, 3, 0.5f}, 0.7f, 0.9f, Rgb{90, 90, 60}, 0.4f);  // moss
    return image;
}

// Hills under a sky, as for a painted landscape: hills and distant mountains.
Image landscape(uint32_t seed, float ridge, float roughness, Rgb far, Rgb near) {
    Image image(256, 128);
    paint::vertical_gradient(image, Rgb{90, 140, 210}, Rgb{200, 220, 236});
    for (int x = 0; x < 256; ++x) {
        const float u = x / 256.0f;
        const float far_top = 128 * (ridge + roughness * (paint::sample(seed, Noise{4, 1, 4, 0.6f}, u, 0) - 0.5f));
        const float near_top = 128 * (0.72f + 0.12f * (paint::sample(seed + 1, Noise{2, 1, 3, 0.5f}, u, 0) - 0.5f));
        for (int y = 0; y < 128; ++y) {
            if (y >= near_top) image.at(x, y) = paint::scale(near, 0.8f + 0.4f * (y - near_top) / 128);
            else if (y >= far_top) {
                const bool snow = roughness > 0.5f && y < 128 * (ridge - roughness * 0.06f);  // on the high peaks only
                image.at(x, y) = snow ? Rgb{236, 240, 246} : far;
            }
        }
    }
    paint::mottle(image, seed + 2, grain(image, 2), 0.05f);
    return image;
}

Image paint_paisagem3() { return landscape(241, 0.55f, 0.25f, Rgb{110, 130, 110}, Rgb{80, 120, 50}); }

// Tavern's hanging sign, 20 by 10: "TAVERNA" and a tankard on a board.
Image paint_taverna1() {
    Image image(256, 128);
    planks(image, 251, 3, false, Rgb{120, 80, 44}, Rgb{100, 66, 36});
    frame(image, Rect{0, 0, 256, 128}, 8, Rgb{60, 40, 24});
    draw_text_centred(image, "TAVERNA", 128, 16, 5, kGold);
    // A tankard.
    paint::fill_rect(image, Rect{108, 66, 140, 112}, Rgb{170, 170, 176});
    paint::fill_rect(image, Rect{104, 62, 144, 70}, Rgb{200, 200, 206});
    fill_ellipse(image, 124, 60, 20, 7, Rgb{240, 236, 220});  // froth
    paint_shape(
        image,
        [](float x, float y) {
            const float d = std::hypot(x - 140, y - 88);
            return x > 140 && d < 14 && d > 8;
        },
        Rgb{170, 170, 176});
    paint::fill_rect(image, Rect{108, 80, 140, 83}, Rgb{110, 110, 116});  // hoops
    paint::fill_rect(image, Rect{108, 100, 140, 103}, Rgb{110, 110, 116});
    return image;
}

// Tavern ground storey, 50 or 70 by 20: big rough stone blocks.
Image paint_parede_taverna() {
    Image image(256, 128);
    paint::paint_courses(image, 261, Courses{42.67f, 32, 0.5f, 3.0f, Rgb{140, 128, 110}, Rgb{108, 100, 90}, Rgb{70, 66, 60}, 0.15f, 0.3f});
    paint::relief(image, 262, grain(image, 4), 1.4f);
    return image;
}

// Tavern upper storeys: whitewash and oak, with diagonal braces.
Image paint_parede_taverna1() { return half_timbered(256, 128, 5, true, 271); }

// Tavern door, 30 wide by 20 high: two broad leaves under a timber lintel.
Image paint_porta_taverna() {
    Image image(256, 128);
    planks(image, 281, 12, true, Rgb{104, 64, 36}, Rgb{82, 50, 28});
    frame(image, Rect{0, 0, 256, 128}, 10, Rgb{60, 40, 24});
    paint::fill_rect(image, Rect{126, 0, 130, 128}, Rgb{30, 20, 14});
    iron_strap(image, 30, 7, 0);
    iron_strap(image, 94, 7, 0);
    paint::fill_rect(image, Rect{0, 0, 10, 128}, Rgb{60, 40, 24});
    paint::fill_rect(image, Rect{246, 0, 256, 128}, Rgb{60, 40, 24});
    fill_ellipse(image, 112, 66, 6, 6, Rgb{40, 38, 36});
    fill_ellipse(image, 144, 66, 6, 6, Rgb{40, 38, 36});
    return image;
}

// Tavern window, 20 by 10: leaded panes lit warm from inside.
Image paint_janela6() {
    Image image(256, 128, Rgb{70, 48, 30});
    leaded_glass(image, Rect{16, 12, 240, 116}, 8, 4, true, 291);
    frame(image, Rect{6, 4, 250, 124}, 10, Rgb{76, 52, 32});
    paint::fill_rect(image, Rect{124, 4, 132, 124}, Rgb{76, 52, 32});
    return image;
}

// Locking bar of the keep door: a squared oak beam, grain along its length.
Image paint_wood2() {
    Image image(256, 64);
    planks(image, 301, 1, false, Rgb{128, 88, 50}, Rgb{104, 70, 40});
    paint::darken_edges(image, 6, 0.3f);
    return image;
}

// Keep floor, one 10 by 10 tile: red carpet with a gold lozenge; the border
// runs along every tile's edges, so the tiles make a lattice.
Image paint_red_carpet() {
    Image image(128, 128, Rgb{150, 20, 28});
    paint::mottle(image, 311, Noise{16, 16, 2, 0.5f}, 0.08f);  // the pile
    paint_shape(image, [](float x, float y) { return std::abs(x - 64) + std::abs(y - 64) < 40; }, Rgb{200, 150, 50});
    paint_shape(image, [](float x, float y) { return std::abs(x - 64) + std::abs(y - 64) < 32; }, Rgb{120, 14, 24});
    fill_ellipse(image, 64, 64, 9, 9, Rgb{200, 150, 50});
    paint::fill_rect(image, Rect{0, 0, 128, 6}, Rgb{200, 150, 50});
    paint::fill_rect(image, Rect{0, 122, 128, 128}, Rgb{200, 150, 50});
    paint::fill_rect(image, Rect{0, 0, 6, 128}, Rgb{200, 150, 50});
    paint::fill_rect(image, Rect{122, 0, 128, 128}, Rgb{200, 150, 50});
    return image;
}

Image paint_mountain() { return landscape(321, 0.35f, 0.6f, Rgb{96, 100, 120}, Rgb{70, 100, 50}); }

// The sky sphere's inside. A sphere's poles lie along its own z axis, which
// the scene turns horizontal, so there is no horizon in the image: blue all
// over with clouds, wrapping around the sphere without a seam.
Image paint_sky() {
    Image image(512, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 512; ++x) {
            const float u = x / 512.0f;
            const float v = y / 256.0f;
            const float n = paint::sample(331, Noise{8, 4, 5, 0.55f}, u, v);
            const float cloud = paint::smoothstep(0.5f, 0.72f, n);
            const float shade = paint::sample(332, Noise{16, 8, 2, 0.5f}, u, v);
            const Rgb blue = paint::mix(Rgb{70, 130, 210}, Rgb{120, 170, 230}, paint::sample(333, Noise{2, 2, 3, 0.5f}, u, v));
            const Rgb white = paint::mix(Rgb{250, 250, 252}, Rgb{190, 196, 210}, shade);
            image.at(x, y) = paint::mix(blue, white, cloud);
        }
    return image;
}

constexpr paint::TextureImage kImages[] = {
    {slot::grass, paint_grass},
    {slot::brick, paint_brick},
    {slot::roof, paint_roof},
    {slot::fountain, paint_fountain},
    {slot::fountain_inside, paint_fountain_inside},
    {slot::fountain_floor, paint_fountain_floor},
    {slot::vimbo_face, paint_vimbo_face},
    {slot::vimbo, paint_vimbo},
    {slot::gate, paint_gate},
    {slot::water, paint_water},
    {slot::sell, paint_sell},
    {slot::wall, paint_wall},
    {slot::wood, paint_wood},
    {slot::roof_tower, paint_roof_tower},
    {slot::earth, paint_earth},
    {slot::gate2, paint_gate2},
    {slot::casa2, paint_casa2},
    {slot::porta, paint_porta},
    {slot::janela, paint_janela},
    {slot::parede, paint_parede},
    {slot::grade, paint_grade},
    {slot::porta2, paint_porta2},
    {slot::janela2, paint_janela2},
    {slot::telha, paint_telha},
    {slot::paisagem3, paint_paisagem3},
    {slot::taverna1, paint_taverna1},
    {slot::parede_taverna, paint_parede_taverna},
    {slot::parede_taverna1, paint_parede_taverna1},
    {slot::porta_taverna, paint_porta_taverna},
    {slot::janela6, paint_janela6},
    {slot::wood2, paint_wood2},
    {slot::red_carpet, paint_red_carpet},
    {slot::mountain, paint_mountain},
    {slot::sky, paint_sky},
};
static_assert(sizeof(kImages) / sizeof(kImages[0]) == slot::count, "one image per texture slot");

// --- The tune ----------------------------------------------------------------
//
// Eight bars of 4/4 at 150 beats a minute in D dorian: a shawm over a plucked
// bass, a drone on D and A and a tabor, with a recorder joining a fourth below
// for the second half, as in early organum. Everything is mixed into one
// period of the loop, and whatever rings past the end is added at the start,
// so the last bar runs into the first without a click.

constexpr int kRate = 44100;
constexpr int kEighth = kRate / 5;  // 0.2 s at 150 beats a minute
constexpr int kBars = 8;
constexpr int kEighthsPerBar = 8;
constexpr int kLength = kBars * kEighthsPerBar * kEighth;  // 12.8 s

// Notes as degrees of D dorian from D4 (0), lengths in eighths.
struct Note {
    int degree;
    int eighths;
};

constexpr Note kMelody[] = {
    {0, 2}, {4, 2}, {4, 1}, {3, 1}, {4, 2},   // D A A G A
    {6, 2}, {5, 1}, {4, 1}, {3, 2}, {4, 2},   // C B A G A
    {2, 2}, {3, 1}, {4, 1}, {3, 2}, {1, 2},   // F G A G E
    {0, 2}, {1, 1}, {2, 1}, {1, 4},           // D E F E
    {4, 2}, {6, 2}, {7, 3}, {6, 1},           // A C D C
    {5, 2}, {4, 1}, {3, 1}, {4, 4},           // B A G A
    {3, 1}, {2, 1}, {1, 2}, {2, 1}, {3, 1}, {4, 2},  // G F E F G A
    {3, 2}, {1, 2}, {0, 4},                   // G E D
};
constexpr int kHarmonyFrom = 4 * kEighthsPerBar;  // the recorder enters at bar 5

// The bass: one root a half bar, MIDI numbers.
constexpr int kBass[kBars * 2] = {38, 33, 36, 31, 41, 36, 38, 33, 41, 36, 31, 38, 36, 41, 31, 33};

// Tabor strokes in each bar: (eighth, strength).
constexpr std::array<std::pair<int, float>, 4> kTabor = {{{0, 1.0f}, {4, 0.6f}, {6, 0.35f}, {7, 0.35f}}};

constexpr int kDorian[7] = {0, 2, 3, 5, 7, 9, 10};
constexpr int kD4 = 62;

int midi_of(int degree) {
    const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    return kD4 + 12 * octave + kDorian[degree - 7 * octave];
}

double frequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

struct Stereo {
    std::vector<float> left = std::vector<float>(kLength);
    std::vector<float> right = std::vector<float>(kLength);

    // Adds at sample i of the loop, wrapping past its end to its start.
    void add(long i, float value, float pan) {  // pan: 0 left .. 1 right
        const std::size_t at = static_cast<std::size_t>(i % kLength);
        left[at] += value * std::sqrt(1.0f - pan);
        right[at] += value * std::sqrt(pan);
    }
};

// A reed-like tone of harmonics with a gentle vibrato that grows in.
void blown_note(Stereo& out, long start, int length, double f, const std::vector<float>& harmonics, float level,
                float pan) {
    const int attack = kRate / 60;
    const int release = kRate / 25;
    const int held = length * 9 / 10;  // a little air between notes
    double phase = 0;
    for (int i = 0; i < held + release; ++i) {
        const double t = static_cast<double>(i) / kRate;
        float env = std::min(1.0f, static_cast<float>(i) / attack);
        if (i >= held) env *= 1.0f - static_cast<float>(i - held) / release;
        const double vibrato = 1.0 + 0.004 * std::min(1.0, t / 0.3) * std::sin(2 * kPi * 5.5 * t);
        phase += 2 * kPi * f * vibrato / kRate;
        float v = 0;
        for (std::size_t k = 0; k < harmonics.size(); ++k) v += harmonics[k] * static_cast<float>(std::sin((k + 1) * phase));
        out.add(start + i, v * env * level, pan);
    }
}

// A plucked string: two-operator FM whose brightness fades with the sound.
void plucked_note(Stereo& out, long start, int length, double f, float level, float pan) {
    const int release = kRate / 50;
    for (int i = 0; i < length + release; ++i) {
        const double t = static_cast<double>(i) / kRate;
        float env = static_cast<float>(std::exp(-t / 0.7)) * std::min(1.0f, i / (kRate * 0.004f));
        if (i >= length) env *= 1.0f - static_cast<float>(i - length) / release;
        const double index = 2.2 * std::exp(-t / 0.15) + 0.3;
        const double v = std::sin(2 * kPi * f * t + index * std::sin(2 * kPi * 2 * f * t));
        out.add(start + i, static_cast<float>(v) * env * level, pan);
    }
}

// A frame drum: a falling thump and a burst of filtered noise.
void tabor_stroke(Stereo& out, long start, float strength, paint::Random& random) {
    const int length = kRate / 4;
    double phase = 0;
    float noise = 0;
    for (int i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += 2 * kPi * (70 + 90 * std::exp(-t / 0.03)) / kRate;
        noise += 0.35f * (random.range(-1, 1) - noise);  // low-pass
        const float body = static_cast<float>(std::sin(phase) * std::exp(-t / 0.09));
        const float skin = noise * static_cast<float>(std::exp(-t / 0.03));
        out.add(start + i, (0.5f * body + 0.6f * skin) * strength, 0.45f);
    }
}

// A drone of whole cycles over the loop, so it joins itself at the loop point.
void drone(Stereo& out, int midi, float level, float pan) {
    const long cycles = std::lround(frequency(midi) * kLength / kRate);
    const std::vector<float> harmonics = {1.0f, 0.5f, 0.35f, 0.2f};
    for (long i = 0; i < kLength; ++i) {
        const double phase = 2 * kPi * static_cast<double>(cycles) * i / kLength;
        float v = 0;
        for (std::size_t k = 0; k < harmonics.size(); ++k) v += harmonics[k] * static_cast<float>(std::sin((k + 1) * phase));
        out.add(i, v * level, pan);
    }
}

// A little room: feedback echoes run over the loop twice, so that what comes
// out is the steady state, periodic like the input.
void room(std::vector<float>& channel, int delay, float feedback, float wet) {
    std::vector<float> echo(kLength, 0.0f);
    std::vector<float> line(static_cast<std::size_t>(delay), 0.0f);
    std::size_t at = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < kLength; ++i) {
            const float out = line[at];
            line[at] = channel[static_cast<std::size_t>(i)] + feedback * out;
            at = (at + 1) % line.size();
            if (pass == 1) echo[static_cast<std::size_t>(i)] = out;
        }
    for (int i = 0; i < kLength; ++i) channel[static_cast<std::size_t>(i)] += wet * echo[static_cast<std::size_t>(i)];
}

// One period of the tune, interleaved 16-bit stereo at 44.1 kHz.
std::vector<short> compose() {
    Stereo out;
    const std::vector<float> shawm = {1.0f, 0.7f, 0.5f, 0.35f, 0.22f, 0.14f, 0.08f};
    const std::vector<float> recorder = {1.0f, 0.12f, 0.06f};

    long eighth = 0;
    for (const Note& note : kMelody) {
        const long start = eighth * kEighth;
        const int length = note.eighths * kEighth;
        blown_note(out, start, length, frequency(midi_of(note.degree)), shawm, 0.16f, 0.62f);
        if (eighth >= kHarmonyFrom)
            blown_note(out, start, length, frequency(midi_of(note.degree - 3)), recorder, 0.2f, 0.35f);
        eighth += note.eighths;
    }

    const int half_bar = kEighthsPerBar / 2 * kEighth;
    for (int i = 0; i < kBars * 2; ++i) plucked_note(out, static_cast<long>(i) * half_bar, half_bar, frequency(kBass[i]), 0.3f, 0.4f);

    paint::Random random(7);
    for (int bar = 0; bar < kBars; ++bar)
        for (const auto& [at, strength] : kTabor)
            tabor_stroke(out, (static_cast<long>(bar) * kEighthsPerBar + at) * kEighth, strength * 0.5f, random);

    drone(out, 50, 0.035f, 0.5f);  // D3
    drone(out, 57, 0.025f, 0.5f);  // A3

    room(out.left, kRate * 37 / 1000, 0.55f, 0.25f);
    room(out.right, kRate * 53 / 1000, 0.55f, 0.25f);

    float peak = 0;
    for (int i = 0; i < kLength; ++i) peak = std::max({peak, std::abs(out.left[i]), std::abs(out.right[i])});
    const float gain = 0.8f * 32767 / peak;  // headroom for the encoder's ripple
    std::vector<short> pcm(static_cast<std::size_t>(kLength) * 2);
    for (int i = 0; i < kLength; ++i) {
        pcm[2 * i] = static_cast<short>(std::lround(out.left[i] * gain));
        pcm[2 * i + 1] = static_cast<short>(std::lround(out.right[i] * gain));
    }
    return pcm;
}

// MP3 at a constant 160 kb/s, with LAME's info frame in front: it records the
// encoder's delay and padding, so a decoder that reads it returns exactly the
// samples given and the loop stays gapless.
bool encode_mp3(const std::vector<short>& pcm, std::vector<unsigned char>& mp3) {
    lame_global_flags* lame = lame_init();
    if (lame == nullptr) return false;
    lame_set_in_samplerate(lame, kRate);
    lame_set_out_samplerate(lame, kRate);
    lame_set_num_channels(lame, 2);
    lame_set_mode(lame, JOINT_STEREO);
    lame_set_VBR(lame, vbr_off);
    lame_set_brate(lame, 160);
    lame_set_quality(lame, 5);
    lame_set_bWriteVbrTag(lame, 1);
    lame_set_write_id3tag_automatic(lame, 0);
    bool ok = lame_init_params(lame) >= 0;

    const int frames = static_cast<int>(pcm.size() / 2);
    mp3.assign(static_cast<std::size_t>(frames) * 5 / 4 + 7200 * 2, 0);  // LAME's worst case, plus the flush
    int size = 0;
    if (ok) {
        size = lame_encode_buffer_interleaved(lame, const_cast<short*>(pcm.data()), frames, mp3.data(), static_cast<int>(mp3.size()));
        ok = size >= 0;
    }
    if (ok) {
        const int tail = lame_encode_flush(lame, mp3.data() + size, static_cast<int>(mp3.size()) - size);
        ok = tail >= 0;
        size += std::max(tail, 0);
    }
    if (ok) {
        // The stream starts with a blank frame reserved for the info frame.
        unsigned char tag[2880];
        const std::size_t tag_size = lame_get_lametag_frame(lame, tag, sizeof tag);
        ok = tag_size > 0 && tag_size <= static_cast<std::size_t>(size);
        if (ok) std::copy(tag, tag + tag_size, mp3.begin());
    }
    lame_close(lame);
    mp3.resize(ok ? static_cast<std::size_t>(size) : 0);
    return ok;
}

bool write_tune(const std::string& path) {
    std::vector<unsigned char> mp3;
    if (!encode_mp3(compose(), mp3)) {
        std::fprintf(stderr, "scenes_datagen: cannot encode %s\n", path.c_str());
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(mp3.data()), static_cast<std::streamsize>(mp3.size()));
    return static_cast<bool>(file);
}

}  // namespace

bool write_castle_world_data(const std::string& folder, bool force) {
    const bool ok = write_texture_images(folder, force, kImages, std::size(kImages), kTextureFiles);
    return write_data_file(folder, kMusicFile, force, write_tune) && ok;
}
