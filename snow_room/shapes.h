#pragma once
// The two shapes most objects are made of, placed by centre and size.

namespace snow_room {

struct Vec3 {
    float x, y, z;
};

// A unit cube scaled to size, centred at c.
void caixa(Vec3 c, Vec3 size);
// A sphere of radius r centred at c.
void esfera(Vec3 c, double r, int slices = 20, int stacks = 20);

}  // namespace snow_room
