#include "faces.h"

#include <GL/gl.h>

namespace building_tour {

namespace {

void put_corner(const TexCoord& tex, float x, float y, float z) {
    glTexCoord2f(tex.s, tex.t);
    glVertex3f(x, y, z);
}

}  // namespace

void face_x(float x, const FaceCorners& c, const TexturePattern& pattern) {
    for (int i = 0; i < 4; ++i) put_corner(pattern[i], x, c[i].a, c[i].b);
}

void face_y(float y, const FaceCorners& c, const TexturePattern& pattern) {
    for (int i = 0; i < 4; ++i) put_corner(pattern[i], c[i].a, y, c[i].b);
}

void face_z(float z, const FaceCorners& c, const TexturePattern& pattern) {
    for (int i = 0; i < 4; ++i) put_corner(pattern[i], c[i].a, c[i].b, z);
}

}  // namespace building_tour
