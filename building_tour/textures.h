#pragma once
// The texture table of the building: one slot per image, loaded in slot order.

#include <GL/gl.h>

namespace building_tour {

namespace slot {
constexpr int image = 0;               // ground; gate pieces and window frames
constexpr int muro1 = 1;               // facade wall panels
constexpr int muro_tira = 2;           // facade pieces beside the windows
constexpr int cimento = 3;             // beams, outer bands
constexpr int branco = 4;              // white inner faces, ceilings, marker cube
constexpr int vidro = 5;               // window glass
constexpr int muro2 = 6;               // corridor walls
constexpr int muro_tira_lado = 7;      // corridor pieces beside the high windows
constexpr int muro_superior_porta = 8; // strips over the doorways
constexpr int cimento2 = 9;            // floors
constexpr int grafiato = 10;           // stair block, pavilion render
constexpr int count = 11;
}  // namespace slot

constexpr const char* kTextureFiles[slot::count] = {
    "texture/image.bmp",    "texture/muro1.bmp",          "texture/muro_tira.bmp",
    "texture/cimento.bmp",  "texture/branco.bmp",         "texture/vidro.bmp",
    "texture/muro2.bmp",    "texture/muro_tira_lado.bmp", "texture/muro_superior_porta.bmp",
    "texture/cimento2.bmp", "texture/grafiato.bmp",
};

extern unsigned int TextureArray[slot::count];

// Loads every file of kTextureFiles into its slot; a missing file ends the program.
void load_textures();

// Binds one slot of TextureArray to GL_TEXTURE_2D.
void bind_slot(int s);

}  // namespace building_tour
