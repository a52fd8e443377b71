#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <map>
#include <vector>

#include "gl_recorder.h"
#include "layout.h"
#include "shell.h"
#include "state.h"
#include "textures.h"

namespace {

using namespace building_tour;

using glrec::Quad;
using glrec::Vec3;

constexpr float kTol = 1e-3f;

bool flat_in_y(const Quad& q) { return std::fabs(q.max().y - q.min().y) < kTol; }
bool flat_in_z(const Quad& q) { return std::fabs(q.max().z - q.min().z) < kTol; }

// True when the open ranges (a0, a1) and (b0, b1) share more than a sliver.
bool overlaps(float a0, float a1, float b0, float b1) { return a0 < b1 - kTol && b0 < a1 - kTol; }

Vec3 centre(const Quad& q) {
    const Vec3 lo = q.min(), hi = q.max();
    return {(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};
}

// The faces of gate stiles: the only slot-0 faces 17 high.
std::vector<Quad> stile_faces(const std::vector<Quad>& quads) {
    std::vector<Quad> out;
    for (const Quad& q : quads)
        if (q.texture() == TextureArray[slot::image] && std::fabs(q.max().y - q.min().y - 17) < kTol)
            out.push_back(q);
    return out;
}

constexpr std::size_t kGroundQuads = 2;

// The wing's column lines, from its end wall at -95 to its other end at 66.
constexpr float kColumnLines[] = {-95, -72, -49, -26, -3, 20, 43, 66};

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::recorder().reset();
        reset_state();
        for (unsigned int& name : TextureArray) glGenTextures(1, &name);
        glrec::recorder().clear_recording();
    }

    static std::vector<Quad> draw(void (*layout)()) {
        glrec::recorder().clear_recording();
        layout();
        return glrec::recorder().quads();
    }

    // The whole frame, in site coordinates (the frame halves the scene and
    // moves the site by 57 along z).
    static std::vector<Quad> draw_frame_in_site() {
        glrec::recorder().clear_recording();
        render_scene();
        std::vector<Quad> quads = glrec::recorder().quads();
        for (Quad& q : quads)
            for (auto& c : q.corners) c.scene = {c.scene.x * 2, c.scene.y * 2, c.scene.z * 2 - 57};
        return quads;
    }
};

TEST_F(Layout, EveryFunctionLeavesTheMatrixAlone) {
    glTranslatef(3, 4, 5);
    const auto before = glrec::recorder().modelview().m;
    for (void (*layout)() : {chama_desenha_chao, draw_todas_vigas, draw_todos_muros, draw_faixas, draw_janelas,
                             draw_todas_portas, draw_centro}) {
        EXPECT_FALSE(draw(layout).empty());
        EXPECT_EQ(glrec::recorder().modelview_depth(), 1u);
        EXPECT_EQ(glrec::recorder().modelview().m, before);
    }
}

// The roof, the end walls and the facade beams keep to the wing's grid.
TEST_F(Layout, AWingStandsWithinItsOutline) {
    // The roof covers x -95 to 67 and z -104 to -1, whole, and nothing beyond.
    std::vector<Quad> roof;
    for (const Quad& q : draw(chama_desenha_chao))
        if (flat_in_y(q) && std::fabs(q.min().y - 48.01f) < kTol) roof.push_back(q);
    Vec3 lo{1e9, 0, 1e9}, hi{-1e9, 0, -1e9};
    for (const Quad& q : roof) {
        lo = {std::min(lo.x, q.min().x), 0, std::min(lo.z, q.min().z)};
        hi = {std::max(hi.x, q.max().x), 0, std::max(hi.z, q.max().z)};
    }
    EXPECT_TRUE(glrec::near(lo, {-95, 0, -104}, kTol) && glrec::near(hi, {67, 0, -1}, kTol))
        << lo.x << ".." << hi.x << ", " << lo.z << ".." << hi.z;
    for (float x = -94.5f; x < 67; x += 2)
        for (float z = -103.5f; z < -1; z += 2)
            EXPECT_TRUE(std::any_of(roof.begin(), roof.end(), [&](const Quad& q) {
                return q.min().x < x && x < q.max().x && q.min().z < z && z < q.max().z;
            })) << "no roof over " << x << ", " << z;

    // The outer faces of the end walls: brick in the planes x = -95 and 69 over
    // both room ranges and both storeys, and brick nowhere else across x.
    const std::vector<Quad> walls = draw(draw_todos_muros);
    for (const Quad& q : walls) {
        if (q.texture() == TextureArray[slot::muro1] && std::fabs(q.max().x - q.min().x) < kTol) {
            EXPECT_TRUE(std::fabs(q.min().x + 95) < kTol || std::fabs(q.min().x - 69) < kTol) << "x " << q.min().x;
        }
    }
    for (float plane : {-95.f, 69.f})
        for (float y : {5.f, 15.f, 29.f, 39.f})
            for (float z : {-4.f, -24.f, -38.f, -66.f, -86.f, -100.f})
                EXPECT_TRUE(std::any_of(walls.begin(), walls.end(), [&](const Quad& q) {
                    return q.texture() == TextureArray[slot::muro1] && std::fabs(q.min().x - plane) < kTol &&
                           std::fabs(q.max().x - plane) < kTol && q.min().y < y && y < q.max().y &&
                           q.min().z < z && z < q.max().z;
                })) << "end wall " << plane << " open at y " << y << ", z " << z;

    // One facade beam 23 long from each column line but the last, at both band
    // heights, 10 to 11 in front of each facade.
    std::map<float, int> beams_from;
    for (const Quad& q : draw(draw_todas_vigas)) {
        if (std::fabs(q.max().x - q.min().x - 23) > kTol) continue;
        ++beams_from[q.min().x];
        EXPECT_LE(q.max().x, 66 + kTol);
        const float y = q.min().y;
        EXPECT_TRUE((y > 20 - kTol && y < 24 + kTol) || (y > 44 - kTol && y < 48 + kTol)) << "beam at y " << y;
        // Distance out from the facade's outer face, z = 0 in front and -104 at the back.
        const bool front = q.min().z > -50;
        const float near_side = front ? q.min().z : -104 - q.max().z;
        const float far_side = front ? q.max().z : -104 - q.min().z;
        EXPECT_TRUE(near_side > 10 - kTol && far_side < 11 + kTol) << "beam at z " << q.min().z << ".." << q.max().z;
    }
    ASSERT_EQ(beams_from.size(), std::size(kColumnLines) - 1);
    for (std::size_t i = 0; i + 1 < std::size(kColumnLines); ++i)
        EXPECT_EQ(beams_from[kColumnLines[i]], 2 * 2 * 4) << "bay from " << kColumnLines[i];
}

TEST_F(Layout, InnerFacesRunOnBehindTheColumnsWhereTheExtensionRuleSaysSo) {
    // The front facade's room face (plane -1), ground storey: start x to end x of each panel.
    std::map<float, float> end_of;
    for (const Quad& q : draw(draw_todos_muros))
        if (q.texture() == TextureArray[slot::branco] && flat_in_z(q) && std::fabs(q.min().z + 1) < kTol &&
            std::fabs(q.min().y) < kTol && std::fabs(q.max().y - 10) < kTol)
            end_of[q.min().x] = q.max().x;
    // Second panels of bays 1, 2, 4, 5 and 6 reach 3 further; bay 3 ends at the cross wall, bay 7 at the end wall.
    const std::pair<float, float> panels[] = {{-92, -82}, {-82, -69}, {-69, -59}, {-59, -46}, {-46, -36},
                                              {-36, -26}, {-23, -13}, {-13, 0},   {0, 10},     {10, 23},
                                              {23, 33},   {33, 46},   {46, 56},   {56, 66}};
    EXPECT_EQ(end_of.size(), std::size(panels));
    for (const auto& [start, end] : panels) {
        ASSERT_EQ(end_of.count(start), 1u) << "no panel at " << start;
        EXPECT_NEAR(end_of[start], end, kTol) << "panel at " << start;
    }
}

TEST_F(Layout, AFrameDrawsBothWingsThePavilionAndTheStairs) {
    const std::vector<Quad> quads = draw_frame_in_site();

    // Ground floors of the wings, 0.01 above the site; the pavilion's lie at 0.01.
    Vec3 lo[2] = {{1e9, 0, 1e9}, {1e9, 0, 1e9}}, hi[2] = {{-1e9, 0, -1e9}, {-1e9, 0, -1e9}};
    int tiles[2] = {0, 0};
    for (const Quad& q : quads) {
        if (q.texture() != TextureArray[slot::cimento2] || !flat_in_y(q) || std::fabs(q.min().y - 0.02f) > kTol)
            continue;
        const int wing = q.min().x < 0 ? 0 : 1;
        ++tiles[wing];
        lo[wing] = {std::min(lo[wing].x, q.min().x), 0, std::min(lo[wing].z, q.min().z)};
        hi[wing] = {std::max(hi[wing].x, q.max().x), 0, std::max(hi[wing].z, q.max().z)};
    }
    EXPECT_EQ(tiles[0], 180);
    EXPECT_EQ(tiles[1], 180);
    EXPECT_TRUE(glrec::near(lo[0], {-214, 0, -103}, kTol) && glrec::near(hi[0], {-52, 0, -1}, kTol));
    EXPECT_TRUE(glrec::near(lo[1], {50, 0, -93}, kTol) && glrec::near(hi[1], {212, 0, 9}, kTol));

    // The stair's first tread, 1.3 up over x 22..24, z -51..-31.
    EXPECT_TRUE(std::any_of(quads.begin(), quads.end(), [](const Quad& q) {
        return q.texture() == TextureArray[slot::grafiato] && flat_in_y(q) &&
               glrec::near(q.min(), {22, 1.3f, -51}, kTol) && glrec::near(q.max(), {24, 1.3f, -31}, kTol);
    }));
}

TEST_F(Layout, NoTwoQuadsOfDifferentTexturesCoincide) {
    // The ground's two passes coincide on purpose; the building starts after them.
    const std::vector<Quad> quads = draw_frame_in_site();
    std::map<std::array<long, 12>, GLuint> seen;
    for (std::size_t i = kGroundQuads; i < quads.size(); ++i) {
        const Quad& q = quads[i];
        std::array<std::array<long, 3>, 4> corners;
        for (int k = 0; k < 4; ++k)
            corners[k] = {std::lround(q.corners[k].scene.x * 100), std::lround(q.corners[k].scene.y * 100),
                          std::lround(q.corners[k].scene.z * 100)};
        std::sort(corners.begin(), corners.end());
        std::array<long, 12> key;
        for (int k = 0; k < 12; ++k) key[k] = corners[k / 3][k % 3];
        const auto [it, fresh] = seen.emplace(key, q.texture());
        EXPECT_TRUE(fresh || it->second == q.texture())
            << "at " << centre(q).x << ", " << centre(q).y << ", " << centre(q).z;
    }
}

TEST_F(Layout, WingFloorsAndCeilingsCoverEveryRoomAndTheCorridor) {
    const std::vector<Quad> quads = draw(chama_desenha_chao);
    std::vector<Quad> ground, first, ceiling, roof;
    for (const Quad& q : quads) {
        const float y = q.min().y;
        if (q.texture() == TextureArray[slot::cimento2]) (y < 1 ? ground : first).push_back(q);
        if (q.texture() == TextureArray[slot::branco]) (y < 30 ? ceiling : roof).push_back(q);
    }
    ASSERT_EQ(ground.size(), 180u);
    ASSERT_EQ(first.size(), 180u);
    ASSERT_EQ(ceiling.size(), 180u);
    ASSERT_EQ(roof.size(), 198u);
    for (size_t i = 0; i < ground.size(); ++i) {
        EXPECT_NEAR(ground[i].min().y, 0.01f, kTol);
        EXPECT_NEAR(first[i].min().y, 24.01f, kTol);
        // The same rows at both levels, with the ground storey's ceiling just under the first floor.
        EXPECT_TRUE(std::any_of(first.begin(), first.end(), [&](const Quad& f) {
            return glrec::near(f.min(), {ground[i].min().x, 24.01f, ground[i].min().z}, kTol);
        }));
        EXPECT_TRUE(std::any_of(ceiling.begin(), ceiling.end(), [&](const Quad& c) {
            return glrec::near(c.min(), {ground[i].min().x, 24, ground[i].min().z}, kTol);
        }));
    }
    // Where the two last roof rows overlap, the row at -91 is drawn first and shows.
    const auto first_at = [&](float z) {
        return std::find_if(roof.begin(), roof.end(), [z](const Quad& r) { return std::fabs(r.max().z - z) < kTol; });
    };
    EXPECT_LT(std::distance(roof.begin(), first_at(-91)), std::distance(roof.begin(), first_at(-94)));
}

TEST_F(Layout, BandsAreConcreteOutsideAndWhiteInTheRooms) {
    const std::vector<Quad> bands = draw(draw_faixas);
    // Outer and corridor faces in cimento, room faces in white.
    for (const Quad& q : bands) {
        const float z = q.min().z;
        const bool outer = std::fabs(z) < kTol || std::fabs(z + 42) < kTol || std::fabs(z + 62) < kTol ||
                           std::fabs(z + 104) < kTol;
        EXPECT_EQ(q.texture(), TextureArray[outer ? slot::cimento : slot::branco]) << "band at z " << z;
    }
}

TEST_F(Layout, CorridorWallsLeaveTwoDoorwaysInEachStorey) {
    const std::vector<Quad> walls = draw(draw_todos_muros);
    int corridor_faces = 0;
    for (const Quad& q : walls) {
        if (!flat_in_z(q) || q.min().z < -64 - kTol || q.min().z > -41 + kTol) continue;
        ++corridor_faces;
        for (float door : {-36.f, -23.f})
            for (float floor : {0.f, 24.f})
                EXPECT_FALSE(overlaps(q.min().x, q.max().x, door, door + 10) &&
                             overlaps(q.min().y, q.max().y, floor, floor + 17))
                    << "wall over the doorway at x " << door << ", y " << floor << ": quad x " << q.min().x << ".."
                    << q.max().x << ", y " << q.min().y << ".." << q.max().y << ", z " << q.min().z;
    }
    EXPECT_GT(corridor_faces, 200);

    // A strip of muro_superior_porta over each doorway on both corridor faces.
    for (float plane : {-42.f, -62.f})
        for (float door : {-36.f, -23.f})
            for (float floor : {0.f, 24.f})
                EXPECT_TRUE(std::any_of(walls.begin(), walls.end(), [&](const Quad& q) {
                    return q.texture() == TextureArray[slot::muro_superior_porta] &&
                           glrec::near(q.min(), {door, floor + 17, plane}, kTol) &&
                           glrec::near(q.max(), {door + 10, floor + 20, plane}, kTol);
                })) << "strip at z " << plane << ", x " << door << ", y " << floor;
}

TEST_F(Layout, HighCorridorWindowsSkipBaysThreeAndFour) {
    const std::vector<Quad> quads = draw(draw_janelas);
    int facade = 0, corridor = 0;
    for (const Quad& q : quads) {
        if (q.texture() != TextureArray[slot::vidro]) continue;
        const float z = q.min().z;
        if (std::fabs(z + 0.5f) < kTol || std::fabs(z + 103.5f) < kTol) {
            ++facade;
            continue;
        }
        ++corridor;
        EXPECT_TRUE(std::fabs(z + 41.5f) < kTol || std::fabs(z + 62.5f) < kTol) << "glass at z " << z;
        EXPECT_FALSE(overlaps(q.min().x, q.max().x, -46, -26) || overlaps(q.min().x, q.max().x, -23, -3))
            << "high window at x " << q.min().x;
        const float above_floor = std::fmod(q.min().y, 24.f);
        EXPECT_NEAR(above_floor, 17, kTol);
    }
    EXPECT_EQ(facade, 2 * 2 * 7);
    EXPECT_EQ(corridor, 2 * 2 * 5);
}

TEST_F(Layout, TheFirstWingHasSixGatesAndTheSecondNone) {
    // Gate centres in the site frame: two in each gap beside the pavilion, one across each corridor.
    const Vec3 gates[] = {{-40, 0, -0.2f}, {-40, 0, -94.2f}, {40, 0, -0.2f},
                          {40, 0, -94.2f}, {-189.7f, 0, -52}, {190.8f, 0, -42}};
    const std::vector<Quad> stiles = stile_faces(draw_frame_in_site());
    EXPECT_EQ(stiles.size(), 6u * 16);
    int per_gate[6] = {};
    for (const Quad& q : stiles) {
        const Vec3 c = centre(q);
        for (int g = 0; g < 6; ++g)
            if (std::hypot(c.x - gates[g].x, c.z - gates[g].z) < 11) ++per_gate[g];
    }
    for (int g = 0; g < 6; ++g) EXPECT_EQ(per_gate[g], 16) << "gate " << g;
}

TEST_F(Layout, GatesSwingToTheirOwnSides) {
    struct Swing {
        Vec3 closed_centre;
        bool across_x;  // the gate lies in a plane x (the corridor gates)
        float plane;
        int side;  // direction the leaves move for a positive angle
    };
    const Swing swings[] = {{{79, 0, -0.2f}, false, -0.2f, -1},   {{79, 0, -94.2f}, false, -94.2f, 1},
                            {{159, 0, -0.2f}, false, -0.2f, -1},  {{159, 0, -94.2f}, false, -94.2f, 1},
                            {{-70.7f, 0, -52}, true, -70.7f, -1}, {{309.8f, 0, -42}, true, 309.8f, 1}};
    angle_door = 90;
    const std::vector<Quad> stiles = stile_faces(draw(draw_todas_portas));
    for (const Swing& s : swings) {
        int faces = 0;
        float furthest = 0;
        for (const Quad& q : stiles) {
            const Vec3 c = centre(q);
            if (std::hypot(c.x - s.closed_centre.x, c.z - s.closed_centre.z) > 16) continue;
            ++faces;
            const float out = ((s.across_x ? c.x : c.z) - s.plane) * s.side;
            EXPECT_GT(out, -0.5f);
            furthest = std::max(furthest, out);
        }
        EXPECT_EQ(faces, 16);
        EXPECT_GT(furthest, 8) << "gate at " << s.closed_centre.x << ", " << s.closed_centre.z;
    }
}

TEST_F(Layout, PavilionLeavesTheStairwellOpenAtBothFloors) {
    const std::vector<Quad> quads = draw(draw_centro);
    int beside = 0;
    bool roofed = false;
    for (const Quad& q : quads) {
        if (!flat_in_y(q)) continue;
        const Vec3 lo = q.min(), hi = q.max();
        if (lo.y < 47) {
            EXPECT_FALSE(overlaps(lo.x, hi.x, -20, 20) && overlaps(lo.z, hi.z, -71, -31))
                << "tile at x " << lo.x << ", y " << lo.y << ", z " << lo.z;
            if ((std::fabs(hi.x + 20) < kTol || std::fabs(lo.x - 20) < kTol) && lo.z > -71 - kTol && hi.z < -31 + kTol)
                ++beside;
        } else if (lo.x <= 0 && hi.x >= 0 && lo.z <= -50 && hi.z >= -50) {
            roofed = true;
        }
    }
    // Four rows of floor, ceiling and first floor on both sides of the well,
    // and four white tiles on the ground west of it.
    EXPECT_EQ(beside, 3 * 2 * 4 + 4);
    EXPECT_TRUE(roofed);
}

}  // namespace
