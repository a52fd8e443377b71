#pragma once
// The fortification: keep, gatehouse with drawbridge and portcullis, curtain
// walls and their towers. Each function draws in its own local coordinates
// (x along the front, y up, z from the front face inward) and leaves the
// matrix as it found it.

#include "faces.h"
#include "state.h"

namespace castle_world {

void torre(Pen& pen);          // wall tower, 110 x 210 x 110
void torre_castelo(Pen& pen);  // keep tower: brick body, conical roof, flag, emblem
void emblema(Pen& pen);
void muro(Pen& pen);           // curtain wall with its tower at the right end
void muro2(Pen& pen);          // rear wall
void grade(Pen& pen, int porta_grade);
// A toothed gear centred at (x, y, z), across z, turned by `degrees` about z.
void gear(Pen& pen, float x, float y, float z, float degrees, int sides);

// The keep (castelo) and the gatehouse (portao) as pieces in drawing order,
// split where the moving parts come, so the fixed ones can be compiled once.
void castelo_front(Pen& pen);
void castelo_door(Pen& pen, const State& s);
void castelo_rest(Pen& pen);
void portao_wall(Pen& pen);
void portao_machinery(Pen& pen, const State& s);
void portao_towers(Pen& pen);
void portao_grade(Pen& pen, const State& s);

}  // namespace castle_world
