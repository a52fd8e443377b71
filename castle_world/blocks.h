#pragma once
// The block grid every wall of the castle is built from: square faces of side
// 10 in the plane z = 0 (and z = 10 for a thick wall), column i over x 10 i to
// 10 i + 10, row j over y 10 j to 10 j + 10, with battlements in the top row.

#include "faces.h"

namespace castle_world {

// Cells left out of a thick wall: columns first to last of rows 0 to rows - 1.
// Its sides and top are closed across the thickness.
struct Opening {
    int first_column = 0;
    int last_column = -1;
    int rows = 0;
};

struct BlockWall {
    int columns;
    int rows;          // the top one holds the merlons
    bool thick;        // faces at z = 0 and z = 10; else z = 0 only
    bool walkway;      // top faces over every column under the merlons
    Opening opening;
    int texture;       // slot of textureArray
};

constexpr float kBlock = 10;

// Every even column of the top row is a merlon: a closed block reaching 10
// toward +z; odd columns are crenels.
void block_wall(Pen& pen, const BlockWall& w);

}  // namespace castle_world
