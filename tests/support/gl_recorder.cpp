#include "gl_recorder.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <memory>
#include <tuple>

// GLU's quadric object; the recorder's own, since GLU is not linked.
struct GLUquadric {
    GLboolean texture = GL_FALSE;
    GLenum normals = GLU_SMOOTH;
    GLenum draw_style = GLU_FILL;
    GLenum orientation = GLU_OUTSIDE;
};

namespace glrec {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

// ---------------------------------------------------------------- matrices

namespace {
// The identity with three entries replaced by x, y and z.
Mat4 identity_with(std::array<int, 3> at, double x, double y, double z) {
    Mat4 r;
    r.m[at[0]] = x;
    r.m[at[1]] = y;
    r.m[at[2]] = z;
    return r;
}
}  // namespace

Mat4 Mat4::translation(double x, double y, double z) { return identity_with({12, 13, 14}, x, y, z); }

Mat4 Mat4::rotation(double degrees, double x, double y, double z) {
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length == 0) return Mat4{};
    x /= length;
    y /= length;
    z /= length;
    const double a = degrees * kPi / 180;
    const double c = std::cos(a), s = std::sin(a), t = 1 - c;
    Mat4 r;
    r.m = {t * x * x + c,     t * x * y + s * z, t * x * z - s * y, 0,
           t * x * y - s * z, t * y * y + c,     t * y * z + s * x, 0,
           t * x * z + s * y, t * y * z - s * x, t * z * z + c,     0,
           0,                 0,                 0,                 1};
    return r;
}

Mat4 Mat4::scaling(double x, double y, double z) { return identity_with({0, 5, 10}, x, y, z); }

Mat4 Mat4::operator*(const Mat4& other) const {
    Mat4 r;
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += m[k * 4 + row] * other.m[col * 4 + k];
            r.m[col * 4 + row] = sum;
        }
    return r;
}

std::array<double, 4> Mat4::apply4(const std::array<double, 4>& p) const {
    std::array<double, 4> r{};
    for (int row = 0; row < 4; ++row)
        r[row] = m[row] * p[0] + m[4 + row] * p[1] + m[8 + row] * p[2] + m[12 + row] * p[3];
    return r;
}

Vec3 Mat4::apply(Vec3 p) const {
    const auto r = apply4({p.x, p.y, p.z, 1});
    return {float(r[0]), float(r[1]), float(r[2])};
}

Vec3 Mat4::apply_vector(Vec3 v) const {
    const auto r = apply4({v.x, v.y, v.z, 0});
    return {float(r[0]), float(r[1]), float(r[2])};
}

Mat4 Mat4::frustum(double l, double r, double b, double t, double n, double f) {
    Mat4 p;
    p.m = {2 * n / (r - l), 0, 0, 0,
           0, 2 * n / (t - b), 0, 0,
           (r + l) / (r - l), (t + b) / (t - b), -(f + n) / (f - n), -1,
           0, 0, -2 * f * n / (f - n), 0};
    return p;
}

Mat4 Mat4::ortho(double l, double r, double b, double t, double n, double f) {
    Mat4 p;
    p.m = {2 / (r - l), 0, 0, 0,
           0, 2 / (t - b), 0, 0,
           0, 0, -2 / (f - n), 0,
           -(r + l) / (r - l), -(t + b) / (t - b), -(f + n) / (f - n), 1};
    return p;
}

Mat4 Mat4::perspective(double fovy, double aspect, double n, double f) {
    const double cot = 1 / std::tan(fovy * kPi / 360);
    Mat4 p;
    p.m = {cot / aspect, 0, 0, 0,
           0, cot, 0, 0,
           0, 0, (f + n) / (n - f), -1,
           0, 0, 2 * f * n / (n - f), 0};
    return p;
}

namespace {

std::array<double, 3> normalized(std::array<double, 3> v) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length == 0) return v;
    return {v[0] / length, v[1] / length, v[2] / length};
}

std::array<double, 3> cross(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

}  // namespace

Mat4 Mat4::look_at(Vec3 eye, Vec3 center, Vec3 up) {
    const auto f = normalized({double{center.x} - eye.x, double{center.y} - eye.y, double{center.z} - eye.z});
    const auto s = normalized(cross(f, {up.x, up.y, up.z}));
    const auto u = cross(s, f);
    Mat4 r;
    r.m = {s[0], u[0], -f[0], 0,
           s[1], u[1], -f[1], 0,
           s[2], u[2], -f[2], 0,
           0, 0, 0, 1};
    return r * translation(-eye.x, -eye.y, -eye.z);
}

// ---------------------------------------------------------------- queries

namespace {
// Each axis on its own: pick(a, b) keeps one of two values.
template <class Pick>
Vec3 corner_bound(const std::array<Vertex, 4>& corners, Pick pick) {
    Vec3 r = corners[0].scene;
    for (const auto& c : corners) r = {pick(r.x, c.scene.x), pick(r.y, c.scene.y), pick(r.z, c.scene.z)};
    return r;
}
}  // namespace

Vec3 Quad::min() const {
    return corner_bound(corners, [](float a, float b) { return std::min(a, b); });
}
Vec3 Quad::max() const {
    return corner_bound(corners, [](float a, float b) { return std::max(a, b); });
}

bool near(Vec3 a, Vec3 b, float tolerance) {
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance &&
           std::fabs(a.z - b.z) <= tolerance;
}

std::vector<Call> Recorder::calls_named(const std::string& name) const {
    std::vector<Call> r;
    for (const auto& c : calls_)
        if (c.name == name) r.push_back(c);
    return r;
}

std::size_t Recorder::count(const std::string& name) const {
    return std::count_if(calls_.begin(), calls_.end(), [&](const Call& c) { return c.name == name; });
}

std::vector<Quad> Recorder::quads() const {
    std::vector<Quad> r;
    for (std::size_t p = 0; p < primitives_.size(); ++p) {
        const auto& prim = primitives_[p];
        if (prim.mode != GL_QUADS) continue;
        for (std::size_t i = 0; i + 4 <= prim.vertices.size(); i += 4) {
            Quad q;
            for (int k = 0; k < 4; ++k) q.corners[k] = prim.vertices[i + k];
            q.primitive = p;
            r.push_back(q);
        }
    }
    return r;
}

std::vector<Quad> Recorder::quads_with_texture(GLuint name) const {
    std::vector<Quad> r;
    for (const auto& q : quads())
        if (q.texture() == name) r.push_back(q);
    return r;
}

bool Recorder::enabled(GLenum cap) const {
    const auto it = enabled_.find(cap);
    return it != enabled_.end() && it->second;
}

// ---------------------------------------------------------------- recording

// What glPushAttrib saves: the whole of the state it can restore, whatever the mask.
struct Recorder::Attributes {
    std::map<GLenum, bool> enabled;
    Vec4 color;
    Vec3 normal;
    Material front, back;
    std::array<Light, 8> lights;
    GLuint bound_texture;
    GLint texture_env_mode;
    Vec4 light_model_ambient;
    GLenum color_material_face, color_material_mode;
};

Recorder::Recorder() { reset(); }

void Recorder::record(const std::string& name, std::vector<double> args, std::string text) {
    calls_.push_back({name, std::move(args), std::move(text)});
}

void Recorder::raise(GLenum error) {
    errors_.push_back(error);
    error_sources_.push_back(calls_.empty() ? std::string() : calls_.back().name);
    pending_errors_.push_back(error);
}

GLenum Recorder::take_error() {
    if (pending_errors_.empty()) return GL_NO_ERROR;
    const GLenum e = pending_errors_.front();
    pending_errors_.erase(pending_errors_.begin());
    return e;
}

void Recorder::clear_recording() {
    calls_.clear();
    primitives_.clear();
    solids_.clear();
    errors_.clear();
    error_sources_.clear();
    current_.first_call = 0;
}

void Recorder::reset() {
    clear_recording();
    pending_errors_.clear();
    in_begin_ = false;
    current_ = Primitive{};
    s_ = t_ = 0;
    normal_ = {0, 0, 1};
    color_ = {1, 1, 1, 1};
    bound_texture_ = 0;
    next_texture_ = 1;
    enabled_.clear();
    enabled_[GL_DITHER] = true;
    front_ = back_ = Material{};
    lights_ = {};
    lights_[0].diffuse = {1, 1, 1, 1};
    lights_[0].specular = {1, 1, 1, 1};
    textures_.clear();
    matrix_mode_ = GL_MODELVIEW;
    modelview_ = {Mat4{}};
    scene_ = {Mat4{}};
    projection_ = {Mat4{}};
    texture_matrix_ = {Mat4{}};
    viewport_ = {0, 0, 0, 0};
    callbacks_ = Callbacks{};
    texture_env_mode_ = GL_MODULATE;
    light_model_ambient_ = {0.2f, 0.2f, 0.2f, 1};
    color_material_face_ = GL_FRONT_AND_BACK;
    color_material_mode_ = GL_AMBIENT_AND_DIFFUSE;
    menus_.clear();
    current_menu_ = 0;
    window_ = Window{};
    windows_ = 0;
    glut_values_ = {{GLUT_WINDOW_WIDTH, 300}, {GLUT_WINDOW_HEIGHT, 300},
                    {GLUT_SCREEN_WIDTH, 1920}, {GLUT_SCREEN_HEIGHT, 1080}};
    modifiers_ = 0;
    unpack_alignment_ = 4;
    maps2_.clear();
    grid_un_ = grid_vn_ = 1;
    grid_u1_ = grid_v1_ = 0;
    grid_u2_ = grid_v2_ = 1;
    attribute_stack_.clear();
}

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

// The stand-in functions' access to the recorder's state.
struct Access {
    static constexpr std::size_t kMaxStackDepth = 32;
    static constexpr int kMaxEvalOrder = 30;

    static Recorder& r() { return recorder(); }

    // Most calls are not allowed between glBegin and glEnd: OpenGL ignores them.
    static bool outside_begin() {
        if (!r().in_begin_) return true;
        r().raise(GL_INVALID_OPERATION);
        return false;
    }

    static std::vector<Mat4>* stack(GLenum mode) {
        switch (mode) {
            case GL_MODELVIEW: return &r().modelview_;
            case GL_PROJECTION: return &r().projection_;
            case GL_TEXTURE: return &r().texture_matrix_;
            default: return nullptr;
        }
    }

    // Multiplies the current matrix; in model-view mode the scene matrix too,
    // unless the factor is the camera.
    static void multiply(const Mat4& m, bool camera = false) {
        if (!outside_begin()) return;
        auto& rec = r();
        stack(rec.matrix_mode_)->back() = stack(rec.matrix_mode_)->back() * m;
        if (rec.matrix_mode_ == GL_MODELVIEW && !camera) rec.scene_.back() = rec.scene_.back() * m;
    }

    static void load(const Mat4& m) {
        if (!outside_begin()) return;
        auto& rec = r();
        stack(rec.matrix_mode_)->back() = m;
        if (rec.matrix_mode_ == GL_MODELVIEW) rec.scene_.back() = m;
    }

    static void push_matrix() {
        if (!outside_begin()) return;
        auto& rec = r();
        auto* s = stack(rec.matrix_mode_);
        if (s->size() >= kMaxStackDepth) return rec.raise(GL_STACK_OVERFLOW);
        s->push_back(s->back());
        if (rec.matrix_mode_ == GL_MODELVIEW) rec.scene_.push_back(rec.scene_.back());
    }

    static void pop_matrix() {
        if (!outside_begin()) return;
        auto& rec = r();
        auto* s = stack(rec.matrix_mode_);
        if (s->size() <= 1) return rec.raise(GL_STACK_UNDERFLOW);
        s->pop_back();
        if (rec.matrix_mode_ == GL_MODELVIEW) rec.scene_.pop_back();
    }

    static void matrix_mode(GLenum mode) {
        if (!outside_begin()) return;
        if (!stack(mode)) return r().raise(GL_INVALID_ENUM);
        r().matrix_mode_ = mode;
    }

    static void viewport(GLint x, GLint y, GLsizei w, GLsizei h) {
        if (!outside_begin()) return;
        if (w < 0 || h < 0) return r().raise(GL_INVALID_VALUE);
        r().viewport_ = {x, y, w, h};
    }

    // ---- primitives

    static void begin(GLenum mode) {
        auto& rec = r();
        if (rec.in_begin_) return rec.raise(GL_INVALID_OPERATION);
        if (mode > GL_POLYGON) return rec.raise(GL_INVALID_ENUM);
        rec.in_begin_ = true;
        rec.current_ = Primitive{};
        rec.current_.mode = mode;
        rec.current_.first_call = rec.calls_.size() - 1;
    }

    static void end() {
        auto& rec = r();
        if (!rec.in_begin_) return rec.raise(GL_INVALID_OPERATION);
        rec.in_begin_ = false;
        rec.primitives_.push_back(std::move(rec.current_));
        rec.current_ = Primitive{};
    }

    static Vertex make_vertex(Vec3 p) {
        const auto& rec = r();
        Vertex v;
        v.scene = rec.scene_.back().apply(p);
        v.eye = rec.modelview_.back().apply(p);
        v.s = rec.s_;
        v.t = rec.t_;
        v.normal = rec.normal_;
        v.color = rec.color_;
        v.texture = rec.bound_texture_;
        v.texturing = rec.enabled(GL_TEXTURE_2D);
        v.lighting = rec.enabled(GL_LIGHTING);
        v.front = rec.front_;
        v.back = rec.back_;
        return v;
    }

    // Outside glBegin/glEnd a vertex draws nothing.
    static void vertex(float x, float y, float z) {
        if (r().in_begin_) r().current_.vertices.push_back(make_vertex({x, y, z}));
    }

    static void tex_coord(float s, float t) {
        r().s_ = s;
        r().t_ = t;
    }

    static void normal(float x, float y, float z) { r().normal_ = {x, y, z}; }

    static void color(float red, float green, float blue, float alpha) {
        auto& rec = r();
        rec.color_ = {red, green, blue, alpha};
        if (rec.enabled(GL_COLOR_MATERIAL)) track_color();
    }

    // GL_COLOR_MATERIAL: the current colour feeds the chosen material property.
    static void track_color() {
        auto& rec = r();
        const Vec4 c = rec.color_;
        for (Material* m : faces(rec.color_material_face_)) {
            switch (rec.color_material_mode_) {
                case GL_AMBIENT: m->ambient = c; break;
                case GL_DIFFUSE: m->diffuse = c; break;
                case GL_AMBIENT_AND_DIFFUSE: m->ambient = m->diffuse = c; break;
                case GL_SPECULAR: m->specular = c; break;
                case GL_EMISSION: m->emission = c; break;
                default: break;
            }
        }
    }

    static std::vector<Material*> faces(GLenum face) {
        auto& rec = r();
        switch (face) {
            case GL_FRONT: return {&rec.front_};
            case GL_BACK: return {&rec.back_};
            case GL_FRONT_AND_BACK: return {&rec.front_, &rec.back_};
            default: return {};
        }
    }

    // ---- state

    static void set_enabled(GLenum cap, bool on) {
        if (!outside_begin()) return;
        auto& rec = r();
        rec.enabled_[cap] = on;
        if (cap == GL_COLOR_MATERIAL && on) track_color();
    }

    static void material(GLenum face, GLenum pname, const float* v) {
        auto& rec = r();
        const auto targets = faces(face);
        if (targets.empty()) return rec.raise(GL_INVALID_ENUM);
        if (pname == GL_SHININESS && (v[0] < 0 || v[0] > 128)) return rec.raise(GL_INVALID_VALUE);
        const Vec4 c{v[0], v[1], v[2], v[3]};
        for (Material* m : targets) {
            switch (pname) {
                case GL_AMBIENT: m->ambient = c; break;
                case GL_DIFFUSE: m->diffuse = c; break;
                case GL_AMBIENT_AND_DIFFUSE: m->ambient = m->diffuse = c; break;
                case GL_SPECULAR: m->specular = c; break;
                case GL_EMISSION: m->emission = c; break;
                case GL_SHININESS: m->shininess = v[0]; break;
                case GL_COLOR_INDEXES: break;
                default: return rec.raise(GL_INVALID_ENUM);
            }
        }
    }

    static Light* light_at(GLenum light) {
        if (light < GL_LIGHT0 || light > GL_LIGHT7) {
            r().raise(GL_INVALID_ENUM);
            return nullptr;
        }
        return &r().lights_[light - GL_LIGHT0];
    }

    static void light(GLenum which, GLenum pname, const float* v) {
        if (!outside_begin()) return;
        auto& rec = r();
        Light* l = light_at(which);
        if (!l) return;
        const Vec4 c{v[0], v[1], v[2], v[3]};
        switch (pname) {
            case GL_AMBIENT: l->ambient = c; break;
            case GL_DIFFUSE: l->diffuse = c; break;
            case GL_SPECULAR: l->specular = c; break;
            case GL_POSITION:
                l->position = rec.modelview_.back().apply4({v[0], v[1], v[2], v[3]});
                l->scene_position = rec.scene_.back().apply4({v[0], v[1], v[2], v[3]});
                break;
            case GL_SPOT_DIRECTION: l->spot_direction = rec.modelview_.back().apply_vector({v[0], v[1], v[2]}); break;
            case GL_SPOT_EXPONENT:
                if (v[0] < 0 || v[0] > 128) return rec.raise(GL_INVALID_VALUE);
                l->spot_exponent = v[0];
                break;
            case GL_SPOT_CUTOFF:
                if ((v[0] < 0 || v[0] > 90) && v[0] != 180) return rec.raise(GL_INVALID_VALUE);
                l->spot_cutoff = v[0];
                break;
            case GL_CONSTANT_ATTENUATION:
            case GL_LINEAR_ATTENUATION:
            case GL_QUADRATIC_ATTENUATION: {
                if (v[0] < 0) return rec.raise(GL_INVALID_VALUE);
                float& a = pname == GL_CONSTANT_ATTENUATION ? l->constant_attenuation
                           : pname == GL_LINEAR_ATTENUATION ? l->linear_attenuation
                                                            : l->quadratic_attenuation;
                a = v[0];
                break;
            }
            default: return rec.raise(GL_INVALID_ENUM);
        }
    }

    static bool single_valued_light(GLenum pname) {
        return pname == GL_SPOT_EXPONENT || pname == GL_SPOT_CUTOFF || pname == GL_CONSTANT_ATTENUATION ||
               pname == GL_LINEAR_ATTENUATION || pname == GL_QUADRATIC_ATTENUATION;
    }

    static void light_model(GLenum pname, const float* v) {
        if (!outside_begin()) return;
        switch (pname) {
            case GL_LIGHT_MODEL_AMBIENT: r().light_model_ambient_ = {v[0], v[1], v[2], v[3]}; break;
            case GL_LIGHT_MODEL_TWO_SIDE:
            case GL_LIGHT_MODEL_LOCAL_VIEWER:
            case GL_LIGHT_MODEL_COLOR_CONTROL: break;
            default: r().raise(GL_INVALID_ENUM);
        }
    }

    static void color_material(GLenum face, GLenum mode) {
        if (!outside_begin()) return;
        auto& rec = r();
        if (faces(face).empty()) return rec.raise(GL_INVALID_ENUM);
        switch (mode) {
            case GL_AMBIENT: case GL_DIFFUSE: case GL_AMBIENT_AND_DIFFUSE: case GL_SPECULAR: case GL_EMISSION: break;
            default: return rec.raise(GL_INVALID_ENUM);
        }
        rec.color_material_face_ = face;
        rec.color_material_mode_ = mode;
        if (rec.enabled(GL_COLOR_MATERIAL)) track_color();
    }

    // ---- textures

    static void gen_textures(GLsizei n, GLuint* names) {
        if (!outside_begin()) return;
        auto& rec = r();
        if (n < 0) return rec.raise(GL_INVALID_VALUE);
        for (GLsizei i = 0; i < n; ++i) {
            names[i] = rec.next_texture_++;
            rec.textures_[names[i]];
        }
    }

    static void delete_textures(GLsizei n, const GLuint* names) {
        if (!outside_begin()) return;
        auto& rec = r();
        if (n < 0) return rec.raise(GL_INVALID_VALUE);
        for (GLsizei i = 0; i < n; ++i) {
            if (names[i] == 0) continue;
            rec.textures_.erase(names[i]);
            if (rec.bound_texture_ == names[i]) rec.bound_texture_ = 0;
        }
    }

    static void bind_texture(GLenum target, GLuint name) {
        if (!outside_begin()) return;
        auto& rec = r();
        if (target != GL_TEXTURE_2D) return;  // only 2D textures are tracked
        rec.bound_texture_ = name;
        rec.textures_[name];
    }

    static void tex_parameter(GLenum target, GLenum pname, int value) {
        if (!outside_begin()) return;
        if (target != GL_TEXTURE_2D) return;
        r().textures_[r().bound_texture_].parameters[pname] = value;
    }

    static int format_components(GLenum format) {
        switch (format) {
            case GL_RGB: case GL_BGR: return 3;
            case GL_RGBA: case GL_BGRA: return 4;
            case GL_LUMINANCE_ALPHA: return 2;
            case GL_LUMINANCE: case GL_ALPHA: case GL_RED: case GL_GREEN: case GL_BLUE: return 1;
            default: return 0;
        }
    }

    static void tex_image(int width, int height, int components, GLenum format, GLenum type, const void* pixels) {
        auto& t = r().textures_[r().bound_texture_];
        t.width = width;
        t.height = height;
        t.components = components;
        t.format = format;
        t.has_pixels = pixels != nullptr;
        t.pixels.clear();
        const int bytes = format_components(format);
        if (!pixels || type != GL_UNSIGNED_BYTE || bytes == 0) return;
        const std::size_t align = r().unpack_alignment_;
        const std::size_t stride = (std::size_t(width) * bytes + align - 1) / align * align;
        const auto* p = static_cast<const unsigned char*>(pixels);
        t.pixels.assign(p, p + stride * height);
    }

    static void pixel_store(GLenum pname, int value) {
        if (!outside_begin()) return;
        if (pname != GL_UNPACK_ALIGNMENT) return;
        if (value != 1 && value != 2 && value != 4 && value != 8) return r().raise(GL_INVALID_VALUE);
        r().unpack_alignment_ = value;
    }

    static void tex_env(GLenum target, GLenum pname, int value) {
        if (!outside_begin()) return;
        if (target == GL_TEXTURE_ENV && pname == GL_TEXTURE_ENV_MODE) r().texture_env_mode_ = value;
    }

    // ---- queries

    static bool query(GLenum pname, std::vector<double>& out) {
        const auto& rec = r();
        auto matrix = [&](const Mat4& m) { out.assign(m.m.begin(), m.m.end()); };
        switch (pname) {
            case GL_VIEWPORT: out.assign(rec.viewport_.begin(), rec.viewport_.end()); return true;
            case GL_MATRIX_MODE: out = {double(rec.matrix_mode_)}; return true;
            case GL_MODELVIEW_MATRIX: matrix(rec.modelview_.back()); return true;
            case GL_PROJECTION_MATRIX: matrix(rec.projection_.back()); return true;
            case GL_TEXTURE_MATRIX: matrix(rec.texture_matrix_.back()); return true;
            case GL_MODELVIEW_STACK_DEPTH: out = {double(rec.modelview_.size())}; return true;
            case GL_PROJECTION_STACK_DEPTH: out = {double(rec.projection_.size())}; return true;
            case GL_TEXTURE_BINDING_2D: out = {double(rec.bound_texture_)}; return true;
            case GL_CURRENT_COLOR: out.assign(rec.color_.begin(), rec.color_.end()); return true;
            case GL_CURRENT_NORMAL: out = {rec.normal_.x, rec.normal_.y, rec.normal_.z}; return true;
            case GL_MAX_TEXTURE_SIZE: out = {8192}; return true;
            case GL_MAX_LIGHTS: out = {8}; return true;
            case GL_MAX_MODELVIEW_STACK_DEPTH:
            case GL_MAX_PROJECTION_STACK_DEPTH: out = {double(kMaxStackDepth)}; return true;
            default: return false;  // left unwritten, as a driver without the query would
        }
    }

    template <typename T>
    static void get(GLenum pname, T* params) {
        if (!outside_begin()) return;
        std::vector<double> values;
        if (!query(pname, values)) return;
        for (std::size_t i = 0; i < values.size(); ++i) params[i] = static_cast<T>(values[i]);
    }

    // ---- attributes

    static void push_attrib() {
        if (!outside_begin()) return;
        auto& rec = r();
        auto a = std::make_shared<Recorder::Attributes>(Recorder::Attributes{
            rec.enabled_, rec.color_, rec.normal_, rec.front_, rec.back_, rec.lights_, rec.bound_texture_,
            rec.texture_env_mode_, rec.light_model_ambient_, rec.color_material_face_, rec.color_material_mode_});
        rec.attribute_stack_.push_back(a);
    }

    static void pop_attrib() {
        if (!outside_begin()) return;
        auto& rec = r();
        if (rec.attribute_stack_.empty()) return rec.raise(GL_STACK_UNDERFLOW);
        const auto a = rec.attribute_stack_.back();
        rec.attribute_stack_.pop_back();
        rec.enabled_ = a->enabled;
        rec.color_ = a->color;
        rec.normal_ = a->normal;
        rec.front_ = a->front;
        rec.back_ = a->back;
        rec.lights_ = a->lights;
        rec.bound_texture_ = a->bound_texture;
        rec.texture_env_mode_ = a->texture_env_mode;
        rec.light_model_ambient_ = a->light_model_ambient;
        rec.color_material_face_ = a->color_material_face;
        rec.color_material_mode_ = a->color_material_mode;
    }

    // ---- evaluators

    static int map_components(GLenum target) {
        switch (target) {
            case GL_MAP2_VERTEX_3: case GL_MAP2_NORMAL: case GL_MAP2_TEXTURE_COORD_3: return 3;
            case GL_MAP2_VERTEX_4: case GL_MAP2_COLOR_4: case GL_MAP2_TEXTURE_COORD_4: return 4;
            case GL_MAP2_TEXTURE_COORD_2: return 2;
            case GL_MAP2_TEXTURE_COORD_1: case GL_MAP2_INDEX: return 1;
            default: return 0;
        }
    }

    static void map2(GLenum target, float u1, float u2, int ustride, int uorder, float v1, float v2, int vstride,
                     int vorder, const float* points) {
        if (!outside_begin()) return;
        auto& rec = r();
        const int k = map_components(target);
        if (k == 0) return rec.raise(GL_INVALID_ENUM);
        if (u1 == u2 || v1 == v2 || ustride < k || vstride < k || uorder < 1 || uorder > kMaxEvalOrder ||
            vorder < 1 || vorder > kMaxEvalOrder)
            return rec.raise(GL_INVALID_VALUE);
        Recorder::Map2 m{k, u1, u2, v1, v2, uorder, vorder, {}};
        for (int i = 0; i < uorder; ++i)
            for (int j = 0; j < vorder; ++j)
                for (int c = 0; c < k; ++c) m.points.push_back(points[i * ustride + j * vstride + c]);
        rec.maps2_[target] = std::move(m);
    }

    static double bernstein(int degree, int i, double t) {
        if (i < 0 || i > degree) return 0;
        double binomial = 1;
        for (int k = 1; k <= i; ++k) binomial = binomial * (degree - i + k) / k;
        return binomial * std::pow(t, i) * std::pow(1 - t, degree - i);
    }

    static double bernstein_derivative(int degree, int i, double t) {
        if (degree == 0) return 0;
        return degree * (bernstein(degree - 1, i - 1, t) - bernstein(degree - 1, i, t));
    }

    // Value (or, with du/dv, a partial derivative in the map's own parameter) at (u, v).
    static std::vector<double> evaluate(const Recorder::Map2& m, double u, double v, bool du = false,
                                        bool dv = false) {
        const double a = (u - m.u1) / (m.u2 - m.u1), b = (v - m.v1) / (m.v2 - m.v1);
        std::vector<double> r(m.components, 0.0);
        for (int i = 0; i < m.uorder; ++i) {
            const double bu = du ? bernstein_derivative(m.uorder - 1, i, a) : bernstein(m.uorder - 1, i, a);
            for (int j = 0; j < m.vorder; ++j) {
                const double bv = dv ? bernstein_derivative(m.vorder - 1, j, b) : bernstein(m.vorder - 1, j, b);
                for (int c = 0; c < m.components; ++c)
                    r[c] += bu * bv * m.points[(i * m.vorder + j) * m.components + c];
            }
        }
        return r;
    }

    static const Recorder::Map2* enabled_map(GLenum target) {
        const auto& rec = r();
        const auto it = rec.maps2_.find(target);
        return it != rec.maps2_.end() && rec.enabled(target) ? &it->second : nullptr;
    }

    // Like glEvalCoord2f: a vertex from the enabled maps, leaving the current values alone.
    static void eval_coord(double u, double v) {
        auto& rec = r();
        const auto* vertex_map = enabled_map(GL_MAP2_VERTEX_4);
        if (!vertex_map) vertex_map = enabled_map(GL_MAP2_VERTEX_3);
        if (!vertex_map) return;

        const auto saved_normal = rec.normal_;
        const auto saved_s = rec.s_, saved_t = rec.t_;
        const auto saved_color = rec.color_;
        if (const auto* n = enabled_map(GL_MAP2_NORMAL)) {
            const auto e = evaluate(*n, u, v);
            rec.normal_ = {float(e[0]), float(e[1]), float(e[2])};
        } else if (rec.enabled(GL_AUTO_NORMAL)) {
            const auto pu = evaluate(*vertex_map, u, v, true, false);
            const auto pv = evaluate(*vertex_map, u, v, false, true);
            const auto n = normalized(cross({pu[0], pu[1], pu[2]}, {pv[0], pv[1], pv[2]}));
            rec.normal_ = {float(n[0]), float(n[1]), float(n[2])};
        }
        if (const auto* t = enabled_map(GL_MAP2_TEXTURE_COORD_2)) {
            const auto e = evaluate(*t, u, v);
            rec.s_ = float(e[0]);
            rec.t_ = float(e[1]);
        }
        if (const auto* c = enabled_map(GL_MAP2_COLOR_4)) {
            const auto e = evaluate(*c, u, v);
            rec.color_ = {float(e[0]), float(e[1]), float(e[2]), float(e[3])};
        }
        auto p = evaluate(*vertex_map, u, v);
        if (vertex_map->components == 4 && p[3] != 0) p = {p[0] / p[3], p[1] / p[3], p[2] / p[3]};
        vertex(float(p[0]), float(p[1]), float(p[2]));
        rec.normal_ = saved_normal;
        rec.s_ = saved_s;
        rec.t_ = saved_t;
        rec.color_ = saved_color;
    }

    static void eval_mesh2(GLenum mode, int i1, int i2, int j1, int j2) {
        if (!outside_begin()) return;
        auto& rec = r();
        if (mode != GL_FILL && mode != GL_LINE && mode != GL_POINT) return rec.raise(GL_INVALID_ENUM);
        const double du = (rec.grid_u2_ - rec.grid_u1_) / rec.grid_un_;
        const double dv = (rec.grid_v2_ - rec.grid_v1_) / rec.grid_vn_;
        auto u = [&](int i) { return i == rec.grid_un_ ? rec.grid_u2_ : rec.grid_u1_ + i * du; };
        auto v = [&](int j) { return j == rec.grid_vn_ ? rec.grid_v2_ : rec.grid_v1_ + j * dv; };
        auto group = [&](GLenum primitive) {
            rec.in_begin_ = true;
            rec.current_ = Primitive{};
            rec.current_.mode = primitive;
            rec.current_.first_call = rec.calls_.size() - 1;
        };
        if (mode == GL_FILL) {
            for (int j = j1; j < j2; ++j) {
                group(GL_QUAD_STRIP);
                for (int i = i1; i <= i2; ++i) {
                    eval_coord(u(i), v(j));
                    eval_coord(u(i), v(j + 1));
                }
                end();
            }
        } else if (mode == GL_LINE) {
            for (int j = j1; j <= j2; ++j) {
                group(GL_LINE_STRIP);
                for (int i = i1; i <= i2; ++i) eval_coord(u(i), v(j));
                end();
            }
            for (int i = i1; i <= i2; ++i) {
                group(GL_LINE_STRIP);
                for (int j = j1; j <= j2; ++j) eval_coord(u(i), v(j));
                end();
            }
        } else {
            group(GL_POINTS);
            for (int j = j1; j <= j2; ++j)
                for (int i = i1; i <= i2; ++i) eval_coord(u(i), v(j));
            end();
        }
    }

    static void map_grid2(int un, float u1, float u2, int vn, float v1, float v2) {
        if (!outside_begin()) return;
        auto& rec = r();
        if (un < 1 || vn < 1) return rec.raise(GL_INVALID_VALUE);
        rec.grid_un_ = un;
        rec.grid_u1_ = u1;
        rec.grid_u2_ = u2;
        rec.grid_vn_ = vn;
        rec.grid_v1_ = v1;
        rec.grid_v2_ = v2;
    }

    // ---- shapes

    static void solid(const char* kind, std::vector<double> params, const GLUquadric* q = nullptr,
                      bool tex_coords = false) {
        auto& rec = r();
        rec.record(kind, params);
        // The shape is drawn with glBegin/glEnd, which fails inside another pair.
        if (!outside_begin()) return;
        Solid s;
        s.kind = kind;
        s.params = std::move(params);
        s.scene = rec.scene_.back();
        s.eye = rec.modelview_.back();
        s.texture = rec.bound_texture_;
        s.texturing = rec.enabled(GL_TEXTURE_2D);
        s.lighting = rec.enabled(GL_LIGHTING);
        s.color = rec.color_;
        s.tex_coord = {rec.s_, rec.t_};
        s.front = rec.front_;
        s.back = rec.back_;
        s.tex_coords = q ? q->texture == GL_TRUE : tex_coords;
        if (q) s.draw_style = q->draw_style;
        s.call = rec.calls_.size() - 1;
        rec.solids_.push_back(std::move(s));
    }

    // ---- display lists: compiling records nothing and changes no state; a
    // call replays what was compiled (see glCallList)
    // The drawing state a list may change, and so must leave as it found it.
    using DrawingState = std::tuple<float, float, Vec3, Vec4, GLuint, GLenum, std::vector<Mat4>, std::vector<Mat4>,
                                    std::vector<Mat4>, std::vector<Mat4>, std::map<GLenum, bool>, Material, Material>;
    static auto drawing_state(Recorder& rec) {
        return std::tie(rec.s_, rec.t_, rec.normal_, rec.color_, rec.bound_texture_, rec.matrix_mode_, rec.modelview_,
                        rec.scene_, rec.projection_, rec.texture_matrix_, rec.enabled_, rec.front_, rec.back_);
    }
    struct ListStart {
        std::size_t calls, primitives, solids;
        DrawingState state;
    };
    struct ListCall {
        Call call;
        GLUquadric quadric;  // what a quadric call drew with
    };

    static ListStart list_start() {
        auto& rec = r();
        return {rec.calls_.size(), rec.primitives_.size(), rec.solids_.size(), drawing_state(rec)};
    }

    static std::vector<ListCall> list_end(const ListStart& start) {
        auto& rec = r();
        std::vector<ListCall> out;
        for (std::size_t i = start.calls; i < rec.calls_.size(); ++i) {
            ListCall c{rec.calls_[i], {}};
            for (std::size_t k = start.solids; k < rec.solids_.size(); ++k)
                if (rec.solids_[k].call == i) {
                    c.quadric.texture = rec.solids_[k].tex_coords ? GL_TRUE : GL_FALSE;
                    c.quadric.draw_style = rec.solids_[k].draw_style;
                }
            out.push_back(std::move(c));
        }
        rec.calls_.resize(start.calls);
        rec.primitives_.resize(start.primitives);
        rec.solids_.resize(start.solids);
        drawing_state(rec) = start.state;
        return out;
    }

    // ---- GLUT

    static int create_window(const char* title) {
        auto& rec = r();
        rec.window_.title = title ? title : "";
        return ++rec.windows_;
    }

    static void init_window_size(int w, int h) {
        auto& rec = r();
        rec.window_.width = w;
        rec.window_.height = h;
        rec.glut_values_[GLUT_WINDOW_WIDTH] = w;
        rec.glut_values_[GLUT_WINDOW_HEIGHT] = h;
    }

    static int create_menu(void (*callback)(int)) {
        auto& rec = r();
        const int id = static_cast<int>(rec.menus_.size()) + 1;
        rec.menus_[id].callback = callback;
        rec.current_menu_ = id;
        rec.callbacks_.menu = callback;
        return id;
    }

    static Menu* menu() {
        auto& rec = r();
        const auto it = rec.menus_.find(rec.current_menu_);
        return it == rec.menus_.end() ? nullptr : &it->second;
    }

    static int glut_get(GLenum query) {
        const auto& values = r().glut_values_;
        const auto it = values.find(query);
        return it == values.end() ? 0 : it->second;
    }

    static Callbacks& callbacks() { return r().callbacks_; }
    static Window& window() { return r().window_; }
    static int modifiers() { return r().modifiers_; }
    static void set_current_menu(int id) { r().current_menu_ = id; }
    static GLenum take_error() { return r().take_error(); }
};

}  // namespace glrec

// ================================================================ stand-ins
// Exact prototypes of <GL/gl.h>, <GL/glu.h> and <GL/freeglut.h>, which are
// included above so the compiler checks them.

using glrec::Access;
using glrec::Mat4;

namespace {

glrec::Recorder& rec() { return glrec::recorder(); }

void rec_call(const char* name, std::vector<double> args = {}, std::string text = {}) {
    rec().record(name, std::move(args), std::move(text));
}

std::vector<double> with_values(std::vector<double> args, const float* v, int n) {
    for (int i = 0; i < n; ++i) args.push_back(v[i]);
    return args;
}

int material_values(GLenum pname) { return pname == GL_SHININESS ? 1 : 4; }

int light_values(GLenum pname) {
    if (pname == GL_SPOT_DIRECTION) return 3;
    return Access::single_valued_light(pname) ? 1 : 4;
}

int light_model_values(GLenum pname) { return pname == GL_LIGHT_MODEL_AMBIENT ? 4 : 1; }

// Integer colours map their full range onto -1..1, as OpenGL does.
float int_color(GLint v) { return static_cast<float>(v / 2147483647.0); }

// Most stand-ins record their arguments, then hand the same values on.

void vertex_call(const char* name, std::vector<double> v) {
    const float x = float(v[0]), y = float(v[1]), z = v.size() > 2 ? float(v[2]) : 0;
    rec_call(name, std::move(v));
    Access::vertex(x, y, z);
}

void tex_coord_call(const char* name, std::vector<double> st) {
    const float s = float(st[0]), t = float(st[1]);
    rec_call(name, std::move(st));
    Access::tex_coord(s, t);
}

void normal_call(const char* name, std::vector<double> v) {
    const float x = float(v[0]), y = float(v[1]), z = float(v[2]);
    rec_call(name, std::move(v));
    Access::normal(x, y, z);
}

// full: the value that stands for 1 (255 for bytes). Alpha is 1 when not given.
void color_call(const char* name, std::vector<double> rgba, float full = 1) {
    float c[4] = {1, 1, 1, 1};
    for (std::size_t i = 0; i < rgba.size(); ++i) c[i] = float(rgba[i]) / full;
    rec_call(name, std::move(rgba));
    Access::color(c[0], c[1], c[2], c[3]);
}

// Calls that only change state the recorder does not keep: all they can do
// is be made inside glBegin/glEnd.
void state_call(const char* name, std::vector<double> args = {}) {
    rec_call(name, std::move(args));
    Access::outside_begin();
}

void multiply_call(const char* name, std::vector<double> args, const Mat4& m) {
    rec_call(name, std::move(args));
    Access::multiply(m);
}

template <class T>
Mat4 matrix_from(const T* m) {
    Mat4 mat;
    std::copy(m, m + 16, mat.m.begin());
    return mat;
}
std::vector<double> values_of(const Mat4& m) { return {m.m.begin(), m.m.end()}; }

// Both keep the value as an integer, whichever form set it.
void tex_parameter_call(const char* name, GLenum target, GLenum pname, double value) {
    rec_call(name, {double(target), double(pname), value});
    Access::tex_parameter(target, pname, static_cast<int>(value));
}
void tex_env_call(const char* name, GLenum target, GLenum pname, double value) {
    rec_call(name, {double(target), double(pname), value});
    Access::tex_env(target, pname, static_cast<int>(value));
}

template <class Callback>
void set_callback(const char* name, Callback*& slot, Callback* callback) {
    rec_call(name);
    slot = callback;
}

template <class Field, class Value>
void set_quadric(const char* name, GLUquadric* quad, Field GLUquadric::*field, Value value) {
    rec_call(name, {double(value)});
    if (quad) quad->*field = value;
}

}  // namespace

extern "C" {

// Font handles: only their addresses matter.
void* glutStrokeRoman = nullptr;
void* glutStrokeMonoRoman = nullptr;
void* glutBitmap9By15 = nullptr;
void* glutBitmap8By13 = nullptr;
void* glutBitmapTimesRoman10 = nullptr;
void* glutBitmapTimesRoman24 = nullptr;
void* glutBitmapHelvetica10 = nullptr;
void* glutBitmapHelvetica12 = nullptr;
void* glutBitmapHelvetica18 = nullptr;

// ---------------------------------------------------------------- GL: primitives

void glBegin(GLenum mode) {
    rec_call("glBegin", {double(mode)});
    Access::begin(mode);
}
void glEnd(void) {
    rec_call("glEnd");
    Access::end();
}
void glVertex2f(GLfloat x, GLfloat y) { vertex_call("glVertex2f", {x, y}); }
void glVertex2i(GLint x, GLint y) { vertex_call("glVertex2i", {double(x), double(y)}); }
void glVertex2d(GLdouble x, GLdouble y) { vertex_call("glVertex2d", {x, y}); }
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) { vertex_call("glVertex3f", {x, y, z}); }
void glVertex3fv(const GLfloat* v) { vertex_call("glVertex3fv", {v[0], v[1], v[2]}); }
void glVertex3d(GLdouble x, GLdouble y, GLdouble z) { vertex_call("glVertex3d", {x, y, z}); }
void glVertex3dv(const GLdouble* v) { vertex_call("glVertex3dv", {v[0], v[1], v[2]}); }
void glVertex3i(GLint x, GLint y, GLint z) { vertex_call("glVertex3i", {double(x), double(y), double(z)}); }
void glTexCoord2f(GLfloat s, GLfloat t) { tex_coord_call("glTexCoord2f", {s, t}); }
void glTexCoord2fv(const GLfloat* v) { tex_coord_call("glTexCoord2fv", {v[0], v[1]}); }
void glTexCoord2d(GLdouble s, GLdouble t) { tex_coord_call("glTexCoord2d", {s, t}); }
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) { normal_call("glNormal3f", {x, y, z}); }
void glNormal3fv(const GLfloat* v) { normal_call("glNormal3fv", {v[0], v[1], v[2]}); }
void glNormal3d(GLdouble x, GLdouble y, GLdouble z) { normal_call("glNormal3d", {x, y, z}); }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { color_call("glColor3f", {r, g, b}); }
void glColor3fv(const GLfloat* v) { color_call("glColor3fv", {v[0], v[1], v[2]}); }
void glColor3d(GLdouble r, GLdouble g, GLdouble b) { color_call("glColor3d", {r, g, b}); }
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { color_call("glColor4f", {r, g, b, a}); }
void glColor4fv(const GLfloat* v) { color_call("glColor4fv", {v[0], v[1], v[2], v[3]}); }
void glColor3ub(GLubyte r, GLubyte g, GLubyte b) {
    color_call("glColor3ub", {double(r), double(g), double(b)}, 255);
}
void glColor4ub(GLubyte r, GLubyte g, GLubyte b, GLubyte a) {
    color_call("glColor4ub", {double(r), double(g), double(b), double(a)}, 255);
}
void glRasterPos2f(GLfloat x, GLfloat y) { state_call("glRasterPos2f", {x, y}); }
void glRasterPos3f(GLfloat x, GLfloat y, GLfloat z) { state_call("glRasterPos3f", {x, y, z}); }
void glRasterPos2i(GLint x, GLint y) { state_call("glRasterPos2i", {double(x), double(y)}); }

// ---------------------------------------------------------------- GL: matrices

void glMatrixMode(GLenum mode) {
    rec_call("glMatrixMode", {double(mode)});
    Access::matrix_mode(mode);
}
void glLoadIdentity(void) {
    rec_call("glLoadIdentity");
    Access::load(Mat4{});
}
void glPushMatrix(void) {
    rec_call("glPushMatrix");
    Access::push_matrix();
}
void glPopMatrix(void) {
    rec_call("glPopMatrix");
    Access::pop_matrix();
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    multiply_call("glTranslatef", {x, y, z}, Mat4::translation(x, y, z));
}
void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
    multiply_call("glTranslated", {x, y, z}, Mat4::translation(x, y, z));
}
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    multiply_call("glRotatef", {angle, x, y, z}, Mat4::rotation(angle, x, y, z));
}
void glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    multiply_call("glRotated", {angle, x, y, z}, Mat4::rotation(angle, x, y, z));
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) { multiply_call("glScalef", {x, y, z}, Mat4::scaling(x, y, z)); }
void glScaled(GLdouble x, GLdouble y, GLdouble z) { multiply_call("glScaled", {x, y, z}, Mat4::scaling(x, y, z)); }
void glMultMatrixf(const GLfloat* m) { multiply_call("glMultMatrixf", values_of(matrix_from(m)), matrix_from(m)); }
void glMultMatrixd(const GLdouble* m) { multiply_call("glMultMatrixd", values_of(matrix_from(m)), matrix_from(m)); }
void glLoadMatrixf(const GLfloat* m) {
    rec_call("glLoadMatrixf", values_of(matrix_from(m)));
    Access::load(matrix_from(m));
}
void glLoadMatrixd(const GLdouble* m) {
    rec_call("glLoadMatrixd", values_of(matrix_from(m)));
    Access::load(matrix_from(m));
}
void glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    rec_call("glOrtho", {l, r, b, t, n, f});
    if (l == r || b == t || n == f) return rec().raise(GL_INVALID_VALUE);
    Access::multiply(Mat4::ortho(l, r, b, t, n, f));
}
void glFrustum(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    rec_call("glFrustum", {l, r, b, t, n, f});
    if (n <= 0 || f <= 0 || l == r || b == t || n == f) return rec().raise(GL_INVALID_VALUE);
    Access::multiply(Mat4::frustum(l, r, b, t, n, f));
}
void glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
    rec_call("glViewport", {double(x), double(y), double(w), double(h)});
    Access::viewport(x, y, w, h);
}

// ---------------------------------------------------------------- GL: textures

void glGenTextures(GLsizei n, GLuint* textures) {
    rec_call("glGenTextures", {double(n)});
    Access::gen_textures(n, textures);
}
void glDeleteTextures(GLsizei n, const GLuint* textures) {
    std::vector<double> args{double(n)};
    for (GLsizei i = 0; i < n; ++i) args.push_back(textures[i]);
    rec_call("glDeleteTextures", args);
    Access::delete_textures(n, textures);
}
void glBindTexture(GLenum target, GLuint texture) {
    rec_call("glBindTexture", {double(target), double(texture)});
    Access::bind_texture(target, texture);
}
void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    tex_parameter_call("glTexParameteri", target, pname, param);
}
void glTexParameterf(GLenum target, GLenum pname, GLfloat param) {
    tex_parameter_call("glTexParameterf", target, pname, param);
}
void glTexEnvi(GLenum target, GLenum pname, GLint param) { tex_env_call("glTexEnvi", target, pname, param); }
void glTexEnvf(GLenum target, GLenum pname, GLfloat param) { tex_env_call("glTexEnvf", target, pname, param); }
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                  GLenum format, GLenum type, const GLvoid* pixels) {
    rec_call("glTexImage2D", {double(target), double(level), double(internalFormat), double(width),
                              double(height), double(border), double(format), double(type)});
    if (!Access::outside_begin()) return;
    if (width < 0 || height < 0 || level < 0 || (border != 0 && border != 1)) return rec().raise(GL_INVALID_VALUE);
    if (target == GL_TEXTURE_2D && level == 0) Access::tex_image(width, height, internalFormat, format, type, pixels);
}
void glPixelStorei(GLenum pname, GLint param) {
    rec_call("glPixelStorei", {double(pname), double(param)});
    Access::pixel_store(pname, param);
}

// ---------------------------------------------------------------- GL: lighting and materials

void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    rec_call("glMaterialfv", with_values({double(face), double(pname)}, params, material_values(pname)));
    float v[4] = {params[0], 0, 0, 0};
    std::copy(params, params + material_values(pname), v);
    Access::material(face, pname, v);
}
void glMaterialf(GLenum face, GLenum pname, GLfloat param) {
    rec_call("glMaterialf", {double(face), double(pname), param});
    if (pname != GL_SHININESS) return rec().raise(GL_INVALID_ENUM);
    const float v[4] = {param, 0, 0, 0};
    Access::material(face, pname, v);
}
void glMateriali(GLenum face, GLenum pname, GLint param) {
    rec_call("glMateriali", {double(face), double(pname), double(param)});
    if (pname != GL_SHININESS) return rec().raise(GL_INVALID_ENUM);
    const float v[4] = {float(param), 0, 0, 0};
    Access::material(face, pname, v);
}
void glMaterialiv(GLenum face, GLenum pname, const GLint* params) {
    const int n = material_values(pname);
    float v[4] = {0, 0, 0, 0};
    for (int i = 0; i < n; ++i) v[i] = pname == GL_SHININESS ? float(params[i]) : int_color(params[i]);
    std::vector<double> args{double(face), double(pname)};
    for (int i = 0; i < n; ++i) args.push_back(params[i]);
    rec_call("glMaterialiv", args);
    Access::material(face, pname, v);
}
void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    rec_call("glLightfv", with_values({double(light), double(pname)}, params, light_values(pname)));
    float v[4] = {0, 0, 0, 0};
    std::copy(params, params + light_values(pname), v);
    Access::light(light, pname, v);
}
void glLightf(GLenum light, GLenum pname, GLfloat param) {
    rec_call("glLightf", {double(light), double(pname), param});
    if (!Access::single_valued_light(pname)) return rec().raise(GL_INVALID_ENUM);
    const float v[4] = {param, 0, 0, 0};
    Access::light(light, pname, v);
}
void glLightModelfv(GLenum pname, const GLfloat* params) {
    rec_call("glLightModelfv", with_values({double(pname)}, params, light_model_values(pname)));
    float v[4] = {0, 0, 0, 0};
    std::copy(params, params + light_model_values(pname), v);
    Access::light_model(pname, v);
}
void glLightModelf(GLenum pname, GLfloat param) {
    rec_call("glLightModelf", {double(pname), param});
    if (pname == GL_LIGHT_MODEL_AMBIENT) return rec().raise(GL_INVALID_ENUM);
    const float v[4] = {param, 0, 0, 0};
    Access::light_model(pname, v);
}
void glLightModeli(GLenum pname, GLint param) {
    rec_call("glLightModeli", {double(pname), double(param)});
    if (pname == GL_LIGHT_MODEL_AMBIENT) return rec().raise(GL_INVALID_ENUM);
    const float v[4] = {float(param), 0, 0, 0};
    Access::light_model(pname, v);
}
void glColorMaterial(GLenum face, GLenum mode) {
    rec_call("glColorMaterial", {double(face), double(mode)});
    Access::color_material(face, mode);
}
void glShadeModel(GLenum mode) {
    rec_call("glShadeModel", {double(mode)});
    if (Access::outside_begin() && mode != GL_FLAT && mode != GL_SMOOTH) rec().raise(GL_INVALID_ENUM);
}

// ---------------------------------------------------------------- GL: state

void glEnable(GLenum cap) {
    rec_call("glEnable", {double(cap)});
    Access::set_enabled(cap, true);
}
void glDisable(GLenum cap) {
    rec_call("glDisable", {double(cap)});
    Access::set_enabled(cap, false);
}
GLboolean glIsEnabled(GLenum cap) {
    rec_call("glIsEnabled", {double(cap)});
    if (!Access::outside_begin()) return GL_FALSE;
    return rec().enabled(cap) ? GL_TRUE : GL_FALSE;
}
void glClear(GLbitfield mask) { state_call("glClear", {double(mask)}); }
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) { state_call("glClearColor", {r, g, b, a}); }
void glClearDepth(GLclampd depth) { state_call("glClearDepth", {depth}); }
void glHint(GLenum target, GLenum mode) { state_call("glHint", {double(target), double(mode)}); }
void glFlush(void) { state_call("glFlush"); }
void glFinish(void) { state_call("glFinish"); }
GLenum glGetError(void) {
    rec_call("glGetError");
    if (!Access::outside_begin()) return GL_NO_ERROR;
    return Access::take_error();
}
void glGetIntegerv(GLenum pname, GLint* params) {
    rec_call("glGetIntegerv", {double(pname)});
    Access::get(pname, params);
}
void glGetFloatv(GLenum pname, GLfloat* params) {
    rec_call("glGetFloatv", {double(pname)});
    Access::get(pname, params);
}
void glGetDoublev(GLenum pname, GLdouble* params) {
    rec_call("glGetDoublev", {double(pname)});
    Access::get(pname, params);
}
const GLubyte* glGetString(GLenum name) {
    rec_call("glGetString", {double(name)});
    const char* text = nullptr;
    switch (name) {
        case GL_VENDOR: text = "glrec"; break;
        case GL_RENDERER: text = "glrec recording stand-in"; break;
        case GL_VERSION: text = "1.1 glrec"; break;
        case GL_EXTENSIONS: text = ""; break;
        default: rec().raise(GL_INVALID_ENUM); return nullptr;
    }
    return reinterpret_cast<const GLubyte*>(text);
}
void glBlendFunc(GLenum sfactor, GLenum dfactor) { state_call("glBlendFunc", {double(sfactor), double(dfactor)}); }
void glDepthMask(GLboolean flag) { state_call("glDepthMask", {double(flag)}); }
void glDepthFunc(GLenum func) { state_call("glDepthFunc", {double(func)}); }
void glCullFace(GLenum mode) { state_call("glCullFace", {double(mode)}); }
void glFrontFace(GLenum mode) { state_call("glFrontFace", {double(mode)}); }
void glPolygonMode(GLenum face, GLenum mode) { state_call("glPolygonMode", {double(face), double(mode)}); }
void glLineWidth(GLfloat width) {
    rec_call("glLineWidth", {width});
    if (Access::outside_begin() && width <= 0) rec().raise(GL_INVALID_VALUE);
}
void glPointSize(GLfloat size) {
    rec_call("glPointSize", {size});
    if (Access::outside_begin() && size <= 0) rec().raise(GL_INVALID_VALUE);
}
void glPushAttrib(GLbitfield mask) {
    rec_call("glPushAttrib", {double(mask)});
    Access::push_attrib();
}
void glPopAttrib(void) {
    rec_call("glPopAttrib");
    Access::pop_attrib();
}
// ---- display lists (GL_COMPILE only): a list keeps the calls made while it
// was compiled, which leave no trace then, and a call replays them in place.
// Lists outlive reset(), as the programs compile theirs once.
}  // extern "C"

namespace {

std::map<GLuint, std::vector<Access::ListCall>>& lists() {
    static std::map<GLuint, std::vector<Access::ListCall>> kept;
    return kept;
}
GLuint compiling = 0;
Access::ListStart compile_start{};

void replay(const Access::ListCall& c) {
    const std::vector<double>& a = c.call.args;
    const std::string& n = c.call.name;
    GLUquadric q = c.quadric;
    if (n.rfind("gluNewQuadric", 0) == 0 || n.rfind("gluQuadric", 0) == 0) return;  // run at once, not compiled
    if (n == "glBindTexture") glBindTexture(GLenum(a[0]), GLuint(a[1]));
    else if (n == "glBegin") glBegin(GLenum(a[0]));
    else if (n == "glEnd") glEnd();
    else if (n == "glTexCoord2f") glTexCoord2f(float(a[0]), float(a[1]));
    else if (n == "glVertex3f") glVertex3f(float(a[0]), float(a[1]), float(a[2]));
    else if (n == "glColor3f") glColor3f(float(a[0]), float(a[1]), float(a[2]));
    else if (n == "glPushMatrix") glPushMatrix();
    else if (n == "glPopMatrix") glPopMatrix();
    else if (n == "glTranslatef") glTranslatef(float(a[0]), float(a[1]), float(a[2]));
    else if (n == "glRotatef") glRotatef(float(a[0]), float(a[1]), float(a[2]), float(a[3]));
    else if (n == "glScalef") glScalef(float(a[0]), float(a[1]), float(a[2]));
    else if (n == "glutSolidCube") glutSolidCube(a[0]);
    else if (n == "glutSolidCone") glutSolidCone(a[0], a[1], GLint(a[2]), GLint(a[3]));
    else if (n == "glutSolidTorus") glutSolidTorus(a[0], a[1], GLint(a[2]), GLint(a[3]));
    else if (n == "gluCylinder") gluCylinder(&q, a[0], a[1], a[2], GLint(a[3]), GLint(a[4]));
    else if (n == "gluSphere") gluSphere(&q, a[0], GLint(a[1]), GLint(a[2]));
    else rec().raise(GL_INVALID_ENUM);  // not replayable yet: shows in errors()
}

}  // namespace

extern "C" {

GLuint glGenLists(GLsizei range) {
    static GLuint next = 1;
    rec_call("glGenLists", {double(range)});
    if (!Access::outside_begin()) return 0;
    const GLuint first = next;
    next += GLuint(range);
    return first;
}
void glNewList(GLuint list, GLenum mode) {
    rec_call("glNewList", {double(list), double(mode)});
    if (!Access::outside_begin() || mode != GL_COMPILE || compiling) return;
    compiling = list;
    compile_start = Access::list_start();
}
void glEndList(void) {
    if (compiling) lists()[compiling] = Access::list_end(compile_start);
    compiling = 0;
    rec_call("glEndList");
    Access::outside_begin();
}
void glCallList(GLuint list) {
    rec_call("glCallList", {double(list)});
    const auto found = lists().find(list);
    if (found != lists().end())
        for (const Access::ListCall& c : found->second) replay(c);
}
// ---- end of display lists
// Occlusion queries: every query counts one sample, so nothing is ever left out.
void glGenQueries(GLsizei n, GLuint* ids) {
    static GLuint next = 1;
    rec_call("glGenQueries", {double(n)});
    for (GLsizei i = 0; i < n; ++i) ids[i] = next++;
}
void glBeginQuery(GLenum target, GLuint id) { rec_call("glBeginQuery", {double(target), double(id)}); }
void glEndQuery(GLenum target) { rec_call("glEndQuery", {double(target)}); }
void glGetQueryObjectuiv(GLuint id, GLenum pname, GLuint* params) {
    rec_call("glGetQueryObjectuiv", {double(id), double(pname)});
    *params = 1;
}
void glColorMask(GLboolean r, GLboolean g, GLboolean b, GLboolean a) {
    state_call("glColorMask", {double(r), double(g), double(b), double(a)});
}

// ---------------------------------------------------------------- GL: evaluators

void glMap2f(GLenum target, GLfloat u1, GLfloat u2, GLint ustride, GLint uorder, GLfloat v1, GLfloat v2,
             GLint vstride, GLint vorder, const GLfloat* points) {
    rec_call("glMap2f", {double(target), u1, u2, double(ustride), double(uorder), v1, v2, double(vstride),
                         double(vorder)});
    Access::map2(target, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points);
}
void glMapGrid2f(GLint un, GLfloat u1, GLfloat u2, GLint vn, GLfloat v1, GLfloat v2) {
    rec_call("glMapGrid2f", {double(un), u1, u2, double(vn), v1, v2});
    Access::map_grid2(un, u1, u2, vn, v1, v2);
}
void glEvalMesh2(GLenum mode, GLint i1, GLint i2, GLint j1, GLint j2) {
    rec_call("glEvalMesh2", {double(mode), double(i1), double(i2), double(j1), double(j2)});
    Access::eval_mesh2(mode, i1, i2, j1, j2);
}

// ---------------------------------------------------------------- GLU

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    rec_call("gluPerspective", {fovy, aspect, zNear, zFar});
    // GLU leaves the matrix alone when the frustum is degenerate.
    if (aspect == 0 || zNear == zFar || std::sin(fovy * glrec::kPi / 360) == 0) return;
    Access::multiply(Mat4::perspective(fovy, aspect, zNear, zFar));
}
void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY, GLdouble centerZ,
               GLdouble upX, GLdouble upY, GLdouble upZ) {
    rec_call("gluLookAt", {eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ});
    Access::multiply(Mat4::look_at({float(eyeX), float(eyeY), float(eyeZ)},
                                   {float(centerX), float(centerY), float(centerZ)},
                                   {float(upX), float(upY), float(upZ)}),
                     true);
}
void gluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top) {
    rec_call("gluOrtho2D", {left, right, bottom, top});
    if (left == right || bottom == top) return rec().raise(GL_INVALID_VALUE);
    Access::multiply(Mat4::ortho(left, right, bottom, top, -1, 1));
}
GLint gluBuild2DMipmaps(GLenum target, GLint internalFormat, GLsizei width, GLsizei height, GLenum format,
                        GLenum type, const void* data) {
    rec_call("gluBuild2DMipmaps", {double(target), double(internalFormat), double(width), double(height),
                                   double(format), double(type)});
    if (width < 1 || height < 1) return GLU_INVALID_VALUE;
    if (!Access::outside_begin()) return 0;
    if (target == GL_TEXTURE_2D) Access::tex_image(width, height, internalFormat, format, type, data);
    return 0;
}
const GLubyte* gluErrorString(GLenum error) {
    rec_call("gluErrorString", {double(error)});
    const char* text = "unknown error";
    switch (error) {
        case GL_NO_ERROR: text = "no error"; break;
        case GL_INVALID_ENUM: text = "invalid enumerant"; break;
        case GL_INVALID_VALUE: text = "invalid value"; break;
        case GL_INVALID_OPERATION: text = "invalid operation"; break;
        case GL_STACK_OVERFLOW: text = "stack overflow"; break;
        case GL_STACK_UNDERFLOW: text = "stack underflow"; break;
        case GL_OUT_OF_MEMORY: text = "out of memory"; break;
        default: break;
    }
    return reinterpret_cast<const GLubyte*>(text);
}

}  // extern "C"

namespace {

// Quadrics live until the process ends, so a program's pointer stays valid across recorder resets.
std::deque<GLUquadric>& quadrics() {
    static std::deque<GLUquadric> all;
    return all;
}

}  // namespace

extern "C" {

GLUquadric* gluNewQuadric(void) {
    rec_call("gluNewQuadric");
    quadrics().emplace_back();
    return &quadrics().back();
}
void gluDeleteQuadric(GLUquadric* quad) {
    rec_call("gluDeleteQuadric");
    (void)quad;
}
void gluQuadricTexture(GLUquadric* quad, GLboolean texture) {
    set_quadric("gluQuadricTexture", quad, &GLUquadric::texture, texture);
}
void gluQuadricNormals(GLUquadric* quad, GLenum normal) {
    set_quadric("gluQuadricNormals", quad, &GLUquadric::normals, normal);
}
void gluQuadricDrawStyle(GLUquadric* quad, GLenum draw) {
    set_quadric("gluQuadricDrawStyle", quad, &GLUquadric::draw_style, draw);
}
void gluQuadricOrientation(GLUquadric* quad, GLenum orientation) {
    set_quadric("gluQuadricOrientation", quad, &GLUquadric::orientation, orientation);
}
void gluSphere(GLUquadric* quad, GLdouble radius, GLint slices, GLint stacks) {
    Access::solid("gluSphere", {radius, double(slices), double(stacks)}, quad);
}
void gluCylinder(GLUquadric* quad, GLdouble base, GLdouble top, GLdouble height, GLint slices, GLint stacks) {
    Access::solid("gluCylinder", {base, top, height, double(slices), double(stacks)}, quad);
}
void gluDisk(GLUquadric* quad, GLdouble inner, GLdouble outer, GLint slices, GLint loops) {
    Access::solid("gluDisk", {inner, outer, double(slices), double(loops)}, quad);
}
void gluPartialDisk(GLUquadric* quad, GLdouble inner, GLdouble outer, GLint slices, GLint loops, GLdouble start,
                    GLdouble sweep) {
    Access::solid("gluPartialDisk", {inner, outer, double(slices), double(loops), start, sweep}, quad);
}

// ---------------------------------------------------------------- GLUT: window and loop

void glutInit(int* pargc, char** argv) {
    const int argc = pargc ? *pargc : 0;
    rec_call("glutInit", {double(argc)}, argc > 0 && argv && argv[0] ? argv[0] : "");
}
void glutInitDisplayMode(unsigned int displayMode) {
    rec_call("glutInitDisplayMode", {double(displayMode)});
    Access::window().display_mode = displayMode;
}
void glutInitWindowSize(int width, int height) {
    rec_call("glutInitWindowSize", {double(width), double(height)});
    Access::init_window_size(width, height);
}
void glutInitWindowPosition(int x, int y) {
    rec_call("glutInitWindowPosition", {double(x), double(y)});
    Access::window().x = x;
    Access::window().y = y;
}
int glutCreateWindow(const char* title) {
    rec_call("glutCreateWindow", {}, title ? title : "");
    return Access::create_window(title);
}
void glutDestroyWindow(int window) { rec_call("glutDestroyWindow", {double(window)}); }
void glutSetWindowTitle(const char* title) {
    rec_call("glutSetWindowTitle", {}, title ? title : "");
    Access::window().title = title ? title : "";
}
void glutFullScreen(void) {
    rec_call("glutFullScreen");
    Access::window().full_screen = true;
}
void glutMainLoop(void) { rec_call("glutMainLoop"); }
void glutLeaveMainLoop(void) { rec_call("glutLeaveMainLoop"); }
void glutPostRedisplay(void) { rec_call("glutPostRedisplay"); }
void glutSwapBuffers(void) { rec_call("glutSwapBuffers"); }
int glutGet(GLenum query) {
    rec_call("glutGet", {double(query)});
    return Access::glut_get(query);
}
int glutGetModifiers(void) {
    rec_call("glutGetModifiers");
    return Access::modifiers();
}
void glutIgnoreKeyRepeat(int ignore) { rec_call("glutIgnoreKeyRepeat", {double(ignore)}); }
void glutSetKeyRepeat(int repeatMode) { rec_call("glutSetKeyRepeat", {double(repeatMode)}); }
void glutWarpPointer(int x, int y) { rec_call("glutWarpPointer", {double(x), double(y)}); }
void glutSetCursor(int cursor) {
    rec_call("glutSetCursor", {double(cursor)});
    Access::window().cursor = cursor;
}

// ---------------------------------------------------------------- GLUT: callbacks

void glutDisplayFunc(void (*callback)(void)) { set_callback("glutDisplayFunc", Access::callbacks().display, callback); }
void glutReshapeFunc(void (*callback)(int, int)) {
    set_callback("glutReshapeFunc", Access::callbacks().reshape, callback);
}
void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    set_callback("glutKeyboardFunc", Access::callbacks().keyboard, callback);
}
void glutKeyboardUpFunc(void (*callback)(unsigned char, int, int)) {
    set_callback("glutKeyboardUpFunc", Access::callbacks().keyboard_up, callback);
}
void glutSpecialFunc(void (*callback)(int, int, int)) {
    set_callback("glutSpecialFunc", Access::callbacks().special, callback);
}
void glutSpecialUpFunc(void (*callback)(int, int, int)) {
    set_callback("glutSpecialUpFunc", Access::callbacks().special_up, callback);
}
void glutMouseFunc(void (*callback)(int, int, int, int)) {
    set_callback("glutMouseFunc", Access::callbacks().mouse, callback);
}
void glutMotionFunc(void (*callback)(int, int)) {
    set_callback("glutMotionFunc", Access::callbacks().motion, callback);
}
void glutPassiveMotionFunc(void (*callback)(int, int)) {
    set_callback("glutPassiveMotionFunc", Access::callbacks().passive_motion, callback);
}
void glutIdleFunc(void (*callback)(void)) {
    rec_call("glutIdleFunc", {callback ? 1.0 : 0.0});
    Access::callbacks().idle = callback;
}
void glutTimerFunc(unsigned int time, void (*callback)(int), int value) {
    rec_call("glutTimerFunc", {double(time), double(value)});
    Access::callbacks().timer = callback;
}

// ---------------------------------------------------------------- GLUT: menus

int glutCreateMenu(void (*callback)(int menu)) {
    rec_call("glutCreateMenu");
    return Access::create_menu(callback);
}
void glutSetMenu(int menu) {
    rec_call("glutSetMenu", {double(menu)});
    Access::set_current_menu(menu);
}
void glutAddMenuEntry(const char* label, int value) {
    rec_call("glutAddMenuEntry", {double(value)}, label ? label : "");
    if (auto* m = Access::menu()) m->entries.push_back({label ? label : "", value, false});
}
void glutAddSubMenu(const char* label, int subMenu) {
    rec_call("glutAddSubMenu", {double(subMenu)}, label ? label : "");
    if (auto* m = Access::menu()) m->entries.push_back({label ? label : "", subMenu, true});
}
void glutAttachMenu(int button) {
    rec_call("glutAttachMenu", {double(button)});
    if (auto* m = Access::menu()) m->button = button;
}

// ---------------------------------------------------------------- GLUT: shapes and text

void glutSolidCube(double size) { Access::solid("glutSolidCube", {size}); }
void glutWireCube(double size) { Access::solid("glutWireCube", {size}); }
void glutSolidSphere(double radius, GLint slices, GLint stacks) {
    Access::solid("glutSolidSphere", {radius, double(slices), double(stacks)});
}
void glutWireSphere(double radius, GLint slices, GLint stacks) {
    Access::solid("glutWireSphere", {radius, double(slices), double(stacks)});
}
void glutSolidCone(double base, double height, GLint slices, GLint stacks) {
    Access::solid("glutSolidCone", {base, height, double(slices), double(stacks)});
}
void glutWireCone(double base, double height, GLint slices, GLint stacks) {
    Access::solid("glutWireCone", {base, height, double(slices), double(stacks)});
}
void glutSolidTorus(double innerRadius, double outerRadius, GLint sides, GLint rings) {
    Access::solid("glutSolidTorus", {innerRadius, outerRadius, double(sides), double(rings)});
}
void glutWireTorus(double innerRadius, double outerRadius, GLint sides, GLint rings) {
    Access::solid("glutWireTorus", {innerRadius, outerRadius, double(sides), double(rings)});
}
// The teapot is the one GLUT solid with texture coordinates.
void glutSolidTeapot(double size) { Access::solid("glutSolidTeapot", {size}, nullptr, true); }
void glutWireTeapot(double size) { Access::solid("glutWireTeapot", {size}, nullptr, true); }

void glutBitmapCharacter(void* font, int character) {
    (void)font;
    rec_call("glutBitmapCharacter", {double(character)}, std::string(1, static_cast<char>(character)));
}
void glutStrokeCharacter(void* font, int character) {
    (void)font;
    rec_call("glutStrokeCharacter", {double(character)}, std::string(1, static_cast<char>(character)));
    Access::outside_begin();
}

}  // extern "C"
