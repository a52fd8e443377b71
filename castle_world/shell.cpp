#include "shell.h"

#include <GL/glut.h>

#include <cstdlib>

#include "frame_clock.h"
#include "scene.h"
#include "textures.h"

namespace castle_world {

State state;

namespace {

FrameClock& frame_clock() {
    static FrameClock clock;
    return clock;
}

}  // namespace

void initScene() {
    glClearColor(0, 0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    load_textures();
    compile_scene();
}

void register_callbacks() {
    glutIgnoreKeyRepeat(1);
    glutPassiveMotionFunc(MoveMouse);
    glutSpecialFunc(pressKey);
    glutSpecialUpFunc(releaseKey);
    glutKeyboardFunc(keyboard);
    glutKeyboardUpFunc(keyboard1);
    glutDisplayFunc(renderScene);
    glutIdleFunc(renderScene);
    glutReshapeFunc(changeSize);
}

void changeSize(int w, int h) {
    resize(state, w, h);
    load_projection(state);
}

void MoveMouse(int x, int y) {
    if (castle_world::MoveMouse(state, x, y)) glutWarpPointer(state.width / 2, state.height / 2);
}

void keyboard(unsigned char key, int, int) { key_down(state, key); }

void keyboard1(unsigned char key, int, int) {
    if (key_up(state, key)) std::exit(0);
}

void pressKey(int key, int, int) { special_down(state, key); }

void releaseKey(int key, int, int) { special_up(state, key); }

void frame(int steps, Path path) {
    for (int i = 0; i < steps; ++i) step(state);
    draw_frame(state, path);
    // The sky turns after it is drawn: a frame shows the turn of the frame before.
    for (int i = 0; i < steps; ++i) step_sky(state);
    glutSwapBuffers();
}

void renderScene() {
    frame(frame_clock().begin_frame());
    frame_clock().end_frame();
}

}  // namespace castle_world
