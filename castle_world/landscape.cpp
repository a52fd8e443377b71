#include "landscape.h"

#include "textures.h"

namespace castle_world {

namespace {

constexpr float kTile = 10;
constexpr double kSkyRadius = 1300;
constexpr int kSkySlices = 100;

bool in_moat(int j) { return j >= kMoatFirstRow && j <= kMoatLastRow; }

void tile(Quads& q, int i, int j) {
    const float x0 = kTile * i, x1 = x0 + kTile;
    const float z0 = kTile * j, z1 = z0 + kTile;
    const bool water = in_moat(j);
    const float y = water ? kMoatDepth : 0;
    q.texture(water ? slot::water : slot::grass);
    q.quad({x0, y, z0, 0, 0}, {x0, y, z1, 1, 0}, {x1, y, z1, 1, 1}, {x1, y, z0, 0, 1});
}

}  // namespace

void chao_chunk(Pen& pen, int ci, int cj) {
    const int i0 = ci * kChunkTiles, j0 = cj * kChunkTiles;
    Quads q(slot::grass);
    for (int i = i0; i < i0 + kChunkTiles; ++i)
        for (int j = j0; j < j0 + kChunkTiles; ++j) tile(q, i, j);

    q.texture(slot::earth);
    for (int j = j0; j < j0 + kChunkTiles; ++j) {
        const bool near_edge = j == kMoatFirstRow, far_edge = j == kMoatLastRow;
        if (!near_edge && !far_edge) continue;
        const float z = near_edge ? kTile * j : kTile * (j + 1);
        for (int i = i0; i < i0 + kChunkTiles; ++i) q.face_z(kTile * i, kMoatDepth, kTile * (i + 1), 0, z);
    }
    pen.draw(q);
}

void chao(Pen& pen) {
    for (int ci = 0; ci < kChunks; ++ci)
        for (int cj = 0; cj < kChunks; ++cj) chao_chunk(pen, ci, cj);
}

void ceu(Pen& pen) {
    pen.bind(slot::sky);
    pen.sphere(kSkyRadius, kSkySlices, kSkySlices);
}

}  // namespace castle_world
