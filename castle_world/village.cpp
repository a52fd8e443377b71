#include "village.h"

#include <initializer_list>

#include "textures.h"

namespace castle_world {

namespace {

// --- fountain ---------------------------------------------------------------

struct XZ {
    float x, z;
};

constexpr XZ kOuter[8] = {{0, 0}, {10, 0}, {20, 10}, {20, 20}, {10, 30}, {0, 30}, {-10, 20}, {-10, 10}};
constexpr XZ kInner[8] = {{0, 2}, {10, 2}, {18, 10}, {18, 20}, {10, 28}, {0, 28}, {-8, 20}, {-8, 10}};

// The basin's floor: five squares and four corner triangles (one corner repeated).
constexpr XZ kBasin[9][4] = {
    {{0, 0}, {0, 10}, {10, 10}, {10, 0}},
    {{0, 10}, {0, 20}, {10, 20}, {10, 10}},
    {{0, 20}, {0, 30}, {10, 30}, {10, 20}},
    {{10, 10}, {10, 20}, {20, 20}, {20, 10}},
    {{-10, 10}, {-10, 20}, {0, 20}, {0, 10}},
    {{0, 0}, {0, 10}, {-10, 10}, {-10, 10}},
    {{10, 0}, {10, 10}, {20, 10}, {20, 10}},
    {{20, 20}, {10, 20}, {10, 30}, {10, 30}},
    {{0, 20}, {-10, 20}, {0, 30}, {0, 30}},
};

constexpr float kFountainFloor = 0.1f;
constexpr float kFountainWater = 4;
constexpr float kRim = 5;

void flat(Quads& q, const XZ (&p)[4], float y) {
    q.quad({p[0].x, y, p[0].z, 0, 0}, {p[1].x, y, p[1].z, 0, 1}, {p[2].x, y, p[2].z, 1, 1},
           {p[3].x, y, p[3].z, 1, 0});
}

// An upright quad from a to b, y0 to y1.
void upright(Quads& q, XZ a, XZ b, float y0, float y1) {
    q.quad({a.x, y0, a.z, 0, 0}, {a.x, y1, a.z, 0, 1}, {b.x, y1, b.z, 1, 1}, {b.x, y0, b.z, 1, 0});
}

void ring(Quads& q, const XZ (&p)[8], float y0, float y1) {
    for (int k = 0; k < 8; ++k) upright(q, p[k], p[(k + 1) % 8], y0, y1);
}

// Four sides of the block over x0..x1, z0..z1.
void sides(Quads& q, float x0, float z0, float x1, float z1, float y0, float y1) {
    q.face_z(x0, y0, x1, y1, z0);
    q.face_z(x0, y0, x1, y1, z1);
    q.face_x(z0, y0, z1, y1, x0);
    q.face_x(z0, y0, z1, y1, x1);
}

// --- houses -------------------------------------------------------------------

// The four walls of a storey on the plan x0..x1, z0..z1, from y0 to y1.
void storey(Quads& q, float x1, float z1, float y0, float y1) { sides(q, 0, 0, x1, z1, y0, y1); }

constexpr float kDark = 0.1f;

}  // namespace

void fonte(Pen& pen) {
    Quads q(slot::fountain_floor);
    for (const auto& piece : kBasin) flat(q, piece, kFountainFloor);
    q.texture(slot::water);
    for (const auto& piece : kBasin) flat(q, piece, kFountainWater);

    q.texture(slot::fountain);
    ring(q, kOuter, 0, kRim);
    q.texture(slot::fountain_inside);
    ring(q, kInner, 0, kRim);
    q.texture(slot::fountain);
    for (int k = 0; k < 8; ++k) {
        const XZ a = kOuter[k], b = kOuter[(k + 1) % 8], c = kInner[(k + 1) % 8], d = kInner[k];
        q.quad({a.x, kRim, a.z, 0, 0}, {b.x, kRim, b.z, 0, 1}, {c.x, kRim, c.z, 1, 1}, {d.x, kRim, d.z, 1, 0});
    }

    // Centre block, its water, the column and the upper bowl.
    sides(q, 0, 10, 10, 20, 0, 5);
    q.face_y(0, 10, 10, 20, 5);
    q.texture(slot::water);
    q.face_y(0, 10, 10, 20, 5.1f);
    q.texture(slot::fountain);
    sides(q, 4, 14, 6, 16, 5, 12);
    q.face_y(2, 12, 8, 18, 8);
    sides(q, 2, 12, 8, 18, 8, 10);
    q.face_y(2, 12, 8, 18, 10);
    q.texture(slot::water);
    q.face_y(2, 12, 8, 18, 10.1f);
    pen.draw(q);
}

void placa_vende(Pen& pen) {
    pen.colour(0.2f, 0.2f, 0.05f);
    pen.cube_at(0, 5, 0, 0.5f, 5, 0.5f, 2);
    pen.cube_at(0, 7, 0, 5, 2.5f, 0.5f, 2);
    pen.colour(1, 1, 1);
    // Texture s grows toward -x: the notice reads unmirrored from -z.
    Quads notice(slot::sell);
    notice.quad({5, 4.5f, -0.6f, 0, 0}, {5, 9.5f, -0.6f, 0, 1}, {-5, 9.5f, -0.6f, 1, 1}, {-5, 4.5f, -0.6f, 1, 0});
    pen.draw(notice);
}

void casa1(Pen& pen) {
    Quads q(slot::casa2);
    storey(q, 20, 20, 0, 20);
    q.face_y(0, 0, 20, 20, 20);
    q.texture(slot::porta);
    q.face_z(3, 0, 10, 10, 20.1f);
    q.texture(slot::janela);
    q.face_x(5, 6, 15, 11, -0.1f);
    pen.draw(q);
    pen.colour(0, 0, 0);
    pen.cube_at(5, 20, 3, 1, 2, 1, 4);
    pen.colour(1, 1, 1);
}

void casa2(Pen& pen) {
    Quads ground(slot::parede);
    storey(ground, 50, 50, 0, 20);
    ground.face_y(0, 0, 50, 50, 20);
    ground.face_y(0, 0, 50, 70, 20.1f);
    pen.draw(ground);
    pen.colour(kDark, kDark, kDark);
    pen.cube_at(5, 9.5f, 66, 1, 7, 1, 3);
    pen.cube_at(45, 9.5f, 66, 1, 7, 1, 3);
    pen.colour(1, 1, 1);

    // The upper storey has no back wall: it opens onto the balcony.
    Quads q(slot::parede);
    q.face_z(0, 20, 50, 50, 0);
    q.face_x(0, 20, 50, 50, 0);
    q.face_x(0, 20, 50, 50, 50);
    q.face_y(0, 0, 50, 50, 50);

    q.texture(slot::grade);
    q.face_z(0, 20, 50, 30, 70);
    q.face_x(50, 20, 70, 30, 0);
    q.face_x(50, 20, 70, 30, 50);

    q.texture(slot::porta2);
    q.face_z(10, 0, 19, 14, 50.1f);
    for (float x : {50.1f, -0.1f}) {
        q.texture(slot::janela2);
        q.face_x(15, 5, 32, 16, x);
        q.texture(slot::janela);
        q.face_x(15, 35, 32, 46, x);
    }
    q.texture(slot::telha);
    q.face_y(-10, -10, 60, 60, 50.1f);
    pen.draw(q);
}

void taverna(Pen& pen) {
    constexpr float kStorey = 20;
    Quads q(slot::parede_taverna);
    for (int k = 0; k < 3; ++k) {
        q.texture(k == 0 ? slot::parede_taverna : slot::parede_taverna1);
        const float y0 = kStorey * k, y1 = y0 + kStorey;
        storey(q, 50, 70, y0, y1);
        q.face_y(0, 0, 50, 50, y1);
    }
    q.texture(slot::porta_taverna);
    q.face_x(21, 0, 51, 20, 50.1f);
    q.texture(slot::janela6);
    for (float z : {-0.1f, 70.1f})
        for (float y : {23.0f, 45.0f}) q.face_z(13.1f, y, 33.1f, y + 10, z);
    pen.draw(q);

    pen.colour(kDark, kDark, kDark);
    pen.push();
    pen.translate(30, 55, 25);
    pen.rotate(90, 0, 1, 0);  // the cone's axis, +z, along +x
    pen.cone(1, 50, 100, 100);
    pen.pop();
    pen.colour(1, 1, 1);

    // Texture s grows toward -x: the sign reads unmirrored from -z.
    Quads sign(slot::taverna1);
    sign.quad({57, 41.5f, 25, 1, 0}, {57, 51.5f, 25, 1, 1}, {77, 51.5f, 25, 0, 1}, {77, 41.5f, 25, 0, 0});
    pen.draw(sign);
    pen.colour(0, 1, 1);
    pen.cube_at(60, 53.2f, 25.2f, 0.5f, 4, 0.9f, 1);
    pen.cube_at(75, 53.2f, 25.2f, 0.5f, 4, 0.9f, 1);
    pen.colour(1, 1, 1);
}

}  // namespace castle_world
