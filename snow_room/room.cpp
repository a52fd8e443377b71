#include "room.h"

#include <GL/glut.h>

#include "materials.h"
#include "shapes.h"
#include "state.h"

namespace snow_room {

namespace {

constexpr Vec3 kRoomSize = {12, 8, 9};

constexpr Vec3 kPisoAt = {0, -4, 0}, kTetoAt = {0, 4, 0};
constexpr Vec3 kPisoSize = {12, 0.1f, 9};
constexpr Vec3 kEsquerdaAt = {-6, 0, 0}, kDireitaAt = {6, 0, 0};
constexpr Vec3 kLadoSize = {0.1f, 8, 9};

// The back wall at z = -4.5 leaves the door opening x -5.75..-2, y -4..3.5.
struct Peca {
    Vec3 at, size;
};
constexpr Peca kFundo[] = {
    {{2, 0, -4.5f}, {8, 8, 0.1f}},          // panel, x -2..6
    {{-4, 3.75f, -4.5f}, {4, 0.5f, 0.1f}},  // lintel
    {{-5.875f, 0, -4.5f}, {0.25f, 8, 0.1f}},  // jamb
};

constexpr Vec3 kDobradica = {-5.875f, 0, -4.5f};  // the door's hinge
constexpr Peca kPainelPorta = {{2, -0.25f, 0}, {3.875f, 7.5f, 0.1f}};
constexpr Vec3 kMacaneta = {3.5f, 0, 0};
constexpr double kMacanetaRaio = 0.3;

// The fan hangs from a rod under the ceiling; its blades cross at the hub.
constexpr double kVentCube = 0.5;
constexpr Vec3 kHasteAt = {0, 3.1f, 0};
constexpr Vec3 kHasteScale = {0.2f, 3, 0.2f};
constexpr Vec3 kCubo = {0, 2.3f, 0};
constexpr double kCuboRaio = 0.3;
constexpr Peca kPas[] = {
    {{1, 0, 0}, {2, 0.05f, 0.25f}},
    {{-1, 0, 0}, {2, 0.05f, 0.25f}},
    {{0, 0, 1}, {0.25f, 0.05f, 2}},
    {{0, 0, -1}, {0.25f, 0.05f, 2}},
};

void parede_material() { material(parede_ambient, parede_diffuse, parede_specular, kBrilhoAlto, zeros); }

}  // namespace

void sala_linhas() {
    parede_material();
    glPushMatrix();
    glScalef(kRoomSize.x, kRoomSize.y, kRoomSize.z);
    glutWireCube(1);
    glPopMatrix();
}

void parede_fundo() {
    parede_material();
    for (const Peca& peca : kFundo) caixa(peca.at, peca.size);

    // The door turns about its hinge on the jamb.
    glPushMatrix();
    glTranslatef(kDobradica.x, kDobradica.y, kDobradica.z);
    glRotatef(static_cast<float>(porta), 0, 1, 0);
    material(porta_ambient, porta_diffuse, porta_specular, kBrilhoNenhum, zeros);
    caixa(kPainelPorta.at, kPainelPorta.size);
    material(pe_sofa_ambient, pe_sofa_diffuse, pe_sofa_specular, kBrilhoNenhum, zeros);
    esfera(kMacaneta, kMacanetaRaio);
    glPopMatrix();
}

void parede_esquerda() {
    parede_material();
    caixa(kEsquerdaAt, kLadoSize);
}

void parede_direita() {
    parede_material();
    caixa(kDireitaAt, kLadoSize);
}

void piso() {
    material(chao_ambient, chao_diffuse, chao_specular, kBrilhoBaixo, zeros);
    caixa(kPisoAt, kPisoSize);
}

void teto() {
    // Diffuse and specular arrays swapped on purpose: this is the ceiling's look.
    material(teto_ambient, teto_specular, teto_diffuse, kBrilhoTeto, zeros);
    caixa(kTetoAt, kPisoSize);
}

void ventilador() {
    material(ventilador_ambient, ventilador_diffuse, ventilador_specular, kBrilhoNenhum, zeros);
    glPushMatrix();
    glTranslatef(kHasteAt.x, kHasteAt.y, kHasteAt.z);
    glScalef(kHasteScale.x, kHasteScale.y, kHasteScale.z);
    glutSolidCube(kVentCube);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(kCubo.x, kCubo.y, kCubo.z);
    glRotatef(static_cast<float>(vent), 0, 1, 0);
    glutSolidSphere(kCuboRaio, 20, 20);
    for (const Peca& pa : kPas) {
        glPushMatrix();
        glTranslatef(pa.at.x, pa.at.y, pa.at.z);
        glScalef(pa.size.x / kVentCube, pa.size.y / kVentCube, pa.size.z / kVentCube);
        glutSolidCube(kVentCube);
        glPopMatrix();
    }
    glPopMatrix();
}

}  // namespace snow_room
