#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "gl_recorder.h"
#include "primitive_checks.h"
#include "openings.h"
#include "state.h"
#include "textures.h"

namespace {

using namespace building_tour;

using glrec::Vec3;
constexpr TexList kStraightTex = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
constexpr TexList kCrossedTex = {{{0, 0}, {1, 1}, {1, 0}, {0, 1}}};

// Expects the quads numbered first to last to fill exactly the box lo to hi.
void expect_quads_span(const std::vector<glrec::Quad>& quads, std::size_t first, std::size_t last, Vec3 lo, Vec3 hi) {
    Vec3 min{1e9f, 1e9f, 1e9f}, max{-1e9f, -1e9f, -1e9f};
    for (std::size_t i = first; i <= last; ++i) {
        const glrec::Quad& q = quads.at(i);
        min = {std::min(min.x, q.min().x), std::min(min.y, q.min().y), std::min(min.z, q.min().z)};
        max = {std::max(max.x, q.max().x), std::max(max.y, q.max().y), std::max(max.z, q.max().z)};
    }
    EXPECT_TRUE(glrec::near(min, lo, 1e-3f) && glrec::near(max, hi, 1e-3f))
        << "quads " << first << "-" << last << ": " << min.x << ", " << min.y << ", " << min.z << " to " << max.x
        << ", " << max.y << ", " << max.z;
}

// The same for the quads of groups first to last.
void expect_groups_span(std::size_t first, std::size_t last, Vec3 lo, Vec3 hi) {
    std::vector<glrec::Quad> quads;
    for (const auto& q : glrec::recorder().quads())
        if (q.primitive >= first && q.primitive <= last) quads.push_back(q);
    ASSERT_FALSE(quads.empty());
    expect_quads_span(quads, 0, quads.size() - 1, lo, hi);
}

using Openings = PrimitiveTest;
using Gates = Openings;
using Windows = Openings;

// Groups 0-3 are the frame, 4-7 the left leaf, 8-11 the right leaf.
constexpr std::size_t kLeftLeaf = 4, kRightLeaf = 8, kLastGroup = 11;

TEST_F(Gates, ClosedGateIsAFrameWithBothLeavesInItsPlane) {
    draw_door_master(10, 2, 5, 1);
    const auto& rec = glrec::recorder();
    EXPECT_EQ(rec.primitives().size(), kLastGroup + 1);
    EXPECT_EQ(rec.quads().size(), 56u);
    for (const auto& q : rec.quads()) EXPECT_EQ(q.texture(), TextureArray[slot::image]);
    EXPECT_EQ(rec.modelview_depth(), 1u);
    expect_groups_span(0, kLastGroup, {10, 2, 4.6f}, {30, 22, 5});
    expect_groups_span(kLeftLeaf, kRightLeaf - 1, {10, 2, 4.6f}, {19.7f, 19, 5});
    expect_groups_span(kRightLeaf, kLastGroup, {20.4f, 2, 4.6f}, {30, 19, 5});
    // Rails, lintels and posts show the image turned on their tops and
    // undersides; the stiles' ends (0.6 wide, at the leaves' foot and head)
    // and every upright face, straight.
    for (const auto& q : rec.quads()) {
        const bool stile_end = q.max().x - q.min().x < 1 && q.min().y < 19 + 1e-4f;
        const bool bar_top = q.max().y - q.min().y < 1e-4f && !stile_end;
        EXPECT_EQ(q.corners[1].s, bar_top ? 0 : 1) << q.min().x << ", " << q.min().y;
        EXPECT_EQ(q.corners[3].s, bar_top ? 1 : 0) << q.min().x << ", " << q.min().y;
    }
    // The left leaf's bottom rail (after the 16 frame quads) has its underside turned.
    expect_quad(rec.quads()[16 + 2], {{{10.6f, 2, 5}, {10.6f, 2, 4.6f}, {19.1f, 2, 4.6f}, {19.1f, 2, 5}}},
                {{{0, 0}, {0, 1}, {1, 1}, {1, 0}}});
}

TEST_F(Gates, AtNinetyDegreesTheLeavesStandAlongTheirHinges) {
    angle_door = 90;
    draw_door_master(0, 0, 0, 1);
    expect_groups_span(kLeftLeaf, kRightLeaf - 1, {0, 0, 0}, {0.4f, 17, 9.7f});
    expect_groups_span(kRightLeaf, kLastGroup, {19.6f, 0, 0}, {20, 17, 9.6f});

    glrec::recorder().clear_recording();
    draw_door_master(0, 0, 0, -1);
    expect_groups_span(kLeftLeaf, kRightLeaf - 1, {-0.4f, 0, -9.7f}, {0, 17, 0});
}

TEST_F(Gates, DirectionZeroKeepsTheLeavesShut) {
    angle_door = 60;
    draw_door_master(3, 0, -7, 0);
    expect_groups_span(kLeftLeaf, kRightLeaf - 1, {3, 0, -7.4f}, {12.7f, 17, -7});
    expect_groups_span(kRightLeaf, kLastGroup, {13.4f, 0, -7.4f}, {23, 17, -7});
}

TEST_F(Windows, FrameUsesTheImageAndGlassTheGlassWhateverWasBound) {
    bind_slot(slot::grafiato);
    glrec::recorder().clear_recording();
    draw_window_N(2, 0, 0);
    const auto& rec = glrec::recorder();
    ASSERT_EQ(rec.primitives().size(), 2u);
    const auto quads = rec.quads();
    ASSERT_EQ(quads.size(), 17u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(quads[i].texture(), TextureArray[slot::image]);
    EXPECT_EQ(quads[16].texture(), TextureArray[slot::vidro]);
    EXPECT_EQ(rec.bound_texture(), TextureArray[slot::vidro]);

    expect_quad(quads[16], {{{2, 0, -0.5f}, {18, 0, -0.5f}, {18, 10, -0.5f}, {2, 10, -0.5f}}}, kCrossedTex);
    // The far jamb and the sill start from their high corner.
    expect_quad(quads[2], {{{18, 10, 0}, {18, 10, -1}, {18, 0, -1}, {18, 0, 0}}}, kStraightTex);
    expect_quad(quads[3], {{{18, 0, 0}, {18, 0, -1}, {2, 0, -1}, {2, 0, 0}}}, kStraightTex);
    expect_quad(quads[9], {{{12.2f, 10, -0.6f}, {12.6f, 10, -0.6f}, {12.6f, 0, -0.6f}, {12.2f, 0, -0.6f}}},
                kStraightTex);
    expect_quad(quads[12], {{{2, 6.9f, -0.4f}, {18, 6.9f, -0.4f}, {18, 6.9f, -0.6f}, {2, 6.9f, -0.6f}}},
                kStraightTex);
    // Both mullions over the full height and the transom across, each a box of four faces.
    expect_quads_span(quads, 4, 7, {7, 0, -0.6f}, {7.4f, 10, -0.4f});
    expect_quads_span(quads, 8, 11, {12.2f, 0, -0.6f}, {12.6f, 10, -0.4f});
    expect_quads_span(quads, 12, 15, {2, 6.9f, -0.6f}, {18, 7.1f, -0.4f});
}

TEST_F(Windows, CorridorWindowOpensAboveSevenAndSetsTheBrightMaterial) {
    draw_window_corredor(0, 20, 0);
    const auto& rec = glrec::recorder();
    ASSERT_EQ(rec.primitives().size(), 2u);
    const auto quads = rec.quads();
    ASSERT_EQ(quads.size(), 17u);
    expect_groups_span(0, 0, {0, 26.9f, -1}, {16, 30, 0});
    expect_quad(quads[0], {{{0, 27, 0}, {0, 30, 0}, {0, 30, -1}, {0, 27, -1}}}, kStraightTex);
    expect_quad(quads[16], {{{0, 27, -0.5f}, {16, 27, -0.5f}, {16, 30, -0.5f}, {0, 30, -0.5f}}}, kCrossedTex);

    const auto& glass = quads[16].corners[0];
    EXPECT_EQ(glass.front.specular, (glrec::Vec4{1, 1, 0, 0}));
    EXPECT_EQ(glass.front.diffuse, (glrec::Vec4{10, 10, 10, 1}));
    EXPECT_EQ(glass.back.ambient, (glrec::Vec4{10, 10, 10, 1}));
    EXPECT_NE(quads[0].corners[0].front.diffuse, glass.front.diffuse);  // the frame keeps the caller's
    EXPECT_TRUE(rec.errors().empty());
}

}  // namespace
