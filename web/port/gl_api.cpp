// OpenGL's C entry points, forwarded to the one context of the page.
#include <GL/gl.h>

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

#define WITH_GL(call)                 \
    do {                              \
        if (ff::Context* c = gl()) c->call; \
    } while (0)

extern "C" {

void glBegin(GLenum mode) { WITH_GL(begin(mode)); }
void glEnd(void) { WITH_GL(end()); }
void glVertex2f(GLfloat x, GLfloat y) { WITH_GL(vertex(x, y, 0)); }
void glVertex2i(GLint x, GLint y) { WITH_GL(vertex(GLfloat(x), GLfloat(y), 0)); }
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) { WITH_GL(vertex(x, y, z)); }
void glVertex3fv(const GLfloat* v) { WITH_GL(vertex(v[0], v[1], v[2])); }
void glVertex3d(GLdouble x, GLdouble y, GLdouble z) { WITH_GL(vertex(GLfloat(x), GLfloat(y), GLfloat(z))); }
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) { WITH_GL(normal(x, y, z)); }
void glNormal3fv(const GLfloat* v) { WITH_GL(normal(v[0], v[1], v[2])); }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { WITH_GL(color(r, g, b, 1)); }
void glColor3fv(const GLfloat* v) { WITH_GL(color(v[0], v[1], v[2], 1)); }
void glColor3ub(GLubyte r, GLubyte g, GLubyte b) { WITH_GL(color(r / 255.f, g / 255.f, b / 255.f, 1)); }
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { WITH_GL(color(r, g, b, a)); }
void glColor4fv(const GLfloat* v) { WITH_GL(color(v[0], v[1], v[2], v[3])); }
void glTexCoord2f(GLfloat s, GLfloat t) { WITH_GL(tex_coord(s, t)); }
void glTexCoord2fv(const GLfloat* v) { WITH_GL(tex_coord(v[0], v[1])); }

void glMatrixMode(GLenum mode) { WITH_GL(matrix_mode(mode)); }
void glLoadIdentity(void) { WITH_GL(load_identity()); }
void glLoadMatrixf(const GLfloat* m) { WITH_GL(load_matrix(to_mat4(m))); }
void glMultMatrixf(const GLfloat* m) { WITH_GL(mult_matrix(to_mat4(m))); }
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
void glFlush(void) { WITH_GL(flush()); }
void glFinish(void) { WITH_GL(finish()); }
GLenum glGetError(void) { return gl() ? gl()->take_error() : GLenum(GL_NO_ERROR); }
void glGetIntegerv(GLenum pname, GLint* params) { WITH_GL(get_integer(pname, params)); }
void glGetFloatv(GLenum pname, GLfloat* params) { WITH_GL(get_float(pname, params)); }
void glPixelStorei(GLenum pname, GLint param) { WITH_GL(pixel_store(pname, param)); }

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

void glLightf(GLenum light, GLenum pname, GLfloat param) { WITH_GL(light(light, pname, &param)); }
void glLightfv(GLenum light, GLenum pname, const GLfloat* params) { WITH_GL(light(light, pname, params)); }
void glLightModelf(GLenum pname, GLfloat param) { WITH_GL(light_model(pname, &param)); }
void glLightModelfv(GLenum pname, const GLfloat* params) { WITH_GL(light_model(pname, params)); }
void glLightModeli(GLenum pname, GLint param) {
    const GLfloat v = GLfloat(param);
    WITH_GL(light_model(pname, &v));
}
void glMaterialf(GLenum face, GLenum pname, GLfloat param) { WITH_GL(material(face, pname, &param)); }
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) { WITH_GL(material(face, pname, params)); }
void glColorMaterial(GLenum face, GLenum mode) { WITH_GL(color_material(face, mode)); }

void glGenTextures(GLsizei n, GLuint* textures) { WITH_GL(gen_textures(n, textures)); }
void glDeleteTextures(GLsizei n, const GLuint* textures) { WITH_GL(delete_textures(n, textures)); }
void glBindTexture(GLenum target, GLuint texture) {
    if (target == GL_TEXTURE_2D) WITH_GL(bind_texture(texture));
}
void glTexImage2D(GLenum target, GLint level, GLint, GLsizei width, GLsizei height, GLint border, GLenum format,
                  GLenum type, const GLvoid* pixels) {
    if (target != GL_TEXTURE_2D || type != GL_UNSIGNED_BYTE || border != 0) {
        if (gl()) gl()->set_error(GL_INVALID_ENUM);
        return;
    }
    WITH_GL(tex_image(level, width, height, format, static_cast<const unsigned char*>(pixels)));
}
void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    if (target == GL_TEXTURE_2D) WITH_GL(tex_parameter(pname, param));
}
void glTexParameterf(GLenum target, GLenum pname, GLfloat param) { glTexParameteri(target, pname, GLint(param)); }
void glTexEnvi(GLenum, GLenum pname, GLint param) { WITH_GL(tex_env(pname, param)); }
void glTexEnvf(GLenum target, GLenum pname, GLfloat param) { glTexEnvi(target, pname, GLint(param)); }

void glMap2f(GLenum target, GLfloat u1, GLfloat u2, GLint ustride, GLint uorder, GLfloat v1, GLfloat v2,
             GLint vstride, GLint vorder, const GLfloat* points) {
    WITH_GL(map2(target, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points));
}
void glMapGrid2f(GLint un, GLfloat u1, GLfloat u2, GLint vn, GLfloat v1, GLfloat v2) { WITH_GL(map_grid2(un, u1, u2, vn, v1, v2)); }
void glEvalMesh2(GLenum mode, GLint i1, GLint i2, GLint j1, GLint j2) { WITH_GL(eval_mesh2(mode, i1, i2, j1, j2)); }
void glEvalCoord2f(GLfloat u, GLfloat v) { WITH_GL(eval_coord2(u, v)); }

}  // extern "C"
