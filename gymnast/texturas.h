#pragma once
// The six images of the gymnast's box, one texture slot each, loaded in slot order.

namespace gymnast {

namespace slot {
constexpr unsigned int fundo = 0;           // back and right walls while mula is 0
constexpr unsigned int fundoinvertido = 1;  // front and left walls
constexpr unsigned int solo = 2;            // ground
constexpr unsigned int ceu = 3;             // sky
constexpr unsigned int nula = 4;            // bound at the end of every frame: the figure's texture
constexpr unsigned int mula = 5;            // back and right walls once mula is set
constexpr unsigned int count = 6;
}  // namespace slot

constexpr const char* kArquivosTextura[slot::count] = {
    "images/fundo.bmp", "images/fundoinvertido.bmp", "images/solo.bmp",
    "images/ceu.bmp",   "images/nula.bmp",           "images/mula.bmp",
};

// Loads one BMP file into texture_id[slot]. A file that cannot be read ends
// the program with status 1 and one line on stderr naming it and the reason.
void CarregaTextura(char* file, unsigned int slot);

// Every file of kArquivosTextura into its slot.
void carregaTexturas();

}  // namespace gymnast
