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
