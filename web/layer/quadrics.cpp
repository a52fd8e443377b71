#include "quadrics.h"

#include <GL/gl.h>

#include <cmath>

namespace ff {

namespace {
constexpr double kPi = 3.14159265358979323846;

// Sine and cosine round the slices, the first repeated at the end to close the ring.
struct Ring {
    std::vector<float> sin, cos;
};
Ring slice_ring(int slices) {
    Ring r{std::vector<float>(slices + 1), std::vector<float>(slices + 1)};
    for (int i = 0; i < slices; ++i) {
        const float angle = float(2 * kPi * i / slices);
        r.sin[i] = std::sin(angle);
        r.cos[i] = std::cos(angle);
    }
    r.sin[slices] = r.sin[0];
    r.cos[slices] = r.cos[0];
    return r;
}
}  // namespace

void Strip::add(float x, float y, float z, float nx, float ny, float nz, float s, float t) {
    pos.insert(pos.end(), {x, y, z});
    normal.insert(normal.end(), {nx, ny, nz});
    tex.insert(tex.end(), {s, t});
}

std::vector<Strip> cylinder(double base, double top, double height, int slices, int stacks) {
    std::vector<Strip> out;
    const double delta = base - top, length = std::sqrt(delta * delta + height * height);
    if (slices < 2 || stacks < 1 || base < 0 || top < 0 || height < 0 || length == 0) return out;
    const float z_normal = float(delta / length), xy_ratio = float(height / length);
    // x takes the sine and y the cosine, as GLU has it.
    const Ring ring = slice_ring(slices);
    const std::vector<float>& sn = ring.sin;
    const std::vector<float>& cs = ring.cos;
    for (int j = 0; j < stacks; ++j) {
        const float z_low = float(j * height / stacks), z_high = float((j + 1) * height / stacks);
        const float r_low = float(base - delta * (float(j) / stacks));
        const float r_high = float(base - delta * (float(j + 1) / stacks));
        Strip strip{GL_QUAD_STRIP, {}, {}, {}};
        for (int i = 0; i <= slices; ++i) {
            const float nx = xy_ratio * sn[i], ny = xy_ratio * cs[i], s = 1 - float(i) / slices;
            strip.add(r_low * sn[i], r_low * cs[i], z_low, nx, ny, z_normal, s, float(j) / stacks);
            strip.add(r_high * sn[i], r_high * cs[i], z_high, nx, ny, z_normal, s, float(j + 1) / stacks);
        }
        out.push_back(std::move(strip));
    }
    return out;
}

std::vector<Strip> sphere(double radius, int slices, int stacks, bool textured) {
    std::vector<Strip> out;
    if (slices < 2 || stacks < 1 || radius < 0) return out;
    const Ring ring = slice_ring(slices);
    const std::vector<float>& sa = ring.sin;
    const std::vector<float>& ca = ring.cos;
    std::vector<float> sb(stacks + 1), cb(stacks + 1), rs(stacks + 1), rc(stacks + 1);
    for (int j = 0; j <= stacks; ++j) {
        const float angle = float(kPi * j / stacks);
        sb[j] = std::sin(angle);
        cb[j] = std::cos(angle);
        rs[j] = float(radius * std::sin(angle));
        rc[j] = float(radius * std::cos(angle));
    }
    rs[0] = rs[stacks] = 0;  // it comes to a point
    const float r = float(radius);
    int start = 0, finish = stacks;
    if (!textured) {
        // Fans at the poles; a texture would need a coordinate per neighbour at the apex.
        start = 1;
        finish = stacks - 1;
        Strip cap{GL_TRIANGLE_FAN, {}, {}, {}};
        cap.add(0, 0, r, 0, 0, 1, 0, 0);
        for (int i = slices; i >= 0; --i)
            cap.add(rs[1] * sa[i], rs[1] * ca[i], rc[1], sa[i] * sb[1], ca[i] * sb[1], cb[1], 0, 0);
        out.push_back(std::move(cap));
    }
    for (int j = start; j < finish; ++j) {
        Strip strip{GL_QUAD_STRIP, {}, {}, {}};
        for (int i = 0; i <= slices; ++i) {
            const float s = 1 - float(i) / slices;
            strip.add(rs[j + 1] * sa[i], rs[j + 1] * ca[i], rc[j + 1], sa[i] * sb[j + 1], ca[i] * sb[j + 1], cb[j + 1],
                      s, 1 - float(j + 1) / stacks);
            strip.add(rs[j] * sa[i], rs[j] * ca[i], rc[j], sa[i] * sb[j], ca[i] * sb[j], cb[j], s, 1 - float(j) / stacks);
        }
        out.push_back(std::move(strip));
    }
    if (!textured) {
        Strip cap{GL_TRIANGLE_FAN, {}, {}, {}};
        cap.add(0, 0, -r, 0, 0, -1, 0, 0);
        for (int i = 0; i <= slices; ++i)
            cap.add(rs[stacks - 1] * sa[i], rs[stacks - 1] * ca[i], rc[stacks - 1], sa[i] * sb[stacks - 1],
                    ca[i] * sb[stacks - 1], cb[stacks - 1], 0, 0);
        out.push_back(std::move(cap));
    }
    return out;
}

}  // namespace ff
