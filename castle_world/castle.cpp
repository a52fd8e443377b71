#include "castle.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#include "blocks.h"
#include "faces.h"
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

void push_place(const Place& p) {
    end_quads();
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    if (p.degrees != 0) glRotatef(p.degrees, 0, 1, 0);
}

void pop() {
    end_quads();
    glPopMatrix();
}

void tower_body(const BlockWall& face) {
    for (const Place& p : kTowerFaces) {
        push_place(p);
        block_wall(face);
        pop();
    }
    tiles_y(0, 0, 11, 11, kTowerPlatform, slot::roof);
}

// The door leaf in its frame: x 0.1 to 30, y 0 to 69.9, z 0 to 5, with
// handles on the side `handle_sign` points to.
void door_leaf(float handle_sign) {
    box(0.1f, 0, 0, 30, 69.9f, 5, slot::gate, slot::gate2);
    colour(kGrey, kGrey, kGrey);
    for (int k = 0; k < 2; ++k) {
        const float x = 10.0f + 10.0f * k;
        cube_at(x, 19, 6.5f * handle_sign, 1, 1, 3, 1);
        cube_at(x, 21, 8.5f * handle_sign, 1, 5, 1, 1);
    }
    colour(1, 1, 1);
}

bool leaves_swing(int porta_castelo) { return porta_castelo >= kBarTravel + 1 && porta_castelo <= kDoorOpen; }

}  // namespace

void emblema() {
    use_texture(slot::vimbo_face);
    face_z(20, 50, 90, 170, -0.1f);
}

void torre() {
    tower_body(kTowerFace);
    tiles_y(0, 0, 11, 11, kTowerFloor, slot::roof_tower);
}

void torre_castelo() {
    tower_body(kKeepTowerFace);

    bind_texture(slot::roof_tower);
    colour(1, 0, 0);
    glPushMatrix();
    glTranslatef(55, 200, 55);
    glRotatef(-90, 1, 0, 0);
    gluCylinder(quadric(), 55, 1, 100, 100, 100);
    glPopMatrix();

    colour(0, 1, 0);
    glPushMatrix();
    glTranslatef(55, 290, 55);
    glRotatef(-90, 1, 0, 0);
    glutSolidCone(1, 50, 100, 100);
    glPopMatrix();
    colour(1, 1, 1);

    use_texture(slot::vimbo);
    face_z(55, 320, 95, 340, 55);
    emblema();
    end_quads();
}

void muro() {
    block_wall(kCurtainWall);
    push_place(kCurtainTower);
    torre();
    pop();
}

void muro2() {
    block_wall(kRearWall);
    end_quads();
}

void castelo_front() { block_wall(kKeepFront); }

void castelo_door(const State& s) {
    const bool swing = leaves_swing(s.porta_castelo);

    push_place({70, 0, 5, 0});
    if (swing) glRotatef(float(s.porta_castelo - kBarTravel), 0, 1, 0);
    door_leaf(1);
    end_quads();
    glPushMatrix();
    glTranslatef(float(5 - s.porta_castelo2), 20.1f, 5.1f);
    box(0, 0, 0, 50, 7, 2.9f, slot::wood2, slot::wood2);
    end_quads();
    glPushMatrix();
    glTranslatef(2, 3.5f, 0);
    bind_texture(slot::wood2);
    gluCylinder(quadric(), 1, 1, 10, 100, 100);
    glPopMatrix();
    glPopMatrix();
    pop();

    push_place({130, 0, 5, -180});
    if (swing) glRotatef(float(kBarTravel - s.porta_castelo), 0, 1, 0);
    door_leaf(-1);
    pop();
}

void castelo_rest() {
    for (const Place& p : kKeepWalls) {
        push_place(p);
        block_wall(kKeepWall);
        pop();
    }
    tiles_y(0, 0, 21, 21, kKeepRoof, slot::roof);
    tiles_y(0, 0, 21, 21, kKeepFloor, slot::red_carpet);
    for (const Place& p : kKeepTowers) {
        push_place(p);
        torre_castelo();
        pop();
    }
}

void castelo(const State& s) {
    castelo_front();
    castelo_door(s);
    castelo_rest();
}

void gear(float degrees, int sides) {
    end_quads();
    glPushMatrix();
    glRotatef(degrees, 0, 0, 1);
    glutSolidTorus(2, 5, sides, sides);
    cube_at(0, 7, 0, 1, 1, 1, 4);
    cube_at(0, -7, 0, 1, 1, 1, 4);
    cube_at(7, 0, 0, 1, 1, 1, 4);
    cube_at(-7, 0, 0, 1, 1, 1, 4);
    glPopMatrix();
}

void grade(int porta_grade) {
    colour(kGrey, kGrey, kGrey);
    glPushMatrix();
    glTranslatef(0, float(porta_grade), 0);
    cube_at(40, 20, 0, 8, 0.1f, 0.1f, 10);
    cube_at(40, 70, 0, 8, 0.1f, 0.1f, 10);
    for (int i = 0; i < kUprights; ++i) {
        const float x = 5.0f * i;
        cube_at(x, 60, 0, 0.1f, 11.5f, 0.1f, 10);
        glPushMatrix();
        glTranslatef(x, 2.5f, 0);
        glRotatef(90, 1, 0, 0);  // the cone's axis, +z, turned to point down
        glutSolidCone(1.5, 5, 10, 10);
        glPopMatrix();
    }
    glPopMatrix();

    glPushMatrix();
    glTranslatef(-5, 110, 0);
    gear(4.0f * porta_grade, 10);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(85, 110, 0);
    gear(-4.0f * porta_grade, 100);
    glPopMatrix();
    colour(1, 1, 1);
}

void portao_wall() { block_wall(kGatehouse); }

void portao_machinery(const State& s) {
    const int p = s.portao_madeira;

    colour(0, 0, 0);
    cube_at(14, 30, 10, 0.1f, 4.6f, 0.1f, 10);
    cube_at(26, 30, 10, 0.1f, 4.6f, 0.1f, 10);
    colour(kGrey, kGrey, kGrey);
    glPushMatrix();
    glTranslatef(20, 10, 10);
    glRotatef(16.0f * p, 0, 0, 1);
    glutSolidTorus(1, 7, 10, 10);
    cube_at(0, 0, 0, 0.7f, 7, 0.7f, 2);
    cube_at(0, 0, 0, 7, 0.7f, 0.7f, 2);
    cube_at(0, -7, 6, 0.7f, 0.7f, 6, 2);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(20, 50, 10);
    gear(4.0f * p, 10);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(35, 54, 10);
    gear(-4.0f * p, 10);
    glPopMatrix();
    colour(1, 1, 1);

    // Integer divisions, as the chain lengths and tilts step in whole units.
    const float drop = float((-60 * p) / 90);
    const float tilt = float(90 - p / 2);
    const float length = float((17 * p) / 90);
    for (const auto& c : kChainCorners) {
        glPushMatrix();
        glTranslatef(c[0], c[1], c[2]);
        glTranslatef(0, drop, drop);
        glRotatef(tilt, 1, 0, 0);
        glColor3f(0, 1, 0);
        glScalef(0.1f, length, 0.1f);
        glutSolidCube(10);
        glColor3f(1, 1, 1);
        glPopMatrix();
    }

    glPushMatrix();
    glRotatef(float(-p), 1, 0, 0);
    box(60, 0.1f, 0, 140, 120, 5, slot::wood, slot::wood);
    end_quads();
    glPopMatrix();
}

void portao_towers() {
    for (const Place& p : kGateTowers) {
        push_place(p);
        torre();
        pop();
    }
}

void portao_grade(const State& s) {
    push_place({60, 0, 11, 0});
    grade(s.porta_grade);
    pop();
}

void portao(const State& s) {
    portao_wall();
    portao_machinery(s);
    portao_towers();
    portao_grade(s);
}

}  // namespace castle_world
