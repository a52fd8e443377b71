#pragma once
// One frame of the castle world as the state says: camera, light, the
// sixteen placed objects in their order.
//
// Two paths draw the same picture. The plain one sends every quad with its
// own bind, as the objects are written. The fast one skips a bind when that
// texture is already bound, calls display lists compiled once for everything
// that never moves, and leaves out objects wholly outside the view or wholly
// hidden; tests compare the two quad by quad and pixel for pixel.

#include "faces.h"
#include "state.h"

namespace castle_world {

constexpr float kFieldOfView = 45;
constexpr double kNearPlane = 1;
// Far enough for the far side of the sky sphere from anywhere on the ground
// (up to about 2,500 away); at 2000 a black hole opened in the sky ahead.
constexpr double kFarPlane = 3000;

enum class Path { plain, fast };

// The display lists of the fast path, compiled now rather than by the first
// fast frame; needs the window.
void compile_scene();

// Projection for a window of the state's size, then the camera.
void load_projection(const State& s);
// Identity, then gluLookAt from the state.
void load_camera(const State& s);
// Clears, loads the camera, lights and draws every object. No buffer swap.
void draw_frame(const State& s, Path path = Path::fast);
// The objects alone, at the current camera.
void draw_objects(const State& s, Path path);

// The objects the fast path may leave out, in drawing order, with their
// boxes in scene coordinates (the ground as its chunks), measured from their
// drawing with the gates at every position.
struct Placed {
    const char* name;
    Box box;
};
int placed_count();
Placed placed(int index);
// Draws that object alone, on the plain path, at the current matrix.
void draw_placed(int index, const State& s);

}  // namespace castle_world
