#include "frame_pacer.h"

#include <gtest/gtest.h>

namespace {

using Clock = FramePacer::Clock;
using std::chrono::milliseconds;

TEST(FramePacer, NextFrameEndsOnePeriodAfterThePreviousOne) {
    const Clock::time_point previous{milliseconds(1000)};
    const Clock::duration period = milliseconds(16);
    EXPECT_EQ(FramePacer::next_deadline(previous, period, previous + milliseconds(3)), previous + period);
    EXPECT_EQ(FramePacer::next_deadline(previous, period, previous + period), previous + period);
}

TEST(FramePacer, LateFrameDoesNotWaitNorRaceToCatchUp) {
    const Clock::time_point previous{milliseconds(1000)};
    const Clock::duration period = milliseconds(16);
    // 50 ms late: the next frame may end now, and the one after a whole period later.
    const Clock::time_point now = previous + milliseconds(66);
    const Clock::time_point deadline = FramePacer::next_deadline(previous, period, now);
    EXPECT_EQ(deadline, now);
    EXPECT_EQ(FramePacer::next_deadline(deadline, period, now), now + period);
}

TEST(FramePacer, FramesAreAtLeastOnePeriodApart) {
    FramePacer pacer(100);  // 10 ms
    pacer.end_frame();
    const Clock::time_point start = Clock::now();
    pacer.end_frame();
    pacer.end_frame();
    EXPECT_GE(Clock::now() - start, milliseconds(19));
}

}  // namespace
