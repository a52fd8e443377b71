#pragma once
// The mipmap builder's image work: sizes to powers of two, then halves.

#include <vector>

namespace ff {

struct Image {
    int width = 0, height = 0, channels = 0;
    std::vector<unsigned char> pixels;  // tightly packed rows
};

// The largest power of two not above n (1 for n < 1).
int power_of_two_below(int n);
// Resamples by averaging the source pixels each destination pixel covers.
Image scale_image(const Image& src, int width, int height);
// The next level: each pixel the mean of a 2x2 block; a side of 1 stays 1.
Image halve(const Image& src);
// Level 0 at a power-of-two size within max_side, then every level down to 1x1.
std::vector<Image> mipmap_chain(const Image& base, int max_side);

}  // namespace ff
