#pragma once
// The light and the material colours of the room, and the one material setter.

#include <GL/gl.h>

namespace snow_room {

// Light 0: a positional light far above the eye, fixed in eye coordinates.
extern GLfloat luz_diffuse[4];
extern GLfloat luz_specular[4];
extern GLfloat luz_position[4];

extern GLfloat zeros[4];  // the emission of every material

extern GLfloat sofa_diffuse[4], sofa_specular[4], sofa_ambient[4];
extern GLfloat pe_sofa_diffuse[4], pe_sofa_specular[4], pe_sofa_ambient[4];
extern GLfloat neve_diffuse[4], neve_specular[4], neve_ambient[4];
extern GLfloat chao_diffuse[4], chao_specular[4], chao_ambient[4];
extern GLfloat teto_diffuse[4], teto_specular[4], teto_ambient[4];
extern GLfloat parede_diffuse[4], parede_specular[4], parede_ambient[4];
extern GLfloat lua_diffuse[4], lua_specular[4], lua_ambient[4];
extern GLfloat lareira_diffuse[4], lareira_specular[4], lareira_ambient[4];
extern GLfloat tapete_diffuse[4], tapete_specular[4], tapete_ambient[4];
extern GLfloat tapete2_diffuse[4], tapete2_specular[4], tapete2_ambient[4];
extern GLfloat ventilador_diffuse[4], ventilador_specular[4], ventilador_ambient[4];
extern GLfloat porta_diffuse[4], porta_specular[4], porta_ambient[4];
extern GLfloat quintal_diffuse[4], quintal_specular[4], quintal_ambient[4];
extern GLfloat bule_diffuse[4], bule_specular[4], bule_ambient[4];
extern GLfloat mesa_diffuse[4], mesa_specular[4], mesa_ambient[4];

// Shininess values the objects pass (some above what OpenGL accepts).
constexpr float kBrilhoNenhum = 0;
constexpr float kBrilhoBaixo = 15;
constexpr float kBrilhoSofa = 50;
constexpr float kBrilhoAlto = 100;
constexpr float kBrilhoTeto = 200;
constexpr float kBrilhoNeve = 500;

// Sets the material of both faces. A shininess outside OpenGL's 0..128 is
// not sent, so the one in force stays, as OpenGL would leave it, without
// raising an error.
void material(const GLfloat* ambient, const GLfloat* diffuse, const GLfloat* specular, float shininess,
              const GLfloat* emission);

}  // namespace snow_room
