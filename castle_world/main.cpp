#include <GL/glut.h>

#include "memory_tuning.h"
#include "music.h"
#include "shell.h"
#include "state.h"

int main(int argc, char** argv) {
    keep_freed_memory();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(castle_world::kWindowWidth, castle_world::kWindowHeight);
    glutCreateWindow(castle_world::kWindowTitle);
    castle_world::initScene();
    castle_world::register_callbacks();
    // Last, so a missing image ends start-up before any sound is opened.
    castle_world::Music music(castle_world::kMusicFile);
    glutMainLoop();
    return 0;
}
