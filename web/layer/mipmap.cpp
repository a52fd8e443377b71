#include "mipmap.h"

#include <algorithm>

namespace ff {

int power_of_two_below(int n) {
    int p = 1;
    while (p * 2 <= n) p *= 2;
    return p;
}

Image scale_image(const Image& src, int width, int height) {
    if (width == src.width && height == src.height) return src;
    Image out{width, height, src.channels, std::vector<unsigned char>(std::size_t(width) * height * src.channels)};
    const double sx = double(src.width) / width, sy = double(src.height) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            // The source rectangle this pixel covers, weighted by overlap.
            const double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
            for (int c = 0; c < src.channels; ++c) {
                double sum = 0, area = 0;
                for (int j = int(y0); j < std::min(src.height, int(y1 + 0.999999)); ++j) {
                    const double h = std::min(y1, j + 1.0) - std::max(y0, double(j));
                    if (h <= 0) continue;
                    for (int i = int(x0); i < std::min(src.width, int(x1 + 0.999999)); ++i) {
                        const double w = std::min(x1, i + 1.0) - std::max(x0, double(i));
                        if (w <= 0) continue;
                        sum += w * h * src.pixels[(std::size_t(j) * src.width + i) * src.channels + c];
                        area += w * h;
                    }
                }
                out.pixels[(std::size_t(y) * width + x) * src.channels + c] =
                    static_cast<unsigned char>(area > 0 ? sum / area + 0.5 : 0);
            }
        }
    return out;
}

Image halve(const Image& src) {
    const int w = std::max(1, src.width / 2), h = std::max(1, src.height / 2);
    Image out{w, h, src.channels, std::vector<unsigned char>(std::size_t(w) * h * src.channels)};
    const int dx = src.width > 1 ? 1 : 0, dy = src.height > 1 ? 1 : 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < src.channels; ++c) {
                auto at = [&](int i, int j) {
                    return int(src.pixels[(std::size_t(j) * src.width + i) * src.channels + c]);
                };
                const int sx = x * (1 + dx), sy = y * (1 + dy);
                const int sum = at(sx, sy) + at(sx + dx, sy) + at(sx, sy + dy) + at(sx + dx, sy + dy);
                out.pixels[(std::size_t(y) * w + x) * src.channels + c] = static_cast<unsigned char>((sum + 2) / 4);
            }
    return out;
}

std::vector<Image> mipmap_chain(const Image& base, int max_side) {
    const int w = std::min(power_of_two_below(base.width), power_of_two_below(max_side));
    const int h = std::min(power_of_two_below(base.height), power_of_two_below(max_side));
    std::vector<Image> levels{scale_image(base, w, h)};
    while (levels.back().width > 1 || levels.back().height > 1) levels.push_back(halve(levels.back()));
    return levels;
}

}  // namespace ff
