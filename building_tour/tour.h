#pragma once
// The presentation tour: a scripted camera path, one stage run per step.

namespace building_tour {

constexpr double kTourLoopEnd = 3841;

// One step of the script.
void apresentacao();

// The steps the frame clock says are due, while the tour is on (test true).
void advance_tour(int steps);

}  // namespace building_tour
