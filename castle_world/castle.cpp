#include "castle.h"

#include "blocks.h"
#include "textures.h"

namespace castle_world {

namespace {

constexpr BlockWall kTowerFace{11, 21, false, false, {}, slot::wall};
constexpr BlockWall kKeepTowerFace{11, 21, false, false, {}, slot::brick};
constexpr BlockWall kCurtainWall{51, 16, true, true, {}, slot::wall};
constexpr BlockWall kRearWall{145, 16, true, true, {}, slot::wall};
constexpr BlockWall kKeepWall{21, 16, true, false, {}, slot::brick};
constexpr BlockWall kKeepFront{21, 16, true, false, {7, 12, 7}, slot::brick};
constexpr BlockWall kGatehouse{21, 16, true, true, {6, 13, 12}, slot::wall};

constexpr float kTowerSide = 110;
constexpr float kTowerPlatform = 200;
constexpr float kTowerFloor = 0.1f;
constexpr float kKeepSide = 210;
constexpr float kKeepRoof = 150;
constexpr float kKeepFloor = 0.1f;

struct Place {
    float x, y, z, degrees;  // rotation about y
};

// The four faces of a tower, each seen from outside with its merlons inward.
constexpr Place kTowerFaces[4] = {
    {0, 0, 0, 0}, {kTowerSide, 0, kTowerSide, 180}, {0, 0, kTowerSide, 90}, {kTowerSide, 0, 0, -90}};

// The keep's walls besides the front: back, left, right.
constexpr Place kKeepWalls[3] = {{0, 0, 200, 0}, {0, 0, kKeepSide, 90}, {200, 0, kKeepSide, 90}};

constexpr Place kKeepTowers[4] = {{210, 0, -50, 0}, {-110, 0, -50, 0}, {-110, 0, 160, 0}, {210, 0, 160, 0}};
constexpr Place kGateTowers[2] = {{210, 0, -50, 0}, {-110, 0, -50, 0}};
constexpr Place kCurtainTower{510, 0, -50, 0};

// Portcullis and gear pieces.
constexpr float kGrey = 0.5f;
constexpr int kUprights = 17;

// Drawbridge opening corners, where the chains hang from.
constexpr float kChainCorners[2][3] = {{60, 120, 0}, {140, 120, 0}};

void push_place(Pen& pen, const Place& p) {
    pen.push();
    pen.translate(p.x, p.y, p.z);
    if (p.degrees != 0) pen.rotate(p.degrees, 0, 1, 0);
}

// n x n tiles of side 10 at height y, from the local origin.
void tiles(Pen& pen, int slot, int n, float y) {
    Quads q(slot);
    q.tiles_y(0, 0, n, n, y);
    pen.draw(q);
}

void box(Pen& pen, float x0, float y0, float z0, float x1, float y1, float z1, int sides, int edges) {
    Quads q(sides);
    q.box(x0, y0, z0, x1, y1, z1, sides, edges);
    pen.draw(q);
}

void tower_body(Pen& pen, const BlockWall& face) {
    for (const Place& p : kTowerFaces) {
        push_place(pen, p);
        block_wall(pen, face);
        pen.pop();
    }
    tiles(pen, slot::roof, 11, kTowerPlatform);
}

// The door leaf in its frame: x 0.1 to 30, y 0 to 69.9, z 0 to 5, with
// handles on the side `handle_sign` points to.
void door_leaf(Pen& pen, float handle_sign) {
    box(pen, 0.1f, 0, 0, 30, 69.9f, 5, slot::gate, slot::gate2);
    pen.colour(kGrey, kGrey, kGrey);
    for (int k = 0; k < 2; ++k) {
        const float x = 10.0f + 10.0f * k;
        pen.cube_at(x, 19, 6.5f * handle_sign, 1, 1, 3, 1);
        pen.cube_at(x, 21, 8.5f * handle_sign, 1, 5, 1, 1);
    }
    pen.colour(1, 1, 1);
}

bool leaves_swing(int porta_castelo) { return porta_castelo >= kBarTravel + 1 && porta_castelo <= kDoorOpen; }

}  // namespace

void emblema(Pen& pen) {
    Quads q(slot::vimbo_face);
    q.face_z(20, 50, 90, 170, -0.1f);
    pen.draw(q);
}

void torre(Pen& pen) {
    tower_body(pen, kTowerFace);
    tiles(pen, slot::roof_tower, 11, kTowerFloor);
}

void torre_castelo(Pen& pen) {
    tower_body(pen, kKeepTowerFace);

    pen.bind(slot::roof_tower);
    pen.colour(1, 0, 0);
    pen.push();
    pen.translate(55, 200, 55);
    pen.rotate(-90, 1, 0, 0);
    pen.cylinder(55, 1, 100, 100, 100);
    pen.pop();

    pen.colour(0, 1, 0);
    pen.push();
    pen.translate(55, 290, 55);
    pen.rotate(-90, 1, 0, 0);
    pen.cone(1, 50, 100, 100);
    pen.pop();
    pen.colour(1, 1, 1);

    Quads flag(slot::vimbo);
    flag.face_z(55, 320, 95, 340, 55);
    pen.draw(flag);
    emblema(pen);
}

void muro(Pen& pen) {
    block_wall(pen, kCurtainWall);
    push_place(pen, kCurtainTower);
    torre(pen);
    pen.pop();
}

void muro2(Pen& pen) {
    block_wall(pen, kRearWall);
}

void castelo_front(Pen& pen) { block_wall(pen, kKeepFront); }

void castelo_door(Pen& pen, const State& s) {
    const bool swing = leaves_swing(s.porta_castelo);

    push_place(pen, {70, 0, 5, 0});
    if (swing) pen.rotate(float(s.porta_castelo - kBarTravel), 0, 1, 0);
    door_leaf(pen, 1);
    pen.push();
    pen.translate(float(5 - s.porta_castelo2), 20.1f, 5.1f);
    box(pen, 0, 0, 0, 50, 7, 2.9f, slot::wood2, slot::wood2);
    pen.push();
    pen.translate(2, 3.5f, 0);
    pen.bind(slot::wood2);
    pen.cylinder(1, 1, 10, 100, 100);
    pen.pop();
    pen.pop();
    pen.pop();

    push_place(pen, {130, 0, 5, -180});
    if (swing) pen.rotate(float(kBarTravel - s.porta_castelo), 0, 1, 0);
    door_leaf(pen, -1);
    pen.pop();
}

void castelo_rest(Pen& pen) {
    for (const Place& p : kKeepWalls) {
        push_place(pen, p);
        block_wall(pen, kKeepWall);
        pen.pop();
    }
    Quads q(slot::roof);
    q.tiles_y(0, 0, 21, 21, kKeepRoof);
    q.texture(slot::red_carpet);
    q.tiles_y(0, 0, 21, 21, kKeepFloor);
    pen.draw(q);
    for (const Place& p : kKeepTowers) {
        push_place(pen, p);
        torre_castelo(pen);
        pen.pop();
    }
}

void gear(Pen& pen, float x, float y, float z, float degrees, int sides) {
    pen.push();
    pen.translate(x, y, z);
    pen.rotate(degrees, 0, 0, 1);
    pen.torus(2, 5, sides, sides);
    pen.cube_at(0, 7, 0, 1, 1, 1, 4);
    pen.cube_at(0, -7, 0, 1, 1, 1, 4);
    pen.cube_at(7, 0, 0, 1, 1, 1, 4);
    pen.cube_at(-7, 0, 0, 1, 1, 1, 4);
    pen.pop();
}

void grade(Pen& pen, int porta_grade) {
    pen.colour(kGrey, kGrey, kGrey);
    pen.push();
    pen.translate(0, float(porta_grade), 0);
    pen.cube_at(40, 20, 0, 8, 0.1f, 0.1f, 10);
    pen.cube_at(40, 70, 0, 8, 0.1f, 0.1f, 10);
    for (int i = 0; i < kUprights; ++i) {
        const float x = 5.0f * i;
        pen.cube_at(x, 60, 0, 0.1f, 11.5f, 0.1f, 10);
        pen.push();
        pen.translate(x, 2.5f, 0);
        pen.rotate(90, 1, 0, 0);  // the cone's axis, +z, turned to point down
        pen.cone(1.5, 5, 10, 10);
        pen.pop();
    }
    pen.pop();

    gear(pen, -5, 110, 0, 4.0f * porta_grade, 10);
    gear(pen, 85, 110, 0, -4.0f * porta_grade, 100);
    pen.colour(1, 1, 1);
}

void portao_wall(Pen& pen) { block_wall(pen, kGatehouse); }

void portao_machinery(Pen& pen, const State& s) {
    const int p = s.portao_madeira;

    pen.colour(0, 0, 0);
    pen.cube_at(14, 30, 10, 0.1f, 4.6f, 0.1f, 10);
    pen.cube_at(26, 30, 10, 0.1f, 4.6f, 0.1f, 10);
    pen.colour(kGrey, kGrey, kGrey);
    pen.push();
    pen.translate(20, 10, 10);
    pen.rotate(16.0f * p, 0, 0, 1);
    pen.torus(1, 7, 10, 10);
    pen.cube_at(0, 0, 0, 0.7f, 7, 0.7f, 2);
    pen.cube_at(0, 0, 0, 7, 0.7f, 0.7f, 2);
    pen.cube_at(0, -7, 6, 0.7f, 0.7f, 6, 2);
    pen.pop();

    gear(pen, 20, 50, 10, 4.0f * p, 10);
    gear(pen, 35, 54, 10, -4.0f * p, 10);
    pen.colour(1, 1, 1);

    // Integer divisions, as the chain lengths and tilts step in whole units.
    const float drop = float((-60 * p) / 90);
    const float tilt = float(90 - p / 2);
    const float length = float((17 * p) / 90);
    for (const auto& c : kChainCorners) {
        pen.push();
        pen.translate(c[0], c[1], c[2]);
        pen.translate(0, drop, drop);
        pen.rotate(tilt, 1, 0, 0);
        pen.colour(0, 1, 0);
        pen.scale(0.1f, length, 0.1f);
        pen.cube(10);
        pen.colour(1, 1, 1);
        pen.pop();
    }

    pen.push();
    pen.rotate(float(-p), 1, 0, 0);
    box(pen, 60, 0.1f, 0, 140, 120, 5, slot::wood, slot::wood);
    pen.pop();
}

void portao_towers(Pen& pen) {
    for (const Place& p : kGateTowers) {
        push_place(pen, p);
        torre(pen);
        pen.pop();
    }
}

void portao_grade(Pen& pen, const State& s) {
    push_place(pen, {60, 0, 11, 0});
    grade(pen, s.porta_grade);
    pen.pop();
}

}  // namespace castle_world
