#pragma once
// Wall, floor and band primitives: each draws one textured quad, the texture
// spanning it exactly once. Those that bind no slot draw with the texture
// their caller bound last.

namespace building_tour {

void draw_muro_N(float x, float y, float z);
void draw_parede_meio(float x, float y, float z);
void draw_muro_corredor(float x, float extra, float y, float z);
void draw_muro_corredor_porta(float x, float extra, float y, float z);
void draw_muro_interno(float x, float extra, float y, float z);
void draw_muro_janela_N(float x, float y, float z);
void draw_muro_janela_interna(float x, float extra, float y, float z);
void draw_muro_janela_interna_lado(float x, float extra, float y, float z);
void draw_muro_L(float x, float y, float z);
void draw_faixa_horizontal(float x, float y, float z);
void draw_chao(float x, float y, float z);
void draw_chao_meio(float x, float y, float z);

}  // namespace building_tour
