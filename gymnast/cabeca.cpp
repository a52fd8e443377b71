#include "cabeca.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include "cores.h"

namespace gymnast {

namespace {
constexpr double kRaioCabeca = 1.5;  // times the width
constexpr int kFatias = 8;
}  // namespace

Cabeca::Cabeca(float comprimento_, float largura_) : largura(largura_), comprimento(comprimento_) {}

void Cabeca::desenha() {
    const float l = largura;
    const float c = comprimento;
    glPushMatrix();
    glTranslatef(0, c / 2, 0);

    glPushMatrix();
    glScalef(l, 2 * c, l);
    glColor3fv(kPele);
    glutSolidCube(l);
    glPopMatrix();

    // The head sphere sits two neck lengths above the neck joint.
    glTranslatef(0, 1.5f * c, 0);
    glutSolidSphere(kRaioCabeca * l, kFatias, kFatias);
    glColor3fv(kBranco);
    glPopMatrix();
}

}  // namespace gymnast
