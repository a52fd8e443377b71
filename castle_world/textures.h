#pragma once
// The texture table of the castle world: one slot per image, loaded in slot
// order from the files beside the program.

namespace castle_world {

namespace slot {
constexpr int grass = 0;                // ground tiles
constexpr int brick = 1;                // castle keep walls and towers
constexpr int roof = 2;                 // keep roof, keep tower and wall tower platforms
constexpr int fountain = 3;             // fountain outer wall, rim and centre piece
constexpr int fountain_inside = 4;      // fountain inner wall
constexpr int fountain_floor = 5;       // fountain floor
constexpr int vimbo_face = 6;           // the emblem on each keep tower
constexpr int vimbo = 7;                // flags on the keep towers
constexpr int gate = 8;                 // faces of the keep door leaves
constexpr int water = 9;                // moat bottom; fountain water
constexpr int sell = 10;                // the sign board
constexpr int wall = 11;                // curtain walls, wall towers and the gatehouse
constexpr int wood = 12;                // drawbridge
constexpr int roof_tower = 13;          // keep tower roofs; wall tower floors
constexpr int earth = 14;               // moat banks
constexpr int gate2 = 15;               // edges of the keep door leaves
constexpr int casa2 = 16;               // small house walls
constexpr int porta = 17;               // small house door
constexpr int janela = 18;              // windows of both house types
constexpr int parede = 19;              // large house walls and balcony slab
constexpr int grade = 20;               // large house balcony railing
constexpr int porta2 = 21;              // large house door
constexpr int janela2 = 22;             // large house ground-storey windows
constexpr int telha = 23;               // large house roof
constexpr int paisagem3 = 24;           // loaded; no object binds it
constexpr int taverna1 = 25;            // tavern hanging sign
constexpr int parede_taverna = 26;      // tavern ground storey
constexpr int parede_taverna1 = 27;     // tavern upper storeys
constexpr int porta_taverna = 28;       // tavern door
constexpr int janela6 = 29;             // tavern windows
constexpr int wood2 = 30;               // locking bar of the keep door
constexpr int red_carpet = 31;          // keep floor
constexpr int mountain = 32;            // loaded; no object binds it
constexpr int sky = 33;                 // sky sphere
constexpr int count = 34;
}  // namespace slot

constexpr const char* kTextureFiles[slot::count] = {
    "grass.bmp", "brick.bmp", "roof.bmp", "fountain.bmp", "fountain_inside.bmp",
    "fountain_floor.bmp", "vimbo_face.bmp", "vimbo.bmp", "gate.bmp", "water.bmp",
    "sell.bmp", "wall.bmp", "wood.bmp", "roof_tower.bmp", "earth.bmp",
    "gate2.bmp", "casa2.bmp", "porta.bmp", "janela.bmp", "parede.bmp",
    "grade.bmp", "porta2.bmp", "janela2.bmp", "telha.bmp", "paisagem3.bmp",
    "taverna1.bmp", "parede_taverna.bmp", "parede_taverna1.bmp", "porta_taverna.bmp", "janela6.bmp",
    "wood2.bmp", "red_carpet.bmp", "mountain.bmp", "sky.bmp",
};

extern unsigned int textureArray[slot::count];

// Loads every file of kTextureFiles into its slot; a missing file ends the program.
void load_textures();

}  // namespace castle_world
