#include <GL/glut.h>

#include "memory_tuning.h"
#include "shell.h"

int main(int argc, char** argv) {
    keep_freed_memory();
    gymnast::inicia(&argc, argv);
    glutMainLoop();
    return 0;
}
