#pragma once
// The top of the walk-through: window set-up, projection, keys and the frame.

namespace building_tour {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr const char* kWindowTitle = "::: Bloco VELD Beta :::";

void InitGL();
void reshape(int width, int height);
// One picture of the current state, ending in a buffer swap and the next redisplay request.
void render_scene();
// The display callback: the tour's due steps, the picture, then the wait for the next frame.
void display();
void keyboard(unsigned char key, int x, int y);

}  // namespace building_tour
