#pragma once
// A leg: thigh, shin and foot chained at knee and ankle; the foot stands at a
// fixed right angle to the shin. Points into itself, so it is never copied.

#include "osso.h"

namespace gymnast {

class Perna {
public:
    Perna(float comprimento, float largura);
    Perna(const Perna&) = delete;
    Perna& operator=(const Perna&) = delete;

    void setCurvatura(float c);  // no check: the trunk filters the knee bend
    float getCurvatura() const { return curvatura; }
    void desenha();

    const Osso& getCoxa() const { return coxa; }
    const Osso& getCanela() const { return canela; }
    const Osso& getPe() const { return pe; }

private:
    Osso coxa;
    Osso canela;
    Osso pe;
    float curvatura = 0;
};

}  // namespace gymnast
