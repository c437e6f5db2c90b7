#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Builds the libFuzzer harnesses with clang and runs each of them, or only the
# one named, for SECONDS seconds on a scratch copy of its seed corpus. Prints
# libFuzzer's final statistics; a crash keeps its scratch directory, with the
# input that caused it, and makes the script fail.
#
#   scripts/fuzz.sh SECONDS [fuzz_numeric_reader|fuzz_run]
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ALL_TARGETS=(fuzz_numeric_reader fuzz_run)
usage="usage: scripts/fuzz.sh SECONDS [fuzz_numeric_reader|fuzz_run]"
seconds="${1:-}"
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "$usage" >&2; exit 2; }
targets=("${ALL_TARGETS[@]}")
if [ $# -ge 2 ]; then
    [[ " ${ALL_TARGETS[*]} " == *" $2 "* ]] || { echo "$usage" >&2; exit 2; }
    targets=("$2")
fi

# The harnesses need the core and the test helpers with their result checks,
# not the tests themselves. libFuzzer is in the runtime package of the
# installed clang's own version.
ensure_packages clang cmake ninja-build libcli11-dev nlohmann-json3-dev
ensure_packages "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"

BUILD="${SOLVA_FUZZ_BUILD:-$ROOT/build-fuzz}"
echo "== Build in $BUILD"
CC=clang CXX=clang++ configure_and_build "$BUILD" "${targets[*]}" -DSOLVA_FUZZ=ON -DSOLVA_GUI=OFF \
    -DBUILD_TESTING=OFF -DSOLVA_BENCHMARK=OFF

status=0
for target in "${targets[@]}"; do
    scratch="$(mktemp -d "${TMPDIR:-/tmp}/solva-$target-XXXXXX")"
    cp -r "$ROOT/fuzz/corpus/$target" "$scratch/corpus"
    mkdir "$scratch/crashes"
    echo "== $target for ${seconds} s in $scratch"
    rc=0
    "$BUILD/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -dict="$ROOT/fuzz/solva.dict" -artifact_prefix="$scratch/crashes/" \
        "$scratch/corpus" >"$scratch/log" 2>&1 || rc=$?
    grep '^stat::' "$scratch/log" || true
    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/log")"
    echo "$target: ${executions:-unknown} executions, exit status $rc"
    if [ "$rc" -ne 0 ] || [ -n "$(ls -A "$scratch/crashes")" ]; then
        status=1
        echo "$target FOUND A FAULT; log and inputs kept in $scratch:"
        grep -E 'run fault|numeric reader:|ERROR|SUMMARY|runtime error' "$scratch/log" | head -20
        ls -l "$scratch/crashes"
    else
        rm -rf "$scratch"
    fi
done
exit "$status"
