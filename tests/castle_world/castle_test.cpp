// The fortification through the recording stand-in: walls and battlements,
// the keep's doorway, and the moving parts at the edges of their counters.

#include <cmath>

#include "castle.h"
#include "drawing.h"

namespace castle_world {
namespace {

using glrec::Vec3;

class Castle : public Drawing {};

TEST_F(Castle, CurtainWallMerlonCrenelAndWalkway) {
    muro(pen);
    const GLuint wall = tex(slot::wall);
    // Column 0 of the top row is a merlon: both faces, its top at 160.
    EXPECT_EQ(quads_in(wall, {0, 150, 0}, {10, 160, 0}).size(), 1u);
    EXPECT_EQ(quads_in(wall, {0, 150, 10}, {10, 160, 10}).size(), 1u);
    EXPECT_EQ(quads_in(wall, {0, 160, 0}, {10, 160, 10}).size(), 1u);
    // Column 1 is a crenel: only the walkway at 150, and the merlons' sides beside it.
    EXPECT_TRUE(quads_in(wall, {10.5f, 150, 0}, {19.5f, 160, 10}).empty());
    EXPECT_EQ(quads_in(wall, {10, 150, 0}, {20, 150, 10}).size(), 1u);
    EXPECT_EQ(quads_in(wall, {10, 150, 0}, {10, 160, 10}).size(), 1u);
    // The last column (50) is a merlon again, and the tower closes the wall's end.
    EXPECT_EQ(quads_in(wall, {500, 150, 0}, {510, 160, 0}).size(), 1u);
    const Extent tower = extent(quads_in(wall, {505, 0, -60}, {630, 220, 70}));
    expect_xz(tower, 510, 620, -50, 60, 1e-3);
    EXPECT_NEAR(tower.max.y, 210, 1e-3);
}

TEST_F(Castle, KeepDoorwayIsOpenAndLined) {
    castelo_front(pen);
    const GLuint brick = tex(slot::brick);
    EXPECT_TRUE(quads_in(brick, {70.5f, 0, 0}, {129.5f, 69.5f, 10}).empty());
    EXPECT_EQ(quads_in(brick, {60, 0, 0}, {70, 10, 0}).size(), 1u);
    EXPECT_EQ(quads_in(brick, {70, 60, 0}, {70, 70, 10}).size(), 1u);   // left side
    EXPECT_EQ(quads_in(brick, {130, 0, 0}, {130, 10, 10}).size(), 1u);  // right side
    EXPECT_EQ(quads_in(brick, {120, 70, 0}, {130, 70, 10}).size(), 1u); // top
    EXPECT_EQ(quads_in(brick, {70, 70, 0}, {80, 80, 0}).size(), 1u);   // wall above the doorway
}

TEST_F(Castle, DoorAtThirtyIsClosedWithTheBarDrawnBack) {
    State s;
    s.porta_castelo = 30;
    s.porta_castelo2 = 30;
    castelo_door(pen, s);
    const Extent leaves = extent(quads_with_texture(tex(slot::gate)));
    EXPECT_NEAR(leaves.min.z, 0, 1e-3);
    EXPECT_NEAR(leaves.max.z, 10, 1e-3);
    EXPECT_NEAR(leaves.min.x, 70.1, 1e-3);
    EXPECT_NEAR(leaves.max.x, 129.9, 1e-3);
    const Extent bar = extent(quads_with_texture(tex(slot::wood2)));
    EXPECT_NEAR(bar.min.x, 70 + 5 - 30, 1e-3);
    EXPECT_NEAR(bar.min.y, 20.1, 1e-3);
}

TEST_F(Castle, DoorAtThirtyOneSwingsBothLeavesOutward) {
    State s;
    s.porta_castelo = 31;
    s.porta_castelo2 = 30;
    castelo_door(pen, s);
    // The free edges, 30 from each hinge, swing 1 degree out of the wall toward -z.
    const double sin1 = std::sin(M_PI / 180), cos1 = std::cos(M_PI / 180);
    const Extent left = extent(quads_in(tex(slot::gate), {60, 0, -10}, {101, 70, 11}));
    const Extent right = extent(quads_in(tex(slot::gate), {99, 0, -10}, {140, 70, 11}));
    EXPECT_NEAR(left.min.z, 5 - 30 * sin1, 1e-3);
    EXPECT_NEAR(left.max.z, 10, 0.01);
    EXPECT_NEAR(right.min.z, 5 - 30 * sin1 - 5 * cos1, 1e-3);
    EXPECT_NEAR(right.max.z, 5, 0.01);
}

TEST_F(Castle, BarRestsOneUnitBackAfterAFullClose) {
    State s;
    s.abrir_porta = 1;
    for (int i = 0; i < 120; ++i) step_gates(s);
    s.abrir_porta = 0;
    for (int i = 0; i < 120; ++i) step_gates(s);
    castelo_door(pen, s);
    const Extent bar = extent(quads_with_texture(tex(slot::wood2)));
    EXPECT_NEAR(bar.min.x, 74, 1e-3);
}

struct Chain {
    Vec3 centre;
    float length;
    float tilt;  // degrees from the z axis toward -y
};

std::vector<Chain> chains() {
    std::vector<Chain> out;
    for (const glrec::Solid& s : glrec::recorder().solids())
        if (s.kind == "glutSolidCube" && s.color[0] == 0 && s.color[1] == 1 && s.color[2] == 0) {
            const Vec3 along = s.scene.apply_vector({0, 10, 0});
            const Vec3 across = s.scene.apply_vector({0, 0, 1});
            const float tilt = float(std::atan2(-across.y, across.z) * 180 / M_PI);
            out.push_back({s.center(), std::sqrt(along.x * along.x + along.y * along.y + along.z * along.z),
                           tilt});
        }
    return out;
}

TEST_F(Castle, ChainsAtOneFortyFiveAndNinety) {
    const struct {
        int p;
        float length, drop, tilt;
    } kCases[] = {{1, 0, 0, 90}, {45, 80, -30, 68}, {90, 170, -60, 45}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.p);
        glrec::recorder().clear_recording();
        State s;
        s.portao_madeira = c.p;
        portao_machinery(pen, s);
        const std::vector<Chain> found = chains();
        ASSERT_EQ(found.size(), 2u);
        for (std::size_t k = 0; k < 2; ++k) {
            EXPECT_NEAR(found[k].length, c.length, 1e-3);
            EXPECT_NEAR(found[k].tilt, c.tilt, 1e-3);
            EXPECT_TRUE(glrec::near(found[k].centre, {k == 0 ? 60.0f : 140.0f, 120 + c.drop, c.drop}, 1e-3f));
        }
    }
}

TEST_F(Castle, LoweredBridgeSpansTheMoat) {
    State s;
    s.portao_madeira = 90;
    portao_machinery(pen, s);
    const Extent bridge = extent(quads_with_texture(tex(slot::wood)));
    EXPECT_NEAR(bridge.min.z, -120, 1e-3);
    EXPECT_NEAR(bridge.max.y, 5, 1e-3);
    EXPECT_NEAR(bridge.min.x, 60, 1e-3);
    EXPECT_NEAR(bridge.max.x, 140, 1e-3);
}

TEST_F(Castle, RaisedPortcullisSpikesAndGears) {
    grade(pen, 90);
    int spikes = 0;
    for (const glrec::Solid& s : glrec::recorder().solids()) {
        if (s.kind == "glutSolidCone") {
            const Vec3 tip = s.scene.apply({0, 0, float(s.params[1])});
            EXPECT_NEAR(tip.y, 87.5, 1e-3);
            EXPECT_NEAR(tip.x, 5 * spikes, 1e-3);
            ++spikes;
        }
        if (s.kind == "glutSolidTorus") {
            // 4 x 90 degrees: both gears are back where they started.
            EXPECT_TRUE(glrec::near(s.scene.apply_vector({1, 0, 0}), {1, 0, 0}, 1e-4f));
        }
    }
    EXPECT_EQ(spikes, 17);

    glrec::recorder().clear_recording();
    grade(pen, 45);
    for (const glrec::Solid& s : glrec::recorder().solids()) {
        if (s.kind == "glutSolidTorus") {
            EXPECT_TRUE(glrec::near(s.scene.apply_vector({1, 0, 0}), {-1, 0, 0}, 1e-4f));
        }
    }
}

TEST_F(Castle, QuadricsAreMadeOnce) {
    State s;
    for (int k = 0; k < 2; ++k) {
        castelo_front(pen);
        castelo_door(pen, s);
        castelo_rest(pen);
    }
    EXPECT_LE(glrec::recorder().count("gluNewQuadric"), 1u);
    EXPECT_EQ(glrec::recorder().count("gluCylinder"), 2u * (4 + 1));  // four roofs and the peg, twice
}

}  // namespace
}  // namespace castle_world
