// building_tour: a textured walk-through of a two-storey university
// building. The presentation tour flies around it, opens the gates and goes
// in through the rooms and corridors, then starts over.
//
// Keys (numeric keypad layout; the eye and the point it looks at move together):
//   8 / 2          move forward / back
//   4 / 6          move left / right
//   5 / 0          move up / down
//   7 / 9          turn the view left / right about the eye
//   1 / 3          orbit the eye about the point looked at
//   d / D          swing the gates one degree one way / the other
//   X x, Y y, Z z  rotate the building by +5 / -5 degrees about x, y, z
//   r or R         reset the camera and the tour's counter
//   a or A         start the presentation tour, or pause it where it is
//   Esc            quit

#include <GL/glut.h>

#include "memory_tuning.h"
#include "shell.h"

namespace {
constexpr int kWindowX = 0;
constexpr int kWindowY = 0;
}  // namespace

int main(int argc, char** argv) {
    keep_freed_memory();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(building_tour::kWindowWidth, building_tour::kWindowHeight);
    glutInitWindowPosition(kWindowX, kWindowY);
    glutCreateWindow(building_tour::kWindowTitle);
    building_tour::InitGL();
    glutDisplayFunc(building_tour::display);
    glutReshapeFunc(building_tour::reshape);
    glutKeyboardFunc(building_tour::keyboard);
    glutMainLoop();
    return 0;
}
