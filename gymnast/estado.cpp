#include "estado.h"

#include <chrono>
#include <thread>

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

Corpo corpo(1, 1);

unsigned int texture_id[kTexturas];

void (*quadro)() = nullptr;

namespace {
void dorme(double segundos) { std::this_thread::sleep_for(std::chrono::duration<double>(segundos)); }
}  // namespace

void (*espera)(double) = dorme;

namespace {

struct Articulacao {
    float* espelho;
    void (Corpo::*set)(float);
};

// In the order of Junta.
const Articulacao kArticulacoes[kJuntas] = {
    {&angCabeca, &Corpo::setAngCabeca},
    {&angBracoDir, &Corpo::setAngBracoDir},
    {&angBracoDirAb, &Corpo::setAngBracoDirAb},
    {&angBracoDirExt, &Corpo::setAngBracoDirExt},
    {&angBracoEsq, &Corpo::setAngBracoEsq},
    {&angBracoEsqAb, &Corpo::setAngBracoEsqAb},
    {&angBracoEsqExt, &Corpo::setAngBracoEsqExt},
    {&angPernaDir, &Corpo::setAngPernaDir},
    {&angPernaDirAb, &Corpo::setAngPernaDirAb},
    {&angPernaDirExt, &Corpo::setAngPernaDirExt},
    {&angPernaEsq, &Corpo::setAngPernaEsq},
    {&angPernaEsqAb, &Corpo::setAngPernaEsqAb},
    {&angPernaEsqExt, &Corpo::setAngPernaEsqExt},
};

}  // namespace

float& espelho(Junta j) { return *kArticulacoes[static_cast<int>(j)].espelho; }

void aplica(Junta j) {
    const Articulacao& a = kArticulacoes[static_cast<int>(j)];
    (corpo.*a.set)(*a.espelho);
}

void passo(Junta j, double quanto) {
    float& m = espelho(j);
    m = static_cast<float>(static_cast<double>(m) + quanto);
    aplica(j);
}

void fixa(Junta j, float v) {
    espelho(j) = v;
    aplica(j);
}

}  // namespace gymnast
