#pragma once
// One frame of the castle world as the state says: camera, light, the
// sixteen placed objects in their order.
//
// Two paths draw the same picture. The plain one sends every quad with its
// own bind, as the objects are written. The fast one (the default) skips a
// bind when that texture is already bound, calls display lists compiled once
// for everything that never moves, and leaves out objects wholly outside the
// view or wholly hidden; a test compares the two pixel for pixel.

#include "state.h"

namespace castle_world {

constexpr float kFieldOfView = 45;
constexpr double kNearPlane = 1;
// Far enough for the far side of the sky sphere from anywhere on the ground
// (up to about 2,500 away); at 2000 a black hole opened in the sky ahead.
constexpr double kFarPlane = 3000;

// Each saving on its own, to measure and compare them one by one. Leaving
// objects out works on the compiled scene only: it needs `lists`.
struct Path {
    bool skip_binds;  // and one group of triangles per run of one texture
    bool lists;
    bool cull;
    bool hidden;  // ask whether the keep and the rear wall are wholly behind what stands before them
};
void set_path(const Path& p);
// All savings, or none.
void set_fast_path(bool on);

// Projection for a window of the state's size, then the camera.
void load_projection(const State& s);
// Identity, then gluLookAt from the state.
void load_camera(const State& s);
// Clears, loads the camera, lights and draws every object. No buffer swap.
void draw_frame(const State& s);
// The objects alone, at the current camera.
void draw_objects(const State& s);

// Where an object of the scene stands: its box in scene coordinates.
struct Box {
    float min[3], max[3];
};
// The objects the fast path may leave out, in drawing order, with their
// boxes (the ground as its chunks); for tests.
struct Placed {
    const char* name;
    Box box;
};
int placed_count();
Placed placed(int index);
// Draws that object alone, on the plain path, at the current matrix.
void draw_placed(int index, const State& s);

}  // namespace castle_world
