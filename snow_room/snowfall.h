#pragma once
// The flakes where they stand. Expects the snow material and the snow frame
// (the room frame moved by (-6, 4, -5)) to be set by the caller.

namespace snow_room {

void DesenhaNeve();

}  // namespace snow_room
