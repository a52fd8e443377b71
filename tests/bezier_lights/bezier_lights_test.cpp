// bezier_lights through the recording stand-in: the evaluator and light
// set-up, the evaluated patch, the projection for any window shape, and keys.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "bezier_lights.h"
#include "gl_recorder.h"

namespace {

using glrec::Mat4;
using glrec::recorder;
using glrec::Vec3;

std::vector<std::string> names(const std::vector<glrec::Call>& calls) {
    std::vector<std::string> out;
    for (const auto& call : calls) out.push_back(call.name);
    return out;
}

void expect_vec4(const glrec::Vec4& actual, const glrec::Vec4& expected, const char* what) {
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(actual[i], expected[i]) << what << "[" << i << "]";
}

void expect_matrix(const Mat4& actual, const Mat4& expected, const std::string& what) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(std::isfinite(actual.m[i])) << what << " entry " << i;
        EXPECT_NEAR(actual.m[i], expected.m[i], 1e-9) << what << " entry " << i;
    }
}

class BezierLights : public ::testing::Test {
protected:
    void SetUp() override { recorder().reset(); }
};

TEST_F(BezierLights, InitSetsUpTheEvaluatorOverTheUnitSquare) {
    init();
    const auto& rec = recorder();

    const auto clear = rec.calls_named("glClearColor");
    ASSERT_EQ(clear.size(), 1u);
    EXPECT_EQ(clear[0].args, (std::vector<double>{0, 0.4f, 0.4f, 1}));
    EXPECT_TRUE(rec.enabled(GL_DEPTH_TEST));

    // u runs along a row of three-float points, v from row to row.
    const auto map = rec.calls_named("glMap2f");
    ASSERT_EQ(map.size(), 1u);
    EXPECT_EQ(map[0].args, (std::vector<double>{GL_MAP2_VERTEX_3, 0, 1, 3, 4, 0, 1, 12, 4}));
    EXPECT_TRUE(rec.enabled(GL_MAP2_VERTEX_3));
    EXPECT_TRUE(rec.enabled(GL_AUTO_NORMAL));

    const auto grid = rec.calls_named("glMapGrid2f");
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0].args, (std::vector<double>{20, 0, 1, 20, 0, 1}));
    EXPECT_TRUE(rec.errors().empty());
}

TEST_F(BezierLights, InitlightsSetsLightThenFrontMaterialInOrder) {
    initlights();
    const auto& rec = recorder();

    const std::vector<std::string> expected{"glEnable",    "glEnable",    "glLightfv",  "glLightfv",
                                            "glMaterialfv", "glMaterialfv", "glMaterialfv"};
    ASSERT_EQ(names(rec.calls()), expected);
    EXPECT_EQ(rec.calls()[0].args[0], GL_LIGHTING);
    EXPECT_EQ(rec.calls()[1].args[0], GL_LIGHT0);
    EXPECT_EQ(rec.calls()[2].args[1], GL_AMBIENT);
    EXPECT_EQ(rec.calls()[3].args[1], GL_POSITION);
    for (int i = 4; i < 7; ++i) EXPECT_EQ(rec.calls()[i].args[0], GL_FRONT);
    EXPECT_EQ(rec.calls()[4].args[1], GL_DIFFUSE);
    EXPECT_EQ(rec.calls()[5].args[1], GL_SPECULAR);
    EXPECT_EQ(rec.calls()[6].args[1], GL_SHININESS);

    const auto& light = rec.light(0);
    expect_vec4(light.ambient, {0.2f, 0.2f, 0.2f, 1}, "light ambient");
    // Positional, two units in front of the eye.
    EXPECT_EQ(light.position, (std::array<double, 4>{0, 0, 2, 1}));
    // Untouched parameters keep OpenGL's defaults for light 0.
    expect_vec4(light.diffuse, {1, 1, 1, 1}, "light diffuse");
    expect_vec4(light.specular, {1, 1, 1, 1}, "light specular");

    const auto& front = rec.front_material();
    expect_vec4(front.diffuse, {0.6f, 0.6f, 0.6f, 1}, "front diffuse");
    expect_vec4(front.specular, {1, 1, 1, 1}, "front specular");
    EXPECT_FLOAT_EQ(front.shininess, 50);
    expect_vec4(front.ambient, glrec::Material{}.ambient, "front ambient");
    expect_vec4(rec.back_material().diffuse, glrec::Material{}.diffuse, "back diffuse");
    expect_vec4(rec.back_material().specular, glrec::Material{}.specular, "back specular");
}

TEST_F(BezierLights, DisplayDrawsTheRotatedLitPatchAndFlushes) {
    init();
    reshape(500, 500);
    recorder().clear_recording();
    display();
    const auto& rec = recorder();

    const std::vector<std::string> expected{"glClear",    "glPushMatrix", "glRotatef",
                                            "glEvalMesh2", "glPopMatrix",  "glFlush"};
    ASSERT_EQ(names(rec.calls()), expected);
    EXPECT_EQ(rec.calls()[0].args[0], GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    EXPECT_EQ(rec.calls()[2].args, (std::vector<double>{85, 1, 1, 1}));
    EXPECT_EQ(rec.calls()[3].args, (std::vector<double>{GL_FILL, 0, 20, 0, 20}));
    EXPECT_EQ(rec.modelview_depth(), 1u);
    EXPECT_TRUE(rec.errors().empty());

    // 20 strips of 21 quads over the grid: strip j holds (u_i, v_j), (u_i, v_j+1) for i = 0..20.
    const auto& strips = rec.primitives();
    ASSERT_EQ(strips.size(), 20u);
    for (const auto& strip : strips) {
        EXPECT_EQ(strip.mode, static_cast<GLenum>(GL_QUAD_STRIP));
        ASSERT_EQ(strip.vertices.size(), 42u);
    }
    const Mat4 turn = Mat4::rotation(85, 1, 1, 1);
    auto at = [&](int i, int j) {
        return j < 20 ? strips[j].vertices[2 * i] : strips[19].vertices[2 * i + 1];
    };
    // Corners are the corner control points, u along the first row.
    EXPECT_TRUE(glrec::near(at(0, 0).scene, turn.apply({-1.5f, -1.5f, 4})));
    EXPECT_TRUE(glrec::near(at(20, 0).scene, turn.apply({1.5f, -1.5f, 2})));
    EXPECT_TRUE(glrec::near(at(0, 20).scene, turn.apply({-1.5f, 1.5f, -2})));
    EXPECT_TRUE(glrec::near(at(20, 20).scene, turn.apply({1.5f, 1.5f, -1})));
    // Mid-row and centre weigh the control points 1:3:3:1 per direction.
    EXPECT_TRUE(glrec::near(at(10, 0).scene, turn.apply({0, -1.5f, 9.0f / 8})));
    EXPECT_TRUE(glrec::near(at(10, 10).scene, turn.apply({0, 0, 78.0f / 64})));

    // Generated normal at (0, 0): dP/du x dP/dv = (1, 0, -2) x (0, 1, -3).
    const float n = std::sqrt(14.0f);
    EXPECT_TRUE(glrec::near(at(0, 0).normal, {2 / n, 3 / n, 1 / n}, 1e-3f));
    for (const auto& strip : strips)
        for (const auto& vertex : strip.vertices) {
            ASSERT_TRUE(vertex.lighting);
            ASSERT_FLOAT_EQ(vertex.front.diffuse[0], 0.6f);
        }

    // Nothing accumulates: the next frame is the same.
    const auto first = rec.primitives()[0].vertices[0].eye;
    recorder().clear_recording();
    display();
    EXPECT_TRUE(glrec::near(rec.primitives()[0].vertices[0].eye, first));
}

TEST_F(BezierLights, ReshapeKeepsTheShorterSideAtMinus4To4) {
    struct Case {
        int w, h;
        double x, y;  // half extents of the view volume
    };
    // Zero sizes count as 1: a collapsed window must not produce an infinite or NaN projection.
    const Case cases[] = {{500, 500, 4, 4},  {800, 400, 8, 4}, {400, 800, 4, 8},    {300, 200, 6, 4},
                          {0, 300, 4, 1200}, {300, 0, 1200, 4}, {0, 0, 4, 4},       {1, 1, 4, 4}};
    // One after another on the same context: each reshape starts from a fresh projection.
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.w) + "x" + std::to_string(c.h);
        reshape(c.w, c.h);
        const auto& rec = recorder();
        expect_matrix(rec.projection(), Mat4::ortho(-c.x, c.x, -c.y, c.y, -4, 4), what);
        EXPECT_EQ(rec.viewport(), (std::array<int, 4>{0, 0, c.w, c.h})) << what;
        EXPECT_EQ(rec.matrix_mode(), static_cast<GLenum>(GL_MODELVIEW)) << what;
        expect_matrix(rec.modelview(), Mat4::identity(), what);
        EXPECT_TRUE(rec.errors().empty()) << what;
    }
}

TEST_F(BezierLights, EscExitsWithStatus0) {
    EXPECT_EXIT(keyboard(27, 0, 0), ::testing::ExitedWithCode(0), "");
}

TEST_F(BezierLights, OtherKeysDoNothing) {
    init();
    reshape(800, 400);
    recorder().clear_recording();
    const Mat4 projection = recorder().projection();
    for (int key = 0; key < 256; ++key)
        if (key != 27) keyboard(static_cast<unsigned char>(key), 10, 10);
    EXPECT_TRUE(recorder().calls().empty()) << recorder().calls()[0].name;
    expect_matrix(recorder().projection(), projection, "projection");
}

}  // namespace
