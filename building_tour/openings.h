#pragma once
// Gates and windows. Every gate reads angle_door when it is drawn, so all
// gates open and close together.

// Gate pieces; each binds slot 0.

namespace building_tour {

void draw_col_gate(float x, float y, float z);
void draw_lin_gate(float x, float y, float z);
void draw_top_gate(float x, float y, float z);
void draw_top_gate_L(float x, float y, float z);

// A two-leaf gate 20 wide and 20 tall; dir multiplies the opening angle.
void draw_door_master(float x, float y, float z, int dir);

// A full-height window 16 wide, 10 tall, 1 deep; leaves the glass slot bound.
void draw_window_N(float x, float y, float z);
// A high corridor window, open from y + 7 to y + 10.
void draw_window_corredor(float x, float y, float z);

}  // namespace building_tour
