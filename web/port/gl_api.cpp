// OpenGL's C entry points, forwarded to the one context of the page.
#include <GL/gl.h>

#include <array>
#include <vector>

#include "context.h"
#include "port.h"

namespace {

ff::Context* gl() { return web::context(); }

ff::Mat4 to_mat4(const GLfloat* m) {
    ff::Mat4 r;
    for (int i = 0; i < 16; ++i) r[i] = m[i];
    return r;
}

}  // namespace

// Runs a call, or while a display list is compiled records it (and runs it
// too under GL_COMPILE_AND_EXECUTE). Arguments are captured by value.
#define WITH_GL(call)                                                  \
    do {                                                               \
        if (ff::Context* c = gl()) {                                   \
            if (c->compiling()) {                                      \
                c->record([=](ff::Context& k) { k.call; });            \
                if (!c->executing()) break;                            \
            }                                                          \
            c->call;                                                   \
        }                                                              \
    } while (0)

// Calls that are never kept in a list: vertices and their attributes (the
// context gathers those itself), queries, object names and client state.
#define NOW(call)                           \
    do {                                    \
        if (ff::Context* c = gl()) c->call; \
    } while (0)

// How many floats a vector parameter holds, so a list keeps a copy of just those.
int values_of(GLenum pname) {
    switch (pname) {
        case GL_AMBIENT: case GL_DIFFUSE: case GL_SPECULAR: case GL_POSITION: case GL_EMISSION:
        case GL_AMBIENT_AND_DIFFUSE: case GL_LIGHT_MODEL_AMBIENT: return 4;
        case GL_SPOT_DIRECTION: return 3;
        default: return 1;
    }
}

std::array<GLfloat, 4> vec(GLenum pname, const GLfloat* p) {
    std::array<GLfloat, 4> v{};
    for (int i = 0; i < values_of(pname); ++i) v[i] = p[i];
    return v;
}

extern "C" {

void glBegin(GLenum mode) { NOW(begin(mode)); }
void glEnd(void) { NOW(end()); }
void glVertex2f(GLfloat x, GLfloat y) { NOW(vertex(x, y, 0)); }
void glVertex2i(GLint x, GLint y) { NOW(vertex(GLfloat(x), GLfloat(y), 0)); }
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) { NOW(vertex(x, y, z)); }
void glVertex3fv(const GLfloat* v) { NOW(vertex(v[0], v[1], v[2])); }
void glVertex3d(GLdouble x, GLdouble y, GLdouble z) { NOW(vertex(GLfloat(x), GLfloat(y), GLfloat(z))); }
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) { NOW(normal(x, y, z)); }
void glNormal3fv(const GLfloat* v) { NOW(normal(v[0], v[1], v[2])); }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { NOW(color(r, g, b, 1)); }
void glColor3fv(const GLfloat* v) { NOW(color(v[0], v[1], v[2], 1)); }
void glColor3ub(GLubyte r, GLubyte g, GLubyte b) { NOW(color(r / 255.f, g / 255.f, b / 255.f, 1)); }
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { NOW(color(r, g, b, a)); }
void glColor4fv(const GLfloat* v) { NOW(color(v[0], v[1], v[2], v[3])); }
void glTexCoord2f(GLfloat s, GLfloat t) { NOW(tex_coord(s, t)); }
void glTexCoord2fv(const GLfloat* v) { NOW(tex_coord(v[0], v[1])); }

void glMatrixMode(GLenum mode) { WITH_GL(matrix_mode(mode)); }
void glLoadIdentity(void) { WITH_GL(load_identity()); }
void glLoadMatrixf(const GLfloat* m) {
    const ff::Mat4 mat = to_mat4(m);
    WITH_GL(load_matrix(mat));
}
void glMultMatrixf(const GLfloat* m) {
    const ff::Mat4 mat = to_mat4(m);
    WITH_GL(mult_matrix(mat));
}
void glPushMatrix(void) { WITH_GL(push_matrix()); }
void glPopMatrix(void) { WITH_GL(pop_matrix()); }
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) { WITH_GL(mult_matrix(ff::translation(x, y, z))); }
void glTranslated(GLdouble x, GLdouble y, GLdouble z) { glTranslatef(GLfloat(x), GLfloat(y), GLfloat(z)); }
void glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z) { WITH_GL(mult_matrix(ff::rotation(a, x, y, z))); }
void glRotated(GLdouble a, GLdouble x, GLdouble y, GLdouble z) { glRotatef(GLfloat(a), GLfloat(x), GLfloat(y), GLfloat(z)); }
void glScalef(GLfloat x, GLfloat y, GLfloat z) { WITH_GL(mult_matrix(ff::scaling(x, y, z))); }
void glScaled(GLdouble x, GLdouble y, GLdouble z) { glScalef(GLfloat(x), GLfloat(y), GLfloat(z)); }
void glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) { WITH_GL(mult_matrix(ff::ortho(l, r, b, t, n, f))); }
void glFrustum(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) { WITH_GL(mult_matrix(ff::frustum(l, r, b, t, n, f))); }
void glViewport(GLint x, GLint y, GLsizei w, GLsizei h) { WITH_GL(viewport(x, y, w, h)); }

void glEnable(GLenum cap) { WITH_GL(set_enabled(cap, true)); }
void glDisable(GLenum cap) { WITH_GL(set_enabled(cap, false)); }
GLboolean glIsEnabled(GLenum cap) { return gl() && gl()->is_enabled(cap); }
void glHint(GLenum, GLenum) {}  // WebGL interpolates with perspective correction anyway
void glShadeModel(GLenum mode) { WITH_GL(shade_model(mode)); }
void glPolygonMode(GLenum face, GLenum mode) { WITH_GL(polygon_mode(face, mode)); }
void glCullFace(GLenum mode) { WITH_GL(cull_face(mode)); }
void glFrontFace(GLenum mode) { WITH_GL(front_face(mode)); }
void glDepthFunc(GLenum func) { WITH_GL(depth_func(func)); }
void glDepthMask(GLboolean flag) { WITH_GL(depth_mask(flag != 0)); }
void glBlendFunc(GLenum s, GLenum d) { WITH_GL(blend_func(s, d)); }
void glLineWidth(GLfloat w) { WITH_GL(line_width(w)); }
void glPointSize(GLfloat) {}
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) { WITH_GL(clear_color(r, g, b, a)); }
void glClearDepth(GLclampd d) { WITH_GL(clear_depth(GLfloat(d))); }
void glClear(GLbitfield mask) { WITH_GL(clear(mask)); }
void glFlush(void) { NOW(present()); }
void glFinish(void) { NOW(finish()); }
GLenum glGetError(void) { return gl() ? gl()->take_error() : GLenum(GL_NO_ERROR); }
void glGetIntegerv(GLenum pname, GLint* params) { NOW(get_integer(pname, params)); }
void glGetFloatv(GLenum pname, GLfloat* params) { NOW(get_float(pname, params)); }
void glPixelStorei(GLenum pname, GLint param) { NOW(pixel_store(pname, param)); }

const GLubyte* glGetString(GLenum name) {
    const char* s = "";
    switch (name) {
        case GL_VENDOR: s = "opengl-scenes"; break;
        case GL_RENDERER: s = "fixed-function layer over WebGL 1.0"; break;
        case GL_VERSION: s = "1.1 (the subset these programs use, over WebGL 1.0)"; break;
        case GL_EXTENSIONS: s = ""; break;
        default: if (gl()) gl()->set_error(GL_INVALID_ENUM);
    }
    return reinterpret_cast<const GLubyte*>(s);
}

void glLightf(GLenum light, GLenum pname, GLfloat param) { glLightfv(light, pname, &param); }
void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    const std::array<GLfloat, 4> v = vec(pname, params);
    WITH_GL(light(light, pname, v.data()));
}
void glLightModelf(GLenum pname, GLfloat param) { glLightModelfv(pname, &param); }
void glLightModelfv(GLenum pname, const GLfloat* params) {
    const std::array<GLfloat, 4> v = vec(pname, params);
    WITH_GL(light_model(pname, v.data()));
}
void glLightModeli(GLenum pname, GLint param) {
    const GLfloat v = GLfloat(param);
    glLightModelfv(pname, &v);
}
void glMaterialf(GLenum face, GLenum pname, GLfloat param) { glMaterialfv(face, pname, &param); }
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    const std::array<GLfloat, 4> v = vec(pname, params);
    WITH_GL(material(face, pname, v.data()));
}
void glColorMaterial(GLenum face, GLenum mode) { WITH_GL(color_material(face, mode)); }

void glGenTextures(GLsizei n, GLuint* textures) { NOW(gen_textures(n, textures)); }
void glDeleteTextures(GLsizei n, const GLuint* textures) { NOW(delete_textures(n, textures)); }
void glBindTexture(GLenum target, GLuint texture) {
    if (target == GL_TEXTURE_2D) WITH_GL(bind_texture(texture));
}
void glTexImage2D(GLenum target, GLint level, GLint, GLsizei width, GLsizei height, GLint border, GLenum format,
                  GLenum type, const GLvoid* pixels) {
    if (target != GL_TEXTURE_2D || type != GL_UNSIGNED_BYTE || border != 0) {
        if (gl()) gl()->set_error(GL_INVALID_ENUM);
        return;
    }
    NOW(tex_image(level, width, height, format, static_cast<const unsigned char*>(pixels)));
}
void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    if (target == GL_TEXTURE_2D) WITH_GL(tex_parameter(pname, param));
}
void glTexParameterf(GLenum target, GLenum pname, GLfloat param) { glTexParameteri(target, pname, GLint(param)); }
void glTexEnvi(GLenum, GLenum pname, GLint param) { WITH_GL(tex_env(pname, param)); }
void glTexEnvf(GLenum target, GLenum pname, GLfloat param) { glTexEnvi(target, pname, GLint(param)); }

void glMap2f(GLenum target, GLfloat u1, GLfloat u2, GLint ustride, GLint uorder, GLfloat v1, GLfloat v2,
             GLint vstride, GLint vorder, const GLfloat* points) {
    NOW(map2(target, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points));
}
void glMapGrid2f(GLint un, GLfloat u1, GLfloat u2, GLint vn, GLfloat v1, GLfloat v2) { WITH_GL(map_grid2(un, u1, u2, vn, v1, v2)); }
void glEvalMesh2(GLenum mode, GLint i1, GLint i2, GLint j1, GLint j2) { WITH_GL(eval_mesh2(mode, i1, i2, j1, j2)); }
void glEvalCoord2f(GLfloat u, GLfloat v) { WITH_GL(eval_coord2(u, v)); }

GLuint glGenLists(GLsizei range) { return gl() ? gl()->gen_lists(range) : 0; }
void glNewList(GLuint list, GLenum mode) { NOW(new_list(list, mode)); }
void glEndList(void) { NOW(end_list()); }
void glCallList(GLuint list) { NOW(call_list(list)); }  // the context records it when compiling
void glDeleteLists(GLuint list, GLsizei range) { NOW(delete_lists(list, range)); }
GLboolean glIsList(GLuint list) { return gl() && gl()->is_list(list); }

}  // extern "C"
