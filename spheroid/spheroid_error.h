// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The error types of the spheroid library.

#include <stdexcept>

namespace solva::spheroid {

/// The one error type of the spheroid library: an input it cannot take (a
/// thickness ratio or axis out of range, a non-finite angle, a point inside
/// the body, an output buffer of the wrong size). The message names the input
/// and its value; nothing has been changed when it is thrown, except the
/// output buffers of an array evaluation (see Flow::evaluate).
class SpheroidError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

/// The one kind of SpheroidError a caller may want to tell apart: inputs each
/// in range whose result lies beyond the largest double (an added-mass matrix
/// of a ship's size in a fluid of density 1E308, say). The message names the
/// quantity, its size and the inputs.
class ResultOutOfRange : public SpheroidError {
public:
    using SpheroidError::SpheroidError;
};

} // namespace solva::spheroid
