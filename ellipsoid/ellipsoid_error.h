// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The error type of the ellipsoid library.

#include <stdexcept>

namespace solva::ellipsoid {

/// The one error type of the ellipsoid library: an input it cannot take (an
/// axis out of range, a non-finite angle or direction, a point inside the
/// body, a pose that is not a proper rotation, an output buffer of the wrong
/// size). The message names the input and its value; nothing has changed when
/// it is thrown, except the output buffers of an array evaluation.
class EllipsoidError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

} // namespace solva::ellipsoid
