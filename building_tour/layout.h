#pragma once
// The building: one wing (drawn twice by the frame) and the central pavilion.

namespace building_tour {

void chama_desenha_chao();
void draw_todas_vigas();
void draw_todos_muros();
void draw_faixas();
void draw_janelas();
void draw_todas_portas();
void draw_centro();

}  // namespace building_tour
