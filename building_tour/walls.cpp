#include "walls.h"

#include <GL/gl.h>

#include "faces.h"
#include "textures.h"

namespace building_tour {

namespace {

constexpr int kNoSlot = -1;  // draws with the texture the caller bound last

// A wall rectangle in a z-plane, relative to the lower-left corner its
// arguments name; extra lengthens it in x.
struct WallShape {
    float length;  // in x, before extra
    float bottom, top;
    float plane;   // offset of the plane from the named z
    int slot;
};

constexpr WallShape kMuroN{10, 0, 10, 0, slot::muro1};
constexpr WallShape kParedeMeio{10, 0, 10, 0, kNoSlot};
constexpr WallShape kMuroCorredor{10, 0, 7, 0, kNoSlot};
constexpr WallShape kMuroCorredorPorta{10, 0, 3, 0, kNoSlot};
constexpr WallShape kMuroInterno{10, 0, 10, -1, slot::branco};  // the inner face, one unit behind
constexpr WallShape kMuroJanelaN{2, 0, 10, 0, kNoSlot};
constexpr WallShape kMuroJanelaInterna{2, 0, 10, -1, slot::branco};
constexpr WallShape kMuroJanelaInternaLado{2, 7, 10, 0, kNoSlot};  // the strip above a window

constexpr float kWallLSide = 10;
constexpr float kBandLength = 20;
constexpr float kBandHeight = 4;
constexpr float kTileDepth = 10;
constexpr float kTileWidth = 9;
constexpr float kMiddleTileWidth = 10;

// The side wall's image runs from z back towards -z.
constexpr TexturePattern kWallLMapping = {{1, 1}, {0, 1}, {0, 0}, {1, 0}};

// Wall mapping: the image upright, s along x, t down from the top edge.
void draw_wall(const WallShape& w, float x, float extra, float y, float z) {
    if (w.slot != kNoSlot) bind_slot(w.slot);
    const float x0 = x, x1 = x + w.length + extra;
    const float y0 = y + w.bottom, y1 = y + w.top;
    glBegin(GL_QUADS);
    face_z(z + w.plane, {{x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}}, kStraight);
    glEnd();
}

// Floor mapping: s from the edge at z to the edge at z - 10, t along x.
void draw_tile(float x, float y, float z, float width) {
    glBegin(GL_QUADS);
    face_y(y, {{x, z}, {x, z - kTileDepth}, {x + width, z - kTileDepth}, {x + width, z}}, kStraight);
    glEnd();
}

}  // namespace

void draw_muro_N(float x, float y, float z) { draw_wall(kMuroN, x, 0, y, z); }
void draw_parede_meio(float x, float y, float z) { draw_wall(kParedeMeio, x, 0, y, z); }

void draw_muro_corredor(float x, float extra, float y, float z) { draw_wall(kMuroCorredor, x, extra, y, z); }

void draw_muro_corredor_porta(float x, float extra, float y, float z) {
    draw_wall(kMuroCorredorPorta, x, extra, y, z);
}

void draw_muro_interno(float x, float extra, float y, float z) { draw_wall(kMuroInterno, x, extra, y, z); }
void draw_muro_janela_N(float x, float y, float z) { draw_wall(kMuroJanelaN, x, 0, y, z); }

void draw_muro_janela_interna(float x, float extra, float y, float z) {
    draw_wall(kMuroJanelaInterna, x, extra, y, z);
}

void draw_muro_janela_interna_lado(float x, float extra, float y, float z) {
    draw_wall(kMuroJanelaInternaLado, x, extra, y, z);
}

void draw_muro_L(float x, float y, float z) {
    const float top = y + kWallLSide, back = z - kWallLSide;
    glBegin(GL_QUADS);
    face_x(x, {{y, z}, {y, back}, {top, back}, {top, z}}, kWallLMapping);
    glEnd();
}

// Band mapping: s up the band, t along x.
void draw_faixa_horizontal(float x, float y, float z) {
    const float right = x + kBandLength, top = y + kBandHeight;
    glBegin(GL_QUADS);
    face_z(z, {{x, y}, {x, top}, {right, top}, {right, y}}, kStraight);
    glEnd();
}

void draw_chao(float x, float y, float z) { draw_tile(x, y, z, kTileWidth); }
void draw_chao_meio(float x, float y, float z) { draw_tile(x, y, z, kMiddleTileWidth); }

}  // namespace building_tour
