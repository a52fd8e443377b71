#pragma once
// The walk-through's state and its plain update functions: the bottom layer.
// The drawing reads it, the tour and the keys change it; nothing here knows
// about windows, keys or frames.

#include <GL/gl.h>

namespace building_tour {

// Camera: the eye and the point looked at (a point, despite the names).
extern float x_pos, y_pos, z_pos;
extern float x_dir, y_dir, z_dir;

extern float angle_door;            // opening angle of every gate, degrees, unbounded
extern int rodarx, rodary, rodarz;  // rotation of the whole building, degrees, -355..355
extern bool test;                   // true while the tour runs
extern double cont;                 // step counter of the tour

extern GLfloat lightPosition[4];
extern GLfloat lightAmbient[4];
extern GLfloat lightDiffuse[4];
extern GLfloat lightSpecular[4];
extern GLfloat floorColor[4];

// Eye back at (0, 25, 80) looking at the origin.
void reset_camera();

// Every variable above that changes back to its start-up value.
void reset_state();

// Eye and point looked at move together.
void move_camera(float dx, float dy, float dz);

// One press of a scene-rotation key: the truncating remainder keeps the
// sign of the dividend, so the angle stays within -355..355.
void turn_scene(int& degrees, int step);

// Rotates (px, py, pz) about the axis through (cx, cy, cz) parallel to x
// (axis 1), y (2) or z (3), by angle radians. Other axis values do nothing.
void rotaciona(float& cx, float& cy, float& cz, float& px, float& py, float& pz, float angle, int axis);

// The bright material every surface is drawn with.
void set_building_material();

}  // namespace building_tour
