// The browser's animation frames already come at the display's rate; waiting
// on the page's only thread would freeze it. The clock still counts steps by
// wall-clock time, so speeds hold.
#include "frame_pacer.h"

FramePacer::FramePacer(double frames_per_second)
    : period_(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / frames_per_second))) {}

FramePacer::Clock::time_point FramePacer::next_deadline(Clock::time_point previous, Clock::duration period,
                                                        Clock::time_point now) {
    const Clock::time_point deadline = previous + period;
    return deadline < now ? now : deadline;
}

void FramePacer::end_frame() {
    previous_ = Clock::now();
    started_ = true;
}
