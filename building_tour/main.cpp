#include <GL/glut.h>

#include "memory_tuning.h"
#include "shell.h"

int main(int argc, char** argv) {
    keep_freed_memory();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(building_tour::kWindowWidth, building_tour::kWindowHeight);
    glutInitWindowPosition(0, 0);
    glutCreateWindow(building_tour::kWindowTitle);
    building_tour::InitGL();
    glutDisplayFunc(building_tour::display);
    glutReshapeFunc(building_tour::reshape);
    glutKeyboardFunc(building_tour::keyboard);
    glutMainLoop();
    return 0;
}
