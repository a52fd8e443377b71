#include "cena.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include "corpo.h"
#include "estado.h"
#include "texturas.h"

namespace gymnast {

namespace {

constexpr GLfloat kLuzAmbiente[4] = {0.2f, 0.2f, 0.4f, 1};
constexpr GLfloat kLuzEspecular[4] = {1, 1, 1, 1};
constexpr GLfloat kLuzPosicao[4] = {0, 500, 100, 1};

constexpr float kCameraAltura = -4;
constexpr float kCameraDistancia = -30;  // plus zoom

constexpr float kSoloAltura = -8.3f;
constexpr float kSoloQuad = 0.5f;  // height of the textured quad over the slab's centre
constexpr float kSoloQuadMeio = 50;
constexpr float kLaje[3] = {100, 0.5f, 100};
constexpr float kLajeBaixa = -1;
constexpr float kLajeGrande[3] = {200, 2, 200};

// Every quad covers its image once: with repeat wrapping 110..111 is 0..1.
constexpr float kTexCoords[4][2] = {{110, 110}, {111, 110}, {111, 111}, {110, 111}};

using Quad = float[4][3];

constexpr Quad kQuadSolo = {{-kSoloQuadMeio, kSoloQuad, -kSoloQuadMeio},
                            {kSoloQuadMeio, kSoloQuad, -kSoloQuadMeio},
                            {kSoloQuadMeio, kSoloQuad, kSoloQuadMeio},
                            {-kSoloQuadMeio, kSoloQuad, kSoloQuadMeio}};

// The walls lean outwards, from a narrow footprint at y = -9 to a wide rim at 200.
constexpr Quad kParedeFundo = {{-150, -9, -120}, {150, -9, -120}, {250, 200, -200}, {-250, 200, -200}};
constexpr Quad kParedeDireita = {{150, -9, -120}, {150, -9, 120}, {230, 200, 220}, {230, 200, -220}};
constexpr Quad kParedeFrente = {{-150, -9, 120}, {150, -9, 120}, {250, 200, 200}, {-250, 200, 200}};
constexpr Quad kParedeEsquerda = {{-150, -9, -120}, {-150, -9, 120}, {-230, 200, 220}, {-230, 200, -220}};
constexpr Quad kCeu = {{-250, 200, -250}, {250, 200, -250}, {250, 200, 250}, {-250, 200, 250}};

void quad(const Quad& q) {
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(kTexCoords[i][0], kTexCoords[i][1]);
        glVertex3f(q[i][0], q[i][1], q[i][2]);
    }
    glEnd();
}

void liga(unsigned int s) { glBindTexture(GL_TEXTURE_2D, texture_id[s]); }

void luz() {
    glEnable(GL_LIGHTING);
    glLightfv(GL_LIGHT0, GL_AMBIENT, kLuzAmbiente);
    glLightfv(GL_LIGHT0, GL_SPECULAR, kLuzEspecular);
    glLightfv(GL_LIGHT0, GL_POSITION, kLuzPosicao);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
}

// The axes turn in the order z, y, x, each only while its switch is on.
void camera() {
    glTranslatef(0, kCameraAltura, zoom + kCameraDistancia);
    if (changeZ != 0) glRotatef(angZ, 0, 0, 1);
    if (changeY != 0) glRotatef(angY, 0, 1, 0);
    if (changeX != 0) glRotatef(angX, 1, 0, 0);
}

void solo() {
    glTranslatef(0, kSoloAltura, 0);
    glPushMatrix();
    liga(slot::solo);
    glPushMatrix();
    quad(kQuadSolo);
    glPopMatrix();
    glScalef(kLaje[0], kLaje[1], kLaje[2]);
    glutSolidCube(1);
    glTranslatef(0, kLajeBaixa, 0);
    glScalef(kLajeGrande[0], kLajeGrande[1], kLajeGrande[2]);
    glutSolidCube(1);
    glPopMatrix();
    glTranslatef(0, -kSoloAltura, 0);
}

void paredesECeu() {
    liga(mula != 0 ? slot::mula : slot::fundo);
    glPushMatrix();
    quad(kParedeFundo);
    quad(kParedeDireita);
    liga(slot::fundoinvertido);
    quad(kParedeFrente);
    quad(kParedeEsquerda);
    liga(slot::ceu);
    quad(kCeu);
    // The figure of the next frame is drawn with this one (white: its true colours).
    liga(slot::nula);
    glPopMatrix();
}

}  // namespace

void desenhaCena() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    luz();
    glPushMatrix();
    camera();
    glColor3f(1, 1, 1);
    corpo.desenha();
    solo();
    paredesECeu();
    glPopMatrix();
}

}  // namespace gymnast
