#pragma once
// An arm: upper arm and forearm chained at the elbow.
// Points into itself, so an instance is never copied or moved.

#include "osso.h"

namespace gymnast {

class Braco {
public:
    Braco(float comprimento, float largura);
    Braco(const Braco&) = delete;
    Braco& operator=(const Braco&) = delete;

    // Takes c only when -135 < c < 0: once bent, the elbow never gets back to
    // exactly straight, and a refused value keeps the last bend.
    void setCurvatura(float c);
    float getCurvatura() const { return curvatura; }
    void desenha();

    const Osso& getBraco() const { return braco; }
    const Osso& getAntebraco() const { return antebraco; }

private:
    Osso braco;
    Osso antebraco;
    float curvatura = 0;
};

}  // namespace gymnast
