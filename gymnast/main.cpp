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
