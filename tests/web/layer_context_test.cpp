// The state machine of the browser's fixed-function layer over a recording
// device: what each draw carries, and when batches end.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "context.h"

namespace {

using namespace ff;

struct Draw {
    Prim prim;
    std::vector<Vertex> vertices;  // one per index: what the device draws
    DrawParams params;
    std::size_t sent = 0;          // vertices actually sent
};

class Recorder : public Backend {
public:
    std::vector<Draw> draws;  // a static buffer's draw carries the buffer's vertices
    std::vector<std::vector<Vertex>> buffers;
    unsigned textures = 0;
    void draw(Prim prim, const Vertex* v, std::size_t n, const unsigned* indices, std::size_t index_count,
              const DrawParams& p) override {
        std::vector<Vertex> all;
        for (std::size_t i = 0; i < index_count; ++i) all.push_back(v[indices[i]]);
        EXPECT_TRUE(index_count == 0 || *std::max_element(indices, indices + index_count) < n);
        draws.push_back({prim, all, p, n});
    }
    std::vector<unsigned char> last_upload;
    int last_upload_width = 0;
    unsigned create_buffer(const Vertex* v, std::size_t n) override {
        buffers.emplace_back(v, v + n);
        return unsigned(buffers.size());
    }
    unsigned create_indexed_buffer(const Vertex* v, std::size_t, const unsigned short* indices,
                                   std::size_t index_count) override {
        std::vector<Vertex> all;
        for (std::size_t i = 0; i < index_count; ++i) all.push_back(v[indices[i]]);
        return create_buffer(all.data(), all.size());
    }
    void draw_buffer(Prim prim, unsigned buffer, std::size_t n, const DrawParams& p, const float*, const float*) override {
        EXPECT_EQ(buffers.at(buffer - 1).size(), n);
        draws.push_back({prim, buffers.at(buffer - 1), p, n});
    }
    void delete_buffer(unsigned buffer) override { buffers.at(buffer - 1).clear(); }
    void clear(unsigned, const float*, float) override {}
    void viewport(int, int, int, int) override {}
    void set_capability(unsigned, bool) override {}
    void depth_func(unsigned) override {}
    void depth_mask(bool) override {}
    void cull_face(unsigned) override {}
    void front_face(unsigned) override {}
    void blend_func(unsigned, unsigned) override {}
    void line_width(float) override {}
    unsigned create_texture() override { return ++textures; }
    void delete_texture(unsigned) override {}
    void upload_texture(unsigned, int level, int width, int height, const unsigned char* rgba) override {
        if (level != 0) return;
        last_upload.assign(rgba, rgba + std::size_t(width) * height * 4);
        last_upload_width = width;
    }
    void texture_params(unsigned, unsigned, unsigned, unsigned, unsigned) override {}
    int max_texture_size() override { return 4096; }
    void finish() override {}
};

class ContextTest : public ::testing::Test {
protected:
    void quad() {
        gl.begin(GL_QUADS);
        gl.normal(0, 0, 1);
        gl.vertex(0, 0, 0);
        gl.vertex(1, 0, 0);
        gl.vertex(1, 1, 0);
        gl.vertex(0, 1, 0);
        gl.end();
    }
    Recorder device;
    Context gl{device};
};

TEST_F(ContextTest, VerticesReachEyeSpaceWithTheAttributesCurrentWhenGiven) {
    gl.mult_matrix(translation(0, 0, -5));
    gl.mult_matrix(scaling(1, 1, 0.5f));
    gl.begin(GL_TRIANGLES);
    gl.color(1, 0, 0, 1);
    gl.normal(0, 0, 1);
    gl.tex_coord(0.5f, 1);
    gl.vertex(0, 0, 2);
    gl.color(0, 1, 0, 1);  // only the later vertices take it
    gl.vertex(1, 0, 2);
    gl.vertex(0, 1, 2);
    gl.end();
    gl.flush();
    ASSERT_EQ(device.draws.size(), 1u);
    const std::vector<Vertex>& v = device.draws[0].vertices;
    ASSERT_EQ(v.size(), 3u);
    EXPECT_FLOAT_EQ(v[0].pos[2], -4);
    EXPECT_FLOAT_EQ(v[1].pos[0], 1);
    EXPECT_FLOAT_EQ(v[0].color[0], 1);
    EXPECT_FLOAT_EQ(v[1].color[1], 1);
    EXPECT_FLOAT_EQ(v[2].tex[0], 0.5f);
    // The scale's inverse transpose lengthens the normal; it is not renormalised.
    EXPECT_FLOAT_EQ(v[0].normal[2], 2);
    gl.set_enabled(GL_NORMALIZE, true);
    quad();
    gl.flush();
    EXPECT_FLOAT_EQ(device.draws.back().vertices[0].normal[2], 1);
}

TEST_F(ContextTest, OneDrawPerStateChangeNotPerShapeOrMatrix) {
    const float red[4] = {1, 0, 0, 1}, blue[4] = {0, 0, 1, 1};
    gl.set_enabled(GL_LIGHTING, true);
    gl.material(GL_FRONT_AND_BACK, GL_DIFFUSE, red);
    for (int i = 0; i < 5; ++i) {
        gl.push_matrix();
        gl.mult_matrix(translation(float(i), 0, 0));
        quad();
        gl.pop_matrix();
        gl.material(GL_FRONT_AND_BACK, GL_DIFFUSE, red);  // the same again: no new batch
    }
    gl.material(GL_FRONT_AND_BACK, GL_DIFFUSE, blue);
    quad();
    gl.matrix_mode(GL_PROJECTION);
    gl.load_identity();
    gl.matrix_mode(GL_MODELVIEW);
    quad();
    gl.flush();
    ASSERT_EQ(device.draws.size(), 3u);
    EXPECT_EQ(device.draws[0].vertices.size(), 5u * 6);
    EXPECT_FLOAT_EQ(device.draws[0].params.material[0].diffuse[0], 1);
    EXPECT_FLOAT_EQ(device.draws[1].params.material[1].diffuse[2], 1);
    EXPECT_EQ(device.draws[2].vertices.size(), 6u);
}

TEST_F(ContextTest, LightsAreFixedInEyeSpaceWhenSetAndPackedWhenEnabled) {
    gl.mult_matrix(look_at(0, 0, 5, 0, 0, 0, 0, 1, 0));
    const float at[4] = {1, 2, 0, 1}, along[4] = {0, 0, -1, 0}, cutoff = 60;
    gl.light(GL_LIGHT2, GL_POSITION, at);
    gl.light(GL_LIGHT2, GL_SPOT_DIRECTION, along);
    gl.light(GL_LIGHT2, GL_SPOT_CUTOFF, &cutoff);
    gl.load_identity();  // later matrices do not move the light
    gl.set_enabled(GL_LIGHTING, true);
    gl.set_enabled(GL_LIGHT2, true);
    quad();
    gl.flush();
    const DrawParams& p = device.draws.at(0).params;
    ASSERT_EQ(p.light_count, 1);
    const LightParams& l = p.lights[0];
    EXPECT_FLOAT_EQ(l.position[0], 1);
    EXPECT_FLOAT_EQ(l.position[2], -5);
    EXPECT_FLOAT_EQ(l.spot_direction[2], -1);
    EXPECT_NEAR(l.spot_cos_cutoff, 0.5, 1e-6);
    // Lights other than the first start dark; the model's ambient is OpenGL's 0.2 grey.
    EXPECT_FLOAT_EQ(l.diffuse[0], 0);
    EXPECT_FLOAT_EQ(p.model_ambient[1], 0.2f);
    EXPECT_FLOAT_EQ(p.material[0].diffuse[0], 0.8f);
}

TEST_F(ContextTest, ColourMaterialTracksTheColourAndLeavesItInTheMaterial) {
    gl.set_enabled(GL_LIGHTING, true);
    gl.set_enabled(GL_COLOR_MATERIAL, true);
    gl.color(0, 1, 0, 1);
    quad();
    gl.flush();
    EXPECT_EQ(device.draws.at(0).params.color_material, ColorMaterialMode::ambient_and_diffuse);
    gl.set_enabled(GL_COLOR_MATERIAL, false);
    EXPECT_FLOAT_EQ(gl.material_params(0).diffuse[1], 1);
    EXPECT_FLOAT_EQ(gl.material_params(1).ambient[0], 0);
}

TEST_F(ContextTest, TexturingNeedsACompleteTexture) {
    gl.set_enabled(GL_TEXTURE_2D, true);
    unsigned name = 0;
    gl.gen_textures(1, &name);
    gl.bind_texture(name);
    const unsigned char pixels[2 * 2 * 3] = {};
    gl.tex_image(0, 2, 2, GL_RGB, pixels);
    quad();  // default minification wants mipmaps: not complete yet
    gl.tex_parameter(GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    quad();
    gl.bind_texture(0);  // nothing uploaded to the default texture
    quad();
    gl.flush();
    ASSERT_EQ(device.draws.size(), 3u);
    EXPECT_EQ(device.draws[0].params.texture, 0u);
    EXPECT_NE(device.draws[1].params.texture, 0u);
    EXPECT_EQ(device.draws[2].params.texture, 0u);
}

TEST_F(ContextTest, EvaluatorMeshIsTriangleStripsWithAutomaticNormals) {
    const float plane[2][2][3] = {{{0, 0, 0}, {0, 1, 0}}, {{1, 0, 0}, {1, 1, 0}}};
    gl.map2(GL_MAP2_VERTEX_3, 0, 1, 6, 2, 0, 1, 3, 2, &plane[0][0][0]);
    gl.set_enabled(GL_MAP2_VERTEX_3, true);
    gl.set_enabled(GL_AUTO_NORMAL, true);
    gl.map_grid2(4, 0, 1, 2, 0, 1);
    gl.eval_mesh2(GL_FILL, 0, 4, 0, 2);
    gl.flush();
    ASSERT_EQ(device.draws.size(), 1u);
    const std::vector<Vertex>& v = device.draws[0].vertices;
    EXPECT_EQ(v.size(), 3u * 2 * 4 * 2);  // two triangles per grid cell
    for (const Vertex& x : v) EXPECT_FLOAT_EQ(x.normal[2], 1);
    EXPECT_FLOAT_EQ(v[1].pos[1], 0.5f);  // the strip's second point is one v step up
}

TEST_F(ContextTest, DisplayListKeepsGeometryOnceAndReplaysItsStateUnderTheCallersMatrix) {
    const unsigned list = gl.gen_lists(1);
    const float green[4] = {0, 1, 0, 1};
    gl.new_list(list, GL_COMPILE);
    gl.record([green](Context& c) { c.material(GL_FRONT, GL_DIFFUSE, green); });
    gl.color(1, 0, 0, 1);
    quad();
    gl.end_list();
    EXPECT_TRUE(device.draws.empty());  // compiled, not drawn
    EXPECT_FLOAT_EQ(gl.material_params(0).diffuse[1], 0.8f);
    ASSERT_EQ(device.buffers.size(), 1u);
    EXPECT_FLOAT_EQ(device.buffers[0][0].color[0], 1);

    gl.set_enabled(GL_LIGHTING, true);
    for (float x : {2.f, 5.f}) {
        gl.push_matrix();
        gl.mult_matrix(translation(x, 0, 0));
        gl.call_list(list);
        gl.pop_matrix();
    }
    ASSERT_EQ(device.draws.size(), 2u);
    EXPECT_EQ(device.buffers.size(), 1u);  // uploaded once
    EXPECT_FLOAT_EQ(device.draws[0].params.modelview[12], 2);
    EXPECT_FLOAT_EQ(device.draws[1].params.modelview[12], 5);
    EXPECT_FLOAT_EQ(device.draws[1].params.material[0].diffuse[1], 1);
    EXPECT_FLOAT_EQ(device.draws[1].vertices[0].pos[0], 0);  // kept in its own space

    gl.delete_lists(list, 1);
    EXPECT_FALSE(gl.is_list(list));
    gl.call_list(list);
    EXPECT_EQ(device.draws.size(), 2u);
}

TEST_F(ContextTest, LargeShapesGoUpOnceAndSmallOnesJoinTheBatch) {
    static const Mesh moon = solid_sphere(1, 50, 50);
    static const Mesh cube = solid_cube(1);
    quad();
    gl.mult_matrix(scaling(2, 2, 2));
    gl.draw_shape(moon);
    gl.draw_shape(moon);
    gl.draw_shape(cube);
    gl.draw_shape(cube);
    gl.flush();
    ASSERT_EQ(device.draws.size(), 4u);
    EXPECT_EQ(device.buffers.size(), 1u);
    EXPECT_EQ(device.draws[0].vertices.size(), 6u);  // the quad went first, in order
    EXPECT_FLOAT_EQ(device.draws[2].params.modelview[0], 2);
    EXPECT_FLOAT_EQ(device.draws[2].params.normal_matrix[0], 0.5f);
    // The sphere's shared vertices went up once each; the indices give back every triangle.
    EXPECT_EQ(device.draws[2].vertices.size(), moon.vertices());
    // The two cubes: 24 distinct corners each, moved to eye space, 36 indices each.
    const Draw& cubes = device.draws[3];
    EXPECT_EQ(cubes.sent, 48u);
    ASSERT_EQ(cubes.vertices.size(), 72u);
    EXPECT_FLOAT_EQ(cubes.vertices[0].pos[0], 1);
    EXPECT_FLOAT_EQ(cubes.vertices[0].normal[2], 0.5f);  // the scale's inverse transpose
    EXPECT_FLOAT_EQ(cubes.params.modelview[0], 1);
}

TEST_F(ContextTest, QuadsSendFourVerticesAndStripsAndLoopsKeepTheirShape) {
    quad();
    gl.flush();
    ASSERT_EQ(device.draws.size(), 1u);
    EXPECT_EQ(device.draws[0].sent, 4u);  // six indices name them
    EXPECT_EQ(device.draws[0].vertices.size(), 6u);
    // The 0-2 diagonal: both triangles hold the first and the third corner.
    EXPECT_FLOAT_EQ(device.draws[0].vertices[2].pos[1], 1);
    EXPECT_FLOAT_EQ(device.draws[0].vertices[3].pos[0], 0);

    gl.begin(GL_LINE_LOOP);
    for (float x : {0.f, 1.f, 2.f}) gl.vertex(x, 0, 0);
    gl.end();
    gl.vertex(9, 9, 9);  // outside glBegin/glEnd: nothing
    gl.begin(GL_LINES);
    gl.begin(GL_LINES);  // nested: refused
    EXPECT_EQ(gl.take_error(), unsigned(GL_INVALID_OPERATION));
    gl.end();
    gl.flush();
    ASSERT_EQ(device.draws.size(), 2u);
    EXPECT_EQ(device.draws[1].prim, Prim::lines);
    ASSERT_EQ(device.draws[1].vertices.size(), 6u);
    EXPECT_FLOAT_EQ(device.draws[1].vertices[4].pos[0], 2);  // the loop closes back to the start
    EXPECT_FLOAT_EQ(device.draws[1].vertices[5].pos[0], 0);
}

TEST_F(ContextTest, TextureRowsFollowTheUnpackAlignment) {
    unsigned name = 0;
    gl.gen_textures(1, &name);
    gl.bind_texture(name);
    // Two RGB pixels a row take 6 bytes, padded to 8 under OpenGL's default alignment of 4.
    const unsigned char rows[16] = {1, 2, 3, 4, 5, 6, 99, 99, 7, 8, 9, 10, 11, 12, 99, 99};
    gl.tex_image(0, 2, 2, GL_RGB, rows);
    const std::vector<unsigned char> want = {1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255};
    EXPECT_EQ(device.last_upload, want);
    gl.pixel_store(GL_UNPACK_ALIGNMENT, 1);
    const unsigned char tight[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    gl.tex_image(0, 2, 2, GL_RGB, tight);
    EXPECT_EQ(device.last_upload, want);
    // Luminance spreads to grey.
    const unsigned char grey[4] = {50, 60, 70, 80};
    gl.tex_image(0, 2, 2, GL_LUMINANCE, grey);
    EXPECT_EQ(device.last_upload[4], 60);
    EXPECT_EQ(device.last_upload[6], 60);
    EXPECT_EQ(device.last_upload[7], 255);
}

TEST_F(ContextTest, ListsCompiledAloneLeaveTheCurrentStateAndNestAtCallTime) {
    const unsigned inner = gl.gen_lists(2), outer = inner + 1;
    gl.new_list(inner, GL_COMPILE);
    gl.color(0, 0, 1, 1);
    gl.begin(GL_TRIANGLES);
    for (float x : {0.f, 1.f, 0.f}) gl.vertex(x, x, 0);
    gl.end();
    gl.end_list();
    gl.begin(GL_TRIANGLES);  // the colour from before the list
    for (float x : {0.f, 1.f, 0.f}) gl.vertex(x, 0, x);
    gl.end();
    gl.flush();
    ASSERT_EQ(device.draws.size(), 1u);
    EXPECT_FLOAT_EQ(device.draws[0].vertices[0].color[0], 1);
    EXPECT_FLOAT_EQ(device.draws[0].vertices[0].color[2], 1);

    gl.new_list(outer, GL_COMPILE_AND_EXECUTE);
    gl.call_list(inner);
    gl.end_list();
    EXPECT_EQ(device.draws.size(), 2u);  // drawn while compiled
    gl.call_list(outer);
    ASSERT_EQ(device.draws.size(), 3u);
    EXPECT_FLOAT_EQ(device.draws[2].vertices[0].color[0], 0);
    EXPECT_EQ(device.buffers.size(), 1u);  // the inner list's triangle, kept once

    gl.new_list(inner, GL_COMPILE);
    gl.new_list(outer, GL_COMPILE);  // no list inside a list
    EXPECT_EQ(gl.take_error(), unsigned(GL_INVALID_OPERATION));
    gl.end_list();
    gl.call_list(outer);  // now calls the emptied inner list: nothing drawn
    EXPECT_EQ(device.draws.size(), 3u);
}

TEST_F(ContextTest, RationalPatchesAndOutlinedMeshesEvaluate) {
    // A quarter circle as a rational quadratic in u (weights 1, 1/sqrt2, 1), straight along v.
    const float w = std::sqrt(0.5f);
    const float pts[3][2][4] = {{{1, 0, 0, 1}, {1, 0, 1, 1}},
                                {{w, w, 0, w}, {w, w, w, w}},
                                {{0, 1, 0, 1}, {0, 1, 1, 1}}};
    gl.map2(GL_MAP2_VERTEX_4, 0, 1, 8, 3, 0, 1, 4, 2, &pts[0][0][0]);
    gl.set_enabled(GL_MAP2_VERTEX_4, true);
    gl.begin(GL_POINTS);
    gl.eval_coord2(0.5f, 0.5f);
    gl.end();
    gl.map_grid2(2, 0, 1, 1, 0, 1);
    gl.eval_mesh2(GL_LINE, 0, 2, 0, 1);
    gl.flush();
    ASSERT_EQ(device.draws.size(), 2u);
    const Vertex& mid = device.draws[0].vertices.at(0);
    EXPECT_NEAR(std::hypot(mid.pos[0], mid.pos[1]), 1, 1e-5);  // on the circle, not its chord
    EXPECT_NEAR(mid.pos[2], 0.5, 1e-6);
    // Two rows of two segments along u, three columns of one along v.
    EXPECT_EQ(device.draws[1].vertices.size(), 2u * (2 * 2 + 3 * 1));
}

TEST_F(ContextTest, MatrixStackErrorsAreReportedOnce) {
    gl.pop_matrix();
    EXPECT_EQ(gl.take_error(), unsigned(GL_STACK_UNDERFLOW));
    EXPECT_EQ(gl.take_error(), unsigned(GL_NO_ERROR));
    for (int i = 0; i < 31; ++i) gl.push_matrix();
    EXPECT_EQ(gl.take_error(), unsigned(GL_NO_ERROR));
    gl.push_matrix();
    EXPECT_EQ(gl.take_error(), unsigned(GL_STACK_OVERFLOW));
    EXPECT_EQ(gl.stack_depth(GL_MODELVIEW), 32u);
}

}  // namespace
