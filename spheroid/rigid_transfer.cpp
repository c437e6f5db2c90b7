// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/rigid_transfer.h"

#include "numeric/rigid_transfer_terms.h"

namespace solva::spheroid {

Matrix6 transferred(const Matrix6& M, const Vector3& r) {
    return numeric::transferredTerms(M, r);
}

} // namespace solva::spheroid
