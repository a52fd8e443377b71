#pragma once
// The whole gymnast: one head, trunk, two arms and two legs, linked to the
// trunk and placed in the scene; its pose and camera resets, the camera step
// and the movements.

#include "braco.h"
#include "cabeca.h"
#include "estado.h"
#include "perna.h"
#include "ritmo.h"
#include "tronco.h"

namespace gymnast {

class Corpo {
public:
    Corpo(float a, float b);
    Corpo(const Corpo&) = delete;
    Corpo& operator=(const Corpo&) = delete;

    // Each forwards to the trunk's setter of the same name.
    void setAngCabeca(float a);
    void setAngBracoDir(float a);
    void setAngBracoDirAb(float a);
    void setAngBracoDirExt(float a);
    void setAngBracoEsq(float a);
    void setAngBracoEsqAb(float a);
    void setAngBracoEsqExt(float a);
    void setAngPernaDir(float a);
    void setAngPernaDirAb(float a);
    void setAngPernaDirExt(float a);
    void setAngPernaEsq(float a);
    void setAngPernaEsqAb(float a);
    void setAngPernaEsqExt(float a);

    void desenha();

    // camera false: rest pose at the origin; true: camera angles and zoom to 0.
    // Either way one frame is drawn at once.
    void original(bool camera, Ritmo& r);
    // Adds the angles and sets the three rotation switches; draws nothing.
    void movecamera(float dx, float dy, float dz, int cx, int cy, int cz);

    // Movements (movimentos.cpp), each frame and pause through r. tipo 1
    // turns backwards, 2 forwards.
    void agacha(int tipo, Ritmo& r);
    void salta(int tipo, Ritmo& r);
    void gira(int tipo, Ritmo& r);
    void chegada(int tipo, Ritmo& r);
    void desagacha(int tipo, Ritmo& r);
    void giraqueda(Ritmo& r);
    void chegadaqueda(Ritmo& r);
    void desagachaqueda(Ritmo& r);
    void tchau(Ritmo& r);
    void mortal(int tipo, Ritmo& r);
    void queda(Ritmo& r);
    void animacao(Ritmo& r);

    const Tronco& getTronco() const { return tronco; }
    const Braco& getBracoDir() const { return bracoDir; }
    const Braco& getBracoEsq() const { return bracoEsq; }
    const Perna& getPernaDir() const { return pernaDir; }
    const Perna& getPernaEsq() const { return pernaEsq; }

private:
    Braco bracoDir;
    Braco bracoEsq;
    Perna pernaDir;
    Perna pernaEsq;
    Cabeca cabeca;
    Tronco tronco;
};

// The one body, built before main.
extern Corpo corpo;

// Hands the mirror of j to the body (the trunk keeps it only inside its range).
void aplica(Junta j);
// A joint step: the mirror moves by amount, computed in double, then goes to the body.
void passo(Junta j, double quanto);
// A joint set to v, then handed to the body.
void fixa(Junta j, float v);

}  // namespace gymnast
