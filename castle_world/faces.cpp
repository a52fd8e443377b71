#include "faces.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include "textures.h"

namespace castle_world {

namespace {

bool fast = false;
int wanted = 0;
bool open_group = false;
bool bound_known = false;
int bound_slot = 0;
int last_slot = -1;
float last_s = 0, last_t = 0;

void vertex(const Corner& c) {
    last_s = c.s;
    last_t = c.t;
    glTexCoord2f(c.s, c.t);
    glVertex3f(c.x, c.y, c.z);
}

}  // namespace

void set_fast_quads(bool on) {
    end_quads();
    forget_binding();
    fast = on;
}

bool fast_quads() { return fast; }

void use_texture(int slot) { wanted = slot; }

void end_quads() {
    if (open_group) glEnd();
    open_group = false;
}

void forget_binding() { bound_known = false; }

void assume_bound(int slot) {
    bound_known = slot >= 0;
    bound_slot = slot;
}

void bind_texture(int slot) {
    end_quads();
    wanted = slot;
    last_slot = slot;
    if (fast && bound_known && bound_slot == slot) return;
    glBindTexture(GL_TEXTURE_2D, textureArray[slot]);
    bound_known = true;
    bound_slot = slot;
}

Trace trace() { return {last_slot, last_s, last_t}; }

void replay(const Trace& t) {
    end_quads();
    if (t.slot >= 0) bind_texture(t.slot);
    glTexCoord2f(t.s, t.t);
    last_s = t.s;
    last_t = t.t;
}

void quad(const Corner& a, const Corner& b, const Corner& c, const Corner& d) {
    last_slot = wanted;
    if (!fast) {
        glBindTexture(GL_TEXTURE_2D, textureArray[wanted]);
        glBegin(GL_TRIANGLES);
    } else if (!open_group || !bound_known || bound_slot != wanted) {
        end_quads();
        if (!bound_known || bound_slot != wanted) glBindTexture(GL_TEXTURE_2D, textureArray[wanted]);
        bound_known = true;
        bound_slot = wanted;
        glBegin(GL_TRIANGLES);
        open_group = true;
    }
    vertex(a);
    vertex(b);
    vertex(c);
    vertex(a);
    vertex(c);
    vertex(d);
    if (!fast) glEnd();
}

void face_z(float x0, float y0, float x1, float y1, float z) {
    quad({x0, y0, z, 0, 0}, {x0, y1, z, 0, 1}, {x1, y1, z, 1, 1}, {x1, y0, z, 1, 0});
}

void face_x(float z0, float y0, float z1, float y1, float x) {
    quad({x, y0, z0, 0, 0}, {x, y1, z0, 0, 1}, {x, y1, z1, 1, 1}, {x, y0, z1, 1, 0});
}

void face_y(float x0, float z0, float x1, float z1, float y) {
    quad({x0, y, z0, 0, 0}, {x0, y, z1, 0, 1}, {x1, y, z1, 1, 1}, {x1, y, z0, 1, 0});
}

void box(float x0, float y0, float z0, float x1, float y1, float z1, int sides, int edges) {
    use_texture(sides);
    face_z(x0, y0, x1, y1, z0);
    face_z(x0, y0, x1, y1, z1);
    use_texture(edges);
    face_x(z0, y0, z1, y1, x0);
    face_x(z0, y0, z1, y1, x1);
    face_y(x0, z0, x1, z1, y0);
    face_y(x0, z0, x1, z1, y1);
}

void tiles_y(float x0, float z0, int columns, int rows, float y, int slot) {
    use_texture(slot);
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j) {
            const float x = x0 + 10.0f * i, z = z0 + 10.0f * j;
            face_y(x, z, x + 10, z + 10, y);
        }
}

void cube_at(float x, float y, float z, float sx, float sy, float sz, double side) {
    end_quads();
    glPushMatrix();
    glTranslatef(x, y, z);
    glScalef(sx, sy, sz);
    glutSolidCube(side);
    glPopMatrix();
}

void colour(float r, float g, float b) {
    end_quads();
    glColor3f(r, g, b);
}

GLUquadric* quadric() {
    static GLUquadric* q = [] {
        GLUquadric* made = gluNewQuadric();
        gluQuadricTexture(made, GL_TRUE);
        return made;
    }();
    end_quads();
    return q;
}

}  // namespace castle_world
