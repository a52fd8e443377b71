#pragma once
// A recording stand-in for the OpenGL, GLU and GLUT functions the programs
// call. Linked into the unit tests in place of the real libraries: every call
// is recorded with its arguments, and the recorder keeps its own matrix
// stacks, texture bindings, current attributes and materials, so a test can
// read what was drawn in scene coordinates together with the texture and
// material each vertex was drawn with.
//
// Scene coordinates are the model-view transform without the camera: the
// recorder applies gluLookAt to the eye-space matrix only, so a vertex drawn
// after translate(1, 0, 0) under any camera is at scene x + 1.

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace glrec {

struct Vec3 {
    float x = 0, y = 0, z = 0;
};
using Vec4 = std::array<float, 4>;

// Column-major 4x4 matrix, as OpenGL stores it.
struct Mat4 {
    std::array<double, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Mat4 identity() { return Mat4{}; }
    static Mat4 translation(double x, double y, double z);
    static Mat4 rotation(double degrees, double x, double y, double z);
    static Mat4 scaling(double x, double y, double z);
    Mat4 operator*(const Mat4& other) const;
    Vec3 apply(Vec3 p) const;           // point, w = 1 (no perspective divide: use apply4)
    Vec3 apply_vector(Vec3 v) const;    // direction, w = 0
    std::array<double, 4> apply4(const std::array<double, 4>& p) const;

    // The matrices glFrustum, glOrtho, gluPerspective and gluLookAt multiply by.
    static Mat4 frustum(double left, double right, double bottom, double top, double near_plane, double far_plane);
    static Mat4 ortho(double left, double right, double bottom, double top, double near_plane, double far_plane);
    static Mat4 perspective(double fovy_degrees, double aspect, double near_plane, double far_plane);
    static Mat4 look_at(Vec3 eye, Vec3 center, Vec3 up);
    double at(int row, int column) const { return m[column * 4 + row]; }
};

struct Material {
    Vec4 ambient{0.2f, 0.2f, 0.2f, 1};
    Vec4 diffuse{0.8f, 0.8f, 0.8f, 1};
    Vec4 specular{0, 0, 0, 1};
    Vec4 emission{0, 0, 0, 1};
    float shininess = 0;
};

struct Vertex {
    Vec3 scene;       // position in scene coordinates (camera excluded)
    Vec3 eye;         // position after the whole model-view matrix
    float s = 0, t = 0;
    Vec3 normal{0, 0, 1};  // current normal as given, untransformed
    Vec4 color{1, 1, 1, 1};
    GLuint texture = 0;    // name bound to GL_TEXTURE_2D
    bool texturing = false;
    bool lighting = false;
    Material front, back;
};

struct Primitive {  // one glBegin ... glEnd group
    GLenum mode = 0;
    std::vector<Vertex> vertices;
    std::size_t first_call = 0;  // index in calls() of its glBegin
};

struct Quad {
    std::array<Vertex, 4> corners;
    std::size_t primitive = 0;  // index in primitives()
    GLuint texture() const { return corners[0].texture; }
    Vec3 min() const;  // bounding box in scene coordinates
    Vec3 max() const;
};

struct Solid {  // a GLUT solid or wire shape, or a GLU quadric
    std::string kind;             // "glutSolidCube", "gluSphere", ...
    std::vector<double> params;   // its size arguments, as passed
    Mat4 scene;                   // transform from its own to scene coordinates
    GLuint texture = 0;
    bool texturing = false;
    Vec4 color{1, 1, 1, 1};
    std::array<float, 2> tex_coord{0, 0};  // current when drawn: what a solid without its own shows
    Material front, back;
    Vec3 center() const { return scene.apply({0, 0, 0}); }

    Mat4 eye;                       // the whole model-view matrix, camera included
    bool lighting = false;
    bool tex_coords = false;        // quadric with gluQuadricTexture(GL_TRUE), or the teapot
    GLenum draw_style = GLU_FILL;   // quadrics: gluQuadricDrawStyle
    std::size_t call = 0;           // index in calls()
};

struct Call {
    std::string name;
    std::vector<double> args;  // numbers as passed; enums as their values
    std::string text;          // string argument, if any (window title, menu entry...)
};

struct Texture {
    int width = 0, height = 0;  // of the image handed to gluBuild2DMipmaps / glTexImage2D
    int components = 0;
    GLenum format = 0;
    bool has_pixels = false;
    // A copy of the image as handed over, rows padded to GL_UNPACK_ALIGNMENT
    // (unsigned byte images of 1 to 4 components only).
    std::vector<unsigned char> pixels;
    std::map<GLenum, int> parameters;  // glTexParameteri values
};

struct Light {
    Vec4 ambient{0, 0, 0, 1}, diffuse{0, 0, 0, 1}, specular{0, 0, 0, 1};
    std::array<double, 4> position{0, 0, 1, 0};  // eye coordinates, as OpenGL keeps it
    std::array<double, 4> scene_position{0, 0, 1, 0};  // the same in scene coordinates
    Vec3 spot_direction{0, 0, -1};  // eye coordinates
    float spot_exponent = 0, spot_cutoff = 180;
    float constant_attenuation = 1, linear_attenuation = 0, quadratic_attenuation = 0;
};

// GLUT callbacks as registered.
struct Callbacks {
    void (*display)() = nullptr;
    void (*reshape)(int, int) = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*keyboard_up)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*special_up)(int, int, int) = nullptr;
    void (*mouse)(int, int, int, int) = nullptr;
    void (*motion)(int, int) = nullptr;
    void (*passive_motion)(int, int) = nullptr;
    void (*idle)() = nullptr;
    void (*menu)(int) = nullptr;   // of the menu created last
    void (*timer)(int) = nullptr;  // of the timer registered last
};

struct MenuEntry {
    std::string label;
    int value = 0;          // the value passed to the callback, or the submenu id
    bool submenu = false;
};

struct Menu {
    void (*callback)(int) = nullptr;
    std::vector<MenuEntry> entries;
    int button = -1;        // mouse button it is attached to, -1 if none
};

struct Window {
    std::string title;
    int width = 300, height = 300;  // as requested with glutInitWindowSize
    int x = -1, y = -1;
    unsigned int display_mode = 0;
    bool full_screen = false;
    int cursor = 0;
};

class Recorder {
public:
    Recorder();

    // Everything recorded so far, in call order.
    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Call> calls_named(const std::string& name) const;
    std::size_t count(const std::string& name) const;

    const std::vector<Primitive>& primitives() const { return primitives_; }
    // Every GL_QUADS group split into quads, in drawing order.
    std::vector<Quad> quads() const;
    std::vector<Quad> quads_with_texture(GLuint name) const;
    const std::vector<Solid>& solids() const { return solids_; }

    // Errors OpenGL would have raised, in order (also returned by glGetError).
    const std::vector<GLenum>& errors() const { return errors_; }

    // Current state.
    GLuint bound_texture() const { return bound_texture_; }
    bool enabled(GLenum cap) const;
    const Material& front_material() const { return front_; }
    const Material& back_material() const { return back_; }
    const Light& light(int index) const { return lights_.at(index); }
    const std::map<GLuint, Texture>& textures() const { return textures_; }
    Mat4 modelview() const { return modelview_.back(); }
    Mat4 scene_matrix() const { return scene_.back(); }
    Mat4 projection() const { return projection_.back(); }
    std::size_t modelview_depth() const { return modelview_.size(); }
    std::array<int, 4> viewport() const { return viewport_; }
    GLenum matrix_mode() const { return matrix_mode_; }
    const Callbacks& callbacks() const { return callbacks_; }
    std::size_t redisplays() const { return count("glutPostRedisplay"); }

    // Name of the call that raised each entry of errors().
    const std::vector<std::string>& error_sources() const { return error_sources_; }
    Vec4 current_color() const { return color_; }
    Vec3 current_normal() const { return normal_; }
    std::array<float, 2> current_tex_coord() const { return {s_, t_}; }
    Mat4 texture_matrix() const { return texture_matrix_.back(); }
    std::size_t projection_depth() const { return projection_.size(); }
    GLint texture_env_mode() const { return texture_env_mode_; }
    Vec4 light_model_ambient() const { return light_model_ambient_; }
    GLenum color_material_face() const { return color_material_face_; }
    GLenum color_material_mode() const { return color_material_mode_; }
    const std::map<int, Menu>& menus() const { return menus_; }  // by id, from 1
    int current_menu() const { return current_menu_; }
    const Window& window() const { return window_; }

    // What glutGet and glutGetModifiers answer (window size, screen size,
    // GLUT_ELAPSED_TIME...); unknown queries answer 0.
    void set_glut_value(GLenum query, int value) { glut_values_[query] = value; }
    void set_modifiers(int modifiers) { modifiers_ = modifiers; }

    // Forget the recording (calls, primitives, solids, errors()) but keep the
    // state (bindings, materials, matrices, errors not yet taken by glGetError...).
    void clear_recording();
    // A fresh context: forget the recording and the state.
    void reset();

    // Used by the stand-in functions.
    void record(const std::string& name, std::vector<double> args = {}, std::string text = {});
    void raise(GLenum error);
    GLenum take_error();

private:
    friend struct Access;
    std::vector<Call> calls_;
    std::vector<Primitive> primitives_;
    std::vector<Solid> solids_;
    std::vector<GLenum> errors_;
    std::vector<GLenum> pending_errors_;

    bool in_begin_ = false;
    Primitive current_;
    float s_ = 0, t_ = 0;
    Vec3 normal_{0, 0, 1};
    Vec4 color_{1, 1, 1, 1};
    GLuint bound_texture_ = 0;
    GLuint next_texture_ = 1;
    std::map<GLenum, bool> enabled_;
    Material front_, back_;
    std::array<Light, 8> lights_{};
    std::map<GLuint, Texture> textures_;
    GLenum matrix_mode_ = GL_MODELVIEW;
    std::vector<Mat4> modelview_{Mat4{}};
    std::vector<Mat4> scene_{Mat4{}};
    std::vector<Mat4> projection_{Mat4{}};
    std::vector<Mat4> texture_matrix_{Mat4{}};
    std::array<int, 4> viewport_{0, 0, 0, 0};
    Callbacks callbacks_;

    std::vector<std::string> error_sources_;
    GLint texture_env_mode_ = GL_MODULATE;
    Vec4 light_model_ambient_{0.2f, 0.2f, 0.2f, 1};
    GLenum color_material_face_ = GL_FRONT_AND_BACK;
    GLenum color_material_mode_ = GL_AMBIENT_AND_DIFFUSE;
    std::map<int, Menu> menus_;
    int current_menu_ = 0;
    Window window_;
    int windows_ = 0;
    std::map<GLenum, int> glut_values_;
    int modifiers_ = 0;
    int unpack_alignment_ = 4;
    struct Map2 {
        int components = 0;
        float u1 = 0, u2 = 1, v1 = 0, v2 = 1;
        int uorder = 0, vorder = 0;
        std::vector<float> points;  // uorder * vorder control points, v varying fastest
    };
    std::map<GLenum, Map2> maps2_;
    int grid_un_ = 1, grid_vn_ = 1;
    float grid_u1_ = 0, grid_u2_ = 1, grid_v1_ = 0, grid_v2_ = 1;
    struct Attributes;
    std::vector<std::shared_ptr<Attributes>> attribute_stack_;
};

// The one recorder that the stand-in functions write to.
Recorder& recorder();

// True when a and b differ by at most tolerance on every axis.
bool near(Vec3 a, Vec3 b, float tolerance = 1e-4f);

}  // namespace glrec
