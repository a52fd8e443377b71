#pragma once
// Fixed-step time for continuous animations. Every moving thing in these
// programs is designed as an amount per 1/60 s step; the clock says how many
// steps are due before a frame is drawn, so the speeds hold in seconds on any
// machine:
//   - frames at 60 per second or faster: exactly one step per frame (with
//     end_frame() waiting out the rest of the period);
//   - slower frames: as many steps as wall-clock time calls for, at most
//     kMaxStepsPerFrame; beyond that the world slows down rather than
//     freezing between long, jumpy frames.
//
//   int steps = clock.begin_frame();
//   for (int i = 0; i < steps; ++i) advance_world();
//   draw_world();
//   clock.end_frame();

#include <chrono>

#include "frame_pacer.h"

class FrameClock {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr double kStepsPerSecond = 60.0;
    static constexpr int kMaxStepsPerFrame = 8;

    FrameClock();

    // Steps due now; the first frame runs one.
    int begin_frame() { return steps_due(Clock::now()); }
    // Waits until one step period after the previous frame ended.
    void end_frame() { pacer_.end_frame(); }

    // begin_frame() at a given time, for tests.
    int steps_due(Clock::time_point now);

    static Clock::duration step_period();

private:
    FramePacer pacer_;
    bool started_ = false;
    Clock::time_point origin_{};  // wall-clock time of step 0
    long long steps_done_ = 0;
};
