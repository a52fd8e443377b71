#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "gl_recorder.h"
#include "primitive_checks.h"
#include "state.h"
#include "structure.h"
#include "textures.h"

namespace {

using namespace building_tour;

using glrec::Vec3;
using Range = std::array<float, 2>;

std::vector<glrec::Quad> group(std::size_t index) {
    std::vector<glrec::Quad> r;
    for (const auto& q : glrec::recorder().quads())
        if (q.primitive == index) r.push_back(q);
    return r;
}

Range z_range(std::size_t index) {
    Range r{1e9f, -1e9f};
    for (const auto& q : group(index)) r = {std::min(r[0], q.min().z), std::max(r[1], q.max().z)};
    return r;
}

std::vector<glrec::Vertex> vertices() {
    std::vector<glrec::Vertex> r;
    for (const auto& p : glrec::recorder().primitives()) r.insert(r.end(), p.vertices.begin(), p.vertices.end());
    return r;
}

// Every beam face maps the image straight.
void expect_all_straight() {
    for (const auto& q : glrec::recorder().quads())
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(q.corners[i].s, (i == 1 || i == 2) ? 1 : 0) << "group " << q.primitive << " corner " << i;
            EXPECT_EQ(q.corners[i].t, i >= 2 ? 1 : 0) << "group " << q.primitive << " corner " << i;
        }
}

using Structure = PrimitiveTest;
using Beams = Structure;
using Stairs = Structure;

TEST_F(Beams, BayBeamsStopShortOfBothColumns) {
    draw_viga(5, 0, 48, 0);
    const auto& rec = glrec::recorder();
    ASSERT_EQ(rec.primitives().size(), 3u);
    EXPECT_EQ(rec.count("glBindTexture"), 3u);
    for (const auto& q : rec.quads()) EXPECT_EQ(q.texture(), TextureArray[slot::cimento]);
    expect_all_straight();
    EXPECT_EQ(group(1).size(), 6u);
    EXPECT_EQ(z_range(0), (Range{0, 2}));
    EXPECT_EQ(z_range(1), (Range{-41, -1}));
    EXPECT_EQ(z_range(2), (Range{-44, -42}));
    expect_quad(group(1)[4], {{{5, 44, -1}, {5, 48, -1}, {5, 48, -41}, {5, 44, -41}}},
                {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}});
}

TEST_F(Beams, CornerColumnsFaceOppositeWays) {
    draw_viga_quina_S(0, 0, 48, 10, 15, 16);
    EXPECT_EQ(z_range(0), (Range{8, 16}));
    expect_quad(group(0)[0], {{{0, 48, 15}, {0, 48, 8}, {0, 0, 8}, {0, 0, 15}}}, {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}});

    glrec::recorder().clear_recording();
    draw_viga_quina(0, 0, 48, 10, 15, 16);
    EXPECT_EQ(glrec::recorder().count("glBindTexture"), 2u);
    EXPECT_EQ(z_range(0), (Range{12, 16}));
    EXPECT_EQ(z_range(1), (Range{-31, 9}));
}

TEST_F(Beams, FacadeBeamMirrorsWithItsSide) {
    draw_viga_horizontal(4, 20, 0, 1);
    expect_all_straight();
    const auto front = vertices();
    EXPECT_EQ(glrec::recorder().count("glBindTexture"), 1u);
    EXPECT_EQ(group(0).size(), 8u);  // the beam and its inner bracket
    EXPECT_EQ(group(1).size(), 8u);  // the two outer brackets
    EXPECT_EQ(z_range(0), (Range{2, 11}));
    EXPECT_EQ(z_range(1), (Range{0, 10}));

    glrec::recorder().clear_recording();
    draw_viga_horizontal(4, 20, 0, -1);
    const auto back = vertices();
    ASSERT_EQ(back.size(), front.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        const Vec3 f = front[i].scene;
        EXPECT_TRUE(glrec::near(back[i].scene, {f.x, f.y, -f.z})) << i;
        EXPECT_EQ(back[i].s, front[i].s);
        EXPECT_EQ(back[i].t, front[i].t);
    }
}

TEST_F(Beams, CorridorBeamsIgnoreTheColumnTop) {
    draw_viga_corredor(0, 0, 0, 0);
    const auto low = vertices();
    EXPECT_EQ(z_range(0), (Range{-60, -44}));
    glrec::recorder().clear_recording();
    draw_viga_corredor(0, 0, 48, 0);
    const auto high = vertices();
    ASSERT_EQ(low.size(), 24u);
    ASSERT_EQ(high.size(), low.size());
    for (std::size_t i = 0; i < low.size(); ++i) EXPECT_TRUE(glrec::near(low[i].scene, high[i].scene)) << i;
}

TEST_F(Stairs, AStepDrawsWithTheCallersTextureInThreePatterns) {
    bind_slot(slot::vidro);
    glrec::recorder().clear_recording();
    draw_degrau(0, 0, 0);
    const auto quads = glrec::recorder().quads();
    EXPECT_EQ(glrec::recorder().count("glBindTexture"), 0u);
    ASSERT_EQ(quads.size(), 3u);
    for (const auto& q : quads) EXPECT_EQ(q.texture(), TextureArray[slot::vidro]);
    expect_quad(quads[0], {{{8, 1.3f, 0}, {8, 1.3f, -20}, {10, 1.3f, -20}, {10, 1.3f, 0}}},
                {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}});
    expect_quad(quads[1], {{{8, 0, 0}, {8, 1.3f, 0}, {10, 1.3f, 0}, {10, 0, 0}}}, {{{0, 0}, {1, 1}, {1, 0}, {0, 1}}});
    expect_quad(quads[2], {{{10, 0, 0}, {10, 0, -20}, {10, 1.3f, -20}, {10, 1.3f, 0}}},
                {{{0, 0}, {0, 1}, {1, 1}, {1, 0}}});
}

// Height of the highest face looking up over (x, z): what a foot stands on.
float standing_height(const std::vector<glrec::Quad>& quads, float x, float z) {
    float top = -1;
    for (const auto& q : quads)
        if (q.max().y - q.min().y < 1e-4f && q.min().x < x && x < q.max().x && q.min().z < z && z < q.max().z)
            top = std::max(top, q.max().y);
    return top;
}

// Top edge of an upright panel where it passes the given x (plane z) or z (plane x).
float panel_top(const std::vector<glrec::Quad>& panel, float along, bool along_x) {
    float top = -1;
    for (const auto& q : panel) {
        const float lo = along_x ? q.min().x : q.min().z, hi = along_x ? q.max().x : q.max().z;
        if (lo < along && along < hi) top = std::max(top, q.max().y);
    }
    return top;
}

constexpr float kRise = 1.3f;

TEST_F(Stairs, TreadsAndLandingsClimbOneRiseAtATimeAndThePanelsFollowThem) {
    draw_escada(0, 0, -31);
    const auto& rec = glrec::recorder();
    EXPECT_EQ(rec.count("glBindTexture"), 1u);
    for (const auto& q : rec.quads()) EXPECT_EQ(q.texture(), TextureArray[slot::grafiato]);

    // The two side panels are drawn last, the second flight's first.
    const std::size_t groups = rec.primitives().size();
    std::vector<glrec::Quad> steps, side_panel, front_panel;
    for (const auto& q : rec.quads())
        (q.primitive == groups - 2 ? side_panel : q.primitive == groups - 1 ? front_panel : steps).push_back(q);

    // Up the first flight towards -x along the middle of its run (z -41),
    // across the upper landing, then up the second flight towards -z at x -11.
    struct Probe {
        float x, z;
        int rises;
    };
    const Probe walk[] = {
        {23, -41, 1}, {21, -41, 2}, {14, -41, 3}, {7, -41, 4},   {5, -41, 5},   {3, -41, 6},
        {1, -41, 7},  {-1, -41, 8}, {-11, -41, 9}, {-11, -52, 10}, {-11, -54, 11}, {-11, -56, 12},
        {-11, -58, 13}, {-11, -60, 14}, {-11, -62, 15}, {-11, -64, 16}, {-11, -66, 17}, {-11, -68, 18},
    };
    for (const Probe& p : walk)
        EXPECT_NEAR(standing_height(steps, p.x, p.z), p.rises * kRise, 1e-4f) << "at " << p.x << ", " << p.z;
    // The top step ends level with the first floor.
    EXPECT_NEAR(standing_height(steps, -11, -70), 24, 1e-4f);

    // The first flight's panel (plane z -31) runs one rise under the treads;
    // the second flight's (plane x -20) follows them.
    for (float x : {7.f, 5.f, 3.f, 1.f, -1.f})
        EXPECT_NEAR(panel_top(front_panel, x, true), standing_height(steps, x, -41) - kRise, 1e-4f) << "x " << x;
    for (float z : {-41.f, -52.f, -54.f, -56.f, -58.f, -60.f, -62.f, -64.f, -66.f, -68.f, -70.f})
        EXPECT_NEAR(panel_top(side_panel, z, false), standing_height(steps, -11, z), 1e-4f) << "z " << z;
    for (const auto& q : front_panel) EXPECT_NEAR(q.min().z, -31, 1e-4f);
    for (const auto& q : side_panel) EXPECT_NEAR(q.min().x, -20, 1e-4f);
}

}  // namespace
