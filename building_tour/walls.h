#pragma once
// Wall, floor and band primitives: each draws one textured quad, the texture
// spanning it exactly once. Those that bind no slot draw with the texture
// their caller bound last.

void draw_muro_N(float x, float y, float z);
void draw_parede_meio(float x, float y, float z);
void draw_muro_corredor(float x, float extra, float y, float z);
void draw_muro_corredor_porta(float x, float extra, float y, float z);
void draw_muro_interno(float x, float extra, float y, float z);
void draw_muro_janela_N(float x, float y, float z);
void draw_muro_janela_interna(float x, float extra, float y, float z);
void draw_muro_janela_interna_lado(float x, float extra, float y, float z);
void draw_muro_L(float x, float y, float z);
void draw_faixa_horizontal(float x, float y, float z);
void draw_chao(float x, float y, float z);
void draw_chao_meio(float x, float y, float z);

// Faces, the one shape every building primitive is made of. Each texture
// pattern gives the texture coordinates of a face's four corners in drawing
// order, so the image spans the face once.
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
