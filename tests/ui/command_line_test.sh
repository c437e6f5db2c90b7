#!/bin/sh
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# The window program started from a terminal without a graphical session: it
# answers --help and --version, and otherwise says in one line that it needs
# a session, with status 1 rather than an abort.
#
#   command_line_test.sh PROGRAM VERSION
set -u
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
failed=0
fail() {
    failed=1
    echo "FAIL: $*"
}
start() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" </dev/null
}

help=$(start "$1" --help) || fail "--help: status $?"
echo "$help" | head -n 1 | grep -q '^Usage: ellipsoid-flow' || fail "--help: no usage line"
[ -z "$(echo "$help" | awk 'length > 80')" ] || fail "--help: lines over 80 columns"
version=$(start "$1" -platform xcb --version) || fail "--version: status $?"
[ "$(echo "$version" | head -n 1)" = "ellipsoid-flow $2" ] || fail "--version: $version"
echo "$version" | grep -q '^Copyright (C) 2026 ' || fail "--version: no copyright line"

# No display named, one that does not answer, and Qt's X11 platform asked for.
for setting in DISPLAY= DISPLAY=:4711 QT_QPA_PLATFORM=xcb; do
    said=$(start "$setting" "$1" 2>&1)
    status=$?
    [ "$status" = 1 ] || fail "$setting: status $status"
    [ "$(echo "$said" | wc -l)" = 1 ] && echo "$said" | grep -q 'graphical session.*-cli' ||
        fail "$setting: said: $said"
done
[ -e solva11.txt ] && fail "a start without a window wrote a result file"
exit $failed
