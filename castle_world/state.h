#pragma once
// The castle world's state: the first-person camera, the per-step rates the
// keys set, the scene switches and the gate and sky counters, with the plain
// functions that change them. Nothing here touches OpenGL or GLUT.

namespace castle_world {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 360;

constexpr float kStartX = 800;
constexpr float kStartY = 20;
constexpr float kStartZ = 0;
// Everything lies towards +z of the start point; heading 0 would look at the sky.
constexpr float kStartHeading = 3.14159265358979f;

constexpr int kWalkSpeed = 16;
constexpr int kRunSpeed = 40;
constexpr float kStepLength = 0.4f;  // scene units per unit of deltaMove
constexpr float kTurnRate = 0.16f;
constexpr float kLookRate = 0.16f;
constexpr float kCrouch = -30;
constexpr float kMouseTurn = 0.08f;
constexpr float kMouseLook = 0.04f;
constexpr float kSkyStep = 0.2f;

// Gate travel, in steps (one unit or degree a step).
constexpr int kDoorOpen = 120;  // porta_castelo: 30 steps of the bar, then 90 of the leaves
constexpr int kBarTravel = 30;  // porta_castelo2 follows porta_castelo up to here
constexpr int kBridgeDown = 90;
constexpr int kPortcullisUp = 90;

// GLUT key codes, repeated so this layer needs no GLUT header.
namespace key {
constexpr unsigned char esc = 27;
constexpr int f2 = 2;
constexpr int f7 = 7;
constexpr int page_up = 104;
constexpr int page_down = 105;
constexpr int up = 101;
constexpr int down = 103;
constexpr int insert = 108;
}  // namespace key

struct State {
    // Camera. (lx, ly, lz) is the look offset: target minus eye.
    float posX = kStartX, posY = kStartY, posZ = kStartZ;
    float lx = 0, ly = 0, lz = 1;
    float angle = kStartHeading;
    float angle2 = 0;

    // Rates applied every step while their key is held.
    float deltaAngle = 0;
    float deltaLook = 0;
    int deltaMove = 0;
    int velocidade = kWalkSpeed;
    float agachar = 0;
    int god_mode = 0;

    // Window, kept by the reshape: the aspect and the centre the mouse is measured from.
    float ratio = float(kWindowWidth) / kWindowHeight;
    int width = kWindowWidth, height = kWindowHeight;

    int iluminacao = 0;
    int abrir_porta = 0;    // keep door
    int abrir_portao = 0;   // drawbridge
    int abrir_portao2 = 0;  // portcullis
    int porta_castelo = 0, porta_castelo2 = 0;
    int portao_madeira = 0;
    int porta_grade = 0;
    float mov_ceu = 0;  // sky rotation, degrees

    State();
};

// Eye and target of the camera, crouch included.
struct View {
    float eye[3];
    float centre[3];
};
View camera_view(const State& s);

void orientMe(State& s, float a);
void Look(State& s, float a);
void moveMeFlat(State& s, int i);

// Window size after a reshape; a height of 0 counts as 1.
void resize(State& s, int w, int h);

// Mouse look measured from the window centre; true when the pointer must be
// warped back there.
bool MoveMouse(State& s, int x, int y);

// Ordinary keys down and up; key_up answers true for Esc (the program ends).
void key_down(State& s, unsigned char k);
bool key_up(State& s, unsigned char k);
void special_down(State& s, int k);
void special_up(State& s, int k);

// One 1/60 s step: the held motion in the frame's order, then the gate counters.
void step(State& s);
// The gate counters alone, one step toward their flags.
void step_gates(State& s);
// The sky's turn, once per step after the frame is drawn.
void step_sky(State& s);

}  // namespace castle_world
