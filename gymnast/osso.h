#pragma once
// A bone: a box hanging from a joint sphere, optionally followed by one
// chained bone at its lower end. Its own frame has the joint at the origin
// and the bone along -y.

namespace gymnast {

class Osso {
public:
    Osso(float comprimento, float largura);

    void setConexcao(Osso* osso, float angulo);
    void setAngulo(float angulo);
    void desenha();

    float getLargura() const { return largura; }
    float getComprimento() const { return comprimento; }
    float getAngulo() const { return angulo; }
    const Osso* getConexcao() const { return conexcao; }

private:
    float largura;
    float comprimento;
    float angulo = 0;  // the body sets it through setConexcao; 0 keeps a lone bone defined
    Osso* conexcao;
};

}  // namespace gymnast
