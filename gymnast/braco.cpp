#include "braco.h"

namespace gymnast {

namespace {
constexpr float kBraco = 0.8f;  // upper arm, times the arm length
constexpr float kCurvaturaMin = -135;
constexpr float kCurvaturaMax = 0;
}  // namespace

Braco::Braco(float comprimento, float largura)
    : braco(kBraco * comprimento, largura), antebraco(comprimento, largura) {
    braco.setConexcao(&antebraco, 0);
    antebraco.setConexcao(nullptr, 0);
}

void Braco::setCurvatura(float c) {
    if (c > kCurvaturaMin && c < kCurvaturaMax) curvatura = c;
}

void Braco::desenha() {
    braco.setAngulo(curvatura);
    braco.desenha();
}

}  // namespace gymnast
