#pragma once
// Columns, storey beams, facade beams and the stair block.

namespace building_tour {

void draw_viga_quina_S(float x, float y0, float y1, float z, float z_left, float z_right);
void draw_viga_quina(float x, float y0, float y1, float z, float z_left, float z_right);
void draw_viga(float x, float y0, float y1, float z);
void draw_viga_corredor(float x, float y0, float y1, float z);
void draw_viga_horizontal(float x, float y, float z, int dir);

void draw_degrau(float x, float y, float z);
void draw_degrau_L(float x, float y, float z);
void draw_tampa_F_escada(float x, float y, float z);
void draw_tampa_L_escada(float x, float y, float z);
void draw_escada(float x, float y, float z);

}  // namespace building_tour
