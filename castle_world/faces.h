#pragma once
// The Pen: the one way the castle world's drawing reaches OpenGL. Every
// object is drawn through one, as textured quads, matrix steps, colours and
// solids; the drawing files include no GL header of their own.
//
// Quads are gathered first, as plain values, then drawn by one call, which
// begins and ends its groups of triangles itself: whatever comes next, a
// colour, a matrix, a solid or a display list, finds GL outside any glBegin.
// The plain pen binds and sends every quad on its own; the fast one sends
// each run of one texture as one group, and skips a bind when it knows that
// texture is bound. A pen lasts one drawing pass (a frame, one display
// list), which binds textures only through it.
//
// A quad a b c d is sent as the triangles a b c and a c d. Mesa splits
// GL_QUADS along either diagonal depending on how its buffers happen to
// batch, so one quad came out a few pixels different from frame to frame;
// with the split fixed here every path draws the same pixels.
//
// A measuring pen draws nothing: it follows the matrices itself and gathers
// the box of everything it would have drawn, solids included.

#include <array>
#include <cstddef>
#include <vector>

namespace castle_world {

struct Corner {
    float x, y, z, s, t;
};

struct Box {
    float min[3], max[3];
};

// What a GLUT solid shows, having no texture coordinates of its own: the
// bound texture at the coordinate sent last.
struct Texel {
    int slot = -1;  // -1: nothing bound by this drawing
    float s = 0, t = 0;
};

// Quads of textureArray slots, in drawing order.
class Quads {
public:
    explicit Quads(int slot) : slot_(slot) {}

    // The next quads use this slot.
    void texture(int slot) { slot_ = slot; }
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
    void tiles_y(float x0, float z0, int columns, int rows, float y);

    struct Textured {
        int slot;
        std::array<Corner, 4> corners;
    };
    const std::vector<Textured>& all() const { return quads_; }

private:
    int slot_;
    std::vector<Textured> quads_;
};

class Pen {
public:
    enum Mode { kPlain, kFast, kMeasure };
    explicit Pen(Mode mode);
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    // Every group it begins it ends before returning.
    void draw(const Quads& quads);

    void push();
    void pop();
    void translate(float x, float y, float z);
    void rotate(float degrees, float x, float y, float z);
    void scale(float x, float y, float z);
    void colour(float r, float g, float b);

    // Binds a slot now, for the quadric or solid that follows.
    void bind(int slot);
    void cube(double side);
    // cube(side) scaled by (sx, sy, sz) and centred at (x, y, z).
    void cube_at(float x, float y, float z, float sx, float sy, float sz, double side);
    void cone(double base, double height, int slices, int stacks);
    void torus(double inner, double outer, int sides, int rings);
    // Quadrics, with texture coordinates of their own.
    void cylinder(double base, double top, double height, int slices, int stacks);
    void sphere(double radius, int slices, int stacks);

    // Calls a display list whose drawing left `left` behind.
    void call(unsigned list, const Texel& left);
    // Binds and sends what an earlier drawing left, for a solid that shows it.
    void restore(const Texel& left);

    // What a solid drawn now would show, as far as this pen has drawn.
    Texel texel() const { return texel_; }
    // Whether a GLUT solid came before this pen's first bind, showing
    // whatever was drawn before it.
    bool shows_earlier() const { return shows_earlier_; }
    // A measuring pen: the box of all it drew, in the coordinates it started in.
    Box extent() const { return extent_; }

private:
    using Matrix = std::array<double, 16>;  // column-major, as GL keeps it
    // One group of triangles of one texture, begun and ended here.
    void group(const Quads::Textured* first, const Quads::Textured* end);
    void vertex(const Corner& c);
    void multiply(const Matrix& m);
    void take(double x, double y, double z);
    // A solid without texture coordinates, with its own box.
    void solid_box(double x0, double y0, double z0, double x1, double y1, double z1);

    Mode mode_;
    int bound_ = -1;  // -1: not known
    Texel texel_;
    bool shows_earlier_ = false;
    std::vector<Matrix> matrices_;
    Box extent_{{1e30f, 1e30f, 1e30f}, {-1e30f, -1e30f, -1e30f}};
};

}  // namespace castle_world
