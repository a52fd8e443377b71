#pragma once
// Keeps continuously redrawn frames at a steady rate. Animations advance by
// the frame clock's fixed steps of 1/60 s (frame_clock.h), whose end_frame()
// is this wait; the gymnast's movements, which draw their own frames one step
// each, are paced by it directly.
//
// Call end_frame() at the end of each displayed frame: it waits until one
// frame period has passed since the previous call returned. The wait happens
// inside the frame, so an idle function that advances per frame cannot run
// ahead between frames.

#include <chrono>

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit FramePacer(double frames_per_second = 60.0)
        : period_(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / frames_per_second))) {}

    void end_frame();

    // When the next frame may end: one period after the previous one ended,
    // or now if the program fell behind (so it never races to catch up).
    static Clock::time_point next_deadline(Clock::time_point previous, Clock::duration period,
                                           Clock::time_point now) {
        const Clock::time_point deadline = previous + period;
        return deadline < now ? now : deadline;
    }

private:
    Clock::duration period_;
    Clock::time_point previous_{};
    bool started_ = false;
};
