#include "frame_clock.h"

#include <algorithm>

FrameClock::FrameClock() : pacer_(kStepsPerSecond) {}

FrameClock::Clock::duration FrameClock::step_period() {
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / kStepsPerSecond));
}

int FrameClock::steps_due(Clock::time_point now) {
    if (!started_) {
        started_ = true;
        origin_ = now;
        steps_done_ = 1;
        return 1;
    }
    const long long elapsed = (now - origin_) / step_period();
    // At least one: a paced frame that ends a hair early still moves the world.
    long long due = std::max(1LL, elapsed + 1 - steps_done_);
    if (due > kMaxStepsPerFrame) {
        // Let go of the time that cannot be caught up, so the next frames
        // do not inherit it.
        origin_ += (due - kMaxStepsPerFrame) * step_period();
        due = kMaxStepsPerFrame;
    }
    steps_done_ += due;
    return static_cast<int>(due);
}
