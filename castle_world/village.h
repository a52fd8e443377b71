#pragma once
// The village: fountain, sign post, the two kinds of house and the tavern,
// each in its own local coordinates (x to the right, y up, z from the front
// face toward the back).

namespace castle_world {

void fonte();
void placa_vende();
void casa1();
void casa2();
void taverna();

}  // namespace castle_world
