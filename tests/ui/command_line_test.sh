#!/bin/sh
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# The window program started from a terminal with no graphical session: it
# answers --help and --version, and otherwise says in one line that it needs
# a session, with status 1 rather than an abort.
#
#   command_line_test.sh PROGRAM VERSION
set -u
program=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

fail() {
    failed=1
    echo "FAIL: $*"
}

# start NAME [ENV...] -- ARGS...: runs the program without a display, with
# the environment settings given; leaves NAME.out, NAME.err and NAME.status.
start() {
    name=$1
    shift
    settings=
    while [ "$1" != "--" ]; do
        settings="$settings $1"
        shift
    done
    shift
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $settings "$program" "$@" \
        >"$scratch/$name.out" 2>"$scratch/$name.err" </dev/null
    echo $? >"$scratch/$name.status"
}

expect_status() { # NAME STATUS
    [ "$(cat "$scratch/$1.status")" = "$2" ] ||
        fail "$1: status $(cat "$scratch/$1.status"), expected $2"
}

start help -- --help
expect_status help 0
head -n 1 "$scratch/help.out" | grep -q '^Usage: ellipsoid-flow' || fail "help: no usage line"
grep -q 'ellipsoid-flow-cli' "$scratch/help.out" || fail "help: does not name ellipsoid-flow-cli"
[ "$(awk 'length > 80' "$scratch/help.out")" = "" ] || fail "help: lines over 80 columns"
[ -s "$scratch/help.err" ] && fail "help: wrote to standard error"

start version -- -platform xcb --version
expect_status version 0
[ "$(head -n 1 "$scratch/version.out")" = "ellipsoid-flow $version" ] ||
    fail "version: first line is '$(head -n 1 "$scratch/version.out")'"
grep -q '^Copyright (C) 2026 Ellipsoid Flow developers$' "$scratch/version.out" ||
    fail "version: no copyright line"
grep -q 'MIT' "$scratch/version.out" || fail "version: no licence line"

(cd "$scratch" && "$program" --help >/dev/full 2>"$scratch/full.err")
[ $? = 1 ] || fail "help into a full disk: status not 1"
[ -s "$scratch/full.err" ] || fail "help into a full disk: no message"

# No display named at all, and one named that does not answer.
for case in "unset --" "dead DISPLAY=:4711 --" "xcb QT_QPA_PLATFORM=xcb --"; do
    name=${case%% *}
    # shellcheck disable=SC2086
    (cd "$scratch" && start $case)
    expect_status "$name" 1
    [ "$(wc -l <"$scratch/$name.err")" = 1 ] ||
        fail "$name: expected one line, got: $(cat "$scratch/$name.err")"
    grep -q 'graphical session.*ellipsoid-flow-cli' "$scratch/$name.err" ||
        fail "$name: the line does not point to ellipsoid-flow-cli"
    [ -s "$scratch/$name.out" ] && fail "$name: wrote to standard output"
done
[ -e "$scratch/solva11.txt" ] && fail "a start without a window wrote a result file"

exit $failed
