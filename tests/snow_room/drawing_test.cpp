// What a frame draws, read through the recording stand-in: places in the
// room frame, the materials in force, and the order of drawing and stepping.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "furniture.h"
#include "gl_recorder.h"
#include "materials.h"
#include "room.h"
#include "shell.h"
#include "state.h"

namespace snow_room {
namespace {

using glrec::Mat4;
using glrec::Solid;
using glrec::Vec3;
using glrec::Vec4;

struct Box {
    Vec3 min, max;
    Vec3 center() const { return {(min.x + max.x) / 2, (min.y + max.y) / 2, (min.z + max.z) / 2}; }
    Vec3 size() const { return {max.x - min.x, max.y - min.y, max.z - min.z}; }
};

// The bounds of a GLUT cube, or of a sphere's bounding cube, under its transform.
Box bounds(const Solid& s, const Mat4& to_room) {
    const double half = s.kind == "glutSolidSphere" ? s.params[0] : s.params[0] / 2;
    Box b{{1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
    for (int corner = 0; corner < 8; ++corner) {
        const Vec3 local{float(corner & 1 ? half : -half), float(corner & 2 ? half : -half),
                         float(corner & 4 ? half : -half)};
        const Vec3 p = to_room.apply(s.scene.apply(local));
        b.min = {std::min(b.min.x, p.x), std::min(b.min.y, p.y), std::min(b.min.z, p.z)};
        b.max = {std::max(b.max.x, p.x), std::max(b.max.y, p.y), std::max(b.max.z, p.z)};
    }
    return b;
}

::testing::AssertionResult near3(Vec3 actual, Vec3 expected, float tolerance = 1e-4f) {
    if (glrec::near(actual, expected, tolerance)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") vs ("
                                         << expected.x << ", " << expected.y << ", " << expected.z << ")";
}

Vec4 vec4(const GLfloat* v) { return {v[0], v[1], v[2], v[3]}; }

class SnowRoomDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        reset_state();
        glrec::recorder().reset();
    }
    void TearDown() override { reset_state(); }

    static std::vector<Solid> solids(const std::string& kind) {
        std::vector<Solid> found;
        for (const Solid& s : glrec::recorder().solids())
            if (s.kind == kind) found.push_back(s);
        return found;
    }
    // The one solid of this kind whose room-frame centre is at c.
    static Solid solid_at(const std::string& kind, Vec3 c, const Mat4& to_room = Mat4{}) {
        std::vector<Solid> found;
        for (const Solid& s : solids(kind))
            if (glrec::near(bounds(s, to_room).center(), c, 1e-3f)) found.push_back(s);
        EXPECT_EQ(found.size(), 1u) << kind << " at (" << c.x << ", " << c.y << ", " << c.z << ")";
        return found.empty() ? Solid{} : found.front();
    }
};

// A frame's scene transform at the start-up view is a shift of (0.5, 0, -10).
const Mat4 kFrameToRoom = Mat4::translation(-0.5, 0, 10);

void expect_box(const Solid& s, Vec3 center, Vec3 size, const Mat4& to_room = Mat4{}) {
    const Box b = bounds(s, to_room);
    EXPECT_TRUE(near3(b.center(), center, 1e-3f));
    EXPECT_TRUE(near3(b.size(), size, 1e-3f));
}

// ---------------------------------------------------------------- shell

TEST_F(SnowRoomDrawing, InitLightsTheRoomFromAboveTheEye) {
    init();
    const glrec::Recorder& rec = glrec::recorder();
    const auto& light = rec.light(0);
    EXPECT_EQ(light.position, (std::array<double, 4>{0.5, 100, -1, 1}));
    EXPECT_EQ(light.diffuse, (Vec4{1, 1, 1, 1}));
    EXPECT_EQ(light.specular, (Vec4{1, 1, 1, 1}));
    EXPECT_EQ(rec.light_model_ambient(), (Vec4{0.8f, 0.8f, 0.8f, 1}));
    for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_DEPTH_TEST, GL_CULL_FACE}) EXPECT_TRUE(rec.enabled(cap)) << cap;
    EXPECT_FALSE(rec.enabled(GL_COLOR_MATERIAL));
}

TEST_F(SnowRoomDrawing, ReshapeTakesHeightZeroAsOne) {
    myReshape(800, 0);
    const Mat4 expected = Mat4::perspective(65, 800.0, 1, 20);
    for (int i = 0; i < 16; ++i) {
        ASSERT_TRUE(std::isfinite(glrec::recorder().projection().m[i])) << i;
        EXPECT_NEAR(glrec::recorder().projection().m[i], expected.m[i], 1e-9) << i;
    }
    EXPECT_EQ(glrec::recorder().matrix_mode(), GLenum(GL_MODELVIEW));
}

TEST_F(SnowRoomDrawing, LightKeysSwitchOnlyTheLight) {
    keyboard('l', 0, 0);
    EXPECT_FALSE(glrec::recorder().enabled(GL_LIGHT0));
    keyboard('L', 0, 0);
    EXPECT_TRUE(glrec::recorder().enabled(GL_LIGHT0));
    EXPECT_EQ(glrec::recorder().redisplays(), 2u);
    keyboard('q', 0, 0);
    EXPECT_EQ(glrec::recorder().redisplays(), 2u);
    EXPECT_EQ(angx, 360);
    EXPECT_FALSE(abre || fecha || roda_vent);
}

// ---------------------------------------------------------------- materials in force

TEST_F(SnowRoomDrawing, AWholeFrameRaisesNoErrorAndKeepsTheLastAcceptedShininess) {
    init();
    desenha_cena();
    EXPECT_TRUE(glrec::recorder().errors().empty()) << glrec::recorder().error_sources().front();

    const Solid ceiling = solid_at("glutSolidCube", {0, 4, 0}, kFrameToRoom);
    EXPECT_EQ(ceiling.front.shininess, 15);  // the floor's, as 200 is not taken
    EXPECT_EQ(ceiling.front.diffuse, vec4(teto_specular));
    EXPECT_EQ(ceiling.front.specular, vec4(teto_diffuse));

    const Solid pillar = solid_at("glutSolidCube", {4, -2.75f, -3.5f}, kFrameToRoom);
    EXPECT_EQ(pillar.front.shininess, 15);
    EXPECT_EQ(pillar.front.diffuse, (Vec4{1, 1, 1, 1}));
    EXPECT_EQ(pillar.front.specular, (Vec4{5, 1, 1, 1}));
    EXPECT_EQ(pillar.back.ambient, (Vec4{0.9f, 0.7f, 0, 1}));

    // Flakes: diffuse and specular swapped, the moon's shininess.
    const Solid flake = solid_at("glutSolidSphere", {0.2f - 6, 1 + 4, -5}, kFrameToRoom);
    EXPECT_EQ(flake.front.diffuse, (Vec4{1, 0, 1, 1}));
    EXPECT_EQ(flake.front.specular, (Vec4{1, 1, 1, 1}));
    EXPECT_EQ(flake.front.shininess, 15);

    // The snowman's eye takes the ceiling's arrays in their own order.
    const Solid eye = solid_at("glutSolidSphere", {-3.7f, -0.75f, -8.45f}, kFrameToRoom);
    EXPECT_EQ(eye.front.diffuse, vec4(teto_diffuse));
    EXPECT_EQ(eye.front.shininess, 100);

    const Solid sofa_seat = solid_at("glutSolidCube", {4.8f, -3, 0}, kFrameToRoom);
    EXPECT_EQ(sofa_seat.front.shininess, 50);
    EXPECT_EQ(sofa_seat.front.emission, (Vec4{0, 0, 0, 1}));
}

// ---------------------------------------------------------------- room frame places

TEST_F(SnowRoomDrawing, LeftSofaPartsLandWhereTheRoomFrameSays) {
    sofa_esquerda();
    expect_box(solid_at("glutSolidCube", {4.8f, -3, 0}), {4.8f, -3, 0}, {2, 0.5f, 1.6f});
    expect_box(solid_at("glutSolidCube", {4.8f, -2.7f, -1}), {4.8f, -2.7f, -1}, {2, 1, 0.4f});
    expect_box(solid_at("glutSolidCube", {4.8f, -2.7f, 1}), {4.8f, -2.7f, 1}, {2, 1, 0.4f});
    expect_box(solid_at("glutSolidCube", {5.4889f, -1.7944f, 0.0111f}), {5.4889f, -1.7944f, 0.0111f}, {0.5f, 2, 2});
    for (Vec3 foot : {Vec3{4, -3.3f, 1}, Vec3{4, -3.3f, -1}, Vec3{5.6f, -3.3f, 1}, Vec3{5.6f, -3.3f, -1}}) {
        const Solid s = solid_at("glutSolidSphere", foot);
        expect_box(s, foot, {0.4f, 1.4f, 0.4f});
        EXPECT_EQ(s.front.diffuse, (Vec4{0, 0, 0, 1}));
    }
}

TEST_F(SnowRoomDrawing, RightSofaIsLengthenedAlongZAgainstTheLeftWall) {
    sofa_direita();
    expect_box(solid_at("glutSolidCube", {-4.7f, -3, 1.8f}), {-4.7f, -3, 1.8f}, {2, 0.5f, 5.16f});
    expect_box(solid_at("glutSolidCube", {-4.7f, -2.7f, 4.32f}), {-4.7f, -2.7f, 4.32f}, {2, 1, 0.24f});
    expect_box(solid_at("glutSolidCube", {-4.7f, -2.7f, -0.72f}), {-4.7f, -2.7f, -0.72f}, {2, 1, 0.24f});
    expect_box(solid_at("glutSolidCube", {-5.3889f, -1.7944f, 1.7933f}), {-5.3889f, -1.7944f, 1.7933f},
               {0.5f, 2, 4.8f});
    for (Vec3 foot : {Vec3{-3.9f, -3.3f, 4.32f}, Vec3{-5.5f, -3.3f, 4.32f}, Vec3{-3.9f, -3.3f, -0.72f},
                      Vec3{-5.5f, -3.3f, -0.72f}})
        expect_box(solid_at("glutSolidSphere", foot), foot, {0.4f, 1.4f, 0.24f});
}

TEST_F(SnowRoomDrawing, BackWallLeavesTheDoorOpeningAndTheDoorFillsIt) {
    parede_fundo();
    // Nothing of the wall inside x -5.75..-2, y -4..3.5 (the door is the last cube).
    std::vector<Solid> wall = solids("glutSolidCube");
    wall.pop_back();
    for (const Solid& s : wall) {
        const Box b = bounds(s, Mat4{});
        const bool overlaps = b.min.x < -2 - 1e-4f && b.max.x > -5.75f + 1e-4f && b.min.y < 3.5f - 1e-4f &&
                              b.max.y > -4 + 1e-4f;
        EXPECT_FALSE(overlaps) << b.center().x << ", " << b.center().y;
        EXPECT_NEAR(b.center().z, -4.5f, 1e-5f);
    }
    expect_box(solid_at("glutSolidCube", {2, 0, -4.5f}), {2, 0, -4.5f}, {8, 8, 0.1f});
    expect_box(solid_at("glutSolidCube", {-4, 3.75f, -4.5f}), {-4, 3.75f, -4.5f}, {4, 0.5f, 0.1f});
    expect_box(solid_at("glutSolidCube", {-5.875f, 0, -4.5f}), {-5.875f, 0, -4.5f}, {0.25f, 8, 0.1f});

    // The door, shut.
    expect_box(solid_at("glutSolidCube", {-3.875f, -0.25f, -4.5f}), {-3.875f, -0.25f, -4.5f}, {3.875f, 7.5f, 0.1f});
    EXPECT_TRUE(near3(solid_at("glutSolidSphere", {-2.375f, 0, -4.5f}).center(), {-2.375f, 0, -4.5f}));

    glrec::recorder().reset();
    porta = 280;  // open: swung into the room, about the hinge
    parede_fundo();
    const float a = 80 * 3.14159265f / 180;
    const Vec3 knob{-5.875f + 3.5f * std::cos(a), 0, -4.5f + 3.5f * std::sin(a)};
    EXPECT_TRUE(near3(solid_at("glutSolidSphere", knob).center(), knob));
}

TEST_F(SnowRoomDrawing, GobletsAreABowlPointingDownOnAStemPointingUp) {
    mesa();
    const std::vector<Solid> cones = solids("glutWireCone");
    ASSERT_EQ(cones.size(), 8u);
    for (std::size_t i = 0; i < cones.size(); i += 2) {
        const Solid& bowl = cones[i];
        const Solid& stem = cones[i + 1];
        EXPECT_EQ(bowl.params, (std::vector<double>{0.35, 1, 1000, 1}));
        EXPECT_EQ(stem.params, (std::vector<double>{0.15, 1, 1000, 1}));
        const Vec3 rim = bowl.center();
        EXPECT_NEAR(rim.y, -2.25f, 1e-5f);
        EXPECT_TRUE(near3(bowl.scene.apply({0, 0, 1}), {rim.x, -2.75f, rim.z}));
        EXPECT_NEAR(bowl.scene.apply_vector({0.35f, 0, 0}).x, 0.175f, 1e-5f);
        EXPECT_TRUE(near3(stem.center(), {rim.x, -2.75f, rim.z}));
        EXPECT_TRUE(near3(stem.scene.apply({0, 0, 1}), rim));
        EXPECT_NEAR(stem.scene.apply_vector({0.15f, 0, 0}).x, 0.075f, 1e-5f);
        EXPECT_EQ(stem.front.diffuse, vec4(bule_diffuse));
    }
    const Vec3 first = cones[0].center();
    EXPECT_TRUE(near3(first, {-1, -2.25f, 0.45f}));
}

// ---------------------------------------------------------------- a frame and its steps

TEST_F(SnowRoomDrawing, AFrameDrawsTheCurrentStateThenStepsDoorAndSnow) {
    init();
    abre_porta();
    roda_ventilador();
    const float y0 = Posy[0];
    glrec::recorder().clear_recording();
    quadro(3);

    // The fan is stepped before the picture, the door and the snow after it.
    EXPECT_EQ(vent, 6);
    EXPECT_EQ(porta, 357);
    EXPECT_NEAR(Posy[0], y0 - 3 * 0.01f, 1e-6f);

    // Hub and a blade turned by this frame's 6 degrees; door knob and flake 0
    // where they stood before this frame's steps.
    solid_at("glutSolidSphere", {0, 2.3f, 0}, kFrameToRoom);
    const float a = 6 * 3.14159265f / 180;
    const Solid blade = solid_at("glutSolidCube", {std::sin(a), 2.3f, std::cos(a)}, kFrameToRoom);
    EXPECT_EQ(blade.params, (std::vector<double>{0.5}));
    solid_at("glutSolidSphere", {-2.375f, 0, -4.5f}, kFrameToRoom);
    solid_at("glutSolidSphere", {0.2f - 6, y0 + 4, -5}, kFrameToRoom);
    EXPECT_EQ(glrec::recorder().count("glutSwapBuffers"), 1u);
    EXPECT_EQ(glrec::recorder().redisplays(), 1u);
}

}  // namespace
}  // namespace snow_room
