#include "state.h"

#include <cmath>

namespace castle_world {

State::State() { orientMe(*this, angle); }

View camera_view(const State& s) {
    const float eye_y = s.posY + s.agachar;
    return View{{s.posX, eye_y, s.posZ}, {s.posX + s.lx, eye_y + s.ly, s.posZ + s.lz}};
}

void orientMe(State& s, float a) {
    s.lx = float(std::sin(double(a)));
    s.lz = float(-std::cos(double(a)));
}

void Look(State& s, float a) { s.ly = float(std::sin(double(a))); }

void moveMeFlat(State& s, int i) {
    s.posX += i * s.lx * kStepLength;
    if (s.god_mode) s.posY += i * s.ly * kStepLength;
    s.posZ += i * s.lz * kStepLength;
}

void resize(State& s, int w, int h) {
    if (h == 0) h = 1;
    s.width = w;
    s.height = h;
    s.ratio = float(w) / float(h);
}

bool MoveMouse(State& s, int x, int y) {
    const int cx = s.width / 2;
    const int cy = s.height / 2;
    bool moved = false;
    if (x > cx) {
        s.angle += kMouseTurn;
        orientMe(s, s.angle);
        moved = true;
    }
    if (x < cx) {
        s.angle -= kMouseTurn;
        orientMe(s, s.angle);
        moved = true;
    }
    if (y > cy) {
        s.angle2 -= kMouseLook;
        Look(s, s.angle2);
        moved = true;
    }
    if (y < cy) {
        s.angle2 += kMouseLook;
        Look(s, s.angle2);
        moved = true;
    }
    return moved;
}

void key_down(State& s, unsigned char k) {
    switch (k) {
    case 'w': s.deltaMove = s.velocidade; break;
    case 's': s.deltaMove = -s.velocidade; break;
    case 'a': s.deltaAngle = -kTurnRate; break;
    case 'd': s.deltaAngle = kTurnRate; break;
    case 'v': s.velocidade = kRunSpeed; break;
    case 'z': s.agachar = kCrouch; break;
    default: break;
    }
}

bool key_up(State& s, unsigned char k) {
    switch (k) {
    case 'w':
    case 's': s.deltaMove = 0; break;
    case 'a':
    case 'd': s.deltaAngle = 0; break;
    case 'v': s.velocidade = kWalkSpeed; break;
    case 'z': s.agachar = 0; break;
    case key::esc: return true;
    default: break;
    }
    return false;
}

void special_down(State& s, int k) {
    switch (k) {
    case key::up: s.deltaLook = kLookRate; break;
    case key::down: s.deltaLook = -kLookRate; break;
    case key::f2: s.god_mode = !s.god_mode; break;
    case key::f7: s.iluminacao = !s.iluminacao; break;
    case key::insert: s.abrir_porta = !s.abrir_porta; break;
    case key::page_down: s.abrir_portao = !s.abrir_portao; break;
    case key::page_up: s.abrir_portao2 = !s.abrir_portao2; break;
    default: break;
    }
}

void special_up(State& s, int k) {
    if (k == key::up || k == key::down) s.deltaLook = 0;
}

void step_gates(State& s) {
    if (s.abrir_porta) {
        if (s.porta_castelo < kDoorOpen) ++s.porta_castelo;
    } else if (s.porta_castelo >= 1) {
        --s.porta_castelo;
    }
    // The bar follows the door only through its first stretch, so after a full
    // close it rests where value 1 left it.
    if (s.porta_castelo >= 1 && s.porta_castelo <= kBarTravel) s.porta_castelo2 = s.porta_castelo;

    if (s.abrir_portao) {
        if (s.portao_madeira < kBridgeDown) ++s.portao_madeira;
    } else if (s.portao_madeira >= 1) {
        --s.portao_madeira;
    }

    if (s.abrir_portao2) {
        if (s.porta_grade <= kPortcullisUp - 1) ++s.porta_grade;
    } else if (s.porta_grade > 0) {
        --s.porta_grade;
    }
}

void step(State& s) {
    if (s.deltaMove != 0) moveMeFlat(s, s.deltaMove);
    if (s.deltaAngle != 0) {
        s.angle += s.deltaAngle;
        orientMe(s, s.angle);
    }
    if (s.deltaLook != 0) {
        s.angle2 += s.deltaLook;
        Look(s, s.angle2);
    }
    step_gates(s);
}

void step_sky(State& s) { s.mov_ceu += kSkyStep; }

}  // namespace castle_world
