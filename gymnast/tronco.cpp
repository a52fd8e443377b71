#include "tronco.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include "cores.h"
#include "estado.h"

namespace gymnast {

namespace {

// Accepted joint ranges. Written as "lo <= a && a < hi" so NaN never passes.
constexpr float kCabecaMin = -15, kCabecaMax = 45;            // both excluded
constexpr float kBracoAbMin = 0, kBracoAbMax = 180;           // max excluded
constexpr float kPernaAbMin = -5, kPernaAbMax = 60;           // max excluded
constexpr float kPernaExtMin = 0, kPernaExtMax = 135;         // max excluded

bool aceitaAte(float a, float min, float max) { return min <= a && a < max; }

// Attachment points from the pivot: x in trunk widths, y as the height over a divisor.
constexpr float kOmbroX = 1.2f;
constexpr float kOmbroDivisor = 1.2f;
constexpr float kQuadrilX = 0.6f;
constexpr float kQuadrilDivisor = 1.7f;

}  // namespace

Tronco::Tronco(float altura_, float largura_) : largura(largura_), altura(altura_) {}

void Tronco::setPescoco(Cabeca* c, float a) {
    pescoco = c;
    angulo = a;
}
void Tronco::setBracoDir(Braco* b, float a) {
    bracoDir = b;
    angulo = a;
}
void Tronco::setBracoEsq(Braco* b, float a) {
    bracoEsq = b;
    angulo = a;
}
void Tronco::setPernaDir(Perna* p, float a) {
    pernaDir = p;
    angulo = a;
}
void Tronco::setPernaEsq(Perna* p, float a) {
    pernaEsq = p;
    angulo = a;
}

void Tronco::setAngCabeca(float a) {
    if (kCabecaMin < a && a < kCabecaMax) angCabeca = a;
}
void Tronco::setAngBracoDir(float a) { angBracoDir = a; }
void Tronco::setAngBracoDirAb(float a) {
    if (aceitaAte(a, kBracoAbMin, kBracoAbMax)) angBracoDirAb = a;
}
void Tronco::setAngBracoDirExt(float a) { angBracoDirExt = a; }
void Tronco::setAngBracoEsq(float a) { angBracoEsq = a; }
void Tronco::setAngBracoEsqAb(float a) {
    if (aceitaAte(a, kBracoAbMin, kBracoAbMax)) angBracoEsqAb = a;
}
void Tronco::setAngBracoEsqExt(float a) { angBracoEsqExt = a; }
void Tronco::setAngPernaDir(float a) { angPernaDir = a; }
void Tronco::setAngPernaDirAb(float a) {
    if (aceitaAte(a, kPernaAbMin, kPernaAbMax)) angPernaDirAb = a;
}
void Tronco::setAngPernaDirExt(float a) {
    if (aceitaAte(a, kPernaExtMin, kPernaExtMax)) angPernaDirExt = a;
}
void Tronco::setAngPernaEsq(float a) { angPernaEsq = a; }
void Tronco::setAngPernaEsqAb(float a) {
    if (aceitaAte(a, kPernaAbMin, kPernaAbMax)) angPernaEsqAb = a;
}
void Tronco::setAngPernaEsqExt(float a) {
    if (aceitaAte(a, kPernaExtMin, kPernaExtMax)) angPernaEsqExt = a;
}

void Tronco::desenha() {
    const float w = largura;
    const float h = altura;

    // The pivot of the whole figure, half a height above the body origin.
    glPushMatrix();
    glTranslatef(0, h / 2, 0);
    glRotatef(angTronco, 1, 0, 0);

    // Chest.
    glPushMatrix();
    glScalef(w, h / 1.4f, w / 2.2f);
    glTranslatef(0, h / 10, 0);
    glColor3fv(kRoxo);
    glutSolidCube(w);
    glColor3fv(kBranco);
    glPopMatrix();

    // Belly.
    glPushMatrix();
    glScalef(w, h, w / 2.1f);
    glColor3fv(kRoxo);
    glutSolidSphere(1, 7, 3);
    glColor3fv(kBranco);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(0, h, 0);
    if (pescoco != nullptr) {
        glRotatef(angCabeca, 1, 0, 0);
        pescoco->desenha();
    }
    glPopMatrix();

    // The right side mirrors the left: x offset and abduction negated.
    glPushMatrix();
    glTranslatef(-kOmbroX * w, h / kOmbroDivisor, 0);
    if (bracoDir != nullptr) {
        glRotatef(angBracoDir, 1, 0, 0);
        glRotatef(-angBracoDirAb, 0, 0, 1);
        bracoDir->setCurvatura(angBracoDirExt);
        bracoDir->desenha();
    }
    glPopMatrix();

    glPushMatrix();
    glTranslatef(kOmbroX * w, h / kOmbroDivisor, 0);
    if (bracoEsq != nullptr) {
        glRotatef(angBracoEsq, 1, 0, 0);
        glRotatef(angBracoEsqAb, 0, 0, 1);
        bracoEsq->setCurvatura(angBracoEsqExt);
        bracoEsq->desenha();
    }
    glPopMatrix();

    // The hips undo the trunk pitch: a leg's swing is measured against the scene.
    glPushMatrix();
    glTranslatef(kQuadrilX * w, -h / kQuadrilDivisor, 0);
    if (pernaEsq != nullptr) {
        glRotatef(angPernaEsq - angTronco, 1, 0, 0);
        glRotatef(angPernaEsqAb, 0, 0, 1);
        pernaEsq->setCurvatura(angPernaEsqExt);
        pernaEsq->desenha();
    }
    glPopMatrix();

    glPushMatrix();
    glTranslatef(-kQuadrilX * w, -h / kQuadrilDivisor, 0);
    if (pernaDir != nullptr) {
        glRotatef(angPernaDir - angTronco, 1, 0, 0);
        glRotatef(-angPernaDirAb, 0, 0, 1);
        pernaDir->setCurvatura(angPernaDirExt);
        pernaDir->desenha();
    }
    glPopMatrix();

    glPopMatrix();
}

}  // namespace gymnast
