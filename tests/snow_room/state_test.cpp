// Keys, door, fan and snowfall as plain state, stepped directly.
#include "state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace snow_room {
namespace {

class SnowRoomState : public ::testing::Test {
protected:
    void SetUp() override { reset_state(); }
    void TearDown() override { reset_state(); }
    static void press(unsigned char key, int times = 1) {
        for (int i = 0; i < times; ++i) aplica_tecla(key);
    }
    static void door_steps(int n) {
        for (int i = 0; i < n; ++i) avanca_porta();
    }
    static void fan_steps(int n) {
        for (int i = 0; i < n; ++i) avanca_ventilador();
    }
};

// ---------------------------------------------------------------- keys

TEST_F(SnowRoomState, TurnKeysKeepTheTruncatedRemainder) {
    struct Axis {
        unsigned char up, down;
        int* angle;
    };
    for (const Axis& axis : {Axis{'x', 'X', &angx}, Axis{'y', 'Y', &angy}, Axis{'z', 'Z', &angz}}) {
        SCOPED_TRACE(axis.up);
        press(axis.down);
        EXPECT_EQ(*axis.angle, 355);
        *axis.angle = 0;
        press(axis.down);
        EXPECT_EQ(*axis.angle, -5);
        *axis.angle = -355;
        press(axis.down);
        EXPECT_EQ(*axis.angle, 0);  // -360 rem 360
        *axis.angle = 355;
        press(axis.up);
        EXPECT_EQ(*axis.angle, 0);
    }
}

TEST_F(SnowRoomState, ShiftKeysCountThroughZeroAndWrapAt359) {
    press('6');
    EXPECT_EQ(xs, 0);
    press('6');
    EXPECT_EQ(xs, -1);
    xs = -359;
    press('6');
    EXPECT_EQ(xs, 0);
    xs = 359;
    press('4');
    EXPECT_EQ(xs, 0);

    press('8');
    EXPECT_EQ(zs, 2);
    press('5', 3);
    EXPECT_EQ(zs, -1);
    press('1');
    EXPECT_EQ(ys, 2);
    press('3', 2);
    EXPECT_EQ(ys, 0);
}

TEST_F(SnowRoomState, SnowSpeedGoesDownFiveTimesAndUpWithoutLimit) {
    press('U', 4);
    EXPECT_GT(double{VelocidadeNeve}, 0.005);
    press('U');
    const float lowest = VelocidadeNeve;
    EXPECT_LE(double{lowest}, 0.005);
    EXPECT_NEAR(lowest, 0.005, 1e-6);
    press('U', 10);
    EXPECT_EQ(VelocidadeNeve, lowest);

    reset_state();
    press('u', 1000);
    EXPECT_NEAR(VelocidadeNeve, 1.01, 1e-4);
}

TEST_F(SnowRoomState, FanSpeedKeysPassThroughZeroWithoutBounds) {
    press('-', 2);
    EXPECT_EQ(VelocidadeVento, 0);
    press('-');
    EXPECT_EQ(VelocidadeVento, -1);
    press('+', 3);
    EXPECT_EQ(VelocidadeVento, 2);
}

TEST_F(SnowRoomState, KeysAreCaseSensitiveAndOthersDoNothing) {
    press('p');
    EXPECT_TRUE(abre);
    EXPECT_FALSE(fecha);
    press('P');
    EXPECT_FALSE(abre);
    EXPECT_TRUE(fecha);
    press('v');
    EXPECT_TRUE(roda_vent);
    press('V');
    EXPECT_FALSE(roda_vent);

    reset_state();
    for (unsigned char key : {'q', 'a', 'l', 'L', '0', '2', '7', '9', ' '}) EXPECT_FALSE(aplica_tecla(key)) << key;
    EXPECT_EQ(angx, 360);
    EXPECT_EQ(xs, 1);
    EXPECT_EQ(porta, 360);
    EXPECT_FALSE(abre || fecha || roda_vent);
}

// ---------------------------------------------------------------- door

TEST_F(SnowRoomState, DoorOpensInEightyStepsAndRestsOpen) {
    press('p');
    door_steps(79);
    EXPECT_EQ(porta, 281);
    door_steps(1);
    EXPECT_EQ(porta, 280);
    door_steps(100);
    press('p');
    door_steps(10);
    EXPECT_EQ(porta, 280);
}

TEST_F(SnowRoomState, ClosingAShutDoorMovesNothing) {
    press('P');
    door_steps(100);
    EXPECT_EQ(porta, 360);
}

TEST_F(SnowRoomState, DoorReversedHalfwayEndsShutAfterOneStepAtZero) {
    press('p');
    door_steps(40);
    ASSERT_EQ(porta, 320);
    press('P');
    door_steps(1);
    EXPECT_EQ(porta, 321);  // turns back at once
    door_steps(38);
    EXPECT_EQ(porta, 359);
    door_steps(1);
    EXPECT_EQ(porta, 0);
    door_steps(1);
    EXPECT_EQ(porta, 360);
    door_steps(50);
    EXPECT_EQ(porta, 360);
}

TEST_F(SnowRoomState, OpeningAtTheStepAtZeroWaitsForClose) {
    porta = 359;
    press('P');
    door_steps(1);
    ASSERT_EQ(porta, 0);
    press('p');  // the opening rule needs more than 280
    door_steps(20);
    EXPECT_EQ(porta, 0);
    press('P');
    door_steps(1);
    EXPECT_EQ(porta, 360);
    press('p');
    door_steps(1);
    EXPECT_EQ(porta, 359);
}

// ---------------------------------------------------------------- fan

TEST_F(SnowRoomState, FanTurnsBySpeedEveryStepOnlyWhileRunning) {
    fan_steps(10);
    EXPECT_EQ(vent, 0);
    press('v');
    fan_steps(179);
    EXPECT_EQ(vent, 358);
    fan_steps(1);
    EXPECT_EQ(vent, 0);
    fan_steps(5);
    press('V');
    fan_steps(30);
    EXPECT_EQ(vent, 10);
    press('v');
    fan_steps(1);
    EXPECT_EQ(vent, 12);  // resumes where it stopped
}

TEST_F(SnowRoomState, FanStandsAtSpeedZeroAndTurnsBackAtMinusOne) {
    press('v');
    press('-', 2);
    fan_steps(50);
    EXPECT_EQ(vent, 0);
    press('-');
    fan_steps(5);
    EXPECT_EQ(vent, -5);
    fan_steps(355);
    EXPECT_EQ(vent, 0);  // -360 rem 360
}

// ---------------------------------------------------------------- snowfall

// A second whose first number after seeding is even (drift +) or odd (drift -).
std::time_t second_with_parity(int parity) {
    for (std::time_t t = 1000;; ++t) {
        std::srand(static_cast<unsigned>(t));
        if (std::rand() % 2 == parity) return t;
    }
}

class SnowRoomSnow : public SnowRoomState {
protected:
    void SetUp() override {
        SnowRoomState::SetUp();
        second = second_with_parity(0);
    }
    void snow_steps(int n) const {
        for (int i = 0; i < n; ++i) avanca_neve(second);
    }
    std::time_t second = 0;
};

TEST_F(SnowRoomSnow, FirstFlakeReachesTheGroundAfter900StepsAndRestartsAt901) {
    snow_steps(899);
    EXPECT_GE(Posy[0], -8);
    snow_steps(1);
    EXPECT_LT(Posy[0], -8);
    EXPECT_GT(Posy[0], -8.01);
    const float x = Posx[0];
    snow_steps(1);
    EXPECT_EQ(Posy[0], 0 - 0.01f);  // restarted, then stepped: never at 0 itself
    EXPECT_NEAR(Posx[0], x + 0.0015, 1e-6);  // keeps its drift, not its start x
}

TEST_F(SnowRoomSnow, GroundTestComesBeforeTheStep) {
    Posy[0] = -8;  // on the ground, not below it
    Posy[1] = -8.001f;
    snow_steps(1);
    EXPECT_EQ(Posy[0], -8 - 0.01f);
    EXPECT_EQ(Posy[1], -0.01f);
}

TEST_F(SnowRoomSnow, SpeedAboveEightKeepsAFlakeOneStepBelowTheTop) {
    VelocidadeNeve = 8.5f;
    Posy[0] = 0;
    for (int i = 0; i < 4; ++i) {
        snow_steps(1);
        EXPECT_EQ(Posy[0], -8.5f) << i;
    }
}

TEST_F(SnowRoomSnow, EveryFlakeDriftsTheSameWayWithinOneSecond) {
    for (int parity : {0, 1}) {
        SCOPED_TRACE(parity);
        reset_state();
        second = second_with_parity(parity);
        float before[kFlakes];
        std::copy(Posx, Posx + kFlakes, before);
        snow_steps(1);
        // Seeding once per step instead of per flake would scatter the directions.
        const double drift = parity == 0 ? 0.0015 : -0.0015;
        for (int i = 0; i < kFlakes; ++i) EXPECT_NEAR(Posx[i] - before[i], drift, 1e-6) << "flake " << i;
    }
}

}  // namespace
}  // namespace snow_room
