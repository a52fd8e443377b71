#pragma once
// The presentation tour: one step of the scripted camera path per call.

constexpr double kTourLoopEnd = 3841;

void apresentacao();
