#pragma once
// The room's state: scene transform, door, fan and snowfall, with the key
// actions and the per-step updates as plain functions. The drawing reads it;
// nothing here calls OpenGL.

#include <ctime>

namespace snow_room {

constexpr int kFlakes = 40;

// Scene rotation (degrees) and offset (units), each kept in -359..359.
extern int angx, angy, angz;
extern int xs, ys, zs;

extern float luz;              // grey of the global ambient light
extern int VelocidadeVento;    // fan degrees per step, any sign
extern float VelocidadeNeve;   // snowfall units per step

extern bool abre, fecha;       // door opening / closing
extern bool roda_vent;         // fan running
extern int porta;              // door angle: 280..360, or 0 for one step while closing
extern int vent;               // fan angle, -359..359

extern float Posx[kFlakes], Posy[kFlakes];  // flakes, in the snow frame

void abre_porta();
void fecha_porta();
void roda_ventilador();
void para_ventilador();

// The keys that only change this state (turns, shifts, door, fan, snow
// speed). False for any other key.
bool aplica_tecla(unsigned char key);

// One 1/60 s step of each moving thing. The snowfall seeds its drift from
// the calendar second it is given.
void avanca_neve(std::time_t agora);
void avanca_porta();
void avanca_ventilador();

// Everything back to its start-up value.
void reset_state();

}  // namespace snow_room
