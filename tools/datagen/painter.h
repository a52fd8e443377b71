#pragma once
// A small toolkit for painting stand-in textures: an image of colours, a
// deterministic random source, noise that repeats across the image (so a
// texture repeated on neighbouring quads shows no seam) and a few painting
// operations. Everything depends on explicit seeds only.
//
// Images are stored top row first, the way an image viewer shows them;
// save_bmp writes them bottom row first as BMP files want.

#include <cstdint>
#include <string>
#include <vector>

#include "bmp_writer.h"

namespace paint {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // width * height, top row first

    Image(int w, int h, Rgb fill = Rgb{0, 0, 0});
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

bool save_bmp(const Image& image, const std::string& path);

// Paints one stand-in image, the one for a slot of a program's texture table.
using Painter = Image (*)();
struct TextureImage {
    int slot;
    Painter paint;
};

// --- Randomness ---------------------------------------------------------------

// Sequential pseudo-random numbers (SplitMix64): the same seed, the same run.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint32_t next();
    float unit();                     // in [0, 1)
    float range(float lo, float hi);  // in [lo, hi)
    int below(int n);                 // in [0, n)

private:
    uint64_t state_;
};

// Stateless randomness for a cell of a grid (a brick, a lattice point, a pixel).
uint32_t hash(uint32_t seed, int x, int y);
float hash_unit(uint32_t seed, int x, int y);  // in [0, 1)

// --- Noise --------------------------------------------------------------------

// Fractal value noise over the image's unit square. The first octave has
// cells_x by cells_y lattice cells; each further octave doubles both and
// weighs gain times the one before. The lattice wraps, so noise sampled
// across a whole image repeats seamlessly at its edges.
struct Noise {
    int cells_x = 4;
    int cells_y = 4;
    int octaves = 4;
    float gain = 0.5f;
};

float value_noise(uint32_t seed, float u, float v, int cells_x, int cells_y);  // in [0, 1]
float sample(uint32_t seed, const Noise& noise, float u, float v);             // in [0, 1]

// --- Colours ------------------------------------------------------------------

Rgb mix(Rgb a, Rgb b, float t);  // t = 0 gives a, 1 gives b; t is clamped
Rgb scale(Rgb c, float k);       // brightness times k, clamped to 255
float smoothstep(float lo, float hi, float x);

// --- Painting -----------------------------------------------------------------

// A rectangle in pixels: a pixel is inside when its centre is.
struct Rect {
    float x0, y0, x1, y1;
};

void fill(Image& image, Rgb colour);
void fill_rect(Image& image, Rect r, Rgb colour);
void blend_rect(Image& image, Rect r, Rgb colour, float alpha);

// Copies the pixels of src (same size as image) that lie inside r.
void overlay(Image& image, const Image& src, Rect r);

void vertical_gradient(Image& image, Rgb top, Rgb bottom);
void horizontal_gradient(Image& image, Rgb left, Rgb right);

// Brightness times 1 + amount * (2n - 1) for noise n: blotches and grain.
void mottle(Image& image, uint32_t seed, const Noise& noise, float amount);

// Blends towards colour where the noise rises from lo to hi (patches, stains).
void patches(Image& image, uint32_t seed, const Noise& noise, float lo, float hi, Rgb colour, float alpha);

// Shades the image as if the noise were a height field lit from the upper
// left: rough render, stone, bark. strength scales the shading.
void relief(Image& image, uint32_t seed, const Noise& noise, float strength);

// Tints about density of all pixels (a fraction) towards colour.
void speckle(Image& image, uint32_t seed, float density, Rgb colour, float alpha);

// Lines every period pixels, the first at offset, each width pixels wide.
void horizontal_lines(Image& image, float period, float offset, float width, Rgb colour, float alpha);
void vertical_lines(Image& image, float period, float offset, float width, Rgb colour, float alpha);

// Darkens a border of width pixels, by amount at the very edge.
void darken_edges(Image& image, float width, float amount);

// Courses of bricks, blocks or tiles with joints between them. A joint runs
// along the top and the left side of every unit, so the pattern repeats at the
// image's edges when the image holds whole units and (for a bond) an even
// number of courses.
struct Courses {
    float unit_length;    // pixels along a course, joint included
    float course_height;  // pixels, joint included
    float bond;           // shift of every other course, in units (0.5: running bond)
    float joint;          // joint width, pixels
    Rgb unit;             // mean colour of a unit
    Rgb unit_alt;         // units vary between unit and unit_alt
    Rgb mortar;
    float variation;  // spread of brightness between units
    float bevel;      // light on the upper edge of a unit, shade on the lower
};

void paint_courses(Image& image, uint32_t seed, const Courses& courses);

}  // namespace paint
