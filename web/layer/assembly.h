#pragma once
// How OpenGL's primitives fall apart into independent points, lines and triangles.

#include <vector>

#include "backend.h"

namespace ff {

struct Decomposed {
    Prim prim;
    std::vector<int> order;  // indices into the glBegin/glEnd vertices, 1, 2 or 3 per primitive
};

// mode is GL_POINTS ... GL_POLYGON; incomplete trailing primitives are dropped.
Decomposed decompose(unsigned mode, int count);

}  // namespace ff
