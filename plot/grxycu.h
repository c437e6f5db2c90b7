// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "flow/flow_state.h"
#include "plot/drawing_surface.h"

namespace solva {

// Redraws both picture areas: the body outline from points 1 ... N of X and Y,
// mirrored below the axis, and the speed curve CU against X, each with a pair
// of axes through the origin. Reads nothing else and writes no array.
void GRXYCU(DrawingSurface& Picture_elipsoid, DrawingSurface& Picture_pressure, Real N,
            const PointArray& X, const PointArray& Y, const PointArray& CU);

} // namespace solva
