#include "state.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace snow_room {

namespace {

constexpr int kStartAngle = 360;
constexpr int kStartOffset = 1;
constexpr int kTurnStep = 5;
constexpr int kShiftStep = 1;
constexpr int kFullTurn = 360;

constexpr float kLuz = 0.8f;
constexpr int kStartVento = 2;
constexpr float kStartNeve = 0.01f;
constexpr double kNeveKeyStep = 0.001;
constexpr double kNeveFloor = 0.005;  // U lowers the speed only while above this

constexpr int kDoorShut = 360;
constexpr int kDoorOpen = 280;

// Snow frame: the ground lies at -8, the restart height at 0.
constexpr double kDrift = 0.0015;
constexpr float kGround = -8;
constexpr float kRestart = 0;

constexpr float kStartPosx[kFlakes] = {
    0.2f, 3.2f, 2.2f, 0.65f, 1, 0.5f, 0.9f, 2.9f, 1.9f, 3.7f,
    0.5f, 3.6f, 2.7f, 3.9f, 1.3f, 0.7f, 0.52f, 1.9f, 3.9f, 3.1f,
    0.2f, 3.2f, 2.2f, 3.5f, 1, 0.5f, 0.9f, 2.9f, 1.9f, 3.7f,
    0.1f, 3.1f, 2.5f, 3.4f, 1.2f, 0.2f, 0.4f, 3.9f, 1.45f, 3.9f};
constexpr float kStartPosy[kFlakes] = {
    1, 2.5f, 3.1f, 4, 5, 6, 7, 8, 9, 12,
    13.5f, 14.5f, 15.5f, 16.5f, 17.5f, 18.5f, 19.5f, 20.5f, 21.5f, 22.5f,
    13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
    13.3f, 14.3f, 15.3f, 16.3f, 17.3f, 18.3f, 19.3f, 20.3f, 21.3f, 22.3f};

// Truncated remainder: the sign follows the dividend, as C++'s % does.
int wrap(int value) { return value % kFullTurn; }

}  // namespace

int angx = kStartAngle, angy = kStartAngle, angz = kStartAngle;
int xs = kStartOffset, ys = kStartOffset, zs = kStartOffset;

float luz = kLuz;
int VelocidadeVento = kStartVento;
float VelocidadeNeve = kStartNeve;

bool abre = false, fecha = false;
bool roda_vent = false;
int porta = kDoorShut;
int vent = 0;

float Posx[kFlakes];
float Posy[kFlakes];
namespace {
// The flakes start at their table before anything runs.
const bool flakes_placed = [] {
    std::copy(std::begin(kStartPosx), std::end(kStartPosx), Posx);
    std::copy(std::begin(kStartPosy), std::end(kStartPosy), Posy);
    return true;
}();
}  // namespace

void abre_porta() {
    abre = true;
    fecha = false;
}

void fecha_porta() {
    fecha = true;
    abre = false;
}

void roda_ventilador() { roda_vent = true; }

void para_ventilador() { roda_vent = false; }

bool aplica_tecla(unsigned char key) {
    switch (key) {
        case 'x': angx = wrap(angx + kTurnStep); break;
        case 'X': angx = wrap(angx - kTurnStep); break;
        case 'y': angy = wrap(angy + kTurnStep); break;
        case 'Y': angy = wrap(angy - kTurnStep); break;
        case 'z': angz = wrap(angz + kTurnStep); break;
        case 'Z': angz = wrap(angz - kTurnStep); break;
        case '8': zs = wrap(zs + kShiftStep); break;
        case '5': zs = wrap(zs - kShiftStep); break;
        case '4': xs = wrap(xs + kShiftStep); break;
        case '6': xs = wrap(xs - kShiftStep); break;
        case '1': ys = wrap(ys + kShiftStep); break;
        case '3': ys = wrap(ys - kShiftStep); break;
        case 'p': abre_porta(); break;
        case 'P': fecha_porta(); break;
        case 'v': roda_ventilador(); break;
        case 'V': para_ventilador(); break;
        case '+': ++VelocidadeVento; break;
        case '-': --VelocidadeVento; break;
        // The speed is worked in double and kept as float.
        case 'u': VelocidadeNeve = static_cast<float>(double{VelocidadeNeve} + kNeveKeyStep); break;
        case 'U':
            if (double{VelocidadeNeve} > kNeveFloor)
                VelocidadeNeve = static_cast<float>(double{VelocidadeNeve} - kNeveKeyStep);
            break;
        default: return false;
    }
    return true;
}

void avanca_neve(std::time_t agora) {
    for (int i = 0; i < kFlakes; ++i) {
        // Seeded again before every flake, so within one second all flakes
        // drift the same way.
        std::srand(static_cast<unsigned>(agora));
        const int r = std::rand();
        Posx[i] = static_cast<float>(Posx[i] + (r % 2 == 0 ? kDrift : -kDrift));
        // Tested before the step: a flake is seen once below the ground.
        if (Posy[i] < kGround) Posy[i] = kRestart;
        Posy[i] -= VelocidadeNeve;
    }
}

void avanca_porta() {
    if (abre && porta > kDoorOpen) porta = wrap(porta - 1);
    if (fecha && porta <= kDoorShut - 1) {
        // 359 + 1 wraps to 0 (shut, one step), and 0 then stands for 360.
        porta = porta == 0 ? kDoorShut : wrap(porta + 1);
    }
}

void avanca_ventilador() {
    if (roda_vent) vent = wrap(vent + VelocidadeVento);
}

void reset_state() {
    angx = angy = angz = kStartAngle;
    xs = ys = zs = kStartOffset;
    luz = kLuz;
    VelocidadeVento = kStartVento;
    VelocidadeNeve = kStartNeve;
    abre = fecha = roda_vent = false;
    porta = kDoorShut;
    vent = 0;
    std::copy(std::begin(kStartPosx), std::end(kStartPosx), Posx);
    std::copy(std::begin(kStartPosy), std::end(kStartPosy), Posy);
}

}  // namespace snow_room
