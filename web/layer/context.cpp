#include "context.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "assembly.h"

namespace ff {

namespace {

void copy4(float* dst, const float* src) { std::memcpy(dst, src, 4 * sizeof(float)); }
void set4(float* dst, float a, float b, float c, float d) { dst[0] = a, dst[1] = b, dst[2] = c, dst[3] = d; }

int light_index(unsigned light) {
    const int i = int(light) - GL_LIGHT0;
    return i >= 0 && i < kMaxLights ? i : -1;
}

bool is_identity(const Mat4& m) { return m == identity(); }

}  // namespace

bool Context::Texture::complete() const {
    if (levels < 1 || width < 1 || height < 1) return false;
    if (min_filter == GL_NEAREST || min_filter == GL_LINEAR) return true;
    int needed = 1;
    for (int side = std::max(width, height); side > 1; side /= 2) ++needed;
    return levels >= needed;
}

Context::Context(Backend& backend) : backend_(backend), matrix_mode_(GL_MODELVIEW) {
    for (int i = 0; i < kMaxLights; ++i) {
        LightParams& l = lights_[i];
        set4(l.ambient, 0, 0, 0, 1);
        const float on = i == 0 ? 1.f : 0.f;  // only the first light is white by default
        set4(l.diffuse, on, on, on, 1);
        set4(l.specular, on, on, on, 1);
        set4(l.position, 0, 0, 1, 0);
        l.spot_direction[0] = l.spot_direction[1] = 0;
        l.spot_direction[2] = -1;
        l.spot_exponent = 0;
        l.spot_cos_cutoff = -1;
        l.attenuation[0] = 1;
        l.attenuation[1] = l.attenuation[2] = 0;
    }
    for (MaterialParams& m : material_) {
        set4(m.ambient, 0.2f, 0.2f, 0.2f, 1);
        set4(m.diffuse, 0.8f, 0.8f, 0.8f, 1);
        set4(m.specular, 0, 0, 0, 1);
        set4(m.emission, 0, 0, 0, 1);
        m.shininess = 0;
    }
    textures_[0] = Texture{};
}

// ---- immediate mode

void Context::begin(unsigned mode) {
    if (in_begin_ || mode > GL_POLYGON) return set_error(in_begin_ ? GL_INVALID_OPERATION : GL_INVALID_ENUM);
    in_begin_ = true;
    begin_mode_ = mode;
    primitive_.clear();
    list_primitive_.clear();
}

void Context::end() {
    if (!in_begin_) return set_error(GL_INVALID_OPERATION);
    in_begin_ = false;
    if (compiling()) {
        const Decomposed d = decompose(begin_mode_, int(list_primitive_.size()));
        if (!d.order.empty()) {
            if (chunk_open_ && compiled_.back().prim != d.prim) close_chunk();
            if (!chunk_open_) {
                compiled_.emplace_back();
                compiled_.back().prim = d.prim;
                chunk_open_ = true;
            }
            for (int i : d.order) compiled_.back().pending.push_back(list_primitive_[i]);
        }
        if (!executing()) return;
    }
    const Decomposed d = decompose(begin_mode_, int(primitive_.size()));
    if (d.order.empty()) return;
    emit(d.prim, primitive_.data(), primitive_.size(), d.order);
}

void Context::list_vertex(float x, float y, float z) {
    // Kept as given: the list's matrices and the caller's apply when it runs.
    Vertex v{{x, y, z}, {normal_[0], normal_[1], normal_[2]}, {color_[0], color_[1], color_[2], color_[3]},
             {tex_[0], tex_[1]}};
    list_primitive_.push_back(v);
}

void Context::vertex(float x, float y, float z) {
    if (compiling()) {
        if (in_begin_) list_vertex(x, y, z);
        if (!executing()) return;
    }
    if (normal_matrix_dirty_) {
        if (!normal_matrix(modelview_.top(), normal_matrix_)) std::fill(normal_matrix_, normal_matrix_ + 9, 0.f);
        normal_matrix_dirty_ = false;
    }
    Vertex v;
    const float p[3] = {x, y, z};
    transform_point(modelview_.top(), p, v.pos);
    transform_normal(normal_matrix_, normal_, v.normal);
    if (normalize_) {
        const float len = std::sqrt(v.normal[0] * v.normal[0] + v.normal[1] * v.normal[1] + v.normal[2] * v.normal[2]);
        if (len > 0)
            for (float& c : v.normal) c /= len;
    }
    copy4(v.color, color_);
    if (is_identity(texture_matrix_.top())) {
        v.tex[0] = tex_[0];
        v.tex[1] = tex_[1];
    } else {
        const float t[4] = {tex_[0], tex_[1], 0, 1};
        float r[4];
        transform_vec4(texture_matrix_.top(), t, r);
        v.tex[0] = r[0] / r[3];
        v.tex[1] = r[1] / r[3];
    }
    if (in_begin_)
        primitive_.push_back(v);
}

void Context::draw_mesh(const Mesh& mesh) {
    const float saved_normal[3] = {normal_[0], normal_[1], normal_[2]};
    const float saved_tex[2] = {tex_[0], tex_[1]};
    begin(mesh.kind == Mesh::Kind::lines ? GL_LINES : GL_TRIANGLES);
    for (std::size_t i = 0; i < mesh.vertices(); ++i) {
        normal(mesh.normal[3 * i], mesh.normal[3 * i + 1], mesh.normal[3 * i + 2]);
        if (!mesh.tex.empty()) tex_coord(mesh.tex[2 * i], mesh.tex[2 * i + 1]);
        vertex(mesh.pos[3 * i], mesh.pos[3 * i + 1], mesh.pos[3 * i + 2]);
    }
    end();
    // Vertex arrays leave the current normal and texture coordinate as they were.
    normal(saved_normal[0], saved_normal[1], saved_normal[2]);
    tex_coord(saved_tex[0], saved_tex[1]);
}

void Context::draw_shape(const Mesh& mesh) {
    if (compiling() || in_begin_) return draw_mesh(mesh);
    Shape& shape = shapes_[&mesh];
    if (shape.indices.empty()) {
        // Shapes repeat each vertex in several triangles: keep one of each and index them.
        std::map<std::array<float, 8>, unsigned> seen;
        for (std::size_t i = 0; i < mesh.vertices(); ++i) {
            Vertex x{};
            std::copy(&mesh.pos[3 * i], &mesh.pos[3 * i] + 3, x.pos);
            std::copy(&mesh.normal[3 * i], &mesh.normal[3 * i] + 3, x.normal);
            std::fill(x.color, x.color + 4, 1.f);
            x.tex[0] = mesh.tex.empty() ? 0 : mesh.tex[2 * i];
            x.tex[1] = mesh.tex.empty() ? 0 : mesh.tex[2 * i + 1];
            const std::array<float, 8> key = {x.pos[0], x.pos[1], x.pos[2], x.normal[0],
                                              x.normal[1], x.normal[2], x.tex[0], x.tex[1]};
            auto [it, fresh] = seen.emplace(key, unsigned(shape.unique.size()));
            if (fresh) shape.unique.push_back(x);
            shape.indices.push_back(int(it->second));
        }
    }
    const Prim prim = mesh.kind == Mesh::Kind::lines ? Prim::lines : Prim::triangles;
    if (shape.unique.size() <= kSmallShape) {
        // Small shapes join the batch, moved here: a draw of their own costs more than their vertices.
        const float saved_normal[3] = {normal_[0], normal_[1], normal_[2]};
        const float saved_tex[2] = {tex_[0], tex_[1]};
        primitive_.clear();
        in_begin_ = true;
        for (const Vertex& u : shape.unique) {
            normal(u.normal[0], u.normal[1], u.normal[2]);
            if (!mesh.tex.empty()) tex_coord(u.tex[0], u.tex[1]);
            vertex(u.pos[0], u.pos[1], u.pos[2]);
        }
        in_begin_ = false;
        emit(prim, primitive_.data(), primitive_.size(), shape.indices);
        normal(saved_normal[0], saved_normal[1], saved_normal[2]);
        tex_coord(saved_tex[0], saved_tex[1]);
        return;
    }
    if (!shape.buffer) {
        if (shape.unique.size() <= 0xFFFF) {
            const std::vector<unsigned short> indices(shape.indices.begin(), shape.indices.end());
            shape.buffer = backend_.create_indexed_buffer(shape.unique.data(), shape.unique.size(), indices.data(),
                                                          indices.size());
        } else {
            std::vector<Vertex> all;
            for (int i : shape.indices) all.push_back(shape.unique[i]);
            shape.buffer = backend_.create_buffer(all.data(), all.size());
        }
    }
    flush();
    backend_.draw_buffer(prim, shape.buffer, mesh.vertices(), placed_params(), color_, mesh.tex.empty() ? tex_ : nullptr);
    ++draws_;
}

DrawParams Context::placed_params() {
    if (normal_matrix_dirty_) {
        if (!normal_matrix(modelview_.top(), normal_matrix_)) std::fill(normal_matrix_, normal_matrix_ + 9, 0.f);
        normal_matrix_dirty_ = false;
    }
    DrawParams p = params();
    p.modelview = modelview_.top();
    std::copy(normal_matrix_, normal_matrix_ + 9, p.normal_matrix.begin());
    return p;
}

void Context::emit(Prim prim, const Vertex* v, std::size_t n, const std::vector<int>& order) {
    if (prim != batch_prim_) flush();
    batch_prim_ = prim;
    // Each vertex goes once; the primitives name it by index (a quad: 4 vertices, 6 indices).
    const unsigned base = unsigned(batch_.size());
    batch_.insert(batch_.end(), v, v + n);
    for (int i : order) batch_indices_.push_back(base + unsigned(i));
}

void Context::flush() {
    if (batch_.empty()) return;
    backend_.draw(batch_prim_, batch_.data(), batch_.size(), batch_indices_.data(), batch_indices_.size(), params());
    ++draws_;
    batch_.clear();
    batch_indices_.clear();
}

void Context::present() {
    flush();
    backend_.present();
}

void Context::finish() {
    flush();
    backend_.finish();
}

DrawParams Context::params() const {
    DrawParams p;
    p.projection = projection_.top();
    p.lighting = lighting_;
    for (int i = 0; i < kMaxLights; ++i)
        if (light_on_[i]) p.lights[p.light_count++] = lights_[i];
    copy4(p.model_ambient, model_ambient_);
    p.local_viewer = local_viewer_;
    p.two_side = two_side_;
    p.material[0] = material_[0];
    p.material[1] = material_[1];
    if (color_material_on_) {
        switch (color_material_mode_) {
            case GL_AMBIENT: p.color_material = ColorMaterialMode::ambient; break;
            case GL_DIFFUSE: p.color_material = ColorMaterialMode::diffuse; break;
            case GL_SPECULAR: p.color_material = ColorMaterialMode::specular; break;
            case GL_EMISSION: p.color_material = ColorMaterialMode::emission; break;
            default: p.color_material = ColorMaterialMode::ambient_and_diffuse; break;
        }
        p.color_material_faces = color_material_face_ == GL_FRONT ? 1 : color_material_face_ == GL_BACK ? 2 : 3;
    }
    p.normalize = normalize_;
    if (texture_2d_) {
        auto it = textures_.find(bound_texture_);
        // An incomplete texture switches texturing off, as in OpenGL.
        if (it != textures_.end() && it->second.complete()) p.texture = it->second.device;
    }
    p.tex_env = tex_env_;
    return p;
}

// ---- matrices

MatrixStack& Context::current() {
    if (matrix_mode_ == GL_PROJECTION) return projection_;
    if (matrix_mode_ == GL_TEXTURE) return texture_matrix_;
    return modelview_;
}

void Context::matrix_changing() {
    // Batched vertices are already in eye space; only the projection is read at draw time.
    if (matrix_mode_ == GL_PROJECTION) flush();
}

void Context::matrix_changed() {
    if (matrix_mode_ == GL_MODELVIEW) normal_matrix_dirty_ = true;
}

void Context::load_matrix(const Mat4& m) {
    matrix_changing();
    current().top() = m;
    matrix_changed();
}

void Context::matrix_mode(unsigned mode) {
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION && mode != GL_TEXTURE) return set_error(GL_INVALID_ENUM);
    matrix_mode_ = mode;
}

void Context::mult_matrix(const Mat4& m) {
    matrix_changing();
    current().top() = multiply(current().top(), m);
    matrix_changed();
}

void Context::push_matrix() {
    if (!current().push()) set_error(GL_STACK_OVERFLOW);
}

void Context::pop_matrix() {
    matrix_changing();
    if (!current().pop()) return set_error(GL_STACK_UNDERFLOW);
    matrix_changed();
}

std::size_t Context::stack_depth(unsigned mode) const {
    return mode == GL_PROJECTION ? projection_.size() : mode == GL_TEXTURE ? texture_matrix_.size() : modelview_.size();
}

// ---- switches

void Context::set_enabled(unsigned cap, bool on) {
    if (is_enabled(cap) == on) return;
    const int li = light_index(cap);
    if (li >= 0) {
        flush();
        light_on_[li] = on;
        return;
    }
    switch (cap) {
        case GL_LIGHTING: flush(); lighting_ = on; break;
        case GL_TEXTURE_2D: flush(); texture_2d_ = on; break;
        case GL_NORMALIZE:
        case GL_RESCALE_NORMAL: normalize_ = on; break;
        case GL_COLOR_MATERIAL:
            flush();
            if (!on) {
                // The material keeps the colour it last tracked.
                for (int f = 0; f < 2; ++f) {
                    if (color_material_face_ == (f == 0 ? GL_BACK : GL_FRONT)) continue;
                    MaterialParams& m = material_[f];
                    switch (color_material_mode_) {
                        case GL_AMBIENT: copy4(m.ambient, color_); break;
                        case GL_DIFFUSE: copy4(m.diffuse, color_); break;
                        case GL_SPECULAR: copy4(m.specular, color_); break;
                        case GL_EMISSION: copy4(m.emission, color_); break;
                        default: copy4(m.ambient, color_), copy4(m.diffuse, color_); break;
                    }
                }
            }
            color_material_on_ = on;
            break;
        case GL_DEPTH_TEST: flush(); depth_test_ = on; backend_.set_capability(cap, on); break;
        case GL_CULL_FACE: flush(); cull_ = on; backend_.set_capability(cap, on); break;
        case GL_BLEND: flush(); blend_ = on; backend_.set_capability(cap, on); break;
        case GL_AUTO_NORMAL: auto_normal_ = on; break;
        case GL_MAP2_VERTEX_3: map2_vertex3_ = on; break;
        case GL_MAP2_VERTEX_4: map2_vertex4_ = on; break;
        case GL_MAP2_NORMAL: map2_normal_ = on; break;
        case GL_MAP2_TEXTURE_COORD_2: map2_tex2_ = on; break;
        case GL_MAP2_COLOR_4: map2_color4_ = on; break;
        default: break;  // dithering, smoothing, fog: not drawn differently here
    }
}

bool Context::is_enabled(unsigned cap) const {
    const int li = light_index(cap);
    if (li >= 0) return light_on_[li];
    switch (cap) {
        case GL_LIGHTING: return lighting_;
        case GL_TEXTURE_2D: return texture_2d_;
        case GL_NORMALIZE:
        case GL_RESCALE_NORMAL: return normalize_;
        case GL_COLOR_MATERIAL: return color_material_on_;
        case GL_DEPTH_TEST: return depth_test_;
        case GL_CULL_FACE: return cull_;
        case GL_BLEND: return blend_;
        case GL_AUTO_NORMAL: return auto_normal_;
        case GL_MAP2_VERTEX_3: return map2_vertex3_;
        case GL_MAP2_VERTEX_4: return map2_vertex4_;
        case GL_MAP2_NORMAL: return map2_normal_;
        case GL_MAP2_TEXTURE_COORD_2: return map2_tex2_;
        case GL_MAP2_COLOR_4: return map2_color4_;
        default: return false;
    }
}

void Context::clear(unsigned mask) {
    flush();
    backend_.clear(mask, clear_color_, clear_depth_);
}

void Context::viewport(int x, int y, int w, int h) {
    if (w < 0 || h < 0) return set_error(GL_INVALID_VALUE);
    flush();
    viewport_[0] = x, viewport_[1] = y, viewport_[2] = w, viewport_[3] = h;
    backend_.viewport(x, y, w, h);
}

void Context::depth_func(unsigned f) { flush(); backend_.depth_func(f); }
void Context::depth_mask(bool on) { flush(); backend_.depth_mask(on); }
void Context::cull_face(unsigned f) { flush(); backend_.cull_face(f); }
void Context::front_face(unsigned f) { flush(); backend_.front_face(f); }
void Context::blend_func(unsigned s, unsigned d) { flush(); backend_.blend_func(s, d); }
void Context::line_width(float w) { flush(); backend_.line_width(w); }

void Context::polygon_mode(unsigned, unsigned mode) {
    // Only filled polygons are drawn; outlines would need their own line batches.
    if (mode != GL_FILL) set_error(GL_INVALID_ENUM);
}

// ---- lighting

void Context::light(unsigned which, unsigned pname, const float* v) {
    const int i = light_index(which);
    if (i < 0) return set_error(GL_INVALID_ENUM);
    flush();
    LightParams& l = lights_[i];
    switch (pname) {
        case GL_AMBIENT: copy4(l.ambient, v); break;
        case GL_DIFFUSE: copy4(l.diffuse, v); break;
        case GL_SPECULAR: copy4(l.specular, v); break;
        // Position and direction are fixed in eye space by the model-view matrix of the moment.
        case GL_POSITION: transform_vec4(modelview_.top(), v, l.position); break;
        case GL_SPOT_DIRECTION: {
            const Mat4& m = modelview_.top();
            for (int r = 0; r < 3; ++r) l.spot_direction[r] = m[r] * v[0] + m[4 + r] * v[1] + m[8 + r] * v[2];
            break;
        }
        case GL_SPOT_EXPONENT: l.spot_exponent = v[0]; break;
        case GL_SPOT_CUTOFF:
            l.spot_cos_cutoff = v[0] >= 180 ? -1.f : float(std::cos(v[0] * 3.14159265358979323846 / 180));
            break;
        case GL_CONSTANT_ATTENUATION: l.attenuation[0] = v[0]; break;
        case GL_LINEAR_ATTENUATION: l.attenuation[1] = v[0]; break;
        case GL_QUADRATIC_ATTENUATION: l.attenuation[2] = v[0]; break;
        default: set_error(GL_INVALID_ENUM);
    }
}

void Context::light_model(unsigned pname, const float* v) {
    flush();
    switch (pname) {
        case GL_LIGHT_MODEL_AMBIENT: copy4(model_ambient_, v); break;
        case GL_LIGHT_MODEL_LOCAL_VIEWER: local_viewer_ = v[0] != 0; break;
        case GL_LIGHT_MODEL_TWO_SIDE: two_side_ = v[0] != 0; break;
        default: set_error(GL_INVALID_ENUM);
    }
}

void Context::material(unsigned face, unsigned pname, const float* v) {
    if (face != GL_FRONT && face != GL_BACK && face != GL_FRONT_AND_BACK) return set_error(GL_INVALID_ENUM);
    for (int f = 0; f < 2; ++f) {
        if (face == (f == 0 ? GL_BACK : GL_FRONT)) continue;
        MaterialParams m = material_[f];
        switch (pname) {
            case GL_AMBIENT: copy4(m.ambient, v); break;
            case GL_DIFFUSE: copy4(m.diffuse, v); break;
            case GL_SPECULAR: copy4(m.specular, v); break;
            case GL_EMISSION: copy4(m.emission, v); break;
            case GL_AMBIENT_AND_DIFFUSE: copy4(m.ambient, v), copy4(m.diffuse, v); break;
            case GL_SHININESS:
                if (v[0] < 0 || v[0] > 128) return set_error(GL_INVALID_VALUE);
                m.shininess = v[0];
                break;
            default: return set_error(GL_INVALID_ENUM);
        }
        // Programs set the same material again and again: only a real change ends the batch.
        if (std::memcmp(&m, &material_[f], sizeof m) != 0) {
            flush();
            material_[f] = m;
        }
    }
}

void Context::color_material(unsigned face, unsigned mode) {
    flush();
    color_material_face_ = face;
    color_material_mode_ = mode;
}

// ---- textures

Context::Texture* Context::bound() {
    auto it = textures_.find(bound_texture_);
    return it == textures_.end() ? nullptr : &it->second;
}

void Context::gen_textures(int n, unsigned* names) {
    for (int i = 0; i < n; ++i) {
        while (textures_.count(next_texture_)) ++next_texture_;
        names[i] = next_texture_;
        textures_[next_texture_] = Texture{};
        ++next_texture_;
    }
}

void Context::delete_textures(int n, const unsigned* names) {
    for (int i = 0; i < n; ++i) {
        auto it = textures_.find(names[i]);
        if (names[i] == 0 || it == textures_.end()) continue;
        flush();
        if (it->second.device) backend_.delete_texture(it->second.device);
        textures_.erase(it);
        if (bound_texture_ == names[i]) bound_texture_ = 0;
    }
}

void Context::bind_texture(unsigned name) {
    if (name == bound_texture_) return;
    flush();
    textures_.try_emplace(name);  // binding a fresh name creates it, as in OpenGL
    bound_texture_ = name;
}

void Context::tex_image(int level, int width, int height, unsigned format, const unsigned char* pixels) {
    const int channels = format == GL_RGBA ? 4 : format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2 : 1;
    if (level < 0 || width < 0 || height < 0 || width > max_texture_size() || height > max_texture_size())
        return set_error(GL_INVALID_VALUE);
    flush();
    Texture& t = *bound();
    if (!t.device) {
        t.device = backend_.create_texture();
        backend_.texture_params(t.device, t.min_filter, t.mag_filter, t.wrap_s, t.wrap_t);
    }
    const int row = (width * channels + unpack_alignment_ - 1) / unpack_alignment_ * unpack_alignment_;
    std::vector<unsigned char> rgba(std::size_t(width) * height * 4, 255);
    if (pixels)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const unsigned char* s = pixels + std::size_t(y) * row + std::size_t(x) * channels;
                unsigned char* d = &rgba[(std::size_t(y) * width + x) * 4];
                if (channels >= 3) {
                    d[0] = s[0], d[1] = s[1], d[2] = s[2];
                    if (channels == 4) d[3] = s[3];
                } else if (format == GL_ALPHA) {
                    d[0] = d[1] = d[2] = 0, d[3] = s[0];
                } else {
                    d[0] = d[1] = d[2] = s[0];
                    if (channels == 2) d[3] = s[1];
                }
            }
    backend_.upload_texture(t.device, level, width, height, rgba.data());
    if (level == 0) {
        t.width = width, t.height = height, t.levels = 1;
    } else if (level == t.levels) {
        ++t.levels;
    }
}

void Context::tex_parameter(unsigned pname, int value) {
    Texture* t = bound();
    flush();
    switch (pname) {
        case GL_TEXTURE_MIN_FILTER: t->min_filter = unsigned(value); break;
        case GL_TEXTURE_MAG_FILTER: t->mag_filter = unsigned(value); break;
        case GL_TEXTURE_WRAP_S: t->wrap_s = unsigned(value); break;
        case GL_TEXTURE_WRAP_T: t->wrap_t = unsigned(value); break;
        default: return set_error(GL_INVALID_ENUM);
    }
    if (t->device) backend_.texture_params(t->device, t->min_filter, t->mag_filter, t->wrap_s, t->wrap_t);
}

void Context::tex_env(unsigned pname, int value) {
    if (pname != GL_TEXTURE_ENV_MODE) return;
    flush();
    tex_env_ = value == GL_REPLACE ? TexEnv::replace : value == GL_DECAL ? TexEnv::decal : TexEnv::modulate;
}

void Context::pixel_store(unsigned pname, int value) {
    if (pname == GL_UNPACK_ALIGNMENT && (value == 1 || value == 2 || value == 4 || value == 8))
        unpack_alignment_ = value;
}

// ---- evaluators

void Context::map2(unsigned target, float u1, float u2, int ustride, int uorder, float v1, float v2, int vstride,
                   int vorder, const float* points) {
    switch (target) {
        case GL_MAP2_VERTEX_3: map_vertex3_.define(3, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points); break;
        case GL_MAP2_VERTEX_4: map_vertex4_.define(4, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points); break;
        case GL_MAP2_NORMAL: map_normal_.define(3, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points); break;
        case GL_MAP2_TEXTURE_COORD_2: map_tex2_.define(2, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points); break;
        case GL_MAP2_COLOR_4: map_color4_.define(4, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points); break;
        default: set_error(GL_INVALID_ENUM);
    }
}

void Context::map_grid2(int un, float u1, float u2, int vn, float v1, float v2) {
    if (un < 1 || vn < 1) return set_error(GL_INVALID_VALUE);
    grid_un_ = un, grid_vn_ = vn;
    grid_u1_ = u1, grid_u2_ = u2, grid_v1_ = v1, grid_v2_ = v2;
}

void Context::eval_point(float u, float v) {
    const bool four = map2_vertex4_ && map_vertex4_.dims;
    const Map2* pm = four ? &map_vertex4_ : (map2_vertex3_ && map_vertex3_.dims) ? &map_vertex3_ : nullptr;
    if (!pm) return;
    const float saved_normal[3] = {normal_[0], normal_[1], normal_[2]};
    const float saved_color[4] = {color_[0], color_[1], color_[2], color_[3]};
    const float saved_tex[2] = {tex_[0], tex_[1]};
    float p[4] = {0, 0, 0, 1}, du[4], dv[4];
    pm->evaluate(u, v, p, du, dv);
    if (map2_color4_ && map_color4_.dims) map_color4_.evaluate(u, v, color_);
    if (map2_tex2_ && map_tex2_.dims) map_tex2_.evaluate(u, v, tex_);
    if (auto_normal_) {
        float n[3];
        if (four) {
            // Derivatives of the projected point (x/w): (dp*w - p*dw) / w^2, whose direction suffices.
            for (int k = 0; k < 3; ++k) {
                du[k] = du[k] * p[3] - p[k] * du[3];
                dv[k] = dv[k] * p[3] - p[k] * dv[3];
            }
        }
        if (auto_normal(du, dv, n)) normal(n[0], n[1], n[2]);
    } else if (map2_normal_ && map_normal_.dims) {
        map_normal_.evaluate(u, v, normal_);
    }
    if (four && p[3] != 0)
        vertex(p[0] / p[3], p[1] / p[3], p[2] / p[3]);
    else
        vertex(p[0], p[1], p[2]);
    // Evaluated values do not become the current ones.
    std::memcpy(normal_, saved_normal, sizeof normal_);
    std::memcpy(color_, saved_color, sizeof color_);
    std::memcpy(tex_, saved_tex, sizeof tex_);
}

void Context::eval_coord2(float u, float v) { eval_point(u, v); }

void Context::eval_mesh2(unsigned mode, int i1, int i2, int j1, int j2) {
    const float du = (grid_u2_ - grid_u1_) / grid_un_, dv = (grid_v2_ - grid_v1_) / grid_vn_;
    const float u_start = grid_u1_ + i1 * du, v_start = grid_v1_ + j1 * dv;
    // Steps are added, not multiplied, so grid points land where the desktop's do.
    if (mode == GL_FILL) {
        float v = v_start;
        for (int j = j1; j < j2; ++j, v += dv) {
            begin(GL_TRIANGLE_STRIP);
            float u = u_start;
            for (int i = i1; i <= i2; ++i, u += du) {
                eval_point(u, v);
                eval_point(u, v + dv);
            }
            end();
        }
    } else if (mode == GL_LINE) {
        float v = v_start;
        for (int j = j1; j <= j2; ++j, v += dv) {
            begin(GL_LINE_STRIP);
            float u = u_start;
            for (int i = i1; i <= i2; ++i, u += du) eval_point(u, v);
            end();
        }
        float u = u_start;
        for (int i = i1; i <= i2; ++i, u += du) {
            begin(GL_LINE_STRIP);
            float w = v_start;
            for (int j = j1; j <= j2; ++j, w += dv) eval_point(u, w);
            end();
        }
    } else if (mode == GL_POINT) {
        begin(GL_POINTS);
        float v = v_start;
        for (int j = j1; j <= j2; ++j, v += dv) {
            float u = u_start;
            for (int i = i1; i <= i2; ++i, u += du) eval_point(u, v);
        }
        end();
    } else {
        set_error(GL_INVALID_ENUM);
    }
}

// ---- display lists

namespace {
constexpr int kMaxListNesting = 64;
}

unsigned Context::gen_lists(int range) {
    if (range <= 0) return 0;
    const unsigned first = next_list_;
    for (int i = 0; i < range; ++i) lists_[first + unsigned(i)];
    next_list_ += unsigned(range);
    return first;
}

void Context::new_list(unsigned name, unsigned mode) {
    if (name == 0 || (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE)) return set_error(GL_INVALID_VALUE);
    if (compiling() || in_begin_) return set_error(GL_INVALID_OPERATION);
    compiling_ = name;
    compile_and_execute_ = mode == GL_COMPILE_AND_EXECUTE;
    compiled_.clear();
    chunk_open_ = false;
    // Compiling alone must leave the current attributes as they were.
    std::copy(normal_, normal_ + 3, saved_attributes_);
    std::copy(color_, color_ + 4, saved_attributes_ + 3);
    std::copy(tex_, tex_ + 2, saved_attributes_ + 7);
}

void Context::close_chunk() { chunk_open_ = false; }

void Context::record(std::function<void(Context&)> op) {
    close_chunk();
    ListOp entry;
    entry.state = std::move(op);
    compiled_.push_back(std::move(entry));
}

void Context::end_list() {
    if (!compiling()) return set_error(GL_INVALID_OPERATION);
    close_chunk();
    for (ListOp& op : compiled_)
        if (!op.state && !op.pending.empty()) {
            op.count = op.pending.size();
            op.buffer = backend_.create_buffer(op.pending.data(), op.count);
            op.pending = {};
        }
    delete_lists(compiling_, 1);  // a list compiled again replaces the old one
    lists_[compiling_] = std::move(compiled_);
    compiled_ = {};
    if (compiling_ >= next_list_) next_list_ = compiling_ + 1;
    compiling_ = 0;
    if (!compile_and_execute_) {
        std::copy(saved_attributes_, saved_attributes_ + 3, normal_);
        std::copy(saved_attributes_ + 3, saved_attributes_ + 7, color_);
        std::copy(saved_attributes_ + 7, saved_attributes_ + 9, tex_);
    }
}

void Context::call_list(unsigned name) {
    if (compiling()) {
        record([name](Context& c) { c.call_list(name); });
        if (!executing()) return;
    }
    run_list(name);
}

void Context::run_list(unsigned name) {
    auto it = lists_.find(name);
    if (it == lists_.end() || list_depth_ >= kMaxListNesting) return;
    ++list_depth_;
    for (const ListOp& op : it->second) {
        if (op.state) {
            op.state(*this);
            continue;
        }
        if (!op.buffer) continue;
        flush();
        backend_.draw_buffer(op.prim, op.buffer, op.count, placed_params());
        ++draws_;
    }
    --list_depth_;
}

void Context::delete_lists(unsigned first, int range) {
    for (int i = 0; i < range; ++i) {
        auto it = lists_.find(first + unsigned(i));
        if (it == lists_.end()) continue;
        for (const ListOp& op : it->second)
            if (op.buffer) backend_.delete_buffer(op.buffer);
        lists_.erase(it);
    }
}

// ---- queries

void Context::get_integer(unsigned pname, int* out) {
    switch (pname) {
        case GL_MAX_TEXTURE_SIZE: *out = max_texture_size(); break;
        case GL_VIEWPORT: std::copy(viewport_, viewport_ + 4, out); break;
        case GL_UNPACK_ALIGNMENT: *out = unpack_alignment_; break;
        default: set_error(GL_INVALID_ENUM);
    }
}

void Context::get_float(unsigned pname, float* out) {
    switch (pname) {
        case GL_MODELVIEW_MATRIX: std::copy(modelview_.top().begin(), modelview_.top().end(), out); break;
        case GL_PROJECTION_MATRIX: std::copy(projection_.top().begin(), projection_.top().end(), out); break;
        default: set_error(GL_INVALID_ENUM);
    }
}

unsigned Context::take_error() {
    const unsigned e = error_;
    error_ = 0;
    return e;
}

}  // namespace ff
