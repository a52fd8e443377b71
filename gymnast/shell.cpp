#include "shell.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "cena.h"
#include "corpo.h"
#include "estado.h"
#include "texturas.h"

namespace gymnast {

namespace {

constexpr double kCampoDeVisao = 70;
constexpr double kPerto = 1;
constexpr double kLonge = 500;
constexpr double kOlho[3] = {0, 0, 15};
constexpr double kAlvo[3] = {0, 0, -3};
constexpr double kCima[3] = {0, 2, 0};

constexpr unsigned char kEsc = 27;
constexpr float kPasso = 2;

// ---------------------------------------------------------------- keys

// A guard looks at the value before the step; several let it go one step
// past what the trunk accepts.
enum class Guarda { Nenhuma, Menor, MenorIgual, Maior, MaiorIgual };

bool deixa(Guarda g, float valor, float limite) {
    switch (g) {
        case Guarda::Nenhuma: return true;
        case Guarda::Menor: return valor < limite;
        case Guarda::MenorIgual: return valor <= limite;
        case Guarda::Maior: return valor > limite;
        case Guarda::MaiorIgual: return valor >= limite;
    }
    return false;
}

struct TeclaJunta {
    unsigned char tecla;
    Junta junta;
    float passo;
    Guarda guarda;
    float limite;
};

using G = Guarda;

// Each limb on three neighbouring keys: right arm R T U, left arm Q W E,
// right leg F G H, left leg A S D.
constexpr TeclaJunta kTeclasJunta[] = {
    {'C', Junta::Cabeca,      +kPasso, G::Menor,      45},   {'c', Junta::Cabeca,      -kPasso, G::Maior,      -15},
    {'R', Junta::BracoDir,    +kPasso, G::Nenhuma,    0},    {'r', Junta::BracoDir,    -kPasso, G::Nenhuma,    0},
    {'t', Junta::BracoDirAb,  +kPasso, G::MenorIgual, 180},  {'T', Junta::BracoDirAb,  -kPasso, G::MaiorIgual, 0},
    {'U', Junta::BracoDirExt, +kPasso, G::MenorIgual, 0},    {'u', Junta::BracoDirExt, -kPasso, G::Maior,      -135},
    {'Q', Junta::BracoEsq,    +kPasso, G::Nenhuma,    0},    {'q', Junta::BracoEsq,    -kPasso, G::Nenhuma,    0},
    {'w', Junta::BracoEsqAb,  +kPasso, G::MenorIgual, 180},  {'W', Junta::BracoEsqAb,  -kPasso, G::MaiorIgual, 0},
    {'E', Junta::BracoEsqExt, +kPasso, G::MenorIgual, 0},    {'e', Junta::BracoEsqExt, -kPasso, G::Maior,      -135},
    {'F', Junta::PernaDir,    +kPasso, G::Menor,      20},   {'f', Junta::PernaDir,    -kPasso, G::Maior,      -120},
    {'g', Junta::PernaDirAb,  +kPasso, G::Menor,      60},   {'G', Junta::PernaDirAb,  -kPasso, G::Maior,      -5},
    {'h', Junta::PernaDirExt, +kPasso, G::Menor,      120},  {'H', Junta::PernaDirExt, -kPasso, G::Maior,      0},
    {'A', Junta::PernaEsq,    +kPasso, G::Menor,      20},   {'a', Junta::PernaEsq,    -kPasso, G::Maior,      -120},
    {'s', Junta::PernaEsqAb,  +kPasso, G::Menor,      60},   {'S', Junta::PernaEsqAb,  -kPasso, G::Maior,      -5},
    {'d', Junta::PernaEsqExt, +kPasso, G::Menor,      120},  {'D', Junta::PernaEsqExt, -kPasso, G::Maior,      0},
};

// Variables without a setter; the camera keys also switch their axis on.
struct TeclaDireta {
    unsigned char tecla;
    float* valor;
    float* eixo;  // rotation switch set to 1, or null
    float passo;
    Guarda guarda;
    float limite;
};

const TeclaDireta kTeclasDiretas[] = {
    {'X', &angX,      &changeX, +kPasso, G::Nenhuma, 0},  {'x', &angX,      &changeX, -kPasso, G::Nenhuma, 0},
    {'Y', &angY,      &changeY, +kPasso, G::Nenhuma, 0},  {'y', &angY,      &changeY, -kPasso, G::Nenhuma, 0},
    {'Z', &angZ,      &changeZ, +kPasso, G::Nenhuma, 0},  {'z', &angZ,      &changeZ, -kPasso, G::Nenhuma, 0},
    {'2', &zoom,      nullptr,  +kPasso, G::Menor,   30}, {'1', &zoom,      nullptr,  -kPasso, G::Maior,   0},
    {'V', &angTronco, nullptr,  +kPasso, G::Nenhuma, 0},  {'v', &angTronco, nullptr,  -kPasso, G::Nenhuma, 0},
};

// True when the key is one of the table's.
bool teclaDeJunta(unsigned char key) {
    for (const TeclaJunta& t : kTeclasJunta) {
        if (t.tecla != key) continue;
        // The mirror goes to the body whether or not the guard let the step happen.
        if (deixa(t.guarda, espelho(t.junta), t.limite))
            passo(t.junta, t.passo);
        else
            aplica(t.junta);
        return true;
    }
    return false;
}

bool teclaDireta(unsigned char key) {
    for (const TeclaDireta& t : kTeclasDiretas) {
        if (t.tecla != key) continue;
        if (t.eixo != nullptr) *t.eixo = 1;
        if (deixa(t.guarda, *t.valor, t.limite)) *t.valor += t.passo;
        return true;
    }
    return false;
}

// What inicia was given: the keys and menu run movements through it.
Ritmo* ritmo = nullptr;

// ---------------------------------------------------------------- menu

void ModeMenu(int value) {
    switch (value) {
        case kAnimacao: corpo.animacao(*ritmo); break;
        case kMortalTras: corpo.mortal(1, *ritmo); break;
        case kMortalFrente: corpo.mortal(2, *ritmo); break;
        case kQueda: corpo.queda(*ritmo); break;
        case kOriginal: corpo.original(false, *ritmo); break;
        case kSair: std::exit(0);
        default: break;
    }
    glutPostRedisplay();
}

struct EntradaMenu {
    const char* nome;
    int valor;
};
constexpr EntradaMenu kMenu[] = {
    {"Animacao", kAnimacao}, {"Mortal Tras", kMortalTras}, {"Mortal Frente", kMortalFrente},
    {"Queda", kQueda},       {"Original", kOriginal},      {"Sair", kSair},
};

}  // namespace

void RitmoJanela::quadro() {
    display();
    pacer_.end_frame();
}

void RitmoJanela::espera(double segundos) { std::this_thread::sleep_for(std::chrono::duration<double>(segundos)); }

void init() {
    glClearColor(0, 0, 0, 0);
    glClearDepth(1);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    carregaTexturas();
}

void display() {
    desenhaCena();
    glutSwapBuffers();
}

void reshape(int w, int h) {
    if (h < 1) h = 1;  // a minimised window must not divide by zero
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kCampoDeVisao, static_cast<double>(w) / h, kPerto, kLonge);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(kOlho[0], kOlho[1], kOlho[2], kAlvo[0], kAlvo[1], kAlvo[2], kCima[0], kCima[1], kCima[2]);
}

void keyboard(unsigned char key, int, int) {
    if (key == kEsc) std::exit(0);
    if (teclaDeJunta(key) || teclaDireta(key)) {
        glutPostRedisplay();
        return;
    }
    switch (key) {
        case '.': corpo.original(false, *ritmo); break;
        case ',': corpo.original(true, *ritmo); break;
        default: return;  // keys outside the table do nothing, not even a redraw
    }
    glutPostRedisplay();
}

void keyboardX(int key, int, int) {
    switch (key) {
        case GLUT_KEY_LEFT: corpo.queda(*ritmo); break;
        case GLUT_KEY_UP: corpo.mortal(1, *ritmo); break;
        case GLUT_KEY_RIGHT: corpo.animacao(*ritmo); break;
        case GLUT_KEY_DOWN: corpo.mortal(2, *ritmo); break;
        default: break;
    }
    glutPostRedisplay();
}

void inicia(int* argc, char** argv, Ritmo& r) {
    ritmo = &r;
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kLarguraJanela, kAlturaJanela);
    glutInitWindowPosition(kJanelaX, kJanelaY);
    glutCreateWindow(kTitulo);
    init();
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(keyboardX);
    glutCreateMenu(ModeMenu);
    for (const EntradaMenu& e : kMenu) glutAddMenuEntry(e.nome, e.valor);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
    glutSetCursor(GLUT_CURSOR_NONE);
}

}  // namespace gymnast
