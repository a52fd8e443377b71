#include <GL/glut.h>

#include "bezier_lights.h"

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    // A depth buffer, so the depth test hides the far folds of the patch.
    glutInitDisplayMode(GLUT_SINGLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(kWindowSize, kWindowSize);
    glutInitWindowPosition(kWindowX, kWindowY);
    glutCreateWindow(argv[0]);
    init();
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(keyboard);
    glutMainLoop();
    return 0;
}
