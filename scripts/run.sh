#!/usr/bin/env bash
# Builds the program and opens its window. The two result files are written
# to the directory this is started from.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}"
configure_and_build "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVA_GUI=ON
exec "$ROOT/build/ui/ellipsoid-flow"
