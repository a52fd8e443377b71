#pragma once
// The room's shell, its back wall with the door, and the ceiling fan, in the
// room frame (the box x -6..6, y -4..4, z -4.5..4.5, open towards +z).
// Each draws the current state and leaves the model-view matrix as it was.

namespace snow_room {

void sala_linhas();
void parede_fundo();  // parede_fundo_muro, then porta_fundo
void parede_esquerda();
void parede_direita();
void piso();
void teto();
void ventilador();  // ventilador_haste, then ventilador_pas

// The parts of the back wall and the fan that never move, and those that do.
void parede_fundo_muro();
void porta_fundo();
void ventilador_haste();
void ventilador_pas();

}  // namespace snow_room
