// gymnast: a figure of boxes and spheres in a box of walls, floor and sky.
// Single joints and the camera move from the keyboard, two degrees a press;
// the arrow keys and the menu play whole movements.
//
// Keys:                 swing       sideways    elbow or knee
//   right arm           R / r       t / T       U straighten / u bend
//   left arm            Q / q       w / W       E straighten / e bend
//   right leg           F / f       g / G       h bend / H straighten
//   left leg            A / a       s / S       d bend / D straighten
//   C / c               tip the head forward / back
//   V / v               pitch the whole figure forward / back
//   X x, Y y, Z z       turn the scene about x, y, z (and switch that axis on)
//   2 / 1               bring the scene closer / move it away
//   .                   rest pose
//   ,                   camera back to its start
//   Esc                 quit
// Arrow keys:
//   Up / Down           backward / forward somersault
//   Left                the fall: a somersault that over-turns and lands low
//   Right               the full routine
// Right mouse button: a menu of the same movements (Animacao, Mortal Tras,
// Mortal Frente, Queda), Original (rest pose) and Sair (quit).
// A movement runs to its end before the next key is read.

#include <GL/glut.h>

#include "memory_tuning.h"
#include "shell.h"

int main(int argc, char** argv) {
    keep_freed_memory();
    gymnast::RitmoJanela ritmo;
    gymnast::inicia(&argc, argv, ritmo);
    glutMainLoop();
    return 0;
}
