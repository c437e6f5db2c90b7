#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Builds the window program alone (no tests, no benchmark) in its own build
# directory and opens the window. The two result files are written to the
# directory this is started from.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${WINDOW_PACKAGES[@]}"
dir="$ROOT/build-run"
configure_and_build "$dir" ellipsoid-flow -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVA_GUI=ON \
    -DBUILD_TESTING=OFF -DSOLVA_BENCHMARK=OFF -DSOLVA_CLI=OFF
exec "$dir/app/ellipsoid-flow"
