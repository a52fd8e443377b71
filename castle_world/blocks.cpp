#include "blocks.h"

namespace castle_world {

namespace {

bool in_opening(const Opening& o, int column, int row) {
    return column >= o.first_column && column <= o.last_column && row < o.rows;
}

}  // namespace

void block_wall(Pen& pen, const BlockWall& w) {
    Quads q(w.texture);
    const int top = w.rows - 1;
    for (int i = 0; i < w.columns; ++i) {
        const float x0 = kBlock * i, x1 = x0 + kBlock;
        for (int j = 0; j < top; ++j) {
            if (in_opening(w.opening, i, j)) continue;
            const float y0 = kBlock * j, y1 = y0 + kBlock;
            q.face_z(x0, y0, x1, y1, 0);
            if (w.thick) q.face_z(x0, y0, x1, y1, kBlock);
        }
    }

    const float wall_top = kBlock * top;
    if (w.walkway)
        for (int i = 0; i < w.columns; ++i) q.face_y(kBlock * i, 0, kBlock * i + kBlock, kBlock, wall_top);

    const float merlon_top = wall_top + kBlock;
    for (int i = 0; i < w.columns; i += 2) {
        const float x0 = kBlock * i, x1 = x0 + kBlock;
        q.face_z(x0, wall_top, x1, merlon_top, 0);
        q.face_z(x0, wall_top, x1, merlon_top, kBlock);
        q.face_y(x0, 0, x1, kBlock, merlon_top);
        q.face_x(0, wall_top, kBlock, merlon_top, x0);
        q.face_x(0, wall_top, kBlock, merlon_top, x1);
    }

    const Opening& o = w.opening;
    if (o.rows > 0) {
        const float left = kBlock * o.first_column, right = kBlock * (o.last_column + 1);
        for (int j = 0; j < o.rows; ++j) {
            q.face_x(0, kBlock * j, kBlock, kBlock * j + kBlock, left);
            q.face_x(0, kBlock * j, kBlock, kBlock * j + kBlock, right);
        }
        const float lintel = kBlock * o.rows;
        for (int i = o.first_column; i <= o.last_column; ++i)
            q.face_y(kBlock * i, 0, kBlock * i + kBlock, kBlock, lintel);
    }
    pen.draw(q);
}

}  // namespace castle_world
