#pragma once
// The head: a neck box with the head sphere on top. Its pitch lives in the trunk.

namespace gymnast {

class Cabeca {
public:
    Cabeca(float comprimento, float largura);
    void desenha();

private:
    float largura;
    float comprimento;  // neck length
};

}  // namespace gymnast
