#include "assembly.h"

#include <GL/gl.h>

namespace ff {

Decomposed decompose(unsigned mode, int n) {
    Decomposed d{Prim::triangles, {}};
    auto& o = d.order;
    auto tri = [&](int a, int b, int c) { o.insert(o.end(), {a, b, c}); };
    switch (mode) {
        case GL_POINTS:
            d.prim = Prim::points;
            for (int i = 0; i < n; ++i) o.push_back(i);
            break;
        case GL_LINES:
            d.prim = Prim::lines;
            for (int i = 0; i + 1 < n; i += 2) o.insert(o.end(), {i, i + 1});
            break;
        case GL_LINE_STRIP:
        case GL_LINE_LOOP:
            d.prim = Prim::lines;
            for (int i = 0; i + 1 < n; ++i) o.insert(o.end(), {i, i + 1});
            if (mode == GL_LINE_LOOP && n > 2) o.insert(o.end(), {n - 1, 0});
            break;
        case GL_TRIANGLES:
            for (int i = 0; i + 2 < n; i += 3) tri(i, i + 1, i + 2);
            break;
        case GL_TRIANGLE_STRIP:
            // Every other triangle swaps its first two vertices to keep the strip's winding.
            for (int i = 0; i + 2 < n; ++i) tri(i + (i & 1), i + 1 - (i & 1), i + 2);
            break;
        case GL_TRIANGLE_FAN:
        case GL_POLYGON:
            for (int i = 1; i + 1 < n; ++i) tri(0, i, i + 1);
            break;
        case GL_QUADS:
            // Split along the 0-2 diagonal, as the desktop's pictures show;
            // lit shading across a quad depends on the choice.
            for (int i = 0; i + 3 < n; i += 4) {
                tri(i, i + 1, i + 2);
                tri(i, i + 2, i + 3);
            }
            break;
        case GL_QUAD_STRIP:
            for (int i = 0; i + 3 < n; i += 2) {
                tri(i + 2, i, i + 3);
                tri(i, i + 1, i + 3);
            }
            break;
        default:
            break;
    }
    return d;
}

}  // namespace ff
