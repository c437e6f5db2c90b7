// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "app/checked_real.h"

namespace solva {

// The five inputs of one run, as read from the window's boxes. The counts
// stay reals: they are loop limits, never rounded.
struct RunParameters {
    Real Lamda; // thickness ratio, minor over major axis
    Real NXX;   // number of meridian points
    Real NT;    // circumferential steps per half turn
    Real AlfaD; // angle of attack, degrees
    Real BetaD; // yaw angle, degrees
};

} // namespace solva
