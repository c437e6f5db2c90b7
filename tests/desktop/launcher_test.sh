#!/bin/sh
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Runs the desktop launcher, configured to start program_stub.sh, with a fake
# home folder and a PATH that holds only mkdir and, where a case says so, an
# xdg-user-dir stand-in; checks the folder the program was started in.
#
#   launcher_test.sh LAUNCHER
set -eu
launcher=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0

check() { # what expected actual
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $1: expected '$2', got '$3'"
    fi
}

# start CASE [DOCUMENTS]: starts the launcher in its own fake home; with
# DOCUMENTS, xdg-user-dir is there and names that folder.
start() {
    home="$scratch/$1/home"
    bin="$scratch/$1/bin"
    mkdir -p "$home" "$bin"
    ln -sf "$(command -v mkdir)" "$bin/mkdir"
    if [ $# -ge 2 ]; then
        printf '#!/bin/sh\necho "%s"\n' "$2" >"$bin/xdg-user-dir"
        chmod +x "$bin/xdg-user-dir"
    fi
    rm -f "$home/started-in"
    (cd / && HOME="$home" PATH="$bin" "$launcher" --some argument)
    cat "$home/started-in"
}

# The documents folder xdg-user-dir names, the folder created inside it; a
# second start finds it there and keeps what it holds.
home="$scratch/documents/home"
mkdir -p "$home/Dokumente"
check "documents folder" "$home/Dokumente/Ellipsoid Flow" "$(start documents "$home/Dokumente")"
check "arguments passed on" "--some argument" "$(cat "$home/arguments")"
touch "$home/Dokumente/Ellipsoid Flow/solva11.txt"
check "second start" "$home/Dokumente/Ellipsoid Flow" "$(start documents "$home/Dokumente")"
check "earlier result kept" yes "$([ -f "$home/Dokumente/Ellipsoid Flow/solva11.txt" ] && echo yes)"

# No xdg-user-dir: the home folder.
check "no xdg-user-dir" "$scratch/no-tool/home/Ellipsoid Flow" "$(start no-tool)"

# A documents folder that is not there: the home folder, and the missing
# folder is not made.
home="$scratch/missing/home"
check "missing documents folder" "$home/Ellipsoid Flow" "$(start missing "$home/Documents")"
check "missing folder left alone" no "$([ -e "$home/Documents" ] && echo yes || echo no)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
