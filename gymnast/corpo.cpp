#include "corpo.h"

#include <GL/gl.h>

namespace gymnast {

namespace {
// Proportions of the body, times a (lengths) and b (widths).
constexpr float kBraco = 3, kBracoLargura = 1;
constexpr float kPerna = 3, kPernaLargura = 1.1f;
constexpr float kPescoco = 1, kCabecaLargura = 1;
constexpr float kTronco = 4, kTroncoLargura = 2;
}  // namespace

Corpo::Corpo(float a, float b)
    : bracoDir(kBraco * a, kBracoLargura * b),
      bracoEsq(kBraco * a, kBracoLargura * b),
      pernaDir(kPerna * a, kPernaLargura * b),
      pernaEsq(kPerna * a, kPernaLargura * b),
      cabeca(kPescoco * a, kCabecaLargura * b),
      tronco(kTronco * a, kTroncoLargura * b) {
    angBracoDirAb = 0;
    angBracoEsqAb = 0;
    angPernaDirAb = 0;
    angPernaEsqAb = 0;
    setAngBracoEsqAb(0);
    setAngBracoDirAb(0);
    setAngPernaEsqAb(0);
    setAngPernaDirAb(0);
}

void Corpo::setAngCabeca(float a) { tronco.setAngCabeca(a); }
void Corpo::setAngBracoDir(float a) { tronco.setAngBracoDir(a); }
void Corpo::setAngBracoDirAb(float a) { tronco.setAngBracoDirAb(a); }
void Corpo::setAngBracoDirExt(float a) { tronco.setAngBracoDirExt(a); }
void Corpo::setAngBracoEsq(float a) { tronco.setAngBracoEsq(a); }
void Corpo::setAngBracoEsqAb(float a) { tronco.setAngBracoEsqAb(a); }
void Corpo::setAngBracoEsqExt(float a) { tronco.setAngBracoEsqExt(a); }
void Corpo::setAngPernaDir(float a) { tronco.setAngPernaDir(a); }
void Corpo::setAngPernaDirAb(float a) { tronco.setAngPernaDirAb(a); }
void Corpo::setAngPernaDirExt(float a) { tronco.setAngPernaDirExt(a); }
void Corpo::setAngPernaEsq(float a) { tronco.setAngPernaEsq(a); }
void Corpo::setAngPernaEsqAb(float a) { tronco.setAngPernaEsqAb(a); }
void Corpo::setAngPernaEsqExt(float a) { tronco.setAngPernaEsqExt(a); }

void Corpo::desenha() {
    glPushMatrix();
    tronco.setPescoco(&cabeca, 0);
    tronco.setBracoDir(&bracoDir, 0);
    tronco.setBracoEsq(&bracoEsq, 0);
    tronco.setPernaDir(&pernaDir, 0);
    tronco.setPernaEsq(&pernaEsq, 0);
    glTranslatef(posGin, altGin, profuGin);
    tronco.desenha();
    glPopMatrix();
}

void Corpo::original(bool camera, Ritmo& r) {
    if (camera) {
        angX = angY = angZ = 0;
        zoom = 0;
    } else {
        // The arm refuses a straight elbow, so a bent one keeps its bend.
        for (int j = 0; j < kJuntas; ++j) fixa(static_cast<Junta>(j), 0);
        angTronco = 0;
        profuGin = posGin = altGin = 0;
    }
    r.quadro();
}

void Corpo::movecamera(float dx, float dy, float dz, int cx, int cy, int cz) {
    changeX = static_cast<float>(cx);
    changeY = static_cast<float>(cy);
    changeZ = static_cast<float>(cz);
    // Like every step of a movement: computed in double, stored as float.
    angX = static_cast<float>(static_cast<double>(angX) + dx);
    angY = static_cast<float>(static_cast<double>(angY) + dy);
    angZ = static_cast<float>(static_cast<double>(angZ) + dz);
}

Corpo corpo(1, 1);

namespace {

// The setter of each joint, in the order of Junta.
void (Corpo::*const kSetters[kJuntas])(float) = {
    &Corpo::setAngCabeca,    &Corpo::setAngBracoDir,    &Corpo::setAngBracoDirAb, &Corpo::setAngBracoDirExt,
    &Corpo::setAngBracoEsq,  &Corpo::setAngBracoEsqAb,  &Corpo::setAngBracoEsqExt, &Corpo::setAngPernaDir,
    &Corpo::setAngPernaDirAb, &Corpo::setAngPernaDirExt, &Corpo::setAngPernaEsq,   &Corpo::setAngPernaEsqAb,
    &Corpo::setAngPernaEsqExt,
};

}  // namespace

void aplica(Junta j) { (corpo.*kSetters[static_cast<int>(j)])(espelho(j)); }

void passo(Junta j, double quanto) {
    float& m = espelho(j);
    m = static_cast<float>(static_cast<double>(m) + quanto);
    aplica(j);
}

void fixa(Junta j, float v) {
    espelho(j) = v;
    aplica(j);
}

}  // namespace gymnast
