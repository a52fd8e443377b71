#pragma once
// The ground with the moat, and the sky sphere.

#include "faces.h"

namespace castle_world {

constexpr int kGroundTiles = 170;  // a side, tiles of 10: the ground covers 0 to 1700 in x and z
constexpr int kMoatFirstRow = 16;  // z 160 to 200
constexpr int kMoatLastRow = 19;
constexpr float kMoatDepth = -5;
// The ground is drawn in square chunks of tiles, so a chunk out of view can be skipped.
constexpr int kChunkTiles = 10;
constexpr int kChunks = kGroundTiles / kChunkTiles;

void chao(Pen& pen);
// The tiles (and moat banks) of chunk (ci, cj): tiles ci * kChunkTiles ... in x, cj * ... in z.
void chao_chunk(Pen& pen, int ci, int cj);
void ceu(Pen& pen);

}  // namespace castle_world
