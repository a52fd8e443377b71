#pragma once
// The fixed-function layer's device: one WebGL 1 context, one shader that
// does OpenGL's per-vertex lighting and texture environment.

#include "backend.h"

namespace ff {

class WebGLBackend : public Backend {
public:
    WebGLBackend();  // needs the context current
    void draw(Prim prim, const Vertex* v, std::size_t count, const DrawParams& params) override;
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

private:
    void upload(const DrawParams& p);
    unsigned program_ = 0, buffer_ = 0, bound_texture_ = 0;
    DrawParams last_{};
    bool have_last_ = false, lit_known_ = false;
    struct Locations;
    Locations* loc_;
};

}  // namespace ff
