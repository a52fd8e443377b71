// GLU's matrix helpers and mipmap builder over the fixed-function layer.
#include <GL/glu.h>

#include <cstring>

#include "context.h"
#include "mipmap.h"
#include "quadrics.h"
#include "port.h"

// Only smooth normals, filled and facing out: what the programs ask of quadrics.
struct GLUquadric {
    bool textured = false;
};

namespace {

// Through the immediate-mode entry points, so display lists keep them.
void draw_strips(const std::vector<ff::Strip>& strips, bool textured) {
    for (const ff::Strip& s : strips) {
        glBegin(s.mode);
        for (std::size_t v = 0; v < s.pos.size() / 3; ++v) {
            glNormal3fv(&s.normal[3 * v]);
            if (textured) glTexCoord2fv(&s.tex[2 * v]);
            glVertex3fv(&s.pos[3 * v]);
        }
        glEnd();
    }
}

}  // namespace

extern "C" {

GLUquadric* gluNewQuadric(void) { return new GLUquadric; }
void gluDeleteQuadric(GLUquadric* quad) { delete quad; }
void gluQuadricTexture(GLUquadric* quad, GLboolean texture) {
    if (quad) quad->textured = texture != 0;
}
void gluQuadricNormals(GLUquadric*, GLenum) {}

void gluSphere(GLUquadric* quad, GLdouble radius, GLint slices, GLint stacks) {
    if (quad) draw_strips(ff::sphere(radius, slices, stacks, quad->textured), quad->textured);
}

void gluCylinder(GLUquadric* quad, GLdouble base, GLdouble top, GLdouble height, GLint slices, GLint stacks) {
    if (quad) draw_strips(ff::cylinder(base, top, height, slices, stacks), quad->textured);
}

// Through glMultMatrixf, so a display list being compiled keeps them.
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble n, GLdouble f) {
    glMultMatrixf(ff::perspective(fovy, aspect, n, f).data());
}

void gluLookAt(GLdouble ex, GLdouble ey, GLdouble ez, GLdouble cx, GLdouble cy, GLdouble cz, GLdouble ux,
               GLdouble uy, GLdouble uz) {
    glMultMatrixf(ff::look_at(ex, ey, ez, cx, cy, cz, ux, uy, uz).data());
}

void gluOrtho2D(GLdouble l, GLdouble r, GLdouble b, GLdouble t) { glOrtho(l, r, b, t, -1, 1); }

GLint gluBuild2DMipmaps(GLenum target, GLint, GLsizei width, GLsizei height, GLenum format, GLenum type,
                        const void* data) {
    ff::Context* c = web::context();
    if (!c) return GL_INVALID_OPERATION;
    if (target != GL_TEXTURE_2D || type != GL_UNSIGNED_BYTE) return GLU_INVALID_ENUM;
    if (width < 1 || height < 1 || !data) return GLU_INVALID_VALUE;
    const int channels = format == GL_RGBA ? 4 : format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2 : 1;
    // The source rows follow the unpack alignment; the levels go up tightly packed.
    const int align = c->unpack_alignment();
    const int row = (width * channels + align - 1) / align * align;
    ff::Image base{width, height, channels, std::vector<unsigned char>(std::size_t(width) * height * channels)};
    for (int y = 0; y < height; ++y)
        std::memcpy(&base.pixels[std::size_t(y) * width * channels],
                    static_cast<const unsigned char*>(data) + std::size_t(y) * row, std::size_t(width) * channels);
    const std::vector<ff::Image> levels = ff::mipmap_chain(base, c->max_texture_size());
    const int saved = c->unpack_alignment();
    c->pixel_store(GL_UNPACK_ALIGNMENT, 1);
    for (std::size_t i = 0; i < levels.size(); ++i)
        c->tex_image(int(i), levels[i].width, levels[i].height, format, levels[i].pixels.data());
    c->pixel_store(GL_UNPACK_ALIGNMENT, saved);
    return 0;
}

const GLubyte* gluErrorString(GLenum error) {
    const char* s = "unknown error";
    switch (error) {
        case GL_NO_ERROR: s = "no error"; break;
        case GL_INVALID_ENUM:
        case GLU_INVALID_ENUM: s = "invalid enumerant"; break;
        case GL_INVALID_VALUE:
        case GLU_INVALID_VALUE: s = "invalid value"; break;
        case GL_INVALID_OPERATION: s = "invalid operation"; break;
        case GL_STACK_OVERFLOW: s = "stack overflow"; break;
        case GL_STACK_UNDERFLOW: s = "stack underflow"; break;
        case GL_OUT_OF_MEMORY:
        case GLU_OUT_OF_MEMORY: s = "out of memory"; break;
    }
    return reinterpret_cast<const GLubyte*>(s);
}

}  // extern "C"
