#include "faces.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#include <cmath>

#include "textures.h"

namespace castle_world {

namespace {

// Created once with texture coordinates on, and kept for the whole run.
GLUquadric* quadric() {
    static GLUquadric* q = [] {
        GLUquadric* made = gluNewQuadric();
        gluQuadricTexture(made, GL_TRUE);
        return made;
    }();
    return q;
}

using Quad = std::array<Corner, 4>;

Quad on_z(float x0, float y0, float x1, float y1, float z) {
    return {{{x0, y0, z, 0, 0}, {x0, y1, z, 0, 1}, {x1, y1, z, 1, 1}, {x1, y0, z, 1, 0}}};
}

Quad on_x(float z0, float y0, float z1, float y1, float x) {
    return {{{x, y0, z0, 0, 0}, {x, y1, z0, 0, 1}, {x, y1, z1, 1, 1}, {x, y0, z1, 1, 0}}};
}

Quad on_y(float x0, float z0, float x1, float z1, float y) {
    return {{{x0, y, z0, 0, 0}, {x0, y, z1, 0, 1}, {x1, y, z1, 1, 1}, {x1, y, z0, 1, 0}}};
}

}  // namespace

void Quads::quad(const Corner& a, const Corner& b, const Corner& c, const Corner& d) {
    quads_.push_back({slot_, {{a, b, c, d}}});
}

void Quads::face_z(float x0, float y0, float x1, float y1, float z) {
    quads_.push_back({slot_, on_z(x0, y0, x1, y1, z)});
}

void Quads::face_x(float z0, float y0, float z1, float y1, float x) {
    quads_.push_back({slot_, on_x(z0, y0, z1, y1, x)});
}

void Quads::face_y(float x0, float z0, float x1, float z1, float y) {
    quads_.push_back({slot_, on_y(x0, z0, x1, z1, y)});
}

void Quads::box(float x0, float y0, float z0, float x1, float y1, float z1, int sides, int edges) {
    texture(sides);
    face_z(x0, y0, x1, y1, z0);
    face_z(x0, y0, x1, y1, z1);
    texture(edges);
    face_x(z0, y0, z1, y1, x0);
    face_x(z0, y0, z1, y1, x1);
    face_y(x0, z0, x1, z1, y0);
    face_y(x0, z0, x1, z1, y1);
}

void Quads::tiles_y(float x0, float z0, int columns, int rows, float y) {
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j) {
            const float x = x0 + 10.0f * i, z = z0 + 10.0f * j;
            face_y(x, z, x + 10, z + 10, y);
        }
}

Pen::Pen(Mode mode) : mode_(mode) {
    if (mode_ == kMeasure) matrices_.push_back({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
}

void Pen::bind(int slot) {
    texel_.slot = slot;
    if (mode_ == kMeasure || (mode_ == kFast && bound_ == slot)) return;
    glBindTexture(GL_TEXTURE_2D, textureArray[slot]);
    bound_ = slot;
}

void Pen::vertex(const Corner& c) {
    texel_.s = c.s;
    texel_.t = c.t;
    if (mode_ == kMeasure) {
        take(c.x, c.y, c.z);
        return;
    }
    glTexCoord2f(c.s, c.t);
    glVertex3f(c.x, c.y, c.z);
}

void Pen::group(const Quads::Textured* first, const Quads::Textured* end) {
    bind(first->slot);
    if (mode_ != kMeasure) glBegin(GL_TRIANGLES);
    for (const Quads::Textured* q = first; q != end; ++q)
        for (std::size_t k : {0, 1, 2, 0, 2, 3}) vertex(q->corners[k]);
    if (mode_ != kMeasure) glEnd();
}

void Pen::draw(const Quads& quads) {
    const Quads::Textured* q = quads.all().data();
    const Quads::Textured* const end = q + quads.all().size();
    while (q != end) {
        const Quads::Textured* run = q + 1;
        if (mode_ != kPlain)
            while (run != end && run->slot == q->slot) ++run;
        group(q, run);
        q = run;
    }
}

void Pen::push() {
    if (mode_ == kMeasure)
        matrices_.push_back(matrices_.back());
    else
        glPushMatrix();
}

void Pen::pop() {
    if (mode_ == kMeasure)
        matrices_.pop_back();
    else
        glPopMatrix();
}

void Pen::multiply(const Matrix& m) {
    Matrix& top = matrices_.back();
    Matrix out{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                out[std::size_t(c * 4 + r)] += top[std::size_t(k * 4 + r)] * m[std::size_t(c * 4 + k)];
    top = out;
}

void Pen::translate(float x, float y, float z) {
    if (mode_ != kMeasure) {
        glTranslatef(x, y, z);
        return;
    }
    multiply({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1});
}

void Pen::rotate(float degrees, float x, float y, float z) {
    if (mode_ != kMeasure) {
        glRotatef(degrees, x, y, z);
        return;
    }
    const double length = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    const double u = x / length, v = y / length, w = z / length;
    const double a = degrees * M_PI / 180, c = std::cos(a), s = std::sin(a), d = 1 - c;
    multiply({u * u * d + c, v * u * d + w * s, w * u * d - v * s, 0,  //
              u * v * d - w * s, v * v * d + c, w * v * d + u * s, 0,  //
              u * w * d + v * s, v * w * d - u * s, w * w * d + c, 0,  //
              0, 0, 0, 1});
}

void Pen::scale(float x, float y, float z) {
    if (mode_ != kMeasure) {
        glScalef(x, y, z);
        return;
    }
    multiply({x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1});
}

void Pen::colour(float r, float g, float b) {
    if (mode_ != kMeasure) glColor3f(r, g, b);
}

void Pen::take(double x, double y, double z) {
    const Matrix& m = matrices_.back();
    const double p[3] = {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                         m[2] * x + m[6] * y + m[10] * z + m[14]};
    for (int a = 0; a < 3; ++a) {
        extent_.min[a] = std::fmin(extent_.min[a], float(p[a]));
        extent_.max[a] = std::fmax(extent_.max[a], float(p[a]));
    }
}

void Pen::solid_box(double x0, double y0, double z0, double x1, double y1, double z1) {
    for (int corner = 0; corner < 8; ++corner) take(corner & 1 ? x1 : x0, corner & 2 ? y1 : y0, corner & 4 ? z1 : z0);
}

void Pen::cube(double side) {
    if (texel_.slot < 0) shows_earlier_ = true;
    if (mode_ == kMeasure)
        solid_box(-side / 2, -side / 2, -side / 2, side / 2, side / 2, side / 2);
    else
        glutSolidCube(side);
}

void Pen::cube_at(float x, float y, float z, float sx, float sy, float sz, double side) {
    push();
    translate(x, y, z);
    scale(sx, sy, sz);
    cube(side);
    pop();
}

void Pen::cone(double base, double height, int slices, int stacks) {
    if (texel_.slot < 0) shows_earlier_ = true;
    if (mode_ == kMeasure)
        solid_box(-base, -base, 0, base, base, height);
    else
        glutSolidCone(base, height, slices, stacks);
}

void Pen::torus(double inner, double outer, int sides, int rings) {
    if (texel_.slot < 0) shows_earlier_ = true;
    const double r = inner + outer;
    if (mode_ == kMeasure)
        solid_box(-r, -r, -inner, r, r, inner);
    else
        glutSolidTorus(inner, outer, sides, rings);
}

void Pen::cylinder(double base, double top, double height, int slices, int stacks) {
    const double r = std::fmax(base, top);
    if (mode_ == kMeasure)
        solid_box(-r, -r, 0, r, r, height);
    else
        gluCylinder(quadric(), base, top, height, slices, stacks);
}

void Pen::sphere(double radius, int slices, int stacks) {
    if (mode_ == kMeasure)
        solid_box(-radius, -radius, -radius, radius, radius, radius);
    else
        gluSphere(quadric(), radius, slices, stacks);
}

void Pen::call(unsigned list, const Texel& left) {
    if (mode_ != kMeasure) glCallList(list);
    // The list binds its own textures; afterwards its last one is bound.
    if (left.slot >= 0) {
        bound_ = left.slot;
        texel_ = left;
    }
}

void Pen::restore(const Texel& left) {
    if (left.slot < 0) return;
    bind(left.slot);
    texel_ = left;
    if (mode_ != kMeasure) glTexCoord2f(left.s, left.t);
}

}  // namespace castle_world
