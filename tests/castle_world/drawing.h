#pragma once
// What the drawing tests share: a fresh recorder with the texture table
// filled, a plain pen, and quads picked by texture and place.

#include <gtest/gtest.h>

#include <vector>

#include "faces.h"
#include "gl_recorder.h"
#include "scene.h"
#include "textures.h"

namespace castle_world {

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::recorder().reset();
        glGenTextures(slot::count, textureArray);
        glrec::recorder().clear_recording();
    }
    static GLuint tex(int s) { return textureArray[s]; }
    Pen pen{Pen::kPlain};
};

// The quads drawn so far: each is sent as the triangles a b c and a c d.
inline std::vector<glrec::Quad> quads() {
    std::vector<glrec::Quad> out;
    const auto& primitives = glrec::recorder().primitives();
    for (std::size_t p = 0; p < primitives.size(); ++p) {
        const auto& v = primitives[p].vertices;
        if (primitives[p].mode != GL_TRIANGLES) continue;
        for (std::size_t i = 0; i + 6 <= v.size(); i += 6) {
            glrec::Quad q;
            q.corners = {v[i], v[i + 1], v[i + 2], v[i + 5]};
            q.primitive = p;
            out.push_back(q);
        }
    }
    return out;
}

inline std::vector<glrec::Quad> quads_with_texture(GLuint texture) {
    std::vector<glrec::Quad> out;
    for (const glrec::Quad& q : quads())
        if (q.texture() == texture) out.push_back(q);
    return out;
}

// Scene-coordinate bounds of a set of quads.
struct Extent {
    glrec::Vec3 min{1e9f, 1e9f, 1e9f}, max{-1e9f, -1e9f, -1e9f};
    int count = 0;
};

inline Extent extent(const std::vector<glrec::Quad>& quads) {
    Extent e;
    for (const glrec::Quad& q : quads) {
        const glrec::Vec3 lo = q.min(), hi = q.max();
        e.min = {std::min(e.min.x, lo.x), std::min(e.min.y, lo.y), std::min(e.min.z, lo.z)};
        e.max = {std::max(e.max.x, hi.x), std::max(e.max.y, hi.y), std::max(e.max.z, hi.z)};
        ++e.count;
    }
    return e;
}

// The extent spans x0..x1 and z0..z1, each within tolerance.
inline void expect_xz(const Extent& e, float x0, float x1, float z0, float z1, float tolerance) {
    EXPECT_NEAR(e.min.x, x0, tolerance);
    EXPECT_NEAR(e.max.x, x1, tolerance);
    EXPECT_NEAR(e.min.z, z0, tolerance);
    EXPECT_NEAR(e.max.z, z1, tolerance);
}

// Quads of one texture lying wholly inside [lo, hi].
inline std::vector<glrec::Quad> quads_in(GLuint texture, glrec::Vec3 lo, glrec::Vec3 hi, float slack = 0.01f) {
    std::vector<glrec::Quad> out;
    for (const glrec::Quad& q : quads_with_texture(texture)) {
        const glrec::Vec3 a = q.min(), b = q.max();
        if (a.x >= lo.x - slack && a.y >= lo.y - slack && a.z >= lo.z - slack && b.x <= hi.x + slack &&
            b.y <= hi.y + slack && b.z <= hi.z + slack)
            out.push_back(q);
    }
    return out;
}

}  // namespace castle_world
