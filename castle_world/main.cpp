// castle_world: a castle and its village, explored in first person while a
// tune plays in a loop. Walking, turning and looking go on while their key
// is held.
//
// Keys:
//   w / s        walk forward / back along the view
//   a / d        turn left / right
//   Up / Down    look up / down
//   v            run (hold it, then press w or s)
//   z            crouch (hold it)
//   F2           flying on / off: walking also climbs or sinks along the view
//   F7           lighting on / off
//   Insert       open / close the keep's door
//   Page Down    lower / raise the drawbridge
//   Page Up      raise / lower the portcullis
//   Esc          quit, when released
// Mouse, with no button pressed: the pointer's side of the window's centre
// turns left or right and looks up or down by a fixed step; the pointer is
// then put back at the centre.

#include <GL/glut.h>

#include "memory_tuning.h"
#include "music.h"
#include "shell.h"
#include "state.h"

namespace {
constexpr int kWindowX = 100;
constexpr int kWindowY = 100;
}  // namespace

int main(int argc, char** argv) {
    keep_freed_memory();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(kWindowX, kWindowY);
    glutInitWindowSize(castle_world::kWindowWidth, castle_world::kWindowHeight);
    glutCreateWindow(castle_world::kWindowTitle);
    castle_world::initScene();
    castle_world::register_callbacks();
    // Last, so a missing image ends start-up before any sound is opened.
    castle_world::Music music(castle_world::kMusicFile);
    glutMainLoop();
    return 0;
}
