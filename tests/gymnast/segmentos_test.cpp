// The segments draw exactly their call sequences, keep their
// accepted ranges, and mirror the right side from the left.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "corpo.h"
#include "estado.h"
#include "traco.h"

namespace {

using namespace gymnast;
using gymnast_test::traco;
using Passos = std::vector<std::string>;

class GymnastSegmentos : public ::testing::Test {
protected:
    void SetUp() override { gymnast_test::zera(); }
};

const std::string kPele = "cor(1,0.721,0.513)";
const std::string kRoxo = "cor(0.5,0,0.5)";
const std::string kBranco = "cor(1,1,1)";

TEST_F(GymnastSegmentos, OssoAloneDrawsBoxAndJointSphereOnly) {
    Osso osso(3, 1);
    osso.desenha();
    EXPECT_EQ(traco(), (Passos{"push", "T(0,-1.5,0)", "push", kPele, "S(1,3,1)", "cubo(1)", "pop", "T(0,1.5,0)",
                               "esfera(0.7,8,8)", kBranco, "T(0,-3,0)", "pop"}));
}

TEST_F(GymnastSegmentos, OssoDrawsItsChainedBoneTurnedAtTheLowerEnd) {
    Osso coxa(2, 0.5f);
    Osso canela(4, 1);
    coxa.setConexcao(&canela, 30);
    coxa.desenha();
    EXPECT_EQ(traco(), (Passos{"push", "T(0,-1,0)", "push", kPele, "S(0.5,2,0.5)", "cubo(0.5)", "pop", "T(0,1,0)",
                               "esfera(0.35,8,8)", kBranco, "T(0,-2,0)", "R(30,1,0,0)",
                               // the chained bone
                               "push", "T(0,-2,0)", "push", kPele, "S(1,4,1)", "cubo(1)", "pop", "T(0,2,0)",
                               "esfera(0.7,8,8)", kBranco, "T(0,-4,0)", "pop",
                               // back in the first bone
                               "pop"}));
}

TEST_F(GymnastSegmentos, CabecaDrawsNeckBoxAndHeadSphereTwoLengthsUp) {
    Cabeca cabeca(1, 1);
    cabeca.desenha();
    EXPECT_EQ(traco(), (Passos{"push", "T(0,0.5,0)", "push", "S(1,2,1)", kPele, "cubo(1)", "pop", "T(0,1.5,0)",
                               "esfera(1.5,8,8)", kBranco, "pop"}));
}

TEST_F(GymnastSegmentos, TroncoWithoutLinksDrawsChestAndBellyAndEmptyAttachments) {
    angTronco = 10;
    Tronco tronco(4, 2);
    tronco.desenha();
    EXPECT_EQ(traco(), (Passos{"push", "T(0,2,0)", "R(10,1,0,0)",
                               // chest
                               "push", "S(2,2.857,0.9091)", "T(0,0.4,0)", kRoxo, "cubo(2)", kBranco, "pop",
                               // belly
                               "push", "S(2,4,0.9524)", kRoxo, "esfera(1,7,3)", kBranco, "pop",
                               // head, right arm, left arm, left leg, right leg
                               "push", "T(0,4,0)", "pop", "push", "T(-2.4,3.333,0)", "pop", "push",
                               "T(2.4,3.333,0)", "pop", "push", "T(1.2,-2.353,0)", "pop", "push",
                               "T(-1.2,-2.353,0)", "pop", "pop"}));
}

TEST_F(GymnastSegmentos, BracoHandsItsBendToTheElbowAndTheLegItsKneeToTheShin) {
    Braco braco(3, 1);
    braco.setCurvatura(-40);
    braco.desenha();
    const Passos b = traco();
    ASSERT_EQ(b.size(), 25u);
    EXPECT_EQ(b[11], "R(-40,1,0,0)");  // the elbow, after the upper arm's own steps
    EXPECT_EQ(b[4], "S(1,2.4,1)");
    EXPECT_EQ(b[16], "S(1,3,1)");

    glrec::recorder().reset();
    Perna perna(3, 1.1f);
    perna.setCurvatura(50);
    perna.desenha();
    const Passos p = traco();
    ASSERT_EQ(p.size(), 38u);
    EXPECT_EQ(p[11], "R(50,1,0,0)");   // knee
    EXPECT_EQ(p[4], "S(1.1,3.9,1.1)");  // thigh
    EXPECT_EQ(p[16], "S(0.99,3.45,0.99)");
    EXPECT_EQ(p[23], "R(-90,1,0,0)");   // the foot at a right angle to the shin
    EXPECT_EQ(p[28], "S(0.88,1.8,0.88)");
}

// Every desenha leaves the matrix stack and the colour as it found them.
TEST_F(GymnastSegmentos, EveryDesenhaBalancesTheStackAndLeavesWhite) {
    auto& rec = glrec::recorder();
    fixa(Junta::BracoDirAb, 40);
    fixa(Junta::PernaEsqExt, 60);
    angTronco = 25;
    Osso osso(2, 1);
    Cabeca cabeca(1, 1);
    Braco braco(3, 1);
    Perna perna(3, 1);
    Tronco tronco(4, 2);
    const std::vector<std::pair<const char*, std::function<void()>>> desenhos = {
        {"Osso", [&] { osso.desenha(); }},   {"Cabeca", [&] { cabeca.desenha(); }},
        {"Braco", [&] { braco.desenha(); }}, {"Perna", [&] { perna.desenha(); }},
        {"Tronco", [&] { tronco.desenha(); }}, {"Corpo", [&] { corpo.desenha(); }},
    };
    for (const auto& [nome, desenha] : desenhos) {
        rec.reset();
        glColor3f(0.2f, 0.3f, 0.4f);
        glPushMatrix();
        const std::size_t depth = rec.modelview_depth();
        desenha();
        EXPECT_EQ(rec.modelview_depth(), depth) << nome;
        EXPECT_EQ(rec.current_color(), (glrec::Vec4{1, 1, 1, 1})) << nome;
        EXPECT_GT(rec.solids().size(), 1u) << nome;
    }
}

// ---------------------------------------------------------------- the whole figure

glrec::Vec3 centro(const glrec::Solid& s) { return s.center(); }

// Joint spheres of the figure, in drawing order: 2 trunk solids come first,
// then head (cube, sphere), right arm (2 bones), left arm, left leg (3), right leg (3).
std::vector<glrec::Vec3> esferas() {
    std::vector<glrec::Vec3> out;
    for (const glrec::Solid& s : glrec::recorder().solids())
        if (s.kind == "glutSolidSphere") out.push_back(centro(s));
    return out;
}

TEST_F(GymnastSegmentos, RightSideMirrorsTheLeft) {
    fixa(Junta::BracoDirAb, 35);
    fixa(Junta::BracoEsqAb, 35);
    fixa(Junta::BracoDir, -20);
    fixa(Junta::BracoEsq, -20);
    fixa(Junta::PernaDirAb, 15);
    fixa(Junta::PernaEsqAb, 15);
    corpo.desenha();
    // belly, head, right arm x2, left arm x2, left leg x3, right leg x3
    const auto e = esferas();
    ASSERT_EQ(e.size(), 12u);
    const std::pair<int, int> pares[] = {{2, 4}, {3, 5}, {9, 6}, {10, 7}, {11, 8}};
    for (auto [dir, esq] : pares) {
        EXPECT_TRUE(glrec::near(e[dir], {-e[esq].x, e[esq].y, e[esq].z})) << dir << " vs " << esq;
        EXPECT_LT(e[dir].x, 0) << dir;  // the right side stands at -x
    }
    // A positive abduction raises each arm outwards: the elbow is farther out than the shoulder.
    EXPECT_LT(e[3].x, e[2].x);
    EXPECT_GT(e[5].x, e[4].x);
    // The body's shoulder and hip places: pivot 2 above the origin.
    EXPECT_TRUE(glrec::near(e[2], {-2.4f, 2 + 4 / 1.2f, 0}, 1e-3f));
    EXPECT_TRUE(glrec::near(e[6], {1.2f, 2 - 4 / 1.7f, 0}, 1e-3f));
}

TEST_F(GymnastSegmentos, LegsPointAgainstTheSceneWhateverTheTrunkPitch) {
    angTronco = 70;
    corpo.desenha();
    const auto e = esferas();
    ASSERT_EQ(e.size(), 12u);
    // Hip to knee of the left leg runs straight down, 3.9 long.
    EXPECT_NEAR(e[7].x - e[6].x, 0, 1e-4);
    EXPECT_NEAR(e[7].z - e[6].z, 0, 1e-4);
    EXPECT_NEAR(e[7].y - e[6].y, -3.9, 1e-4);
    // ... while the head tips forwards with the trunk.
    EXPECT_GT(e[1].z, 1);
}

TEST_F(GymnastSegmentos, BodyOffsetMovesTheWholeFigure) {
    posGin = 1;
    altGin = 2;
    profuGin = -3;
    corpo.desenha();
    const auto e = esferas();
    EXPECT_TRUE(glrec::near(e[0], {1, 4, -3}));  // the belly at the pivot
}

// ---------------------------------------------------------------- accepted ranges

struct Caso {
    void (Tronco::*set)(float);
    float (Tronco::*get)() const;
    float valor;
    bool aceito;
};

TEST_F(GymnastSegmentos, TroncoKeepsOnlyValuesInsideEachJointRange) {
    const float nan = std::nan("");
    const Caso casos[] = {
        {&Tronco::setAngCabeca, &Tronco::getAngCabeca, 45, false},
        {&Tronco::setAngCabeca, &Tronco::getAngCabeca, -15, false},
        {&Tronco::setAngCabeca, &Tronco::getAngCabeca, 44.9f, true},
        {&Tronco::setAngCabeca, &Tronco::getAngCabeca, -14.9f, true},
        {&Tronco::setAngBracoDirAb, &Tronco::getAngBracoDirAb, 0, true},
        {&Tronco::setAngBracoDirAb, &Tronco::getAngBracoDirAb, 180, false},
        {&Tronco::setAngBracoDirAb, &Tronco::getAngBracoDirAb, -0.1f, false},
        {&Tronco::setAngBracoEsqAb, &Tronco::getAngBracoEsqAb, 179.9f, true},
        {&Tronco::setAngBracoEsqAb, &Tronco::getAngBracoEsqAb, 180, false},
        {&Tronco::setAngPernaDirAb, &Tronco::getAngPernaDirAb, -5, true},
        {&Tronco::setAngPernaDirAb, &Tronco::getAngPernaDirAb, 60, false},
        {&Tronco::setAngPernaEsqAb, &Tronco::getAngPernaEsqAb, -5.1f, false},
        {&Tronco::setAngPernaDirExt, &Tronco::getAngPernaDirExt, 0, true},
        {&Tronco::setAngPernaDirExt, &Tronco::getAngPernaDirExt, 135, false},
        {&Tronco::setAngPernaEsqExt, &Tronco::getAngPernaEsqExt, 134.9f, true},
        {&Tronco::setAngPernaEsqExt, &Tronco::getAngPernaEsqExt, -0.1f, false},
        {&Tronco::setAngCabeca, &Tronco::getAngCabeca, nan, false},
        {&Tronco::setAngBracoDirAb, &Tronco::getAngBracoDirAb, nan, false},
        {&Tronco::setAngPernaEsqAb, &Tronco::getAngPernaEsqAb, nan, false},
        {&Tronco::setAngPernaDirExt, &Tronco::getAngPernaDirExt, nan, false},
        // no range
        {&Tronco::setAngBracoDir, &Tronco::getAngBracoDir, -720, true},
        {&Tronco::setAngPernaEsq, &Tronco::getAngPernaEsq, 400, true},
        {&Tronco::setAngBracoDirExt, &Tronco::getAngBracoDirExt, 30, true},
    };
    for (const Caso& c : casos) {
        Tronco tronco(4, 2);
        (tronco.*c.set)(7);  // an earlier accepted value, inside every range
        (tronco.*c.set)(c.valor);
        EXPECT_EQ((tronco.*c.get)(), c.aceito ? c.valor : 7) << c.valor;
    }
}

TEST_F(GymnastSegmentos, ElbowRefusesStraightAndBeyond135KneeTakesAnything) {
    Braco braco(3, 1);
    for (float ok : {-134.9f, -0.1f, -60.0f}) {
        braco.setCurvatura(ok);
        EXPECT_EQ(braco.getCurvatura(), ok);
    }
    for (float recusado : {0.0f, -135.0f, 10.0f, -200.0f}) {
        braco.setCurvatura(recusado);
        EXPECT_EQ(braco.getCurvatura(), -60) << recusado;  // the last bend stays
    }
    Perna perna(3, 1.1f);
    for (float v : {200.0f, -30.0f, 135.0f}) {
        perna.setCurvatura(v);
        EXPECT_EQ(perna.getCurvatura(), v);
    }
}

// ---------------------------------------------------------------- Corpo

TEST_F(GymnastSegmentos, MirrorAndAcceptedValueDriftApartAndMeetAgain) {
    fixa(Junta::Cabeca, 40);
    fixa(Junta::Cabeca, 46);
    EXPECT_EQ(angCabeca, 46);
    EXPECT_EQ(corpo.getTronco().getAngCabeca(), 40);
    passo(Junta::Cabeca, -2);
    EXPECT_EQ(corpo.getTronco().getAngCabeca(), 44);
}

TEST_F(GymnastSegmentos, PoseAndCameraResetsDrawAFrameEachAndLeaveSwitchesAndMula) {
    fixa(Junta::PernaDir, 33);
    fixa(Junta::BracoEsqExt, -50);
    corpo.desenha();  // the arm takes the bend
    angTronco = 12;
    altGin = posGin = profuGin = 3;
    angX = angY = angZ = 9;
    zoom = 5;
    changeX = changeY = 1;
    mula = 1;
    corpo.original(false, gymnast_test::ritmo);
    EXPECT_EQ(gymnast_test::quadros, 1);
    EXPECT_EQ(angX, 9);  // the camera is not touched
    corpo.original(true, gymnast_test::ritmo);
    EXPECT_EQ(gymnast_test::quadros, 2);
    for (int j = 0; j < kJuntas; ++j) EXPECT_EQ(espelho(static_cast<Junta>(j)), 0) << j;
    EXPECT_EQ(corpo.getTronco().getAngPernaDir(), 0);
    EXPECT_EQ(corpo.getTronco().getAngBracoEsqExt(), 0);
    EXPECT_EQ(corpo.getBracoEsq().getCurvatura(), -50);  // the elbow refuses 0
    for (float v : {angTronco, altGin, posGin, profuGin, angX, angY, angZ, zoom}) EXPECT_EQ(v, 0);
    EXPECT_EQ(changeX, 1);
    EXPECT_EQ(changeY, 1);
    EXPECT_EQ(changeZ, 0);
    EXPECT_EQ(mula, 1);
}

TEST_F(GymnastSegmentos, MovecameraAddsAnglesAndSetsTheSwitches) {
    changeY = changeZ = 1;
    angX = 3;
    corpo.movecamera(0, 0, 0, 1, 0, 0);
    EXPECT_EQ(angX, 3);
    EXPECT_EQ(changeX, 1);
    EXPECT_EQ(changeY, 0);
    EXPECT_EQ(changeZ, 0);
    corpo.movecamera(1.5f, -2, 0.25f, 0, 1, 1);
    EXPECT_EQ(angX, 4.5f);
    EXPECT_EQ(angY, -2);
    EXPECT_EQ(angZ, 0.25f);
    EXPECT_EQ(changeX, 0);
    EXPECT_EQ(changeZ, 1);
}

}  // namespace
