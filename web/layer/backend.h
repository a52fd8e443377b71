#pragma once
// What the fixed-function state machine needs from the device below it:
// WebGL in the browser, a recorder in the tests.

#include <cstddef>

#include "mat4.h"

namespace ff {

// A vertex in eye space, as the batches carry it.
struct Vertex {
    float pos[3];
    float normal[3];
    float color[4];
    float tex[2];
};

enum class Prim { points, lines, triangles };

constexpr int kMaxLights = 8;

struct LightParams {
    float ambient[4], diffuse[4], specular[4];
    float position[4];  // eye space
    float spot_direction[3];  // eye space
    float spot_exponent, spot_cos_cutoff;  // cutoff 180 gives -1: no cone
    float attenuation[3];  // constant, linear, quadratic
};

struct MaterialParams {
    float ambient[4], diffuse[4], specular[4], emission[4];
    float shininess;
};

enum class ColorMaterialMode { off, ambient, diffuse, ambient_and_diffuse, specular, emission };
enum class TexEnv { modulate, replace, decal };

// Everything a draw reads besides its vertices.
struct DrawParams {
    Mat4 projection;
    // Batched vertices come in eye space; a display list's buffer comes in
    // its own space and is moved by these.
    Mat4 modelview = identity();
    std::array<float, 9> normal_matrix = {1, 0, 0, 0, 1, 0, 0, 0, 1};  // row-major
    bool lighting = false;
    int light_count = 0;  // enabled lights, packed to the front
    LightParams lights[kMaxLights];
    float model_ambient[4];
    bool local_viewer = false, two_side = false;
    MaterialParams material[2];  // front, back
    ColorMaterialMode color_material = ColorMaterialMode::off;
    int color_material_faces = 3;  // bit 1 front, bit 2 back
    bool normalize = false;
    unsigned texture = 0;  // device texture, 0 for none
    TexEnv tex_env = TexEnv::modulate;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Primitives of the vertices v named by indices, in order.
    virtual void draw(Prim prim, const Vertex* v, std::size_t count, const unsigned* indices, std::size_t index_count,
                      const DrawParams& params) = 0;
    // Static buffers, for display lists: uploaded once, drawn many times.
    virtual unsigned create_buffer(const Vertex* v, std::size_t count) = 0;
    // The same, drawn through indices: shared vertices are shaded once.
    virtual unsigned create_indexed_buffer(const Vertex* v, std::size_t count, const unsigned short* indices,
                                           std::size_t index_count) = 0;
    // color and tex, when given, stand for every vertex's own; count is of
    // the vertices drawn (indices, for an indexed buffer).
    virtual void draw_buffer(Prim prim, unsigned buffer, std::size_t count, const DrawParams& params,
                             const float* color = nullptr, const float* tex = nullptr) = 0;
    virtual void delete_buffer(unsigned buffer) = 0;
    virtual void clear(unsigned mask, const float color[4], float depth) = 0;
    virtual void viewport(int x, int y, int w, int h) = 0;
    virtual void set_capability(unsigned cap, bool on) = 0;  // depth test, culling, blending
    virtual void depth_func(unsigned func) = 0;
    virtual void depth_mask(bool on) = 0;
    virtual void cull_face(unsigned face) = 0;
    virtual void front_face(unsigned dir) = 0;
    virtual void blend_func(unsigned src, unsigned dst) = 0;
    virtual void line_width(float w) = 0;
    virtual unsigned create_texture() = 0;
    virtual void delete_texture(unsigned id) = 0;
    // Tightly packed RGBA rows, bottom row first.
    virtual void upload_texture(unsigned id, int level, int width, int height, const unsigned char* rgba) = 0;
    virtual void texture_params(unsigned id, unsigned min_filter, unsigned mag_filter, unsigned wrap_s,
                                unsigned wrap_t) = 0;
    virtual int max_texture_size() = 0;
    virtual void finish() = 0;
    // The end of a frame: whatever the device still holds goes out.
    virtual void present() {}
};

}  // namespace ff
