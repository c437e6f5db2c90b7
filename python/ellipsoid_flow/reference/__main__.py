# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""`python3 -m ellipsoid_flow.reference`, the command ellipsoid-flow-reference: runs it and
exits with its status."""

import sys

from ._cli import main

sys.exit(main())
