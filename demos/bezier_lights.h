#pragma once
// One lit bicubic Bezier patch, tessellated by OpenGL's two-dimensional
// evaluators and shown under an orthographic projection that keeps the aspect ratio.

#include <GL/gl.h>

// The 16 control points: [v][u][x, y, z].
extern const GLfloat ctrlpoints[4][4][3];

constexpr int kWindowSize = 500;
constexpr int kWindowX = 100;
constexpr int kWindowY = 100;

constexpr int kGridSteps = 20;       // evaluator grid, per direction
constexpr float kRotation = 85;      // degrees about (1, 1, 1)
constexpr double kHalfView = 4;      // half extent of the shorter side of the view volume

void init();
void initlights();
void display();
void reshape(int w, int h);
void keyboard(unsigned char key, int x, int y);
