#pragma once
// The room's shell, its back wall with the door, and the ceiling fan, in the
// room frame (the box x -6..6, y -4..4, z -4.5..4.5, open towards +z).
// Each draws the current state and leaves the model-view matrix as it was.

namespace snow_room {

void sala_linhas();
void parede_fundo();  // the wall pieces, then the door at its angle
void parede_esquerda();
void parede_direita();
void piso();
void teto();
void ventilador();

}  // namespace snow_room
