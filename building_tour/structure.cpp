#include "structure.h"

#include <GL/gl.h>

#include "faces.h"
#include "textures.h"

namespace building_tour {

namespace {

// Storey beams: 3 wide, 4 deep under each of the two floor levels.
constexpr float kBeamWidth = 3;
struct Storey {
    float underside, top;
};
constexpr Storey kStoreys[] = {{20, 24}, {44, 48}};

// z offsets of the parts of a bay, from the z its primitive names.
constexpr float kCornerColumnFace = 2;
constexpr float kBeamsFrom = -1, kBeamsTo = -41;
constexpr float kFirstColumnFace = 2;
constexpr float kSecondColumnFrom = -42, kSecondColumnFace = -44;
constexpr float kCorridorBeamsFrom = -44, kCorridorBeamsTo = -60;

// Facade beam, 23 by 4, between z10 and z11 (zk = z + k * dir), on brackets.
constexpr float kFacadeBeamLength = 23;
constexpr float kFacadeBeamHeight = 4;
constexpr int kFacadeBeamFront = 10, kFacadeBeamBack = 11;
struct Bracket {
    float x0, x1;  // offsets from x
    int from;      // k of the end away from the beam
};
constexpr Bracket kInnerBracket{1, 2, 2};
constexpr Bracket kOuterBrackets[] = {{9.1f, 10.1f, 0}, {15.7f, 16.7f, 0}};

// Stairs: heights counted in rises are summed in double and rounded once.
constexpr double kRise = 1.3;
constexpr float kGoing = 2;
constexpr double rises(int k) { return kRise * k; }
constexpr double kFloorLevel = 24;  // the top of the lower storey beams
constexpr float kStairwellHeight = 44;

float above(float y, double height) { return static_cast<float>(y + height); }

// First flight: two steps below the first landing, five above it.
constexpr float kLowerStepsX = 14;
constexpr int kLowerSteps = 2;
constexpr int kUpperStepsFirst = 1, kUpperStepsLast = 5;
// Second flight, running back along -z from the second landing.
constexpr int kSecondFlightFirst = 9, kSecondFlightLast = 17;

// Plinths in front of the first flight: x - 2 to x + length, z to z + depth,
// top at `top` rises.
struct Plinth {
    float length, depth;
    int top;
};
constexpr Plinth kPlinths[] = {{24, 4, 1}, {22, 2, 2}};

// Stepped side panel of the first flight, in plane z: x range, heights in rises.
struct PanelF {
    float x0, x1;
    int y0, y1;
};
constexpr PanelF kPanelF[] = {{-2, 4, 2, 5}, {-2, 2, 5, 6}, {-2, 0, 6, 7}, {4, 8, 2, 3}, {4, 6, 3, 4}};

// Stepped side panel of the second flight, in plane x - 20: heights above y,
// then the z offsets of the edge nearer to z and of the far one.
struct PanelL {
    double y0, y1;
    float near, far;
};
constexpr PanelL kPanelL[] = {
    {0, rises(9), 0, -40},          {rises(9), rises(15), -30, -40},  {rises(9), rises(12), -24, -30},
    {rises(9), rises(10), -20, -24}, {rises(10), rises(11), -22, -24}, {rises(12), rises(13), -26, -30},
    {rises(15), rises(17), -34, -40}, {rises(17), rises(18), -36, -40}, {rises(18), kFloorLevel, -38, -40},
    {rises(15), rises(16), -32, -34}, {rises(13), rises(14), -28, -30},
};
constexpr float kPanelLPlane = -20;

// A solid like a step: top straight, front crossed, side turned.
struct Block {
    float top;
    FaceCorners top_corners;  // (x, z)
    float front;
    FaceCorners front_corners;  // (x, y)
    float side;
    FaceCorners side_corners;  // (y, z)
};

void put_block(const Block& b) {
    face_y(b.top, b.top_corners, kStraight);
    face_z(b.front, b.front_corners, kCrossed);
    face_x(b.side, b.side_corners, kTurned);
}

void draw_block(const Block& b) {
    glBegin(GL_QUADS);
    put_block(b);
    glEnd();
}

// A column 3 wide: its two sides run from z_left and z_right to its face at z_face.
void put_column(float x, float y0, float y1, float z_face, float z_left, float z_right) {
    const float x1 = x + kBeamWidth;
    face_x(x, {{y1, z_left}, {y1, z_face}, {y0, z_face}, {y0, z_left}}, kStraight);
    face_z(z_face, {{x, y1}, {x1, y1}, {x1, y0}, {x, y0}}, kStraight);
    face_x(x1, {{y1, z_right}, {y1, z_face}, {y0, z_face}, {y0, z_right}}, kStraight);
}

// Underside and both sides of the beams under the two floors, from z_a to z_b.
void put_storey_beams(float x, float y0, float z_a, float z_b) {
    const float x1 = x + kBeamWidth;
    for (const Storey& s : kStoreys) {
        const float low = y0 + s.underside, high = y0 + s.top;
        face_y(low, {{x, z_a}, {x1, z_a}, {x1, z_b}, {x, z_b}}, kStraight);
        face_x(x, {{low, z_a}, {high, z_a}, {high, z_b}, {low, z_b}}, kStraight);
        face_x(x1, {{low, z_a}, {high, z_a}, {high, z_b}, {low, z_b}}, kStraight);
    }
}

void draw_column(float x, float y0, float y1, float z_face, float z_left, float z_right) {
    bind_slot(slot::cimento);
    glBegin(GL_QUADS);
    put_column(x, y0, y1, z_face, z_left, z_right);
    glEnd();
}

void draw_storey_beams(float x, float y0, float z_a, float z_b) {
    bind_slot(slot::cimento);
    glBegin(GL_QUADS);
    put_storey_beams(x, y0, z_a, z_b);
    glEnd();
}

void put_bracket(const Bracket& b, float x, float y, float z, int dir) {
    const float x0 = x + b.x0, x1 = x + b.x1, top = y + kFacadeBeamHeight;
    const float z_from = z + static_cast<float>(b.from * dir);
    const float z_beam = z + static_cast<float>(kFacadeBeamFront * dir);
    face_y(y, {{x0, z_from}, {x0, z_beam}, {x1, z_beam}, {x1, z_from}}, kStraight);
    face_y(top, {{x0, z_from}, {x0, z_beam}, {x1, z_beam}, {x1, z_from}}, kStraight);
    face_x(x0, {{top, z_from}, {top, z_beam}, {y, z_beam}, {y, z_from}}, kStraight);
    face_x(x1, {{top, z_from}, {top, z_beam}, {y, z_beam}, {y, z_from}}, kStraight);
}

}  // namespace

void draw_viga_quina_S(float x, float y0, float y1, float z, float z_left, float z_right) {
    draw_column(x, y0, y1, z - kCornerColumnFace, z_left, z_right);
}

void draw_viga_quina(float x, float y0, float y1, float z, float z_left, float z_right) {
    draw_column(x, y0, y1, z + kCornerColumnFace, z_left, z_right);
    draw_storey_beams(x, y0, z + kBeamsFrom, z + kBeamsTo);
}

void draw_viga(float x, float y0, float y1, float z) {
    draw_column(x, y0, y1, z + kFirstColumnFace, z, z);
    draw_storey_beams(x, y0, z + kBeamsFrom, z + kBeamsTo);
    const float second = z + kSecondColumnFrom;
    draw_column(x, y0, y1, z + kSecondColumnFace, second, second);
}

// The third argument, the column top of the sister primitives, has no use here.
void draw_viga_corredor(float x, float y0, float, float z) {
    bind_slot(slot::cimento);
    glBegin(GL_QUADS);
    put_storey_beams(x, y0, z + kCorridorBeamsFrom, z + kCorridorBeamsTo);
    glEnd();
}

void draw_viga_horizontal(float x, float y, float z, int dir) {
    const float x1 = x + kFacadeBeamLength, top = y + kFacadeBeamHeight;
    const float front = z + static_cast<float>(kFacadeBeamFront * dir);
    const float back = z + static_cast<float>(kFacadeBeamBack * dir);
    bind_slot(slot::cimento);
    glBegin(GL_QUADS);
    face_z(front, {{x, y}, {x, top}, {x1, top}, {x1, y}}, kStraight);
    face_z(back, {{x, y}, {x, top}, {x1, top}, {x1, y}}, kStraight);
    face_y(top, {{x, front}, {x, back}, {x1, back}, {x1, front}}, kStraight);
    face_y(y, {{x, front}, {x, back}, {x1, back}, {x1, front}}, kStraight);
    put_bracket(kInnerBracket, x, y, z, dir);
    glEnd();
    glBegin(GL_QUADS);
    for (const Bracket& b : kOuterBrackets) put_bracket(b, x, y, z, dir);
    glEnd();
}

void draw_degrau(float x, float y, float z) {
    const float tread = above(y, kRise);
    const float x0 = x + 8, x1 = x + 10, back = z - 20;
    draw_block({tread, {{x0, z}, {x0, back}, {x1, back}, {x1, z}},
                z, {{x0, y}, {x0, tread}, {x1, tread}, {x1, y}},
                x1, {{y, z}, {y, back}, {tread, back}, {tread, z}}});
}

void draw_degrau_L(float x, float y, float z) {
    const float tread = above(y, kRise);
    const float x0 = x - 20, x1 = x - 2, back = z - 2;
    draw_block({tread, {{x0, z}, {x0, back}, {x1, back}, {x1, z}},
                z, {{x0, y}, {x0, tread}, {x1, tread}, {x1, y}},
                x1, {{y, z}, {y, back}, {tread, back}, {tread, z}}});
}

void draw_tampa_F_escada(float x, float y, float z) {
    glBegin(GL_QUADS);
    for (const PanelF& p : kPanelF) {
        const float x0 = x + p.x0, x1 = x + p.x1;
        const float y0 = above(y, rises(p.y0)), y1 = above(y, rises(p.y1));
        face_z(z, {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}}, kStraight);
    }
    glEnd();
}

void draw_tampa_L_escada(float x, float y, float z) {
    const float plane = x + kPanelLPlane;
    glBegin(GL_QUADS);
    for (const PanelL& p : kPanelL) {
        const float y0 = above(y, p.y0), y1 = above(y, p.y1);
        const float z_near = z + p.near, z_far = z + p.far;
        face_x(plane, {{y0, z_near}, {y1, z_near}, {y1, z_far}, {y0, z_far}}, kStraight);
    }
    glEnd();
}

void draw_escada(float x, float y, float z) {
    bind_slot(slot::grafiato);

    for (int k = 0; k < kLowerSteps; ++k)
        draw_degrau(x + kLowerStepsX - kGoing * k, above(y, rises(k)), z);

    // First landing, three rises up, over x + 8 to x + 20.
    {
        const float top = above(y, rises(3)), low = above(y, rises(2));
        const float x0 = x + 8, x1 = x + 20, back = z - 20;
        draw_block({top, {{x0, z}, {x0, back}, {x1, back}, {x1, z}},
                    z, {{x0, low}, {x0, top}, {x1, top}, {x1, low}},
                    x1, {{top, z}, {top, back}, {low, back}, {low, z}}});
    }

    for (int k = kUpperStepsFirst; k <= kUpperStepsLast; ++k)
        draw_degrau(x - kGoing * k, above(y, rises(k + 2)), z);

    // Second landing, nine rises up, where the flight turns.
    {
        const float top = above(y, rises(9)), low = above(y, rises(8));
        const float x0 = x - 20, x1 = x - 2, back = z - 20;
        draw_block({top, {{x0, z}, {x0, back}, {x1, back}, {x1, z}},
                    z, {{x0, low}, {x0, top}, {x1, top}, {x1, low}},
                    x1, {{low, z}, {low, back}, {top, back}, {top, z}}});
    }

    glBegin(GL_QUADS);
    for (const Plinth& p : kPlinths) {
        const float top = above(y, rises(p.top)), low = above(y, rises(p.top - 1));
        const float x0 = x - 2, x1 = x + p.length, front = z + p.depth;
        put_block({top, {{x1, z}, {x1, front}, {x0, front}, {x0, z}},
                   front, {{x1, low}, {x1, top}, {x0, top}, {x0, low}},
                   x1, {{low, z}, {low, front}, {top, front}, {top, z}}});
    }
    glEnd();

    for (int k = kSecondFlightFirst; k <= kSecondFlightLast; ++k)
        draw_degrau_L(x, above(y, rises(k)), z - kGoing * k - 2);

    // Top step, level with the first floor.
    {
        const float top = above(y, kFloorLevel), low = above(y, rises(18));
        const float x0 = x - 20, x1 = x - 2, front = z - 38, back = z - 40;
        draw_block({top, {{x0, front}, {x0, back}, {x1, back}, {x1, front}},
                    front, {{x0, low}, {x0, top}, {x1, top}, {x1, low}},
                    x1, {{low, front}, {low, back}, {top, back}, {top, front}}});
    }

    // End walls of the second flight.
    {
        const float x0 = x - 20, x1 = x - 2;
        const float front_top = above(y, rises(8)), back_top = above(y, kFloorLevel);
        glBegin(GL_QUADS);
        face_z(z, {{x0, y}, {x0, front_top}, {x1, front_top}, {x1, y}}, kStraight);
        face_z(z - 40, {{x0, y}, {x0, back_top}, {x1, back_top}, {x1, y}}, kStraight);
        glEnd();
    }

    // The stairwell.
    {
        const float x0 = x - 2, x1 = x + 20, top = y + kStairwellHeight;
        const float front = z - 20, back = z - 40;
        glBegin(GL_QUADS);
        face_z(front, {{x0, y}, {x0, top}, {x1, top}, {x1, y}}, kStraight);
        face_z(back, {{x0, y}, {x0, top}, {x1, top}, {x1, y}}, kStraight);
        face_x(x0, {{y, front}, {top, front}, {top, back}, {y, back}}, kStraight);
        face_x(x1, {{y, front}, {top, front}, {top, back}, {y, back}}, kStraight);
        glEnd();
    }

    draw_tampa_L_escada(x, y, z);
    draw_tampa_F_escada(x, y, z);
}

}  // namespace building_tour
