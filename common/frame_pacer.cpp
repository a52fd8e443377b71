#include "frame_pacer.h"

#include <thread>

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
