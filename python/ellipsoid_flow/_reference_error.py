# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The error of the reference-data layer."""


class ReferenceDataError(ValueError):
    """A mesh that does not fit the body, or peer results that cannot be compared.

    The message says what and where.
    """
