// The movements of the body. Each stage is a frame count, a camera step and
// rows of (joint or variable, frames, change), applied in the listed order
// every frame; then the frame is drawn.
#include <climits>
#include <cstddef>

#include "corpo.h"
#include "estado.h"
#include "ritmo.h"

namespace gymnast {

namespace {

// Which frames (i, inclusive) and which tipo (0: any) a row applies to.
struct Quando {
    int de = 0;
    int ate = INT_MAX;
    int tipo = 0;
};
constexpr Quando sempre{};
constexpr Quando ate(int i) { return {0, i, 0}; }
constexpr Quando desde(int i) { return {i, INT_MAX, 0}; }
constexpr Quando quadros(int de, int ate_) { return {de, ate_, 0}; }
constexpr Quando em(int i) { return {i, i, 0}; }
constexpr Quando tipo(int t) { return {0, INT_MAX, t}; }

enum class Acao {
    Soma,     // add the amount
    SomaDir,  // add the amount times the direction factor d
    Fixa,     // set to the amount
};

// A joint, stepped through its mirror, or a variable stepped directly.
struct Alvo {
    Junta junta;
    float* direta;
};
constexpr Alvo J(Junta j) { return {j, nullptr}; }
constexpr Alvo D(float* v) { return {Junta::Cabeca, v}; }

struct Passo {
    Alvo alvo;
    Quando quando;
    Acao acao;
    double valor;
};

struct Camera {
    float dx, dy, dz;
    int cx, cy, cz;
};

struct Tabela {
    const Passo* passos = nullptr;
    std::size_t n = 0;
};
template <std::size_t N>
constexpr Tabela tabela(const Passo (&passos)[N]) {
    return {passos, N};
}

// A stage applies its tables in order; most have one.
struct Etapa {
    int quadros;
    Camera camera;
    Tabela tabelas[2];
};

template <std::size_t N>
constexpr Etapa etapa(int quadros_, Camera camera, const Passo (&passos)[N]) {
    return {quadros_, camera, {tabela(passos), {}}};
}
template <std::size_t N, std::size_t M>
constexpr Etapa etapa(int quadros_, Camera camera, const Passo (&primeiro)[N], const Passo (&depois)[M]) {
    return {quadros_, camera, {tabela(primeiro), tabela(depois)}};
}

constexpr Alvo Cabeca = J(Junta::Cabeca);
constexpr Alvo BracoDir = J(Junta::BracoDir), BracoDirAb = J(Junta::BracoDirAb), BracoDirExt = J(Junta::BracoDirExt);
constexpr Alvo BracoEsq = J(Junta::BracoEsq), BracoEsqAb = J(Junta::BracoEsqAb), BracoEsqExt = J(Junta::BracoEsqExt);
constexpr Alvo PernaDir = J(Junta::PernaDir), PernaDirAb = J(Junta::PernaDirAb), PernaDirExt = J(Junta::PernaDirExt);
constexpr Alvo PernaEsq = J(Junta::PernaEsq), PernaEsqAb = J(Junta::PernaEsqAb), PernaEsqExt = J(Junta::PernaEsqExt);
constexpr Alvo AngTronco = D(&angTronco);
constexpr Alvo AltGin = D(&altGin);
constexpr Alvo ProfuGin = D(&profuGin);
constexpr Alvo Zoom = D(&zoom);

constexpr Acao S = Acao::Soma, Sd = Acao::SomaDir, F = Acao::Fixa;

// ---------------------------------------------------------------- somersault

const Passo kAgacha[] = {
    {BracoEsq,    sempre,    S, -1},
    {BracoEsqExt, sempre,    S, -2},
    {BracoEsqAb,  sempre,    S, +0.1},
    {BracoDir,    sempre,    S, -1},
    {BracoDirExt, sempre,    S, -2},
    {BracoDirAb,  sempre,    S, +0.1},
    {PernaEsq,    sempre,    S, -1.4},
    {PernaEsqExt, sempre,    S, +1.8},
    {PernaDir,    sempre,    S, -1.4},
    {PernaDirExt, sempre,    S, +1.8},
    {Cabeca,      tipo(1),   S, +0.4},
    {Cabeca,      tipo(2),   S, -0.4},
    {AltGin,      desde(11), S, -0.03},
    {AltGin,      desde(31), S, -0.047},
    {ProfuGin,    sempre,    S, -0.045},
};

const Passo kSalta[] = {
    {BracoEsq,    sempre, S,  +1},
    {BracoEsqExt, sempre, S,  +2},
    {BracoDir,    sempre, S,  +1},
    {BracoDirExt, sempre, S,  +2},
    {PernaEsq,    sempre, S,  +2.8},
    {PernaEsqExt, sempre, S,  -3.6},
    {PernaDir,    sempre, S,  +2.8},
    {PernaDirExt, sempre, S,  -3.6},
    {AngTronco,   sempre, Sd, -2},
    {Cabeca,      sempre, Sd, -0.85},
    {Cabeca,      em(21), F,  0},
    {AltGin,      sempre, S,  +0.3},
};

// Both turns: the arms swing up for 18 frames, then are set straight.
const Passo kBracosDoGiro[] = {
    {BracoEsq,    ate(17), S, +1.25},
    {BracoEsqExt, ate(17), S, +2.5},
    {BracoDir,    ate(17), S, +1.25},
    {BracoDirExt, ate(17), S, +2.5},
    {BracoEsq,    em(18),  F, 0},
    {BracoEsqExt, em(18),  F, 0},
    {BracoDir,    em(18),  F, 0},
    {BracoDirExt, em(18),  F, 0},
};

const Passo kGira[] = {
    {AngTronco,   ate(13),   Sd, -1.875},
    {AngTronco,   desde(14), Sd, -3.75},
    {PernaEsq,    ate(44),   Sd, -5.4},
    {PernaDir,    ate(44),   Sd, -5.4},
    {PernaEsq,    desde(45), Sd, -2.6},
    {PernaDir,    desde(45), Sd, -2.6},
};

const Passo kChegada[] = {
    {BracoEsqAb,  sempre,    S, +0.2},
    {BracoDirAb,  sempre,    S, +0.2},
    {PernaEsq,    sempre,    S, -1.4},
    {PernaEsqExt, sempre,    S, +1.8},
    {PernaDir,    sempre,    S, -1.4},
    {PernaDirExt, sempre,    S, +1.8},
    {AltGin,      ate(19),   S, -0.265},
    {AltGin,      desde(20), S, -0.06},
};

const Passo kDesagacha[] = {
    {BracoEsqAb,  sempre,          S,  +1.7},
    {BracoDirAb,  sempre,          S,  +1.7},
    {BracoEsqAb,  em(44),          F,  90},
    {BracoDirAb,  em(44),          F,  90},  // arms held out sideways
    {AngTronco,   sempre,          Sd, -0.1},
    {PernaEsq,    sempre,          S,  +1.4},
    {PernaEsqExt, sempre,          S,  -1.8},
    {PernaDir,    sempre,          S,  +1.4},
    {PernaDirExt, sempre,          S,  -1.8},
    {AltGin,      ate(9),          S,  +0.08},
    {AltGin,      quadros(10, 19), S,  +0.06},
    {AltGin,      desde(20),       S,  +0.025},
    {ProfuGin,    sempre,          S,  +0.03},
};

const Etapa kEtapaAgacha = etapa(45, {1, 0, 0, 1, 0, 0}, kAgacha);
const Etapa kEtapaSalta = etapa(22, {0, 0, 0, 1, 0, 0}, kSalta);
const Etapa kEtapaGira = etapa(90, {-0.4f, 2, 0, 1, 1, 0}, kBracosDoGiro, kGira);
const Etapa kEtapaChegada = etapa(45, {-0.4f, 2, 0, 1, 1, 0}, kChegada);
const Etapa kEtapaDesagacha = etapa(45, {-0.05f, 2, 0, 1, 1, 0}, kDesagacha);

// ---------------------------------------------------------------- fall

const Passo kGiraQueda[] = {
    {AngTronco,  ate(13),   S, -1.875},
    {AngTronco,  desde(14), S, -4.2},
    {PernaEsq,   ate(44),   S, -5.4},
    {PernaDir,   ate(44),   S, -5.4},
    {PernaEsq,   desde(45), S, -3.2},
    {PernaDir,   desde(45), S, -3.2},
    {PernaEsqAb, desde(45), S, +0.1},
    {PernaDirAb, desde(45), S, +0.15},
};

// The arms flail while turning: one table while the flag is up, one while it is down.
const Passo kAgitaBracos[] = {
    {BracoDirAb, sempre,    S, +1.5},
    {BracoEsqAb, ate(22),   S, +1.3},
    {BracoEsqAb, desde(23), S, -1.5},
};
const Passo kBaixaBracos[] = {
    {BracoDirAb, sempre,    S, -1.5},
    {BracoEsqAb, sempre,    S, +1.7},
    {BracoDirAb, desde(81), S, +1.7},
    {BracoEsqAb, desde(81), S, +1.2},
};

const Passo kChegadaQueda[] = {
    {BracoEsqAb,  sempre,    S, +1.5},
    {BracoDirAb,  sempre,    S, +1.5},
    {PernaEsq,    sempre,    S, -1.4},
    {PernaEsqExt, sempre,    S, +1.8},
    {PernaDir,    sempre,    S, -1.4},
    {PernaDirExt, sempre,    S, +1.8},
    {AltGin,      ate(19),   S, -0.365},
    {AltGin,      desde(20), S, -0.08},
};

// Two phases; the knees unbend at different rates on purpose.
const Passo kDesagachaQueda[] = {
    {BracoEsqAb,  ate(29),   S, +0.5},
    {BracoDirAb,  ate(29),   S, +2.266},
    {AngTronco,   ate(29),   S, -1},
    {PernaEsq,    ate(29),   S, -1.33},
    {PernaEsqExt, ate(29),   S, -2.399},
    {PernaDir,    ate(29),   S, -1.33},
    {PernaDirExt, ate(29),   S, -1.399},
    {AltGin,      ate(29),   S, -0.133},
    {ProfuGin,    ate(29),   S, +0.03},
    {Cabeca,      desde(30), S, +2},
    {PernaEsq,    desde(30), S, -1.5},
    {PernaDir,    desde(30), S, -1.5},
    {PernaEsqAb,  desde(30), S, +0.4},
    {PernaDirAb,  desde(30), S, +0.6},
    {AngTronco,   desde(30), S, -1.5},
    {AltGin,      desde(30), S, -0.04},
};

constexpr int kQuadrosGiraQueda = 90;
constexpr Camera kCameraGiraQueda{-0.4f, 1, 0, 1, 1, 0};
const Etapa kEtapaChegadaQueda = etapa(45, {-0.4f, 1, 0, 1, 1, 0}, kChegadaQueda);
const Etapa kEtapaDesagachaQueda = etapa(45, {-0.2f, 1, 0, 1, 1, 0}, kDesagachaQueda);

// ---------------------------------------------------------------- wave and routine

// Only the right arm: down 60 degrees, then four swings up and down. No camera step.
const Passo kTchau[] = {
    {BracoDirAb, ate(19),           S, -3},
    {BracoDirAb, quadros(20, 40),   S, +2.5},
    {BracoDirAb, quadros(41, 59),   S, -2.5},
    {BracoDirAb, quadros(60, 80),   S, +2.5},
    {BracoDirAb, quadros(81, 99),   S, -2.5},
    {BracoDirAb, quadros(100, 120), S, +2.5},
    {BracoDirAb, quadros(121, 139), S, -2.5},
    {BracoDirAb, quadros(140, 160), S, +2.5},
    {BracoDirAb, quadros(161, 179), S, -2.5},
};
constexpr int kQuadrosTchau = 180;

// The closing flight: the camera circles and pulls back, then winds back
// its tilt while the scene is pushed past the viewer.
const Passo kCameraExclusiva[] = {{Zoom, sempre, S, +0.1}};
const Etapa kEtapaCameraExclusiva = etapa(180, {0.6f, 1, 0, 1, 1, 0}, kCameraExclusiva);

constexpr int kQuadrosFinais = 300;
constexpr int kZoomFinalDesde = 91;
constexpr double kZoomFinal = 0.3;
constexpr int kCameraFinalAte = 179;
constexpr Camera kCameraFinal{-0.6f, 0, 0, 1, 0, 0};

// The routine's pauses keep the proportions of their busy-wait counts, at 1 ns an iteration.
constexpr long long kPausaCurta = 10'000'000;
constexpr long long kPausaMedia = 100'000'000;
constexpr long long kPausaLonga = 1'000'000'000;
constexpr double kSegundosPorIteracao = 1e-9;

// ---------------------------------------------------------------- running

// Callers pass 1 or 2; any other tipo turns nothing.
double direcao(int tipo) { return tipo == 1 ? 1 : tipo == 2 ? -1 : 0; }

bool vale(const Quando& q, int i, int tipo) { return q.de <= i && i <= q.ate && (q.tipo == 0 || q.tipo == tipo); }

void aplicaPasso(const Passo& p, double d) {
    const double quanto = p.acao == Acao::SomaDir ? p.valor * d : p.valor;
    if (p.alvo.direta != nullptr) {
        float& v = *p.alvo.direta;
        v = p.acao == Acao::Fixa ? static_cast<float>(quanto) : static_cast<float>(static_cast<double>(v) + quanto);
    } else if (p.acao == Acao::Fixa) {
        fixa(p.alvo.junta, static_cast<float>(quanto));
    } else {
        passo(p.alvo.junta, quanto);
    }
}

void aplicaPassos(const Tabela& t, int i, int tipo) {
    const double d = direcao(tipo);
    for (std::size_t k = 0; k < t.n; ++k)
        if (vale(t.passos[k].quando, i, tipo)) aplicaPasso(t.passos[k], d);
}

template <std::size_t N>
void aplicaPassos(const Passo (&passos)[N], int i, int tipo) {
    aplicaPassos(tabela(passos), i, tipo);
}

void pausa(Ritmo& r, long long iteracoes) { r.espera(static_cast<double>(iteracoes) * kSegundosPorIteracao); }

// The flailing flag after frame i: frames 38, 50 and 65 keep the previous value.
bool agita(int i, bool antes) {
    if (19 <= i && i <= 37) return true;
    if (39 <= i && i <= 49) return false;
    if (51 <= i && i <= 64) return true;
    if (i >= 66) return false;
    return antes;
}

void executa(Corpo& c, const Etapa& e, int tipo, Ritmo& r) {
    for (int i = 0; i < e.quadros; ++i) {
        c.movecamera(e.camera.dx, e.camera.dy, e.camera.dz, e.camera.cx, e.camera.cy, e.camera.cz);
        for (const Tabela& t : e.tabelas) aplicaPassos(t, i, tipo);
        r.quadro();
    }
}

}  // namespace

void Corpo::agacha(int tipo, Ritmo& r) {
    altGin = 0;
    executa(*this, kEtapaAgacha, tipo, r);
}
void Corpo::salta(int tipo, Ritmo& r) { executa(*this, kEtapaSalta, tipo, r); }
void Corpo::gira(int tipo, Ritmo& r) { executa(*this, kEtapaGira, tipo, r); }
void Corpo::chegada(int tipo, Ritmo& r) { executa(*this, kEtapaChegada, tipo, r); }
void Corpo::desagacha(int tipo, Ritmo& r) { executa(*this, kEtapaDesagacha, tipo, r); }

void Corpo::giraqueda(Ritmo& r) {
    bool agitando = true;
    for (int i = 0; i < kQuadrosGiraQueda; ++i) {
        const Camera& k = kCameraGiraQueda;
        movecamera(k.dx, k.dy, k.dz, k.cx, k.cy, k.cz);
        aplicaPassos(kBracosDoGiro, i, 1);
        agitando = agita(i, agitando);
        if (agitando)
            aplicaPassos(kAgitaBracos, i, 1);
        else
            aplicaPassos(kBaixaBracos, i, 1);
        aplicaPassos(kGiraQueda, i, 1);
        r.quadro();
    }
}
void Corpo::chegadaqueda(Ritmo& r) { executa(*this, kEtapaChegadaQueda, 1, r); }
void Corpo::desagachaqueda(Ritmo& r) { executa(*this, kEtapaDesagachaQueda, 1, r); }

void Corpo::tchau(Ritmo& r) {
    for (int i = 0; i < kQuadrosTchau; ++i) {
        aplicaPassos(kTchau, i, 0);
        r.quadro();
    }
}

void Corpo::mortal(int tipo, Ritmo& r) {
    original(false, r);
    original(true, r);
    agacha(tipo, r);
    salta(tipo, r);
    gira(tipo, r);
    chegada(tipo, r);
    desagacha(tipo, r);
}

void Corpo::queda(Ritmo& r) {
    original(false, r);
    original(true, r);
    agacha(1, r);
    salta(1, r);
    giraqueda(r);
    chegadaqueda(r);
    desagachaqueda(r);
}

void Corpo::animacao(Ritmo& r) {
    original(false, r);
    original(true, r);
    pausa(r, kPausaCurta);
    mortal(1, r);
    pausa(r, kPausaLonga);

    original(false, r);
    original(true, r);
    pausa(r, kPausaMedia);
    mortal(2, r);
    pausa(r, kPausaLonga);

    original(false, r);
    original(true, r);
    pausa(r, kPausaMedia);
    queda(r);
    pausa(r, kPausaMedia);

    executa(*this, kEtapaCameraExclusiva, 0, r);
    tchau(r);
    mula = 1;

    for (int i = 0; i < kQuadrosFinais; ++i) {
        if (i >= kZoomFinalDesde) zoom = static_cast<float>(static_cast<double>(zoom) + kZoomFinal);
        if (i <= kCameraFinalAte) movecamera(kCameraFinal.dx, kCameraFinal.dy, kCameraFinal.dz, kCameraFinal.cx,
                                             kCameraFinal.cy, kCameraFinal.cz);
        r.quadro();
    }
}

}  // namespace gymnast
