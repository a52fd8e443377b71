#pragma once
// Faces, the one shape every building primitive is made of. Each texture
// pattern gives the texture coordinates of a face's four corners in drawing
// order, so the image spans the face once.

namespace building_tour {

struct TexCoord {
    float s, t;
};
using TexturePattern = TexCoord[4];
inline constexpr TexturePattern kStraight = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
inline constexpr TexturePattern kTurned = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
inline constexpr TexturePattern kCrossed = {{0, 0}, {1, 1}, {1, 0}, {0, 1}};

// A corner on a coordinate plane, by the two coordinates that vary, in axis
// order: (y, z) on a plane x, (x, z) on a plane y, (x, y) on a plane z.
struct PlanePoint {
    float a, b;
};
using FaceCorners = PlanePoint[4];

// One face inside an open glBegin(GL_QUADS) group, corners in drawing order,
// each preceded by its texture coordinate.
void face_x(float x, const FaceCorners& corners, const TexturePattern& pattern);
void face_y(float y, const FaceCorners& corners, const TexturePattern& pattern);
void face_z(float z, const FaceCorners& corners, const TexturePattern& pattern);

}  // namespace building_tour
