#pragma once
// OpenGL's fixed-function state machine over a Backend. Immediate-mode
// vertices are moved to eye space here and gathered into one batch until a
// state that the draw reads changes, so a frame costs one draw per change of
// material, texture or switch rather than one per vertex or per shape.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "backend.h"
#include "evaluator.h"
#include "mat4.h"
#include "shapes.h"

namespace ff {

class Context {
public:
    explicit Context(Backend& backend);

    // Immediate mode
    void begin(unsigned mode);
    void end();
    void vertex(float x, float y, float z);
    void normal(float x, float y, float z) { normal_[0] = x, normal_[1] = y, normal_[2] = z; }
    void color(float r, float g, float b, float a) { color_[0] = r, color_[1] = g, color_[2] = b, color_[3] = a; }
    void tex_coord(float s, float t) { tex_[0] = s, tex_[1] = t; }
    // A whole shape at once, under the current matrices and state.
    void draw_mesh(const Mesh& mesh);
    // The same for a shape that lives as long as the context: it goes up to
    // the device once and is drawn from there, moved by the matrices.
    void draw_shape(const Mesh& mesh);

    // Matrices
    void matrix_mode(unsigned mode);
    void load_identity() { load_matrix(identity()); }
    void load_matrix(const Mat4& m);
    void mult_matrix(const Mat4& m);
    void push_matrix();
    void pop_matrix();
    const Mat4& modelview() const { return modelview_.top(); }
    const Mat4& projection() const { return projection_.top(); }
    std::size_t stack_depth(unsigned mode) const;

    // Switches and fixed state
    void set_enabled(unsigned cap, bool on);
    bool is_enabled(unsigned cap) const;
    void clear_color(float r, float g, float b, float a) { clear_color_[0] = r, clear_color_[1] = g, clear_color_[2] = b, clear_color_[3] = a; }
    void clear_depth(float d) { clear_depth_ = d; }
    void clear(unsigned mask);
    void viewport(int x, int y, int w, int h);
    void depth_func(unsigned f);
    void depth_mask(bool on);
    void cull_face(unsigned f);
    void front_face(unsigned f);
    void blend_func(unsigned s, unsigned d);
    void line_width(float w);
    void shade_model(unsigned m) { shade_model_ = m; }
    void polygon_mode(unsigned face, unsigned mode);
    void flush();   // sends the pending batch
    void present();  // and has the device send everything it holds: the frame is done
    void finish();

    // Lighting
    void light(unsigned light, unsigned pname, const float* params);
    void light_model(unsigned pname, const float* params);
    void material(unsigned face, unsigned pname, const float* params);
    void color_material(unsigned face, unsigned mode);
    const LightParams& light_params(int i) const { return lights_[i]; }
    const MaterialParams& material_params(int face) const { return material_[face]; }

    // Textures
    void gen_textures(int n, unsigned* names);
    void delete_textures(int n, const unsigned* names);
    void bind_texture(unsigned name);
    // RGB(A) or luminance pixels, rows aligned to unpack_alignment.
    void tex_image(int level, int width, int height, unsigned format, const unsigned char* pixels);
    void tex_parameter(unsigned pname, int value);
    void tex_env(unsigned pname, int value);
    void pixel_store(unsigned pname, int value);
    int unpack_alignment() const { return unpack_alignment_; }
    int max_texture_size() { return backend_.max_texture_size(); }

    // Evaluators
    void map2(unsigned target, float u1, float u2, int ustride, int uorder, float v1, float v2, int vstride,
              int vorder, const float* points);
    void map_grid2(int un, float u1, float u2, int vn, float v1, float v2);
    void eval_mesh2(unsigned mode, int i1, int i2, int j1, int j2);
    void eval_coord2(float u, float v);

    // Display lists. While one is compiled, the C entry points hand their
    // calls to record() rather than run them (or as well, for
    // GL_COMPILE_AND_EXECUTE); geometry goes into static buffers.
    unsigned gen_lists(int range);
    void new_list(unsigned name, unsigned mode);
    void end_list();
    void call_list(unsigned name);
    void delete_lists(unsigned first, int range);
    bool is_list(unsigned name) const { return lists_.count(name) != 0; }
    bool compiling() const { return compiling_ != 0; }
    bool executing() const { return compiling_ == 0 || compile_and_execute_; }
    void record(std::function<void(Context&)> op);

    void get_integer(unsigned pname, int* out);
    void get_float(unsigned pname, float* out);
    unsigned take_error();
    void set_error(unsigned e) { if (!error_) error_ = e; }

    std::size_t draws() const { return draws_; }  // draws sent since start

private:
    struct Texture {
        unsigned device = 0;
        int width = 0, height = 0;
        int levels = 0;  // consecutive levels uploaded from 0
        unsigned min_filter = 0x2702, mag_filter = 0x2601, wrap_s = 0x2901, wrap_t = 0x2901;  // OpenGL's defaults
        bool complete() const;
    };

    MatrixStack& current();
    void matrix_changing();  // before the current matrix changes
    void matrix_changed();
    void emit(Prim prim, const Vertex* v, std::size_t n, const std::vector<int>& order);
    DrawParams params() const;
    Texture* bound();
    void eval_point(float u, float v);

    Backend& backend_;
    MatrixStack modelview_{32}, projection_{4}, texture_matrix_{4};
    unsigned matrix_mode_;
    bool normal_matrix_dirty_ = true;
    float normal_matrix_[9];

    // current attributes
    float normal_[3] = {0, 0, 1}, color_[4] = {1, 1, 1, 1}, tex_[2] = {0, 0};
    bool in_begin_ = false;
    unsigned begin_mode_ = 0;
    std::vector<Vertex> primitive_;

    // the batch
    std::vector<Vertex> batch_;
    std::vector<unsigned> batch_indices_;
    Prim batch_prim_ = Prim::triangles;
    std::size_t draws_ = 0;

    // state the draws read
    bool lighting_ = false, light_on_[kMaxLights] = {}, texture_2d_ = false, color_material_on_ = false;
    bool normalize_ = false, auto_normal_ = false, map2_vertex3_ = false, map2_vertex4_ = false;
    bool map2_normal_ = false, map2_tex2_ = false, map2_color4_ = false;
    LightParams lights_[kMaxLights];
    float model_ambient_[4] = {0.2f, 0.2f, 0.2f, 1};
    bool local_viewer_ = false, two_side_ = false;
    MaterialParams material_[2];
    unsigned color_material_face_ = 0x0408, color_material_mode_ = 0x1602;
    TexEnv tex_env_ = TexEnv::modulate;
    unsigned shade_model_ = 0x1D01;

    // state held by the device
    bool depth_test_ = false, cull_ = false, blend_ = false;
    float clear_color_[4] = {0, 0, 0, 0};
    float clear_depth_ = 1;
    int viewport_[4] = {0, 0, 0, 0};

    std::map<unsigned, Texture> textures_;
    unsigned bound_texture_ = 0;
    unsigned next_texture_ = 1;
    int unpack_alignment_ = 4;

    Map2 map_vertex3_, map_vertex4_, map_normal_, map_tex2_, map_color4_;
    int grid_un_ = 1, grid_vn_ = 1;
    float grid_u1_ = 0, grid_u2_ = 1, grid_v1_ = 0, grid_v2_ = 1;

    unsigned error_ = 0;

    struct ListOp {
        std::function<void(Context&)> state;  // or, when empty, a static buffer:
        Prim prim = Prim::triangles;
        unsigned buffer = 0;
        std::size_t count = 0;
        std::vector<Vertex> pending;  // its vertices until the list ends
    };
    void close_chunk();
    void list_vertex(float x, float y, float z);
    void run_list(unsigned name);
    DrawParams placed_params();  // with the current model-view, for static buffers
    struct Shape {
        std::vector<Vertex> unique;  // each distinct vertex once, in its own space
        std::vector<int> indices;
        unsigned buffer = 0;  // on the device, for the larger ones
    };
    static constexpr std::size_t kSmallShape = 300;  // distinct vertices: a snowflake, a cube
    std::map<const Mesh*, Shape> shapes_;
    int list_depth_ = 0;
    float saved_attributes_[9] = {};  // normal, colour, texture coordinate before a list compiled alone
    std::map<unsigned, std::vector<ListOp>> lists_;
    std::vector<ListOp> compiled_;
    unsigned compiling_ = 0;
    bool compile_and_execute_ = false;
    std::vector<Vertex> list_primitive_;
    bool chunk_open_ = false;
    unsigned next_list_ = 1;
};

}  // namespace ff
