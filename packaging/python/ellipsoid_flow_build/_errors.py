# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The one error of the build backend: the step that failed and what to do."""


class BuildError(RuntimeError):
    """A wheel could not be built; the message names the step and the cause."""
