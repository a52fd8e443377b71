// The camera and keys as plain state changes, without a window.

#include <gtest/gtest.h>

#include <cmath>

#include "state.h"

namespace {

using namespace castle_world;

void steps(State& s, int n) {
    for (int i = 0; i < n; ++i) step(s);
}

TEST(Camera, StartsOnTheFrontEdgeFacingTheCastle) {
    State s;
    const View v = camera_view(s);
    EXPECT_FLOAT_EQ(v.eye[0], 800);
    EXPECT_FLOAT_EQ(v.eye[1], 20);
    EXPECT_FLOAT_EQ(v.eye[2], 0);
    // The look offset points along +z, where everything lies; the centre is never the eye.
    EXPECT_NEAR(s.lx, 0, 1e-6);
    EXPECT_FLOAT_EQ(s.lz, 1);
    EXPECT_FLOAT_EQ(v.centre[2] - v.eye[2], 1);
}

TEST(Camera, WalksAndRunsPerStep) {
    State s;
    key_down(s, 'w');
    step(s);
    EXPECT_NEAR(s.posZ, 6.4, 1e-4);
    EXPECT_FLOAT_EQ(s.posY, 20);
    key_up(s, 'w');
    step(s);
    EXPECT_NEAR(s.posZ, 6.4, 1e-4);

    // v only counts at the next press of a walk key, and outlasts its own release.
    key_down(s, 'w');
    key_down(s, 'v');
    step(s);
    EXPECT_NEAR(s.posZ, 12.8, 1e-4);
    key_up(s, 'w');
    key_down(s, 'w');
    key_up(s, 'v');
    step(s);
    EXPECT_NEAR(s.posZ, 28.8, 1e-4);
    key_up(s, 'w');

    key_down(s, 's');
    step(s);
    EXPECT_NEAR(s.posZ, 22.4, 1e-4);
}

TEST(Camera, TurnsAndLooksWhileKeysAreHeld) {
    State s;
    key_down(s, 'd');
    steps(s, 2);
    EXPECT_NEAR(s.angle, kStartHeading + 0.32f, 1e-5);
    EXPECT_NEAR(s.lx, std::sin(kStartHeading + 0.32), 1e-5);
    key_up(s, 'd');
    step(s);
    EXPECT_NEAR(s.angle, kStartHeading + 0.32f, 1e-5);

    special_down(s, key::up);
    step(s);
    EXPECT_NEAR(s.ly, std::sin(0.16), 1e-6);
    special_up(s, key::up);
    special_down(s, 100);  // left arrow: nothing
    step(s);
    EXPECT_NEAR(s.ly, std::sin(0.16), 1e-6);
}

TEST(Camera, OppositeKeysLastPressedWinsEitherReleaseStops) {
    State s;
    key_down(s, 'w');
    key_down(s, 's');
    EXPECT_EQ(s.deltaMove, -16);
    key_up(s, 'w');
    EXPECT_EQ(s.deltaMove, 0);

    key_down(s, 'd');
    key_down(s, 'a');
    EXPECT_FLOAT_EQ(s.deltaAngle, -0.16f);
    key_up(s, 'd');
    EXPECT_FLOAT_EQ(s.deltaAngle, 0);

    special_down(s, key::down);
    special_down(s, key::up);
    EXPECT_FLOAT_EQ(s.deltaLook, 0.16f);
    special_up(s, key::down);
    EXPECT_FLOAT_EQ(s.deltaLook, 0);
}

TEST(Camera, GodModeWalksAlongThePitch) {
    State s;
    Look(s, 0.5f);
    key_down(s, 'w');
    step(s);
    EXPECT_FLOAT_EQ(s.posY, 20);  // flat walking keeps the height

    special_down(s, key::f2);
    step(s);
    EXPECT_NEAR(s.posY, 20 + 0.4 * 16 * std::sin(0.5), 1e-4);
    special_down(s, key::f2);
    const float height = s.posY;
    step(s);
    EXPECT_FLOAT_EQ(s.posY, height);
}

TEST(Camera, CrouchLowersEyeAndTargetBelowTheGround) {
    State s;
    key_down(s, 'z');
    View v = camera_view(s);
    EXPECT_FLOAT_EQ(v.eye[1], -10);
    EXPECT_FLOAT_EQ(v.centre[1], -10);
    key_up(s, 'z');
    v = camera_view(s);
    EXPECT_FLOAT_EQ(v.eye[1], 20);
}

TEST(Mouse, MeasuresFromTheWindowCentre) {
    State s;  // 640 x 360: centre (320, 180)
    EXPECT_FALSE(MoveMouse(s, 320, 180));
    EXPECT_FLOAT_EQ(s.angle, kStartHeading);
    EXPECT_FLOAT_EQ(s.angle2, 0);

    EXPECT_TRUE(MoveMouse(s, 321, 181));  // right and down
    EXPECT_NEAR(s.angle, kStartHeading + 0.08f, 1e-6);
    EXPECT_NEAR(s.angle2, -0.04f, 1e-6);
    EXPECT_NEAR(s.ly, std::sin(-0.04), 1e-6);

    // The distance does not matter, only the side.
    EXPECT_TRUE(MoveMouse(s, 0, 179));
    EXPECT_NEAR(s.angle, kStartHeading, 1e-6);
    EXPECT_NEAR(s.angle2, 0, 1e-6);

    EXPECT_TRUE(MoveMouse(s, 320, 0));
    EXPECT_NEAR(s.angle, kStartHeading, 1e-6);
    EXPECT_NEAR(s.angle2, 0.04f, 1e-6);

    // A larger window moves the centre with it.
    resize(s, 1280, 720);
    EXPECT_TRUE(MoveMouse(s, 500, 360));
    EXPECT_NEAR(s.angle, kStartHeading - 0.08f, 1e-6);
}

TEST(Window, ZeroHeightCountsAsOne) {
    State s;
    resize(s, 640, 0);
    EXPECT_FLOAT_EQ(s.ratio, 640);
    EXPECT_EQ(s.height, 1);
}

TEST(Keys, EscEndsOnReleaseOnly) {
    State s;
    key_down(s, key::esc);
    EXPECT_FALSE(key_up(s, 'w'));
    EXPECT_TRUE(key_up(s, key::esc));
    EXPECT_FALSE(key_up(s, 'W'));  // case matters
}

TEST(Keys, SwitchesToggle) {
    State s;
    special_down(s, key::f7);
    special_down(s, key::insert);
    special_down(s, key::page_down);
    special_down(s, key::page_up);
    EXPECT_EQ(s.iluminacao, 1);
    EXPECT_EQ(s.abrir_porta, 1);
    EXPECT_EQ(s.abrir_portao, 1);
    EXPECT_EQ(s.abrir_portao2, 1);
    special_up(s, key::f7);
    EXPECT_EQ(s.iluminacao, 1);
    special_down(s, key::f7);
    EXPECT_EQ(s.iluminacao, 0);
}

TEST(Sky, TurnsAFifthOfADegreeAStep) {
    State s;
    for (int i = 0; i < 5; ++i) step_sky(s);
    EXPECT_NEAR(s.mov_ceu, 1.0f, 1e-5);
}

// --- gate counters ------------------------------------------------------------

TEST(Gates, DoorBarThenLeavesAndBarRestsAtOneAfterClosing) {
    State s;
    s.abrir_porta = 1;
    for (int i = 0; i < 30; ++i) step_gates(s);
    EXPECT_EQ(s.porta_castelo, 30);
    EXPECT_EQ(s.porta_castelo2, 30);
    step_gates(s);
    EXPECT_EQ(s.porta_castelo, 31);
    EXPECT_EQ(s.porta_castelo2, 30);
    for (int i = 0; i < 200; ++i) step_gates(s);
    EXPECT_EQ(s.porta_castelo, 120);

    s.abrir_porta = 0;
    for (int i = 0; i < 200; ++i) step_gates(s);
    EXPECT_EQ(s.porta_castelo, 0);
    EXPECT_EQ(s.porta_castelo2, 1);
}

TEST(Gates, BridgeAndPortcullisStopAtNinety) {
    State s;
    s.abrir_portao = 1;
    s.abrir_portao2 = 1;
    for (int i = 0; i < 100; ++i) step_gates(s);
    EXPECT_EQ(s.portao_madeira, 90);
    EXPECT_EQ(s.porta_grade, 90);
    s.abrir_portao = 0;
    for (int i = 0; i < 100; ++i) step_gates(s);
    EXPECT_EQ(s.portao_madeira, 0);
}

TEST(Gates, FlagClearedHalfwayReversesFromThere) {
    State s;
    s.abrir_portao2 = 1;
    for (int i = 0; i < 50; ++i) step_gates(s);
    ASSERT_EQ(s.porta_grade, 50);
    s.abrir_portao2 = 0;
    step_gates(s);
    EXPECT_EQ(s.porta_grade, 49);
    for (int i = 0; i < 49; ++i) step_gates(s);
    EXPECT_EQ(s.porta_grade, 0);
    step_gates(s);
    EXPECT_EQ(s.porta_grade, 0);
}

TEST(Gates, StepAdvancesTheCountersWithTheMotion) {
    State s;
    s.abrir_portao = 1;
    key_down(s, 'w');
    step(s);
    EXPECT_EQ(s.portao_madeira, 1);
    EXPECT_NEAR(s.posZ, 6.4, 1e-4);
}

}  // namespace
