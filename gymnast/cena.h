#pragma once
// One frame of the gymnast's scene, without the buffer swap: the lit figure
// inside its textured box of ground, leaning walls and sky, all turned by
// the camera.

namespace gymnast {

void desenhaCena();

}  // namespace gymnast
