#include "frame_pacer.h"

#include <thread>

FramePacer::FramePacer(double frames_per_second)
    : period_(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / frames_per_second))) {}

FramePacer::Clock::time_point FramePacer::next_deadline(Clock::time_point previous, Clock::duration period,
                                                        Clock::time_point now) {
    const Clock::time_point deadline = previous + period;
    return deadline < now ? now : deadline;
}

void FramePacer::end_frame() {
    const Clock::time_point now = Clock::now();
    if (started_) {
        const Clock::time_point deadline = next_deadline(previous_, period_, now);
        std::this_thread::sleep_until(deadline);
        previous_ = deadline;
    } else {
        previous_ = now;
        started_ = true;
    }
}
