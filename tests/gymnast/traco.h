#pragma once
// Test helpers: the recorded calls as short readable steps, and a clean state.

#include <cstdio>
#include <string>
#include <vector>

#include "cena.h"
#include "corpo.h"
#include "estado.h"
#include "gl_recorder.h"
#include "ritmo.h"

namespace gymnast_test {

// "push", "pop", "T(0,-1.5,0)", "R(30,1,0,0)", "S(1,3,1)", "cor(1,0.721,0.513)",
// "cubo(1)", "esfera(0.7,8,8)": the matrix, colour and solid calls only.
inline std::vector<std::string> traco() {
    std::vector<std::string> out;
    auto numeros = [](const std::vector<double>& args) {
        std::string s;
        for (std::size_t i = 0; i < args.size(); ++i) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%s%.4g", i ? "," : "", args[i]);
            s += buf;
        }
        return s;
    };
    for (const glrec::Call& c : glrec::recorder().calls()) {
        if (c.name == "glPushMatrix") out.push_back("push");
        else if (c.name == "glPopMatrix") out.push_back("pop");
        else if (c.name == "glTranslatef") out.push_back("T(" + numeros(c.args) + ")");
        else if (c.name == "glRotatef") out.push_back("R(" + numeros(c.args) + ")");
        else if (c.name == "glScalef") out.push_back("S(" + numeros(c.args) + ")");
        else if (c.name == "glColor3fv" || c.name == "glColor3f") out.push_back("cor(" + numeros(c.args) + ")");
        else if (c.name == "glutSolidCube") out.push_back("cubo(" + numeros(c.args) + ")");
        else if (c.name == "glutSolidSphere") out.push_back("esfera(" + numeros(c.args) + ")");
    }
    return out;
}

inline int quadros = 0;
inline std::vector<double> pausas;

// Each movement frame drawn as the program draws it, then forgotten; pauses
// noted, not slept.
struct Contador : gymnast::Ritmo {
    void quadro() override {
        ++quadros;
        gymnast::desenhaCena();
        glrec::recorder().clear_recording();
    }
    void espera(double segundos) override { pausas.push_back(segundos); }
};
inline Contador ritmo;

// Rest pose, camera at rest, switches off, mula 0, nothing counted yet.
inline void zera() {
    using namespace gymnast;
    corpo.original(false, ritmo);
    corpo.original(true, ritmo);
    changeX = changeY = changeZ = 0;
    mula = 0;
    quadros = 0;
    pausas.clear();
    glrec::recorder().reset();
}

}  // namespace gymnast_test
