#include "shell.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cstdlib>
#include <ctime>

#include "frame_clock.h"
#include "furniture.h"
#include "materials.h"
#include "outside.h"
#include "room.h"
#include "snowfall.h"
#include "state.h"

namespace snow_room {

namespace {

constexpr unsigned char kEsc = 27;

constexpr double kFieldOfView = 65;
constexpr double kNear = 1, kFar = 20;

constexpr float kCenaAt[3] = {-0.5f, -1, -11};
constexpr float kNeveAt[3] = {-6, 4, -5};  // the snow frame, from the room frame

FrameClock relogio;

}  // namespace

void init() {
    // The model-view matrix is still the identity: the light stays fixed to the eye.
    glLightfv(GL_LIGHT0, GL_DIFFUSE, luz_diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, luz_specular);
    glLightfv(GL_LIGHT0, GL_POSITION, luz_position);
    const GLfloat ambiente[4] = {luz, luz, luz, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambiente);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);

    glClearColor(0, 0, 0, 0);
    glShadeModel(GL_SMOOTH);
    glDepthFunc(GL_LESS);
    glEnable(GL_DEPTH_TEST);

    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
}

void myReshape(int w, int h) {
    if (h == 0) h = 1;  // a minimised window must not divide by zero
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, static_cast<double>(w) / h, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
}

void desenha_cena() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glPushMatrix();
    glTranslatef(kCenaAt[0], kCenaAt[1], kCenaAt[2]);
    glRotatef(static_cast<float>(angx), 1, 0, 0);
    glRotatef(static_cast<float>(angy), 0, 1, 0);
    glRotatef(static_cast<float>(angz), 0, 0, 1);
    glTranslatef(static_cast<float>(xs), static_cast<float>(ys), static_cast<float>(zs));

    glPushMatrix();
    sala_linhas();
    boneco_de_neve();
    quintal();
    lua();

    glPushMatrix();
    // Swapped on purpose: the snow's diffuse is neve_specular. Its 500 is not
    // sent, so the moon's shininess stays.
    material(neve_ambient, neve_specular, neve_diffuse, kBrilhoNeve, zeros);
    glTranslatef(kNeveAt[0], kNeveAt[1], kNeveAt[2]);
    DesenhaNeve();
    glPopMatrix();

    parede_fundo();
    parede_esquerda();
    parede_direita();
    piso();
    teto();
    lareira();
    sofa_esquerda();
    sofa_direita();
    tapete();
    mesa();
    ventilador();

    glPopMatrix();
    glPopMatrix();
}

void quadro(int passos) {
    // The fan turns before its blades are drawn; the door and the snow are
    // drawn where they stood and then move.
    for (int i = 0; i < passos; ++i) avanca_ventilador();
    desenha_cena();
    const std::time_t agora = std::time(nullptr);
    for (int i = 0; i < passos; ++i) {
        avanca_porta();
        avanca_neve(agora);
    }
    glFlush();
    glutSwapBuffers();
    glutPostRedisplay();
}

void display() {
    quadro(relogio.begin_frame());
    relogio.end_frame();
}

void keyboard(unsigned char key, int, int) {
    switch (key) {
        case kEsc: std::exit(0);
        case 'l': glDisable(GL_LIGHT0); break;
        case 'L': glEnable(GL_LIGHT0); break;
        default:
            if (!aplica_tecla(key)) return;
    }
    glutPostRedisplay();
}

}  // namespace snow_room
