#pragma once
// The village: fountain, sign post, the two kinds of house and the tavern,
// each in its own local coordinates (x to the right, y up, z from the front
// face toward the back).

#include "faces.h"

namespace castle_world {

void fonte(Pen& pen);
void placa_vende(Pen& pen);
void casa1(Pen& pen);
void casa2(Pen& pen);
void taverna(Pen& pen);

}  // namespace castle_world
