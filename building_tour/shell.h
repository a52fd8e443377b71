#pragma once
// The frame of the building walk-through: window set-up, camera, keys and
// the per-frame drawing order.

#include <GL/gl.h>

// Camera: the eye and the point looked at (a point, despite the names).
extern float x_pos, y_pos, z_pos;
extern float x_dir, y_dir, z_dir;

extern float angle_door;            // opening angle of every gate, degrees, unbounded
extern int rodarx, rodary, rodarz;  // rotation of the whole building, degrees, -355..355
extern bool test;                   // true while the tour runs as the idle function
extern double cont;                 // step counter of the tour

extern GLfloat lightPosition[4];
extern GLfloat lightAmbient[4];
extern GLfloat lightDiffuse[4];
extern GLfloat lightSpecular[4];
extern GLfloat floorColor[4];

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr const char* kWindowTitle = "::: Bloco VELD Beta :::";

void InitGL();
void reshape(int width, int height);
void render_scene();
void keyboard(unsigned char key, int x, int y);

// Rotates (px, py, pz) about the axis through (cx, cy, cz) parallel to x
// (axis 1), y (2) or z (3), by angle radians. Other axis values do nothing.
void rotaciona(float& cx, float& cy, float& cz, float& px, float& py, float& pz, float angle, int axis);

// Eye back at (0, 25, 80) looking at the origin.
void reset_camera();

// The bright material every surface is drawn with.
void set_building_material();

// Every global of the walk-through back to its start-up value.
void reset_state();
