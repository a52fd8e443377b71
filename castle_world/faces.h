#pragma once
// What every drawing function of the castle world draws with: textured quads,
// boxes, tiles, GLUT solids at a place, and the one quadric.
//
// Quads go through quad(), which binds the texture chosen last. The plain
// path binds and opens a group for every quad; the fast path binds only when
// the texture changes and keeps one group open across quads of the same
// texture.
//
// A quad a b c d is sent as the triangles a b c and a c d. Mesa splits
// GL_QUADS along either diagonal depending on how its buffers happen to
// batch, so one quad came out a few pixels different from frame to frame;
// with the split fixed here every path draws the same pixels. Anything that is not a vertex (matrices, colours, solids)
// must come after end_quads(), which the helpers here call themselves.

#include <GL/glu.h>

namespace castle_world {

void set_fast_quads(bool on);
bool fast_quads();

// The next quads use this slot of textureArray.
void use_texture(int slot);
// Closes an open group of quads; call before any other GL call.
void end_quads();
// Binds a slot now, for a quadric or solid that follows.
void bind_texture(int slot);
// What a drawing left behind that a following GLUT solid shows: the bound
// slot (-1 when unknown) and the last texture coordinate sent.
struct Trace {
    int slot;
    float s, t;
};
Trace trace();
// Puts that state back as if the drawing had run.
void replay(const Trace& t);
// A display list just bound this slot.
void assume_bound(int slot);
// The bound texture is unknown (after a display list or a foreign bind).
void forget_binding();

struct Corner {
    float x, y, z, s, t;
};
void quad(const Corner& a, const Corner& b, const Corner& c, const Corner& d);

// Quads in one axis plane, texture (0, 0) at the low corner, (0, 1), (1, 1)
// at the high corner, (1, 0): the whole image once, t growing with y (with z
// for face_y), s with x (face_z, face_y) or z (face_x).
void face_z(float x0, float y0, float x1, float y1, float z);
void face_x(float z0, float y0, float z1, float y1, float x);
void face_y(float x0, float z0, float x1, float z1, float y);

// A closed box: its two faces across z in `sides`, the other four in `edges`.
void box(float x0, float y0, float z0, float x1, float y1, float z1, int sides, int edges);

// columns x rows square tiles of side 10 in the plane y, from (x0, z0).
void tiles_y(float x0, float z0, int columns, int rows, float y, int slot);

// glutSolidCube(side) scaled by (sx, sy, sz) and centred at (x, y, z).
void cube_at(float x, float y, float z, float sx, float sy, float sz, double side);

void colour(float r, float g, float b);

// Created once with texture coordinates on, and kept for the whole run.
GLUquadric* quadric();

}  // namespace castle_world
