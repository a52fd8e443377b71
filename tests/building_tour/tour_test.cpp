#include <gtest/gtest.h>

#include "gl_recorder.h"
#include "shell.h"
#include "state.h"
#include "tour.h"

namespace {

using namespace building_tour;

struct Camera {
    float x_pos, y_pos, z_pos, x_dir, y_dir, z_dir;
};
Camera camera() { return {x_pos, y_pos, z_pos, x_dir, y_dir, z_dir}; }

void expect_camera(const Camera& c, float x, float y, float z, float tx, float ty, float tz, float tol) {
    EXPECT_NEAR(c.x_pos, x, tol);
    EXPECT_NEAR(c.y_pos, y, tol);
    EXPECT_NEAR(c.z_pos, z, tol);
    EXPECT_NEAR(c.x_dir, tx, tol);
    EXPECT_NEAR(c.y_dir, ty, tol);
    EXPECT_NEAR(c.z_dir, tz, tol);
}
void expect_at_reset() { expect_camera(camera(), 0, 25, 80, 0, 0, 0, 0); }

void steps(int n) {
    for (int i = 0; i < n; ++i) apresentacao();
}

constexpr int kStepsPerLoop = 3787;

class Tour : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::recorder().reset();
        reset_state();
    }
};

TEST_F(Tour, FirstStageOrbitsTheOriginAndOpensAndClosesTheGates) {
    steps(110);
    expect_camera(camera(), -105.85f, 20.6f, 33.89f, 0, 0, 0, 0.01f);
    EXPECT_EQ(cont, 110);
    steps(1168 - 110);
    EXPECT_EQ(angle_door, -90);
    steps(1312 - 1168);
    EXPECT_EQ(angle_door, 0);
}

// Inside the loop, in the pavilion downstairs and then upstairs: worked out from the
// stage table independently of this code.
TEST_F(Tour, CheckpointsInsideTheLoop) {
    steps(1380);
    EXPECT_EQ(cont, 1403);
    expect_camera(camera(), 3.3228f, 7.9544f, 20.2957f, 26.261f, -14.52f, -7.5315f, 0.01f);
    steps(1850 - 1380);
    EXPECT_EQ(cont, 1887);
    expect_camera(camera(), 19.3028f, 18.9044f, -9.6043f, 18.9985f, 9.03f, 24.9308f, 0.01f);
}

TEST_F(Tour, TheStepEndingAStageRunsTheNextOneToo) {
    cont = 110;
    apresentacao();
    EXPECT_EQ(cont, 112);
    EXPECT_FLOAT_EQ(x_dir, -3);  // stage 2 moved the target, stage 1's orbit did not
    EXPECT_FLOAT_EQ(z_dir, 0.1f);
}

TEST_F(Tour, OneLoopIs3841RunsIn3787StepsAndEndsAtTheReset) {
    angle_door = 30;
    int runs = 0, double_steps = 0;
    for (int i = 1; i <= kStepsPerLoop; ++i) {
        const double before = cont;
        apresentacao();
        const double after = cont == 0 ? kTourLoopEnd : cont;
        runs += static_cast<int>(after - before);
        double_steps += after - before == 2;
        if (i < kStepsPerLoop) {
            ASSERT_GT(cont, 0) << "loop ended early at step " << i;
        }
    }
    EXPECT_EQ(runs, kTourLoopEnd);
    EXPECT_EQ(double_steps, 54);  // one at each boundary between stages
    EXPECT_EQ(cont, 0);
    EXPECT_EQ(angle_door, 30);
    expect_at_reset();
}

TEST_F(Tour, LastRunResetsCameraAndCounterButNotTheGates) {
    cont = 3840;
    x_pos = 7, y_dir = -3, angle_door = 12;
    apresentacao();
    EXPECT_EQ(cont, 0);
    EXPECT_EQ(angle_door, 12);
    expect_at_reset();
}

TEST_F(Tour, StageFiftyOneHoldsTheCameraStill) {
    x_pos = 3, z_dir = -4;
    cont = 3373;
    const Camera held = camera();
    steps(3462 - 3373);
    EXPECT_EQ(cont, 3462);
    expect_camera(camera(), held.x_pos, held.y_pos, held.z_pos, held.x_dir, held.y_dir, held.z_dir, 0);
    apresentacao();  // last run of the pause and first of stage 52
    EXPECT_FLOAT_EQ(z_pos, held.z_pos + 0.2f);
}

TEST_F(Tour, MovesAreRelativeToWhereTheCameraStood) {
    steps(500);
    const Camera designed = camera();
    reset_state();
    x_pos += 10, x_dir += 10, y_pos += 5, y_dir += 5, z_pos -= 7, z_dir -= 7;
    steps(500);
    const Camera& d = designed;
    expect_camera(camera(), d.x_pos + 10, d.y_pos + 5, d.z_pos - 7, d.x_dir + 10, d.y_dir + 5, d.z_dir - 7, 1e-3f);
    steps(kStepsPerLoop - 500);
    expect_at_reset();
}

TEST_F(Tour, KeyAPausesAndResumesAtTheSameCounter) {
    keyboard('a', 0, 0);
    EXPECT_TRUE(test);
    while (cont < 1570) advance_tour(1);  // into stage 30
    const double paused_at = cont;
    keyboard('A', 0, 0);
    EXPECT_FALSE(test);
    advance_tour(5);
    EXPECT_EQ(cont, paused_at);
    keyboard('a', 0, 0);
    advance_tour(3);  // a slow frame: three steps due
    EXPECT_EQ(cont, paused_at + 3);
    EXPECT_EQ(glrec::recorder().redisplays(), 0u);
}

TEST_F(Tour, KeyRRestartsARunningTourWithTheGatesLeftAsTheyAre) {
    keyboard('a', 0, 0);
    advance_tour(1168);
    keyboard('r', 0, 0);
    EXPECT_EQ(cont, 0);
    EXPECT_EQ(angle_door, -90);
    expect_at_reset();
    EXPECT_TRUE(test);
    advance_tour(1);
    EXPECT_EQ(cont, 1);
    EXPECT_LT(x_pos, 0);  // stage 1 again: the eye swings to the left
}

}  // namespace
