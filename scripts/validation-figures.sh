#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Makes everything docs/validation.md shows: its three figures, drawn by
# gnuplot from the command-line program's own output, and its tables, printed
# by validation_tables from the functions the validation test checks and put
# into the page between its <!-- NAME --> and <!-- /NAME --> markers.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}" jq
build="$ROOT/build-validation"
configure_and_build "$build" "ellipsoid-flow-cli validation_tables" -DCMAKE_BUILD_TYPE=Release \
    -DSOLVA_GUI=OFF
cli="$build/cli/ellipsoid-flow-cli"
docs="$ROOT/docs"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Cu along the meridian at zero incidence, 400 points, for four bodies.
for lambda in 0.1 0.2 0.5 1; do
    "$cli" --dir "$work/runs" --grid "$work/meridian-$lambda.csv" "$lambda" 400 1 0 0
done

# Cu around the lambda = 0.2 body at 10 degrees incidence, 36 columns, at the
# points nearest x = -0.4, -0.2 and 0 (an odd NXX puts a point at 0 exactly).
"$cli" --dir "$work/runs" --grid "$work/around.csv" 0.2 399 18 10 0
for x in -0.4 -0.2 0; do
    point=$(awk -F, -v x="$x" 'NR > 1 { d = $4 - x; d = d < 0 ? -d : d;
        if (best == "" || d < best) { best = d; point = $1 } } END { print point }' "$work/around.csv")
    awk -F, -v p="$point" 'NR > 1 && $1 == p { print $2, $6; x = $4 }
        END { printf "%.4f\n", x > "/dev/stderr" }' "$work/around.csv" \
        >"$work/around$x.dat" 2>"$work/around$x.x"
done

# k1 and k2 against c/a, from the JSON summary of one run per ratio.
for tenths in $(seq 10 100); do
    awk -v r="$tenths" 'BEGIN { printf "%.15g\t1\t1\t0\t0\n", 10 / r }'
done | "$cli" --runs - --dir "$work/sweep" --summary |
    jq -r '[1 / .values.lambda, .coefficients.K1, .coefficients.K2] | @tsv' >"$work/added-mass.dat"

cd "$work"
gnuplot <<GNUPLOT
set terminal pngcairo size 800,500 font "sans,11"
set grid
set key box opaque

set output "$docs/validation-cu-meridian.png"
set title "Cu along the meridian at zero incidence (400 points)"
set xlabel "x / L  (nose at -0.5, tail at +0.5)"
set ylabel "Cu = (surface speed / free-stream speed)^2"
set key bottom center
set datafile separator ","
plot for [l in "0.1 0.2 0.5 1"] "meridian-".l.".csv" every ::1 using 4:6 with lines lw 2 \
     title (l eq "1" ? "sphere, λ = 1" : "λ = ".l)

set output "$docs/validation-cu-around.png"
set title "Cu around the λ = 0.2 body at α = 10°, β = 0 (36 columns)"
set xlabel "circumferential angle (degrees; 90 and 270 lie in the plane of α)"
set ylabel "Cu"
set xrange [0:350]
set xtics 0,30,360
set key bottom left
set datafile separator whitespace
plot for [s in "-0.4 -0.2 0"] "around".s.".dat" using 1:2 with linespoints lw 2 pt 7 ps 0.6 \
     title "x / L = ".system("cat around".s.".x")

set output "$docs/validation-added-mass.png"
set title "Inertia (added-mass) coefficients of a prolate spheroid"
set xlabel "c / a  (length over thickness, 1 / λ)"
set ylabel "coefficient"
set xrange [1:10]
set autoscale y
set xtics autofreq
set key center right
plot "added-mass.dat" using 1:2 with lines lw 2 title "k1 (axial), program", \
     "added-mass.dat" using 1:3 with lines lw 2 title "k2 (transverse), program", \
     "$ROOT/tests/validation/lamb_373.tsv" using 1:2 with points pt 6 ps 1.5 lc "black" \
         title "Lamb, Hydrodynamics §373", \
     "" using 1:3 with points pt 6 ps 1.5 lc "black" notitle
GNUPLOT

# The page's tables.
page="$docs/validation.md"
for table in lamb alpha0 sphere stations; do
    TABLE=$("$build/tests/validation/validation_tables" "$table") awk -v name="$table" '
        $0 == "<!-- " name " -->" { print; print ""; print ENVIRON["TABLE"]; print ""; skip = 1; next }
        $0 == "<!-- /" name " -->" { skip = 0 }
        !skip' "$page" >"$work/page.md"
    cp "$work/page.md" "$page"
done
echo "wrote the figures and tables of $page"
