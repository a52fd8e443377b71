#pragma once
// The castle world's window: start-up, GLUT callbacks and the frame.

#include "scene.h"
#include "state.h"

namespace castle_world {

constexpr const char* kWindowTitle = "Zadizur";

// The one state of the running program.
extern State state;

// OpenGL state, the 34 textures, the compiled scene; needs the window.
void initScene();
void register_callbacks();

void changeSize(int w, int h);
void MoveMouse(int x, int y);
void keyboard(unsigned char key, int x, int y);
void keyboard1(unsigned char key, int x, int y);
void pressKey(int key, int x, int y);
void releaseKey(int key, int x, int y);
// Display and idle: the steps due, the picture, the sky's turn, the swap, pacing.
void renderScene();
// One frame of `steps` steps, swapped, not paced.
void frame(int steps, Path path = Path::fast);

}  // namespace castle_world
