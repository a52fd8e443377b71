#include "furniture.h"

#include <GL/glut.h>

#include <initializer_list>

#include "materials.h"
#include "shapes.h"

namespace snow_room {

namespace {

struct Peca {
    Vec3 at, size;
};

// Fireplace against the back wall, centred on x = 2.
constexpr Peca kPilares[] = {
    {{0, -2.75f, -3.5f}, {0.9f, 2.5f, 1}},
    {{4, -2.75f, -3.5f}, {0.9f, 2.5f, 1}},
};
constexpr Peca kDegraus[] = {
    {{2, -1.25f, -3.29f}, {6, 0.5f, 1.5f}},
    {{2, -0.75f, -3.29f}, {5, 0.5f, 1.5f}},
    {{2, -0.25f, -3.29f}, {4, 0.5f, 1.5f}},
    {{2, 0.25f, -3.29f}, {3, 0.5f, 1.5f}},
};
constexpr Peca kChamine = {{2, 2.25f, -3.29f}, {2, 3.5f, 1.5f}};

constexpr Peca kTapeteFora = {{0, -3.95f, 0.5f}, {6, 0.05f, 5}};
constexpr Peca kTapeteDentro = {{0, -3.85f, 0.5f}, {5, 0.05f, 4}};

// Table parts from its centre.
constexpr Vec3 kMesaAt = {0, -2.9f, 0.45f};
constexpr Vec3 kTampoSize = {3, 0.2f, 3};
constexpr Vec3 kPernas[] = {{1, -0.5f, 1}, {1, -0.5f, -1}, {-1, -0.5f, 1}, {-1, -0.5f, -1}};
constexpr Vec3 kPernaSize = {0.2f, 1, 0.2f};
constexpr Vec3 kBuleAt = {0, 0.35f, 0};
constexpr double kBuleSize = 0.3;
constexpr Vec3 kTacas[] = {{-1, 0.65f, 0}, {1, 0.65f, 0}, {0, 0.65f, -1}, {0, 0.65f, 1}};
constexpr float kTacaScale = 0.5f;
constexpr double kBojoRaio = 0.35, kHasteRaio = 0.15, kConeAltura = 1;
constexpr float kHasteRecuo = -0.5f;
constexpr int kConeSlices = 1000, kConeStacks = 1;

// Sofas: the frame each is built in, then the parts in that frame.
constexpr double kPeRaio = 0.2;
constexpr int kPeSlices = 10, kPeStacks = 8;
constexpr float kPeAlongY = 3.5f;
constexpr float kSofaInner = 4;  // scale of the inner frame
constexpr float kBracoY = -0.2f;

struct Sofa {
    float encosto_x, assento_x;  // backrest and seat length along the sofa
    float pe_x;                  // feet at ±this x
    float bracos_x;              // arms at ±this x
};
constexpr Sofa kEsquerda = {2, 1.6f, 1, 1};
constexpr Sofa kDireita = {8, 8.6f, 4.2f, 4.2f};

void box_unit() { glutSolidCube(1); }

void tabua(const Peca& p) { caixa(p.at, p.size); }

// The parts of a sofa inside its inner frame, as nested turns and moves.
void sofa_partes(const Sofa& s) {
    for (float px : {-s.pe_x, s.pe_x})
        for (float pz : {-0.8f, 0.8f}) {
            glPushMatrix();
            glTranslatef(px, -1.8f, pz);
            glScalef(1, kPeAlongY, 1);
            glutSolidSphere(kPeRaio, kPeSlices, kPeStacks);
            glPopMatrix();
        }
    material(sofa_ambient, sofa_diffuse, sofa_specular, kBrilhoSofa, zeros);

    glPushMatrix();  // backrest
    glTranslatef(0.8f, -1, 1.5f);
    glRotatef(-90, 0, -2, 1);
    glTranslatef(1, 0, -1);
    glTranslatef(1, 0, -1);
    glRotatef(90, 0, -2, 1);
    glTranslatef(1, 0.8f, 0);
    glScalef(s.encosto_x, 2, 0.5f);
    box_unit();
    glPopMatrix();

    for (float ax : {-s.bracos_x, s.bracos_x}) {
        glPushMatrix();
        glTranslatef(ax, kBracoY, 0);
        glRotatef(-90, 0, 0, 1);
        glTranslatef(1, 0, 0);
        glScalef(1, 0.4f, 2);
        box_unit();
        glPopMatrix();
    }

    glPushMatrix();  // seat
    glTranslatef(-1, 0.5f, 0);
    glRotatef(-90, 0, 0, 1);
    glTranslatef(1, 0, 0);
    glTranslatef(1, 0, 0);
    glRotatef(90, 0, 0, 1);
    glTranslatef(1, 0, 0);
    glScalef(s.assento_x, 0.5f, 2);
    box_unit();
    glPopMatrix();
}

void pe_sofa_material() { material(pe_sofa_ambient, pe_sofa_diffuse, pe_sofa_specular, kBrilhoNenhum, zeros); }

void lareira_material() {
    // Diffuse and specular arrays swapped on purpose, as for the ceiling.
    material(lareira_ambient, lareira_specular, lareira_diffuse, kBrilhoTeto, zeros);
}

}  // namespace

void lareira() {
    for (const Peca& pilar : kPilares) {
        lareira_material();
        tabua(pilar);
    }
    for (const Peca& degrau : kDegraus) tabua(degrau);
    tabua(kChamine);
}

void sofa_esquerda() {
    glPushMatrix();
    glTranslatef(-1.2f, -2.9f, 0);
    glScalef(0.25f, 0.25f, 0.25f);
    pe_sofa_material();
    glPushMatrix();
    glScalef(kSofaInner, kSofaInner, kSofaInner);
    glTranslatef(6, 1.4f, 0);
    glRotatef(-90, 0, 1, 0);
    sofa_partes(kEsquerda);
    glPopMatrix();
    glPopMatrix();
}

void sofa_direita() {
    glPushMatrix();
    glRotatef(90, 0, 1, 0);
    glTranslatef(-1.8f, -2.9f, -0.7f);
    glScalef(0.2f, 0.25f, 0.25f);
    glScalef(0.75f, 1, 1);
    pe_sofa_material();
    glPushMatrix();
    glScalef(kSofaInner, kSofaInner, kSofaInner);
    glTranslatef(0, 1.4f, -4);
    sofa_partes(kDireita);
    glPopMatrix();
    glPopMatrix();
}

void tapete() {
    material(tapete_ambient, tapete_diffuse, tapete_specular, kBrilhoNenhum, zeros);
    tabua(kTapeteFora);
    material(tapete2_ambient, tapete2_diffuse, tapete2_specular, kBrilhoNenhum, zeros);
    tabua(kTapeteDentro);
}

void mesa() {
    glPushMatrix();
    glTranslatef(kMesaAt.x, kMesaAt.y, kMesaAt.z);
    material(mesa_ambient, mesa_diffuse, mesa_specular, kBrilhoNenhum, zeros);
    caixa({0, 0, 0}, kTampoSize);
    for (const Vec3& perna : kPernas) caixa(perna, kPernaSize);

    material(bule_ambient, bule_diffuse, bule_specular, kBrilhoNenhum, zeros);
    glPushMatrix();
    glTranslatef(kBuleAt.x, kBuleAt.y, kBuleAt.z);
    glutSolidTeapot(kBuleSize);
    glPopMatrix();

    // Each goblet: a bowl pointing down, and on its tip a stem pointing up.
    for (const Vec3& taca : kTacas) {
        glPushMatrix();
        glTranslatef(taca.x, taca.y, taca.z);
        glRotatef(90, 1, 0, 0);
        glPushMatrix();
        glScalef(kTacaScale, kTacaScale, kTacaScale);
        glutWireCone(kBojoRaio, kConeAltura, kConeSlices, kConeStacks);
        glPopMatrix();
        glRotatef(180, 1, 0, 0);
        glTranslatef(0, 0, kHasteRecuo);
        glScalef(kTacaScale, kTacaScale, kTacaScale);
        glutWireCone(kHasteRaio, kConeAltura, kConeSlices, kConeStacks);
        glPopMatrix();
    }
    glPopMatrix();
}

}  // namespace snow_room
