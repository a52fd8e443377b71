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

using Structure = PrimitiveTest;
using Beams = Structure;
using Stairs = Structure;

TEST_F(Beams, BayBeamsStopShortOfBothColumns) {
    draw_viga(5, 0, 48, 0);
    const auto& rec = glrec::recorder();
    ASSERT_EQ(rec.primitives().size(), 3u);
    EXPECT_EQ(rec.count("glBindTexture"), 3u);
    for (const auto& q : rec.quads()) EXPECT_EQ(q.texture(), TextureArray[slot::cimento]);
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

// Groups of the stair block: two low steps, landing, five steps, landing,
// plinths, nine steps of the second flight, top step, end walls, stairwell,
// the two side panels.
constexpr std::size_t kUpperFlight = 3, kSecondFlight = 10, kGroups = 24;

TEST_F(Stairs, FlightsRiseOneThreeAndMoveTwo) {
    draw_escada(0, 0, -31);
    const auto& rec = glrec::recorder();
    EXPECT_EQ(rec.count("glBindTexture"), 1u);
    ASSERT_EQ(rec.primitives().size(), kGroups);
    EXPECT_EQ(rec.quads().size(), 85u);
    for (const auto& q : rec.quads()) EXPECT_EQ(q.texture(), TextureArray[slot::grafiato]);

    const auto first_tread = group(0)[0];
    EXPECT_EQ(first_tread.min().x, 22);
    EXPECT_EQ(first_tread.max().x, 24);
    EXPECT_FLOAT_EQ(first_tread.min().y, 1.3f);

    auto expect_next_step = [](std::size_t g, Vec3 move) {
        const auto a = group(g)[0], b = group(g + 1)[0];
        for (int i = 0; i < 4; ++i) {
            const Vec3 p = a.corners[i].scene;
            EXPECT_TRUE(glrec::near(b.corners[i].scene, {p.x + move.x, p.y + move.y, p.z + move.z}))
                << "group " << g << " corner " << i;
        }
    };
    expect_next_step(0, {-2, 1.3f, 0});
    for (std::size_t g = kUpperFlight; g < kUpperFlight + 4; ++g) expect_next_step(g, {-2, 1.3f, 0});
    for (std::size_t g = kSecondFlight; g < kSecondFlight + 8; ++g) expect_next_step(g, {0, 1.3f, -2});

    // The first flight meets the second landing; the top step is level with the first floor.
    EXPECT_FLOAT_EQ(group(kUpperFlight + 4)[0].min().y, 10.4f);
    EXPECT_FLOAT_EQ(group(kUpperFlight + 5)[0].min().y, 11.7f);
    const auto turn = group(kSecondFlight)[0];  // the second flight starts at the landing's back edge
    EXPECT_EQ(turn.max().z, -51);
    EXPECT_EQ(turn.min().z, -53);
    EXPECT_FLOAT_EQ(turn.min().y, 13);
    EXPECT_FLOAT_EQ(group(kSecondFlight + 9)[0].min().y, 24);
}

}  // namespace
