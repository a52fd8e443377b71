#pragma once
// The program's frame: fixed OpenGL state and light, projection, keys, and
// the drawing order of one frame with the steps of the moving things.

namespace snow_room {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr int kWindowX = 220;
constexpr int kWindowY = 220;
constexpr const char* kWindowTitle = ">>RIVO";

void init();
void myReshape(int w, int h);
void keyboard(unsigned char key, int x, int y);

// The picture of the current state, without advancing it or swapping.
void desenha_cena();
// One frame with this many 1/60 s steps: the fan's before the picture, the
// door's and the snow's after it, then the swap and the next redisplay.
void quadro(int passos);
// The display callback: quadro() with the steps the frame clock says are due.
void display();

}  // namespace snow_room
