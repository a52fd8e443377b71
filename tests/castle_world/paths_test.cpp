// The fast path against the plain one through the recording stand-in, with
// its display lists replayed where they are called: every triangle the fast
// path draws is the plain path's next one, at the same place with the same
// texture and coordinates, every solid shows the same texel in the same
// colour, and what the fast path leaves out lies wholly outside the view.

#include <algorithm>
#include <cmath>

#include "castle.h"
#include "drawing.h"
#include "village.h"

namespace castle_world {
namespace {

using glrec::Vec3;

struct Triangle {
    GLuint texture;
    std::array<glrec::Vertex, 3> corners;
};

std::vector<Triangle> triangles() {
    std::vector<Triangle> out;
    for (const glrec::Primitive& p : glrec::recorder().primitives()) {
        if (p.mode != GL_TRIANGLES) continue;
        for (std::size_t i = 0; i + 3 <= p.vertices.size(); i += 3)
            out.push_back({p.vertices[i].texture, {p.vertices[i], p.vertices[i + 1], p.vertices[i + 2]}});
    }
    return out;
}

bool same(const Triangle& a, const Triangle& b) {
    if (a.texture != b.texture) return false;
    for (std::size_t k = 0; k < 3; ++k) {
        const glrec::Vertex &u = a.corners[k], &v = b.corners[k];
        if (!glrec::near(u.scene, v.scene, 1e-3f) || u.s != v.s || u.t != v.t) return false;
    }
    return true;
}

bool same(const glrec::Solid& a, const glrec::Solid& b) {
    return a.kind == b.kind && a.params == b.params && a.texture == b.texture && a.tex_coord == b.tex_coord &&
           a.color == b.color && glrec::near(a.center(), b.center(), 1e-3f);
}

// Wholly on the far side of one plane of the view volume.
bool out_of_view(const std::vector<Vec3>& eye_points) {
    const glrec::Mat4 projection = glrec::recorder().projection();
    std::vector<std::array<double, 4>> clip;
    for (const Vec3& p : eye_points) clip.push_back(projection.apply4({p.x, p.y, p.z, 1}));
    for (int axis = 0; axis < 3; ++axis)
        for (double sign : {-1.0, 1.0}) {
            bool all_out = true;
            for (const auto& c : clip) all_out = all_out && sign * c[std::size_t(axis)] > c[3];
            if (all_out) return true;
        }
    return false;
}

bool out_of_view(const Triangle& t) { return out_of_view({t.corners[0].eye, t.corners[1].eye, t.corners[2].eye}); }

bool out_of_view(const glrec::Solid& s) { return out_of_view({s.eye.apply({0, 0, 0})}); }

// Walks the plain drawing along the fast one: each fast item must be the
// next plain one, the plain items passed over on the way out of view.
template <typename Item>
void expect_fast_follows_plain(const std::vector<Item>& plain, const std::vector<Item>& fast, const char* what) {
    std::size_t j = 0;
    for (std::size_t i = 0; i < fast.size(); ++i) {
        while (j < plain.size() && !same(plain[j], fast[i])) {
            ASSERT_TRUE(out_of_view(plain[j])) << what << " " << j << " in view is missing from the fast path, or "
                                               << "fast " << what << " " << i << " differs from it";
            ++j;
        }
        ASSERT_LT(j, plain.size()) << "fast " << what << " " << i << " is not in the plain drawing";
        ++j;
    }
    for (; j < plain.size(); ++j) ASSERT_TRUE(out_of_view(plain[j])) << what << " " << j << " missing at the end";
}

class Paths : public Drawing {
protected:
    void draw(const State& s, Path path) {
        glrec::recorder().clear_recording();
        load_projection(s);
        draw_frame(s, path);
        ASSERT_TRUE(glrec::recorder().errors().empty())
            << glrec::recorder().error_sources().at(0) << " " << glrec::recorder().errors().at(0) << " " << int(path);
    }
};

TEST_F(Paths, FastDrawsWhatPlainDrawsInViewTriangleByTriangle) {
    const float pi = float(M_PI);
    const struct {
        float x, y, z, heading, pitch;
        int gates;  // every gate counter at this, within its travel
    } kPlaces[] = {
        {kStartX, kStartY, kStartZ, kStartHeading, 0, 0},
        {850, 30, 120, pi, 0.1f, 45},       // at the gatehouse, looking in
        {1000, 20, 900, -0.5f, -0.2f, 90},  // among the houses, toward the fountain
        {880, 20, 930, pi, 0, 120},         // before the keep's door
    };
    compile_scene();
    for (const auto& at : kPlaces) {
        SCOPED_TRACE(testing::Message() << at.x << " " << at.z);
        State s;
        s.posX = at.x;
        s.posY = at.y;
        s.posZ = at.z;
        orientMe(s, s.angle = at.heading);
        Look(s, s.angle2 = at.pitch);
        s.porta_castelo = at.gates;
        s.porta_castelo2 = std::min(at.gates, kBarTravel);
        s.portao_madeira = std::min(at.gates, kBridgeDown);
        s.porta_grade = std::min(at.gates, kPortcullisUp);
        draw(s, Path::plain);
        const std::vector<Triangle> plain = triangles();
        const std::vector<glrec::Solid> plain_solids = glrec::recorder().solids();
        draw(s, Path::fast);
        const std::vector<Triangle> fast = triangles();
        // Something of the view is left out, and much is drawn.
        EXPECT_LT(fast.size(), plain.size());
        EXPECT_GT(fast.size(), plain.size() / 20);
        expect_fast_follows_plain(plain, fast, "triangle");
        expect_fast_follows_plain(plain_solids, glrec::recorder().solids(), "solid");
    }
}

// The sign's posts show whatever the keep left bound; when the keep is left
// out, what a measuring pen found it leaves is put back in its place.
TEST_F(Paths, SignPostsShowWhatTheKeepLeftWhenItIsLeftOut) {
    Pen measure(Pen::kMeasure);
    castelo_rest(measure);
    Pen sign(Pen::kMeasure);
    placa_vende(sign);
    EXPECT_FALSE(measure.shows_earlier());
    EXPECT_TRUE(sign.shows_earlier());

    castelo_rest(pen);
    glrec::recorder().clear_recording();
    placa_vende(pen);
    const std::vector<glrec::Solid> drawn = glrec::recorder().solids();

    glBindTexture(GL_TEXTURE_2D, tex(slot::grass));
    glTexCoord2f(0.3f, 0.7f);
    glrec::recorder().clear_recording();
    Pen fast(Pen::kFast);
    fast.restore(measure.texel());
    placa_vende(fast);
    const std::vector<glrec::Solid> restored = glrec::recorder().solids();
    ASSERT_EQ(restored.size(), 2u);
    ASSERT_EQ(drawn.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) EXPECT_TRUE(same(drawn[k], restored[k])) << k;
    EXPECT_EQ(drawn[0].texture, tex(slot::vimbo_face));
}

}  // namespace
}  // namespace castle_world
