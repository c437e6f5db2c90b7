#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Builds everything and runs the whole test suite twice: once as built for
# use, once under AddressSanitizer and UndefinedBehaviorSanitizer. Window tests
# run on Qt's offscreen platform, so no display is needed.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}"

echo "== Build and test"
configure_and_build "$ROOT/build" all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVA_GUI=ON -DSOLVA_BENCHMARK=ON \
    -DSOLVA_PYTHON=ON
ctest --test-dir "$ROOT/build" --output-on-failure --parallel "$(nproc)"

# The Python module stays out of this build: the interpreter that would load
# it is not built with the sanitizers.
echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build "$ROOT/build-sanitize" all -DCMAKE_BUILD_TYPE=Debug -DSOLVA_SANITIZE=ON -DSOLVA_GUI=ON \
    -DSOLVA_BENCHMARK=OFF -DSOLVA_PYTHON=OFF
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir "$ROOT/build-sanitize" --output-on-failure --parallel "$(nproc)"
