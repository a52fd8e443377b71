#include "osso.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include "cores.h"

namespace gymnast {

namespace {
constexpr double kRaioJunta = 0.7;  // joint sphere radius, times the width
constexpr int kFatias = 8;
}  // namespace

Osso::Osso(float comprimento_, float largura_) : largura(largura_), comprimento(comprimento_), conexcao(nullptr) {}

void Osso::setConexcao(Osso* osso, float angulo_) {
    conexcao = osso;
    angulo = angulo_;
}

void Osso::setAngulo(float angulo_) { angulo = angulo_; }

void Osso::desenha() {
    const float l = largura;
    const float c = comprimento;
    glPushMatrix();
    glTranslatef(0, -c / 2, 0);

    glPushMatrix();
    glColor3fv(kPele);
    glScalef(l, c, l);
    glutSolidCube(l);
    glPopMatrix();

    glTranslatef(0, c / 2, 0);
    glutSolidSphere(kRaioJunta * l, kFatias, kFatias);
    glColor3fv(kBranco);

    glTranslatef(0, -c, 0);
    if (conexcao != nullptr) {
        glRotatef(angulo, 1, 0, 0);
        conexcao->desenha();
    }
    glPopMatrix();
}

}  // namespace gymnast
