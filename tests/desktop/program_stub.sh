#!/bin/sh
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Stands in for the window program in the launcher's test: records the
# directory it was started in and its arguments, in the (fake) home folder.
pwd >"$HOME/started-in"
echo "$@" >"$HOME/arguments"
