#include "perna.h"

namespace gymnast {

namespace {
// Lengths and widths, times the leg's length and width.
constexpr float kCoxa = 1.3f;
constexpr float kCanela = 1.15f;
constexpr float kCanelaLargura = 0.9f;
constexpr float kPe = 0.6f;
constexpr float kPeLargura = 0.8f;
constexpr float kTornozelo = -90;  // the foot points forwards
}  // namespace

Perna::Perna(float comprimento, float largura)
    : coxa(kCoxa * comprimento, largura),
      canela(kCanela * comprimento, kCanelaLargura * largura),
      pe(kPe * comprimento, kPeLargura * largura) {
    coxa.setConexcao(&canela, 0);
    canela.setConexcao(&pe, kTornozelo);
    pe.setConexcao(nullptr, 0);
}

void Perna::setCurvatura(float c) { curvatura = c; }

void Perna::desenha() {
    coxa.setAngulo(curvatura);
    coxa.desenha();
}

}  // namespace gymnast
