#pragma once
// The gymnast's program shell: window, fixed OpenGL state, images, the frame,
// the projection, and the keys, arrow keys and menu that drive the body.

#include "frame_pacer.h"
#include "ritmo.h"

namespace gymnast {

constexpr int kLarguraJanela = 450;
constexpr int kAlturaJanela = 350;
constexpr int kJanelaX = 10;
constexpr int kJanelaY = 10;
constexpr const char* kTitulo = "Zezaruz";

// Menu entries and their values.
enum Menu { kAnimacao = 1, kSair = 2, kQueda = 4, kMortalTras = 5, kMortalFrente = 6, kOriginal = 7 };

void init();
void display();  // one frame and the buffer swap
void reshape(int w, int h);
void keyboard(unsigned char key, int x, int y);
void keyboardX(int key, int x, int y);

// A movement blocks the event loop and draws its own frames: each is shown,
// then held to the frame rate. Pauses are slept.
class RitmoJanela : public Ritmo {
public:
    void quadro() override;
    void espera(double segundos) override;

private:
    FramePacer pacer_;
};

// Everything main does before the GLUT main loop: window, state, images,
// callbacks, menu, hidden cursor. Keys and menu run movements through r,
// which outlives the loop.
void inicia(int* argc, char** argv, Ritmo& r);

}  // namespace gymnast
