#pragma once
// The furniture, in the room frame. Each leaves the model-view matrix as it was.

namespace snow_room {

void lareira();
void sofa_esquerda();  // against the right wall, facing -x
void sofa_direita();   // against the left wall, facing +x
void tapete();
void mesa();

}  // namespace snow_room
