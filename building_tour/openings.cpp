#include "openings.h"

#include <GL/gl.h>

#include <cstddef>

#include "faces.h"
#include "state.h"
#include "textures.h"

namespace building_tour {

namespace {

// A box by its ranges, relative to the corner a piece's arguments name.
struct Extent {
    float x0, x1, y0, y1, z0, z1;
};

enum class Side { low_x, high_x, low_y, high_y, low_z, high_z };

// Corner orders as the low (L) or high (H) end of the two coordinates that
// vary on the face, in axis order.
enum End { L, H };
using CornerOrder = End[4][2];
constexpr CornerOrder kXPlane = {{L, H}, {H, H}, {H, L}, {L, L}};  // (y, z)
constexpr CornerOrder kYPlane = {{L, H}, {L, L}, {H, L}, {H, H}};  // (x, z)
constexpr CornerOrder kZPlane = {{L, L}, {L, H}, {H, H}, {H, L}};  // (x, y)
// The window frame's own orders: from the high corner down, and across the top first.
constexpr CornerOrder kFromHigh = {{H, H}, {H, L}, {L, L}, {L, H}};
constexpr CornerOrder kAcross = {{L, H}, {H, H}, {H, L}, {L, L}};

struct BoxFace {
    Side side;
    const CornerOrder* order;
    const TexturePattern* pattern;
};

// Leaf stile: all six faces.
constexpr BoxFace kStileFaces[] = {
    {Side::low_x, &kXPlane, &kStraight},  {Side::high_x, &kXPlane, &kStraight},
    {Side::high_z, &kZPlane, &kStraight}, {Side::low_z, &kZPlane, &kStraight},
    {Side::low_y, &kYPlane, &kStraight},  {Side::high_y, &kYPlane, &kStraight},
};
// Rails, lintels and posts: front and back, then bottom and top; the ends stay open.
constexpr BoxFace kBarFaces[] = {
    {Side::high_z, &kZPlane, &kStraight},
    {Side::low_z, &kZPlane, &kStraight},
    {Side::low_y, &kYPlane, &kTurned},
    {Side::high_y, &kYPlane, &kTurned},
};

constexpr float kGateDepth = 0.4f;
constexpr Extent kStile{0, 0.6f, 0, 17, -kGateDepth, 0};
constexpr Extent kRail{0.6f, 9.1f, 0, 0.4f, -kGateDepth, 0};
constexpr Extent kLintel{0, 20, 17.2f, 17.8f, -kGateDepth, 0};
constexpr Extent kPost{0, 0.6f, 17.8f, 19.6f, -kGateDepth, 0};

// Window frame: jambs, head and sill, then two mullions and the transom.
constexpr BoxFace kRevealFaces[] = {
    {Side::low_x, &kXPlane, &kStraight},
    {Side::high_y, &kYPlane, &kStraight},
    {Side::high_x, &kFromHigh, &kStraight},
    {Side::low_y, &kFromHigh, &kStraight},
};
constexpr BoxFace kMullionFaces[] = {
    {Side::low_x, &kFromHigh, &kStraight},
    {Side::low_z, &kAcross, &kStraight},
    {Side::high_z, &kAcross, &kStraight},
    {Side::high_x, &kFromHigh, &kStraight},
};
constexpr BoxFace kTransomFaces[] = {
    {Side::low_y, &kAcross, &kStraight},
    {Side::high_y, &kAcross, &kStraight},
    {Side::high_z, &kAcross, &kStraight},
    {Side::low_z, &kAcross, &kStraight},
};

constexpr float kFrameWidth = 16;
constexpr float kFrameHeight = 10;
constexpr Extent kReveals{0, kFrameWidth, 0, kFrameHeight, -1, 0};
constexpr Extent kMullions[] = {
    {5, 5.4f, 0, kFrameHeight, -0.6f, -0.4f},
    {10.2f, 10.6f, 0, kFrameHeight, -0.6f, -0.4f},
};
constexpr Extent kTransom{0, kFrameWidth, 6.9f, 7.1f, -0.6f, -0.4f};
constexpr float kGlassPlane = -0.5f;
constexpr float kFullOpening = 0;      // the whole window is open
constexpr float kCorridorOpening = 7;  // only the strip above the corridor wall

// A gate piece placed in the gate's own frame of reference.
struct GatePiece {
    void (*draw)(float, float, float);
    float x, y;
};
constexpr GatePiece kGateFrame[] = {
    {draw_top_gate, 0, 0}, {draw_top_gate, 0, 2.2f}, {draw_top_gate_L, 0, 0}, {draw_top_gate_L, 19.4f, 0}};
constexpr GatePiece kLeftLeaf[] = {
    {draw_lin_gate, 0, 0}, {draw_lin_gate, 0, 16.6f}, {draw_col_gate, 0, 0}, {draw_col_gate, 9.1f, 0}};
constexpr GatePiece kRightLeaf[] = {
    {draw_lin_gate, -9.6f, 0}, {draw_lin_gate, -9.6f, 16.6f}, {draw_col_gate, -0.6f, 0}, {draw_col_gate, -9.6f, 0}};
constexpr float kGateWidth = 20;  // the right leaf hinges on the frame's far end

Extent place(const Extent& e, float x, float y, float z) {
    return {x + e.x0, x + e.x1, y + e.y0, y + e.y1, z + e.z0, z + e.z1};
}

float pick(End end, float low, float high) { return end == L ? low : high; }

void put_box_face(const Extent& b, const BoxFace& f) {
    const CornerOrder& o = *f.order;
    FaceCorners c;
    switch (f.side) {
        case Side::low_x:
        case Side::high_x:
            for (int i = 0; i < 4; ++i) c[i] = {pick(o[i][0], b.y0, b.y1), pick(o[i][1], b.z0, b.z1)};
            face_x(f.side == Side::low_x ? b.x0 : b.x1, c, *f.pattern);
            break;
        case Side::low_y:
        case Side::high_y:
            for (int i = 0; i < 4; ++i) c[i] = {pick(o[i][0], b.x0, b.x1), pick(o[i][1], b.z0, b.z1)};
            face_y(f.side == Side::low_y ? b.y0 : b.y1, c, *f.pattern);
            break;
        case Side::low_z:
        case Side::high_z:
            for (int i = 0; i < 4; ++i) c[i] = {pick(o[i][0], b.x0, b.x1), pick(o[i][1], b.y0, b.y1)};
            face_z(f.side == Side::low_z ? b.z0 : b.z1, c, *f.pattern);
            break;
    }
}

template <std::size_t N>
void put_box(const Extent& box, const BoxFace (&faces)[N]) {
    for (const BoxFace& f : faces) put_box_face(box, f);
}

template <std::size_t N>
void draw_gate_piece(const Extent& shape, const BoxFace (&faces)[N], float x, float y, float z) {
    bind_slot(slot::image);
    glBegin(GL_QUADS);
    put_box(place(shape, x, y, z), faces);
    glEnd();
}

template <std::size_t N>
void draw_gate_pieces(const GatePiece (&pieces)[N]) {
    for (const GatePiece& p : pieces) p.draw(p.x, p.y, 0);
}

// The frame of a window open from `opening` above y up to its head; the
// transom stays at its place whatever the opening.
void draw_window_frame(float x, float y, float z, float opening) {
    bind_slot(slot::image);
    glBegin(GL_QUADS);
    Extent reveals = place(kReveals, x, y, z);
    reveals.y0 = y + opening;
    put_box(reveals, kRevealFaces);
    for (const Extent& m : kMullions) {
        Extent mullion = place(m, x, y, z);
        mullion.y0 = y + opening;
        put_box(mullion, kMullionFaces);
    }
    put_box(place(kTransom, x, y, z), kTransomFaces);
    glEnd();
}

void draw_glass(float x, float y, float z, float opening) {
    const float bottom = y + opening, top = y + kFrameHeight, right = x + kFrameWidth;
    bind_slot(slot::vidro);
    glBegin(GL_QUADS);
    face_z(z + kGlassPlane, {{x, bottom}, {right, bottom}, {right, top}, {x, top}}, kCrossed);
    glEnd();
}

}  // namespace

void draw_col_gate(float x, float y, float z) { draw_gate_piece(kStile, kStileFaces, x, y, z); }
void draw_lin_gate(float x, float y, float z) { draw_gate_piece(kRail, kBarFaces, x, y, z); }
void draw_top_gate(float x, float y, float z) { draw_gate_piece(kLintel, kBarFaces, x, y, z); }
void draw_top_gate_L(float x, float y, float z) { draw_gate_piece(kPost, kBarFaces, x, y, z); }

void draw_door_master(float x, float y, float z, int dir) {
    glPushMatrix();
    glTranslatef(x, y, z);
    draw_gate_pieces(kGateFrame);

    glPushMatrix();
    glRotatef(-angle_door * dir, 0, 1, 0);
    draw_gate_pieces(kLeftLeaf);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(kGateWidth, 0, 0);
    glRotatef(dir * angle_door, 0, 1, 0);
    draw_gate_pieces(kRightLeaf);
    glPopMatrix();

    glPopMatrix();
}

void draw_window_N(float x, float y, float z) {
    draw_window_frame(x, y, z, kFullOpening);
    draw_glass(x, y, z, kFullOpening);
}

void draw_window_corredor(float x, float y, float z) {
    draw_window_frame(x, y, z, kCorridorOpening);
    set_building_material();
    draw_glass(x, y, z, kCorridorOpening);
}

}  // namespace building_tour
