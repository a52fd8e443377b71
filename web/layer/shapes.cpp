#include "shapes.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "teapot_data.h"

namespace ff {

void Mesh::add(const float* p, const float* n, const float* t) {
    pos.insert(pos.end(), p, p + 3);
    normal.insert(normal.end(), n, n + 3);
    if (t) tex.insert(tex.end(), t, t + 2);
}

namespace {

constexpr float kPi = 3.14159265358979323846f;

// Sines and cosines of n equal steps round the circle (backwards for n < 0),
// or of n steps over half of it; the last entry closes the circle exactly.
struct Circle {
    std::vector<float> sin, cos;
};
Circle circle(int n, bool half) {
    const int size = std::abs(n);
    const float step = (half ? 1 : 2) * kPi / float(n == 0 ? 1 : n);
    Circle c{std::vector<float>(size + 1), std::vector<float>(size + 1)};
    c.sin[0] = 0;
    c.cos[0] = 1;
    for (int i = 1; i < size; ++i) {
        c.sin[i] = std::sin(step * i);
        c.cos[i] = std::cos(step * i);
    }
    c.sin[size] = half ? 0.f : c.sin[0];
    c.cos[size] = half ? -1.f : c.cos[0];
    return c;
}

// Vertices with normals shared by index, turned into independent primitives.
struct Indexed {
    std::vector<float> pos, normal;
    void add(float x, float y, float z, float nx, float ny, float nz) {
        pos.insert(pos.end(), {x, y, z});
        normal.insert(normal.end(), {nx, ny, nz});
    }
    void emit(Mesh& m, int i) const { m.add(&pos[3 * i], &normal[3 * i]); }
    // A triangle strip, keeping each triangle's winding; degenerate ones drop out.
    void strip(Mesh& m, const std::vector<int>& s) const {
        for (std::size_t i = 0; i + 2 < s.size(); ++i) {
            const int a = s[i + (i & 1)], b = s[i + 1 - (i & 1)], c = s[i + 2];
            if (a == b || b == c || a == c) continue;
            emit(m, a);
            emit(m, b);
            emit(m, c);
        }
    }
    void line_strip(Mesh& m, const std::vector<int>& s, bool loop) const {
        for (std::size_t i = 0; i + 1 < s.size(); ++i) {
            emit(m, s[i]);
            emit(m, s[i + 1]);
        }
        if (loop && s.size() > 2) {
            emit(m, s.back());
            emit(m, s.front());
        }
    }
};

// The unit cube's faces, corners counter-clockwise seen from outside; each
// face splits into (a, b, c) and (a, c, d).
constexpr float kCubeNormals[6][3] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
constexpr float kCubeFaces[6][4][3] = {
    {{.5f, .5f, .5f}, {-.5f, .5f, .5f}, {-.5f, -.5f, .5f}, {.5f, -.5f, .5f}},
    {{.5f, .5f, .5f}, {.5f, -.5f, .5f}, {.5f, -.5f, -.5f}, {.5f, .5f, -.5f}},
    {{.5f, .5f, .5f}, {.5f, .5f, -.5f}, {-.5f, .5f, -.5f}, {-.5f, .5f, .5f}},
    {{-.5f, .5f, .5f}, {-.5f, .5f, -.5f}, {-.5f, -.5f, -.5f}, {-.5f, -.5f, .5f}},
    {{-.5f, -.5f, -.5f}, {.5f, -.5f, -.5f}, {.5f, -.5f, .5f}, {-.5f, -.5f, .5f}},
    {{.5f, -.5f, -.5f}, {-.5f, -.5f, -.5f}, {-.5f, .5f, -.5f}, {.5f, .5f, -.5f}},
};

Indexed cube_corners(float size) {
    Indexed v;
    for (int f = 0; f < 6; ++f)
        for (const auto& c : kCubeFaces[f])
            v.add(c[0] * size, c[1] * size, c[2] * size, kCubeNormals[f][0], kCubeNormals[f][1], kCubeNormals[f][2]);
    return v;
}

// Poles first and last, rings between them from the top; slices run backwards round z.
Indexed sphere_vertices(float radius, int slices, int stacks) {
    const Circle around = circle(-slices, false), down = circle(stacks, true);
    Indexed v;
    v.add(0, 0, radius, 0, 0, 1);
    for (int i = 1; i < stacks; ++i)
        for (int j = 0; j < slices; ++j) {
            const float x = around.cos[j] * down.sin[i], y = around.sin[j] * down.sin[i], z = down.cos[i];
            v.add(x * radius, y * radius, z * radius, x, y, z);
        }
    v.add(0, 0, -radius, 0, 0, -1);
    return v;
}

// The base centre, the base ring facing down, then stacks + 1 side rings up to the apex.
Indexed cone_vertices(float base, float height, int slices, int stacks) {
    const Circle around = circle(-slices, false);
    const float z_step = height / float(stacks > 0 ? stacks : 1), r_step = base / float(stacks > 0 ? stacks : 1);
    const float slant = std::sqrt(height * height + base * base);
    const float cosn = height / slant, sinn = base / slant;
    Indexed v;
    v.add(0, 0, 0, 0, 0, -1);
    for (int j = 0; j < slices; ++j) v.add(around.cos[j] * base, around.sin[j] * base, 0, 0, 0, -1);
    float z = 0, r = base;  // stepped, not multiplied, so the rings land where the desktop's do
    for (int i = 0; i <= stacks; ++i) {
        for (int j = 0; j < slices; ++j)
            v.add(around.cos[j] * r, around.sin[j] * r, z, around.cos[j] * cosn, around.sin[j] * cosn, sinn);
        z += z_step;
        r -= r_step;
    }
    return v;
}

Indexed torus_vertices(float inner, float outer, int sides, int rings) {
    const Circle ring = circle(rings, false), side = circle(-sides, false);
    Indexed v;
    for (int j = 0; j < rings; ++j)
        for (int i = 0; i < sides; ++i) {
            const float d = outer + side.cos[i] * inner;
            v.add(ring.cos[j] * d, ring.sin[j] * d, side.sin[i] * inner, ring.cos[j] * side.cos[i],
                  ring.sin[j] * side.cos[i], side.sin[i]);
        }
    return v;
}

}  // namespace

Mesh solid_cube(float size) {
    const Indexed v = cube_corners(size);
    Mesh m;
    for (int f = 0; f < 6; ++f)
        for (int k : {0, 1, 2, 0, 2, 3}) v.emit(m, f * 4 + k);
    return m;
}

Mesh wire_cube(float size) {
    const Indexed v = cube_corners(size);
    Mesh m{Mesh::Kind::lines, {}, {}, {}};
    for (int f = 0; f < 6; ++f) v.line_strip(m, {f * 4, f * 4 + 1, f * 4 + 2, f * 4 + 3}, true);
    return m;
}

Mesh solid_sphere(float radius, int slices, int stacks) {
    Mesh m;
    if (slices <= 0 || stacks < 2) return m;
    const Indexed v = sphere_vertices(radius, slices, stacks);
    const int bottom = slices * (stacks - 1) + 1;
    std::vector<int> s;
    for (int j = 0; j <= slices; ++j) s.insert(s.end(), {1 + j % slices, 0});
    v.strip(m, s);
    for (int i = 0; i < stacks - 2; ++i) {
        const int ring = 1 + i * slices;
        s.clear();
        for (int j = 0; j <= slices; ++j) s.insert(s.end(), {ring + slices + j % slices, ring + j % slices});
        v.strip(m, s);
    }
    const int last = 1 + (stacks - 2) * slices;
    s.clear();
    for (int j = 0; j <= slices; ++j) s.insert(s.end(), {bottom, last + j % slices});
    v.strip(m, s);
    return m;
}

Mesh wire_sphere(float radius, int slices, int stacks) {
    Mesh m{Mesh::Kind::lines, {}, {}, {}};
    if (slices <= 0 || stacks < 2) return m;
    const Indexed v = sphere_vertices(radius, slices, stacks);
    const int bottom = slices * (stacks - 1) + 1;
    for (int j = 0; j < slices; ++j) {  // pole to pole
        std::vector<int> s{0};
        for (int i = 0; i < stacks - 1; ++i) s.push_back(1 + j + i * slices);
        s.push_back(bottom);
        v.line_strip(m, s, false);
    }
    for (int i = 0; i < stacks - 1; ++i) {  // round each ring
        std::vector<int> s;
        for (int j = 0; j < slices; ++j) s.push_back(1 + i * slices + j);
        v.line_strip(m, s, true);
    }
    return m;
}

Mesh solid_cone(float base, float height, int slices, int stacks) {
    Mesh m;
    if (slices <= 0 || stacks < 1) return m;
    const Indexed v = cone_vertices(base, height, slices, stacks);
    std::vector<int> s;
    for (int j = 0; j <= slices; ++j) s.insert(s.end(), {0, 1 + j % slices});
    v.strip(m, s);
    for (int i = 0; i < stacks; ++i) {
        const int ring = 1 + (i + 1) * slices;
        s.clear();
        for (int j = 0; j <= slices; ++j) s.insert(s.end(), {ring + j % slices, ring + slices + j % slices});
        v.strip(m, s);
    }
    return m;
}

Mesh wire_cone(float base, float height, int slices, int stacks) {
    Mesh m{Mesh::Kind::lines, {}, {}, {}};
    if (slices <= 0 || stacks < 1) return m;
    const Indexed v = cone_vertices(base, height, slices, stacks);
    // Slant lines from the base ring to the apex ring, then a loop round each lower ring.
    for (int j = 0; j < slices; ++j) {
        v.emit(m, 1 + slices + j);
        v.emit(m, 1 + (stacks + 1) * slices + j);
    }
    for (int i = 0; i < stacks; ++i) {
        std::vector<int> s;
        for (int j = 0; j < slices; ++j) s.push_back(1 + (i + 1) * slices + j);
        v.line_strip(m, s, true);
    }
    return m;
}

Mesh solid_torus(float inner, float outer, int sides, int rings) {
    Mesh m;
    if (sides < 2 || rings < 2) return m;
    const Indexed v = torus_vertices(inner, outer, sides, rings);
    for (int i = 0; i < sides; ++i) {
        const int next = (i + 1) % sides;
        std::vector<int> s;
        for (int j = 0; j <= rings; ++j) s.insert(s.end(), {(j % rings) * sides + i, (j % rings) * sides + next});
        v.strip(m, s);
    }
    return m;
}

Mesh wire_torus(float inner, float outer, int sides, int rings) {
    Mesh m{Mesh::Kind::lines, {}, {}, {}};
    if (sides < 2 || rings < 2) return m;
    const Indexed v = torus_vertices(inner, outer, sides, rings);
    for (int j = 0; j < rings; ++j) {
        std::vector<int> s;
        for (int i = 0; i < sides; ++i) s.push_back(j * sides + i);
        v.line_strip(m, s, true);
    }
    for (int i = 0; i < sides; ++i) {
        std::vector<int> s;
        for (int j = 0; j < rings; ++j) s.push_back(j * sides + i);
        v.line_strip(m, s, true);
    }
    return m;
}

namespace {

constexpr int kSolidTeapotSteps = 8;
constexpr int kWireTeapotSteps = 10;
constexpr float kTeapotLift = 1.575f;  // centres the pot on its axis

void bernstein3(float x, float b[4], float d[4]) {
    const float ix = 1 - x;
    b[0] = ix * ix * ix;
    b[1] = 3 * x * ix * ix;
    b[2] = 3 * x * x * ix;
    b[3] = x * x * x;
    d[0] = -3 * ix * ix;
    d[1] = 3 * ix * ix - 6 * x * ix;
    d[2] = 6 * x * ix - 3 * x * x;
    d[3] = 3 * x * x;
}

// All patches of the pot as steps x steps grids, row by row, each grid
// followed by its copies (three turns about y, or one mirror in z).
Indexed teapot_grids(float size, int steps) {
    std::vector<float> b(steps * 4), d(steps * 4);
    for (int s = 0; s < steps; ++s) bernstein3(s / (steps - 1.f), &b[s * 4], &d[s * 4]);
    Indexed all;
    for (int p = 0; p < teapot::kPatches; ++p) {
        float cp[4][4][3];
        for (int i = 0; i < 16; ++i) {
            const float* q = teapot::kPoints[teapot::kPatchPoints[p][i]];
            // Stood upright (z up becomes y up) and halved, as the desktop's pot.
            cp[i / 4][i % 4][0] = q[0] * size / 2;
            cp[i / 4][i % 4][1] = (q[2] - kTeapotLift) * size / 2;
            cp[i / 4][i % 4][2] = -q[1] * size / 2;
        }
        Indexed grid;
        for (int u = 0; u < steps; ++u)
            for (int v = 0; v < steps; ++v) {
                float pt[3] = {0, 0, 0}, du[3] = {0, 0, 0}, dv[3] = {0, 0, 0};
                for (int i = 0; i < 4; ++i) {
                    float row[3] = {0, 0, 0}, row_d[3] = {0, 0, 0};
                    for (int j = 0; j < 4; ++j)
                        for (int k = 0; k < 3; ++k) {
                            row[k] += b[v * 4 + j] * cp[i][j][k];
                            row_d[k] += d[v * 4 + j] * cp[i][j][k];
                        }
                    for (int k = 0; k < 3; ++k) {
                        pt[k] += b[u * 4 + i] * row[k];
                        dv[k] += b[u * 4 + i] * row_d[k];
                        du[k] += d[u * 4 + i] * row[k];
                    }
                }
                float n[3] = {dv[1] * du[2] - dv[2] * du[1], dv[2] * du[0] - dv[0] * du[2], dv[0] * du[1] - dv[1] * du[0]};
                const float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
                for (float& c : n) c /= len;
                // The lid's knob top and the bottom's centre collapse a row to a
                // point, where the cross product says nothing: straight up or down.
                if (u == 0 && (p == 3 || p == 5)) {
                    n[0] = n[2] = 0;
                    n[1] = p == 3 ? 1.f : -1.f;
                }
                grid.add(pt[0], pt[1], pt[2], n[0], n[1], n[2]);
            }
        all.pos.insert(all.pos.end(), grid.pos.begin(), grid.pos.end());
        all.normal.insert(all.normal.end(), grid.normal.begin(), grid.normal.end());
        auto copy = [&](auto f) {
            for (std::size_t o = 0; o < grid.pos.size(); o += 3) {
                float a[3], n[3];
                f(&grid.pos[o], a);
                f(&grid.normal[o], n);
                all.add(a[0], a[1], a[2], n[0], n[1], n[2]);
            }
        };
        if (p < teapot::kRotatedPatches) {
            copy([](const float* q, float* r) { r[0] = q[2], r[1] = q[1], r[2] = -q[0]; });
            copy([](const float* q, float* r) { r[0] = -q[0], r[1] = q[1], r[2] = -q[2]; });
            copy([](const float* q, float* r) { r[0] = -q[2], r[1] = q[1], r[2] = q[0]; });
        } else {
            // Rows in reverse order keep the winding of the mirrored copy.
            Indexed mirrored;
            for (int u = steps - 1; u >= 0; --u)
                for (int v = 0; v < steps; ++v) {
                    const int o = (u * steps + v) * 3;
                    mirrored.add(grid.pos[o], grid.pos[o + 1], -grid.pos[o + 2], grid.normal[o], grid.normal[o + 1],
                                 -grid.normal[o + 2]);
                }
            all.pos.insert(all.pos.end(), mirrored.pos.begin(), mirrored.pos.end());
            all.normal.insert(all.normal.end(), mirrored.normal.begin(), mirrored.normal.end());
        }
    }
    return all;
}

}  // namespace

Mesh solid_teapot(float size) {
    const int n = kSolidTeapotSteps;
    const Indexed v = teapot_grids(size, n);
    Mesh m;
    const int grids = int(v.pos.size() / 3) / (n * n);
    for (int g = 0; g < grids; ++g)
        for (int r = 0; r + 1 < n; ++r)
            for (int c = 0; c + 1 < n; ++c)
                // Two triangles a-below-below+1 and a-below+1-a+1 per grid square.
                for (auto [dr, dc] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}}) {
                    const int i = g * n * n + (r + dr) * n + c + dc;
                    const float t[2] = {(r + dr) / (n - 1.f), (c + dc) / (n - 1.f)};
                    m.add(&v.pos[3 * i], &v.normal[3 * i], t);
                }
    return m;
}

Mesh wire_teapot(float size) {
    const int n = kWireTeapotSteps;
    const Indexed v = teapot_grids(size, n);
    Mesh m{Mesh::Kind::lines, {}, {}, {}};
    const int grids = int(v.pos.size() / 3) / (n * n);
    for (int g = 0; g < grids; ++g)
        for (int c = 0; c < n; ++c) {
            std::vector<int> s;
            for (int r = 0; r < n; ++r) s.push_back(g * n * n + r * n + c);
            v.line_strip(m, s, false);
        }
    for (int g = 0; g < grids; ++g)
        for (int r = 0; r < n; ++r) {
            std::vector<int> s;
            for (int c = 0; c < n; ++c) s.push_back(g * n * n + r * n + c);
            v.line_strip(m, s, false);
        }
    return m;
}

}  // namespace ff
