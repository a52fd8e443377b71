#pragma once
// The fixed-function layer's device: one WebGL 1 context, one shader that
// does OpenGL's per-vertex lighting and texture environment.

#include <map>
#include <tuple>
#include <vector>

#include "backend.h"

namespace ff {

class WebGLBackend : public Backend {
public:
    WebGLBackend();  // needs the context current
    void draw(Prim prim, const Vertex* v, std::size_t count, const unsigned* indices, std::size_t index_count,
              const DrawParams& params) override;
    unsigned create_buffer(const Vertex* v, std::size_t count) override;
    unsigned create_indexed_buffer(const Vertex* v, std::size_t count, const unsigned short* indices,
                                   std::size_t index_count) override;
    void draw_buffer(Prim prim, unsigned buffer, std::size_t count, const DrawParams& params, const float* color,
                     const float* tex) override;
    void delete_buffer(unsigned buffer) override;
    void clear(unsigned mask, const float color[4], float depth) override;
    void viewport(int x, int y, int w, int h) override;
    void set_capability(unsigned cap, bool on) override;
    void depth_func(unsigned func) override;
    void depth_mask(bool on) override;
    void cull_face(unsigned face) override;
    void front_face(unsigned dir) override;
    void blend_func(unsigned src, unsigned dst) override;
    void line_width(float w) override;
    unsigned create_texture() override;
    void delete_texture(unsigned id) override;
    void upload_texture(unsigned id, int level, int width, int height, const unsigned char* rgba) override;
    void texture_params(unsigned id, unsigned min_filter, unsigned mag_filter, unsigned wrap_s,
                        unsigned wrap_t) override;
    int max_texture_size() override;
    void finish() override;
    void present() override { submit(); }

private:
    struct Key {
        int lighting, lights, two_side, local_viewer, color_material, color_faces, normalize, texture, tex_env;
        bool operator<(const Key& o) const {
            return std::tie(lighting, lights, two_side, local_viewer, color_material, color_faces, normalize, texture,
                            tex_env) < std::tie(o.lighting, o.lights, o.two_side, o.local_viewer, o.color_material,
                                                o.color_faces, o.normalize, o.texture, o.tex_env);
        }
    };
    struct Program {
        unsigned id = 0;
        int projection = -1, modelview = -1, normal_matrix = -1;
        int light_pos = -1, light_ambient = -1, light_diffuse = -1, light_specular = -1, light_atten = -1;
        int spot_dir = -1, spot = -1, model_ambient = -1;
        int mat_ambient = -1, mat_diffuse = -1, mat_specular = -1, mat_emission = -1, mat_shininess = -1;
        DrawParams last{};  // what its uniforms hold
        bool known = false;
    };
    static Key key_of(const DrawParams& p);
    Program& program_for(const DrawParams& p);
    void upload(const DrawParams& p);
    void use_buffer(unsigned buffer);
    void submit();  // the held batches, before anything else reaches the device
    std::map<Key, Program> programs_;
    std::map<unsigned, unsigned> index_buffers_;
    struct Pending {
        Prim prim;
        std::size_t first, count;
        DrawParams params;
        std::size_t positions;         // byte offset of its positions in the upload
        long arrays[3];                // normals, colours, texture coordinates; -1: one value for all
        float constants[3][4];
    };
    std::vector<Pending> pending_;
    std::vector<float> staged_;  // each draw's attributes one after another, not interleaved
    std::vector<unsigned> staged_indices_;
    unsigned index_stream_ = 0;  // vertex buffer -> its indices
    unsigned current_program_ = 0, buffer_ = 0, current_buffer_ = 0, bound_texture_ = 0;
};

}  // namespace ff
