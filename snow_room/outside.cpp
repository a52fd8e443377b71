#include "outside.h"

#include <GL/glut.h>

#include "materials.h"
#include "shapes.h"

namespace snow_room {

namespace {

constexpr Vec3 kQuintalAt = {0, -4.5f, 0};
constexpr Vec3 kQuintalSize = {25, 0.75f, 25};

constexpr Vec3 kLuaAt = {-5.5f, 3, -7};
constexpr double kLuaRaio = 0.6;
constexpr int kLuaFacets = 50;

// The snowman is built 1.5 to the left of where it stands.
constexpr float kBonecoShift = 1.5f;
struct Bola {
    Vec3 at;
    double raio;
};
constexpr Bola kBolas[] = {
    {{-5, -3.5f, -9}, 1},      // base
    {{-5, -2.25f, -9}, 0.85},  // body
    {{-5, -1, -9}, 0.65},      // head
};
constexpr Vec3 kOlhos[] = {{-5.2f, -0.75f, -8.45f}, {-4.8f, -0.75f, -8.45f}};
constexpr double kOlhoRaio = 0.1;
constexpr Vec3 kNarizAt = {-5, -1, -8.8f};  // a cone pointing towards +z
constexpr double kNarizRaio = 0.25, kNarizAltura = 1;
constexpr int kNarizSlices = 1000, kNarizStacks = 1;
constexpr Vec3 kBocaAt = {-5, -1.3f, -8.45f};
constexpr Vec3 kBocaSize = {0.6f, 0.05f, 0.05f};

void quintal_material() { material(quintal_ambient, quintal_diffuse, quintal_specular, kBrilhoAlto, zeros); }

}  // namespace

void quintal() {
    quintal_material();
    caixa(kQuintalAt, kQuintalSize);
}

void lua() {
    material(lua_ambient, lua_diffuse, lua_specular, kBrilhoBaixo, zeros);
    esfera(kLuaAt, kLuaRaio, kLuaFacets, kLuaFacets);
}

void boneco_de_neve() {
    glPushMatrix();
    glTranslatef(kBonecoShift, 0, 0);
    quintal_material();
    for (const Bola& bola : kBolas) esfera(bola.at, bola.raio);

    // The face takes the ceiling's arrays in their own order.
    material(teto_ambient, teto_diffuse, teto_specular, kBrilhoAlto, zeros);
    for (const Vec3& olho : kOlhos) esfera(olho, kOlhoRaio);
    glPushMatrix();
    glTranslatef(kNarizAt.x, kNarizAt.y, kNarizAt.z);
    glutWireCone(kNarizRaio, kNarizAltura, kNarizSlices, kNarizStacks);
    glPopMatrix();
    caixa(kBocaAt, kBocaSize);
    glPopMatrix();
}

}  // namespace snow_room
