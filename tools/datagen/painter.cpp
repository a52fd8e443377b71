#include "painter.h"

#include <algorithm>
#include <cmath>

namespace paint {

namespace {

unsigned char clamp_byte(float v) { return static_cast<unsigned char>(std::clamp(v, 0.0f, 255.0f) + 0.5f); }

// MurmurHash3's finaliser: every input bit flips about half the output bits.
uint32_t mix_bits(uint32_t h) {
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return h;
}

int wrap(int i, int period) { return ((i % period) + period) % period; }

// Quintic fade: the lattice blend has no visible creases.
float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

// Pixel columns (or rows) whose centres lie in [lo, hi), clipped to [0, size).
void centre_span(float lo, float hi, int size, int& first, int& end) {
    first = std::max(0, static_cast<int>(std::ceil(lo - 0.5f)));
    end = std::min(size, static_cast<int>(std::ceil(hi - 0.5f)));
}

// Fraction of pixel [p, p + 1) covered by lines [offset + k * period, + width).
float line_coverage(int p, float period, float offset, float width) {
    const float start = offset + std::floor((p + 1 - offset) / period) * period;
    float covered = 0.0f;
    for (float s : {start, start - period})
        covered += std::clamp(std::min(p + 1.0f, s + width) - std::max(static_cast<float>(p), s), 0.0f, 1.0f);
    return std::min(covered, 1.0f);
}

}  // namespace

Image::Image(int w, int h, Rgb fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

bool save_bmp(const Image& image, const std::string& path) {
    std::vector<Rgb> bottom_up;
    bottom_up.reserve(image.pixels.size());
    for (int y = image.height - 1; y >= 0; --y)
        bottom_up.insert(bottom_up.end(), &image.at(0, y), &image.at(0, y) + image.width);
    return bmp_write_file(path, image.width, image.height, bottom_up);
}

// --- Randomness ---------------------------------------------------------------

uint32_t Random::next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

float Random::unit() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }

float Random::range(float lo, float hi) { return lo + (hi - lo) * unit(); }

int Random::below(int n) { return static_cast<int>(unit() * static_cast<float>(n)); }

uint32_t hash(uint32_t seed, int x, int y) {
    return mix_bits(seed * 0xcb1ab31fu ^ static_cast<uint32_t>(x) * 0x8da6b343u ^
                    static_cast<uint32_t>(y) * 0xd8163841u);
}

float hash_unit(uint32_t seed, int x, int y) {
    return static_cast<float>(hash(seed, x, y) >> 8) * (1.0f / 16777216.0f);
}

// --- Noise --------------------------------------------------------------------

float value_noise(uint32_t seed, float u, float v, int cells_x, int cells_y) {
    const float x = u * static_cast<float>(cells_x);
    const float y = v * static_cast<float>(cells_y);
    const float fx0 = std::floor(x);
    const float fy0 = std::floor(y);
    const float fx = fade(x - fx0);
    const float fy = fade(y - fy0);
    const int x0 = wrap(static_cast<int>(fx0), cells_x);
    const int y0 = wrap(static_cast<int>(fy0), cells_y);
    const int x1 = x0 + 1 == cells_x ? 0 : x0 + 1;
    const int y1 = y0 + 1 == cells_y ? 0 : y0 + 1;
    const float a = hash_unit(seed, x0, y0);
    const float b = hash_unit(seed, x1, y0);
    const float c = hash_unit(seed, x0, y1);
    const float d = hash_unit(seed, x1, y1);
    const float top = a + (b - a) * fx;
    const float bottom = c + (d - c) * fx;
    return top + (bottom - top) * fy;
}

float sample(uint32_t seed, const Noise& noise, float u, float v) {
    float sum = 0.0f;
    float weight = 0.0f;
    float amplitude = 1.0f;
    for (int octave = 0; octave < noise.octaves; ++octave) {
        sum += amplitude * value_noise(seed + 0x9e3779b9u * static_cast<uint32_t>(octave), u, v,
                                       noise.cells_x << octave, noise.cells_y << octave);
        weight += amplitude;
        amplitude *= noise.gain;
    }
    return weight > 0.0f ? sum / weight : 0.5f;
}

// --- Colours ------------------------------------------------------------------

Rgb mix(Rgb a, Rgb b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return Rgb{clamp_byte(a.r + (b.r - a.r) * t), clamp_byte(a.g + (b.g - a.g) * t), clamp_byte(a.b + (b.b - a.b) * t)};
}

Rgb scale(Rgb c, float k) { return Rgb{clamp_byte(c.r * k), clamp_byte(c.g * k), clamp_byte(c.b * k)}; }

float smoothstep(float lo, float hi, float x) {
    const float t = std::clamp((x - lo) / (hi - lo), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// --- Painting -----------------------------------------------------------------

void fill(Image& image, Rgb colour) { std::fill(image.pixels.begin(), image.pixels.end(), colour); }

void fill_rect(Image& image, Rect r, Rgb colour) { blend_rect(image, r, colour, 1.0f); }

void blend_rect(Image& image, Rect r, Rgb colour, float alpha) {
    int x0, x1, y0, y1;
    centre_span(r.x0, r.x1, image.width, x0, x1);
    centre_span(r.y0, r.y1, image.height, y0, y1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) image.at(x, y) = mix(image.at(x, y), colour, alpha);
}

void overlay(Image& image, const Image& src, Rect r) {
    int x0, x1, y0, y1;
    centre_span(r.x0, r.x1, std::min(image.width, src.width), x0, x1);
    centre_span(r.y0, r.y1, std::min(image.height, src.height), y0, y1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) image.at(x, y) = src.at(x, y);
}

void vertical_gradient(Image& image, Rgb top, Rgb bottom) {
    for (int y = 0; y < image.height; ++y) {
        const Rgb c = mix(top, bottom, (y + 0.5f) / static_cast<float>(image.height));
        for (int x = 0; x < image.width; ++x) image.at(x, y) = c;
    }
}

void horizontal_gradient(Image& image, Rgb left, Rgb right) {
    for (int x = 0; x < image.width; ++x) {
        const Rgb c = mix(left, right, (x + 0.5f) / static_cast<float>(image.width));
        for (int y = 0; y < image.height; ++y) image.at(x, y) = c;
    }
}

void mottle(Image& image, uint32_t seed, const Noise& noise, float amount) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const float n = sample(seed, noise, (x + 0.5f) / image.width, (y + 0.5f) / image.height);
            image.at(x, y) = scale(image.at(x, y), 1.0f + amount * (2.0f * n - 1.0f));
        }
}

void patches(Image& image, uint32_t seed, const Noise& noise, float lo, float hi, Rgb colour, float alpha) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const float n = sample(seed, noise, (x + 0.5f) / image.width, (y + 0.5f) / image.height);
            image.at(x, y) = mix(image.at(x, y), colour, alpha * smoothstep(lo, hi, n));
        }
}

void relief(Image& image, uint32_t seed, const Noise& noise, float strength) {
    const int w = image.width;
    const int h = image.height;
    std::vector<float> height(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) height[y * w + x] = sample(seed, noise, (x + 0.5f) / w, (y + 0.5f) / h);
    // Wrapped neighbours keep the shading seamless at the edges.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float slope =
                height[wrap(y - 1, h) * w + wrap(x - 1, w)] - height[wrap(y + 1, h) * w + wrap(x + 1, w)];
            image.at(x, y) = scale(image.at(x, y), 1.0f - strength * slope);
        }
}

void speckle(Image& image, uint32_t seed, float density, Rgb colour, float alpha) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (hash_unit(seed, x, y) >= density) continue;
            const float strength = 0.5f + 0.5f * hash_unit(seed + 1, x, y);
            image.at(x, y) = mix(image.at(x, y), colour, alpha * strength);
        }
}

void horizontal_lines(Image& image, float period, float offset, float width, Rgb colour, float alpha) {
    for (int y = 0; y < image.height; ++y) {
        const float cover = line_coverage(y, period, offset, width);
        if (cover <= 0.0f) continue;
        for (int x = 0; x < image.width; ++x) image.at(x, y) = mix(image.at(x, y), colour, alpha * cover);
    }
}

void vertical_lines(Image& image, float period, float offset, float width, Rgb colour, float alpha) {
    for (int x = 0; x < image.width; ++x) {
        const float cover = line_coverage(x, period, offset, width);
        if (cover <= 0.0f) continue;
        for (int y = 0; y < image.height; ++y) image.at(x, y) = mix(image.at(x, y), colour, alpha * cover);
    }
}

void darken_edges(Image& image, float width, float amount) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const float d = std::min({x + 0.5f, image.width - x - 0.5f, y + 0.5f, image.height - y - 0.5f});
            if (d >= width) continue;
            const float t = 1.0f - d / width;
            image.at(x, y) = scale(image.at(x, y), 1.0f - amount * t * t);
        }
}

void paint_courses(Image& image, uint32_t seed, const Courses& c) {
    // Units are numbered modulo the count across the image when it holds whole
    // units, so the units cut by the right and bottom edges continue at the left and top.
    const float across = image.width / c.unit_length;
    const float down = image.height / c.course_height;
    const int columns = std::abs(across - std::round(across)) < 1e-3f ? static_cast<int>(std::round(across)) : 0;
    const int rows = std::abs(down - std::round(down)) < 1e-3f ? static_cast<int>(std::round(down)) : 0;
    constexpr float kBevelPixels = 2.0f;

    for (int y = 0; y < image.height; ++y) {
        const float cy = y + 0.5f;
        const int row = static_cast<int>(std::floor(cy / c.course_height));
        const float ly = cy - row * c.course_height;
        const float shift = (row % 2 != 0) ? c.bond * c.unit_length : 0.0f;
        for (int x = 0; x < image.width; ++x) {
            const float cx = x + 0.5f - shift;
            const int col = static_cast<int>(std::floor(cx / c.unit_length));
            const float lx = cx - col * c.unit_length;
            if (lx < c.joint || ly < c.joint) {
                image.at(x, y) = scale(c.mortar, 0.92f + 0.16f * hash_unit(seed + 7, x, y));
                continue;
            }
            const int id_x = columns ? wrap(col, columns) : col;
            const int id_y = rows ? wrap(row, rows) : row;
            const Rgb tone = mix(c.unit, c.unit_alt, hash_unit(seed + 1, id_x, id_y));
            float k = 1.0f + c.variation * (2.0f * hash_unit(seed + 2, id_x, id_y) - 1.0f);
            const float from_top = ly - c.joint;
            const float from_bottom = c.course_height - ly;
            if (from_top < kBevelPixels) k += c.bevel * (1.0f - from_top / kBevelPixels);
            if (from_bottom < kBevelPixels) k -= c.bevel * (1.0f - from_bottom / kBevelPixels);
            image.at(x, y) = scale(tone, k);
        }
    }
}

}  // namespace paint
