#!/bin/sh
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# cpack refuses a build configured for a prefix the package does not use, and
# says how to package; a build for the package's prefix gets past the check.
# Only the documents are built and packaged: the programs are left out.
#   install_prefix_test.sh SOURCE_DIR
set -u
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

for prefix in /usr/local /usr; do
    cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DSOLVA_GUI=OFF -DSOLVA_CLI=OFF -DBUILD_TESTING=OFF >/dev/null || fail "configure"
    cmake --build "$work/build" >/dev/null || fail "build"
    (cd "$work/build" && cpack -G DEB) >"$work/log" 2>&1
    status=$?
    if [ "$prefix" = /usr/local ]; then
        [ "$status" -ne 0 ] || fail "cpack packaged a build for $prefix"
        grep -q "scripts/package.sh" "$work/log" || fail "no remedy in: $(cat "$work/log")"
    else
        [ "$status" -eq 0 ] || fail "cpack refused a build for $prefix: $(cat "$work/log")"
    fi
done
echo "cpack refuses /usr/local and packages /usr"
