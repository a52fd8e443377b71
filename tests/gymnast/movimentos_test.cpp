// The movements end in the states their stages add up to, draw the frames
// they should and pause as long as the routine says.
#include <gtest/gtest.h>

#include <vector>

#include "corpo.h"
#include "estado.h"
#include "traco.h"

namespace {

using namespace gymnast;
using gymnast_test::quadros;

class GymnastMovimentos : public ::testing::Test {
protected:
    void SetUp() override { gymnast_test::zera(); }

    // Somewhere far from rest, the way a user leaves the figure before a movement.
    void bagunca() {
        for (int j = 0; j < kJuntas; ++j) passo(static_cast<Junta>(j), 17 + j);
        corpo.desenha();
        angTronco = 33;
        altGin = 1;
        posGin = -2;
        profuGin = 4;
        angX = 50;
        angY = -70;
        angZ = 20;
        zoom = 12;
        changeZ = 1;
        glrec::recorder().reset();
    }

    const Tronco& tronco() const { return corpo.getTronco(); }
};

// What a somersault leaves, whichever way it turned.
void esperaFimDoMortal() {
    EXPECT_EQ(angBracoDirAb, 90);
    EXPECT_EQ(angBracoEsqAb, 90);
    for (float v : {angBracoDir, angBracoDirExt, angBracoEsq, angBracoEsqExt, angCabeca}) EXPECT_EQ(v, 0);
    EXPECT_NEAR(angPernaEsqExt, 1.8, 1e-3);
    EXPECT_NEAR(angPernaDirExt, 1.8, 1e-3);
    EXPECT_EQ(angPernaEsqAb, 0);
    EXPECT_EQ(angPernaDirAb, 0);
    EXPECT_NEAR(altGin, 0.147, 1e-3);
    EXPECT_EQ(posGin, 0);
    EXPECT_NEAR(profuGin, -0.675, 1e-4);
    EXPECT_NEAR(angX, -11.25, 1e-4);
    EXPECT_NEAR(angY, 360, 1e-4);
    EXPECT_EQ(angZ, 0);
    EXPECT_EQ(zoom, 0);
    EXPECT_EQ(changeX, 1);
    EXPECT_EQ(changeY, 1);
    EXPECT_EQ(changeZ, 0);
    EXPECT_EQ(corpo.getTronco().getAngBracoDirAb(), 90);
    EXPECT_EQ(corpo.getTronco().getAngCabeca(), 0);
}

TEST_F(GymnastMovimentos, BackwardSomersaultDraws249FramesAndEndsArmsOutTurnedOnce) {
    bagunca();
    corpo.mortal(1, gymnast_test::ritmo);
    EXPECT_EQ(quadros, 249);
    esperaFimDoMortal();
    EXPECT_NEAR(angTronco, -359.75, 1e-3);
    EXPECT_NEAR(angPernaEsq, -361.4, 1e-3);
    EXPECT_NEAR(angPernaDir, -361.4, 1e-3);
    EXPECT_EQ(mula, 0);
}

TEST_F(GymnastMovimentos, ForwardSomersaultTurnsTheOtherWay) {
    bagunca();
    corpo.mortal(2, gymnast_test::ritmo);
    EXPECT_EQ(quadros, 249);
    esperaFimDoMortal();
    EXPECT_NEAR(angTronco, 359.75, 1e-3);
    EXPECT_NEAR(angPernaEsq, 358.6, 1e-3);
    EXPECT_NEAR(angPernaDir, 358.6, 1e-3);
}

TEST_F(GymnastMovimentos, ElbowsKeepTheirLastBendWhenTheTurnZeroesThem) {
    corpo.mortal(1, gymnast_test::ritmo);
    // Bent to -90 in the crouch, -46 after the jump, -1 after 18 frames of the turn.
    EXPECT_NEAR(corpo.getBracoEsq().getCurvatura(), -1, 1e-4);
    EXPECT_NEAR(corpo.getBracoDir().getCurvatura(), -1, 1e-4);
    EXPECT_EQ(corpo.getTronco().getAngBracoEsqExt(), 0);
}

TEST_F(GymnastMovimentos, JumpEndsWithTheHeadStraight) {
    corpo.agacha(2, gymnast_test::ritmo);
    EXPECT_NEAR(angCabeca, -18, 1e-4);
    corpo.salta(2, gymnast_test::ritmo);
    EXPECT_EQ(angCabeca, 0);
    EXPECT_EQ(corpo.getTronco().getAngCabeca(), 0);
    EXPECT_EQ(quadros, 45 + 22);
}

TEST_F(GymnastMovimentos, CrouchStartsFromTheGroundAndSinks) {
    altGin = 5;
    corpo.agacha(1, gymnast_test::ritmo);
    EXPECT_NEAR(altGin, -(34 * 0.03 + 14 * 0.047), 1e-4);
    EXPECT_NEAR(angX, 45, 1e-4);
    EXPECT_EQ(changeX, 1);
    EXPECT_EQ(changeY, 0);
}

TEST_F(GymnastMovimentos, FallEndsLowWithTheRightArmPastWhatTheTrunkAccepts) {
    bagunca();
    corpo.queda(gymnast_test::ritmo);
    EXPECT_EQ(quadros, 249);
    EXPECT_NEAR(angBracoDirAb, 182.28, 0.01);
    EXPECT_NEAR(tronco().getAngBracoDirAb(), 177.75, 0.01);  // 180 and above are refused
    EXPECT_NEAR(angBracoEsqAb, 142.4, 0.01);
    EXPECT_NEAR(angCabeca, 30, 1e-4);
    EXPECT_NEAR(angTronco, -441.95, 0.01);
    EXPECT_NEAR(altGin, -8.97, 0.01);
    EXPECT_NEAR(angPernaEsqExt, 10.83, 0.01);
    EXPECT_NEAR(angPernaDirExt, 40.83, 0.01);
    EXPECT_NEAR(angPernaEsqAb, 10.5, 1e-3);
    EXPECT_NEAR(angPernaDirAb, 15.75, 1e-3);
    EXPECT_NEAR(angX, -18, 1e-3);
    EXPECT_NEAR(angY, 180, 1e-3);
    EXPECT_EQ(changeX, 1);
    EXPECT_EQ(changeY, 1);
}

// Mirror and accepted abduction of the right arm after each frame.
struct Aceno {
    float espelho, aceito;
};
struct Acenos : Ritmo {
    std::vector<Aceno> vistos;
    void quadro() override { vistos.push_back({angBracoDirAb, corpo.getTronco().getAngBracoDirAb()}); }
    void espera(double) override {}
};

TEST_F(GymnastMovimentos, WaveFromZeroHoldsTheArmWhileTheMirrorIsBelowZero) {
    Acenos r;
    corpo.tchau(r);
    const std::vector<Aceno>& acenos = r.vistos;
    ASSERT_EQ(acenos.size(), 180u);
    EXPECT_NEAR(acenos[19].espelho, -60, 1e-4);
    EXPECT_NEAR(angBracoDirAb, -40, 1e-4);
    float segura = 0;
    int abaixo = 0;
    for (const Aceno& a : acenos) {
        if (a.espelho >= 0) segura = a.espelho;
        else ++abaixo;
        EXPECT_EQ(a.aceito, segura);
    }
    EXPECT_GT(abaixo, 150);
    EXPECT_EQ(changeX, 0);  // no camera step
}

TEST_F(GymnastMovimentos, WaveFromTheSideDropsSixtyThenSwingsFourTimes) {
    fixa(Junta::BracoDirAb, 90);
    Acenos r;
    corpo.tchau(r);
    const std::vector<Aceno>& acenos = r.vistos;
    ASSERT_EQ(acenos.size(), 180u);
    EXPECT_NEAR(acenos[19].aceito, 30, 1e-4);
    EXPECT_NEAR(acenos[40].aceito, 82.5, 1e-4);  // up again
    EXPECT_NEAR(acenos[59].aceito, 35, 1e-4);    // down
    EXPECT_NEAR(acenos[179].aceito, 50, 1e-4);
    EXPECT_EQ(angBracoEsqAb, 0);          // only the right arm
}

TEST_F(GymnastMovimentos, RoutineDraws1413FramesPausesInProportionAndEndsFarOut) {
    bagunca();
    corpo.animacao(gymnast_test::ritmo);
    EXPECT_EQ(quadros, 1413);
    EXPECT_EQ(gymnast_test::pausas, (std::vector<double>{0.01, 1, 0.1, 1, 0.1, 0.1}));
    EXPECT_EQ(mula, 1);
    EXPECT_NEAR(zoom, 80.7, 1e-3);
    EXPECT_EQ(changeX, 1);
    EXPECT_EQ(changeY, 0);
    // The fall left angX at -18; the flight adds 108 and winds it back.
    EXPECT_NEAR(angX, -18, 1e-3);
    EXPECT_NEAR(angY, 360, 1e-3);  // 180 from the fall, 180 from the flight
}

}  // namespace
