// Matrices, shapes, evaluators and mipmaps of the browser's fixed-function
// layer, against values from OpenGL's, GLU's and GLUT's definitions.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "assembly.h"
#include "evaluator.h"
#include "mat4.h"
#include "mipmap.h"
#include "quadrics.h"
#include "shapes.h"

namespace {

using namespace ff;

void expect_point(const Mat4& m, std::array<float, 3> in, std::array<float, 3> want) {
    float out[3];
    transform_point(m, in.data(), out);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(out[i], want[i], 1e-5) << "coordinate " << i;
}

TEST(Matrices, RotationTranslationAndScaleComposeInCallOrder) {
    expect_point(rotation(90, 0, 0, 1), {1, 0, 0}, {0, 1, 0});
    expect_point(rotation(90, 0, 0, 5), {0, 1, 0}, {-1, 0, 0});  // the axis need not be unit
    // glTranslate then glScale: the scale acts first on the vertex.
    expect_point(multiply(translation(1, 2, 3), scaling(2, 2, 2)), {1, 1, 1}, {3, 4, 5});
}

TEST(Matrices, PerspectiveAndLookAtFollowGlu) {
    const Mat4 p = perspective(90, 2, 1, 3);
    EXPECT_NEAR(p[0], 0.5, 1e-6);  // cot(45 degrees) / aspect
    EXPECT_NEAR(p[5], 1, 1e-6);
    EXPECT_NEAR(p[10], -2, 1e-6);  // -(f + n) / (f - n)
    EXPECT_NEAR(p[14], -3, 1e-6);  // -2 f n / (f - n)
    EXPECT_EQ(p[11], -1);
    // An eye at +5 on z looking at the origin sees it 5 ahead; +x stays right.
    const Mat4 v = look_at(0, 0, 5, 0, 0, 0, 0, 1, 0);
    expect_point(v, {0, 0, 0}, {0, 0, -5});
    expect_point(v, {1, 0, 0}, {1, 0, -5});
    // Looking along +x from the origin: +x is ahead, +z to the right.
    expect_point(look_at(0, 0, 0, 1, 0, 0, 0, 1, 0), {2, 0, 1}, {1, 0, -2});
}

TEST(Matrices, NormalMatrixUndoesScaleWithoutNormalising) {
    float nm[9], n[3];
    ASSERT_TRUE(normal_matrix(scaling(2, 4, 0.5f), nm));
    const float up[3] = {0, 1, 1};
    transform_normal(nm, up, n);
    EXPECT_NEAR(n[0], 0, 1e-6);
    EXPECT_NEAR(n[1], 0.25, 1e-6);
    EXPECT_NEAR(n[2], 2, 1e-6);
    EXPECT_FALSE(normal_matrix(scaling(1, 0, 1), nm));
}

TEST(Matrices, StackRefusesUnderflowAndOverflow) {
    MatrixStack s(2);
    s.top() = translation(1, 0, 0);
    EXPECT_TRUE(s.push());
    s.top() = identity();
    EXPECT_FALSE(s.push());
    EXPECT_TRUE(s.pop());
    EXPECT_EQ(s.top(), translation(1, 0, 0));
    EXPECT_FALSE(s.pop());
    EXPECT_EQ(s.size(), 1u);
}

float dot(const float* a, const float* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Each triangle counter-clockwise seen from the side its normals point to.
void expect_outward_winding(const Mesh& m) {
    for (std::size_t t = 0; t < m.vertices(); t += 3) {
        const float* a = &m.pos[3 * t];
        const float* b = &m.pos[3 * t + 3];
        const float* c = &m.pos[3 * t + 6];
        const float e1[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, e2[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        const float face[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
        if (dot(face, face) < 1e-12f) continue;  // collapsed at a pole or an apex
        float n[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k)
            for (int v = 0; v < 3; ++v) n[k] += m.normal[3 * (t + v) + k];
        ASSERT_GT(dot(face, n), 0) << "triangle " << t / 3;
    }
}

TEST(Shapes, CubeHasTwelveOutwardTrianglesAndTwelveEdgesTwice) {
    const Mesh cube = solid_cube(2);
    ASSERT_EQ(cube.vertices(), 36u);
    expect_outward_winding(cube);
    for (float c : cube.pos) EXPECT_EQ(std::fabs(c), 1.f);
    // Each face is outlined on its own: 6 loops of 4 segments.
    EXPECT_EQ(wire_cube(1).vertices(), 48u);
}

TEST(Shapes, SphereLiesOnItsRadiusWithRadialNormalsAndClosesAtThePoles) {
    const Mesh s = solid_sphere(2, 10, 8);
    expect_outward_winding(s);
    for (std::size_t v = 0; v < s.vertices(); ++v) {
        const float* p = &s.pos[3 * v];
        const float* n = &s.normal[3 * v];
        EXPECT_NEAR(std::sqrt(dot(p, p)), 2, 1e-5);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(n[k] * 2, p[k], 1e-5);
    }
    // Caps are fans of one triangle per slice; each middle band two per slice.
    EXPECT_EQ(s.vertices(), 3u * (2 * 10 + 2 * 10 * 6));
}

TEST(Shapes, WireSphereRunsPoleToPoleAndRoundEachRing) {
    const int slices = 6, stacks = 4;
    const Mesh w = wire_sphere(1, slices, stacks);
    EXPECT_EQ(w.kind, Mesh::Kind::lines);
    // Each slice: stacks segments from pole to pole; each of the stacks - 1 rings: slices segments.
    ASSERT_EQ(w.vertices(), 2u * (slices * stacks + (stacks - 1) * slices));
    EXPECT_FLOAT_EQ(w.pos[2], 1);  // the first line leaves the top pole
    // The first ring sits a quarter turn down from the pole: z = cos(45 degrees).
    const std::size_t ring = 2 * slices * stacks;
    for (std::size_t v = ring; v < ring + 2 * slices; ++v) EXPECT_NEAR(w.pos[3 * v + 2], std::sqrt(0.5), 1e-6);
}

TEST(Shapes, ConeSideNormalsAreSquareToTheSlantAndTheBaseFacesDown) {
    const float base = 0.35f, height = 1;
    const Mesh c = solid_cone(base, height, 12, 2);
    expect_outward_winding(c);
    const float apex[3] = {0, 0, height};
    for (std::size_t v = 0; v < c.vertices(); ++v) {
        const float* p = &c.pos[3 * v];
        const float* n = &c.normal[3 * v];
        if (n[2] == -1) {
            EXPECT_NEAR(p[2], 0, 1e-6);
        } else if (p[0] != 0 || p[1] != 0) {
            const float slant[3] = {apex[0] - p[0], apex[1] - p[1], apex[2] - p[2]};
            EXPECT_NEAR(dot(n, slant), 0, 1e-5);
        }
    }
    // The wire cone: one slant line per slice and a loop round each lower ring.
    EXPECT_EQ(wire_cone(base, height, 1000, 1).vertices(), 2u * (1000 + 1000));
}

TEST(Shapes, TorusPointsLieOnTheTubeAroundTheRing) {
    const Mesh t = solid_torus(0.25f, 1, 8, 16);
    expect_outward_winding(t);
    for (std::size_t v = 0; v < t.vertices(); ++v) {
        const float* p = &t.pos[3 * v];
        const float ring = std::sqrt(p[0] * p[0] + p[1] * p[1]);
        EXPECT_NEAR((ring - 1) * (ring - 1) + p[2] * p[2], 0.0625, 1e-5);
    }
}

TEST(Shapes, TeapotStandsUpCentredOnItsHeightAndHalvedToItsSize) {
    const Mesh pot = solid_teapot(1);
    float lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
    for (std::size_t v = 0; v < pot.vertices(); ++v)
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], pot.pos[3 * v + k]);
            hi[k] = std::max(hi[k], pot.pos[3 * v + k]);
        }
    // Bottom at height 0 and lid knob at 3.15 in the published data, lifted by 1.575 and halved.
    EXPECT_NEAR(lo[1], -0.7875, 1e-4);
    EXPECT_NEAR(hi[1], 0.7875, 1e-4);
    // The handle's outermost corner point is at -3; the spout's lip ends at
    // 3.2 and bulges towards its 3.525 control point without reaching it.
    EXPECT_NEAR(lo[0], -1.5, 0.01);
    EXPECT_GT(hi[0], 1.6);
    EXPECT_LT(hi[0], 1.7625);
    EXPECT_NEAR(lo[2], -hi[2], 1e-4);  // the mirrored copies keep it symmetric
    EXPECT_EQ(pot.tex.size(), pot.vertices() * 2);
    for (std::size_t v = 0; v < pot.vertices(); ++v) {
        const float* n = &pot.normal[3 * v];
        ASSERT_NEAR(dot(n, n), 1, 1e-4) << "vertex " << v;
    }
    // The lid's knob faces straight up at its top.
    bool knob_up = false;
    for (std::size_t v = 0; v < pot.vertices(); ++v)
        if (std::fabs(pot.pos[3 * v + 1] - hi[1]) < 1e-5) knob_up = knob_up || pot.normal[3 * v + 1] == 1;
    EXPECT_TRUE(knob_up);
}

TEST(Quadrics, SphereStripsLieOnTheSphereWithCapsOnlyWhenUntextured) {
    const std::vector<Strip> plain = sphere(2, 8, 4, false), textured = sphere(2, 8, 4, true);
    // Untextured: a fan at each pole and quad strips between; textured: a strip for every stack.
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_EQ(plain.front().mode, unsigned(GL_TRIANGLE_FAN));
    EXPECT_EQ(plain.front().pos[2], 2);
    EXPECT_EQ(plain.back().pos[2], -2);
    ASSERT_EQ(textured.size(), 4u);
    for (const Strip& s : textured) {
        EXPECT_EQ(s.mode, unsigned(GL_QUAD_STRIP));
        for (std::size_t v = 0; v < s.pos.size() / 3; ++v) {
            const float* p = &s.pos[3 * v];
            EXPECT_NEAR(std::sqrt(dot(p, p)), 2, 1e-5);
            for (int k = 0; k < 3; ++k) EXPECT_NEAR(s.normal[3 * v + k] * 2, p[k], 1e-5);
        }
    }
    // The texture wraps once round (s from 1 down to 0) and once pole to pole (t from 1 at +z to 0).
    EXPECT_FLOAT_EQ(textured[0].tex[0], 1);
    EXPECT_FLOAT_EQ(textured[0].tex[1], 0.75f);
    EXPECT_FLOAT_EQ(textured[0].tex[3], 1);
    EXPECT_FLOAT_EQ(textured[0].tex.end()[-2], 0);
    // x takes the sine: a quarter turn round, on the equator, lies on +x.
    EXPECT_NEAR(textured[1].pos[3 * 4], 2, 1e-5);
    EXPECT_NEAR(textured[1].pos[3 * 4 + 1], 0, 1e-5);
}

TEST(Quadrics, CylinderNarrowsFromBaseToTopWithSlantedNormals) {
    const std::vector<Strip> c = cylinder(1, 0.5, 2, 4, 2);
    ASSERT_EQ(c.size(), 2u);
    const Strip& lower = c[0];
    ASSERT_EQ(lower.pos.size() / 3, 10u);  // (slices + 1) pairs
    EXPECT_FLOAT_EQ(lower.pos[1], 1);      // the first vertex on the base, at +y
    EXPECT_FLOAT_EQ(lower.pos[5], 1);      // its partner a stack up
    EXPECT_FLOAT_EQ(lower.pos[4], 0.75f);  // radius halfway between 1 and 0.5
    // The normal leans up by the slope: (height, delta) over their length.
    const float len = std::sqrt(4.f + 0.25f);
    EXPECT_NEAR(lower.normal[1], 2 / len, 1e-6);
    EXPECT_NEAR(lower.normal[2], 0.5f / len, 1e-6);
    EXPECT_FALSE(cylinder(1, 0.5, 0, 4, 1).empty());  // a flat ring still has a side
    EXPECT_TRUE(cylinder(1, 1, 0, 4, 1).empty());     // no side at all: GLU refuses it
}

TEST(Evaluator, PatchMeetsItsCornersAndReproducesEvenlySpacedLines) {
    // Cubic along u with evenly spaced control points is the straight line itself.
    float pts[4][2][3];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 2; ++j) pts[i][j][0] = float(i), pts[i][j][1] = float(j), pts[i][j][2] = 0;
    Map2 m;
    m.define(3, 0, 1, 6, 4, 0, 1, 3, 2, &pts[0][0][0]);
    float p[3], du[3], dv[3], n[3];
    m.evaluate(0.25f, 0.5f, p, du, dv);
    EXPECT_NEAR(p[0], 0.75, 1e-6);
    EXPECT_NEAR(p[1], 0.5, 1e-6);
    EXPECT_NEAR(du[0], 3, 1e-5);
    EXPECT_NEAR(dv[1], 1, 1e-5);
    ASSERT_TRUE(auto_normal(du, dv, n));
    EXPECT_NEAR(n[2], 1, 1e-6);
    // A domain other than [0, 1] scales the derivatives, not the points.
    m.define(3, 0, 2, 6, 4, 0, 1, 3, 2, &pts[0][0][0]);
    m.evaluate(2, 1, p, du, dv);
    EXPECT_NEAR(p[0], 3, 1e-6);
    EXPECT_NEAR(du[0], 1.5, 1e-5);
}

TEST(Assembly, PrimitivesFallApartAsOpenGLDrawsThem) {
    EXPECT_EQ(decompose(GL_QUADS, 9).order, (std::vector<int>{0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7}));
    EXPECT_EQ(decompose(GL_TRIANGLE_STRIP, 5).order, (std::vector<int>{0, 1, 2, 2, 1, 3, 2, 3, 4}));
    EXPECT_EQ(decompose(GL_POLYGON, 5).order, (std::vector<int>{0, 1, 2, 0, 2, 3, 0, 3, 4}));
    const Decomposed loop = decompose(GL_LINE_LOOP, 3);
    EXPECT_EQ(loop.prim, Prim::lines);
    EXPECT_EQ(loop.order, (std::vector<int>{0, 1, 1, 2, 2, 0}));
    EXPECT_TRUE(decompose(GL_TRIANGLES, 2).order.empty());
}

TEST(Mipmaps, ChainHalvesByAveragingDownToOnePixel) {
    EXPECT_EQ(power_of_two_below(300), 256);
    EXPECT_EQ(power_of_two_below(64), 64);
    Image img{4, 2, 1, {0, 4, 8, 12, 16, 20, 24, 28}};
    const std::vector<Image> chain = mipmap_chain(img, 1024);
    ASSERT_EQ(chain.size(), 3u);  // 4x2, 2x1, 1x1
    EXPECT_EQ(chain[1].pixels, (std::vector<unsigned char>{10, 18}));
    EXPECT_EQ(chain[2].pixels, (std::vector<unsigned char>{14}));
    // A side over the limit comes down to it.
    EXPECT_EQ(mipmap_chain(Image{8, 8, 1, std::vector<unsigned char>(64, 7)}, 4).front().width, 4);
}

}  // namespace
