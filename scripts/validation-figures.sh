#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Makes everything docs/validation.md shows: its five figures, drawn by
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

# The spheroid library's k1, k2 and k' against lambda, prolate through oblate,
# 25 ratios a decade from 0.05 to 20.
for k in $(seq 0 65); do
    lambda=$(awk -v k="$k" 'BEGIN { printf "%.6g", 0.05 * 10 ^ (k / 25) }')
    "$cli" inertia --lambda "$lambda" | jq -r '[.lambda, .k1, .k2, .k_prime] | @tsv'
done >"$work/inertia.dat"

# The speed in the plane y = 0 around the lambda = 0.2 body at 20 degrees, in
# scans of 121 points (a blank line between, for pm3d); none inside the body.
awk 'BEGIN { for (i = 0; i <= 240; i++) for (j = 0; j <= 120; j++)
                 printf "%.6g,0,%.6g\n", -0.75 + i * 1.5 / 240, -0.375 + j * 0.75 / 120 }' |
    "$cli" field --lambda 0.2 --alpha 20 --beta 0 --inside-nan - |
    awk -F, 'NR > 1 { print $1, $3, ($8 == "nan" ? "NaN" : sqrt($8))
                      if ((NR - 1) % 121 == 0) print "" }' >"$work/speed.dat"

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

set output "$docs/validation-inertia.png"
set title "Inertia coefficients of a spheroid, prolate (λ < 1) through oblate (λ > 1)"
set xlabel "thickness ratio λ = b / a"
set ylabel "coefficient"
set logscale xy
set xrange [0.05:20]
set yrange [0.001:20]
set key top left
plot "inertia.dat" using 1:2 with lines lw 2 title "k1 (along the axis)", \
     "inertia.dat" using 1:3 with lines lw 2 title "k2 (across it)", \
     "inertia.dat" using 1:(\$4 > 0 ? \$4 : NaN) with lines lw 2 title "k′ (rotation about a diameter)", \
     "$ROOT/tests/validation/lamb_373.tsv" using (1 / \$1):2 with points pt 6 ps 1.5 lc "black" \
         title "Lamb, Hydrodynamics §373", \
     "" using (1 / \$1):3 with points pt 6 ps 1.5 lc "black" notitle, \
     "" using (1 / \$1):4 with points pt 6 ps 1.5 lc "black" notitle

set output "$docs/validation-speed-field.png"
set title "Speed |v| / U in the plane y = 0 around the λ = 0.2 body at α = 20°"
unset logscale
set xlabel "x / L"
set ylabel "z / L"
set xrange [-0.75:0.75]
set yrange [-0.375:0.375]
set size ratio -1
set cblabel "|v| / U"
set palette rgb 33,13,10
set view map
set pm3d map corners2color c1
unset key
splot "speed.dat" using 1:2:3 with pm3d
GNUPLOT

# The page's tables.
page="$docs/validation.md"
for table in lamb alpha0 sphere stations spheroid-lamb spheroid-integrals spheroid-checks; do
    TABLE=$("$build/tests/validation/validation_tables" "$table") awk -v name="$table" '
        $0 == "<!-- " name " -->" { print; print ""; print ENVIRON["TABLE"]; print ""; skip = 1; next }
        $0 == "<!-- /" name " -->" { skip = 0 }
        !skip' "$page" >"$work/page.md"
    cp "$work/page.md" "$page"
done
echo "wrote the figures and tables of $page"
