// The browser's animation frames already come at the display's rate; waiting
// on the page's only thread would freeze it, so a frame's end is only noted.
// The clock still counts steps by wall-clock time, so speeds hold.
#include "frame_pacer.h"

void FramePacer::end_frame() {
    previous_ = Clock::now();
    started_ = true;
}
