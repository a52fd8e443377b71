#include "shell.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "gl_recorder.h"
#include "state.h"
#include "textures.h"

namespace {

using namespace building_tour;

namespace fs = std::filesystem;

struct ShellState {
    float x_pos, y_pos, z_pos, x_dir, y_dir, z_dir, angle_door;
    int rodarx, rodary, rodarz;
    bool test;
    double cont;
    bool operator==(const ShellState& o) const {
        return x_pos == o.x_pos && y_pos == o.y_pos && z_pos == o.z_pos && x_dir == o.x_dir && y_dir == o.y_dir &&
               z_dir == o.z_dir && angle_door == o.angle_door && rodarx == o.rodarx && rodary == o.rodary &&
               rodarz == o.rodarz && test == o.test && cont == o.cont;
    }
};

ShellState snapshot() {
    return {x_pos, y_pos, z_pos, x_dir, y_dir, z_dir, angle_door, rodarx, rodary, rodarz, test, cont};
}

void press(unsigned char key) { keyboard(key, 0, 0); }

float horizontal_distance() { return std::hypot(x_pos - x_dir, z_pos - z_dir); }

void expect_vec(glrec::Vec3 actual, glrec::Vec3 expected, float tolerance = 1e-4f) {
    EXPECT_TRUE(glrec::near(actual, expected, tolerance))
        << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") vs (" << expected.x << ", " << expected.y
        << ", " << expected.z << ")";
}

template <typename A, typename B>
void expect_values(const A& actual, const B& expected, double tolerance = 1e-6) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << "at " << i;
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_state();
        glrec::recorder().reset();
    }
};

// ---------------------------------------------------------------- keys

using ShellKeys = ShellTest;

TEST_F(ShellKeys, MoveKeysCarryEyeAndTargetTogether) {
    struct Move {
        unsigned char key;
        float dx, dy, dz;
    };
    constexpr Move kMoves[] = {{'8', 0, 0, -1}, {'2', 0, 0, 1}, {'4', -1, 0, 0},
                               {'6', 1, 0, 0},  {'5', 0, 1, 0}, {'0', 0, -1, 0}};
    for (const Move& m : kMoves) {
        reset_state();
        x_dir = 3, y_dir = -2, z_dir = 7;
        press(m.key);
        EXPECT_EQ(x_pos, 0 + m.dx) << m.key;
        EXPECT_EQ(y_pos, 25 + m.dy) << m.key;
        EXPECT_EQ(z_pos, 80 + m.dz) << m.key;
        EXPECT_EQ(x_dir, 3 + m.dx) << m.key;
        EXPECT_EQ(y_dir, -2 + m.dy) << m.key;
        EXPECT_EQ(z_dir, 7 + m.dz) << m.key;
    }
}

TEST_F(ShellKeys, TurnKeysUndoEachOtherAndKeepTheHorizontalDistance) {
    x_pos = 12, y_pos = 30, z_pos = -40;
    x_dir = -5, y_dir = 4, z_dir = 9;
    const ShellState start = snapshot();
    const float distance = horizontal_distance();

    // 7 and 9 swing the target about the eye.
    press('7');
    EXPECT_NEAR(horizontal_distance(), distance, 1e-3f);
    EXPECT_EQ(y_dir, 4);
    EXPECT_EQ(x_pos, 12);
    EXPECT_EQ(z_pos, -40);
    EXPECT_NE(x_dir, -5);
    press('9');
    EXPECT_NEAR(x_dir, start.x_dir, 1e-3f);
    EXPECT_NEAR(z_dir, start.z_dir, 1e-3f);

    // 1 and 3 orbit the eye about the target.
    press('1');
    EXPECT_NEAR(horizontal_distance(), distance, 1e-3f);
    EXPECT_EQ(y_pos, 30);
    EXPECT_NE(x_pos, 12);
    press('3');
    EXPECT_NEAR(x_pos, start.x_pos, 1e-3f);
    EXPECT_NEAR(z_pos, start.z_pos, 1e-3f);
    EXPECT_EQ(y_pos, start.y_pos);
    EXPECT_EQ(y_dir, start.y_dir);
}

TEST_F(ShellKeys, SevenTurnsTheViewLeftFromTheStart) {
    // Target at the origin, eye at (0, 25, 80): 0.05 rad counter-clockwise seen from above.
    press('7');
    EXPECT_NEAR(x_dir, -3.99833f, 1e-4f);
    EXPECT_NEAR(z_dir, 0.09998f, 1e-4f);
    EXPECT_EQ(x_pos, 0);
    EXPECT_EQ(z_pos, 80);
}

TEST_F(ShellKeys, SceneRotationWrapsWithTheSignOfTheDividend) {
    for (int i = 1; i <= 71; ++i) {
        press('x');
        ASSERT_EQ(rodarx, -5 * i);
    }
    EXPECT_EQ(rodarx, -355);
    press('x');
    EXPECT_EQ(rodarx, 0);

    rodarx = -5;
    press('X');
    EXPECT_EQ(rodarx, 0);

    for (int i = 0; i < 72; ++i) press('Y');
    EXPECT_EQ(rodary, 0);
    rodary = 355;
    press('Y');
    EXPECT_EQ(rodary, 0);
    press('y');
    EXPECT_EQ(rodary, -5);

    rodarz = 350;
    press('Z');
    EXPECT_EQ(rodarz, 355);
    press('z');
    press('z');
    EXPECT_EQ(rodarz, 345);
    EXPECT_EQ(rodarx, 0);
    EXPECT_EQ(rodary, -5);
}

TEST_F(ShellKeys, DoorKeysAreUnbounded) {
    angle_door = 1000;
    press('d');
    EXPECT_EQ(angle_door, 1001);
    angle_door = -1000;
    press('D');
    EXPECT_EQ(angle_door, -1001);
}

TEST_F(ShellKeys, ResetRestoresCameraAndTourCounterOnly) {
    for (unsigned char key : {'r', 'R'}) {
        x_pos = 1, y_pos = 2, z_pos = 3, x_dir = 4, y_dir = 5, z_dir = 6;
        cont = 1234;
        angle_door = -37;
        rodarx = 15, rodary = -20, rodarz = 355;
        test = true;
        glrec::recorder().clear_recording();

        press(key);

        EXPECT_EQ(x_pos, 0);
        EXPECT_EQ(y_pos, 25);
        EXPECT_EQ(z_pos, 80);
        EXPECT_EQ(x_dir, 0);
        EXPECT_EQ(y_dir, 0);
        EXPECT_EQ(z_dir, 0);
        EXPECT_EQ(cont, 0);
        EXPECT_EQ(angle_door, -37);
        EXPECT_EQ(rodarx, 15);
        EXPECT_EQ(rodary, -20);
        EXPECT_EQ(rodarz, 355);
        EXPECT_TRUE(test);
        EXPECT_EQ(glrec::recorder().redisplays(), 0u) << key;
    }
}

TEST_F(ShellKeys, KeysOutsideTheTableDoNothing) {
    const std::string bound = "82465079" "13" "dDxXyYzZ" "rR" "aA" "\x1b";
    x_pos = 7, z_dir = -3, angle_door = 12, rodary = 40, cont = 8;
    const ShellState before = snapshot();
    for (int key = 0; key < 256; ++key) {
        if (bound.find(static_cast<char>(key)) != std::string::npos) continue;
        press(static_cast<unsigned char>(key));
        ASSERT_EQ(snapshot(), before) << "key " << key;
    }
    EXPECT_TRUE(glrec::recorder().calls().empty());
}

TEST_F(ShellKeys, EveryStateKeyRequestsOneRedisplay) {
    for (unsigned char key : std::string("82465079" "13" "dDxXyYzZ")) {
        glrec::recorder().clear_recording();
        press(key);
        EXPECT_EQ(glrec::recorder().redisplays(), 1u) << key;
    }
}

TEST(ShellExit, EscEndsTheProgramWithStatusZero) {
    EXPECT_EXIT(press(27), ::testing::ExitedWithCode(0), "");
}

// ---------------------------------------------------------------- rotaciona

struct Point {
    float x, y, z;
};

// Turns p by 0.5 rad about the axis through c = (1, 2, 3); p = c + (3, -2, 4).
Point turn(int axis, Point& centre, float angle = 0.5f) {
    centre = {1, 2, 3};
    Point p{4, 0, 7};
    rotaciona(centre.x, centre.y, centre.z, p.x, p.y, p.z, angle, axis);
    return p;
}

TEST(ShellRotaciona, EachAxisMatchesHandComputedValues) {
    struct Case {
        int axis;
        Point expected;
    };
    // cos 0.5 = 0.8775826, sin 0.5 = 0.4794255.
    const Case kCases[] = {
        {1, {4, -1.6728673f, 5.5514792f}},  // y, z turn about x
        {2, {5.5504498f, 0, 5.0720536f}},   // x, z turn about y
        {3, {4.5915988f, 1.6831115f, 7}},   // x, y turn about z
    };
    for (const Case& c : kCases) {
        Point centre;
        const Point p = turn(c.axis, centre);
        EXPECT_NEAR(p.x, c.expected.x, 1e-5f) << "axis " << c.axis;
        EXPECT_NEAR(p.y, c.expected.y, 1e-5f) << "axis " << c.axis;
        EXPECT_NEAR(p.z, c.expected.z, 1e-5f) << "axis " << c.axis;
        EXPECT_EQ(centre.x, 1);
        EXPECT_EQ(centre.y, 2);
        EXPECT_EQ(centre.z, 3);
    }
}

TEST(ShellRotaciona, QuarterTurnAboutTheVerticalIsCounterClockwiseFromAbove) {
    float cx = 5, cy = 1, cz = -2;
    float px = 6, py = 9, pz = -2;  // one unit along +x from the centre
    rotaciona(cx, cy, cz, px, py, pz, 1.57079633f, 2);
    EXPECT_NEAR(px, 5, 1e-6f);
    EXPECT_EQ(py, 9);
    EXPECT_NEAR(pz, -3, 1e-6f);  // +x goes to -z
}

TEST(ShellRotaciona, OtherSelectorsChangeNothing) {
    for (int axis : {0, 4, -1, 100}) {
        Point centre;
        const Point p = turn(axis, centre);
        EXPECT_EQ(p.x, 4);
        EXPECT_EQ(p.y, 0);
        EXPECT_EQ(p.z, 7);
        EXPECT_EQ(centre.x, 1);
        EXPECT_EQ(centre.y, 2);
        EXPECT_EQ(centre.z, 3);
    }
}

// ---------------------------------------------------------------- reshape

using ShellReshape = ShellTest;

TEST_F(ShellReshape, ZeroHeightGivesAPerspectiveWithAspectEqualToWidth) {
    reshape(640, 480);
    reshape(800, 0);
    const auto& rec = glrec::recorder();

    EXPECT_EQ(rec.viewport(), (std::array<int, 4>{0, 0, 800, 1}));
    EXPECT_EQ(rec.matrix_mode(), static_cast<GLenum>(GL_MODELVIEW));

    // 100 degrees vertically, aspect 800, near 0.1, far 300; not stacked on the first call's.
    const double f = 0.83909963;  // cot 50 degrees
    const std::vector<double> expected{f / 800, 0, 0, 0, 0, f, 0, 0, 0, 0, -1.00066689, -1, 0, 0, -0.20006669, 0};
    expect_values(rec.projection().m, expected, 1e-6);
    EXPECT_TRUE(rec.modelview().m == glrec::Mat4::identity().m);
}

TEST_F(ShellReshape, AspectIsComputedInFloatingPoint) {
    reshape(640, 480);
    const auto calls = glrec::recorder().calls_named("gluPerspective");
    ASSERT_EQ(calls.size(), 1u);
    expect_values(calls[0].args, std::vector<double>{100, 4.0 / 3, 0.1, 300}, 1e-6);
}

// ---------------------------------------------------------------- InitGL

class ShellInitGL : public ShellTest {
protected:
    // The eleven images in a folder of our own, so the test does not depend on generated data.
    void SetUp() override {
        ShellTest::SetUp();
        std::string pattern = (fs::temp_directory_path() / "shell_initgl_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        fs::create_directory(dir_ / "texture");
        const std::vector<Rgb> pixels(4 * 4, Rgb{10, 20, 30});
        for (const char* file : kTextureFiles) ASSERT_TRUE(bmp_write_file((dir_ / file).string(), 4, 4, pixels));
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }

    static std::size_t index_of(const std::string& name, std::vector<double> args = {}) {
        const auto& calls = glrec::recorder().calls();
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i].name == name && (args.empty() || calls[i].args == args)) return i;
        ADD_FAILURE() << name << " not called";
        return calls.size();
    }

    fs::path dir_, previous_;
};

TEST_F(ShellInitGL, SetsStateLightThenLoadsTexturesInSlotOrder) {
    InitGL();
    const auto& rec = glrec::recorder();

    for (GLenum cap : {GL_DEPTH_TEST, GL_TEXTURE_2D, GL_LIGHTING, GL_LIGHT0}) EXPECT_TRUE(rec.enabled(cap)) << cap;
    EXPECT_EQ(rec.calls_named("glShadeModel").at(0).args, std::vector<double>{GL_SMOOTH});
    EXPECT_EQ(rec.calls_named("glClearColor").at(0).args, (std::vector<double>{0, 0, 0, 0.5}));
    EXPECT_EQ(rec.calls_named("glClearDepth").at(0).args, std::vector<double>{1});
    EXPECT_EQ(rec.calls_named("glHint").at(0).args,
              (std::vector<double>{GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST}));
    EXPECT_EQ(rec.count("glDepthFunc"), 0u);
    EXPECT_EQ(rec.count("glTexEnvi") + rec.count("glTexEnvf"), 0u);

    const auto lights = rec.calls_named("glLightfv");
    ASSERT_EQ(lights.size(), 3u);
    EXPECT_EQ(lights[0].args, (std::vector<double>{GL_LIGHT0, GL_DIFFUSE, 10, 10, 10, 1}));
    EXPECT_EQ(lights[1].args, (std::vector<double>{GL_LIGHT0, GL_SPECULAR, 10, 10, 10, 1}));
    EXPECT_EQ(lights[2].args, (std::vector<double>{GL_LIGHT0, GL_AMBIENT, 0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(rec.light(0).ambient, (glrec::Vec4{0.5f, 0.5f, 0.5f, 1}));

    EXPECT_LT(index_of("glShadeModel"), index_of("glEnable", {GL_DEPTH_TEST}));
    EXPECT_LT(index_of("glEnable", {GL_DEPTH_TEST}), index_of("glEnable", {GL_TEXTURE_2D}));
    EXPECT_LT(index_of("glEnable", {GL_LIGHT0}), index_of("glLightfv"));
    EXPECT_LT(index_of("glLightfv", lights[2].args), index_of("glGenTextures"));

    // Generated in slot order: names increase with the slot; the last one stays bound.
    for (int s = 0; s < slot::count; ++s) {
        EXPECT_NE(TextureArray[s], 0u) << s;
        if (s > 0) {
            EXPECT_GT(TextureArray[s], TextureArray[s - 1]) << s;
        }
    }
    EXPECT_EQ(rec.bound_texture(), TextureArray[slot::grafiato]);
    EXPECT_TRUE(rec.errors().empty());
}

// ---------------------------------------------------------------- one frame

class ShellFrame : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // The table as the loader leaves it: every slot named, the last one bound.
        for (unsigned int& name : TextureArray) glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, TextureArray[slot::grafiato]);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_LIGHTING);
        glrec::recorder().clear_recording();
    }

    // The two ground quads: the whole 240 by 240 square just below y = 0.
    static std::vector<glrec::Quad> ground() {
        std::vector<glrec::Quad> found;
        for (const auto& q : glrec::recorder().quads())
            if (glrec::near(q.min(), {-120, -0.02f, -120}) && glrec::near(q.max(), {120, -0.02f, 120}))
                found.push_back(q);
        return found;
    }

    static std::vector<std::string> names_between(std::size_t from, std::size_t to) {
        std::vector<std::string> names;
        for (std::size_t i = from; i < to; ++i) names.push_back(glrec::recorder().calls()[i].name);
        return names;
    }

    static bool contains_prefix(const std::vector<std::string>& names, const std::string& prefix) {
        return std::any_of(names.begin(), names.end(),
                           [&](const std::string& n) { return n.compare(0, prefix.size(), prefix) == 0; });
    }
};

TEST_F(ShellFrame, GroundIsDrawnTwiceFirstWithWhateverTextureIsCurrent) {
    glTexCoord2f(0.25f, 0.75f);  // left over from the previous frame
    glrec::recorder().clear_recording();
    render_scene();
    const auto& rec = glrec::recorder();

    const auto quads = ground();
    ASSERT_EQ(quads.size(), 2u);
    const auto& first = quads[0];
    const auto& second = quads[1];
    const auto& prims = rec.primitives();

    // First pass: no binding of its own before it, no texture coordinates inside it.
    const std::size_t first_begin = prims[first.primitive].first_call;
    EXPECT_FALSE(contains_prefix(names_between(0, first_begin), "glBindTexture"));
    EXPECT_EQ(first.texture(), TextureArray[slot::grafiato]);
    for (const auto& v : first.corners) {
        EXPECT_EQ(v.s, 0.25f);
        EXPECT_EQ(v.t, 0.75f);
    }
    const std::size_t first_end = prims[first.primitive + 1].first_call;
    EXPECT_FALSE(contains_prefix(names_between(first_begin, first_end), "glTexCoord"));

    // Second pass: slot 0, one copy of the image over the whole ground.
    EXPECT_EQ(second.texture(), TextureArray[slot::image]);
    const glrec::Vec3 corners[4] = {{120, -0.02f, -120}, {-120, -0.02f, -120}, {-120, -0.02f, 120}, {120, -0.02f, 120}};
    const float tex[4][2] = {{1, 1}, {0, 1}, {0, 0}, {1, 0}};
    for (int i = 0; i < 4; ++i) {
        expect_vec(first.corners[i].scene, corners[i]);
        expect_vec(second.corners[i].scene, corners[i]);
        expect_vec(first.corners[i].normal, {0, 1, 0}, 0);
        expect_vec(second.corners[i].normal, {0, 1, 0}, 0);
        EXPECT_EQ(second.corners[i].s, tex[i][0]) << i;
        EXPECT_EQ(second.corners[i].t, tex[i][1]) << i;
    }
}

TEST_F(ShellFrame, SecondGroundPassAndEverythingAfterHaveTheBrightMaterial) {
    render_scene();
    const auto& rec = glrec::recorder();
    const auto quads = ground();
    ASSERT_EQ(quads.size(), 2u);

    const glrec::Vec4 bright{10, 10, 10, 1};
    for (const auto& v : quads[1].corners) {
        EXPECT_EQ(v.front.specular, (glrec::Vec4{1, 1, 0, 0}));
        EXPECT_EQ(v.front.ambient, bright);
        EXPECT_EQ(v.front.diffuse, bright);
        EXPECT_EQ(v.back.ambient, bright);
        EXPECT_EQ(v.back.diffuse, bright);
        EXPECT_EQ(v.front.shininess, 0);  // the default: 180 is out of range and never sent
    }
    EXPECT_EQ(rec.front_material().ambient, bright);

    EXPECT_TRUE(rec.errors().empty()) << "first error " << rec.errors().front() << " from "
                                      << rec.error_sources().front();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ShellFrame, MarkerCubeStandsAtHalfTheTargetTurnedWithTheBuilding) {
    x_dir = 10, y_dir = 4, z_dir = -6;
    struct Case {
        int rx, ry, rz;
        glrec::Vec3 centre;
    };
    // Scale by a half, then turn about x, then y, then z (innermost first on the point).
    const Case kCases[] = {
        {0, 0, 0, {5, 2, -3}},
        {90, 0, 0, {5, 3, 2}},      // x: (x, y, z) -> (x, -z, y)
        {0, 90, 0, {-3, 2, -5}},    // y: (x, y, z) -> (z, y, -x)
        {0, 0, 90, {-2, 5, -3}},    // z: (x, y, z) -> (-y, x, z)
        {90, 90, 0, {-3, 5, 2}},    // y first on the point, then x
    };
    for (const Case& c : kCases) {
        rodarx = c.rx, rodary = c.ry, rodarz = c.rz;
        glrec::recorder().clear_recording();
        render_scene();

        std::vector<glrec::Solid> cubes;
        for (const auto& s : glrec::recorder().solids())
            if (s.kind == "glutSolidCube") cubes.push_back(s);
        ASSERT_EQ(cubes.size(), 1u);
        const auto& cube = cubes[0];
        EXPECT_EQ(cube.params, std::vector<double>{3});
        EXPECT_EQ(cube.texture, TextureArray[slot::branco]);
        expect_vec(cube.center(), c.centre);
        // Half size: a unit along the cube's own axis is half a unit in the scene.
        const auto axis = cube.scene.apply_vector({1, 0, 0});
        EXPECT_NEAR(std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z), 0.5f, 1e-5f);
    }
    // The turned axis of the last case: x turns to -z under y, then to y under x.
    expect_vec(glrec::recorder().solids().back().scene.apply_vector({1, 0, 0}), {0, 0.5f, 0});
}

TEST_F(ShellFrame, CameraIsReloadedEachFrameAndTheLightIsFixedInTheScene) {
    render_scene();
    const auto& rec = glrec::recorder();

    // Light set after the camera: at the start camera its eye position is hand-computed.
    const auto light = rec.calls_named("glLightfv");
    ASSERT_EQ(light.size(), 1u);
    EXPECT_EQ(light[0].args, (std::vector<double>{GL_LIGHT0, GL_POSITION, 0, 80, -50, 1}));
    expect_values(rec.light(0).position, std::array<double, 4>{0, 91.27215, -107.67727, 1}, 1e-3);
    expect_values(rec.light(0).scene_position, std::array<double, 4>{0, 80, -50, 1}, 1e-5);

    const glrec::Vec3 corner_eye = ground().at(1).corners[0].eye;
    press('6');
    press('7');
    const std::vector<double> camera{x_pos, y_pos, z_pos, x_dir, y_dir, z_dir, 0, 1, 0};
    render_scene();
    render_scene();
    const auto looks = rec.calls_named("gluLookAt");
    ASSERT_EQ(looks.size(), 3u);
    expect_values(looks[2].args, camera, 1e-6);
    EXPECT_EQ(rec.modelview_depth(), 1u);

    // The last frame, drawn from the same camera as the one before, puts the ground in the same place.
    const auto quads = ground();
    ASSERT_EQ(quads.size(), 6u);
    expect_vec(quads[5].corners[0].eye, quads[3].corners[0].eye);
    EXPECT_FALSE(glrec::near(quads[5].corners[0].eye, corner_eye));
}

TEST_F(ShellFrame, FrameEndsBySwappingThenRequestingTheNext) {
    render_scene();
    const auto& calls = glrec::recorder().calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].name, "glutSwapBuffers");
    EXPECT_EQ(calls.back().name, "glutPostRedisplay");
    EXPECT_EQ(glrec::recorder().count("glutSwapBuffers"), 1u);
    EXPECT_EQ(glrec::recorder().redisplays(), 1u);
    EXPECT_EQ(calls.front().name, "glClear");
    EXPECT_EQ(calls.front().args, std::vector<double>{GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT});
}

}  // namespace
