#include "materials.h"

namespace snow_room {

namespace {
constexpr float kMaxShininess = 128;
}

GLfloat luz_diffuse[4] = {1, 1, 1, 1};
GLfloat luz_specular[4] = {1, 1, 1, 1};
GLfloat luz_position[4] = {0.5f, 100, -1, 1};

GLfloat zeros[4] = {0, 0, 0, 1};

//                              diffuse                           specular                          ambient
GLfloat sofa_diffuse[4] = {0, 0, 1, 1},          sofa_specular[4] = {0, 0, 1, 1},          sofa_ambient[4] = {0, 0, 1, 1};
GLfloat pe_sofa_diffuse[4] = {0, 0, 0, 1},       pe_sofa_specular[4] = {0, 0, 0, 1},       pe_sofa_ambient[4] = {0, 0, 0, 1};
GLfloat neve_diffuse[4] = {1, 1, 1, 1},          neve_specular[4] = {1, 0, 1, 1},          neve_ambient[4] = {1, 1, 1, 1};
GLfloat chao_diffuse[4] = {0.5f, 0.5f, 0, 1},    chao_specular[4] = {0, 0, 0, 1},          chao_ambient[4] = {0.4f, 0.5f, 0, 1};
GLfloat teto_diffuse[4] = {1, 1, 1, 1},          teto_specular[4] = {0.2f, 0.6f, 0, 1},    teto_ambient[4] = {0.4f, 0.5f, 0, 1};
GLfloat parede_diffuse[4] = {0, 1, 0, 1},        parede_specular[4] = {0, 1, 0, 1},        parede_ambient[4] = {0, 1, 0, 1};
GLfloat lua_diffuse[4] = {1, 1, 1, 1},           lua_specular[4] = {1, 1, 1, 1},           lua_ambient[4] = {1, 1, 1, 1};
GLfloat lareira_diffuse[4] = {5, 1, 1, 1},       lareira_specular[4] = {1, 1, 1, 1},       lareira_ambient[4] = {0.9f, 0.7f, 0, 1};
GLfloat tapete_diffuse[4] = {2, 1, 1, 1},        tapete_specular[4] = {1, 0.5f, 1, 1},     tapete_ambient[4] = {0.6f, 0.5f, 0, 1};
GLfloat tapete2_diffuse[4] = {0, 0, 0, 1},       tapete2_specular[4] = {0, 0, 0, 1},       tapete2_ambient[4] = {0, 0, 0, 1};
GLfloat ventilador_diffuse[4] = {0, 0, 0, 1},    ventilador_specular[4] = {0, 0, 0, 1},    ventilador_ambient[4] = {0, 0, 0, 1};
GLfloat porta_diffuse[4] = {0, 0, 1, 1},         porta_specular[4] = {0, 0, 1, 1},         porta_ambient[4] = {0, 0, 1, 1};
GLfloat quintal_diffuse[4] = {1, 1, 1, 1},       quintal_specular[4] = {1, 1, 1, 1},       quintal_ambient[4] = {1, 1, 1, 1};
GLfloat bule_diffuse[4] = {1, 1, 0, 1},          bule_specular[4] = {1, 1, 0, 1},          bule_ambient[4] = {1, 1, 0, 1};
GLfloat mesa_diffuse[4] = {1, 0, 0, 1},          mesa_specular[4] = {1, 0, 0, 1},          mesa_ambient[4] = {1, 0, 0, 1};

void material(const GLfloat* ambient, const GLfloat* diffuse, const GLfloat* specular, float shininess,
              const GLfloat* emission) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    if (shininess >= 0 && shininess <= kMaxShininess) glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
}

}  // namespace snow_room
