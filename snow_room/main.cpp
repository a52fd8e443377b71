// snow_room: a lit living room, open towards the viewer, with a ceiling fan
// and a door in the back wall; through the door, a yard with a snowman and
// snow falling in the moonlight.
//
// Keys:
//   x / X, y / Y, z / Z   turn the scene by +5 / -5 degrees about x, y, z
//   4 / 6                 shift the scene by +1 / -1 along x
//   1 / 3                 shift the scene by +1 / -1 along y
//   8 / 5                 shift the scene by +1 / -1 along z
//   p / P                 open / close the door
//   v / V                 start / stop the fan
//   + / -                 turn the fan faster / slower (below 0 it turns back)
//   u / U                 let the snow fall faster / slower
//   l / L                 switch the light off / on
//   Esc                   quit

#include <GL/glut.h>

#include <cstdio>

#include "memory_tuning.h"
#include "shell.h"

int main(int argc, char** argv) {
    keep_freed_memory();
    // Flushed at once, so a reader on a pipe sees it while the window is open.
    std::fputs("iniciou", stdout);
    std::fflush(stdout);

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(snow_room::kWindowWidth, snow_room::kWindowHeight);
    glutInitWindowPosition(snow_room::kWindowX, snow_room::kWindowY);
    glutCreateWindow(snow_room::kWindowTitle);
    glutKeyboardFunc(snow_room::keyboard);
    glutReshapeFunc(snow_room::myReshape);
    snow_room::init();
    glutDisplayFunc(snow_room::display);
    glutMainLoop();
    return 0;
}
