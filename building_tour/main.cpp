#include <GL/glut.h>

#include "frame_pacer.h"
#include "memory_tuning.h"
#include "shell.h"

namespace {

FramePacer pacer;

void display() {
    render_scene();
    pacer.end_frame();
}

}  // namespace

int main(int argc, char** argv) {
    keep_freed_memory();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kWindowWidth, kWindowHeight);
    glutInitWindowPosition(0, 0);
    glutCreateWindow(kWindowTitle);
    InitGL();
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(keyboard);
    glutMainLoop();
    return 0;
}
