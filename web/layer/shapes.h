#pragma once
// The GLUT solids and wires, tessellated as the desktop's GLUT tessellates
// them (same vertices, normals and triangles), so lit pictures agree.

#include <vector>

namespace ff {

// Independent triangles (3 vertices each) or line segments (2 each), in object space.
struct Mesh {
    enum class Kind { triangles, lines } kind = Kind::triangles;
    std::vector<float> pos, normal, tex;  // tex is empty when the shape has no texture coordinates

    std::size_t vertices() const { return pos.size() / 3; }
    void add(const float* p, const float* n, const float* t = nullptr);
};

Mesh solid_cube(float size);
Mesh wire_cube(float size);
Mesh solid_sphere(float radius, int slices, int stacks);
Mesh wire_sphere(float radius, int slices, int stacks);
Mesh solid_cone(float base, float height, int slices, int stacks);
Mesh wire_cone(float base, float height, int slices, int stacks);
Mesh solid_torus(float inner, float outer, int sides, int rings);
Mesh wire_torus(float inner, float outer, int sides, int rings);
Mesh solid_teapot(float size);
Mesh wire_teapot(float size);

}  // namespace ff
