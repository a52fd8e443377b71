#pragma once
// The trunk: chest and belly, the pivot of the whole figure. It keeps the
// accepted value of every joint angle and draws head, arms and legs at their
// attachment points. The links are non-owning and may be null.

#include "braco.h"
#include "cabeca.h"
#include "perna.h"

namespace gymnast {

class Tronco {
public:
    Tronco(float altura, float largura);

    void setPescoco(Cabeca* c, float a);
    void setBracoDir(Braco* b, float a);
    void setBracoEsq(Braco* b, float a);
    void setPernaDir(Perna* p, float a);
    void setPernaEsq(Perna* p, float a);

    // Values outside a joint's range are ignored; the field keeps its value.
    void setAngCabeca(float a);       // -15 < a < 45
    void setAngBracoDir(float a);     // any
    void setAngBracoDirAb(float a);   // 0 <= a < 180
    void setAngBracoDirExt(float a);  // any; the arm filters it again
    void setAngBracoEsq(float a);
    void setAngBracoEsqAb(float a);
    void setAngBracoEsqExt(float a);
    void setAngPernaDir(float a);     // any
    void setAngPernaDirAb(float a);   // -5 <= a < 60
    void setAngPernaDirExt(float a);  // 0 <= a < 135
    void setAngPernaEsq(float a);
    void setAngPernaEsqAb(float a);
    void setAngPernaEsqExt(float a);

    void desenha();

    float getAngCabeca() const { return angCabeca; }
    float getAngBracoDir() const { return angBracoDir; }
    float getAngBracoDirAb() const { return angBracoDirAb; }
    float getAngBracoDirExt() const { return angBracoDirExt; }
    float getAngBracoEsq() const { return angBracoEsq; }
    float getAngBracoEsqAb() const { return angBracoEsqAb; }
    float getAngBracoEsqExt() const { return angBracoEsqExt; }
    float getAngPernaDir() const { return angPernaDir; }
    float getAngPernaDirAb() const { return angPernaDirAb; }
    float getAngPernaDirExt() const { return angPernaDirExt; }
    float getAngPernaEsq() const { return angPernaEsq; }
    float getAngPernaEsqAb() const { return angPernaEsqAb; }
    float getAngPernaEsqExt() const { return angPernaEsqExt; }

private:
    float largura;
    float altura;
    float angulo = 0;  // the angle handed to the last link setter; drawing ignores it
    float angCabeca = 0;
    float angBracoDir = 0;
    float angBracoDirAb = 0;
    float angBracoDirExt = 0;
    float angBracoEsq = 0;
    float angBracoEsqAb = 0;
    float angBracoEsqExt = 0;
    float angPernaDir = 0;
    float angPernaDirAb = 0;
    float angPernaDirExt = 0;
    float angPernaEsq = 0;
    float angPernaEsqAb = 0;
    float angPernaEsqExt = 0;
    Cabeca* pescoco = nullptr;
    Braco* bracoDir = nullptr;
    Braco* bracoEsq = nullptr;
    Perna* pernaDir = nullptr;
    Perna* pernaEsq = nullptr;
};

}  // namespace gymnast
