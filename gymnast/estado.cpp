#include "estado.h"

namespace gymnast {

float angX, angY, angZ;
float changeX, changeY, changeZ;
float angCabeca;
float angBracoDir, angBracoDirAb, angBracoDirExt;
float angBracoEsq, angBracoEsqAb, angBracoEsqExt;
float angPernaDir, angPernaDirAb, angPernaDirExt;
float angPernaEsq, angPernaEsqAb, angPernaEsqExt;
float angTronco;
float altGin;
float posGin;
float profuGin;
float zoom;
int mula;

unsigned int texture_id[kTexturas];

namespace {

// In the order of Junta.
float* const kEspelhos[kJuntas] = {
    &angCabeca,   &angBracoDir, &angBracoDirAb, &angBracoDirExt, &angBracoEsq, &angBracoEsqAb, &angBracoEsqExt,
    &angPernaDir, &angPernaDirAb, &angPernaDirExt, &angPernaEsq, &angPernaEsqAb, &angPernaEsqExt,
};

}  // namespace

float& espelho(Junta j) { return *kEspelhos[static_cast<int>(j)]; }

}  // namespace gymnast
