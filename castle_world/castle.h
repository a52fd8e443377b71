#pragma once
// The fortification: keep, gatehouse with drawbridge and portcullis, curtain
// walls and their towers. Each function draws in its own local coordinates
// (x along the front, y up, z from the front face inward) and leaves the
// matrix as it found it.

#include "state.h"

namespace castle_world {

void torre();          // wall tower, 110 x 210 x 110
void torre_castelo();  // keep tower: brick body, conical roof, flag, emblem
void emblema();
void muro();           // curtain wall with its tower at the right end
void muro2();          // rear wall
void castelo(const State& s);
void portao(const State& s);
void grade(int porta_grade);
// A toothed gear in the plane z = 0, turned by `degrees` about z.
void gear(float degrees, int sides);

// The pieces of castelo and portao in drawing order, split where the moving
// parts come, so the fixed ones can be compiled once.
void castelo_front();
void castelo_door(const State& s);
void castelo_rest();
void portao_wall();
void portao_machinery(const State& s);
void portao_towers();
void portao_grade(const State& s);

}  // namespace castle_world
