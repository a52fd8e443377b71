#pragma once
// GLU's quadrics (smooth normals, outside orientation, filled) as the
// desktop's GLU tessellates them: the same strips and fans, vertex by vertex.

#include <vector>

namespace ff {

struct Strip {
    unsigned mode;  // GL_TRIANGLE_FAN or GL_QUAD_STRIP
    std::vector<float> pos, normal, tex;  // 3, 3 and 2 a vertex
    void add(float x, float y, float z, float nx, float ny, float nz, float s, float t);
};

// Round the z axis from the base (z = 0) to the top (z = height).
std::vector<Strip> cylinder(double base, double top, double height, int slices, int stacks);
// Centred on the origin; the poles on the z axis. Untextured, the pole caps are fans.
std::vector<Strip> sphere(double radius, int slices, int stacks, bool textured);

}  // namespace ff
