#include "frame_clock.h"

#include <gtest/gtest.h>

namespace {

using Clock = FrameClock::Clock;

Clock::time_point at_steps(Clock::time_point start, double steps) {
    return start + std::chrono::duration_cast<Clock::duration>(steps * std::chrono::duration<double>(1.0 / 60));
}

TEST(FrameClock, PacedFramesRunExactlyOneStepEach) {
    FrameClock clock;
    const Clock::time_point start{};
    EXPECT_EQ(clock.steps_due(start), 1);
    // Frames a hair early or late of the 1/60 s period still run one step each.
    for (int frame = 1; frame <= 600; ++frame)
        ASSERT_EQ(clock.steps_due(at_steps(start, frame + (frame % 2 ? 0.01 : -0.01))), 1) << frame;
}

TEST(FrameClock, SlowFramesRunTheStepsTheirTimeCallsFor) {
    FrameClock clock;
    const Clock::time_point start{};
    clock.steps_due(start);
    EXPECT_EQ(clock.steps_due(at_steps(start, 3.2)), 3);  // a frame of 3.2 periods
    EXPECT_EQ(clock.steps_due(at_steps(start, 5.5)), 2);  // the fraction left over is kept
    EXPECT_EQ(clock.steps_due(at_steps(start, 6.0)), 1);
    // 20 frames at 25 per second move the world as 20 / 25 s of 60 steps a second would.
    int steps = 0;
    for (int frame = 1; frame <= 20; ++frame) steps += clock.steps_due(at_steps(start, 6.0 + frame * 2.4));
    EXPECT_EQ(steps, 48);
}

TEST(FrameClock, AFrameLongerThanTheCapSlowsTheWorldInsteadOfCatchingUpLater) {
    FrameClock clock;
    const Clock::time_point start{};
    clock.steps_due(start);
    EXPECT_EQ(clock.steps_due(at_steps(start, 120)), FrameClock::kMaxStepsPerFrame);  // a 2 s stall
    // The lost time is not made up afterwards: the next paced frame runs one step.
    EXPECT_EQ(clock.steps_due(at_steps(start, 121)), 1);
    EXPECT_EQ(clock.steps_due(at_steps(start, 124)), 3);
}

}  // namespace
